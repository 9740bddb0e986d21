// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// Ends the event loop as soon as a window has been painted for the first
// time, so that a process's run time measures its time to the first shown
// window (plus its exit, the same for every program measured).

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

class FirstPaintExit : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !painted_) {
      painted_ = true;
      QMetaObject::invokeMethod(
          QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool painted_ = false;
};
