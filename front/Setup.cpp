// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "front/Setup.h"

#include "front/ControlTable.h"
#include "front/Json.h"
#include "i18n/Translate.h"
#include "views/Fields.h"
#include "views/Scenes.h"

#include <vector>

namespace front {

namespace {

using json::Value;

[[noreturn]] void refuse(const std::string& why) {
    throw SetupError(why);
}

using i18n::arg;
using i18n::translate;
using views::quoted;

std::string kindName(Value::Type type) {
    switch (type) {
    case Value::Type::Null:
        return "null";
    case Value::Type::Boolean:
        return translate("Veltrum", "логическое значение");
    case Value::Type::Number:
        return translate("Veltrum", "число");
    case Value::Type::String:
        return translate("Veltrum", "строка");
    case Value::Type::Array:
        return translate("Veltrum", "массив");
    case Value::Type::Object:
        return translate("Veltrum", "объект");
    }
    return translate("Veltrum", "значение");
}

const Value& expect(const Value& value, Value::Type type, const std::string& key) {
    if (!value.is(type))
        refuse(arg(translate("Veltrum", "значение ключа %1 должно быть: %2, а не %3"),
                   {quoted(key), kindName(type), kindName(value.type)}));
    return value;
}

// Every member of an object must be one of `known`.
void onlyKnownKeys(const Value& object, const std::vector<std::string>& known,
                   const std::string& prefix) {
    for (const auto& [key, value] : object.members) {
        bool found = false;
        for (const std::string& name : known)
            found = found || key == name;
        if (!found)
            refuse(arg(translate("Veltrum", "неизвестный ключ %1"), {quoted(prefix + key)}));
    }
}

// A whole number 0 … 2⁶⁴ − 1 written in plain digits.
std::uint64_t wholeNumber(const Value& value, const std::string& key) {
    expect(value, Value::Type::Number, key);
    const std::string& digits = value.text;
    const std::string limit = "18446744073709551615";
    const bool plain = !digits.empty() &&
                       digits.find_first_not_of("0123456789") == std::string::npos &&
                       (digits.size() == 1 || digits[0] != '0');
    if (!plain || digits.size() > limit.size() || (digits.size() == limit.size() && digits > limit))
        refuse(arg(translate("Veltrum", "значение ключа %1 должно быть целым числом от 0 до %2"),
                   {quoted(key), limit}));
    std::uint64_t number = 0;
    for (const char c : digits)
        number = number * 10 + static_cast<std::uint64_t>(c - '0');
    return number;
}

void readFields(const Value& fields, Setup& setup) {
    expect(fields, Value::Type::Object, "fields");
    for (const auto& [control, text] : fields.members) {
        const views::Field* field = views::fieldOfControl(control);
        if (!field || field->quantity == model::Quantity::SamplingRate)
            refuse(arg(translate("Veltrum", "неизвестное поле %1"), {quoted("fields." + control)}));
        expect(text, Value::Type::String, "fields." + control);
        const std::string caption =
            views::fieldCaption(field->quantity, model::Scene::ExtendedTarget);
        if (json::characterCount(text.text) > kLongestFieldText)
            refuse(arg(translate("Veltrum", "текст поля %1 длиннее %2 символов"),
                       {quoted(caption), std::to_string(kLongestFieldText)}));
        for (const char c : text.text)
            if (static_cast<unsigned char>(c) < 0x20)
                refuse(arg(translate("Veltrum", "текст поля %1 содержит управляющий символ"),
                           {quoted(caption)}));
        setup.fields[field->quantity] = text.text;
    }
}

void readColours(const Value& colours, Setup& setup) {
    expect(colours, Value::Type::Object, "colours");
    onlyKnownKeys(colours, {"object1", "object2"}, "colours.");
    for (int object = 0; object < 2; ++object) {
        const std::string key = "object" + std::to_string(object + 1);
        const Value* item = colours.find(key);
        if (!item)
            continue;
        expect(*item, Value::Type::String, "colours." + key);
        const std::optional<ColourItem> chosen = colourItemOf(item->text);
        if (chosen && chosen->object == object)
            setup.colourRow[object] = chosen->row;
        if (!setup.colourRow[object])
            refuse(
                arg(object == 0
                        ? translate("Veltrum", "значение ключа %1 — не цвет первого объекта: %2")
                        : translate("Veltrum", "значение ключа %1 — не цвет второго объекта: %2"),
                    {quoted("colours." + key), quoted(item->text)}));
    }
}

} // namespace

Setup readSetup(std::string_view bytes) {
    if (bytes.size() > kLargestSetupFile)
        refuse(arg(translate("Veltrum", "файл больше %1 КБ"),
                   {std::to_string(kLargestSetupFile / 1024)}));
    // A byte-order mark, as some editors write, is skipped by the parser; a file of it and
    // blanks alone is empty.
    const std::string_view text = bytes.substr(0, 3) == "\xEF\xBB\xBF" ? bytes.substr(3) : bytes;
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos)
        refuse(translate("Veltrum", "файл пуст"));
    json::ParseError error;
    const std::optional<Value> parsed = json::parse(bytes, &error);
    if (!parsed) {
        if (error.offset >= bytes.size())
            refuse(arg(translate("Veltrum", "файл оборван: %1"), {i18n::tr(error.what.c_str())}));
        refuse(arg(translate("Veltrum", "это не текст JSON: %1 (байт %2)"),
                   {i18n::tr(error.what.c_str()), std::to_string(error.offset + 1)}));
    }
    const Value& root = *parsed;
    const Value* format = root.find("format");
    if (!root.is(Value::Type::Object) || !format || !format->is(Value::Type::String) ||
        format->text != kSetupFormat)
        refuse(arg(translate("Veltrum", "нет ключа %1 со значением %2"),
                   {quoted("format"), quoted(kSetupFormat)}));
    const Value* version = root.find("version");
    if (!version)
        refuse(arg(translate("Veltrum", "нет ключа %1"), {quoted("version")}));
    const std::uint64_t written = wholeNumber(*version, "version");
    if (written > static_cast<std::uint64_t>(kSetupVersion))
        refuse(arg(translate("Veltrum", "установка записана более новой версией Veltrum "
                                        "(формат %1); эта версия читает формат %2"),
                   {std::to_string(written), std::to_string(kSetupVersion)}));
    if (written < 1)
        refuse(arg(translate("Veltrum", "неверная версия формата: %1"), {std::to_string(written)}));
    onlyKnownKeys(root,
                  {"format", "version", "fields", "scene", "sideLobes", "samplingRate", "colours",
                   "noise", "receiver", "switching"},
                  "");

