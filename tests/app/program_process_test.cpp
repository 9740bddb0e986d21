// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The program run as a process: its exit codes and its title, its placement
// under a window manager, and the figures a user sees when typing through
// the window system.

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <initializer_list>

namespace {

struct ProbeRun {
  int exitCode;
  QString out;
  QString err;
};

// The probe, or a copy of it, on a platform, with a home folder of its own
// and an X display when they are given.
// Fields are set by name, one statement each.
struct ProbeStart {
  QString program = QStringLiteral(DISCORDANZA_PROGRAM_PROBE);
  QStringList moreArguments;  // after the mode
  QString platform = QStringLiteral("offscreen");
  QString home;
  QString display;
};

ProbeRun RunProbe(const QString& mode, const ProbeStart& start = ProbeStart()) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", start.platform);
  if (!start.home.isEmpty()) {
    environment.insert("HOME", start.home);
    environment.insert("XDG_CONFIG_HOME", start.home + "/.config");
    environment.insert("XDG_DATA_HOME", start.home + "/.local/share");
    environment.insert("XDG_STATE_HOME", start.home + "/.local/state");
    environment.insert("XDG_CACHE_HOME", start.home + "/.cache");
  }
  environment.insert("LSAN_OPTIONS", QStringLiteral("suppressions=" DISCORDANZA_LEAK_SUPPRESSIONS));
  environment.remove("DISPLAY");
  environment.remove("WAYLAND_DISPLAY");
  if (!start.display.isEmpty()) environment.insert("DISPLAY", start.display);
  process.setProcessEnvironment(environment);
  process.start(start.program, QStringList{mode} + start.moreArguments);
  if (!process.waitForFinished(20000)) {
    process.kill();
    process.waitForFinished();
    ADD_FAILURE() << "the program did not end: " << mode.toStdString();
  }
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

TEST(ExitCode, ClosingTheMainWindowEndsWithZero) {
  for (const char* mode : {"close-box", "esci"}) {
    const ProbeRun run = RunProbe(mode);
    EXPECT_EQ(run.exitCode, 0) << mode << ": " << run.err.toStdString();
  }
}

// The title comes from the running file's name, not from the main window.
TEST(ProgramTitle, FollowsTheProgramFileName) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString renamed = dir.filePath("CALC.V2.EXE");
  ASSERT_TRUE(QFile::copy(QStringLiteral(DISCORDANZA_PROGRAM_PROBE), renamed));
  ASSERT_TRUE(QFile::setPermissions(renamed, QFile::ReadOwner | QFile::ExeOwner));
  ProbeStart start;
  start.program = renamed;
  const ProbeRun run = RunProbe("title", start);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_TRUE(run.out.contains("title: Calc\n")) << run.out.toStdString();
  EXPECT_TRUE(run.out.contains("caption: Calcolo percentuali di discordanza\n")) << run.out.toStdString();
}

TEST(ExitCode, StartupErrorEndsWithOneAfterItsReport) {
  const ProbeRun run = RunProbe("fail");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(
      run.err.contains("Exception std::runtime_error in module discordanza_program_probe.\r\n"
                       "Window description unreadable.\r\n"))
      << run.err.toStdString();
  EXPECT_TRUE(run.out.contains("box: Application Error")) << run.out.toStdString();
}

// The toolkit's own options reach it no more: the caption stays, and an
// unknown platform named on the command line does not stop the start.
TEST(CommandLine, ToolkitOptionsAreNotRead) {
  const QStringList options{"-qwindowtitle", "HELLO", "-platform", "nowhere", "-qwindowgeometry", "9x9"};
  ProbeStart start;
  start.moreArguments = options;
  const ProbeRun run = RunProbe("title", start);
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.contains("caption: Calcolo percentuali di discordanza\n")) << run.out.toStdString();
}

// No display to connect to: the start-up report and exit code 1, not an abort.
TEST(ExitCode, NoWindowSystemEndsWithOneAfterItsReport) {
  ProbeStart start;
  start.platform = QStringLiteral("xcb");
  const ProbeRun run = RunProbe("close-box", start);
  EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
  EXPECT_TRUE(
      run.err.contains("Exception app::WindowSystemError in module discordanza_program_probe.\r\n"
                       "Nessun sistema di finestre raggiungibile"))
      << run.err.toStdString();
}

// Every file under the folder, by its path inside it, but the caches that
// the system's font machinery keeps.
QStringList FilesUnder(const QString& folder) {
  QStringList files;
  QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = QDir(folder).relativeFilePath(it.next());
    if (!path.startsWith(".cache/fontconfig/")) files.append(path);
  }
  return files;
}

