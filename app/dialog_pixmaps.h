// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// DialogPixmaps: the toolkit's pixmap cache around a dialog that is made for
// one showing and then released (the error box, the save dialog). Such a
// dialog makes its icons afresh, and the toolkit caches each icon's scaled
// pixmaps under the serial number of that icon's image, so once the dialog is
// gone no later paint can ever ask for them again. Left alone they pile up,
// some 20 KiB a save dialog, until the cache's 10 MiB bound; a clerk who
// keeps the program open all day would see it grow for no use. Made before
// the dialog and destroyed after it, this empties the cache; what the
// remaining windows still need is drawn and cached again on their next paint.

namespace app {

class DialogPixmaps {
 public:
  DialogPixmaps() = default;
  ~DialogPixmaps();
  DialogPixmaps(const DialogPixmaps&) = delete;
  DialogPixmaps& operator=(const DialogPixmaps&) = delete;
};

}  // namespace app
