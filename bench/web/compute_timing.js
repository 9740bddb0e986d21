// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

'use strict';
// Times computeTexts of the module's test build (tests/web/computed_row.cpp,
// form::ComputeResults in WebAssembly) the way compute_timing.cpp
// times the native ComputeTexts: the rows "base;discount;total" of a file,
// all computed in a loop from JavaScript (so each computation includes the
// crossing into the module and back, with its string conversions), the loop
// repeated, the best pass reported. One line of output:
//   webassembly <ns per computation> <rows> <checksum>
//   node compute_timing.js MODULE ROWS_FILE [PASSES]
// With --write-rows COUNT SEED it writes realistic rows to ROWS_FILE instead.
const fs = require('fs');
const path = require('path');
const {realisticRows} = require('../../tests/web/generated_rows.js');

async function main() {
  const args = process.argv.slice(2);
  if (args[0] === '--write-rows') {
    const [, file, count, seed] = args;
    fs.writeFileSync(file, realisticRows(Number(count), Number(seed)).map((row) => row.join(';')).join('\n') + '\n');
    return;
  }
  const [modulePath, rowsFile, passesText = '7'] = args;
  const module = await require(path.resolve(modulePath))();
  const rows = fs.readFileSync(rowsFile, 'utf8').split('\n').filter(Boolean).map((line) => line.split(';'));
  let best = Infinity;
  let checksum = 0;
  for (let pass = 0; pass < Number(passesText); ++pass) {
    checksum = 0;
    const start = process.hrtime.bigint();
    for (const [base, discount, total] of rows) {
      const texts = module.computeTexts(base, discount, total, 44);
      checksum += texts.computedTotal.length + texts.difference.length + texts.discrepancy.length + texts.error.length;
    }
    const elapsed = Number(process.hrtime.bigint() - start);
    best = Math.min(best, elapsed / rows.length);
  }
  console.log(`webassembly ${best.toFixed(1)} ${rows.length} ${checksum}`);
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
