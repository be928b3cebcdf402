// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// References for the summator's speed built on glibc's vector math library (libmvec):
// Gaussian noise through its vector log and cos from plain xorshift lanes, the two filter
// recursions of a period, and a plain pass of the whole chain on them. They measure what a
// period costs with the library's functions; they are not the program's numbers.

#include <cstdint>
#include <string>
#include <vector>

namespace reference {

struct LibmvecKernel {
    std::string name; // "avx2", "avx512f"
    bool supported;
    // n Gaussians of spread 0.5 into out (n a multiple of 8); lanes: 16 xorshift states.
    void (*gaussians)(std::uint32_t* lanes, double* out, int n);
};
std::vector<LibmvecKernel> libmvecKernels();

// 16 seeded xorshift lanes.
std::vector<std::uint32_t> startLanes();

// The floor of a period: 15 000 Gaussians through libmvec, then the single-section and the
// two-section filter recursions over 5000 samples.
double floorPeriod(const LibmvecKernel& kernel, std::uint32_t* lanes, std::vector<double>& work);

// A plain 64-bit period of the summator's chain on libmvec's noise: switch, amplifier,
// detector (with the square root), both filters with the capacitor, the extremes, the ADC
// and the two sums; returns the reading.
struct PlainPass {
    std::vector<double> noise = std::vector<double>(15000), detector = std::vector<double>(5001),
                        filter1 = std::vector<double>(5002), filter2 = std::vector<double>(5003);
    double f2max = 0, f2min = 0;
};
double plainPass(const LibmvecKernel& kernel, std::uint32_t* lanes, PlainPass& pass);

} // namespace reference
