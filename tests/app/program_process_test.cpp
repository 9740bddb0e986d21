// The program run as a process: its exit codes and its title.

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

struct ProbeRun {
  int exitCode;
  QString out;
  QString err;
};

// The probe, or a copy of it, on a platform with no display to reach.
struct ProbeStart {
  QString program;
  QStringList moreArguments;  // after the mode
  QString platform;
};

ProbeRun RunProbe(const QString& mode,
                  const ProbeStart& start = {QStringLiteral(DISCORDANZA_PROGRAM_PROBE), {}, "offscreen"}) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", start.platform);
  environment.remove("DISPLAY");
  environment.remove("WAYLAND_DISPLAY");
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
  const ProbeRun run = RunProbe("title", {renamed, {}, "offscreen"});
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
  const ProbeRun run = RunProbe("title", {DISCORDANZA_PROGRAM_PROBE, options, "offscreen"});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.contains("caption: Calcolo percentuali di discordanza\n")) << run.out.toStdString();
}

// No display to connect to: the start-up report and exit code 1, not an abort.
TEST(ExitCode, NoWindowSystemEndsWithOneAfterItsReport) {
  const ProbeRun run = RunProbe("close-box", {DISCORDANZA_PROGRAM_PROBE, {}, "xcb"});
  EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
  EXPECT_TRUE(
      run.err.contains("Exception app::WindowSystemError in module discordanza_program_probe.\r\n"
                       "No window system could be reached"))
      << run.err.toStdString();
}

}  // namespace
