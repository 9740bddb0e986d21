// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "app/title.h"

#include <gtest/gtest.h>

namespace {

TEST(ApplicationTitle, ComesFromTheRunningExecutable) {
  // This test program is discordanza_frame_tests: no stop, all lower case.
  EXPECT_EQ(app::ApplicationTitle().toStdString(), "discordanza_frame_tests");
}

}  // namespace
