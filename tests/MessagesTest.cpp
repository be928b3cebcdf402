// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Russian messages made from the model's faults, the range text of the point target,
// and the limits the messages name being the limits the model keeps.

#include "views/Messages.h"
#include "PressFixture.h"
#include "model/Chain.h"
#include "model/Fault.h"
#include "model/Summator.h"
#include "views/Results.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using model::FaultKind;
using model::Quantity;
using model::Scene;

model::Fault fault(FaultKind kind, std::vector<Quantity> quantities, std::string text = {}) {
    return {kind, std::move(quantities), std::move(text), std::nullopt};
}

struct MessageCase {
    model::Fault fault;
    Scene scene;
    const char* message;
};

TEST(Messages, EveryFaultInRussianNamingItsFields) {
    const MessageCase cases[] = {
        {fault(FaultKind::NotANumber, {Quantity::ReceiverNoise}, "abc"), Scene::ExtendedTarget,
         "Поле «Т-ра вн.шума, К»: «abc» — это не число."},
        {fault(FaultKind::EmptyText, {Quantity::Gain}, " "), Scene::ExtendedTarget,
         "Поле «Kp»: « » — поле пусто."},
        {fault(FaultKind::GroupSeparator, {Quantity::Cutoff1}, "9 500"), Scene::ExtendedTarget,
         "Поле «Частота  среза фильтра1, Гц»: «9 500» — внутри числа не допускаются пробелы "
         "(разделители разрядов)."},
        {fault(FaultKind::TwoSeparators, {Quantity::Temperature2}, "1,2,3"), Scene::PointTarget,
         "Поле «Т-ра фона, К»: «1,2,3» — в числе больше одного десятичного разделителя."},
        {fault(FaultKind::NumberOutOfRange, {Quantity::Temperature1}, "1e999"),
         Scene::ExtendedTarget,
         "Поле «Температура излучения в пределах главного луча (Тягл), К»: «1e999» — число вне "
         "допустимого диапазона."},
        {fault(FaultKind::NotInt16, {Quantity::SideLobeTemperature}, "40000"),
         Scene::ExtendedTarget,
         "Поле «Средняя тем-ра излучения, принимаемая по боковым лепесткам (Тяб), К»: «40000» — "
         "нужно целое число от -32768 до 32767."},
        {fault(FaultKind::NotFloat32, {Quantity::SideLobeFraction}, "1e39"), Scene::ExtendedTarget,
         "Поле «β»: «1e39» — число вне допустимого диапазона."},
        {fault(FaultKind::ZeroHeight, {Quantity::FlightHeight}), Scene::PointTarget,
         "Поле «Высота полета, км»: высота не может быть равна нулю."},
        {fault(FaultKind::ZeroFrequency, {Quantity::Frequency}), Scene::PointTarget,
         "Поле «Частотный диапазон, ГГц»: частота не может быть равна нулю."},
        {fault(FaultKind::NegativeArea, {Quantity::TargetArea}), Scene::PointTarget,
         "Поле «Площадь цели, кв.м»: площадь цели не может быть отрицательной."},
        {fault(FaultKind::NegativeTimeBandwidth, {Quantity::Accumulation, Quantity::Bandwidth}),
         Scene::PointTarget,
         "Поля «Время накопления,мс» и «Δf, МГц»: произведение времени накопления на полосу не "
         "может быть отрицательным."},
        {fault(FaultKind::AccumulationTooShort, {Quantity::Accumulation}, "0,5"),
         Scene::ExtendedTarget,
         "Поле «Время накопления,мс»: «0,5» — время накопления должно быть не меньше 1 мс."},
        {fault(FaultKind::AccumulationTooLong, {Quantity::Accumulation}, "1e7"),
         Scene::ExtendedTarget,
         "Поле «Время накопления,мс»: «1e7» — время накопления не должно превышать 1000000 мс."},
        {fault(FaultKind::WordLengthOutOfRange, {Quantity::WordLength}, "5000"),
         Scene::ExtendedTarget,
         "Поле «Разрядность»: «5000» — число уровней АЦП 2ⁿ не представимо; разрядность должна "
         "лежать в пределах от -1074 до 1023."},
        {fault(FaultKind::SamplingRateNotChosen, {Quantity::SamplingRate}), Scene::ExtendedTarget,
         "Не выбрана частота дискретизации «Fдискретиз.»."},
        {fault(FaultKind::ZeroAdcRange, {Quantity::Cutoff1, Quantity::Cutoff2}),
         Scene::ExtendedTarget,
         "Все отсчёты на выходе двухзвенного фильтра равны нулю: диапазон АЦП равен нулю. "
         "Проверьте поля «Частота  среза фильтра1, Гц» и «Частота  среза фильтра2, Гц»."},
        {fault(FaultKind::SignalNotFinite, {Quantity::Gain, Quantity::Bandwidth}),
         Scene::ExtendedTarget,
         "Сигнал вышел за пределы представимых чисел (переполнение или расходящийся фильтр). "
         "Проверьте поля «Kp» и «Δf, МГц»."},
        {{FaultKind::ResultNotFinite, {}, {}, model::Result::realSensitivity},
         Scene::ExtendedTarget,
         "Не удалось вычислить реальную чувствительность: результат не является конечным "
         "числом."},
    };
    for (const MessageCase& c : cases)
        EXPECT_EQ(views::message(c.fault, c.scene), c.message);
}

