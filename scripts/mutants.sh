#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Calmora Studio
# SPDX-License-Identifier: EUPL-1.2
#
# Plants single faults in a scratch copy of the committed tree, one at a
# time, rebuilds it incrementally in one build folder (the default
# configuration without the benchmarks) and runs that build's whole ctest
# suite; prints a table of the faults the suite caught and those that
# survived. The sanitizer build is not run: it holds the same tests.
#   scripts/mutants.sh [-d SCRATCH] [NUMBER...]
# SCRATCH defaults to /tmp/discordanza-mutants; NUMBERs pick faults from the
# list below, in the order given. Each fault replaces one exact text, found
# once, in one file; a fault whose text is no longer there is reported "not
# planted", one that does not compile "not built". A single fault takes a
# minute or more.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
scratch=/tmp/discordanza-mutants
if [[ "${1:-}" == -d ]]; then scratch=$2; shift 2; fi

files=() froms=() tos=() whats=()
fault() { files+=("$1"); froms+=("$2"); tos+=("$3"); whats+=("$4"); }

# calc/: the arithmetic, the reading of amounts and the formatting.
fault calc/discrepancy.cpp 'Store(a - a * Extended::FromDouble(r))' \
  'Store(a * (Extended::FromUint(1) - Extended::FromDouble(r)))' 'B = A·(1 − R) instead of A − A·R'
fault calc/discrepancy.cpp 'a - a * Extended::FromDouble(r)' \
  'a - a * (Extended::FromDouble(discountPercent) / hundred)' 'R not rounded to double before use'
fault calc/discrepancy.cpp 'Store(a - a * Extended::FromDouble(r))' \
  'Store(a - Extended::FromDouble((a * Extended::FromDouble(r)).ToDouble()))' 'A·R rounded to double'
fault calc/discrepancy.cpp 'Store(c - Extended::FromDouble(b))' 'Store(Extended::FromDouble(b) - c)' \
  'D = B − C (operands swapped)'
fault calc/discrepancy.cpp 'Divide(Extended::FromDouble(d) * hundred, c)' \
  'Divide(Extended::FromDouble(d), c) * hundred' 'Q = D / C · 100 (division first)'
fault calc/discrepancy.cpp 'Divide(Extended::FromDouble(d) * hundred, c)' \
  'Divide((c - Extended::FromDouble(b)) * hundred, c)' 'D not rounded to double before Q'
fault calc/discrepancy.cpp 'if (dividend.IsZero() || dividend.IsNaN())' 'if (dividend.IsNaN())' \
  '0 / 0 reported as division by zero'
fault calc/discrepancy.cpp 'if (std::isinf(stored)) throw CalcError::Overflow();' '' \
  'no overflow error on a stored result'
fault calc/extended_hardware.cpp 'return Extended(a.value_ * b.value_);' \
  'return Extended(static_cast<double>(a.value_ * b.value_));' 'every product rounded to double'
fault calc/amount.cpp 'result.value = result.value * ten + digitValues[digit];' \
  'result.value = Extended::FromDouble((result.value * ten).ToDouble()) + digitValues[digit];' \
  'digits beyond the 19th accumulated through a double'
fault calc/amount.cpp 'constexpr int kExactDigits = 19;' 'constexpr int kExactDigits = 18;' \
  'exact integer accumulation stops one digit early'
fault calc/amount.cpp "bool IsDigit(char c) { return c >= '0' && c <= '9'; }" \
  "bool IsDigit(char c) { return c >= '0' && c < '9'; }" 'the digit 9 dropped (< for <=)'
fault calc/power_of_ten.cpp '    x = x / t.ones[m % 32];
    if (thirtyTwos != 0) x = x / t.thirtyTwos[thirtyTwos];' '    if (thirtyTwos != 0) x = x / t.thirtyTwos[thirtyTwos];
    x = x / t.ones[m % 32];' 'scaling down: the two smaller factors swapped'
fault calc/format_number.cpp 'if ((window / 100) % 10 >= 5) ++leading;' 'if ((window / 100) % 10 > 5) ++leading;' \
  'rounding at the 16th digit with > for >='
fault calc/format_number.cpp 'if ((window / 100) % 10 >= 5) ++leading;' 'if ((window / 10) % 10 >= 5) ++leading;' \
  'rounding decided on the 17th digit (off by one)'
fault calc/format_number.cpp 'return ScaleByPowerOfTen(magnitude, 18 - decimalExponent).RoundToInteger();' \
  'return ScaleByPowerOfTen(magnitude, 18 - decimalExponent);' 'the 18-digit window truncated, not rounded'
fault calc/format_number.cpp 'if (form.exponent >= -3 && form.exponent <= 15)' \
  'if (form.exponent >= -4 && form.exponent <= 15)' 'fixed notation down to 0.00001'
fault calc/format_number.cpp 'if (form.exponent >= -3 && form.exponent <= 15)' \
  'if (form.exponent >= -3 && form.exponent < 15)' 'scientific notation from 10^14'
fault calc/format_number.cpp 'int shown = form.exponent - 1;' 'int shown = form.exponent;' \
  'scientific exponent one too high'
fault calc/format_number.cpp "    *out++ = '0';
    *out++ = separator;" "    *out++ = '0';
    *out++ = ',';" 'a value below 1 always shown with ","'
# form/: the fields and their rules.
fault form/form.cpp 'if (!texts) return SetSaveEnabled(false);' 'if (!texts) return;' \
  'Salva left on with an empty input'
