// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

'use strict';
// The About window: the maker's credits over the picture, shown modally by
// the main window's About button. A click on the picture, on either panel
// or on Chiudi closes it; a click on a label does nothing; Escape does
// nothing. Chiudi takes Enter, Space, Alt+C and the C key alone; the arrow
// keys move the focus between Chiudi and the two panels, Tab always goes to
// Chiudi, and a later showing starts where the focus was when it closed.

const aboutWindow = (() => {
  const dialog = document.getElementById('aboutWindow');
  const closeButton = document.getElementById('closeButton');
  const header = document.getElementById('headerPanel');
  const footer = document.getElementById('footerPanel');
  const picture = document.getElementById('picture');
  const closers = [closeButton, picture, header, footer];
  const focusCycle = [closeButton, header, footer];
  let lastFocus = closeButton;
  let returnFocus = null;

  dialog.addEventListener('click', (event) => {
    if (closers.includes(event.target)) hide();
  });
  dialog.addEventListener('cancel', (event) => event.preventDefault());
  dialog.addEventListener('keydown', (event) => {
    if (event.key === 'Escape') event.preventDefault();
    if (event.key === 'Tab') {  // Chiudi is the window's only tab stop
      event.preventDefault();
      closeButton.focus();
      return;
    }
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    const at = focusCycle.indexOf(event.target);
    if (at < 0) return;
    const step = {ArrowRight: 1, ArrowDown: 1, ArrowLeft: -1, ArrowUp: -1}[event.key];
    if (step) {
      event.preventDefault();
      focusCycle[(at + step + focusCycle.length) % focusCycle.length].focus();
    } else if (event.key === 'c' || event.key === 'C') {
      event.preventDefault();
      closeButton.click();
    }
  });

  function hide() {
    lastFocus = focusCycle.includes(document.activeElement) ? document.activeElement : closeButton;
    dialog.close();
    if (returnFocus && returnFocus.isConnected) returnFocus.focus();
    returnFocus = null;
  }

  function loadPicture() {
    if (!picture.src) picture.src = picture.dataset.src;
  }

  return {
    // The page has started: the picture loads when the browser is idle.
    start() {
      requestIdleCallback(loadPicture);
    },
    // Shows the window; `focusAfter` gets the focus back when it closes.
    show(focusAfter) {
      loadPicture();
      returnFocus = focusAfter;
      dialog.showModal();
      lastFocus.focus();
    },
  };
})();
