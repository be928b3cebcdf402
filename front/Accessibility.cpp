// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "front/Accessibility.h"

#include "front/Texts.h"
#include "i18n/Translate.h"
#include "model/Numbers.h"
#include "views/Fields.h"
#include "views/PlotExport.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>

namespace front {

namespace {

// A caption as a screen reader should say it: without the & mark of its access key and
// with the words that the window's narrow boxes break ("Протяжен- ная") whole again.
std::string spokenCaption(std::string caption) {
    std::string spoken;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] != '&')
            continue;
        if (caption[i] == '&')
            ++i; // "&&" is a written ampersand
        if (caption[i] == '-' && i + 1 < caption.size() && caption[i + 1] == ' ' && i > 0 &&
            caption[i - 1] != ' ') {
            ++i;
            continue;
        }
        if (caption[i] == ' ' && (spoken.empty() || spoken.back() == ' '))
            continue;
        spoken += caption[i];
    }
    while (!spoken.empty() && spoken.back() == ' ')
        spoken.pop_back();
    return spoken;
}

// "Антенный переключатель" → "антенный переключатель": the first letter lower case, for a
// name that follows an abbreviation (Latin and Cyrillic capitals).
std::string lowerFirst(std::string text) {
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z') {
        text[0] = static_cast<char>(text[0] - 'A' + 'a');
    } else if (text.size() >= 2) {
        const auto lead = static_cast<unsigned char>(text[0]);
        const auto next = static_cast<unsigned char>(text[1]);
        const unsigned code = ((lead & 0x1fu) << 6) | (next & 0x3fu);
        if ((lead & 0xe0u) == 0xc0u && code >= 0x410 && code <= 0x42f) { // А … Я
            const unsigned lower = code + 0x20;
            text[0] = static_cast<char>(0xc0u | (lower >> 6));
            text[1] = static_cast<char>(0x80u | (lower & 0x3fu));
        }
    }
    return text;
}

// Whether a caption is an abbreviation (АП, УВЧ, АЦП): capitals only, no lower-case letter.
bool isAbbreviation(const std::string& caption) {
    bool letters = false;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        const auto c = static_cast<unsigned char>(caption[i]);
        if (c >= 'a' && c <= 'z')
            return false;
        if (c >= 'A' && c <= 'Z')
            letters = true;
        if ((c & 0xe0u) == 0xc0u && i + 1 < caption.size()) {
            const unsigned code = ((c & 0x1fu) << 6) | (caption[i + 1] & 0x3fu);
            if (code >= 0x430 && code <= 0x45f)
                return false;
            letters = letters || (code >= 0x400 && code <= 0x42f);
            ++i;
        }
    }
    return letters;
}

// A block button's name: its caption where that says what it is; the full name where the
// caption is a symbol («~»); the abbreviation with the full name after it, so that the
// name still holds the words on the button (for a user who speaks them to the computer).
std::string blockName(views::Block block, const std::string& text) {
    const std::string caption = spokenCaption(text);
    const std::string full = blockFullName(block);
    if (isAbbreviation(caption))
        return caption + " — " + lowerFirst(full);
    bool letters = false;
    for (const char c : caption)
        letters = letters || static_cast<unsigned char>(c) >= 0x80 ||
                  std::isalpha(static_cast<unsigned char>(c));
    return letters ? caption : full;
}

std::optional<model::Result> resultOfLabel(const std::string& control) {
    for (const model::Result result : model::kResults)
        if (control == resultLabel(result))
            return result;
    return std::nullopt;
}

std::string brief(double value, char separator) {
    return model::formatNumber(value, separator, 4);
}

// Samples, smallest, largest and mean of the points of one input.
std::string inputInWords(const views::PlotRecord& record, int input, char separator) {
    double smallest = 0, largest = 0, sum = 0;
    std::size_t count = 0;
    for (const views::PlotRecord::Point& point : record.points) {
        if (point.input != input)
            continue;
        smallest = count == 0 ? point.y : std::min(smallest, point.y);
        largest = count == 0 ? point.y : std::max(largest, point.y);
        sum += point.y;
        ++count;
    }
    if (count == 0)
        return {};
    return i18n::arg(
        i18n::translate("Veltrum",
                        "Вход %1: %2 отсчётов, наименьшее %3, наибольшее %4, среднее %5."),
        {std::to_string(input), std::to_string(count), brief(smallest, separator),
         brief(largest, separator), brief(sum / static_cast<double>(count), separator)});
}

