// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window's input fields as the views read them: each field's caption, used to name
// it in messages, and the conversion of its text.

#include "model/ReceiverState.h"

#include <string>
#include <string_view>

namespace views {

namespace caption {
inline constexpr const char* kVisota = "Высота полета, км";
inline constexpr const char* kScel = "Площадь цели, кв.м";
inline constexpr const char* kF = "Частотный диапазон, ГГц";
inline constexpr const char* kT1 = "Температура излучения в пределах главного луча (Тягл), К";
inline constexpr const char* kDeltaf = "Δf, МГц";
inline constexpr const char* kKp = "Kp";
inline constexpr const char* kDeltaKp = "ΔKp/Kp, %";
inline constexpr const char* kTprm = "Т-ра вн.шума, К";
inline constexpr const char* kF11 = "Частота  среза фильтра1, Гц";
inline constexpr const char* kF22 = "Частота  среза фильтра2, Гц";
inline constexpr const char* kN = "Разрядность";
inline constexpr const char* kTint = "Время накопления,мс";
inline constexpr const char* kBetta = "β";
inline constexpr const char* kTbokov =
    "Средняя тем-ра излучения, принимаемая по боковым лепесткам (Тяб), К";
} // namespace caption

// txtT2 is the noise equivalent's temperature, the background's or the second target's.
const char* t2Caption(model::Scene scene);

// The field's number; a PressError naming the field when the text is not a number.
double readNumber(const char* fieldCaption, std::string_view text);

// «a», «b» and «c»: captions quoted and joined for a message.
std::string quoteFields(std::initializer_list<const char*> captions);

} // namespace views
