// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "tests/app/modal_guard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

namespace {

std::function<void(QWidget&)> expected;
QList<QPointer<QWidget>> allowed;

void CloseModal(QWidget& modal) {
  if (auto* dialog = qobject_cast<QDialog*>(&modal)) {
    dialog->reject();
  } else {
    modal.close();
  }
}

void CheckForModal() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || !modal->isVisible() || allowed.contains(modal)) return;
  QPointer<QWidget> watched = modal;
  if (expected) {
    auto handler = std::move(expected);
    expected = nullptr;
    handler(*modal);
  } else {
    ADD_FAILURE() << "unexpected modal window \"" << modal->windowTitle().toStdString() << "\" ("
                  << modal->metaObject()->className() << ")";
  }
  if (watched && watched->isVisible() && QApplication::activeModalWidget() == watched) CloseModal(*watched);
}

}  // namespace

void StartModalGuard() {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, qApp, &CheckForModal);
  timer->start(20);
}

void ExpectModal(std::function<void(QWidget&)> handler) { expected = std::move(handler); }

void AllowModal(QWidget& window) {
  allowed.removeAll(nullptr);
  allowed.append(&window);
}

bool ModalStillExpected() { return static_cast<bool>(expected); }
