// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/CalibratedChain.h"

#include "model/Fault.h"
#include "model/PortableMath.h"
#include "model/Summator.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace model {

namespace {

constexpr double kPi = 3.141592653589793;
// The full scale leaves room for the gain drift (4 rms) and the detector's noise (6 rms)
// beyond the noise-free output: the converter saturates in less than one sample in 10⁸.
constexpr double kDriftRoom = 4;
constexpr double kNoiseRoom = 6;
// Doublings of the sum Σ A^k·b·bᵀ·(A^k)ᵀ: 2⁶⁴ samples, beyond every filter's memory.
constexpr int kDoublings = 64;

using Matrix = std::array<FilterState, kFilterStates>; // [row][column]

// An RC section sampled exactly: (1 − e^(−w), e^(−w)) with w = 2πFΔt.
std::pair<double, double> section(double cutoff) {
    const double w = 2 * kPi * cutoff * kSampleSeconds;
    return {-portableExpm1(-w), portableExp(-w)};
}

Matrix product(const Matrix& a, const Matrix& b) {
    Matrix c{};
    for (int i = 0; i < kFilterStates; ++i)
        for (int j = 0; j < kFilterStates; ++j) {
            double sum = 0;
            for (int k = 0; k < kFilterStates; ++k)
                sum += a[i][k] * b[k][j];
            c[i][j] = sum;
        }
    return c;
}

Matrix transposed(const Matrix& a) {
    Matrix t{};
    for (int i = 0; i < kFilterStates; ++i)
        for (int j = 0; j < kFilterStates; ++j)
            t[i][j] = a[j][i];
    return t;
}

// x with M·x = right, by Gaussian elimination with partial pivoting.
FilterState solve(Matrix m, FilterState right) {
    for (int column = 0; column < kFilterStates; ++column) {
        int pivot = column;
        for (int row = column + 1; row < kFilterStates; ++row)
            if (std::fabs(m[row][column]) > std::fabs(m[pivot][column]))
                pivot = row;
        std::swap(m[column], m[pivot]);
        std::swap(right[column], right[pivot]);
        for (int row = column + 1; row < kFilterStates; ++row) {
            const double factor = m[row][column] / m[column][column];
            for (int k = column; k < kFilterStates; ++k)
                m[row][k] -= factor * m[column][k];
            right[row] -= factor * right[column];
        }
    }
    FilterState x{};
    for (int row = kFilterStates - 1; row >= 0; --row) {
        double sum = right[row];
        for (int k = row + 1; k < kFilterStates; ++k)
            sum -= m[row][k] * x[k];
        x[row] = sum / m[row][row];
    }
    return x;
}

const CalibratedInputs& checked(const CalibratedInputs& inputs) {
    checkCalibratedInputs(inputs);
    return inputs;
}

} // namespace

FilterCoefficients filterCoefficients(const CalibratedInputs& inputs) {
    FilterCoefficients k;
    std::tie(k.take1, k.keep1) = section(inputs.cutoff1);
    k.capacitor = section(kCouplingCutoff).second;
    k.bypass = inputs.switching == Switching::TotalPower;
    std::tie(k.take2, k.keep2) = section(inputs.cutoff2);
    return k;
}

