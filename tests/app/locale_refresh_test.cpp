// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>

#include "calc/decimal_separator.h"

namespace {

TEST(LocaleRefresh, LocaleChangeReloadsTheSeparator) {
  calc::SetDecimalSeparator('#');
  QEvent change(QEvent::LocaleChange);
  QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
  EXPECT_EQ(calc::DecimalSeparator(), calc::LocaleDecimalSeparator());
}

TEST(LocaleRefresh, OtherEventsLeaveTheSeparator) {
  calc::SetDecimalSeparator('#');
  QEvent other(QEvent::User);
  QCoreApplication::sendEvent(QCoreApplication::instance(), &other);
  EXPECT_EQ(calc::DecimalSeparator(), '#');
  calc::LoadDecimalSeparator();
}

}  // namespace
