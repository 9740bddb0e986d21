// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The one main of the GUI tests: the offscreen platform unless one is chosen,
// the program's own application object with the recording error box, its
// fonts and toolkit texts, no toolkit settings (the real save dialog's tests
// leave nothing in the user's home), and the modal guard.

#include <gtest/gtest.h>

#include "app/application.h"
#include "app/font_substitutions.h"
#include "app/no_settings.h"
#include "app/toolkit_translation.h"
#include "tests/app/modal_guard.h"
#include "tests/app/recording_error_box.h"

RecordingErrorBox& TestErrorBox() {
  static RecordingErrorBox box;
  return box;
}

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  app::DisableToolkitSettings();
  app::Application application(argc, argv, TestErrorBox());
  app::InstallFontSubstitutions();
  app::InstallToolkitTranslation(application);
  StartModalGuard();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
