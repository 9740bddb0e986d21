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
  const saveButton = byId('awardSaveButton');

  // The decimals a tender may admit, 0 to the most the award check takes,
  // with the check's own default chosen.
  const [most, chosen] = [Number(decimalsSelect.dataset.most), Number(decimalsSelect.dataset.default)];
  for (let decimals = 0; decimals <= most; decimals++) {
    decimalsSelect.add(new Option(String(decimals), String(decimals), decimals === chosen, decimals === chosen));
  }

  // Binds the controls to the module; what they hold already (a browser
  // may restore a form) is handed on first.
  function bind(module, actions) {
    const amounts = [['safetyCostsEdit', module.editSafetyCosts], ['labourCostsEdit', module.editLabourCosts]];
    for (const [id, edited] of amounts) fields.guard(byId(id), edited);
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
    // The figures as [id, text, shown] rows, in the figures' table's order:
    // each id names its output and label, which a figure without a line
    // now (the note without a note) hides.
    showTexts(figures) {
      for (const [id, text, shown] of figures) {
        byId(id + 'Output').value = text;
        for (const element of [byId(id + 'Label'), byId(id + 'Output')]) element.hidden = !shown;
      }
    },
    showError(line) {
      errorLabel.textContent = line;
    },
    showSaveEnabled(enabled) {
      saveButton.disabled = !enabled;
    },
    // The module is ready; actions: {download(bytes, fileName),
    // showError(message)} for the report's export.
    start(module, actions) {
      if (section.open) return bind(module, actions);
      section.addEventListener('toggle', () => bind(module, actions), {once: true});
    },
  };
})();
