// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// Modal showing: a dialog shown through Qt's own modal loop, the rest of the
// program disabled meanwhile. The same dialog object can be shown again and
// again; closing it only hides it.

class QDialog;

namespace app {

// Shows the dialog application-modal and returns its result (QDialog::Rejected
// when it was simply closed). Raises FrameError "Cannot make a visible window
// modal" for a dialog that is already visible (a dialog in its modal loop is
// visible) or disabled. Afterwards the previously active window is active and
// the keyboard focus is back where it was.
int ShowModal(QDialog& dialog);

}  // namespace app
