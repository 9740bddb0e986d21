// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// MainInputsFollower: what follows the main form's three inputs, the award
// check's form. The main form hands itself over when the follower is set,
// after every edit of an input, even one whose computation fails (the form
// holds the new text all the same), and after every clearing.

namespace form {

class Form;

class MainInputsFollower {
 public:
  virtual ~MainInputsFollower() = default;
  virtual void FollowMainInputs(const Form& mainForm) = 0;
};

}  // namespace form
