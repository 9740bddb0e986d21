// Entry of the About window's tests: offscreen platform unless one is chosen,
// the program's font substitutions, an application object that records what
// the error boundary would show, and a guard that fails a test at once when a
// modal window other than the About window opens, instead of hanging in it.

#include <gtest/gtest.h>

#include <QDialog>
#include <QFile>
#include <QFont>
#include <QTimer>
#include <cstdlib>
#include <exception>

#include "tests/ui/about_test_support.h"
#include "ui/calmora_about_unit.h"

namespace {

QStringList caughtErrors;

void GuardAgainstUnexpectedModals() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (!widget->isVisible() || !widget->isModal()) continue;
    if (qobject_cast<TCalmoraAboutForm*>(widget) != nullptr) continue;
    ADD_FAILURE() << "unexpected modal window: " << widget->metaObject()->className() << " \""
                  << widget->windowTitle().toStdString() << "\"";
    if (auto* dialog = qobject_cast<QDialog*>(widget)) dialog->reject();
    widget->close();
  }
}

}  // namespace

RecordingApplication::RecordingApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool RecordingApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    caughtErrors.append(QString::fromStdString(error.what()));
    return true;
  }
}

QStringList RecordingApplication::TakeCaughtErrors() {
  QStringList taken;
  taken.swap(caughtErrors);
  return taken;
}

QByteArray ProgramJpeg() {
  QFile file(QStringLiteral(":/about/calmora.jpg"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  RecordingApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);

  QTimer guard;
  QObject::connect(&guard, &QTimer::timeout, &guard, GuardAgainstUnexpectedModals);
  guard.start(50);
  return RUN_ALL_TESTS();
}
