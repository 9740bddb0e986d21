// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The windowed program run with a scripted end, for the exit-code tests:
//   close-box  the real windows; once the loop runs, the window system's
//              close request (what the close box and Alt+F4 send) reaches the
//              main window: exit code 0;
//   esci       the same, ended by a click on the "&Esci" button;
//   title      prints the application title and the main window's caption
//              once it shows, then ends as close-box does;
//   fail       raises while the windows are built; the start-up report's box
//              is closed when it appears and its caption printed: exit code 1;
//   placement  once the main window has been shown for a while under the
//              window manager, prints the screen, the window's outer frame
//              and client area, and the client area at its first paint,
//              then ends as close-box does;
//   session FILE  a user's whole session through real key presses and
//              clicks: three figures typed, the error box of a zero total
//              closed, the report saved as FILE through the save dialog, the
//              About window opened and closed, then "&Esci": exit code 0;
//   watch      the real windows, driven from outside (keys sent through the
//              window system); prints a line whenever what the user sees
//              changes: the three results, whether "&Salva" is enabled and
//              the modal window open, if any, with its X window id:
//                state: 218750|1250|0.568181818181818|save=1|modal=-

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/run_program.h"
#include "app/title.h"
#include "ui/main_startup.h"
#include "ui/qt_save_dialog.h"

namespace {

using app::StartupWindows;

// The main window's widget of that objectName.
template <typename Widget>
Widget* Part(const ui::MainWindow& window, const char* name) {
  auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
  if (widget == nullptr) throw std::logic_error(std::string("the main window has no ") + name);
  return widget;
}

std::unique_ptr<ui::ProgramWindows> MakeWindows() {
  return std::make_unique<ui::ProgramWindows>(std::make_unique<ui::QtSaveDialog>());
}

std::unique_ptr<StartupWindows> CreateThenCloseBox() {
  auto windows = MakeWindows();
  ui::MainWindow* mainWindow = &windows->mainWindow();
  QTimer::singleShot(0, mainWindow, [mainWindow] {
    QCoreApplication::postEvent(mainWindow->windowHandle(), new QCloseEvent);
  });
  return windows;
}

std::unique_ptr<StartupWindows> CreateThenPrintTitle() {
  auto windows = MakeWindows();
  ui::MainWindow* mainWindow = &windows->mainWindow();
  QTimer::singleShot(0, mainWindow, [mainWindow] {
    std::printf("title: %s\ncaption: %s\n", app::ApplicationTitle().toUtf8().constData(),
                mainWindow->windowTitle().toUtf8().constData());
    std::fflush(stdout);
    QCoreApplication::postEvent(mainWindow->windowHandle(), new QCloseEvent);
  });
  return windows;
}

std::unique_ptr<StartupWindows> CreateThenEsci() {
  auto windows = MakeWindows();
  ui::MainWindow* mainWindow = &windows->mainWindow();
  QTimer::singleShot(0, mainWindow, [mainWindow] { Part<QPushButton>(*mainWindow, "exitButton")->click(); });
  return windows;
}

void CloseStartupBox() {
  if (QWidget* box = QApplication::activeModalWidget()) {
    std::printf("box: %s\n", box->windowTitle().toUtf8().constData());
    std::fflush(stdout);
    box->close();
  } else {
    QTimer::singleShot(10, &CloseStartupBox);
  }
}

std::unique_ptr<StartupWindows> CreateFailing() {
  QTimer::singleShot(0, &CloseStartupBox);
  throw std::runtime_error("Window description unreadable");
}

const char* sessionReport = "";

// Runs answer on the next modal window once it shows.
void WhenModalOpens(std::function<void(QWidget&)> answer) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, answer = std::move(answer)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    answer(*modal);
  });
  poll->start(10);
}

// Whether the window took the keyboard; a session that goes on without it
// fails on its own later.
void WaitUntilActive(QWidget& window) {
  if (!QTest::qWaitForWindowActive(&window)) std::fputs("a modal window never became active\n", stderr);
}

void PressInFocus(QWidget& window, Qt::Key key) {
  WaitUntilActive(window);
  QWidget* focus = window.focusWidget();
  QTest::keyClick(focus != nullptr ? focus : &window, key);
}

