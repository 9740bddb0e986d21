// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// TabsAfterLabel: how many tabs bring a report line's value to its column,
// the eighth default tab stop (4 inches, the stops half an inch apart),
// after the label and its colon in the report's Arial 12 pt. The label's
// width is the sum of Arial's advance widths, so a new label lines up
// without a count kept by hand.
//   "Esito"                 (30 pt with ":")  → 8
//   "Importo a base d'asta" (118 pt)          → 5
//   "Garanzia definitiva"   (103 pt)          → 6

#include <string_view>

namespace report {

// `label` is UTF-8 text of the ASCII printable characters and Italian
// accented vowels; it must end, with its colon, before the eighth stop.
int TabsAfterLabel(std::string_view label);

}  // namespace report