    Setup setup;
    if (const Value* fields = root.find("fields"))
        readFields(*fields, setup);
    if (const Value* scene = root.find("scene")) {
        expect(*scene, Value::Type::String, "scene");
        if (const views::SceneLook* look = views::sceneOfOption(scene->text))
            setup.scene = look->scene;
        if (!setup.scene)
            refuse(arg(translate("Veltrum", "значение ключа %1 — не вариант наблюдения: %2"),
                       {quoted("scene"), quoted(scene->text)}));
    }
    if (const Value* sideLobes = root.find("sideLobes"))
        setup.sideLobes = expect(*sideLobes, Value::Type::Boolean, "sideLobes").boolean;
    if (const Value* rate = root.find("samplingRate")) {
        expect(*rate, Value::Type::String, "samplingRate");
        const std::vector<std::string> items = samplingRateItems();
        for (std::size_t k = 0; k < items.size(); ++k)
            if (rate->text == items[k])
                setup.samplingRate = static_cast<int>(k);
        if (!setup.samplingRate)
            refuse(arg(
                translate("Veltrum", "значение ключа %1 — не частота дискретизации из списка: %2"),
                {quoted("samplingRate"), quoted(rate->text)}));
    }
    if (const Value* colours = root.find("colours"))
        readColours(*colours, setup);
    if (const Value* noise = root.find("noise")) {
        expect(*noise, Value::Type::Object, "noise");
        onlyKnownKeys(*noise, {"seed"}, "noise.");
        if (const Value* seed = noise->find("seed"))
            setup.seed = wholeNumber(*seed, "noise.seed");
    }
    if (const Value* receiver = root.find("receiver")) {
        expect(*receiver, Value::Type::String, "receiver");
        setup.receiver = receiverOfWord(receiver->text);
        if (!setup.receiver)
            refuse(arg(translate("Veltrum", "значение ключа %1 — не модель приёмника: %2"),
                       {quoted("receiver"), quoted(receiver->text)}));
    }
    if (const Value* switching = root.find("switching")) {
        expect(*switching, Value::Type::String, "switching");
        setup.switching = switchingOfWord(switching->text);
        if (!setup.switching)
            refuse(arg(translate("Veltrum", "значение ключа %1 — не способ переключения: %2"),
                       {quoted("switching"), quoted(switching->text)}));
    }
    return setup;
}

