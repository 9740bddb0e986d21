// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "app/steady_icon_style.h"

namespace app {

SteadyIconStyle::SteadyIconStyle(const QString& styleName) : QProxyStyle(styleName) {}

QIcon SteadyIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                    const QWidget* widget) const {
  if (option) {
    return QProxyStyle::standardIcon(icon, option, widget);
  }
  auto kept = icons_.constFind(icon);
  if (kept == icons_.constEnd()) {
    kept = icons_.insert(icon, QProxyStyle::standardIcon(icon, nullptr, widget));
  }
  return *kept;
}

void SteadyIconStyle::Forget() { icons_.clear(); }

}  // namespace app
