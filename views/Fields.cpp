// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/Fields.h"

#include "views/Scenes.h"

#include <algorithm>
#include <cassert>

namespace views {

using model::Quantity;

const std::vector<Field>& fields() {
    static const std::vector<Field> table = {
        {Quantity::FlightHeight, "txtVisota", "Высота полета, км", "Label3"},
        {Quantity::TargetArea, "txtScel", "Площадь цели, кв.м", "Label16"},
        {Quantity::Frequency, "txtF", "Частотный диапазон, ГГц", "Label17"},
        {Quantity::Temperature2, "txtT2", sceneLook(model::Scene::ExtendedTarget).lblT2, "lblT2"},
        {Quantity::Temperature1, "txtT1",
         "Температура излучения в пределах главного луча (Тягл), К ", "Label6"},
        {Quantity::Bandwidth, "txtdeltaf", "Δ<i>f</i>, МГц", "imgdeltaf"},
        {Quantity::Gain, "txtKp", "Kp", "Label2"},
        {Quantity::GainInstability, "txtdeltaKp", "Δ<i>K</i><sub>p</sub>/<i>K</i><sub>p</sub>, %",
         "imgdeltaKp"},
        {Quantity::ReceiverNoise, "txtTprm", "Т-ра вн.шума, К", "Label8"},
        {Quantity::Cutoff1, "txtF11", "Частота  среза фильтра1, Гц", "Label11"},
        {Quantity::Cutoff2, "txtF22", "Частота  среза фильтра2, Гц", "Label12"},
        {Quantity::WordLength, "txtn", "Разрядность", "Label13"},
        {Quantity::Accumulation, "txtTint", "Время накопления,мс", "Label9"},
        {Quantity::SideLobeFraction, "txtBetta", "<i>β</i>", "imgBetta"},
        {Quantity::SideLobeTemperature, "txtTbokov",
         "Средняя тем-ра излучения, принимаемая по боковым лепесткам (Тяб), К", "Label1"},
        {Quantity::SamplingRate, "cboFd", "Fдискретиз.", "Label14"},
    };
    return table;
}

const Field& field(Quantity quantity) {
    const Field& found = fields()[static_cast<std::size_t>(quantity)];
    assert(found.quantity == quantity);
    return found;
}

const Field* fieldOfControl(std::string_view control) {
    const auto& table = fields();
    const auto found = std::find_if(table.begin(), table.end(),
                                    [control](const Field& f) { return control == f.control; });
    return found == table.end() ? nullptr : &*found;
}

std::string plainCaption(const char* caption) {
    std::string plain;
    bool inTag = false;
    for (const char* c = caption; *c; ++c) {
        if (*c == '<')
            inTag = true;
        else if (*c == '>')
            inTag = false;
        else if (!inTag)
            plain += *c;
    }
    while (!plain.empty() && plain.back() == ' ')
        plain.pop_back();
    return plain;
}

std::string fieldCaption(Quantity quantity, model::Scene scene) {
    return plainCaption(quantity == Quantity::Temperature2 ? sceneLook(scene).temperature2
                                                           : field(quantity).caption);
}

std::string quoteFields(const std::vector<Quantity>& quantities, model::Scene scene) {
    std::string text;
    for (std::size_t index = 0; index < quantities.size(); ++index) {
        if (index > 0)
            text += index + 1 == quantities.size() ? " и " : ", ";
        text += "«" + fieldCaption(quantities[index], scene) + "»";
    }
    return text;
}

const std::vector<SamplingRate>& samplingRates() {
    static const std::vector<SamplingRate> rates = {
        {"5МГц", 1},    {"2,5МГц", 2},  {"1,25МГц", 4}, {"1МГц", 5},    {"500кГц", 10},
        {"100кГц", 50}, {"50кГц", 100}, {"25кГц", 200}, {"10кГц", 500},
    };
    return rates;
}

} // namespace views
