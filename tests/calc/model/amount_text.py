# SPDX-FileCopyrightText: 2026 Calmora Studio
# SPDX-License-Identifier: EUPL-1.2
"""Amount text to a double, and the scaling by powers of ten that the
reading and the formatting share: the digits accumulated in extended
precision, one rounding per operation, then scaled by the tables' rounded
powers of ten and stored."""

from fractions import Fraction
from functools import cache

from rounding import CalcFault, Overflow, ext, store


def kept_text(text, separator):
    """The digits and the first separator; everything else is dropped."""
    kept, seen = [], False
    for c in text:
        if c == separator and not seen:
            kept.append(c)
            seen = True
        if c in "0123456789":
            kept.append(c)
    return "".join(kept)


@cache
def table_power(exponent):
    return Fraction(ext(10**exponent))


def scale_by_power_of_ten(x, n):
    """x times 10^n: up to three table values, 10^(m mod 32), the multiple of
    32 below 512 and the multiple of 512, each applied with one rounding."""
    m = abs(n)
    assert m < 5120, "beyond the tables"
    factors = [m % 32]
    if (m // 32) % 16:
        factors.append(32 * ((m // 32) % 16))
    if m // 512:
        factors.append(512 * (m // 512))
    for exponent in factors if n else []:
        x = ext(x * table_power(exponent)) if n > 0 else ext(x / table_power(exponent))
    return x


def conversion_error(kept):
    return CalcFault(f"'{kept}' is not a valid floating point value")


def amount_from_text(text, separator):
    kept = kept_text(text, separator)
    if not kept:
        raise conversion_error(kept)
    decimals = len(kept) - kept.index(separator) - 1 if separator in kept else 0
    acc = 0
    try:
        for digit in kept.replace(separator, ""):
            acc = ext(ext(acc * 10) + int(digit))
        acc = scale_by_power_of_ten(acc, -decimals)
    except Overflow:
        raise conversion_error(kept) from None
    return store(acc)
