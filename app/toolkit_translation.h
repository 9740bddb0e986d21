// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The toolkit's own texts (the buttons of the error box, the labels of the
// save dialog) in Italian, like every text of the program, whatever the
// user's language. Debian ships them in qt6-translations-l10n.

class QCoreApplication;

namespace app {

// Installs the Italian translation of the toolkit's texts into the
// application. Returns false, and leaves the toolkit's English texts, when
// the translation is not installed.
bool InstallToolkitTranslation(QCoreApplication& application);

}  // namespace app
