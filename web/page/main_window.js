// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

'use strict';
// The page's start: once the WebAssembly module is ready, the form behind
// the page draws through the fields, the buttons, the award section, the
// printed reports and the error box, and the buttons' actions reach it. Every rule (what a field
// keeps, when to compute, what an error says, the file's name) is the
// module's; the page draws, keeps the focus and opens the boxes.

// The module's WebAssembly is compiling since the page's head.
const instantiateWasm = (imports, receive) => {
  discordanzaWasm.then((compiled) => WebAssembly.instantiate(compiled, imports)).then(receive);
  return {};
};

createDiscordanza({instantiateWasm}).then((module) => {
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
  module.setDecimalSeparator(decimalPoint());
  addEventListener('languagechange', () => module.setDecimalSeparator(decimalPoint()));

  const caption = module.titleFromPath(decodeURIComponent(location.pathname));
  const showError = (message) => errorBox.show(caption, module.withFullStop(message));

  module.startForm({
    showInput: fields.showInput,
    showResult: fields.showResult,
    showSaveEnabled: buttons.showSaveEnabled,
    showPrintedReport: printedReport.draw,
    showError,
    showAwardTexts: awardSection.showTexts,
    showAwardError: awardSection.showError,
    showAwardSaveEnabled: awardSection.showSaveEnabled,
    showPrintedAwardReport: printedReport.drawAward,
  });

  // A report's RTF, downloaded under the name the desktop's save dialog
  // proposes.
  function download(rtf, fileName) {
    const url = URL.createObjectURL(new Blob([rtf], {type: 'application/rtf'}));
    const link = document.createElement('a');
    link.href = url;
    link.download = fileName;
    link.click();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }
  const saveButton = document.getElementById('saveButton');
  function saveReport() {
    let rtf;
    try {
      rtf = module.reportRtf();
    } catch (error) {
      return showError(error.message);
    }
    download(rtf, saveButton.dataset.fileName);
  }

  buttons.start({
    clearButton: () => module.clearForm(),
    aboutButton: (focusAfter) => aboutWindow.show(focusAfter),
    saveButton: saveReport,
  });
  performance.mark('discordanza-ready');
  document.documentElement.dataset.ready = 'true';
  fields.start(module, (input, text) => module.editInput(input, text));
  awardSection.start(module, {download, showError});
  aboutWindow.start();
});
