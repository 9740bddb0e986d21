// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "app/startup_error.h"

#include <gtest/gtest.h>

namespace {

TEST(StartupErrorText, FillsThePattern) {
  EXPECT_EQ(app::StartupErrorText("std::runtime_error", "discordanza", "Window missing").toStdString(),
            "Exception std::runtime_error in module discordanza.\r\nWindow missing.\r\n");
}

TEST(StartupErrorText, NoSecondStop) {
  EXPECT_EQ(app::StartupErrorText("app::FrameError", "discordanza", "Done.").toStdString(),
            "Exception app::FrameError in module discordanza.\r\nDone.\r\n");
}

TEST(StartupErrorText, EmptyMessageGetsTheStop) {
  EXPECT_EQ(app::StartupErrorText("int", "m", "").toStdString(), "Exception int in module m.\r\n.\r\n");
}

}  // namespace
