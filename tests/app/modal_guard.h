// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The modal guard of the GUI tests: a modal window that no test expects fails
// the running test and is closed at once, so a test never hangs on it. A test
// that expects one hands its handler to ExpectModal beforehand.

#include <QWidget>
#include <functional>

// Starts watching; call once from the test main after the application object.
void StartModalGuard();

// The next modal window that appears goes to this handler instead of failing
// the test. The handler must close it (or the guard closes it afterwards).
void ExpectModal(std::function<void(QWidget& modal)> handler);

// The window may stay open modally as long as it lives (the About window's
// tests drive it while it is open); the guard leaves it alone.
void AllowModal(QWidget& window);

// True when an expected modal window has not appeared (yet).
bool ModalStillExpected();
