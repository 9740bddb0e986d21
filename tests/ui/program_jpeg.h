// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The picture the About window shows, as embedded in the program.

#include <QByteArray>
#include <QFile>

inline QByteArray ProgramJpeg() {
  QFile file(QStringLiteral(":/about/calmora.jpg"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}
