// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

'use strict';
// Seeded rows of three amount texts for the web edition's tests: realistic
// tender figures, lenient texts (thousands dots, letters, signs, spaces,
// non-ASCII, several separators), extremes (long digit strings, tiny and huge
// values) and rows made to reach each error kind: conversion error, division
// by zero, invalid operation and overflow. The same seed gives the same rows.
// No field is empty or holds ";", a quote or a line break, so the rows pass
// through the companion's CSV unchanged.

function randomSource(seed) {
  let state = seed >>> 0;
  const next = () => {  // mulberry32
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  const int = (low, high) => low + Math.floor(next() * (high - low + 1));
  const pick = (items) => items[int(0, items.length - 1)];
  const digits = (count) => {
    let text = String(int(1, 9));
    while (text.length < count) text += String(int(0, 9));
    return text;
  };
  return {next, int, pick, digits};
}

function decimal(value, places, separator) {
  const text = value.toFixed(places);
  return separator === '.' ? text : text.replace('.', separator);
}

function makeRowMaker(seed, separator) {
  const r = randomSource(seed);
  const sep = separator;
  const noise = ['a', 'x', ' ', '-', '+', '%', '€', 'à', '\u00a0', '\'', '/', '\t', 'E', 'e'];

  const realistic = () => {
    const base = r.int(1000, 200000000) + (r.next() < 0.5 ? r.int(0, 99) / 100 : 0);
    const discount = r.next() * 60;
    const total = base * (1 - discount / 100) * (0.9 + r.next() * 0.2);
    return [decimal(base, r.int(0, 2), sep), decimal(discount, r.int(0, 4), sep), decimal(total, r.int(0, 3), sep)];
  };
  const sprinkle = (text) => {
    let out = '';
    for (const character of text) {
      if (r.next() < 0.15) out += r.pick(noise);
      out += character;
    }
    return r.next() < 0.3 ? out + r.pick(noise) : out;
  };
  const lenient = () => {
    const row = realistic().map(sprinkle);
    if (r.next() < 0.3) row[0] = row[0].replace(/(\d)(?=(\d{3})+(\D|$))/g, '$1.');  // thousands dots
    if (r.next() < 0.2) row[r.int(0, 2)] += sep + r.digits(r.int(1, 3));       // a second separator
    return row;
  };
  const digitString = () => {
    const length = r.int(1, 40);
    let text = r.digits(length);
    if (r.next() < 0.7) {
      const at = r.int(0, text.length);
      text = text.slice(0, at) + sep + text.slice(at);
    }
    if (r.next() < 0.2) text = '0'.repeat(r.int(1, 30)) + text;
    return text;
  };
  const extremes = () => [digitString(), r.next() < 0.5 ? digitString() : String(r.int(0, 100)), digitString()];
  const tiny = () => '0' + sep + '0'.repeat(r.int(290, 330)) + r.digits(r.int(1, 5));
  const huge = () => r.digits(r.int(300, 320));
  const zero = () => r.pick(['0', '00', '0' + sep + '0', sep + '0', '0' + sep, '000' + sep + '000']);
  const noDigits = () => r.pick(['abc', '-', sep, sep + sep, '€', ' ', 'x' + sep + 'y', 'E']);

  const makers = [
    [0.50, realistic],
    [0.15, lenient],
    [0.15, extremes],
    [0.04, () => [noDigits(), ...realistic().slice(1)]],                            // conversion error
    [0.03, () => { const row = realistic(); row[r.int(1, 2)] = noDigits(); return row; }],
    [0.03, () => [realistic()[0], realistic()[1], zero()]],                         // division by zero
    [0.03, () => [zero(), realistic()[1], zero()]],                                 // invalid operation
    [0.02, () => [realistic()[0], '100', zero()]],                                  // invalid: B = 0, D = 0
    [0.02, () => [huge(), realistic()[1], realistic()[2]]],                         // overflow reading A
    [0.02, () => [r.digits(r.int(1, 6)) + '0'.repeat(r.int(296, 302)), '0', tiny()]],  // overflow of Q
    [0.01, () => [tiny(), digitString(), tiny()]],                                  // subnormal results
  ];
  const makeRow = () => {
    let roll = r.next();
    for (const [share, make] of makers) {
      if (roll < share) return make();
      roll -= share;
    }
    return realistic();
  };
  makeRow.realistic = realistic;
  return makeRow;
}

// `count` rows, each an array of three texts written with `separator`.
function generateRows(count, seed, separator = ',') {
  const make = makeRowMaker(seed, separator);
  return Array.from({length: count}, make);
}

// `count` realistic tender rows only: what one computation usually meets.
function realisticRows(count, seed) {
  const make = makeRowMaker(seed, ',');
  return Array.from({length: count}, () => make.realistic());
}

module.exports = {generateRows, realisticRows};
