#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace {

struct ProbeRun {
  int exitCode;
  QString out;
  QString err;
};

ProbeRun RunProbe(const QString& mode) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(DISCORDANZA_PROGRAM_PROBE), {mode});
  if (!process.waitForFinished(20000)) {
    process.kill();
    process.waitForFinished();
    ADD_FAILURE() << "the program did not end: " << mode.toStdString();
  }
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

TEST(ExitCode, ClosingTheMainWindowEndsWithZero) {
  for (const char* mode : {"close-box", "esci"}) {
    const ProbeRun run = RunProbe(mode);
    EXPECT_EQ(run.exitCode, 0) << mode << ": " << run.err.toStdString();
  }
}

TEST(ExitCode, StartupErrorEndsWithOneAfterItsReport) {
  const ProbeRun run = RunProbe("fail");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.err.contains("Exception std::runtime_error in module discordanza_program_probe.\r\n"
                               "Window description unreadable.\r\n"))
      << run.err.toStdString();
  EXPECT_TRUE(run.out.contains("box: Application Error")) << run.out.toStdString();
}

}  // namespace
