// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The main window's build: caption, window flags, size, widgets that neither
// cover one another nor leave the window, the widgets' state at start, the
// clear button, the shadowed credit, the logo, the accessible names, and the
// focus after a real error box.

#include <QBitmap>
#include <QLabel>
#include <QMessageBox>
#include <QRegion>
#include <QSignalSpy>
#include <QStyle>
#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "app/title.h"
#include "tests/app/modal_guard.h"
#include "tests/ui/main_window_fixture.h"

namespace {

TEST_F(MainWindowTest, WindowFlagsAndCaption) {
  EXPECT_EQ(window->windowTitle().toStdString(), "Calcolo percentuali di discordanza");
  EXPECT_EQ(window->size(), QSize(368, 256));
  EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "fixed size";
  const Qt::WindowFlags flags = window->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_NE(window->windowTitle(), app::ApplicationTitle());
}

TEST_F(MainWindowTest, StartsEmptyWithSaveDisabled) {
  for (QLineEdit* field : {Edit("baseAmountEdit"), Edit("discountEdit"), Edit("contractorTotalEdit"),
                           Edit("computedTotalEdit"), Edit("discrepancyEdit"), Edit("differenceEdit")}) {
    EXPECT_TRUE(field->text().isEmpty());
  }
  EXPECT_FALSE(Button("saveButton")->isEnabled());
  EXPECT_FALSE(Edit("baseAmountEdit")->isReadOnly());
  for (QLineEdit* result : {Edit("computedTotalEdit"), Edit("discrepancyEdit"), Edit("differenceEdit")}) {
    EXPECT_TRUE(result->isReadOnly());
    EXPECT_EQ(result->palette().color(QPalette::Text), QColor(0, 0, 128));
    EXPECT_EQ(result->palette().color(QPalette::Base), window->palette().color(QPalette::Button));
  }
}

// Where a widget paints, in the window's coordinates: a label that leaves its
// background clear only its text or its picture, the bare bevel only its
// frame, any other widget its whole box.
QRegion PaintedArea(const QWidget& widget) {
  const QRect box = widget.geometry();
  if (const auto* label = qobject_cast<const QLabel*>(&widget); label && !label->autoFillBackground()) {
    const QRect inside = label->contentsRect();
    const QRect drawn =
        label->pixmap().isNull()
            ? label->fontMetrics().boundingRect(
                  inside, int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), label->text())
            : QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                  label->pixmap().deviceIndependentSize().toSize(), inside);
    return QRegion(drawn.translated(box.topLeft()).intersected(box));
  }
  if (widget.metaObject() == &QFrame::staticMetaObject)
    return QRegion(box).subtracted(
        QRegion(static_cast<const QFrame&>(widget).contentsRect().translated(box.topLeft())));
  return QRegion(box);
}

// What the user sees: no widget paints over another, save where the layout
// lays one over the other on purpose, and none is cut off by the window's
// edge.
TEST_F(MainWindowTest, NoWidgetCoversAnotherOrLeavesTheWindow) {
  using Pair = std::pair<QString, QString>;  // objectNames, in alphabetical order
  std::map<Pair, bool> deliberate = {
      // The grey copy of the credit, opaque, one pixel down and right of the navy one, is its shadow.
      {{"groupCreditLabel", "groupCreditShadowLabel"}, false},
      // The logo's picture reaches the top of the credit's two copies: it is raised over them, and its
      // clear surround lets them show through.
      {{"groupCreditLabel", "logoLabel"}, false},
      {{"groupCreditShadowLabel", "logoLabel"}, false},
  };
  std::vector<const QWidget*> shown;
  for (const QWidget* widget : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (widget->isVisible() && !widget->isWindow()) shown.push_back(widget);
  }
  ASSERT_GT(shown.size(), 1u);
  for (const QWidget* widget : shown) {
    EXPECT_TRUE(window->rect().contains(widget->geometry()))
        << widget->objectName().toStdString() << " is cut off by the window's edge";
  }
  for (std::size_t i = 0; i < shown.size(); ++i) {
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      if (!PaintedArea(*shown[i]).intersects(PaintedArea(*shown[j]))) continue;
      const Pair pair = std::minmax(shown[i]->objectName(), shown[j]->objectName());
      if (auto exception = deliberate.find(pair); exception != deliberate.end()) {
        exception->second = true;
      } else {
        ADD_FAILURE() << pair.first.toStdString() << " and " << pair.second.toStdString() << " overlap";
      }
    }
  }
  for (const auto& [pair, met] : deliberate)
    EXPECT_TRUE(met) << pair.first.toStdString() << " and " << pair.second.toStdString()
                     << " no longer overlap";
}

TEST_F(MainWindowTest, GroupCreditHasAOnePixelShadow) {
  EXPECT_EQ(Label("groupCreditLabel")->text(), Label("groupCreditShadowLabel")->text());
  EXPECT_EQ(Label("groupCreditLabel")->pos() + QPoint(1, 1), Label("groupCreditShadowLabel")->pos());
  EXPECT_EQ(Label("groupCreditLabel")->font(), Label("groupCreditShadowLabel")->font());
  EXPECT_EQ(Label("groupCreditLabel")->font().pixelSize(), 13);
  EXPECT_TRUE(Label("groupCreditLabel")->font().bold());
  EXPECT_EQ(Label("groupCreditLabel")->palette().color(QPalette::WindowText), QColor(0, 0, 128));
  EXPECT_EQ(Label("groupCreditShadowLabel")->palette().color(QPalette::WindowText), QColor(128, 128, 128));
  EXPECT_TRUE(Label("groupCreditShadowLabel")->autoFillBackground());
  EXPECT_FALSE(Label("groupCreditLabel")->autoFillBackground());
  // The navy copy is painted over the grey one.
  const QObjectList& children = window->children();
  EXPECT_GT(children.indexOf(Label("groupCreditLabel")), children.indexOf(Label("groupCreditShadowLabel")));
}

