// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// AwardView: what a window or a page section shows of the award check. The
// award form calls it whenever the figures, the error line or the state of
// the award report's saving change, and only then, so a view never has to
// compare; the window and the page each implement it over their own widgets.

#include <string>

#include "award/award_figures.h"

namespace form {

class AwardView {
 public:
  virtual ~AwardView() = default;

  // The figures as texts, grouped by thousands, all at once.
  virtual void ShowAwardTexts(const award::AwardTexts& texts) = 0;
  // The one Italian line on why the inputs give no figures; empty clears it.
  virtual void ShowAwardError(const std::string& line) = 0;
  virtual void ShowAwardSaveEnabled(bool enabled) = 0;
};

}  // namespace form
