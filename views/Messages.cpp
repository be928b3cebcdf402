// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/Messages.h"

#include "model/Chain.h"
#include "model/Numbers.h"
#include "model/Summator.h"
#include "views/Fields.h"

namespace views {

namespace {

using model::FaultKind;

// What is wrong with a field's text, after «caption»: «text» —.
const char* whyNotUsable(FaultKind kind) {
    switch (kind) {
    case FaultKind::EmptyText:
        return "поле пусто";
    case FaultKind::GroupSeparator:
        return "внутри числа не допускаются пробелы (разделители разрядов)";
    case FaultKind::TwoSeparators:
        return "в числе больше одного десятичного разделителя";
    case FaultKind::NumberOutOfRange:
    case FaultKind::NotFloat32:
        return "число вне допустимого диапазона";
    case FaultKind::NotInt16:
        return "нужно целое число от -32768 до 32767";
    default:
        return "это не число";
    }
}

std::string number(double value) {
    return model::formatNumber(value, ',');
}

std::string accumulationLimit(FaultKind kind) {
    return kind == FaultKind::AccumulationTooShort
               ? "время накопления должно быть не меньше " + number(model::kShortestAccumulation) +
                     " мс"
               : "время накопления не должно превышать " + number(model::kLongestAccumulation) +
                     " мс";
}

const char* resultName(model::Result result) {
    switch (result) {
    case model::Result::ta1:
        return "температуру Ta1";
    case model::Result::ta2:
        return "температуру Ta2";
    case model::Result::realSensitivity:
        return "реальную чувствительность";
    case model::Result::potentialSensitivity:
        return "потенциальную чувствительность";
    case model::Result::brightnessDifference:
        return "разность яркостных температур";
    case model::Result::antennaDifference:
        return "разность антенных температур";
    case model::Result::measuredDifference:
        return "измеренную разность антенных температур";
    }
    return "результат";
}

// "поле «a»" or "поля «a» и «b»": the fields a message asks the student to check.
std::string fieldsToCheck(const std::vector<model::Quantity>& quantities, model::Scene scene) {
    return (quantities.size() == 1 ? "поле " : "поля ") + quoteFields(quantities, scene);
}

} // namespace

std::string message(const model::Fault& fault, model::Scene scene) {
    const std::string fields = quoteFields(fault.quantities, scene);
    const std::string check = "Проверьте " + fieldsToCheck(fault.quantities, scene) + ".";
    const auto aboutField = [&](const std::string& why) {
        return "Поле «" + fieldCaption(fault.quantities.front(), scene) + "»: «" + fault.text +
               "» — " + why + ".";
    };
    switch (fault.kind) {
    case FaultKind::EmptyText:
    case FaultKind::NotANumber:
    case FaultKind::GroupSeparator:
    case FaultKind::TwoSeparators:
    case FaultKind::NumberOutOfRange:
    case FaultKind::NotInt16:
    case FaultKind::NotFloat32:
        return aboutField(whyNotUsable(fault.kind));
    case FaultKind::ZeroHeight:
        return "Поле " + fields + ": высота не может быть равна нулю.";
    case FaultKind::ZeroFrequency:
        return "Поле " + fields + ": частота не может быть равна нулю.";
    case FaultKind::NegativeArea:
        return "Поле " + fields + ": площадь цели не может быть отрицательной.";
    case FaultKind::BeamTooNarrow:
        return "Поле " + fields + ": частота слишком велика, телесный угол луча равен нулю.";
    case FaultKind::PointTargetNotFinite:
        return "Для малоразмерной цели получен бесконечный или неопределённый результат. " +
               check;
    case FaultKind::NegativeTimeBandwidth:
        return "Поля " + fields +
               ": произведение времени накопления на полосу не может быть отрицательным.";
    case FaultKind::Ta1IsMinus100:
        return "Антенная температура Ta1 равна −100 К: деление на ноль. " + check;
    case FaultKind::NegativeRangeRadicand:
        return "Дальность Rmax не определена: подкоренное выражение отрицательно. " + check;
    case FaultKind::SamplingRateNotChosen:
        return "Не выбрана частота дискретизации " + fields + ".";
    case FaultKind::AccumulationTooShort:
    case FaultKind::AccumulationTooLong:
        return aboutField(accumulationLimit(fault.kind));
    case FaultKind::WordLengthOutOfRange:
        return aboutField("число уровней АЦП 2ⁿ не представимо; разрядность должна лежать в "
                          "пределах от " +
                          number(model::kShortestWordLength) + " до " +
                          number(model::kLongestWordLength));
    case FaultKind::SignalNotFinite:
        return "Сигнал вышел за пределы представимых чисел (переполнение или расходящийся "
               "фильтр). " +
               check;
    case FaultKind::ZeroAdcRange:
        return "Все отсчёты на выходе двухзвенного фильтра равны нулю: диапазон АЦП равен нулю. " +
               check;
    case FaultKind::ZeroMeasuredDifference:
        return "Измеренная разность антенных температур равна нулю: реальную чувствительность "
               "вычислить нельзя. " +
               check;
    case FaultKind::ResultNotFinite:
        return std::string("Не удалось вычислить ") +
               (fault.result ? resultName(*fault.result) : "результат") +
               ": результат не является конечным числом." +
               (fault.quantities.empty() ? std::string() : " " + check);
    }
    return std::string(computeErrorTitle()) + ".";
}

const char* inputErrorTitle() {
    return "Ошибка ввода";
}

const char* computeErrorTitle() {
    return "Ошибка расчёта";
}

} // namespace views
