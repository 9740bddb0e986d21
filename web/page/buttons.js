// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

'use strict';
// The main window's buttons and its keyboard: Alt+letter (the accesskey)
// clicks a button without moving the focus, as on the desktop; on a focused
// button the letter alone clicks its button and the arrows move like Tab and
// Shift+Tab; Tab wraps around the window. A click does nothing until the
// module is ready, nor while a modal box is open.

const buttons = (() => {
  const byId = (id) => document.getElementById(id);
  const mainWindow = byId('mainWindow');
  const saveButton = byId('saveButton');
  const all = [saveButton, byId('clearButton'), byId('aboutButton')];
  let actions = null;  // {clearButton, aboutButton, saveButton: action(focusAfter)}, once ready

  // Alt+letter focuses the button before clicking it, so the focus goes
  // back afterwards.
  let altHeld = false;
  let accessKeyReturn = null;
  addEventListener('keydown', (event) => { altHeld = event.altKey; }, true);
  addEventListener('keyup', (event) => { altHeld = event.altKey; }, true);
  addEventListener('blur', () => { altHeld = false; });

  for (const button of all) {
    button.addEventListener('focus', (event) => {
      accessKeyReturn = altHeld && mainWindow.contains(event.relatedTarget) ? event.relatedTarget : null;
    });
    button.addEventListener('click', () => {
      // The window is inert under a modal box, but its access keys still
      // reach its buttons.
      if (document.querySelector('dialog[open]')) return;
      const returnTo = accessKeyReturn;
      accessKeyReturn = null;
      if (actions) actions[button.id](returnTo || button);
      if (returnTo && !document.querySelector('dialog[open]')) returnTo.focus();
    });
  }

  // The tab order is the document order of the enabled fields and buttons.
  const tabOrder = () => [...mainWindow.querySelectorAll('input, button')].filter((element) => !element.disabled);
  function focusByKey(element) {
    element.focus();
    if (element.tagName === 'INPUT') element.select();
  }
  mainWindow.addEventListener('keydown', (event) => {
    if (event.key !== 'Tab' || event.ctrlKey || event.altKey || event.metaKey) return;
    const order = tabOrder();
    const [first, last] = [order[0], order[order.length - 1]];
    if (event.target !== (event.shiftKey ? first : last)) return;
    event.preventDefault();
    focusByKey(event.shiftKey ? last : first);
  });

  for (const button of all) {
    button.addEventListener('keydown', (event) => {
      if (event.ctrlKey || event.altKey || event.metaKey) return;
      const step = {ArrowRight: 1, ArrowDown: 1, ArrowLeft: -1, ArrowUp: -1}[event.key];
      if (step) {
        event.preventDefault();
        const order = tabOrder();
        focusByKey(order[(order.indexOf(button) + step + order.length) % order.length]);
        return;
      }
      if (event.key.length !== 1) return;
      const target = all.find((other) => other.accessKey.toLowerCase() === event.key.toLowerCase());
      if (!target) return;
      event.preventDefault();
      if (!target.disabled) target.click();
    });
  }

  return {
    showSaveEnabled(enabled) {
      saveButton.disabled = !enabled;
    },
    // actions: the module is ready; one action(focusAfter) for each button,
    // by its id.
    start(buttonActions) {
      actions = buttonActions;
    },
  };
})();