// The range the message names is the range the model refuses beyond, and the message
// carries what was typed.
TEST(Messages, WordLengthRangeIsTheOneTheModelKeeps) {
    for (const double n : {-1074.0, -1000.0, 0.0, 12.5, 1023.0})
        EXPECT_NO_THROW(model::checkWordLength(n, "n")) << n;
    for (const double n : {-1074.5, -1075.0, 1023.5, 1024.0, 5000.0}) {
        try {
            model::checkWordLength(n, "typed");
            ADD_FAILURE() << n << " accepted";
        } catch (const model::ModelError& error) {
            EXPECT_EQ(error.fault().kind, FaultKind::WordLengthOutOfRange);
            EXPECT_EQ(error.fault().text, "typed");
        }
    }
    // Inside the range 2ⁿ is a usable positive number of levels.
    EXPECT_GT(model::adcLevels(model::kShortestWordLength), 0.0);
    EXPECT_TRUE(std::isfinite(model::adcLevels(model::kLongestWordLength)));
}

TEST(Messages, AccumulationLimitsAreTheOnesTheModelKeeps) {
    EXPECT_NO_THROW(model::checkAccumulation(1, "1"));
    EXPECT_NO_THROW(model::checkAccumulation(1e6, "1e6"));
    EXPECT_THROW(model::checkAccumulation(0.999, "0,999"), model::ModelError);
    EXPECT_THROW(model::checkAccumulation(1e6 + 1, "1000001"), model::ModelError);
}

const char* const kRangePrefix =
    "Максимальная дальность наблюдения сосредоточенной цели при Ро = 0,9 составит Rmax=";

TEST(RangeText, WholeMetresRoundedDownUpTo10To15ThenTheGeneralForm) {
    const struct {
        double range;
        const char* metres;
    } cases[] = {
        {60595.77, "60595"}, {0.0, "0"},
        {-0.0, "0"}, // the range of txtTint "-0": not "-0"
        {0.999, "0"},        {999999999999999.9, "999999999999999"},
        {1e15, "1E+15"},     {1.234567890123456789e17, "1,23456789012346E+17"},
        {1e50, "1E+50"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(views::rangeText(c.range, ','), std::string(kRangePrefix) + c.metres + "метров")
            << c.metres;
    EXPECT_EQ(views::rangeText(1.5e20, '.'), std::string(kRangePrefix) + "1.5E+20метров");
}

// Through a press: "-0" typed as the accumulation time.
TEST(RangeText, MinusZeroAccumulationReadsZeroMetres) {
    views::FieldTexts texts = testing_support::defaultTexts(Scene::PointTarget);
    texts[Quantity::Accumulation] = "-0";
    const model::ReceiverState state = testing_support::startupState();
    const views::Press press = views::preparePress(views::Block::Modulator, texts, state);
    ASSERT_TRUE(press.pointTarget.has_value());
    EXPECT_EQ(views::rangeText(press.pointTarget->range, ','),
              std::string(kRangePrefix) + "0метров");
    texts[Quantity::Accumulation] = "1e50";
    const views::Press far = views::preparePress(views::Block::Modulator, texts, state);
    const std::string text = views::rangeText(far.pointTarget->range, ',');
    EXPECT_NE(text.find("E+"), std::string::npos) << text;
    EXPECT_LE(text.size(), std::string(kRangePrefix).size() + 20 + std::string("метров").size());
}

} // namespace
