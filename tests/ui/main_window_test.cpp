// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The main window's build: caption, window flags, geometry, the widgets' state
// at start, the clear button, the shadowed credit, the logo, the
// accessible names, and the focus after a real error box.

#include <QBitmap>
#include <QLabel>
#include <QMessageBox>
#include <QSignalSpy>

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

TEST_F(MainWindowTest, ComponentsStandWhereTheTableSays) {
  struct Placed {
    QWidget* widget;
    QRect rect;
  };
  const Placed rows[] = {
      {Edit("baseAmountEdit"), {136, 16, 121, 21}},      {Edit("discountEdit"), {136, 50, 65, 21}},
      {Edit("contractorTotalEdit"), {136, 85, 121, 21}}, {Edit("computedTotalEdit"), {136, 120, 121, 21}},
      {Edit("differenceEdit"), {136, 152, 121, 21}},     {Edit("discrepancyEdit"), {136, 186, 105, 21}},
      {Button("saveButton"), {280, 8, 75, 25}},          {Button("clearButton"), {280, 40, 75, 25}},
      {Button("aboutButton"), {280, 72, 75, 25}},        {Button("exitButton"), {280, 104, 75, 25}},
      {Find<QFrame>("fieldsBevel"), {8, 8, 257, 209}},   {Label("logoLabel"), {298, 167, 41, 60}},
      {Button("verifyButton"), {280, 136, 75, 25}},
  };
  for (const Placed& row : rows)
    EXPECT_EQ(row.widget->geometry(), row.rect) << row.widget->objectName().toStdString();
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    EXPECT_TRUE(window->rect().contains(widget->geometry()))
        << widget->objectName().toStdString() << " is clipped";
  }
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
