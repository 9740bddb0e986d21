// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

'use strict';
// The error box: every error the page meets is shown here, modally, with the
// application title as its caption, a stop sign and one OK button. The
// message gets a full stop when its last character's code is above that of
// "." (letters, digits, ":" and every non-ASCII character do). A long message
// wraps and scrolls inside the box (page.css); it is text, so it can be
// selected and copied whole.

function withFullStop(message) {
  if (message === '' || message.charCodeAt(message.length - 1) <= 0x2e) return message;
  return message + '.';
}

// The page file's name without its folder and from its first "." on, every
// character after the first in lower case: "discordanza.html" gives
// "discordanza", as the desktop names itself after its program file.
function applicationTitle(path) {
  const name = decodeURIComponent(path).split(/[\\/]/).pop();
  const stem = name.split('.')[0] || 'discordanza';
  return stem.charAt(0) + stem.slice(1).toLowerCase();
}

const errorBox = (() => {
  const dialog = document.getElementById('errorBox');
  const okButton = document.getElementById('errorOkButton');
  const text = document.getElementById('errorText');
  let returnFocus = null;

  okButton.addEventListener('click', () => dialog.close());
  dialog.addEventListener('keydown', (event) => {
    if (event.key === 'Tab') event.preventDefault();  // OK is its only control
  });
  dialog.addEventListener('close', () => {
    if (returnFocus && returnFocus.isConnected) returnFocus.focus();
    returnFocus = null;
  });

  return {
    show(message) {
      document.getElementById('errorCaption').textContent = applicationTitle(location.pathname);
      text.textContent = withFullStop(message);
      text.scrollTop = 0;
      if (dialog.open) return;
      returnFocus = document.activeElement;
      dialog.showModal();
      okButton.focus();
    },
  };
})();
