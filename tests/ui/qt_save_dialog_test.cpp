// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The real save dialog: how it is configured, where it is placed, and what
// it returns when a user types a name and presses Enter, or Escape.
#include "ui/qt_save_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractProxyModel>
#include <QApplication>
#include <QIcon>
#include <QLineEdit>
#include <QPixmap>
#include <QPixmapCache>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <cfenv>
#include <functional>
#include <ostream>

#include "form/report_file_name.h"
#include "tests/app/modal_guard.h"

namespace ui {
namespace {

TEST(MakeExportDialog, IsConfiguredForTheReport) {
  const std::unique_ptr<QFileDialog> dialog = makeExportDialog(nullptr, form::kReportFileName);
  EXPECT_EQ(dialog->windowTitle(), "Esporta i dati in formato Word compatibile");
  EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
  EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
  EXPECT_EQ(dialog->nameFilters(), QStringList{"Percentuale di discordanza (*.rtf)"});
  EXPECT_EQ(dialog->selectedNameFilter(), "Percentuale di discordanza (*.rtf)");
  EXPECT_TRUE(dialog->defaultSuffix().isEmpty());
  EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
  ASSERT_EQ(dialog->selectedFiles().size(), 1);
  EXPECT_EQ(QFileInfo(dialog->selectedFiles().first()).fileName(), "Percentuale di discordanza.rtf");
}

// The award check's report is proposed under its own name and filter.
TEST(MakeExportDialog, NamesItsFilterAfterTheProposedName) {
  const std::unique_ptr<QFileDialog> dialog = makeExportDialog(nullptr, form::kAwardReportFileName);
  EXPECT_EQ(dialog->nameFilters(), QStringList{"Verifica dell'aggiudicazione (*.rtf)"});
  ASSERT_EQ(dialog->selectedFiles().size(), 1);
  EXPECT_EQ(QFileInfo(dialog->selectedFiles().first()).fileName(), "Verifica dell'aggiudicazione.rtf");
}

struct PositionRow {
  const char* name;
  QRect screen;
  QSize frame;
  QPoint expected;
};

// Names the row in test output.
inline void PrintTo(const PositionRow& row, std::ostream* os) { *os << row.name; }

class DialogPositionRows : public ::testing::TestWithParam<PositionRow> {};

TEST_P(DialogPositionRows, CentresAcrossWithAThirdAbove) {
  EXPECT_EQ(dialogPosition(GetParam().screen, GetParam().frame), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, DialogPositionRows,
    ::testing::Values(
        PositionRow{"FullHd", {0, 0, 1920, 1080}, {600, 420}, {660, 220}},
        PositionRow{"SecondScreenRightOfFirst", {1920, 0, 1280, 1024}, {600, 420}, {2260, 201}},
        PositionRow{"ScreenAboveFirst", {0, -768, 1024, 768}, {600, 420}, {212, -652}},
        PositionRow{"OddFreeSpaceTruncates", {0, 0, 801, 602}, {600, 400}, {100, 67}},
        PositionRow{"LargerThanScreenTruncatesTowardZero", {0, 0, 800, 600}, {1001, 901}, {-100, -100}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MakeExportDialog, IsPlacedWhenShown) {
  QWidget owner;
  owner.resize(300, 200);
  owner.show();
  owner.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));
  const std::unique_ptr<QFileDialog> dialog = makeExportDialog(&owner, form::kReportFileName);
  dialog->setWindowModality(Qt::NonModal);  // shown, not run: nothing may block
  dialog->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
  EXPECT_EQ(dialog->frameGeometry().topLeft(),
            dialogPosition(owner.screen()->geometry(), dialog->frameGeometry().size()));
  dialog->close();
}

// Hands the save dialog to `user` once it is the active modal window. The
// modal guard fails the test on any other modal window (a question before
// replacing a file) and closes what is left open.
void WhenTheDialogOpens(std::function<void(QFileDialog&)> user) {
  ExpectModal([user = std::move(user)](QWidget& modal) {
    auto* dialog = qobject_cast<QFileDialog*>(&modal);
    ASSERT_NE(dialog, nullptr) << "no save dialog open";
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog)) << "the dialog is the active window";
    user(*dialog);
  });
}

// The widget of the dialog that has its keyboard focus.
QWidget* FocusIn(QFileDialog& dialog) {
  QWidget* focus = dialog.focusWidget();
  return focus ? focus : &dialog;
}

// When the dialog opens, a user in `folder` types `name` over the proposed
// one and presses Enter.
void WhenTheDialogOpensTypeName(const QString& folder, const char* name) {
  WhenTheDialogOpens([folder, name](QFileDialog& dialog) {
    dialog.setDirectory(folder);
    QWidget* edit = FocusIn(dialog);
    ASSERT_NE(edit, nullptr);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, name);
    QTest::keyClick(edit, Qt::Key_Return);
  });
}

