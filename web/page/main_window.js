'use strict';
// The main window: three input fields whose every edit runs the change
// handling of the WebAssembly module (the same ComputeDiscrepancy as the
// desktop window: Salva enabled first, results written only when the whole
// computation succeeds, so an error keeps the old results and everything
// typed), the input filter, the buttons and their keys.

(() => {
  const byId = (id) => document.getElementById(id);
  // Indexed as the change handling names them: Edit1, Edit2, Edit3 (inputs),
  // Edit4, Edit5, Edit6 (results).
  const fields = ['Edit1', 'Edit2', 'Edit3', 'Edit4', 'Edit5', 'Edit6'].map(byId);
  const inputs = fields.slice(0, 3);
  const save = byId('Button4');
  const clear = byId('Button1');
  const about = byId('Button2');
  const buttons = [save, clear, about];
  const form = byId('Form1');

  let module = null;  // the WebAssembly module once it is ready
  let edited = false;

  const pageFields = {
    text: (index) => fields[index].value,
    setText: (index, text) => {
      if (fields[index].value !== text) fields[index].value = text;
    },
    setSaveEnabled: (enabled) => {
      save.disabled = !enabled;
    },
  };

  // Edit1Change: the change handling of the three inputs. An edit made
  // before the module is ready is computed as soon as it is. The first edit
  // is marked on the page's clock for the start-up benchmark.
  function edit1Change() {
    if (!edited) performance.mark('discordanza-first-edit');
    edited = true;
    if (!module) return;
    const message = module.computeDiscrepancy(pageFields);
    if (message) errorBox.show(message);
  }

  // Edit1KeyPress: digits and "," pass, "." becomes ",", anything else is
  // dropped silently.
  function filterTyped(text) {
    let kept = '';
    for (const character of text) {
      if ((character >= '0' && character <= '9') || character === ',') kept += character;
      else if (character === '.') kept += ',';
    }
    return kept;
  }

  for (const input of inputs) {
    // A composition (dead keys, an input method) is typing too: nothing runs
    // while it is open, and its committed text goes through the filter.
    let beforeComposition = null;
    input.addEventListener('compositionstart', () => {
      beforeComposition = {text: input.value, start: input.selectionStart, end: input.selectionEnd};
    });
    input.addEventListener('compositionend', (event) => {
      if (beforeComposition === null) return;
      const {text, start, end} = beforeComposition;
      beforeComposition = null;
      const kept = filterTyped(event.data);
      input.value = text.slice(0, start) + kept + text.slice(end);
      input.setSelectionRange(start + kept.length, start + kept.length);
      if (input.value !== text) edit1Change();
    });
    input.addEventListener('input', (event) => {
      if (!event.isComposing && beforeComposition === null) edit1Change();
    });
    // Typed characters go through the filter; a paste from the context menu
    // or Shift+Insert, a drop and the deletions are the field's own editing,
    // unfiltered, as on the desktop.
    input.addEventListener('beforeinput', (event) => {
      if (event.inputType !== 'insertText' || event.data === null) return;
      const kept = filterTyped(event.data);
      if (kept === event.data) return;
      event.preventDefault();
      if (kept === '') return;
      const before = input.value;
      input.setRangeText(kept, input.selectionStart, input.selectionEnd, 'end');
      if (input.value !== before) edit1Change();
    });
    // A pasted text keeps its first line only, as the desktop's single-line
    // field keeps it (a spreadsheet cell comes with CR LF); the browser would
    // join the lines instead.
    input.addEventListener('paste', (event) => {
      const pasted = event.clipboardData.getData('text/plain');
      const lineBreak = pasted.search(/[\r\n]/);
      if (lineBreak < 0) return;
      event.preventDefault();
      const before = input.value;
      input.setRangeText(pasted.slice(0, lineBreak), input.selectionStart, input.selectionEnd, 'end');
      if (input.value !== before) edit1Change();
    });
    // Ctrl with a letter types a control character (copy, paste, cut, undo
    // among them), which the filter discards.
    input.addEventListener('keydown', (event) => {
      if (event.ctrlKey && !event.altKey && /^[a-z@[\\\]^_]$/i.test(event.key)) event.preventDefault();
    });
  }

  // Button1Click: empties Edit1 to Edit6 in this order. Each input that held
  // text runs the change handling as it is emptied, finds Edit1 empty and
  // only disables Salva.
  function button1Click() {
    fields.forEach((field, index) => {
      if (field.value === '') return;
      field.value = '';
      if (index < 3) edit1Change();
    });
  }

  function button2Click(focusAfter) {
    aboutWindow.show(focusAfter);
  }

  // Button4Click: the report's RTF, the desktop's bytes for the same six
  // texts, downloaded under the name the desktop's save dialog proposes.
  function button4Click() {
    const rtf = module.reportRtf({
      baseAmount: fields[0].value,
      discount: fields[1].value,
      contractorTotal: fields[2].value,
      computedTotal: fields[3].value,
      difference: fields[5].value,
      percentage: fields[4].value,
    });
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

  function onClick(button, action) {
    button.addEventListener('focus', (event) => {
      accessKeyReturn = altHeld && form.contains(event.relatedTarget) ? event.relatedTarget : null;
    });
    button.addEventListener('click', () => {
      // The window is inert under a modal box, but its access keys still
      // reach its buttons.
      if (document.querySelector('dialog[open]')) return;
      const returnTo = accessKeyReturn;
      accessKeyReturn = null;
      action(returnTo || button);
      if (returnTo && !byId('CalmoraAboutForm').open && !byId('ErrorBox').open) returnTo.focus();
    });
  }
  onClick(clear, button1Click);
  onClick(about, button2Click);
  onClick(save, button4Click);

  // The tab order is the document order of the enabled fields and buttons,
  // and it wraps around as in a window: Tab from the last goes to Edit1.
  const tabOrder = () => [...form.querySelectorAll('input, button')].filter((element) => !element.disabled);
  function focusByKey(element) {
    element.focus();
    if (element.tagName === 'INPUT') element.select();
  }
  form.addEventListener('keydown', (event) => {
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

  // The logo is drawn without the pixels of its bottom-left pixel's colour.
  function makeLogoTransparent(image) {
    const canvas = document.createElement('canvas');
    canvas.width = image.naturalWidth;
    canvas.height = image.naturalHeight;
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    const picture = context.getImageData(0, 0, canvas.width, canvas.height);
    const pixels = picture.data;
    const key = (canvas.height - 1) * canvas.width * 4;
    for (let at = 0; at < pixels.length; at += 4) {
      const same = pixels[at] === pixels[key] && pixels[at + 1] === pixels[key + 1] &&
                   pixels[at + 2] === pixels[key + 2];
      if (same) pixels[at + 3] = 0;
    }
    context.putImageData(picture, 0, 0);
    image.src = canvas.toDataURL('image/png');
  }
  const logo = byId('Image1');
  if (logo.complete) makeLogoTransparent(logo);
  else logo.addEventListener('load', () => makeLogoTransparent(logo), {once: true});

  // The decimal separator of the browser's language, read again when the
  // language changes; the module keeps "." unless it is one ASCII character.
  function localeSeparator() {
    try {
      const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
      const decimal = parts.find((part) => part.type === 'decimal');
      return decimal ? decimal.value : '.';
    } catch {
      return '.';
    }
  }

  createDiscordanza().then((instance) => {
    module = instance;
    module.setDecimalSeparator(localeSeparator());
    addEventListener('languagechange', () => module.setDecimalSeparator(localeSeparator()));
    performance.mark('discordanza-ready');
    document.documentElement.dataset.ready = 'true';
    if (edited) edit1Change();
  });
})();