std::optional<views::ReceiverModel> receiverOfWord(std::string_view word) {
    for (const views::ReceiverModel receiver :
         {views::ReceiverModel::Course, views::ReceiverModel::Calibrated})
        if (word == wordOf(receiver))
            return receiver;
    return std::nullopt;
}

std::optional<model::Switching> switchingOfWord(std::string_view word) {
    for (const model::Switching switching :
         {model::Switching::Modulated, model::Switching::TotalPower})
        if (word == wordOf(switching))
            return switching;
    return std::nullopt;
}

const char* wordOf(views::ReceiverModel receiver) {
    return receiver == views::ReceiverModel::Calibrated ? "calibrated" : "course";
}

const char* wordOf(model::Switching switching) {
    return switching == model::Switching::TotalPower ? "total-power" : "modulated";
}

std::string writeSetup(const Setup& setup) {
    std::string out = "{\n  \"format\": " + json::quote(kSetupFormat) +
                      ",\n  \"version\": " + std::to_string(kSetupVersion);
    if (!setup.fields.empty()) {
        out += ",\n  \"fields\": {";
        bool first = true;
        for (const views::Field& field : views::fields()) {
            const auto typed = setup.fields.find(field.quantity);
            if (typed == setup.fields.end())
                continue;
            out += std::string(first ? "\n" : ",\n") + "    " + json::quote(field.control) + ": " +
                   json::quote(typed->second);
            first = false;
        }
        out += "\n  }";
    }
    if (setup.scene)
        out += ",\n  \"scene\": " + json::quote(views::sceneLook(*setup.scene).option);
    if (setup.sideLobes)
        out += std::string(",\n  \"sideLobes\": ") + (*setup.sideLobes ? "true" : "false");
    if (setup.samplingRate)
        out += ",\n  \"samplingRate\": " +
               json::quote(samplingRateItems()[static_cast<std::size_t>(*setup.samplingRate)]);
    if (setup.colourRow[0] || setup.colourRow[1]) {
        out += ",\n  \"colours\": {";
        bool first = true;
        for (int object = 0; object < 2; ++object) {
            if (!setup.colourRow[object])
                continue;
            out += std::string(first ? "" : ", ") + "\"object" + std::to_string(object + 1) +
                   "\": " + json::quote(colourItemName(object, *setup.colourRow[object]));
            first = false;
        }
        out += "}";
    }
    if (setup.seed)
        out += ",\n  \"noise\": {\"seed\": " + std::to_string(*setup.seed) + "}";
    if (setup.receiver)
        out += std::string(",\n  \"receiver\": ") + json::quote(wordOf(*setup.receiver));
    if (setup.switching)
        out += std::string(",\n  \"switching\": ") + json::quote(wordOf(*setup.switching));
    return out + "\n}\n";
}

std::string setupRefusedMessage(const std::string& fileName, const std::string& why) {
    return arg(translate("Veltrum", "Не удалось открыть установку %1: %2. Окно не изменилось."),
               {quoted(fileName), why});
}

std::string setupRefusedTitle() {
    return translate("Veltrum", "Ошибка установки");
}

std::uint32_t streamSeed(std::uint64_t seed) {
    const auto low = static_cast<std::uint32_t>(seed);
    auto high = static_cast<std::uint32_t>(seed >> 32);
    if (high == 0)
        return low;
    // The high word mixed (a bijective xorshift-multiply) into the low one.
    high ^= high >> 16;
    high *= 0x7FEB352Du;
    high ^= high >> 15;
    high *= 0x846CA68Bu;
    high ^= high >> 16;
    return low ^ high;
}

void applySetup(const Setup& setup, SetupControls& controls) {
    for (const auto& [quantity, text] : setup.fields)
        controls.type(quantity, text);
    if (setup.scene)
        controls.chooseScene(*setup.scene);
    if (setup.samplingRate)
        controls.chooseSamplingRate(*setup.samplingRate);
    for (int object = 0; object < 2; ++object)
        if (setup.colourRow[object])
            controls.chooseColour(object, *setup.colourRow[object]);
    if (setup.seed)
        controls.restartNoise(*setup.seed);
    if (setup.sideLobes) {
        if (controls.sideLobesTicked())
            controls.clickSideLobes(false);
        if (*setup.sideLobes)
            controls.clickSideLobes(true);
    }
    if (setup.receiver || setup.switching)
        controls.chooseReceiver(setup.receiver, setup.switching);
}

} // namespace front