double luminance(Rgb colour) {
    const auto channel = [](unsigned byte) {
        const double c = byte / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel((colour >> 16) & 0xffu) + 0.7152 * channel((colour >> 8) & 0xffu) +
           0.0722 * channel(colour & 0xffu);
}

Rgb rgbOf(canvas::Colour colour) {
    return 0xff000000u | (Rgb{colour.red} << 16) | (Rgb{colour.green} << 8) | colour.blue;
}

canvas::Colour colourOf(Rgb rgb) {
    return {static_cast<std::uint8_t>((rgb >> 16) & 0xffu),
            static_cast<std::uint8_t>((rgb >> 8) & 0xffu), static_cast<std::uint8_t>(rgb & 0xffu)};
}

} // namespace

std::string blockFullName(views::Block block) {
    switch (block) {
    case views::Block::Antenna:
        return i18n::translate("Veltrum", "Антенна");
    case views::Block::NoiseEquivalent:
        return i18n::translate("Veltrum", "Шумовой эквивалент");
    case views::Block::Modulator:
        return i18n::translate("Veltrum", "Модулятор");
    case views::Block::Switch:
        return i18n::translate("Veltrum", "Антенный переключатель");
    case views::Block::Uhf:
        return i18n::translate("Veltrum", "Усилитель высокой частоты");
    case views::Block::Detector:
        return i18n::translate("Veltrum", "Квадратичный детектор");
    case views::Block::Filter1:
        return i18n::translate("Veltrum", "Фильтр однозвенный");
    case views::Block::Capacitor:
        return i18n::translate("Veltrum", "Разделительный конденсатор");
    case views::Block::Filter2:
        return i18n::translate("Veltrum", "Фильтр двухзвенный");
    case views::Block::Adc:
        return i18n::translate("Veltrum", "Аналого-цифровой преобразователь");
    case views::Block::Summator:
        return i18n::translate("Veltrum", "Сумматор");
    }
    return {};
}

std::string accessibleName(const std::string& control, const std::string& text,
                           model::Scene scene) {
    if (const views::Field* field = views::fieldOfControl(control))
        return views::fieldCaption(field->quantity, scene);
    for (const views::BlockDescription& block : views::blockDescriptions())
        if (control == block.button)
            return blockName(block.block, text);
    if (const std::optional<model::Result> result = resultOfLabel(control)) {
        const char* caption = resultCaptionControl(*result);
        if (!caption)
            return spokenCaption(text); // "Ta1=303,239993879199"
        const std::string named = spokenCaption(controlCaption(caption));
        return text.empty() ? named
                            : i18n::arg(i18n::translate("Veltrum", "%1: %2 К"), {named, text});
    }
    if (control == "PicRes") {
        const std::string title = spokenCaption(text);
        return title.empty() ? i18n::translate("Veltrum", "Осциллограмма") : title;
    }
    const Control* made = findControl(control);
    if (made && (made->kind == Kind::Option || made->kind == Kind::CheckBox ||
                 made->kind == Kind::Button || made->kind == Kind::Frame))
        return spokenCaption(text);
    return {};
}

std::string describePicture(const views::PlotRecord& record, const std::string& title,
                            const std::string& computed, char separator) {
    using PlotKind = views::PlotRecord::Kind;
    if (record.kind == PlotKind::None)
        return {};
    std::string words = spokenCaption(title) + ".";
    if (record.kind != PlotKind::Summator) {
        for (const int input : {1, 2}) {
            const std::string part = inputInWords(record, input, separator);
            if (!part.empty())
                words += " " + part;
        }
        return words;
    }
    const std::vector<double>& readings = record.readings;
    double sum = 0;
    for (const double reading : readings)
        sum += reading;
    const double mean = readings.empty() ? 0 : sum / static_cast<double>(readings.size());
    words += " " + i18n::arg(i18n::translate("Veltrum", "%1 периодов, средний отсчёт %2 К, "
                                                        "рассчитанная разность %3 К."),
                             {std::to_string(readings.size()), brief(mean, separator), computed});
    if (!record.runningMeans.empty())
        words += " " + i18n::arg(i18n::translate("Veltrum", "Кривая накопления по %1 отсчётам "
                                                            "устанавливается на %2."),
                                 {std::to_string(record.runningMeans.size()),
                                  brief(record.runningMeans.back(), separator)});
    return words;
}

ValueTable valueTable(const views::PlotRecord& record, char separator) {
    const views::PlotTable plot = views::plotTable(record);
    ValueTable table{plot.header, {}};
    table.rows.reserve(plot.rows.size());
    for (const views::CsvRow& row : plot.rows) {
        std::vector<std::string> cells;
        for (const std::optional<double>& cell : row)
            cells.push_back(cell ? model::formatNumber(*cell, separator) : std::string());
        table.rows.push_back(std::move(cells));
    }
    return table;
}

