// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "app/title.h"

#include <QCoreApplication>

#include "form/title.h"

namespace app {

QString ApplicationTitle() {
  static const QString title =
      QString::fromStdString(form::TitleFromPath(QCoreApplication::applicationFilePath().toStdString()));
  return title;
}

}  // namespace app
