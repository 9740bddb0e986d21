// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "app/steady_icon_style.h"

#include <gtest/gtest.h>

#include <QStyleOption>

namespace {

// A dialog made for one showing asks for its icons each time; the same icon
// each time (the same serial number) is what keeps the toolkit's table of
// scaled pixmaps from growing.
TEST(SteadyIconStyle, HandsOutTheSameIconUntilTheThemeChanges) {
  app::SteadyIconStyle style(QStringLiteral("Fusion"));
  for (const QStyle::StandardPixmap icon :
       {QStyle::SP_DirIcon, QStyle::SP_FileDialogBack, QStyle::SP_MessageBoxCritical}) {
    const qint64 first = style.standardIcon(icon).cacheKey();
    EXPECT_EQ(style.standardIcon(icon).cacheKey(), first) << icon;
    style.Forget();
    EXPECT_NE(style.standardIcon(icon).cacheKey(), first) << icon;
  }
  EXPECT_NE(style.standardIcon(QStyle::SP_DirIcon).cacheKey(),
            style.standardIcon(QStyle::SP_FileIcon).cacheKey());
}

}  // namespace
