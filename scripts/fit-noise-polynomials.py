#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Finds the minimax polynomials of the noise generator's logarithm and cosine (model/
# Noise.cpp) by the Remez exchange, in 100-digit arithmetic, and prints their coefficients
# rounded to doubles with the largest weighted error. Needs Debian's python3-mpmath.
#   log:  ln m = 2s + s·z·Q(z), z = s², |s| ≤ (√2 − 1)/(√2 + 1)   → Q of degree 6
#   sin:  sin h = h + h³·P(z), z = h², |h| ≤ π/4                  → P of degree 5
#   cos:  cos h = 1 − z/2 + z²·Q(z), z = h², |h| ≤ π/4             → Q of degree 5
import mpmath as mp

mp.mp.dps = 100


def remez(f, weight, a, b, degree, iterations=30, grid=2000):
    """Minimises max |weight(z)·(f(z) − p(z))| on [a, b] over polynomials p of degree."""
    m = degree + 2
    xs = [(a + b) / 2 + (b - a) / 2 * mp.cos(mp.pi * (m - 1 - i) / (m - 1)) for i in range(m)]
    for _ in range(iterations):
        matrix = mp.matrix(m, m)
        rhs = mp.matrix(m, 1)
        for i, x in enumerate(xs):
            for j in range(degree + 1):
                matrix[i, j] = x**j
            matrix[i, degree + 1] = (-1) ** i / weight(x)
            rhs[i] = f(x)
        solution = mp.lu_solve(matrix, rhs)
        c = [solution[j] for j in range(degree + 1)]
        error = lambda x: weight(x) * (f(x) - sum(c[j] * x**j for j in range(degree + 1)))
        points = [a + (b - a) * k / grid for k in range(grid + 1)]
        values = [error(x) for x in points]
        starts = [0]
        for k in range(1, grid + 1):
            if values[k] != 0 and mp.sign(values[k]) != mp.sign(values[starts[-1]]):
                starts.append(k)
        bounds = starts + [grid + 1]
        extremes = [points[max(range(bounds[s], bounds[s + 1]), key=lambda q: abs(values[q]))]
                    for s in range(len(starts))]
        while len(extremes) > m:
            extremes.pop(0 if abs(error(extremes[0])) < abs(error(extremes[-1])) else -1)
        if len(extremes) == m:
            xs = extremes
    return c, max(abs(v) for v in values)


def report(name, coefficients, worst):
    print(f"{name}: largest weighted error {mp.nstr(worst, 5)}")
    for c in coefficients:
        print(f"    {float(c)!r}")


tiny = mp.mpf("1e-30")
s_max = (mp.sqrt(2) - 1) / (mp.sqrt(2) + 1)
report("log Q", *remez(lambda z: (2 * mp.atanh(mp.sqrt(z)) / mp.sqrt(z) - 2) / z,
                        lambda z: z / 2, tiny, s_max**2, 6))
quarter = (mp.pi / 4) ** 2
report("sin P", *remez(lambda z: (mp.sin(mp.sqrt(z)) - mp.sqrt(z)) / mp.sqrt(z) ** 3,
                        lambda z: mp.sqrt(z) ** 3 / mp.sin(mp.sqrt(z)), tiny, quarter, 5))
report("cos Q", *remez(lambda z: (mp.cos(mp.sqrt(z)) - 1 + z / 2) / z**2,
                        lambda z: z**2 / mp.cos(mp.sqrt(z)), tiny, quarter, 5))
