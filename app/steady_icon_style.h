// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// SteadyIconStyle: the application's style as it is, except that each of the
// style's standard icons (folder, file, back, up, the message box's signs…)
// is made once and handed out again, instead of afresh at every request.
// The save dialog and the error box are made for one showing and released,
// and they ask for these icons each time; the toolkit remembers every scaled
// pixmap of an icon under that icon's own serial number, in a table that
// outlives emptying its pixmap cache, so a fresh icon a showing left some
// kilobytes behind for every save dialog a clerk opened. The same icon every
// time draws the same pixels and keeps that table to one entry an icon.
// A request that carries a style option (a state, a direction) is passed on
// unchanged. Forget() drops the icons kept, for a change of desktop theme.

#include <QHash>
#include <QIcon>
#include <QProxyStyle>

namespace app {

class SteadyIconStyle final : public QProxyStyle {
 public:
  // Wraps the style of that name, as QStyleFactory makes it.
  explicit SteadyIconStyle(const QString& styleName);

  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;

  void Forget();

 private:
  mutable QHash<StandardPixmap, QIcon> icons_;
};

}  // namespace app
