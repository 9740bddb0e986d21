// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The save button through the window: enabled only while the three inputs
// hold text, Alt+S builds the report of the six fields as shown and asks for
// a name; cancel writes nothing; a failure reaches the error box.

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "tests/ui/main_window_fixture.h"

namespace {

class MainSaveTest : public MainWindowTest {
 protected:
  void Answer(std::optional<QString> name) { saveDialog->answer = std::move(name); }

  static QByteArray Contents(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
  }

  QTemporaryDir folder;
};

TEST_F(MainSaveTest, AltSDoesNothingUntilAllThreeInputsHoldText) {
  const QString path = folder.filePath(QStringLiteral("report.rtf"));
  Answer(path);
  FocusByTab(Edit("baseAmountEdit"));
  Type("1000");
  Key(Qt::Key_Tab);
  Type("10");
  Key(Qt::Key_S, Qt::AltModifier);
  EXPECT_FALSE(Button("saveButton")->isEnabled());
  EXPECT_EQ(saveDialog->asked, 0);
  EXPECT_FALSE(QFile::exists(path));
}

TEST_F(MainSaveTest, AltSWritesTheSixFiguresAsShown) {
  const QString path = folder.filePath(QStringLiteral("Percentuale di discordanza.rtf"));
  Answer(path);
  TypeInputs("2767605", "97", "5738745");
  ASSERT_TRUE(Button("saveButton")->isEnabled());
  Key(Qt::Key_S, Qt::AltModifier);
  EXPECT_EQ(saveDialog->asked, 1);
  EXPECT_TRUE(errors.box.texts.isEmpty()) << errors.box.texts.join(u'|').toStdString();
  const QByteArray rtf = Contents(path);
  EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
  for (const char* figure :
       {"2767605", "97 %", "5738745", "83028,1500000001", "5655716,85", "98,5532002206057 %"}) {
    EXPECT_TRUE(rtf.contains(figure)) << figure;
  }
  EXPECT_TRUE(rtf.indexOf("5655716,85") < rtf.indexOf("98,5532002206057")) << "the difference comes first";
  EXPECT_EQ(Text(Edit("computedTotalEdit")), "83028,1500000001") << "the export changes no field";

  // The companion writes the very same bytes for the same figures.
  const QString companionPath = folder.filePath(QStringLiteral("companion.rtf"));
  QProcess companion;
  companion.start(QStringLiteral(DISCORDANZA_COMPANION),
                  {"--separator", ",", "--rtf", companionPath, "2767605", "97", "5738745"});
  ASSERT_TRUE(companion.waitForFinished(10000));
  EXPECT_EQ(companion.exitCode(), 0) << companion.readAllStandardError().toStdString();
  EXPECT_EQ(Contents(companionPath), rtf);
}

TEST_F(MainSaveTest, CancelWritesNothingAndSaysNothing) {
  Answer(std::nullopt);
  TypeInputs("1000", "10", "9");
  Key(Qt::Key_S, Qt::AltModifier);
  Key(Qt::Key_S, Qt::AltModifier);
  EXPECT_EQ(saveDialog->asked, 2) << "each press asks again";
  EXPECT_TRUE(errors.box.texts.isEmpty());
  EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

// A field has no length limit, and neither has its line of the report.
TEST_F(MainSaveTest, ALongPastedAmountReachesTheReportWhole) {
  const QString path = folder.filePath(QStringLiteral("long.rtf"));
  Answer(path);
  const QString longAmount = QString(39999, u'0') + u'7';  // 7, in 40,000 digits
  QApplication::clipboard()->setText(longAmount);
  FocusByTab(Edit("baseAmountEdit"));
  Key(Qt::Key_Insert, Qt::ShiftModifier);
  Key(Qt::Key_Tab);
  Type("10");
  Key(Qt::Key_Tab);
  Type("9");
  Key(Qt::Key_S, Qt::AltModifier);
  EXPECT_TRUE(errors.box.texts.isEmpty()) << errors.box.texts.join(u'|').toStdString();
  EXPECT_TRUE(Contents(path).contains(":\\tab\\tab\\tab\\tab\\tab " + longAmount.toLatin1() + "\\par"));
}

TEST_F(MainSaveTest, AFileThatCannotBeCreatedReachesTheErrorBox) {
  const QString path = folder.filePath(QStringLiteral("missing folder/report.rtf"));
  Answer(path);
  TypeInputs("1000", "10", "9");
  QWidget* typing = Focus();
  Key(Qt::Key_S, Qt::AltModifier);
  ASSERT_EQ(errors.box.texts.size(), 1);
  EXPECT_EQ(errors.box.texts.front(), QStringLiteral("Cannot create file ") + path + u'.');
  EXPECT_EQ(KeyTarget(), typing) << "the focus stays in the field";
}

}  // namespace
