// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

'use strict';
// The main window's buttons and its keyboard: Alt+letter (the accesskey)
// clicks a button without moving the focus, as on the desktop; on a focused
// button the letter alone clicks its button and the arrows move like Tab and
// Shift+Tab; Tab wraps around the window and the award section below it. A
// click does nothing until the module is ready, nor while a modal box is
// open.

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

  // The window's tab order is the document order of its enabled fields and
  // buttons. The page's runs on into the award section: its summary, and
  // while it is open its enabled controls, of a radio group the checked
  // radio alone, as Tab goes.
  const enabled = (element) => !element.disabled && !(element.type === 'radio' && !element.checked);
  const tabOrder = () => [...mainWindow.querySelectorAll('input, button')].filter(enabled);
  const pageTabOrder = () => [...document.querySelectorAll(
      '#mainWindow :is(input, button), #awardSummary, #awardSection[open] :is(input, select, button)')].filter(enabled);
  function focusByKey(element) {
    element.focus();
    if (element.tagName === 'INPUT') element.select();
  }
  addEventListener('keydown', (event) => {
    if (event.key !== 'Tab' || event.ctrlKey || event.altKey || event.metaKey) return;
    const order = pageTabOrder();
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
