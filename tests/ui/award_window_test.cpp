// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The award window's wiring, through real keys and clicks: "&Verifica…"
// opens it, it follows the main window's inputs, its own fields take keys as
// the main window's do, its error line and "&Salva" show the form's state,
// and its report is the golden file's bytes. The arithmetic is tested in
// tests/award, the rules in tests/form.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QSpinBox>
#include <QTemporaryDir>

#include "form/report_file_name.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/figure_field.h"

namespace {

class AwardWindowTest : public MainWindowTest {
 protected:
  QWidget* Award() const { return window->findChild<QWidget*>(QStringLiteral("awardWindow")); }
  ui::FigureField* Figure(const char* name) const { return Find<ui::FigureField>(name); }
  std::string FigureText(const char* name) const { return Figure(name)->toPlainText().toStdString(); }

  // Waits until the window system has made that window the active one (a
  // transient window counts as active while its parent is, so the window's
  // own activeness says nothing).
  static void WaitUntilActive(QWidget* target) {
    for (int i = 0; i < 200 && QApplication::activeWindow() != target; ++i) QTest::qWait(10);
    ASSERT_EQ(QApplication::activeWindow(), target);
  }

  // The award window as shown and active after Alt+V in the main window.
  void OpenByAltV() {
    Key(Qt::Key_V, Qt::AltModifier);
    ASSERT_NE(Award(), nullptr);
    WaitUntilActive(Award());
  }

  void BackToMainWindow() {
    window->activateWindow();
    WaitUntilActive(window.get());
  }

  // The first worked example's three main inputs.
  void TypeFirstExample() { TypeInputs("1000000", "12,345", "880253,50"); }

  static QByteArray Contents(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
  }

  QTemporaryDir folder;
};

TEST_F(AwardWindowTest, IsBuiltOnlyWhenFirstAskedFor) { EXPECT_EQ(Award(), nullptr); }

TEST_F(AwardWindowTest, AltVOpensItOverTheFiguresAlreadyTyped) {
  TypeFirstExample();
  OpenByAltV();
  EXPECT_EQ(Award()->windowTitle().toStdString(), "Verifica dell'aggiudicazione");
  EXPECT_EQ(Focus(), Edit("safetyCostsEdit"));
  EXPECT_EQ(FigureText("contractAmountEdit"), "876.550,00") << "no safety costs yet";
  Type("30000");
  EXPECT_EQ(FigureText("contractAmountEdit"), "880.253,50");
  EXPECT_EQ(FigureText("outcomeEdit"), "concorde");
  EXPECT_EQ(FigureText("impliedDiscountEdit"), "12,345000 %");
  EXPECT_EQ(Figure("amountInWordsEdit")->toolTip().toStdString(),
            "ottocentottantamiladuecentocinquantatré/50");
}

TEST_F(AwardWindowTest, FollowsTheMainInputsLiveAndAfterClear) {
  Click("verifyButton");
  WaitUntilActive(Award());
  Type("30000");
  EXPECT_FALSE(Button("awardSaveButton")->isEnabled()) << "no main inputs yet";
  BackToMainWindow();
  TypeFirstExample();
  EXPECT_EQ(FigureText("contractAmountEdit"), "880.253,50");
  EXPECT_EQ(FigureText("outcomeEdit"), "concorde");
  EXPECT_TRUE(Button("awardSaveButton")->isEnabled());
  Key(Qt::Key_R, Qt::AltModifier);
  EXPECT_FALSE(Button("awardSaveButton")->isEnabled()) << "cleared inputs give no report";
}

TEST_F(AwardWindowTest, CloseAltCAndEscapeHideItAndItComesBackAsItWas) {
  OpenByAltV();
  Type("123");
  Key(Qt::Key_Escape);
  EXPECT_FALSE(Award()->isVisible());
  EXPECT_TRUE(window->isVisible());
  BackToMainWindow();
  OpenByAltV();
  EXPECT_EQ(Text(Edit("safetyCostsEdit")), "123");
  Key(Qt::Key_C, Qt::AltModifier);
  EXPECT_FALSE(Award()->isVisible());
  BackToMainWindow();
  Click("verifyButton");
  EXPECT_TRUE(Award()->isVisible());
  Click("closeButton");
  EXPECT_FALSE(Award()->isVisible());
}

// The costs fields take an amount as written: a typed point stays a
// thousands mark, a letter is discarded, a paste keeps its first line, the
// editing keys work.
TEST_F(AwardWindowTest, TheCostsFieldsTakeAnAmountAsWritten) {
  OpenByAltV();
  Type("30.000,5a");
  EXPECT_EQ(Text(Edit("safetyCostsEdit")), "30.000,5");
  Key(Qt::Key_Tab);
  ASSERT_EQ(Focus(), Edit("labourCostsEdit"));
  QApplication::clipboard()->setText(QStringLiteral("2500\r\n9"));
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Text(Edit("labourCostsEdit")), "2500");
  Key(Qt::Key_A, Qt::ControlModifier);
  Key(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(Text(Edit("labourCostsEdit")), "");
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "2500");
  EXPECT_FALSE(Edit("labourCostsEdit")->toolTip().isEmpty());
}

