// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// The name proposed for a saved report: the window's save dialog offers it,
// the page downloads under it. The user may type another in the dialog.

#include <string_view>

namespace form {

inline constexpr std::string_view kReportFileName = "Percentuale di discordanza.rtf";
inline constexpr std::string_view kAwardReportFileName = "Verifica dell'aggiudicazione.rtf";

}  // namespace form
