// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "app/modal.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include "app/frame_error.h"
#include "tests/app/modal_guard.h"

namespace {

void ExpectRefused(QDialog& dialog) {
  try {
    app::ShowModal(dialog);
    ADD_FAILURE() << "a visible or disabled window was shown modally";
  } catch (const app::FrameError& error) {
    EXPECT_STREQ(error.what(), "Cannot make a visible window modal");
  }
}

TEST(ShowModal, RefusesAVisibleWindow) {
  QDialog dialog;
  dialog.show();
  ExpectRefused(dialog);
}

TEST(ShowModal, RefusesADisabledWindow) {
  QDialog dialog;
  dialog.setEnabled(false);
  ExpectRefused(dialog);
}

TEST(ShowModal, ClosingReturnsCancelAndHidesTheSameWindow) {
  QLineEdit owner;
  owner.show();
  owner.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));
  owner.setFocus();

  QDialog dialog;
  for (int round = 0; round < 2; ++round) {
    bool modalWhileShown = false;
    ExpectModal([&](QWidget& modal) {
      modalWhileShown = &modal == &dialog && dialog.isModal();
      dialog.close();
    });
    EXPECT_EQ(app::ShowModal(dialog), QDialog::Rejected) << "round " << round;
    EXPECT_TRUE(modalWhileShown) << "round " << round;
    EXPECT_FALSE(dialog.isVisible());
    QTest::qWait(0);
    EXPECT_TRUE(owner.hasFocus()) << "round " << round;
  }
}

TEST(ShowModal, ReturnsTheModalResult) {
  QDialog dialog;
  ExpectModal([&](QWidget&) { dialog.accept(); });
  EXPECT_EQ(app::ShowModal(dialog), QDialog::Accepted);
}

}  // namespace
