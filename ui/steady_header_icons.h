// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// SteadyHeaderIcons: the save dialog's file list seen through a proxy that
// hands its header the same icon on every paint. The toolkit's file system
// model returns a new image for the header's first section each time it is
// asked; the header turns it into a new icon, and the icon's scaled pixmap is
// cached under a name made from that new image's serial number. Emptying the
// cache after the dialog leaves those names behind, a few hundred bytes a
// dialog, for as long as the program runs. Here each section's image is made
// an icon once, so the header draws the same pixels under one name.

#include <QIcon>
#include <QIdentityProxyModel>
#include <map>
#include <utility>

namespace ui {

class SteadyHeaderIcons final : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  mutable std::map<std::pair<Qt::Orientation, int>, QIcon> icons;
};

}  // namespace ui