// A whole session (typing, an error box, Salva, About, Esci) leaves no
// settings or state file of the program or its toolkit in a fresh home.
TEST(ProgramSession, KeepsNoStateUnderHome) {
  QTemporaryDir home;
  QTemporaryDir reports;
  ASSERT_TRUE(home.isValid() && reports.isValid());
  const QString report = reports.filePath("sessione.rtf");
  ProbeStart start;
  start.moreArguments = QStringList{report};
  start.home = home.path();
  const ProbeRun run = RunProbe("session", start);
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(QFileInfo(report).size() > 0) << "the session saved its report";
  EXPECT_EQ(FilesUnder(home.path()).join(u' ').toStdString(), "");
}

// A program that the tests below start, and the Debian package that has it.
// ./test installs them all (scripts/packages/test.txt), and so does the
// package's build with its tests (debian/control).
struct Tool {
  const char* program;
  const char* package;
};
constexpr Tool kXvfb{"Xvfb", "xvfb"};
constexpr Tool kOpenbox{"openbox", "openbox"};
constexpr Tool kXprop{"xprop", "x11-utils"};
constexpr Tool kXdotool{"xdotool", "xdotool"};

// One line that names the first of the tools that is not installed, and
// where it belongs; empty when all are.
QString MissingTool(std::initializer_list<Tool> tools) {
  for (const Tool& tool : tools) {
    if (QStandardPaths::findExecutable(tool.program).isEmpty())
      return QStringLiteral("%1 is not installed: its Debian package %2 is in scripts/packages/test.txt")
          .arg(tool.program, tool.package);
  }
  return {};
}

// A virtual X display with a window manager that decorates windows, for as
// long as the object lives; when either cannot be started, display() is
// empty and fault() says why, in one line.
class DisplayWithWindowManager {
 public:
  DisplayWithWindowManager() {
    fault_ = MissingTool({kXvfb, kOpenbox, kXprop});
    if (!fault_.isEmpty()) return;
    fault_ = QStringLiteral("Xvfb did not start or name its display");
    server_.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    if (!server_.waitForStarted(5000) || !server_.waitForReadyRead(5000)) return;
    const QString number = QString::fromLatin1(server_.readLine()).trimmed();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", ":" + number);
    manager_.setProcessEnvironment(environment);
    fault_ = QStringLiteral("openbox did not start");
    manager_.start("openbox", {});
    if (!manager_.waitForStarted(5000)) return;
    // Ready once it has claimed the screen and says what it supports.
    fault_ = QStringLiteral("openbox did not claim the screen of Xvfb within 5 seconds");
    for (int i = 0; i < 100; ++i) {
      QProcess query;
      query.setProcessEnvironment(environment);
      query.start("xprop", {"-root", "_NET_SUPPORTED"});
      query.waitForFinished(5000);
      if (query.readAllStandardOutput().contains("_NET_REQUEST_FRAME_EXTENTS")) {
        display_ = ":" + number;
        fault_.clear();
        return;
      }
      QThread::msleep(50);
    }
  }
  ~DisplayWithWindowManager() {
    for (QProcess* process : {&manager_, &server_}) {
      process->terminate();
      process->waitForFinished(5000);
    }
  }
  DisplayWithWindowManager(const DisplayWithWindowManager&) = delete;
  DisplayWithWindowManager& operator=(const DisplayWithWindowManager&) = delete;

  QString display() const { return display_; }
  QString fault() const { return fault_; }

 private:
  QProcess server_;
  QProcess manager_;
  QString display_;
  QString fault_;
};

QRect RectAfter(const QString& out, const QString& name) {
  for (const QString& line : out.split(u'\n')) {
    if (!line.startsWith(name + ": ")) continue;
    const QStringList numbers = line.mid(name.size() + 2).split(u' ');
    if (numbers.size() == 4)
      return {numbers[0].toInt(), numbers[1].toInt(), numbers[2].toInt(), numbers[3].toInt()};
  }
  ADD_FAILURE() << "no " << name.toStdString() << " in " << out.toStdString();
  return {};
}

// Under a window manager the outer frame, title bar included, is centred,
// and the window is first painted where it stays.
TEST(Placement, TheOuterFrameIsCentredFromTheFirstPaint) {
  const DisplayWithWindowManager display;
  if (display.display().isEmpty()) FAIL() << display.fault().toStdString();
  ProbeStart start;
  start.platform = QStringLiteral("xcb");
  start.display = display.display();
  const ProbeRun run = RunProbe("placement", start);
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QRect screen = RectAfter(run.out, "screen");
  const QRect frame = RectAfter(run.out, "frame");
  const QRect client = RectAfter(run.out, "client");
  EXPECT_GT(frame.height(), client.height()) << "the window manager decorated the window";
  EXPECT_EQ(frame.left(), (screen.width() - frame.width()) / 2);
  EXPECT_EQ(frame.top(), (screen.height() - frame.height()) / 2);
  EXPECT_EQ(RectAfter(run.out, "first paint"), client) << "the window moved after it was painted";
}

