// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The About window driven through real events on the offscreen platform:
// where a click closes it, which keys close it, the arrow-key focus cycle,
// centring and the single decode across showings, its layout, the 8-bit
// picture and the way JPEG faults surface.

#include "ui/about_window.h"

#include <gtest/gtest.h>
#include <jerror.h>

#include <QAccessible>
#include <QLabel>
#include <QScreen>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <optional>

#include "tests/app/modal_guard.h"
#include "tests/app/recording_error_box.h"
#include "tests/ui/jpeg_segments.h"
#include "tests/ui/program_jpeg.h"
#include "ui/jpeg_decoder.h"

namespace {

constexpr int kQuietMs = 250;  // longer than a button's animated click

class AboutWindowTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(errors.box.texts, QStringList()); }

  ScopedErrorBox errors;

  // Shows the window modally without blocking and waits until it takes input.
  static void Open(ui::AboutWindow& window) {
    AllowModal(window);
    window.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  static bool ClosesSoon(ui::AboutWindow& window) {
    return QTest::qWaitFor([&] { return !window.isVisible(); }, 2000);
  }

  static bool StaysOpen(ui::AboutWindow& window) {
    QTest::qWait(kQuietMs);
    return window.isVisible();
  }

  template <typename T = QWidget>
  static T* Part(ui::AboutWindow& window, const char* name) {
    T* part = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(part, nullptr) << name;
    return part;
  }

  static bool OnAnyLabel(ui::AboutWindow& window, QPoint inWindow) {
    for (QLabel* label : window.findChildren<QLabel*>()) {
      if (QRect(label->mapTo(&window, QPoint(0, 0)), label->size()).contains(inWindow)) return true;
    }
    return false;
  }
};

// Clicks at points of the window, in its own coordinates (the border included).
TEST_F(AboutWindowTest, ClicksCloseOnPictureAndPanelsOnly) {
  struct Row {
    const char* name;
    const char* part;              // nullptr: the window itself
    std::optional<QPoint> offset;  // within the part; none: its centre, or with
                                   // cornerOfPart its bottom-right pixel
    bool cornerOfPart;
    bool clearOfLabels;  // the point must lie on no label
    bool closes;
  };
  const Row rows[] = {
      {"picture away from the labels", "picture", QPoint(420, 51), false, true, true},
      {"picture's bottom-left corner", "picture", QPoint(0, 204), false, true, true},
      {"header above the description", "headerPanel", QPoint(440, 10), false, true, true},
      {"header's bevel", "headerPanel", QPoint(457, 48), false, true, true},
      {"footer between the contacts", "footerPanel", QPoint(230, 30), false, true, true},
      {"button", "closeButton", std::nullopt, false, false, true},
      {"firm's name", "firmNameLabel", std::nullopt, false, false, false},
      {"edge of the name's shadow", "firmNameShadowLabel", std::nullopt, true, false, false},
      {"description", "descriptionLabel", std::nullopt, false, false, false},
      {"first heading", "structuresHeadingLabel", std::nullopt, false, false, false},
      {"last name over the picture", "surveyingNameLabel", std::nullopt, false, false, false},
      {"footer's telephone", "phoneLabel", std::nullopt, false, false, false},
      {"footer's web address", "websiteLabel", QPoint(1, 1), false, false, false},
      {"border's top-left pixel", nullptr, QPoint(0, 0), false, true, false},
      {"border's bottom-right pixel", nullptr, QPoint(459, 297), false, true, false},
      {"border's left edge beside the picture", nullptr, QPoint(0, 150), false, true, false},
      {"gap row above the footer", nullptr, QPoint(200, 255), false, true, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ui::AboutWindow window;  // a first showing: the focus starts on the button
    Open(window);
    QSignalSpy finished(&window, &QDialog::finished);
    QWidget* part = row.part != nullptr ? Part(window, row.part) : &window;
    const QPoint local =
        row.cornerOfPart ? part->rect().bottomRight() : row.offset.value_or(part->rect().center());
    ASSERT_TRUE(part->rect().contains(local));
    const QPoint point = part->mapTo(&window, local);
    if (row.clearOfLabels) {
      ASSERT_FALSE(OnAnyLabel(window, point));
    }
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, point);
    if (row.closes) {
      EXPECT_TRUE(ClosesSoon(window));
      ASSERT_EQ(finished.count(), 1);
      EXPECT_EQ(finished.at(0).at(0).toInt(), QDialog::Rejected);
    } else {
      EXPECT_TRUE(StaysOpen(window));
      window.hide();
    }
  }
}

