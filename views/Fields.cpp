// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/Fields.h"

#include "views/Scenes.h"

#include "i18n/Translate.h"

#include <algorithm>
#include <cassert>

namespace views {

using model::Quantity;

const std::vector<Field>& fields() {
    static const std::vector<Field> table = {
        {Quantity::FlightHeight, "txtVisota", VT_NOOP("Veltrum", "Высота полета, км"), "Label3"},
        {Quantity::TargetArea, "txtScel", VT_NOOP("Veltrum", "Площадь цели, кв.м"), "Label16"},
        {Quantity::Frequency, "txtF", VT_NOOP("Veltrum", "Частотный диапазон, ГГц"), "Label17"},
        {Quantity::Temperature2, "txtT2", sceneLook(model::Scene::ExtendedTarget).lblT2, "lblT2"},
        {Quantity::Temperature1, "txtT1",
         VT_NOOP("Veltrum", "Температура излучения в пределах главного луча (Тягл), К "), "Label6"},
        {Quantity::Bandwidth, "txtdeltaf", VT_NOOP("Veltrum", "Δ<i>f</i>, МГц"), "imgdeltaf"},
        {Quantity::Gain, "txtKp", "Kp", "Label2"},
        {Quantity::GainInstability, "txtdeltaKp", "Δ<i>K</i><sub>p</sub>/<i>K</i><sub>p</sub>, %",
         "imgdeltaKp"},
        {Quantity::ReceiverNoise, "txtTprm", VT_NOOP("Veltrum", "Т-ра вн.шума, К"), "Label8"},
        {Quantity::Cutoff1, "txtF11", VT_NOOP("Veltrum", "Частота  среза фильтра1, Гц"), "Label11"},
        {Quantity::Cutoff2, "txtF22", VT_NOOP("Veltrum", "Частота  среза фильтра2, Гц"), "Label12"},
        {Quantity::WordLength, "txtn", VT_NOOP("Veltrum", "Разрядность"), "Label13"},
        {Quantity::Accumulation, "txtTint", VT_NOOP("Veltrum", "Время накопления,мс"), "Label9"},
        {Quantity::SideLobeFraction, "txtBetta", "<i>β</i>", "imgBetta"},
        {Quantity::SideLobeTemperature, "txtTbokov",
         VT_NOOP("Veltrum", "Средняя тем-ра излучения, принимаемая по боковым лепесткам (Тяб), К"),
         "Label1"},
        {Quantity::SamplingRate, "cboFd", VT_NOOP("Veltrum", "Fдискретиз."), "Label14"},
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
    const char* caption = quantity == Quantity::Temperature2 ? sceneLook(scene).temperature2
                                                             : field(quantity).caption;
    return plainCaption(i18n::tr(caption).c_str());
}

std::string quoted(const std::string& text) {
    return i18n::arg(i18n::translate("Veltrum", "«%1»"), {text});
}

std::string quoteFields(const std::vector<Quantity>& quantities, model::Scene scene) {
    std::string text;
    for (std::size_t index = 0; index < quantities.size(); ++index) {
        const std::string next = quoted(fieldCaption(quantities[index], scene));
        if (index == 0)
            text = next;
        else if (index + 1 == quantities.size())
            text = i18n::arg(i18n::translate("Veltrum", "%1 и %2"), {text, next});
        else
            text = i18n::arg(i18n::translate("Veltrum", "%1, %2"), {text, next});
    }
    return text;
}

const std::vector<SamplingRate>& samplingRates() {
    static const std::vector<SamplingRate> rates = {
        {VT_NOOP("Veltrum", "5МГц"), 1},    {VT_NOOP("Veltrum", "2,5МГц"), 2},
        {VT_NOOP("Veltrum", "1,25МГц"), 4}, {VT_NOOP("Veltrum", "1МГц"), 5},
        {VT_NOOP("Veltrum", "500кГц"), 10}, {VT_NOOP("Veltrum", "100кГц"), 50},
        {VT_NOOP("Veltrum", "50кГц"), 100}, {VT_NOOP("Veltrum", "25кГц"), 200},
        {VT_NOOP("Veltrum", "10кГц"), 500},
    };
    return rates;
}

} // namespace views
