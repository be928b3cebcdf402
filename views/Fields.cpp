// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/Fields.h"

#include "model/Numbers.h"
#include "views/Press.h"

namespace views {

const char* t2Caption(model::Scene scene) {
    switch (scene) {
    case model::Scene::PointTarget:
        return "Т-ра фона, К";
    case model::Scene::Boundary:
        return "Т-ра цели 2, К";
    case model::Scene::ExtendedTarget:
        break;
    }
    return "Т-ра эквивалента, К";
}

double readNumber(const char* fieldCaption, std::string_view text) {
    try {
        return model::readField(fieldCaption, text);
    } catch (const model::FieldError& error) {
        throw PressError(error.what());
    }
}

std::string quoteFields(std::initializer_list<const char*> captions) {
    std::string text;
    std::size_t index = 0;
    for (const char* fieldCaption : captions) {
        if (index > 0)
            text += index + 1 == captions.size() ? " и " : ", ";
        text += std::string("«") + fieldCaption + "»";
        ++index;
    }
    return text;
}

} // namespace views