TEST_F(AboutWindowTest, ClickNeedsPressAndReleaseOfTheLeftButtonOnTheSamePart) {
  ui::AboutWindow window;
  Open(window);
  QWidget* picture = Part(window, "picture");
  const QPoint onPicture = picture->mapTo(&window, QPoint(420, 51));
  const QPoint onHeader = Part(window, "headerPanel")->mapTo(&window, QPoint(440, 10));
  QTest::mousePress(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, onPicture);
  QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, onHeader);
  EXPECT_TRUE(StaysOpen(window));
  QTest::mouseClick(window.windowHandle(), Qt::RightButton, Qt::NoModifier, onPicture);
  EXPECT_TRUE(StaysOpen(window));
  QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, onPicture);
  EXPECT_TRUE(ClosesSoon(window));
}

TEST_F(AboutWindowTest, KeysThatCloseAndKeysThatDoNot) {
  struct Row {
    const char* name;
    int rightsFirst;  // Right presses before the key: 0 button, 1 header, 2 footer
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool closes;
  };
  const Row rows[] = {
      {"Enter on the button", 0, Qt::Key_Return, Qt::NoModifier, true},
      {"keypad Enter on the button", 0, Qt::Key_Enter, Qt::KeypadModifier, true},
      {"Space on the button", 0, Qt::Key_Space, Qt::NoModifier, true},
      {"Alt+C on the button", 0, Qt::Key_C, Qt::AltModifier, true},
      {"C on the button", 0, Qt::Key_C, Qt::NoModifier, true},
      {"Escape on the button", 0, Qt::Key_Escape, Qt::NoModifier, false},
      {"X on the button", 0, Qt::Key_X, Qt::NoModifier, false},
      {"Enter on the header", 1, Qt::Key_Return, Qt::NoModifier, false},
      {"Space on the header", 1, Qt::Key_Space, Qt::NoModifier, false},
      {"Escape on the header", 1, Qt::Key_Escape, Qt::NoModifier, false},
      {"C on the header", 1, Qt::Key_C, Qt::NoModifier, true},
      {"Enter on the footer", 2, Qt::Key_Return, Qt::NoModifier, false},
      {"Space on the footer", 2, Qt::Key_Space, Qt::NoModifier, false},
      {"Alt+C on the footer", 2, Qt::Key_C, Qt::AltModifier, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ui::AboutWindow window;  // a first showing: the focus starts on the button
    Open(window);
    for (int i = 0; i < row.rightsFirst; ++i) QTest::keyClick(window.windowHandle(), Qt::Key_Right);
    QTest::keyClick(window.windowHandle(), row.key, row.modifiers);
    if (row.closes) {
      EXPECT_TRUE(ClosesSoon(window));
    } else {
      EXPECT_TRUE(StaysOpen(window));
      window.hide();
    }
  }
}

TEST_F(AboutWindowTest, ArrowsCycleButtonHeaderFooterAndTabReturnsToTheButton) {
  struct Row {
    const char* name;
    Qt::Key key;
    const char* focusAfter;
  };
  const Row rows[] = {
      {"Right from the button", Qt::Key_Right, "headerPanel"},
      {"Down from the header", Qt::Key_Down, "footerPanel"},
      {"Right from the footer", Qt::Key_Right, "closeButton"},
      {"Left from the button", Qt::Key_Left, "footerPanel"},
      {"Up from the footer", Qt::Key_Up, "headerPanel"},
      {"Tab from the header", Qt::Key_Tab, "closeButton"},
      {"Tab from the button", Qt::Key_Tab, "closeButton"},
      {"Up from the button", Qt::Key_Up, "footerPanel"},
      {"Tab from the footer", Qt::Key_Tab, "closeButton"},
  };
  ui::AboutWindow window;
  Open(window);
  EXPECT_EQ(QApplication::focusWidget(), Part(window, "closeButton"));
  for (const Row& row : rows) {
    QTest::keyClick(window.windowHandle(), row.key);
    EXPECT_EQ(QApplication::focusWidget(), Part(window, row.focusAfter)) << row.name;
  }
  EXPECT_TRUE(window.isVisible());
}

TEST_F(AboutWindowTest, ALaterShowingKeepsTheFocusWhereItWasWhenHidden) {
  ui::AboutWindow window;
  Open(window);
  QTest::keyClick(window.windowHandle(), Qt::Key_Right);
  QTest::keyClick(window.windowHandle(), Qt::Key_C);
  ASSERT_TRUE(ClosesSoon(window));
  Open(window);
  EXPECT_EQ(QApplication::focusWidget(), Part(window, "headerPanel"));
  QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Part(window, "closeButton"));
  window.hide();
}

