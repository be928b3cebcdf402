// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/PointTarget.h"

#include "model/Temperatures.h"

#include <charconv>
#include <cmath>

namespace model {

namespace {

constexpr double kLightSpeed = 3e8; // m/s

const char* const kRangePrefix =
    "Максимальная дальность наблюдения сосредоточенной цели при Ро = 0,9 составит Rmax=";
const char* const kRangeSuffix = "метров";

std::string wholeMetres(double range) {
    char buffer[400];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::floor(range),
                                         std::chars_format::fixed, 0);
    (void)ec;
    return std::string(buffer, end);
}

[[noreturn]] void fail(const std::string& message) {
    throw PointTargetError(message);
}

void requireFinite(double value) {
    if (!std::isfinite(value))
        fail("Для малоразмерной цели получен бесконечный или неопределённый результат. "
             "Проверьте поля «Площадь цели, кв.м», «Высота полета, км», "
             "«Частотный диапазон, ГГц» и температуры.");
}

} // namespace

BeamFilling beamFilling(double area, double height, double frequency) {
    if (height == 0)
        fail("Поле «Высота полета, км»: высота не может быть равна нулю.");
    if (frequency == 0)
        fail("Поле «Частотный диапазон, ГГц»: частота не может быть равна нулю.");
    if (area < 0)
        fail("Поле «Площадь цели, кв.м»: площадь цели не может быть отрицательной.");

    BeamFilling beam;
    const double heightMetres = 1e3 * height;
    beam.targetSolidAngle = area / (heightMetres * heightMetres);
    const double frequencyHz = 1e9 * frequency;
    beam.beamSolidAngle = kLightSpeed * kLightSpeed / (frequencyHz * frequencyHz) / 2; // λ²/2
    requireFinite(beam.targetSolidAngle);
    requireFinite(beam.beamSolidAngle);
    if (beam.beamSolidAngle == 0)
        fail("Поле «Частотный диапазон, ГГц»: частота слишком велика, телесный угол луча "
             "равен нулю.");
    beam.fillFactor = beam.targetSolidAngle / beam.beamSolidAngle;
    requireFinite(beam.fillFactor);
    beam.filled = beam.fillFactor >= 1;
    return beam;
}

PointTarget evaluatePointTarget(const PointTargetInputs& in) {
    return evaluatePointTarget(in, beamFilling(in.area, in.height, in.frequency));
}

PointTarget evaluatePointTarget(const PointTargetInputs& in, const BeamFilling& beam) {
    PointTarget result;
    result.targetSolidAngle = beam.targetSolidAngle;
    result.beamSolidAngle = beam.beamSolidAngle;
    result.fillFactor = beam.fillFactor;

    if (beam.filled) { // the target fills the beam: an extended target after all
        result.beamFilled = true;
        result.beamTemperature = in.t1;
        result.antennaTemperature1 =
            antennaTemperature(in.t1, in.sideLobeFraction, in.sideLobeTemperature);
        return result;
    }

    const double wt = result.targetSolidAngle;
    const double wb = result.beamSolidAngle;
    const double background = in.t2 * (wb - wt);
    result.beamTemperature = (in.t1 * wt + background) / wb;
    requireFinite(result.beamTemperature);

    const double k =
        (in.frequency * in.frequency * 25.1327408 * 1e18) / (kLightSpeed * kLightSpeed); // 8π/λ²
    const double ta1 =
        antennaTemperature(result.beamTemperature, in.sideLobeFraction, in.sideLobeTemperature);
    result.antennaTemperature1 = ta1;

    const double timeBandwidth = in.integration * in.bandwidth * 1e3;
    if (timeBandwidth < 0)
        fail("Поля «Время накопления,мс» и «Δf, МГц»: произведение времени накопления на "
             "полосу не может быть отрицательным.");
    const double q = std::sqrt(timeBandwidth);
    if (ta1 + 100 == 0)
        fail("Антенная температура Ta1 равна −100 К: деление на ноль. Проверьте поля "
             "температур и «β».");
    const double d = std::fabs(in.t1 - in.t2) / (ta1 + 100) * 0.04;
    const float mainShare = 1.0f - in.sideLobeFraction;
    const double radicand = in.area * d * k * 0.9 * static_cast<double>(mainShare) * q;
    requireFinite(k);
    requireFinite(radicand);
    if (radicand < 0)
        fail("Дальность Rmax не определена: подкоренное выражение отрицательно. Проверьте "
             "поле «β» и поля температур.");
    result.range = std::sqrt(radicand);
    result.rangeText = kRangePrefix + wholeMetres(result.range) + kRangeSuffix;
    return result;
}

} // namespace model
