// The main of the GUI tests: the offscreen platform unless one is chosen,
// the program's own application object, fonts and toolkit texts, and the
// modal guard.

#include <gtest/gtest.h>

#include "app/application.h"
#include "app/font_substitutions.h"
#include "app/toolkit_translation.h"
#include "tests/app/modal_guard.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  app::Application application(argc, argv);
  app::InstallFontSubstitutions();
  app::InstallToolkitTranslation(application);
  StartModalGuard();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