TEST_F(AboutWindowTest, EveryShowingIsCentredAndLooksTheSame) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const QPoint centred(screen.x() + (screen.width() - 460) / 2, screen.y() + (screen.height() - 298) / 2);
  ui::AboutWindow window;
  QImage firstLook;
  for (int showing = 1; showing <= 3; ++showing) {
    SCOPED_TRACE(showing);
    Open(window);
    EXPECT_EQ(window.frameGeometry(), QRect(centred, QSize(460, 298)));
    EXPECT_EQ(QApplication::focusWidget(), Part(window, "closeButton"));
    const QImage look = window.grab().toImage();
    if (showing == 1) firstLook = look;
    EXPECT_EQ(look, firstLook);
    window.move(3, 7);  // a move between showings does not stick
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(421, 101));
    EXPECT_TRUE(ClosesSoon(window));
  }
}

TEST_F(AboutWindowTest, ExecReturnsTheCancelResultAfterAClickOnThePicture) {
  ui::AboutWindow window;
  AllowModal(window);  // the window is shown modally on purpose; the click below closes it
  QTimer::singleShot(0, &window, [&] {
    if (QTest::qWaitForWindowActive(&window)) {
      QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(421, 101));
    }
  });
  QTimer::singleShot(5000, &window, [&] {
    if (!window.isVisible()) return;
    ADD_FAILURE() << "the click did not close the window";
    window.done(99);
  });
  EXPECT_EQ(window.exec(), QDialog::Rejected);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(AboutWindowTest, LayoutOfTheBorderBandsAndButton) {
  ui::AboutWindow window;
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(window.size(), QSize(460, 298));
  EXPECT_EQ(window.windowTitle(),
            QStringLiteral("Calmora - ") + Part<QLabel>(window, "descriptionLabel")->text());
  struct Row {
    const char* part;
    QRect inWindow;
  };
  const Row rows[] = {
      {"headerPanel", {1, 1, 458, 49}},
      {"picture", {1, 50, 458, 205}},
      {"footerPanel", {1, 256, 458, 41}},
      {"closeButton", {379, 225, 75, 25}},
  };
  for (const Row& row : rows) {
    QWidget* part = Part(window, row.part);
    EXPECT_EQ(QRect(part->mapTo(&window, QPoint(0, 0)), part->size()), row.inWindow) << row.part;
  }
}

TEST_F(AboutWindowTest, LabelsCarryTheirPlacesFontsAndColours) {
  const QColor windowText = QApplication::palette().color(QPalette::WindowText);
  const QColor olive(128, 128, 0);
  const QColor silver(192, 192, 192);
  struct Row {
    const char* name;
    QPoint topLeft;  // in the parent: a panel, or the client area for the picture's labels
    int pixelSize;
    bool italic;
    QColor colour;
    bool opaque;
  };
  const Row rows[] = {
      {"firmNameLabel", {8, 1}, 40, false, windowText, false},
      {"firmNameShadowLabel", {9, 2}, 40, false, QColor(128, 128, 128), true},
      {"descriptionLabel", {224, 24}, 19, false, windowText, true},
      {"structuresHeadingLabel", {15, 58}, 24, false, olive, false},
      {"structuresFirstNameLabel", {27, 86}, 16, true, silver, false},
      {"structuresSecondNameLabel", {27, 108}, 16, true, silver, false},
      {"architectureHeadingLabel", {15, 129}, 24, false, olive, false},
      {"architectureFirstNameLabel", {27, 155}, 16, true, silver, false},
      {"architectureSecondNameLabel", {27, 178}, 16, true, silver, false},
      {"surveyingHeadingLabel", {15, 201}, 24, false, olive, false},
      {"surveyingNameLabel", {27, 228}, 16, true, silver, false},
      {"addressLabel", {6, 5}, 13, true, windowText, true},
      {"websiteLabel", {6, 21}, 13, true, windowText, true},
      {"phoneLabel", {278, 5}, 13, true, windowText, true},
      {"emailLabel", {278, 21}, 13, true, windowText, true},
  };
  ui::AboutWindow window;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    auto* label = Part<QLabel>(window, row.name);
    EXPECT_EQ(label->pos(), row.topLeft);
    EXPECT_EQ(label->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(label->font().pixelSize(), row.pixelSize);
    EXPECT_EQ(label->font().italic(), row.italic);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), row.colour);
    EXPECT_EQ(label->autoFillBackground(), row.opaque);
    if (row.opaque) {
      EXPECT_EQ(label->palette().color(label->backgroundRole()), QColor(Qt::white));
    }
    EXPECT_FALSE(label->text().isEmpty());
    // Auto-sized and inside its parent: nothing is clipped.
    EXPECT_TRUE(label->parentWidget()->rect().contains(label->geometry()));
  }
}

