// The main window's build: caption, frame, geometry, the components' state
// at start, the clear button, the shadowed credit, the transparent logo, the
// accessible names, and the focus after a real error box.

#include <QBitmap>
#include <QLabel>
#include <QMessageBox>
#include <QSignalSpy>

#include "app/title.h"
#include "tests/app/modal_guard.h"
#include "tests/ui/main_window_fixture.h"

namespace {

TEST_F(MainWindowTest, WindowFrameAndCaption) {
  EXPECT_EQ(Form1->windowTitle().toStdString(), "Calcolo percentuali di discordanza");
  EXPECT_EQ(Form1->size(), QSize(368, 224));
  EXPECT_EQ(Form1->minimumSize(), Form1->maximumSize()) << "fixed size";
  const Qt::WindowFlags flags = Form1->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_NE(Form1->windowTitle(), app::ApplicationTitle());
}

TEST_F(MainWindowTest, StartsEmptyWithSaveDisabled) {
  for (QLineEdit* field :
       {Form1->Edit1, Form1->Edit2, Form1->Edit3, Form1->Edit4, Form1->Edit5, Form1->Edit6}) {
    EXPECT_TRUE(field->text().isEmpty());
  }
  EXPECT_FALSE(Form1->Button4->isEnabled());
  EXPECT_FALSE(Form1->Edit1->isReadOnly());
  for (QLineEdit* result : {Form1->Edit4, Form1->Edit5, Form1->Edit6}) {
    EXPECT_TRUE(result->isReadOnly());
    EXPECT_EQ(result->palette().color(QPalette::Text), QColor(0, 0, 128));
    EXPECT_EQ(result->palette().color(QPalette::Base), Form1->palette().color(QPalette::Button));
  }
}

TEST_F(MainWindowTest, ComponentsStandWhereTheTableSays) {
  struct Placed {
    QWidget* widget;
    QRect rect;
  };
  const Placed rows[] = {
      {Form1->Edit1, {136, 16, 121, 21}},  {Form1->Edit2, {136, 50, 65, 21}},
      {Form1->Edit3, {136, 85, 121, 21}},  {Form1->Edit4, {136, 120, 121, 21}},
      {Form1->Edit6, {136, 152, 121, 21}}, {Form1->Edit5, {136, 186, 105, 21}},
      {Form1->Button4, {280, 8, 75, 25}},  {Form1->Button1, {280, 40, 75, 25}},
      {Form1->Button2, {280, 72, 75, 25}}, {Form1->Button3, {280, 104, 75, 25}},
      {Form1->Bevel1, {8, 8, 257, 209}},   {Form1->Image1, {298, 135, 41, 60}},
  };
  for (const Placed& row : rows)
    EXPECT_EQ(row.widget->geometry(), row.rect) << row.widget->objectName().toStdString();
  for (QWidget* widget : Form1->findChildren<QWidget*>()) {
    EXPECT_TRUE(Form1->rect().contains(widget->geometry()))
        << widget->objectName().toStdString() << " is clipped";
  }
}

TEST_F(MainWindowTest, GroupCreditHasAOnePixelShadow) {
  EXPECT_EQ(Form1->Label6->text(), Form1->Label8->text());
  EXPECT_EQ(Form1->Label6->pos() + QPoint(1, 1), Form1->Label8->pos());
  EXPECT_EQ(Form1->Label6->font(), Form1->Label8->font());
  EXPECT_EQ(Form1->Label6->font().pixelSize(), 13);
  EXPECT_TRUE(Form1->Label6->font().bold());
  EXPECT_EQ(Form1->Label6->palette().color(QPalette::WindowText), QColor(0, 0, 128));
  EXPECT_EQ(Form1->Label8->palette().color(QPalette::WindowText), QColor(128, 128, 128));
  EXPECT_TRUE(Form1->Label8->autoFillBackground());
  EXPECT_FALSE(Form1->Label6->autoFillBackground());
  // The navy copy is painted over the grey one.
  const QObjectList& children = Form1->children();
  EXPECT_GT(children.indexOf(Form1->Label6), children.indexOf(Form1->Label8));
}

TEST_F(MainWindowTest, LogoIsTransparentWhereItIsWhite) {
  const QPixmap logo = Form1->Image1->pixmap();
  ASSERT_EQ(logo.size(), QSize(40, 59));
  ASSERT_TRUE(logo.hasAlpha()) << "the logo carries a mask";
  const QImage drawnLogo = logo.toImage();
  const QImage source(QStringLiteral(":/assets/main_logo.bmp"));
  ASSERT_EQ(source.size(), QSize(40, 59));
  EXPECT_EQ(QColor(source.pixel(0, 58)), QColor(Qt::white)) << "bottom-left pixel";
  int clear = 0;
  for (int y = 0; y < 59; ++y) {
    for (int x = 0; x < 40; ++x) {
      const bool drawn = qAlpha(drawnLogo.pixel(x, y)) != 0;
      const bool white = QColor(source.pixel(x, y)) == QColor(Qt::white);
      EXPECT_EQ(drawn, !white) << x << "," << y;
      clear += drawn ? 0 : 1;
    }
  }
  EXPECT_GT(clear, 0);
  EXPECT_LT(clear, 40 * 59);
}

TEST_F(MainWindowTest, FieldsCarryTheirLabelsAsAccessibleNames) {
  EXPECT_EQ(Form1->Edit1->accessibleName().toStdString(), "Importo a base d'asta");
  EXPECT_EQ(Form1->Edit2->accessibleName().toStdString(), "Percentuale di ribasso aggiudicatrice");
  EXPECT_EQ(Form1->Edit3->accessibleName().toStdString(), "Importo totale dei lavori proposto dall'Impresa");
  EXPECT_EQ(Form1->Edit4->accessibleName().toStdString(), "Importo totale dei lavori calcolato");
  EXPECT_EQ(Form1->Edit6->accessibleName().toStdString(), "Importo Impresa meno importo calcolato");
  EXPECT_EQ(Form1->Edit5->accessibleName().toStdString(), "Percentuale di discordanza");
}

TEST_F(MainWindowTest, ClearWithFilledFieldsComputesNothing) {
  TypeInputs("1000", "10", "9");
  std::vector<std::string> seenDuringClear;
  for (QLineEdit* input : {Form1->Edit1, Form1->Edit2, Form1->Edit3}) {
    QObject::connect(input, &QLineEdit::textChanged, Form1, [&] {
      seenDuringClear.push_back(Text(Form1->Edit4) + "|" + std::to_string(Form1->Button4->isEnabled()));
    });
  }
  Form1->Button1->click();
  // Edit1 emptied first: its run disables save; the two later runs find it empty.
  EXPECT_EQ(seenDuringClear, (std::vector<std::string>{"900|0", "900|0", "900|0"}));
  for (QLineEdit* field :
       {Form1->Edit1, Form1->Edit2, Form1->Edit3, Form1->Edit4, Form1->Edit5, Form1->Edit6}) {
    EXPECT_TRUE(field->text().isEmpty()) << field->objectName().toStdString();
  }
  EXPECT_FALSE(Form1->Button4->isEnabled());
  EXPECT_TRUE(errors.box.texts.isEmpty());
}

TEST_F(MainWindowTest, ClearWithEmptyFieldsFiresNothing) {
  std::vector<std::unique_ptr<QSignalSpy>> spies;
  for (QLineEdit* field :
       {Form1->Edit1, Form1->Edit2, Form1->Edit3, Form1->Edit4, Form1->Edit5, Form1->Edit6}) {
    spies.push_back(std::make_unique<QSignalSpy>(field, &QLineEdit::textChanged));
  }
  Form1->Button1->click();
  for (const auto& spy : spies) EXPECT_EQ(spy->count(), 0);
  EXPECT_FALSE(Form1->Button4->isEnabled());
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
  EXPECT_EQ(Focus(), Form1->Edit3);
  EXPECT_FALSE(Form1->Edit3->hasSelectedText());
  ExpectModal([](QWidget& modal) { QTest::keyClick(&modal, Qt::Key_Return); });
  Type(",5");
  EXPECT_EQ(Text(Form1->Edit3), "0,5");
  EXPECT_EQ(Text(Form1->Edit4), "900");
}

}  // namespace
