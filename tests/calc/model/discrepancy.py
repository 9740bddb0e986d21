# SPDX-FileCopyrightText: 2026 Calmora Studio
# SPDX-License-Identifier: EUPL-1.2
"""The discrepancy computation on exact rationals: every operation rounded to
the extended format, and R, B, D and Q rounded to double when stored.

    R = P / 100, B = A - A*R, D = C - B, Q = (D*100) / C
"""

from amount_text import amount_from_text
from result_text import format_number
from rounding import DIVISION_BY_ZERO, INVALID_OPERATION, CalcFault, ext, store


def compute_texts(base, discount, contractor_total, separator):
    """The texts of B, D and Q, or the CalcFault that the program raises."""
    a = amount_from_text(base, separator)
    r = store(ext(amount_from_text(discount, separator) / 100))
    c = amount_from_text(contractor_total, separator)
    b = store(ext(a - ext(a * r)))
    d = store(ext(c - b))
    if c == 0:
        raise CalcFault(INVALID_OPERATION if d == 0 else DIVISION_BY_ZERO)
    q = store(ext(ext(d * 100) / c))
    return [format_number(v, separator) for v in (b, d, q)]
