// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "app/dialog_pixmaps.h"

#include <QPixmapCache>

namespace app {

DialogPixmaps::~DialogPixmaps() { QPixmapCache::clear(); }

}  // namespace app
