# SPDX-FileCopyrightText: 2026 Calmora Studio
# SPDX-License-Identifier: EUPL-1.2
"""A double to its result text: an 18-digit window taken in extended
precision, rounded half away from zero at the 15th digit, shown in fixed
notation from 0.0001 up to but excluding 10^15 and in scientific notation
otherwise."""

from fractions import Fraction

from amount_text import scale_by_power_of_ten
from rounding import ext, floor_log2


def decimal_exponent(x):
    """The E with 10^(E-1) <= x < 10^E, for a positive rational x."""
    e = floor_log2(x) * 3 // 10
    while x >= Fraction(10) ** e:
        e += 1
    while x < Fraction(10) ** (e - 1):
        e -= 1
    return e


def decimal_form(magnitude):
    """The significant digits, without trailing zeros, and the exponent X of
    0.d1d2... x 10^X."""
    x = min(floor_log2(magnitude) * 19728 // 65536 + 1, decimal_exponent(magnitude))
    window = round(scale_by_power_of_ten(magnitude, 18 - x))
    if window >= 10**18:
        window = round(ext(Fraction(window, 10)))
        x += 1
    digits = str(window)
    assert len(digits) == 18, digits
    if digits[15] >= "5":
        digits = str(int(digits[:15]) + 1)
        if len(digits) > 15:
            x += 1
    return digits[:15].rstrip("0"), x


def format_number(value, separator):
    if value == 0:
        return "0"
    digits, x = decimal_form(abs(value))
    sign = "-" if value < 0 else ""
    if -3 <= x <= 15:
        if x <= 0:
            return sign + "0" + separator + "0" * -x + digits
        fraction = separator + digits[x:] if len(digits) > x else ""
        return sign + digits[:x].ljust(x, "0") + fraction
    fraction = separator + digits[1:] if len(digits) > 1 else ""
    return f"{sign}{digits[0]}{fraction}E{x - 1}"