// The logo is drawn as the asset has it: its white surround is transparent
// in the picture, so the window's face shows through.
TEST_F(MainWindowTest, LogoIsDrawnWithItsTransparentSurround) {
  const QImage drawn =
      Label("logoLabel")->pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage source =
      QImage(QStringLiteral(":/assets/main_logo.png")).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  ASSERT_EQ(drawn.size(), QSize(40, 59));
  EXPECT_EQ(drawn, source);
  EXPECT_EQ(qAlpha(drawn.pixel(0, 58)), 0) << "bottom-left pixel";
  const QImage shown = window->grab(Label("logoLabel")->geometry()).toImage();
  EXPECT_EQ(shown.pixelColor(0, 58), window->palette().color(QPalette::Button)) << "the face shows through";
  int clear = 0;
  for (int y = 0; y < 59; ++y) {
    for (int x = 0; x < 40; ++x) clear += qAlpha(drawn.pixel(x, y)) == 0 ? 1 : 0;
  }
  EXPECT_GT(clear, 0);
  EXPECT_LT(clear, 40 * 59);
}

TEST_F(MainWindowTest, FieldsCarryTheirLabelsAsAccessibleNames) {
  EXPECT_EQ(Edit("baseAmountEdit")->accessibleName().toStdString(), "Importo a base d'asta");
  EXPECT_EQ(Edit("discountEdit")->accessibleName().toStdString(), "Percentuale di ribasso aggiudicatrice");
  EXPECT_EQ(Edit("contractorTotalEdit")->accessibleName().toStdString(),
            "Importo totale dei lavori proposto dall'Impresa");
  EXPECT_EQ(Edit("computedTotalEdit")->accessibleName().toStdString(), "Importo totale dei lavori calcolato");
  EXPECT_EQ(Edit("differenceEdit")->accessibleName().toStdString(), "Importo Impresa meno importo calcolato");
  EXPECT_EQ(Edit("discrepancyEdit")->accessibleName().toStdString(), "Percentuale di discordanza");
}

TEST_F(MainWindowTest, ClearWithFilledFieldsComputesNothing) {
  TypeInputs("1000", "10", "9");
  std::vector<std::unique_ptr<QSignalSpy>> spies;
  for (QLineEdit* field : {Edit("baseAmountEdit"), Edit("discountEdit"), Edit("contractorTotalEdit"),
                           Edit("computedTotalEdit"), Edit("discrepancyEdit"), Edit("differenceEdit")}) {
    spies.push_back(std::make_unique<QSignalSpy>(field, &QLineEdit::textChanged));
  }
  Click("clearButton");
  for (const auto& spy : spies) EXPECT_EQ(spy->count(), 1) << "each field emptied once";
  for (QLineEdit* field : {Edit("baseAmountEdit"), Edit("discountEdit"), Edit("contractorTotalEdit"),
                           Edit("computedTotalEdit"), Edit("discrepancyEdit"), Edit("differenceEdit")}) {
    EXPECT_TRUE(field->text().isEmpty()) << field->objectName().toStdString();
  }
  EXPECT_FALSE(Button("saveButton")->isEnabled());
  EXPECT_TRUE(errors.box.texts.isEmpty());
}

TEST_F(MainWindowTest, ClearWithEmptyFieldsFiresNothing) {
  std::vector<std::unique_ptr<QSignalSpy>> spies;
  for (QLineEdit* field : {Edit("baseAmountEdit"), Edit("discountEdit"), Edit("contractorTotalEdit"),
                           Edit("computedTotalEdit"), Edit("discrepancyEdit"), Edit("differenceEdit")}) {
    spies.push_back(std::make_unique<QSignalSpy>(field, &QLineEdit::textChanged));
  }
  Click("clearButton");
  for (const auto& spy : spies) EXPECT_EQ(spy->count(), 0);
  EXPECT_FALSE(Button("saveButton")->isEnabled());
}

// With the real error box: after OK the focus is back in the field and the
// user types on.
TEST_F(MainWindowTest, FocusReturnsToTheFieldAfterTheErrorBox) {
  errors.box.showsMessageBox = true;
  TypeInputs("1000", "10", "");
  QString shown;
  ExpectModal([&](QWidget& modal) {
    auto* box = qobject_cast<QMessageBox*>(&modal);
    ASSERT_NE(box, nullptr);
    shown = box->text();
    QTest::keyClick(box, Qt::Key_Return);
  });
  Type("0");
  EXPECT_EQ(shown.toStdString(), "Floating point division by zero.");
  QTest::qWait(0);
  EXPECT_EQ(Focus(), Edit("contractorTotalEdit"));
  EXPECT_FALSE(Edit("contractorTotalEdit")->hasSelectedText());
  ExpectModal([](QWidget& modal) { QTest::keyClick(&modal, Qt::Key_Return); });
  Type(",5");
  EXPECT_EQ(Text(Edit("contractorTotalEdit")), "0,5");
  EXPECT_EQ(Text(Edit("computedTotalEdit")), "900");
}

}  // namespace
