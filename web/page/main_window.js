// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

'use strict';
// The main window: draws what the form behind it (the WebAssembly module's
// PageForm) tells it, hands every edit of the three inputs to the form, and
// keeps the focus, the buttons, their keys and the boxes. Which typed
// character is kept, what a paste keeps, when to compute, what clearing
// empties and when Salva may save are the form's rules: the page asks the
// module and draws the answer.

(() => {
  const byId = (id) => document.getElementById(id);
  const baseAmountEdit = byId('baseAmountEdit');
  const discountEdit = byId('discountEdit');
  const contractorTotalEdit = byId('contractorTotalEdit');
  const inputEdits = [baseAmountEdit, discountEdit, contractorTotalEdit];
  const saveButton = byId('saveButton');
  const clearButton = byId('clearButton');
  const aboutButton = byId('aboutButton');
  const buttons = [saveButton, clearButton, aboutButton];
  const mainWindow = byId('mainWindow');

  // Set once the WebAssembly module is ready.
  let module = null;
  let form = null;
  let inputOfEdit = null;    // input edit → form.Input
  let editOfInput = null;    // form.Input → input edit
  let editOfResult = null;   // form.Result → result edit

  // What the form shows. A result's whole text is also its tooltip and its
  // accessible description, since a long one does not fit its field.
  const view = {
    showInput(input, text) {
      editOfInput.get(input).value = text;
    },
    showResult(result, text) {
      const edit = editOfResult.get(result);
      edit.value = text;
      edit.title = text;
      edit.setAttribute('aria-description', text);
    },
    showSaveEnabled(enabled) {
      saveButton.disabled = !enabled;
    },
  };

  // An input's text changed: the form computes, the page draws the report
  // for printing and shows an error in the box. The first edit is marked on
  // the page's clock for the start-up benchmark.
  let edited = false;
  function inputEdited(edit) {
    if (!edited) performance.mark('discordanza-first-edit');
    edited = true;
    const message = form.editInput(inputOfEdit.get(edit), edit.value);
    printedReport.draw(form.printedReport());
    if (message) errorBox.show(message);
  }

  // Puts text at a field's selection the way the field's own typing does,
  // so that Ctrl+Z takes it back; the field's input event then reaches the
  // form. A field without the focus (typing replayed when the module gets
  // ready) takes it directly.
  let inserting = false;
  function insert(edit, text) {
    if (text === '') return;
    if (document.activeElement === edit) {
      inserting = true;
      try {
        document.execCommand('insertText', false, text);
      } finally {
        inserting = false;
      }
      return;
    }
    edit.setRangeText(text, edit.selectionStart, edit.selectionEnd, 'end');
    inputEdited(edit);
  }

  // Typing that arrives before the module is ready waits for it; other
  // editing is refused until then.
  const pendingTyping = [];

  for (const edit of inputEdits) {
    // A composition (dead keys, an input method) is typing too: nothing runs
    // while it is open, and its committed text is kept as typed text is.
    let beforeComposition = null;
    edit.addEventListener('compositionstart', () => {
      beforeComposition = {text: edit.value, start: edit.selectionStart, end: edit.selectionEnd};
    });
    edit.addEventListener('compositionend', (event) => {
      if (beforeComposition === null) return;
      const {text, start, end} = beforeComposition;
      beforeComposition = null;
      const kept = module ? module.keptTypedText(event.data) : '';
      edit.value = text.slice(0, start) + kept + text.slice(end);
      edit.setSelectionRange(start + kept.length, start + kept.length);
      if (module && edit.value !== text) inputEdited(edit);
    });
    edit.addEventListener('input', (event) => {
      if (module && !event.isComposing && beforeComposition === null) inputEdited(edit);
    });
    // Typed text goes through the form's rule; the editing commands (paste,
    // cut, undo, redo, deleting) and drops are the field's own, as on the
    // desktop.
    edit.addEventListener('beforeinput', (event) => {
      if (inserting || event.isComposing) return;
      const typed = event.inputType === 'insertText' && event.data !== null;
      if (!module) {
        event.preventDefault();
        if (typed) pendingTyping.push({edit, text: event.data});
        return;
      }
      if (!typed) return;
      const kept = module.keptTypedText(event.data);
      if (kept === event.data) return;
      event.preventDefault();
      insert(edit, kept);
    });
    // A paste (Ctrl+V, Shift+Insert, the context menu) keeps what the form
    // keeps of it; the browser would join the lines instead.
    edit.addEventListener('paste', (event) => {
      if (!module) return event.preventDefault();
      const pasted = event.clipboardData.getData('text/plain');
      const kept = module.firstLine(pasted);
      if (kept === pasted) return;
      event.preventDefault();
      insert(edit, kept);
    });
  }

  function clearAll() {
    form.clear();
    printedReport.draw(form.printedReport());
  }

  function showAbout(focusAfter) {
    aboutWindow.show(focusAfter);
  }

  // The report's RTF, the desktop's bytes for the same six texts, downloaded
  // under the name the desktop's save dialog proposes.
  function saveReport() {
    const rtf = form.reportRtf();
    if (typeof rtf === 'string') return errorBox.show(rtf);
    const url = URL.createObjectURL(new Blob([rtf], {type: 'application/rtf'}));
    const link = document.createElement('a');
    link.href = url;
    link.download = 'Percentuale di discordanza.rtf';
    link.click();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  // Alt+letter (the accesskey) focuses the button before clicking it; the
  // desktop clicks without moving the focus, so it goes back afterwards.
  let altHeld = false;
  let accessKeyReturn = null;
  addEventListener('keydown', (event) => { altHeld = event.altKey; }, true);
  addEventListener('keyup', (event) => { altHeld = event.altKey; }, true);
  addEventListener('blur', () => { altHeld = false; });

  function connect(button, action) {
    button.addEventListener('focus', (event) => {
      accessKeyReturn = altHeld && mainWindow.contains(event.relatedTarget) ? event.relatedTarget : null;
    });
    button.addEventListener('click', () => {
      // The window is inert under a modal box, but its access keys still
      // reach its buttons.
      if (document.querySelector('dialog[open]')) return;
      const returnTo = accessKeyReturn;
      accessKeyReturn = null;
      if (form) action(returnTo || button);
      if (returnTo && !document.querySelector('dialog[open]')) returnTo.focus();
    });
  }
  connect(clearButton, clearAll);
  connect(aboutButton, showAbout);
  connect(saveButton, saveReport);

  // The tab order is the document order of the enabled fields and buttons,
  // and it wraps around as in a window: Tab from the last goes to the first.
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

  // On a focused button the letter alone clicks its button, and the arrows
  // move through the tab order as Tab and Shift+Tab do.
  for (const button of buttons) {
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
      const target = buttons.find((other) => other.accessKey.toLowerCase() === event.key.toLowerCase());
      if (!target) return;
      event.preventDefault();
      if (!target.disabled) target.click();
    });
  }

  // The decimal point of the browser's language, for the module's one-byte
  // separator rule; read again when the language changes.
  function decimalPoint() {
    try {
      const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
      const decimal = parts.find((part) => part.type === 'decimal');
      return decimal ? decimal.value : '';
    } catch {
      return '';
    }
  }

  createDiscordanza().then((instance) => {
    module = instance;
    module.setDecimalSeparator(decimalPoint());
    addEventListener('languagechange', () => module.setDecimalSeparator(decimalPoint()));
    const {Input, Result} = module;
    editOfInput = new Map([[Input.BaseAmount, baseAmountEdit], [Input.Discount, discountEdit],
                           [Input.ContractorTotal, contractorTotalEdit]]);
    inputOfEdit = new Map([...editOfInput].map(([input, edit]) => [edit, input]));
    editOfResult = new Map([[Result.ComputedTotal, byId('computedTotalEdit')], [Result.Difference, byId('differenceEdit')],
                            [Result.Percentage, byId('discrepancyEdit')]]);
    form = new module.PageForm(view);
    printedReport.draw(form.printedReport());
    performance.mark('discordanza-ready');
    document.documentElement.dataset.ready = 'true';
    // Keys pressed before this script ran reached the fields unseen: their
    // text is taken as typed. Keys pressed since then were held back.
    for (const edit of inputEdits) edit.value = module.keptTypedText(edit.value);
    for (const {edit, text} of pendingTyping.splice(0)) insert(edit, module.keptTypedText(text));
    for (const edit of inputEdits.filter((edit) => edit.value !== '')) inputEdited(edit);
  });
})();
