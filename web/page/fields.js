// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

'use strict';
// The six fields of the main window, and the rules of every input field of
// the page (the award section's two amounts take them too, through guard).
// Typed text reaches an input through the form's typing rule (the main
// inputs turn a typed point into the decimal separator, the award's amounts
// keep an amount as written), a paste
// through its first-line rule, a composition (dead keys, an input method)
// through the typing rule once committed; every change of an input's text is
// handed on, whatever made it. The editing commands (cut, undo, redo,
// deleting) and drops are the field's own, as on the desktop. Keys typed
// before the module is ready wait in a queue.

const fields = (() => {
  const byId = (id) => document.getElementById(id);
  // In the order of form::kInputs and form::kResults.
  const inputEdits = ['baseAmountEdit', 'discountEdit', 'contractorTotalEdit'].map(byId);
  const resultEdits = ['computedTotalEdit', 'differenceEdit', 'discrepancyEdit'].map(byId);

  let rules = null;  // the module's keptTypedText and firstLine, once ready
  let mainEdited = null;  // mainEdited(input, text), once ready
  const onEdited = new Map();  // each guarded field: edited(text)
  const asWritten = new Set();  // the guarded fields that keep an amount as written
  const keptTyped = (edit, text) => rules.keptTypedText(text, asWritten.has(edit));
  const pendingTyping = [];

  // The first edit is marked on the page's clock for the start-up benchmark.
  let marked = false;
  function inputEdited(edit) {
    if (!marked) performance.mark('discordanza-first-edit');
    marked = true;
    onEdited.get(edit)(edit.value);
  }

  // Puts text at a field's selection the way the field's own typing does,
  // so that Ctrl+Z takes it back; the field's input event then hands it on.
  // A field without the focus (queued typing) takes it directly.
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

  // Gives an input field the rules; edited(text) takes every change of its
  // text once the module is ready.
  function guard(edit, edited, keepsAsWritten) {
    onEdited.set(edit, edited);
    if (keepsAsWritten) asWritten.add(edit);
    // Nothing runs while a composition is open.
    let beforeComposition = null;
    edit.addEventListener('compositionstart', () => {
      beforeComposition = {text: edit.value, start: edit.selectionStart, end: edit.selectionEnd};
    });
    edit.addEventListener('compositionend', (event) => {
      if (beforeComposition === null) return;
      const {text, start, end} = beforeComposition;
      beforeComposition = null;
      const kept = rules ? keptTyped(edit, event.data) : '';
      edit.value = text.slice(0, start) + kept + text.slice(end);
      edit.setSelectionRange(start + kept.length, start + kept.length);
      if (rules && edit.value !== text) inputEdited(edit);
    });
    edit.addEventListener('input', (event) => {
      if (rules && !event.isComposing && beforeComposition === null) inputEdited(edit);
    });
    // Before the module is ready, typed text is queued and other editing
    // refused.
    edit.addEventListener('beforeinput', (event) => {
      if (inserting || event.isComposing) return;
      const typed = event.inputType === 'insertText' && event.data !== null;
      if (!rules) {
        event.preventDefault();
        if (typed) pendingTyping.push({edit, text: event.data});
        return;
      }
      if (!typed) return;
      const kept = keptTyped(edit, event.data);
      if (kept === event.data) return;
      event.preventDefault();
      insert(edit, kept);
    });
    // The browser would join a paste's lines (Ctrl+V, Shift+Insert, the
    // context menu).
    edit.addEventListener('paste', (event) => {
      if (!rules) return event.preventDefault();
      const pasted = event.clipboardData.getData('text/plain');
      const kept = rules.firstLine(pasted);
      if (kept === pasted) return;
      event.preventDefault();
      insert(edit, kept);
    });
  }
  inputEdits.forEach((edit, input) => guard(edit, (text) => mainEdited(input, text), false));

  return {
    showInput(input, text) {
      inputEdits[input].value = text;
    },
    // A result's whole text is also its tooltip and its accessible
    // description, since a long one does not fit its field.
    showResult(result, text) {
      const edit = resultEdits[result];
      edit.value = text;
      edit.title = text;
      edit.setAttribute('aria-description', text);
    },
    // The module is ready: `module` gives the rules, `edited(input, text)`
    // takes every change of the main window's inputs. Keys pressed before
    // this script ran reached the fields unseen and are taken as typed;
    // those since then were queued.
    start(module, edited) {
      rules = module;
      mainEdited = edited;
      for (const edit of inputEdits) edit.value = keptTyped(edit, edit.value);
      for (const {edit, text} of pendingTyping.splice(0)) insert(edit, keptTyped(edit, text));
      for (const edit of inputEdits.filter((edit) => edit.value !== '')) inputEdited(edit);
    },
    // An award amount of the page, once the module is ready: it takes the
    // rules, an amount as written, and any text it already holds is taken
    // as typed.
    guardAmount(edit, edited) {
      guard(edit, edited, true);
      edit.value = keptTyped(edit, edit.value);
      if (edit.value !== '') inputEdited(edit);
    },
  };
})();
