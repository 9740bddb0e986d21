// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

'use strict';
// The award check's section below the main window, closed until opened. It
// draws what the award form pushes (the figures, the error line, whether its
// report may be saved), open or closed, and hands the award form the
// section's own inputs: the two excluded amounts under the fields' rules,
// the discount's decimals and the guarantee. Its controls are bound when the
// section first opens, since nothing reaches a closed section: the page's
// start does not wait for them.

const awardSection = (() => {
  const byId = (id) => document.getElementById(id);
  const section = byId('awardSection');
  const decimalsSelect = byId('discountDecimalsSelect');
  const belowThresholdRadio = byId('belowThresholdGuaranteeRadio');
  const errorLabel = byId('awardErrorLabel');
  const warningLabel = byId('awardWarningLabel');
  const figures = byId('awardFigures');
  const saveButton = byId('awardSaveButton');
  const mainSaveButton = byId('saveButton');

  // The decimals a tender may admit, 0 to the most the award check takes,
  // with the check's own default chosen.
  const [most, chosen] = [Number(decimalsSelect.dataset.most), Number(decimalsSelect.dataset.default)];
  for (let decimals = 0; decimals <= most; decimals++) {
    decimalsSelect.add(new Option(String(decimals), String(decimals), decimals === chosen, decimals === chosen));
  }

  // Inside the section, Alt+S and, on its Salva, the letter alone save the
  // award report, as in the desktop's award window: the main window's Salva
  // gives up its access key while the focus is here, and the browser's
  // access keys, which act before any script, find none.
  section.addEventListener('focusin', () => mainSaveButton.removeAttribute('accesskey'));
  section.addEventListener('focusout', (event) => {
    if (!section.contains(event.relatedTarget)) mainSaveButton.setAttribute('accesskey', 's');
  });
  section.addEventListener('keydown', (event) => {
    if (event.ctrlKey || event.metaKey || event.key.toLowerCase() !== 's') return;
    if (!event.altKey && event.target !== saveButton) return;
    event.preventDefault();
    if (!saveButton.disabled) saveButton.click();
  });

  // Binds the controls to the module; what they hold already (a browser
  // may restore a form) is handed on first.
  function bind(module, actions) {
    const amounts = [['safetyCostsEdit', module.editSafetyCosts], ['labourCostsEdit', module.editLabourCosts]];
    for (const [id, edited] of amounts) fields.guardAmount(byId(id), edited);
    const decimalsChosen = () => module.setDiscountDecimals(Number(decimalsSelect.value));
    const guaranteeKindChosen = () => module.setGuaranteeKind(belowThresholdRadio.checked);
    decimalsSelect.addEventListener('change', decimalsChosen);
    for (const radio of section.querySelectorAll('input[type=radio]')) radio.addEventListener('change', guaranteeKindChosen);
    decimalsChosen();
    guaranteeKindChosen();
    saveButton.addEventListener('click', () => {
      let rtf;
      try {
        rtf = module.awardReportRtf();
      } catch (error) {
        return actions.showError(error.message);
      }
      if (rtf) actions.download(rtf, saveButton.dataset.fileName);
    });
  }

  return {
    // The figures as [id, text, shown] rows, in the figures' table's order
    // (each id names its output and label, which a figure without a line
    // now, the note without a note, hides), and the check's warnings.
    showTexts({figures: rows, warnings}) {
      for (const [id, text, shown] of rows) {
        byId(id + 'Output').value = text;
        for (const element of [byId(id + 'Label'), byId(id + 'Output')]) element.hidden = !shown;
      }
      warningLabel.textContent = warnings.map((warning) => warning + '.').join('\n');
    },
    showError(line) {
      errorLabel.textContent = line;
    },
    // The figures may be saved exactly while they are those of the inputs;
    // otherwise they stay in view, grey, and each is described as stale.
    showSaveEnabled(enabled) {
      saveButton.disabled = !enabled;
      figures.classList.toggle('stale', !enabled);
      warningLabel.classList.toggle('stale', !enabled);
      for (const output of figures.querySelectorAll('output')) {
        if (enabled) output.removeAttribute('aria-describedby');
        else output.setAttribute('aria-describedby', 'staleFigureNote');
      }
    },
    // The module is ready; actions: {download(bytes, fileName),
    // showError(message)} for the report's export.
    start(module, actions) {
      if (section.open) return bind(module, actions);
      section.addEventListener('toggle', () => bind(module, actions), {once: true});
    },
  };
})();
