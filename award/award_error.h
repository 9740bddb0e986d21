// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// AwardError: the inputs for which the award check gives no figures. what()
// is an Italian sentence that every edition shows as it stands (UTF-8).

#include <stdexcept>
#include <string>

namespace award {

class AwardError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace award
