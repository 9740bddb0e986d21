// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/steady_header_icons.h"

#include <QImage>
#include <QPixmap>

namespace ui {

namespace {

QIcon iconOf(const QVariant& decoration) {
  switch (decoration.typeId()) {
    case QMetaType::QIcon: return decoration.value<QIcon>();
    case QMetaType::QPixmap: return QIcon(decoration.value<QPixmap>());
    case QMetaType::QImage: return QIcon(QPixmap::fromImage(decoration.value<QImage>()));
    default: return {};
  }
}

}  // namespace

QVariant SteadyHeaderIcons::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DecorationRole) return QIdentityProxyModel::headerData(section, orientation, role);
  QIcon& icon = icons[{orientation, section}];
  if (!icon.isNull()) return icon;  // the source is not asked to make its image again
  const QVariant data = QIdentityProxyModel::headerData(section, orientation, role);
  icon = iconOf(data);
  return icon.isNull() ? data : QVariant(icon);
}

}  // namespace ui
