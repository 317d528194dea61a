#!/usr/bin/env python3
"""Prints the constants of trig.cpp: pi/2 in parts, atan(i/64) and the series coefficients
as pairs of doubles (a value and the rest), from 60-digit decimal arithmetic."""
from decimal import Decimal, getcontext
from fractions import Fraction

getcontext().prec = 60


def atan(x):
    """Series after halving the angle three times: atan x = 2 atan(x / (1 + sqrt(1 + x^2)))."""
    for _ in range(3):
        x = x / (1 + (1 + x * x).sqrt())
    total, power, k = Decimal(0), x, 0
    while abs(power) > Decimal(10) ** -70:
        total += power / (2 * k + 1) * (-1) ** k
        power *= x * x
        k += 1
    return total * 8


PI = 4 * (4 * atan(Decimal(1) / 5) - atan(Decimal(1) / 239))


def pair(value):
    hi = float(value)
    return hi, float(value - Decimal(hi))


def parts(value, bits, count):
    """Doubles of at most `bits` significant bits whose sum is value, and one last full double."""
    out = []
    for _ in range(count):
        exponent = Fraction(value).numerator.bit_length() - Fraction(value).denominator.bit_length()
        scale = Fraction(2) ** (bits - 1 - exponent)
        chunk = Fraction(int(Fraction(value) * scale)) / scale
        out.append(float(chunk))
        value -= Decimal(chunk.numerator) / Decimal(chunk.denominator)
    out.append(float(value))
    return out


def dd(values):
    return ",\n    ".join("{%s, %s}" % tuple(v.hex() for v in pair(x)) for x in values)


print("constexpr double kHalfPiParts[] = {%s};" % ", ".join(p.hex() for p in parts(PI / 2, 33, 3)))
print("constexpr DD kHalfPi = {%s, %s};" % tuple(v.hex() for v in pair(PI / 2)))
print("constexpr double kTwoOverPi = %s;" % float(2 / PI).hex())
print("constexpr DD kAtanOfSixtyFourths[] = {\n    %s};" % dd(atan(Decimal(i) / 64) for i in range(65)))
print("constexpr DD kAtanSeries[] = {\n    %s};" % dd(Decimal((-1) ** k) / (2 * k + 1) for k in range(9)))
factorials = [Decimal(1)]
for n in range(1, 30):
    factorials.append(factorials[-1] * n)
print("constexpr DD kSinSeries[] = {\n    %s};" % dd(Decimal((-1) ** j) / factorials[2 * j + 1] for j in range(15)))
print("constexpr DD kCosSeries[] = {\n    %s};" % dd(Decimal((-1) ** j) / factorials[2 * j] for j in range(15)))
