// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/Messages.h"

#include "model/CalibratedInputs.h"

#include "i18n/Translate.h"
#include "model/Chain.h"
#include "model/Numbers.h"
#include "model/Summator.h"
#include "views/Fields.h"

namespace views {

namespace {

using i18n::arg;
using i18n::translate;
using model::FaultKind;

// What is wrong with a field's text, after «caption»: «text» —.
std::string whyNotUsable(FaultKind kind) {
    switch (kind) {
    case FaultKind::EmptyText:
        return translate("Veltrum", "поле пусто");
    case FaultKind::GroupSeparator:
        return translate("Veltrum", "внутри числа не допускаются пробелы (разделители разрядов)");
    case FaultKind::TwoSeparators:
        return translate("Veltrum", "в числе больше одного десятичного разделителя");
    case FaultKind::NumberOutOfRange:
    case FaultKind::NotFloat32:
        return translate("Veltrum", "число вне допустимого диапазона");
    case FaultKind::NotInt16:
        return translate("Veltrum", "нужно целое число от -32768 до 32767");
    default:
        return translate("Veltrum", "это не число");
    }
}

std::string number(double value) {
    return model::formatNumber(value, ',');
}

std::string accumulationLimit(FaultKind kind) {
    return kind == FaultKind::AccumulationTooShort
               ? arg(translate("Veltrum", "время накопления должно быть не меньше %1 мс"),
                     {number(model::kShortestAccumulation)})
               : arg(translate("Veltrum", "время накопления не должно превышать %1 мс"),
                     {number(model::kLongestAccumulation)});
}

std::string resultName(model::Result result) {
    switch (result) {
    case model::Result::ta1:
        return translate("Veltrum", "температуру Ta1");
    case model::Result::ta2:
        return translate("Veltrum", "температуру Ta2");
    case model::Result::realSensitivity:
        return translate("Veltrum", "реальную чувствительность");
    case model::Result::potentialSensitivity:
        return translate("Veltrum", "потенциальную чувствительность");
    case model::Result::brightnessDifference:
        return translate("Veltrum", "разность яркостных температур");
    case model::Result::antennaDifference:
        return translate("Veltrum", "разность антенных температур");
    case model::Result::measuredDifference:
        return translate("Veltrum", "измеренную разность антенных температур");
    }
    return translate("Veltrum", "результат");
}

} // namespace

std::string message(const model::Fault& fault, model::Scene scene) {
    const std::string fields = quoteFields(fault.quantities, scene);
    // "поле «a»" or "поля «a» и «b»": the fields a message asks the student to check.
    const std::string check =
        arg(fault.quantities.size() == 1 ? translate("Veltrum", "Проверьте поле %1.")
                                         : translate("Veltrum", "Проверьте поля %1."),
            {fields});
    // "Поле «a»: …" or "Поля «a» и «b»: …": a message about the fields themselves.
    const auto aboutFields = [&](const std::string& what) {
        return arg(fault.quantities.size() == 1 ? translate("Veltrum", "Поле %1: %2")
                                                : translate("Veltrum", "Поля %1: %2"),
                   {fields, what});
    };
    const auto withCheck = [&check](const std::string& what) { return what + " " + check; };
    const auto aboutText = [&](const std::string& why) {
        return arg(
            translate("Veltrum", "Поле %1: %2 — %3."),
            {quoted(fieldCaption(fault.quantities.front(), scene)), quoted(fault.text), why});
    };
    switch (fault.kind) {
    case FaultKind::EmptyText:
    case FaultKind::NotANumber:
    case FaultKind::GroupSeparator:
    case FaultKind::TwoSeparators:
    case FaultKind::NumberOutOfRange:
    case FaultKind::NotInt16:
    case FaultKind::NotFloat32:
        return aboutText(whyNotUsable(fault.kind));
    case FaultKind::ZeroHeight:
        return aboutFields(translate("Veltrum", "высота не может быть равна нулю."));
    case FaultKind::ZeroFrequency:
        return aboutFields(translate("Veltrum", "частота не может быть равна нулю."));
    case FaultKind::NegativeArea:
        return aboutFields(translate("Veltrum", "площадь цели не может быть отрицательной."));
    case FaultKind::BeamTooNarrow:
        return aboutFields(
            translate("Veltrum", "частота слишком велика, телесный угол луча равен нулю."));
    case FaultKind::PointTargetNotFinite:
        return withCheck(translate(
            "Veltrum", "Для малоразмерной цели получен бесконечный или неопределённый результат."));
    case FaultKind::NegativeTimeBandwidth:
        return aboutFields(translate(
            "Veltrum", "произведение времени накопления на полосу не может быть отрицательным."));
    case FaultKind::Ta1IsMinus100:
        return withCheck(
            translate("Veltrum", "Антенная температура Ta1 равна −100 К: деление на ноль."));
    case FaultKind::NegativeRangeRadicand:
        return withCheck(translate(
            "Veltrum", "Дальность Rmax не определена: подкоренное выражение отрицательно."));
    case FaultKind::SamplingRateNotChosen:
        return arg(translate("Veltrum", "Не выбрана частота дискретизации %1."), {fields});
    case FaultKind::AccumulationTooShort:
    case FaultKind::AccumulationTooLong:
        return aboutText(accumulationLimit(fault.kind));
    case FaultKind::WordLengthOutOfRange:
        return aboutText(
            arg(translate("Veltrum", "число уровней АЦП 2ⁿ не представимо; "
                                     "разрядность должна лежать в пределах от %1 до %2"),
                {number(model::kShortestWordLength), number(model::kLongestWordLength)}));
    case FaultKind::Negative:
        return aboutText(translate("Veltrum", "в калиброванной модели приёмника температура и "
                                              "нестабильность усиления не бывают отрицательными"));
    case FaultKind::NotPositive:
        return aboutText(translate("Veltrum", "в калиброванной модели приёмника полоса, "
                                              "усиление и частота среза должны быть больше нуля"));
    case FaultKind::WordLengthNotWhole:
        return aboutText(
            arg(translate("Veltrum", "в калиброванной модели приёмника разрядность — "
                                     "целое число бит от %1 до %2"),
                {number(model::kCalibratedShortestWord), number(model::kCalibratedLongestWord)}));
    case FaultKind::SignalNotFinite:
        return withCheck(translate("Veltrum", "Сигнал вышел за пределы представимых чисел "
                                              "(переполнение или расходящийся фильтр)."));
    case FaultKind::ZeroAdcRange:
        return withCheck(translate("Veltrum", "Все отсчёты на выходе двухзвенного фильтра равны "
                                              "нулю: диапазон АЦП равен нулю."));
    case FaultKind::ZeroMeasuredDifference:
        return withCheck(translate("Veltrum", "Измеренная разность антенных температур равна нулю: "
                                              "реальную чувствительность вычислить нельзя."));
    case FaultKind::ResultNotFinite: {
        const std::string what = arg(
            translate("Veltrum", "Не удалось вычислить %1: результат не является конечным числом."),
            {fault.result ? resultName(*fault.result) : translate("Veltrum", "результат")});
        return fault.quantities.empty() ? what : withCheck(what);
    }
    }
    return computeErrorTitle() + std::string(".");
}

std::string inputErrorTitle() {
    return translate("Veltrum", "Ошибка ввода");
}

std::string computeErrorTitle() {
    return translate("Veltrum", "Ошибка расчёта");
}

} // namespace views
