// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

'use strict';
// The error box: every error the page meets is shown here, modally, with a
// caption, a stop sign and one OK button; the focus goes back where it was
// when OK closes it. A long message wraps and scrolls inside the box
// (page.css); it is text, so it can be selected and copied whole.

const errorBox = (() => {
  const dialog = document.getElementById('errorBox');
  const okButton = document.getElementById('errorOkButton');
  const caption = document.getElementById('errorCaption');
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
    show(captionText, message) {
      caption.textContent = captionText;
      text.textContent = message;
      text.scrollTop = 0;
      if (dialog.open) return;
      returnFocus = document.activeElement;
      dialog.showModal();
      okButton.focus();
    },
  };
})();
