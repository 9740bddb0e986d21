// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "app/title.h"

#include <QCoreApplication>

namespace app {

QString TitleFromPath(const QString& path) {
  const qsizetype lastSeparator = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
  QString name = path.mid(lastSeparator + 1);
  const qsizetype firstStop = name.indexOf(u'.');
  if (firstStop >= 0) name.truncate(firstStop);
  if (name.isEmpty()) return name;
  return name.left(1) + name.mid(1).toLower();
}

QString ApplicationTitle() {
  static const QString title = TitleFromPath(QCoreApplication::applicationFilePath());
  return title;
}

}  // namespace app
