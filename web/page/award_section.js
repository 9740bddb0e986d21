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
  const decimalsSpin = byId('discountDecimalsSpin');
  const belowThresholdRadio = byId('belowThresholdGuaranteeRadio');
  const errorLabel = byId('awardErrorLabel');
  const saveButton = byId('awardSaveButton');
  // Each figure's output, by its name in the texts the form pushes.
  const results = ['discountedBase', 'contractAmount', 'amountInWords', 'impliedDiscount', 'contractorMinusContract',
    'outcome', 'guarantee', 'note'].map((name) => [name, byId(name + 'Edit')]);

  // The decimals a tender may admit, 0 to the most the award check takes,
  // with the check's own default chosen.
  const [most, chosen] = [Number(decimalsSpin.dataset.most), Number(decimalsSpin.dataset.default)];
  for (let decimals = 0; decimals <= most; decimals++) {
    decimalsSpin.add(new Option(String(decimals), String(decimals), decimals === chosen, decimals === chosen));
  }

  // Binds the controls to the module; what they hold already (a browser
  // may restore a form) is handed on first.
  function bind(module, actions) {
    const amounts = [['safetyCostsEdit', module.editSafetyCosts], ['labourCostsEdit', module.editLabourCosts]];
    for (const [id, edited] of amounts) fields.guard(byId(id), edited);
    const decimalsChosen = () => module.setDiscountDecimals(Number(decimalsSpin.value));
    const guaranteeChosen = () => module.setGuarantee(belowThresholdRadio.checked);
    decimalsSpin.addEventListener('change', decimalsChosen);
    for (const radio of section.querySelectorAll('input[type=radio]')) radio.addEventListener('change', guaranteeChosen);
    decimalsChosen();
    guaranteeChosen();
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
    showTexts(texts) {
      for (const [name, output] of results) output.value = texts[name];
      const noteShown = texts.note !== '';
      for (const element of [byId('noteLabel'), byId('noteEdit')]) element.hidden = !noteShown;
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
