#pragma once
// What the About window's tests share: the application object, which records
// every exception that escapes an event handler the way the program's error
// boundary catches it, and the program's JPEG picture.

#include <QApplication>
#include <QByteArray>
#include <QStringList>

class RecordingApplication : public QApplication {
 public:
  RecordingApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // The messages caught since the last call, oldest first.
  static QStringList TakeCaughtErrors();
};

// The picture the About window shows, as embedded in the program.
QByteArray ProgramJpeg();
