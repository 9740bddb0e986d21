# SPDX-FileCopyrightText: 2026 Calmora Studio
# SPDX-License-Identifier: EUPL-1.2
"""Seeded triples of amount texts (base amount, discount, contractor's
total), weighted towards the corners of the computation and the format:
ties at the 16th digit, quotients on a double's rounding midpoint, results
near 10^15 and 10^-4, discounts near 0 and 100, huge and tiny amounts, many
decimals, faults, and the lenient reading's thousands marks, signs, letters
and repeated separators."""

import math
from decimal import Decimal, localcontext
from fractions import Fraction


def plain(value, digits, separator):
    """A rational as plain decimal text with `digits` significant digits."""
    with localcontext() as context:
        context.prec = digits
        text = format(Decimal(abs(value.numerator)) / Decimal(value.denominator), "f")
    return text.replace(".", separator)


def magnitude(rng, low, high):
    return Fraction(rng.uniform(1, 10)) * Fraction(10) ** rng.randint(low, high)


def ordinary(rng, sep):
    a = magnitude(rng, 0, 9)
    p = Fraction(rng.uniform(0, 100))
    # A total near B, or of any size: then D = C − B needs more than 53 bits
    c = a * (1 - p / 100) * Fraction(rng.uniform(0.8, 1.2)) if rng.random() < 0.6 else magnitude(rng, 0, 10)
    return plain(a, rng.randint(1, 17), sep), plain(p, rng.randint(1, 10), sep), plain(c, rng.randint(1, 17), sep)


def tie(rng, fraction_bits, headroom_bits):
    """A double whose decimal form has exactly 16 significant digits, the last a 5."""
    whole_digits = 16 - fraction_bits
    limit = min(10**whole_digits, 2 ** (53 - fraction_bits - headroom_bits))
    whole = rng.randrange(10 ** (whole_digits - 1), limit)
    if fraction_bits == 0:
        return Fraction(whole - whole % 10 + 5)
    return whole + Fraction(rng.randrange(1, 2**fraction_bits, 2), 2**fraction_bits)