// The stored places let a heading's box touch the name under it by a row, so
// only the picture's bounds and the button are checked.
TEST_F(AboutWindowTest, LabelsOverThePictureStayOnItAndClearOfTheButton) {
  ui::AboutWindow window;
  const QRect picture = Part(window, "picture")->geometry();
  const QRect button = Part(window, "closeButton")->geometry();
  for (const char* name : {"structuresHeadingLabel", "structuresFirstNameLabel", "architectureHeadingLabel",
                           "surveyingHeadingLabel", "structuresSecondNameLabel", "architectureFirstNameLabel",
                           "architectureSecondNameLabel", "surveyingNameLabel"}) {
    const QRect label = Part(window, name)->geometry();
    EXPECT_TRUE(picture.contains(label)) << name;
    EXPECT_FALSE(label.intersects(button)) << name;
  }
}

// Every pixel of the painted picture is a pixel of the decoded one near the
// matching place: rows and columns are dropped, never blended.
TEST_F(AboutWindowTest, PictureIsStretchedByDroppingRowsAndColumns) {
  const QImage decoded =
      ui::decodeJpeg(ProgramJpeg(), ui::JpegOutput::Rgb24).convertToFormat(QImage::Format_RGB32);
  ui::AboutWindow window;
  Open(window);
  const QImage shown = Part(window, "picture")->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.size(), QSize(458, 205));
  int mismatches = 0;
  for (int y = 0; y < shown.height(); y += 7) {
    for (int x = 0; x < shown.width(); x += 5) {
      const int sx = x * decoded.width() / shown.width();
      const int sy = y * decoded.height() / shown.height();
      bool found = false;
      for (int dy = -1; dy <= 2 && !found; ++dy) {
        for (int dx = -1; dx <= 2 && !found; ++dx) {
          const QPoint source(std::clamp(sx + dx, 0, decoded.width() - 1),
                              std::clamp(sy + dy, 0, decoded.height() - 1));
          found = decoded.pixel(source) == shown.pixel(x, y);
        }
      }
      if (!found) ++mismatches;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST_F(AboutWindowTest, EightBitScreenShowsAtMost236Colours) {
  const auto coloursShown = [this](int bitsPerPixel) {
    ui::AboutWindow window(ProgramJpeg(), bitsPerPixel, nullptr);
    Open(window);
    const QImage shown = Part(window, "picture")->grab().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < shown.width(); ++x) colours.insert(shown.pixel(x, y));
    }
    return colours.size();
  };
  EXPECT_LE(coloursShown(8), 236);
  EXPECT_GT(coloursShown(24), 236);  // the same count tells a 24-bit picture apart
}

TEST_F(AboutWindowTest, BadHeaderFailsTheWindowsCreation) {
  QByteArray notJpeg = ProgramJpeg();
  notJpeg[1] = 0;
  try {
    ui::AboutWindow window(notJpeg, 24, nullptr);
    ADD_FAILURE() << "the window was made";
  } catch (const std::exception& error) {
    EXPECT_EQ(std::string(error.what()), "JPEG error #" + std::to_string(JERR_NO_SOI));
  }
}

// A picture whose body is faulty (its header is sound) tells when it is
// decoded: not while the window is made or hidden, on the first paint, and
// never again, neither on a repaint nor on a later showing.
TEST_F(AboutWindowTest, FaultOnFirstPaintReachesTheErrorBoundaryOnce) {
  ui::AboutWindow window(WithoutSegments(ProgramJpeg(), 0xDB), 24, nullptr);
  QTest::qWait(kQuietMs);
  EXPECT_TRUE(errors.box.texts.isEmpty()) << "decoded before it was shown";
  const QStringList expected{QStringLiteral("JPEG error #%1.").arg(JERR_NO_QUANT_TABLE)};
  for (int showing = 1; showing <= 2; ++showing) {
    SCOPED_TRACE(showing);
    Open(window);
    if (showing == 1) {
      EXPECT_TRUE(QTest::qWaitFor([&] { return !errors.box.texts.isEmpty(); }, 2000));
    }
    window.repaint();
    QTest::qWait(kQuietMs);
    EXPECT_EQ(errors.box.texts, expected);
    EXPECT_TRUE(window.isVisible());
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(421, 101));
    EXPECT_TRUE(ClosesSoon(window));
  }
  errors.box.texts.clear();
}

// A screen reader hears the firm's name once: its grey shadow copy is left
// out of the header's children.
TEST_F(AboutWindowTest, TheFirmsNameIsHeardOnce) {
  ui::AboutWindow window;
  QAccessibleInterface* header = QAccessible::queryAccessibleInterface(Part(window, "headerPanel"));
  ASSERT_NE(header, nullptr);
  QStringList names;
  for (int i = 0; i < header->childCount(); ++i) names.append(header->child(i)->text(QAccessible::Name));
  EXPECT_EQ(names.count(QStringLiteral("Calmora")), 1) << names.join(u'|').toStdString();
  EXPECT_EQ(names.size(), 2) << "the name and the description line";
}

}  // namespace
