// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The toolkit's own texts come in Italian, as the save dialog and the error
// box show them.

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QPushButton>

namespace {

TEST(ToolkitTranslation, StandardButtonsSpeakItalian) {
  QDialogButtonBox box(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
  EXPECT_EQ(box.button(QDialogButtonBox::Save)->text().remove(u'&').toStdString(), "Salva");
  EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().remove(u'&').toStdString(), "Annulla");
}

}  // namespace
