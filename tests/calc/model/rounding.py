# SPDX-FileCopyrightText: 2026 Calmora Studio
# SPDX-License-Identifier: EUPL-1.2
"""Exact rationals rounded to a binary format: the 64-bit significand of the
extended format and the 53-bit one of double, to nearest with ties to even,
subnormals included. A result beyond the format's largest finite value
raises Overflow; what that means is the caller's affair."""

from fractions import Fraction


class Overflow(Exception):
    pass


class CalcFault(Exception):
    """A fault of the computation, carrying the message the program shows."""


OVERFLOW = "Floating point overflow"
DIVISION_BY_ZERO = "Floating point division by zero"
INVALID_OPERATION = "Invalid floating point operation"


class BinaryFormat:
    def __init__(self, precision, max_exponent, min_normal_exponent):
        self.precision = precision
        self.smallest_quantum = min_normal_exponent - precision + 1
        self.largest = (2**precision - 1) << (max_exponent - precision + 1)


EXTENDED = BinaryFormat(64, 16383, -16382)
DOUBLE = BinaryFormat(53, 1023, -1022)


def floor_log2(x):
    """The k with 2^k <= x < 2^(k+1), for a positive rational x."""
    n, d = x.numerator, x.denominator
    k = n.bit_length() - d.bit_length()
    return k if (n >> k if k >= 0 else n << -k) >= d else k - 1


def round_to(fmt, x):
    """x / 2^q to the nearest integer, ties to even, q the format's quantum
    at x, in integer arithmetic; a large integer comes back as an int."""
    if x == 0:
        return x
    n, d = abs(x.numerator), x.denominator
    q = max(floor_log2(abs(x)) - fmt.precision + 1, fmt.smallest_quantum)
    if d == 1 and q >= 0:  # an integer: a shift instead of a long division
        m, r, d = n >> q, n & ((1 << q) - 1), 1 << q
    else:
        n, d = (n, d << q) if q >= 0 else (n << -q, d)
        m, r = divmod(n, d)
    if 2 * r > d or (2 * r == d and m % 2):
        m += 1
    rounded = m << q if q >= 0 else Fraction(m, 1 << -q)
    if rounded > fmt.largest:
        raise Overflow
    return rounded if x > 0 else -rounded


def ext(x):
    return round_to(EXTENDED, x)


def store(x):
    """A value stored as a double: overflow is the program's overflow error."""
    try:
        return Fraction(round_to(DOUBLE, x))
    except Overflow:
        raise CalcFault(OVERFLOW) from None
