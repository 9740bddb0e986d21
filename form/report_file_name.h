// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// The name proposed for a saved report: the window's save dialog offers it,
// the page downloads under it. The user may type another in the dialog.
//   kReportFileName      → "Percentuale di discordanza.rtf"
//   kAwardReportFileName → "Verifica dell'aggiudicazione.rtf", the award check's title

#include <algorithm>
#include <array>
#include <string_view>

#include "award/award_inputs.h"

namespace form {

inline constexpr std::string_view kReportFileName = "Percentuale di discordanza.rtf";

inline constexpr auto kAwardReportFileNameCharacters = [] {
  constexpr std::string_view kExtension = ".rtf";
  std::array<char, award::kAwardTitle.size() + kExtension.size()> name{};
  std::copy(kExtension.begin(), kExtension.end(),
            std::copy(award::kAwardTitle.begin(), award::kAwardTitle.end(), name.begin()));
  return name;
}();
inline constexpr std::string_view kAwardReportFileName{kAwardReportFileNameCharacters.data(),
                                                       kAwardReportFileNameCharacters.size()};

}  // namespace form