void PlaySession(ui::MainWindow* window) {
  QTest::keyClicks(Part<QLineEdit>(*window, "baseAmountEdit"), "1000");
  QTest::keyClicks(Part<QLineEdit>(*window, "discountEdit"), "10");
  WhenModalOpens([](QWidget& box) { PressInFocus(box, Qt::Key_Return); });
  QTest::keyClicks(Part<QLineEdit>(*window, "contractorTotalEdit"), "0");  // a zero total: the error box
  QTest::keyClick(Part<QLineEdit>(*window, "contractorTotalEdit"), Qt::Key_Backspace);
  QTest::keyClicks(Part<QLineEdit>(*window, "contractorTotalEdit"), "950");
  WhenModalOpens([](QWidget& dialog) {
    WaitUntilActive(dialog);
    QWidget* name = dialog.focusWidget();
    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(name, QString::fromLocal8Bit(sessionReport));
    QTest::keyClick(name, Qt::Key_Return);
  });
  QTest::mouseClick(Part<QPushButton>(*window, "saveButton"), Qt::LeftButton);  // Salva
  WhenModalOpens([](QWidget& about) { PressInFocus(about, Qt::Key_C); });
  QTest::mouseClick(Part<QPushButton>(*window, "aboutButton"), Qt::LeftButton);  // About
  QTest::mouseClick(Part<QPushButton>(*window, "exitButton"), Qt::LeftButton);   // Esci
}

// Notes where the window's client area stood when it was first painted.
class FirstPaintPlace : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && place.isNull()) place = static_cast<QWidget*>(watched)->geometry();
    return false;
  }
  QRect place;
};

void PrintRect(const char* name, const QRect& rect) {
  std::printf("%s: %d %d %d %d\n", name, rect.x(), rect.y(), rect.width(), rect.height());
}

std::unique_ptr<StartupWindows> CreateThenReportPlacement() {
  auto windows = MakeWindows();
  ui::MainWindow* mainWindow = &windows->mainWindow();
  auto* firstPaint = new FirstPaintPlace(mainWindow);
  mainWindow->installEventFilter(firstPaint);
  QTimer::singleShot(1500, mainWindow, [mainWindow, firstPaint] {
    PrintRect("screen", mainWindow->screen()->geometry());
    PrintRect("frame", mainWindow->frameGeometry());
    PrintRect("client", mainWindow->geometry());
    PrintRect("first paint", firstPaint->place);
    std::fflush(stdout);
    QCoreApplication::postEvent(mainWindow->windowHandle(), new QCloseEvent);
  });
  return windows;
}

std::unique_ptr<StartupWindows> CreateThenPlaySession() {
  auto windows = MakeWindows();
  ui::MainWindow* mainWindow = &windows->mainWindow();
  QTimer::singleShot(0, mainWindow, [mainWindow] { PlaySession(mainWindow); });
  return windows;
}

// The state line of the watch mode.
QString StateOf(const ui::MainWindow& window) {
  QString modal = QStringLiteral("-");
  if (QWidget* shown = QApplication::activeModalWidget(); shown != nullptr && shown->isVisible()) {
    modal = QString::number(shown->winId());
  }
  return QStringLiteral("state: %1|%2|%3|save=%4|modal=%5")
      .arg(Part<QLineEdit>(window, "computedTotalEdit")->text(),
           Part<QLineEdit>(window, "differenceEdit")->text(),
           Part<QLineEdit>(window, "discrepancyEdit")->text(),
           QString::number(Part<QPushButton>(window, "saveButton")->isEnabled() ? 1 : 0), modal);
}

std::unique_ptr<StartupWindows> CreateThenWatch() {
  auto windows = MakeWindows();
  ui::MainWindow* mainWindow = &windows->mainWindow();
  auto* poll = new QTimer(mainWindow);
  QObject::connect(poll, &QTimer::timeout, mainWindow, [mainWindow, printed = QString()]() mutable {
    const QString state = StateOf(*mainWindow);
    if (state == printed) return;
    printed = state;
    std::printf("%s\n", state.toUtf8().constData());
    std::fflush(stdout);
  });
  poll->start(10);
  return windows;
}

}  // namespace

int main(int argc, char** argv) {
  const char* mode = argc > 1 ? argv[1] : "";
  if (std::strcmp(mode, "fail") == 0) return app::RunProgram(argc, argv, &CreateFailing);
  if (std::strcmp(mode, "title") == 0) {
    return app::RunProgram(argc, argv, &CreateThenPrintTitle);
  }
  if (std::strcmp(mode, "session") == 0 && argc > 2) {
    sessionReport = argv[2];
    return app::RunProgram(argc, argv, &CreateThenPlaySession);
  }
  if (std::strcmp(mode, "placement") == 0) {
    return app::RunProgram(argc, argv, &CreateThenReportPlacement);
  }
  if (std::strcmp(mode, "watch") == 0) return app::RunProgram(argc, argv, &CreateThenWatch);
  if (std::strcmp(mode, "esci") == 0) return app::RunProgram(argc, argv, &CreateThenEsci);
  return app::RunProgram(argc, argv, &CreateThenCloseBox);
}