// Sends keys through the window system, as a keyboard does.
void Xdotool(const QString& display, const QStringList& arguments) {
  QProcess xdotool;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("DISPLAY", display);
  xdotool.setProcessEnvironment(environment);
  xdotool.start("xdotool", arguments);
  ASSERT_TRUE(xdotool.waitForStarted(5000)) << "xdotool did not start";
  ASSERT_TRUE(xdotool.waitForFinished(20000)) << arguments.join(u' ').toStdString();
  ASSERT_EQ(xdotool.exitCode(), 0) << arguments.join(u' ').toStdString() << ": "
                                   << xdotool.readAllStandardError().toStdString();
}

// The watch mode's state lines as they come.
class StateLines {
 public:
  explicit StateLines(QProcess& probe) : probe_(probe) {}

  // The first new line that matches, or an empty text after 20 seconds.
  QString Next(const std::function<bool(const QString&)>& matches) {
    QDeadlineTimer patience(20000);
    while (!patience.hasExpired()) {
      while (probe_.canReadLine()) {
        const QString line = QString::fromUtf8(probe_.readLine()).trimmed();
        all_ += line + u'\n';
        if (line.startsWith("state: ") && matches(line)) return line;
      }
      probe_.waitForReadyRead(100);
    }
    ADD_FAILURE() << "no such state; the probe said:\n" << all_.toStdString();
    return {};
  }

  QString Next(const QString& line) {
    return Next([&](const QString& seen) { return seen == line; });
  }

  const QString& all() const { return all_; }

 private:
  QProcess& probe_;
  QString all_;
};

// Under a locale whose decimal point is ".", a typed "." is that point, and
// while the results shown belong to earlier inputs (the total changed to 0)
// "&Salva" is disabled and Alt+S does nothing: no save dialog opens, and the
// Alt+E after it ends the program.
TEST(ProgramUnderX, TypedFiguresUnderAPointLocaleAndSaveAfterAnError) {
  if (const QString missing = MissingTool({kXdotool}); !missing.isEmpty()) FAIL() << missing.toStdString();
  const DisplayWithWindowManager display;
  if (display.display().isEmpty()) FAIL() << display.fault().toStdString();
  QProcess probe;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "xcb");
  environment.insert("DISPLAY", display.display());
  environment.insert("LC_ALL", "C.UTF-8");
  environment.insert("LSAN_OPTIONS", QStringLiteral("suppressions=" DISCORDANZA_LEAK_SUPPRESSIONS));
  probe.setProcessEnvironment(environment);
  probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  probe.start(QStringLiteral(DISCORDANZA_PROGRAM_PROBE), {"watch"});
  ASSERT_TRUE(probe.waitForStarted(5000));
  StateLines states(probe);
  ASSERT_FALSE(states.Next("state: |||save=0|modal=-").isEmpty());

  const QString& x = display.display();
  Xdotool(x, {"search", "--sync", "--onlyvisible", "--name", "^Calcolo percentuali di discordanza$",
              "windowactivate", "--sync"});
  Xdotool(x, {"type", "--delay", "20", "250000"});
  Xdotool(x, {"key", "Tab"});
  Xdotool(x, {"type", "--delay", "20", "12.5"});
  Xdotool(x, {"key", "Tab"});
  Xdotool(x, {"type", "--delay", "20", "220000"});
  const QString figures = QStringLiteral("218750|1250|0.568181818181818");
  EXPECT_FALSE(states.Next("state: " + figures + "|save=1|modal=-").isEmpty());

  Xdotool(x, {"key", "ctrl+a"});
  Xdotool(x, {"type", "0"});
  const QString withBox = states.Next([](const QString& line) { return !line.endsWith("modal=-"); });
  ASSERT_TRUE(withBox.startsWith("state: " + figures + "|save=0|modal=")) << withBox.toStdString();
  const QString box = withBox.section(u'=', -1);
  Xdotool(x, {"windowactivate", "--sync", box});
  Xdotool(x, {"key", "Return"});
  EXPECT_FALSE(states.Next("state: " + figures + "|save=0|modal=-").isEmpty());

  Xdotool(x, {"key", "alt+s"});
  Xdotool(x, {"key", "alt+e"});
  if (!probe.waitForFinished(20000)) {
    probe.kill();
    probe.waitForFinished();
    ADD_FAILURE() << "Alt+E did not end the program; it said:\n" << states.all().toStdString();
  }
  EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(probe.exitCode(), 0);
  for (const QString& line : QString::fromUtf8(probe.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
    EXPECT_TRUE(line.endsWith("save=0|modal=-")) << "after Alt+S: " << line.toStdString();
  }
}

}  // namespace