TEST(QtSaveDialog, ReturnsTheNameAsTyped) {
  QTemporaryDir folder;
  WhenTheDialogOpensTypeName(folder.path(), "report");
  QtSaveDialog dialog;
  EXPECT_EQ(dialog.askFileName(nullptr, form::kReportFileName), folder.filePath("report"));
}

// A question would be a second modal window, which the modal guard fails.
TEST(QtSaveDialog, ChoosesAnExistingFileWithoutAQuestion) {
  QTemporaryDir folder;
  QFile existing(folder.filePath("old.rtf"));
  ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
  existing.close();
  WhenTheDialogOpensTypeName(folder.path(), "old.rtf");
  QtSaveDialog dialog;
  EXPECT_EQ(dialog.askFileName(nullptr, form::kReportFileName), folder.filePath("old.rtf"));
}

TEST(QtSaveDialog, EscapeReturnsNothing) {
  WhenTheDialogOpens([](QFileDialog& dialog) { QTest::keyClick(FocusIn(dialog), Qt::Key_Escape); });
  QtSaveDialog dialog;
  EXPECT_EQ(dialog.askFileName(nullptr, form::kReportFileName), std::nullopt);
}

// The dialog's icons are made afresh for each dialog; what the toolkit cached
// of them is dropped with the dialog instead of piling up over a day's saves.
TEST(QtSaveDialog, LeavesNoCachedPixmapBehind) {
  const QString probe = QStringLiteral("cached before the dialog");
  QPixmapCache::insert(probe, QPixmap(16, 16));
  WhenTheDialogOpens([](QFileDialog& dialog) { QTest::keyClick(FocusIn(dialog), Qt::Key_Escape); });
  QtSaveDialog dialog;
  EXPECT_EQ(dialog.askFileName(nullptr, form::kReportFileName), std::nullopt);
  QPixmap found;
  EXPECT_FALSE(QPixmapCache::find(probe, &found));
}

// The file list's header is drawn with one icon, not a new one each paint,
// whose cached pixmap would leave its name behind.
TEST(MakeExportDialog, HandsTheHeaderOneIcon) {
  const std::unique_ptr<QFileDialog> dialog = makeExportDialog(nullptr, form::kReportFileName);
  ASSERT_NE(dialog->proxyModel(), nullptr);
  const QVariant first = dialog->proxyModel()->headerData(0, Qt::Horizontal, Qt::DecorationRole);
  const QVariant again = dialog->proxyModel()->headerData(0, Qt::Horizontal, Qt::DecorationRole);
  ASSERT_EQ(first.typeId(), QMetaType::QIcon);
  EXPECT_EQ(first.value<QIcon>().cacheKey(), again.value<QIcon>().cacheKey());
}

TEST(QtSaveDialog, GivesTheFocusBackToTheWindowThatHadIt) {
  QWidget window;
  QLineEdit* second = nullptr;
  {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLineEdit(&window));
    second = new QLineEdit(&window);
    layout->addWidget(second);
  }
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  second->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), second);
  WhenTheDialogOpens([](QFileDialog& dialog) { QTest::keyClick(FocusIn(dialog), Qt::Key_Escape); });
  QtSaveDialog dialog;
  EXPECT_EQ(dialog.askFileName(&window, form::kReportFileName), std::nullopt);
  EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_EQ(QApplication::focusWidget(), second);
}

TEST(QtSaveDialog, KeepsTheFloatingPointModesAndClearsTheFlags) {
  ASSERT_EQ(std::fegetround(), FE_TONEAREST);
  std::feclearexcept(FE_ALL_EXCEPT);
  WhenTheDialogOpens([](QFileDialog& dialog) {
    std::fesetround(FE_UPWARD);
    volatile double third = 1.0;
    third = third / 3.0;  // raises the inexact flag
    QTest::keyClick(FocusIn(dialog), Qt::Key_Escape);
  });
  QtSaveDialog dialog;
  dialog.askFileName(nullptr, form::kReportFileName);
  EXPECT_EQ(std::fegetround(), FE_TONEAREST);
  EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
  std::fesetround(FE_TONEAREST);
}

}  // namespace
}  // namespace ui