std::vector<double> toneHeights(const views::PlotRecord& record, int count) {
    std::vector<double> values;
    if (record.kind == views::PlotRecord::Kind::Summator)
        values = record.runningMeans;
    else
        for (const views::PlotRecord::Point& point : record.points)
            values.push_back(point.y);
    if (values.empty() || count < 1)
        return {};
    const std::size_t n = std::min(values.size(), static_cast<std::size_t>(count));
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    const double span = *high - *low;
    std::vector<double> heights(n);
    for (std::size_t k = 0; k < n; ++k) {
        const double value = values[k * values.size() / n];
        heights[k] = span > 0 ? (value - *low) / span : 0.5;
    }
    return heights;
}

double contrastRatio(Rgb a, Rgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb contrastingColour(Rgb colour, Rgb background, double ratio) {
    Rgb darker = colour;
    for (int step = 255; step >= 0 && contrastRatio(darker, background) < ratio; --step) {
        const auto scaled = [step](Rgb byte) { return (byte * static_cast<Rgb>(step)) / 255u; };
        darker = 0xff000000u | (scaled((colour >> 16) & 0xffu) << 16) |
                 (scaled((colour >> 8) & 0xffu) << 8) | scaled(colour & 0xffu);
    }
    return darker;
}

ControlColours controlColours(const Control& control, bool highContrast) {
    ControlColours colours{control.foreground, control.background};
    if (!highContrast)
        return colours;
    Rgb under = control.background ? control.background : kLightGrey;
    if (control.kind == Kind::Field || control.kind == Kind::ResultLabel ||
        control.kind == Kind::Picture)
        under = kWhite;
    colours.foreground = contrastingColour(control.foreground, under, kTextContrast);
    return colours;
}

canvas::RecordingCanvas highContrastPicture(const canvas::RecordingCanvas& picture,
                                            canvas::Colour first, canvas::Colour second) {
    using Call = canvas::RecordingCanvas::Call;
    using CallKind = canvas::RecordingCanvas::Kind;
    const auto traced = [](canvas::Colour colour) {
        return colourOf(contrastingColour(rgbOf(colour), kWhite, kTraceContrast));
    };
    const bool dashSecond = first != second;
    constexpr double kDash = 6, kGap = 4; // pixels of the 649 × 249 picture
    canvas::RecordingCanvas out;
    out.reserve(picture.calls().size() * 2);
    double x1 = 0, y1 = 0, x2 = 1, y2 = 1; // the scale
    float atX = 0, atY = 0;                // the drawing position
    double phase = 0;                      // along the dash pattern, in pixels
    for (const Call& call : picture.calls()) {
        switch (call.kind) {
        case CallKind::Clear:
            out.clearPicture();
            atX = atY = 0;
            break;
        case CallKind::Scale:
            out.setScale(call.x1, call.y1, call.x2, call.y2);
            x1 = call.x1, y1 = call.y1, x2 = call.x2, y2 = call.y2;
            break;
        case CallKind::Position:
            out.setPosition(call.x1, call.y1);
            atX = call.x1, atY = call.y1;
            break;
        case CallKind::Line:
            out.drawLine(call.x1, call.y1, call.x2, call.y2, traced(*call.colour));
            atX = call.x2, atY = call.y2;
            break;
        case CallKind::LineTo: {
            if (!call.colour) {
                out.lineTo(call.x1, call.y1);
            } else if (!dashSecond || *call.colour != second) {
                out.lineTo(call.x1, call.y1, traced(*call.colour));
            } else {
                const canvas::Colour colour = traced(*call.colour);
                const double dx = (call.x1 - atX) / (x2 - x1) * kPictureSize.width;
                const double dy = (call.y1 - atY) / (y2 - y1) * kPictureSize.height;
                const double length = std::hypot(dx, dy);
                // A segment far off the picture (a diverging signal drawn at the edge of
                // the float range) is drawn whole: its dashes would not be seen.
                if (!(length > 0) || length > 1e5) {
                    out.lineTo(call.x1, call.y1, colour);
                    break;
                }
                double at = 0; // pixels along this segment
                while (at < length) {
                    const bool drawn = phase < kDash;
                    const double run =
                        std::min(length - at, (drawn ? kDash : kDash + kGap) - phase);
                    const double t = (at + run) / length;
                    const bool last = at + run >= length;
                    const float px = last ? call.x1 : static_cast<float>(atX + (call.x1 - atX) * t);
                    const float py = last ? call.y1 : static_cast<float>(atY + (call.y1 - atY) * t);
                    if (drawn)
                        out.lineTo(px, py, colour);
                    else
                        out.setPosition(px, py);
                    at += run;
                    phase = std::fmod(phase + run, kDash + kGap);
                }
            }
            break;
        }
        }
        if (call.kind == CallKind::LineTo) {
            atX = call.x1;
            atY = call.y1;
        }
    }
    return out;
}

} // namespace front