def ties(rng, sep):
    bits = rng.randint(0, 8)
    variant = rng.randrange(4)
    if variant == 0:  # B = A·(1 − R) exactly, R a short binary fraction
        shift, discount = rng.choice([(0, "0"), (1, "50"), (2, "75"), (3, "87,5"), (4, "93,75")])
        b = tie(rng, bits, 0)
        return plain(b * 2**shift, 40, sep), discount.replace(",", sep), plain(magnitude(rng, 0, 15), 12, sep)
    if variant == 1:  # B = 0, so D = C
        return plain(magnitude(rng, 0, 9), 9, sep), "100", plain(tie(rng, bits, 0), 40, sep)
    if variant == 2:  # C = 100, so D = Q = 100 − A
        return plain(100 + tie(rng, bits, 1), 40, sep), "0", "100"
    near = Fraction(rng.randrange(10**15, 10**16) // 10 * 10 + 5) * Fraction(10) ** rng.randint(-25, 10)
    return plain(near, 16, sep), "0", plain(magnitude(rng, 0, 6), 7, sep)


def double_rounding(rng, sep):
    """Q = D·100 / C within 2^-70 of the midpoint of the two doubles around a
    tie at Q's 16th digit: the extended quotient is that midpoint, and the
    double is decided by ties to even, so any other order of the operations
    may show the other 15 digits. B = A, D = C − A, both exact integers."""
    tie_at_16th = Fraction(rng.randrange(10**15, 10**16) // 10 * 10 + 5, 10 ** rng.randint(14, 16))
    below = float(tie_at_16th)
    if below > tie_at_16th:
        below = math.nextafter(below, 0)
    midpoint = (Fraction(below) + Fraction(math.nextafter(below, math.inf))) / 2
    ratio = (midpoint / 100).limit_denominator(2**40)
    d, c = ratio.numerator, ratio.denominator
    return plain(Fraction(c - d), 20, sep), "0", plain(Fraction(c), 20, sep)


def near(rng, target):
    offset = rng.choice([0, 1, 5, 10, 50, 100, 1000, 10**5]) * Fraction(rng.choice([-1, 1]), 10**19)
    return target * (1 + offset)


def format_switch(rng, sep):
    target = near(rng, Fraction(rng.choice([10**15, Fraction(1, 10**4)])))
    variant = rng.randrange(3)
    if variant == 0:  # B near the switch
        p = rng.choice([Fraction(0), Fraction(rng.randint(0, 9999), 100)])
        return plain(target / (1 - p / 100), 25, sep), plain(p, 6, sep), plain(magnitude(rng, 0, 9), 9, sep)
    if variant == 1:  # D = C − 1 near the switch
        return "1", "0", plain(1 + target, 25, sep)
    # Q near ±the switch: C = 100·B / (100 − Q)
    q = target * rng.choice([-1, 1])
    p = Fraction(rng.randint(0, 9999), 100) if q < 100 else Fraction(rng.randint(10001, 30000), 100)
    a = magnitude(rng, 0, 9)
    c = 100 * a * (1 - p / 100) / (100 - q)
    return plain(a, 17, sep), plain(p, 6, sep), plain(c, 25, sep)


def discount_edge(rng, sep):
    digits = "".join(rng.choice("0123456789") for _ in range(rng.randint(1, 12)))
    p = rng.choice([
        "0", "100", "99" + sep + "999995543",
        "0" + sep + "0" * rng.randint(0, 330) + digits,
        "99" + sep + "9" * rng.randint(1, 25) + digits,
        "100" + sep + "0" * rng.randint(0, 20) + digits,
        plain(magnitude(rng, 2, 3), rng.randint(1, 20), sep),
    ])
    a = magnitude(rng, 0, 12)
    return plain(a, rng.randint(1, 17), sep), p, plain(a * Fraction(rng.uniform(0, 1.1)), 15, sep)


def huge_or_tiny(rng, sep):
    def amount():
        kind = rng.randrange(7)
        if kind < 2:
            return plain(magnitude(rng, 290, 310), rng.randint(1, 20), sep)
        if kind < 4:
            return plain(magnitude(rng, -340, -290), rng.randint(1, 20), sep)
        return plain(magnitude(rng, -6, 15), 17, sep)

    return amount(), rng.choice([amount(), "250", "99", "1000"]), amount()


def beyond_extended(rng, sep):
    """An amount of about 4,930 digits, on either side of the largest
    extended value: the double's overflow error or the conversion error."""
    texts = list(ordinary(rng, sep))
    texts[rng.randrange(3)] = plain(magnitude(rng, 4931, 4932), rng.randint(1, 30), sep)
    return tuple(texts)


def many_decimals(rng, sep):
    def amount(whole_digits):
        digits = "".join(rng.choice("0123456789") for _ in range(whole_digits + rng.randint(18, 60)))
        return digits[:whole_digits] + sep + digits[whole_digits:]

    texts = [amount(rng.randint(1, 12)), amount(rng.randint(1, 2)), amount(rng.randint(1, 12))]
    if rng.random() < 0.1:  # up to about 1,100 decimals: every table of powers of ten
        long = "".join(rng.choice("0123456789") for _ in range(rng.randint(300, 1100)))
        texts[rng.randrange(3)] = "0" * rng.randint(0, 1) + sep + long
    return tuple(texts)


def faults(rng, sep):
    zero = rng.choice(["0", "00", "0" + sep + "0", sep, "0" + sep + "0" * 400])
    nothing = rng.choice(["abc", " ", "-", "E", "+-", "€"])
    texts = [plain(magnitude(rng, 0, 6), 8, sep), rng.choice(["10", "100", "0"]), zero]
    texts[rng.randrange(3)] = rng.choice([nothing, zero, "1" + "0" * 309])
    return tuple(texts)


def lenient(rng, text, sep):
    """The same amount as a person might paste it: thousands marks, signs,
    letters, spaces and later separators, all of them dropped."""
    mark = "." if sep == "," else ","
    if rng.random() < 0.5 and len(text) < 40:
        whole, _, rest = text.partition(sep)
        groups = [whole[max(0, i - 3) : i] for i in range(len(whole), 0, -3)][::-1]
        text = mark.join(groups) + (sep + rest if sep in text else "")
    for _ in range(rng.randint(1, 3)):
        i = rng.randint(0, len(text))
        text = text[:i] + rng.choice([" ", "-", "+", "€", "E", "e", "x", mark, "%"]) + text[i:]
    if rng.random() < 0.3:
        text += sep + str(rng.randint(0, 99))
    return text


KINDS = [(ordinary, 3), (ties, 3), (double_rounding, 1), (format_switch, 3), (discount_edge, 2),
         (huge_or_tiny, 2), (many_decimals, 1), (faults, 1), (beyond_extended, 0.02)]


def vector(rng, sep):
    kind = rng.choices([k for k, _ in KINDS], [w for _, w in KINDS])[0]
    texts = kind(rng, sep)
    return tuple(lenient(rng, t, sep) if rng.random() < 0.15 else t for t in texts)