fault form/results.cpp 'baseAmount.empty() || discount.empty() || contractorTotal.empty()' \
  'baseAmount.empty() && discount.empty() && contractorTotal.empty()' 'computed while one input is empty'
fault form/form.cpp '    SetSaveEnabled(false);
    throw;' '    throw;' 'Salva left on after a failed computation'
fault form/form.cpp 'ShowResult(Result::Difference, std::move(texts->difference));
  ShowResult(Result::Discrepancy, std::move(texts->discrepancy));' \
  'ShowResult(Result::Difference, std::move(texts->discrepancy));
  ShowResult(Result::Discrepancy, std::move(texts->difference));' 'difference and discrepancy swapped'
fault form/typed_character.cpp "if (typed == U'.') return separator;" "if (typed == U'.') return ',';" \
  'a typed "." always made ","'
fault form/first_line.cpp 'find_first_of("\r\n")' 'find_first_of("\n")' 'a pasted text cut at LF only, not CR'
# report/: the report's lines and its RTF.
fault report/build_report.cpp '"(Importo Impresa) meno (Importo Calcolato):\t" + fields.difference' \
  '"(Importo Impresa) meno (Importo Calcolato):\t" + fields.discrepancy' 'the discrepancy in the difference line'
fault report/build_report.cpp 'constexpr Rgb kNavy{.red = 0, .green = 0, .blue = 128};' \
  'constexpr Rgb kNavy{.red = 0, .green = 0, .blue = 127};' 'the title colour off by one'
fault report/rtf_sink.cpp "character == U'\\\\' || character == U'{' || character == U'}'" \
  "character == U'\\\\' || character == U'{'" '"}" not escaped'
fault report/rtf_sink.cpp "if (wordOpen_) bytes_.push_back(' ');" '' 'no space after a control word'
fault report/windows1252.cpp '(character >= 0xA0 && character <= 0xFF)' '(character >= 0xA0 && character < 0xFF)' \
  '"ÿ" (U+00FF) not in the code page'
fault report/rtf_writer.cpp 'sink_.ControlWord("fs", buffer_.DefaultSize() * 2);' \
  'sink_.ControlWord("fs", buffer_.DefaultSize());' 'font size in points, not half points'

picked=("$@")
for number in "${picked[@]}"; do
  if [[ ! "$number" =~ ^[0-9]+$ ]] || ((number < 1 || number > ${#files[@]})); then
    echo "mutants.sh: no fault numbered $number (1 to ${#files[@]})" >&2
    exit 2
  fi
done
src=$scratch/src
build=$scratch/build
export QT_QPA_PLATFORM=offscreen

# Replaces the one occurrence of $2 in file $1 with $3; fails when $2 is not
# found exactly once.
plant() {
  /usr/bin/python3 - "$@" <<'EOF'
import sys
path, before, after = sys.argv[1:]
text = open(path, encoding="utf-8").read()
if text.count(before) != 1:
    sys.exit(1)
open(path, "w", encoding="utf-8").write(text.replace(before, after))
EOF
}

run_suite() {
  nice ctest --test-dir "$build" -j 2 --timeout 300 --stop-on-failure --output-on-failure >"$scratch/ctest.log" 2>&1
}

failed_tests() {
  sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) .*(\(Failed\|Timeout\|SEGFAULT\|Subprocess\).*/\1/p' "$scratch/ctest.log" |
    head -3 | paste -sd, -
}

echo "Copying the committed tree to $src and building it" >&2
fresh=$scratch/fresh
rm -rf "$fresh"
mkdir -p "$fresh" "$src"
git -C "$root" archive HEAD | tar -x -C "$fresh"
# Only what differs from the last run's copy is copied, with the time of the
# copy, so that the build folder stays valid and rebuilds only that.
(cd "$fresh" && find . -type f) | while read -r path; do
  if ! cmp -s "$fresh/$path" "$src/$path"; then
    mkdir -p "$(dirname "$src/$path")"
    cp "$fresh/$path" "$src/$path"
  fi
done
(cd "$src" && find . -type f) | while read -r path; do
  if [[ ! -e "$fresh/$path" ]]; then rm "$src/$path"; fi
done
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDISCORDANZA_BENCH=OFF >/dev/null
nice cmake --build "$build" -j 2 >"$scratch/build.log"
if ! run_suite; then
  echo "The unchanged tree fails its own suite; see $scratch/ctest.log" >&2
  exit 1
fi

table=$scratch/mutants.md
{
  echo "| # | File | Fault | Result | Failing tests |"
  echo "|---|---|---|---|---|"
} >"$table"
if ((${#picked[@]} == 0)); then picked=($(seq 1 ${#files[@]})); fi
for number in "${picked[@]}"; do
  i=$((number - 1))
  file=$src/${files[i]}
  cp "$file" "$scratch/original"
  failing=""
  if ! plant "$file" "${froms[i]}" "${tos[i]}"; then
    result="not planted"
  elif ! nice cmake --build "$build" -j 2 >"$scratch/build.log" 2>&1; then
    result="not built"
  elif run_suite; then
    result="SURVIVED"
  else
    result="caught"
    failing=$(failed_tests)
  fi
  # A fresh copy, not cp -p: the restored file must be newer than the
  # objects built from the fault.
  cp "$scratch/original" "$file"
  echo "| $number | ${files[i]} | ${whats[i]} | $result | $failing |" | tee -a "$table"
done
nice cmake --build "$build" -j 2 >"$scratch/build.log"
echo "Table in $table" >&2