CalibratedChain::CalibratedChain(const CalibratedInputs& inputs)
    : inputs_(checked(inputs)), coefficients_(filterCoefficients(inputs)),
      law_(detectorLaw(inputs.bandwidth)), drift_(gainDrift(inputs.gainInstability)) {
    const SummationWindows windows = summationWindows(inputs.samplingStep);
    positions_ = windows.first;
    positions_.insert(positions_.end(), windows.second.begin(), windows.second.end());
    countA_ = windows.countA();

    // Φ and the state's response at the summed positions, from each unit state.
    stateResponse_.assign(positions_.size() * kFilterStates, 0.0);
    std::vector<double> output(kSamplesPerPeriod);
    const std::vector<double> silence(kSamplesPerPeriod, 0.0);
    for (int j = 0; j < kFilterStates; ++j) {
        FilterState state{};
        state[j] = 1;
        runPeriod(state, silence.data(), nullptr, nullptr, output.data());
        for (int i = 0; i < kFilterStates; ++i)
            transition_[j][i] = state[i];
        for (std::size_t p = 0; p < positions_.size(); ++p)
            stateResponse_[p * kFilterStates + j] = output[positions_[p] - 1];
    }

    // The settled state and output for the press's temperatures.
    std::vector<double> x(kSamplesPerPeriod);
    for (int i = 1; i <= kSamplesPerPeriod; ++i)
        x[i - 1] = level(inputAt(i));
    settled_ = settledFor(x);
    settledOutput_.assign(kSamplesPerPeriod, 0.0);
    FilterState state = settled_;
    runPeriod(state, x.data(), nullptr, nullptr, settledOutput_.data());

    // The calibration: the settled response to 1 K.
    const double oneKelvin = kDetectorConstant * inputs.gain;
    for (int i = 1; i <= kSamplesPerPeriod; ++i)
        x[i - 1] = inputAt(i) == SwitchInput::First ? oneKelvin : 0.0;
    state = settledFor(x);
    runPeriod(state, x.data(), nullptr, nullptr, output.data());
    double sumA = 0;
    double sumB = 0;
    for (std::size_t p = 0; p < positions_.size(); ++p)
        (static_cast<int>(p) < countA_ ? sumA : sumB) += output[positions_[p] - 1];
    const double response = coefficients_.bypass ? (sumA + sumB) / countAll() : sumA - sumB;
    calibration_ = 1 / response;
    // (Below about 300 Hz the filters' lag can turn the demodulated response negative: a
    // calibration all the same.)
    if (!(response != 0) || !std::isfinite(calibration_))
        fail(FaultKind::ZeroAdcRange, {Quantity::Cutoff1, Quantity::Cutoff2});

    // The detector's noise at filter 2: Var x · Σ_k (row 4 of A^k·b)², from the sum
    // P = Σ A^k·b·bᵀ·(A^k)ᵀ by doubling.
    Matrix a{};
    FilterState b{};
    for (int j = 0; j < kFilterStates; ++j) {
        FilterState unit{};
        unit[j] = 1;
        filterStep(coefficients_, 0, unit);
        for (int i = 0; i < kFilterStates; ++i)
            a[i][j] = unit[i];
    }
    filterStep(coefficients_, 1, b);
    Matrix sum{};
    for (int i = 0; i < kFilterStates; ++i)
        for (int j = 0; j < kFilterStates; ++j)
            sum[i][j] = b[i] * b[j];
    Matrix power = a;
    for (int d = 0; d < kDoublings; ++d) {
        const Matrix moved = product(product(power, sum), transposed(power));
        for (int i = 0; i < kFilterStates; ++i)
            for (int j = 0; j < kFilterStates; ++j)
                sum[i][j] += moved[i][j];
        power = product(power, power);
    }
    const double louder = coefficients_.bypass
                              ? level(SwitchInput::First)
                              : std::max(level(SwitchInput::First), level(SwitchInput::Second));
    noiseAtFilter2_ = louder / std::sqrt(law_.shape) * std::sqrt(sum[3][3]);

    // The converter's full scale: bipolar behind the capacitor, from 0 in total power.
    double peak = 0;
    for (const double v : settledOutput_)
        peak = std::max(peak, std::fabs(v));
    const double top = peak * (1 + kDriftRoom * drift_.rms) + kNoiseRoom * noiseAtFilter2_;
    adc_.levels = std::ldexp(1.0, static_cast<int>(inputs.wordLength));
    adc_.low = coefficients_.bypass ? 0 : -top;
    const double fullScale = coefficients_.bypass ? top : 2 * top;
    adc_.step = fullScale / adc_.levels;
    adc_.inverseStep = adc_.step > 0 && std::isfinite(1 / adc_.step) ? 1 / adc_.step : 0;
}

SwitchInput CalibratedChain::inputAt(int i) const {
    if (coefficients_.bypass)
        return SwitchInput::First;
    return i <= kHalfPeriod ? SwitchInput::First : SwitchInput::Second;
}

double CalibratedChain::level(SwitchInput input) const {
    const double t = input == SwitchInput::First ? inputs_.ta1 : inputs_.ta2;
    return kDetectorConstant * inputs_.gain * (t + inputs_.tprm);
}

FilterState CalibratedChain::carried(const FilterState& start) const {
    FilterState end{};
    for (int j = 0; j < kFilterStates; ++j)
        for (int i = 0; i < kFilterStates; ++i)
            end[i] += transition_[j][i] * start[j];
    return end;
}

double CalibratedChain::reading(double sumA, double sumB) const {
    if (coefficients_.bypass)
        return (sumA + sumB) / countAll() * calibration_ - inputs_.tprm - inputs_.ta2;
    return (sumA - sumB) * calibration_;
}

void CalibratedChain::runPeriod(FilterState& state, const double* x, double* filter1,
                                double* capacitor, double* filter2) const {
    for (int i = 0; i < kSamplesPerPeriod; ++i) {
        filterStep(coefficients_, x[i], state);
        if (filter1)
            filter1[i] = state[0];
        if (capacitor)
            capacitor[i] = state[1];
        if (filter2)
            filter2[i] = state[3];
    }
}

FilterState CalibratedChain::settledFor(const std::vector<double>& x) const {
    // The periodic state S = Φ·S + z, z the period's response from rest.
    FilterState fromRest{};
    runPeriod(fromRest, x.data(), nullptr, nullptr, nullptr);
    Matrix m{};
    for (int i = 0; i < kFilterStates; ++i)
        for (int j = 0; j < kFilterStates; ++j)
            m[i][j] = (i == j ? 1.0 : 0.0) - transition_[j][i];
    return solve(m, fromRest);
}

} // namespace model
