// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The About window as the program shows it: through the "&About" button, with
// the program's own application object and error box. A fault in its picture
// on the first paint reaches the error box while the window stays open and
// modal; closing it gives the main window back.

#include "tests/app/modal_guard.h"
#include "tests/ui/jpeg_segments.h"
#include "tests/ui/main_window_fixture.h"
#include "tests/ui/program_jpeg.h"

namespace {

class MainWindowWithFaultyPictureTest : public MainWindowTest {
 protected:
  std::unique_ptr<ui::AboutWindow> MakeAboutWindow() override {
    return std::make_unique<ui::AboutWindow>(WithoutSegments(ProgramJpeg(), 0xDB), 24, nullptr);
  }
};

TEST_F(MainWindowWithFaultyPictureTest, APictureFaultOnFirstPaintIsShownWhileTheAboutWindowStaysModal) {
  bool modalAfterTheBox = false;
  ExpectModal([&](QWidget& shown) {
    QTRY_COMPARE_WITH_TIMEOUT(errors.box.texts.size(), 1, 2000);
    modalAfterTheBox = shown.isVisible() && QApplication::activeModalWidget() == &shown;
    QTest::keyClick(&shown, Qt::Key_C);
  });
  Key(Qt::Key_A, Qt::AltModifier);
  ASSERT_EQ(errors.box.texts.size(), 1);
  EXPECT_TRUE(errors.box.texts.front().startsWith(QStringLiteral("JPEG error #")));
  EXPECT_TRUE(errors.box.texts.front().endsWith(u'.'));
  EXPECT_TRUE(modalAfterTheBox);
  EXPECT_FALSE(about->isVisible());
  EXPECT_EQ(KeyTarget(), Edit("baseAmountEdit"));
}

}  // namespace