TEST_F(AwardWindowTest, AnErrorShowsInTheWindowAndDisablesSaveUntilFixed) {
  TypeFirstExample();
  OpenByAltV();
  Type("2000000");
  EXPECT_EQ(Label("awardErrorLabel")->text().toStdString(),
            "L'importo soggetto a ribasso (base d'asta meno oneri della sicurezza e costi della manodopera) "
            "non è maggiore di zero.");
  EXPECT_FALSE(Button("awardSaveButton")->isEnabled());
  EXPECT_EQ(Figure("contractAmountEdit")->palette().color(QPalette::Text), QColor(128, 128, 128))
      << "the earlier figures stay, in grey";
  EXPECT_TRUE(errors.box.texts.isEmpty()) << "no error box";
  Key(Qt::Key_A, Qt::ControlModifier);
  Type("30000");
  EXPECT_TRUE(Label("awardErrorLabel")->text().isEmpty());
  EXPECT_TRUE(Button("awardSaveButton")->isEnabled());
  EXPECT_EQ(FigureText("outcomeEdit"), "concorde");
  EXPECT_EQ(Figure("contractAmountEdit")->palette().color(QPalette::Text), QColor(0, 0, 128));
}

// One visible effect each: fewer admitted decimals than the discount has
// turn the outcome and bring the note; the guarantee below the threshold is 5 %.
TEST_F(AwardWindowTest, DecimalsAndGuaranteeReachTheCheck) {
  TypeInputs("1000000", "12,345", "876546");
  OpenByAltV();
  EXPECT_EQ(FigureText("outcomeEdit"), "discordanza dovuta all'arrotondamento del ribasso a 3 decimali");
  EXPECT_FALSE(Figure("noteEdit")->isVisible());
  Key(Qt::Key_Tab);
  Key(Qt::Key_Tab);
  ASSERT_EQ(Focus(), Find<QSpinBox>("discountDecimalsSpin"));
  Key(Qt::Key_Down);
  EXPECT_EQ(FigureText("outcomeEdit"), "discordanza");
  EXPECT_TRUE(Figure("noteEdit")->isVisible());
  EXPECT_FALSE(Figure("noteEdit")->toPlainText().isEmpty());
  Key(Qt::Key_Tab);
  ASSERT_EQ(Focus(), Find<QComboBox>("guaranteeKindCombo"));
  EXPECT_EQ(FigureText("guaranteeEdit").substr(0, 8), "12,345 %");
  Key(Qt::Key_Down);
  EXPECT_EQ(FigureText("guaranteeEdit").substr(0, 7), "5,000 %");
}

// An emptied decimals box is an input still missing: the figures go grey and
// Salva waits, with no error, until it holds a number again.
TEST_F(AwardWindowTest, AnEmptiedDecimalsBoxLeavesTheFiguresStale) {
  TypeFirstExample();
  OpenByAltV();
  Key(Qt::Key_Tab);
  Key(Qt::Key_Tab);
  ASSERT_EQ(Focus(), Find<QSpinBox>("discountDecimalsSpin"));
  Key(Qt::Key_A, Qt::ControlModifier);
  Key(Qt::Key_Backspace);
  EXPECT_FALSE(Button("awardSaveButton")->isEnabled());
  EXPECT_EQ(Figure("contractAmountEdit")->palette().color(QPalette::Text), QColor(128, 128, 128));
  EXPECT_TRUE(Label("awardErrorLabel")->text().isEmpty());
  Type("3");
  EXPECT_TRUE(Button("awardSaveButton")->isEnabled());
  EXPECT_EQ(Figure("contractAmountEdit")->palette().color(QPalette::Text), QColor(0, 0, 128));
}

// A base amount typed with a thousands point reads a thousand times smaller:
// the dialog says so above the figures.
TEST_F(AwardWindowTest, AnAmountWithMoreThanTwoDecimalsIsWarnedOf) {
  TypeInputs("250.000", "12,5", "218750");
  OpenByAltV();
  EXPECT_TRUE(Figure("awardWarningLabel")->isVisible());
  EXPECT_EQ(FigureText("awardWarningLabel"),
            "Importo a base d'asta letto come 250,000: per le migliaia non si digita il punto.");
  EXPECT_TRUE(Button("awardSaveButton")->isEnabled()) << "the report prints the warning";
}

// The first worked example saved from the window is the golden file, byte
// for byte: the companion's and the page's tests hold theirs to the same.
TEST_F(AwardWindowTest, AltSWritesTheGoldenReport) {
  const QString path = folder.filePath(QStringLiteral("award.rtf"));
  saveDialog->answer = path;
  TypeFirstExample();
  OpenByAltV();
  Type("30000");
  Key(Qt::Key_S, Qt::AltModifier);
  EXPECT_EQ(saveDialog->asked, 1);
  EXPECT_EQ(saveDialog->proposed, form::kAwardReportFileName);
  EXPECT_TRUE(errors.box.texts.isEmpty()) << errors.box.texts.join(u'|').toStdString();
  EXPECT_EQ(Contents(path), Contents(QStringLiteral(DISCORDANZA_AWARD_GOLDEN)));
}

TEST_F(AwardWindowTest, AFileThatCannotBeCreatedReachesTheErrorBox) {
  const QString path = folder.filePath(QStringLiteral("missing folder/award.rtf"));
  saveDialog->answer = path;
  TypeFirstExample();
  OpenByAltV();
  Click("awardSaveButton");
  ASSERT_EQ(errors.box.texts.size(), 1);
  EXPECT_EQ(errors.box.texts.front(), QStringLiteral("Cannot create file ") + path + u'.');
}

}  // namespace
