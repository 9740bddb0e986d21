// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The application title: the caption of every error box, derived once from
// the running program file's name by form::TitleFromPath. The windows' own
// captions are their own; nothing here touches
// QGuiApplication::applicationDisplayName.

#include <QString>

namespace app {

// form::TitleFromPath of the running executable. Needs the application object.
QString ApplicationTitle();

}  // namespace app
