// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "app/no_settings.h"

#include <QSettings>

namespace app {

void DisableToolkitSettings() {
  // A store under a path that is a device, not a folder, cannot be created
  // or read: the toolkit gets empty settings and its writes fail silently.
  const QString nowhere = QStringLiteral("/dev/null");
  for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
    for (QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope}) {
      QSettings::setPath(format, scope, nowhere);
    }
  }
}

}  // namespace app
