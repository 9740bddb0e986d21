// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// QtSaveDialog: the save dialog of the report export on the toolkit's file
// dialog, created anew for each request and released on every way out:
// title "Esporta i dati in formato Word compatibile", the proposed name
// ("Percentuale di discordanza.rtf"), one filter named after it
// ("Percentuale di discordanza (*.rtf)"), no default suffix (a name comes back as typed), no question
// before replacing a file, modal to the whole program. The toolkit's own
// dialog is placed centred across the screen of the active window with a
// third of the free height above it.

#include <QFileDialog>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <memory>
#include <string_view>

#include "ui/save_dialog.h"

namespace ui {

class QtSaveDialog final : public SaveDialog {
 public:
  // Keeps the floating-point control modes as they were before the dialog
  // ran and leaves no floating-point exception flag raised by it; afterwards
  // the window that was active is active again and the keyboard focus is back
  // where it was.
  std::optional<QString> askFileName(QWidget* owner, std::string_view proposedName) override;
};

// The configured dialog proposing proposedName, a name ending in ".rtf";
// not yet shown.
std::unique_ptr<QFileDialog> makeExportDialog(QWidget* owner, std::string_view proposedName);

// Top-left corner of a dialog of the given outer size, the window decoration
// included: centred across the screen,
// with a third of the free height above it (each division truncating toward
// zero, so a dialog larger than the screen starts above or left of it).
QPoint dialogPosition(const QRect& screen, const QSize& outer);

}  // namespace ui
