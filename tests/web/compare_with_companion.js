// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

'use strict';
// The calculation in WebAssembly (the module's test build,
// tests/web/computed_row.cpp) against the native companion, text for text:
// every generated row is computed by both, the companion through its CSV mode, and
// the three result texts and the error message must be equal. Fails too when
// the rows stop reaching one of the four error kinds.
//   node compare_with_companion.js MODULE COMPANION [ROWS] [SEED]
const {spawnSync} = require('child_process');
const path = require('path');
const {generateRows} = require('./generated_rows.js');

const [modulePath, companion, rowsText = '100000', seedText = '20261208'] = process.argv.slice(2);
const errorKinds = {
  conversion: /is not a valid floating point value$/,
  'division by zero': /^Floating point division by zero$/,
  'invalid operation': /^Invalid floating point operation$/,
  overflow: /^Floating point overflow$/,
};

// Each text quoted, so that the companion reads it byte for byte (its CSV
// reader drops the spaces around an unquoted field); its answer holds the
// three texts and then the four computed columns, which never need quotes.
function quoted(text) {
  return '"' + text.replace(/"/g, '""') + '"';
}

function companionRows(rows, separator) {
  const input = rows.map((row) => row.map(quoted).join(';')).join('\n') + '\n';
  const run = spawnSync(companion, ['--csv', '--separator', separator], {input, maxBuffer: 1 << 28});
  if (run.status !== 0) throw new Error(`${companion} exited with ${run.status}: ${run.stderr}`);
  return run.stdout.toString('utf8').split('\n').slice(0, -1).map((line) => line.split(';').slice(-4));
}

function compare(module, rows, separator) {
  const expected = companionRows(rows, separator);
  if (expected.length !== rows.length) throw new Error(`companion wrote ${expected.length} rows of ${rows.length}`);
  const kinds = Object.fromEntries(Object.keys(errorKinds).map((kind) => [kind, 0]));
  const differences = [];
  rows.forEach((row, index) => {
    const got = module.computeTexts(row[0], row[1], row[2], separator.charCodeAt(0));
    const actual = [got.computedTotal, got.difference, got.discrepancy, got.error];
    if (actual.join(';') !== expected[index].join(';')) differences.push({row, actual, expected: expected[index]});
    for (const [kind, pattern] of Object.entries(errorKinds)) if (pattern.test(got.error)) kinds[kind] += 1;
  });
  return {kinds, differences};
}

async function main() {
  const module = await require(path.resolve(modulePath))();
  const count = Number(rowsText);
  const seed = Number(seedText);
  let failed = false;
  // Every row with the Italian separator, a fifth of them again with ".".
  for (const [separator, rows] of [[',', generateRows(count, seed, ',')],
                                   ['.', generateRows(Math.ceil(count / 5), seed + 1, '.')]]) {
    const {kinds, differences} = compare(module, rows, separator);
    const tally = Object.entries(kinds).map(([kind, n]) => `${kind} ${n}`).join(', ');
    console.log(`compare: ${rows.length} rows with separator "${separator}": ${differences.length} differences; ` +
                `errors: ${tally}`);
    for (const difference of differences.slice(0, 5)) {
      console.log(`  row      ${JSON.stringify(difference.row)}\n  module   ${JSON.stringify(difference.actual)}\n` +
                  `  companion ${JSON.stringify(difference.expected)}`);
    }
    const missing = Object.entries(kinds).filter(([, n]) => n === 0).map(([kind]) => kind);
    if (missing.length) console.log(`  no row reached: ${missing.join(', ')}`);
    failed = failed || differences.length > 0 || missing.length > 0;
  }
  process.exit(failed ? 1 : 0);
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
