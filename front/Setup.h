// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A lab setup: what a teacher hands out and a student opens, on the desktop or in the
// browser. A UTF-8 JSON file:
//   {"format": "veltrum-setup", "version": 1,
//    "fields": {"txtT1": "304", ...}, "scene": "optBigCel" | "optGranica" | "optCel",
//    "sideLobes": false, "samplingRate": "50кГц",
//    "colours": {"object1": "mnuRed1", "object2": "mnuBlue2"},
//    "noise": {"seed": 12345},
//    "receiver": "course" | "calibrated", "switching": "modulated" | "total-power"}
// Field texts are kept as typed (the next press checks them, as always). Every key but
// format and version may be missing: its control stays as it is. The reader is strict: a
// file that is not a setup, is cut short, holds an unknown key, a value of the wrong kind,
// a text over 1000 characters or a newer version is refused whole, with one Russian
// sentence naming the problem, and nothing of it is applied.

#include "i18n/Translate.h"
#include "model/Quantity.h"
#include "model/ReceiverState.h"
#include "views/Press.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace front {

inline constexpr const char* kSetupFormat = "veltrum-setup";
inline constexpr int kSetupVersion = 1;
inline constexpr std::size_t kLongestFieldText = 1000;       // characters
inline constexpr std::size_t kLargestSetupFile = 256 * 1024; // bytes
// The file names a save suggests and an open offers.
inline constexpr const char* kSetupSuffix = "veltrum";
inline constexpr const char* kSetupMimeType = "application/x-veltrum-setup";

struct Setup {
    std::map<model::Quantity, std::string> fields; // as typed
    std::optional<model::Scene> scene;
    std::optional<bool> sideLobes;
    std::optional<int> samplingRate; // the position in the list
    std::optional<int> colourRow[2]; // the row of each object's colour
    std::optional<std::uint64_t> seed;
    std::optional<views::ReceiverModel> receiver; // absent: the course model
    std::optional<model::Switching> switching;    // the calibrated receiver's
};

// The setup's (and the command line's) words for the receivers and switchings:
// "course", "calibrated"; "modulated", "total-power". None for another word.
std::optional<views::ReceiverModel> receiverOfWord(std::string_view word);
std::optional<model::Switching> switchingOfWord(std::string_view word);
const char* wordOf(views::ReceiverModel receiver);
const char* wordOf(model::Switching switching);

// Why a file is not a setup; what() is the Russian sentence.
class SetupError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The setup in a file's bytes; SetupError when they are not one.
Setup readSetup(std::string_view bytes);

// The setup as a file: every key the setup holds, in the order above, indented.
std::string writeSetup(const Setup& setup);

// The controls a setup is opened into, set as the user would type and click them.
class SetupControls {
public:
    virtual ~SetupControls() = default;
    virtual void type(model::Quantity quantity, const std::string& text) = 0;
    virtual void chooseScene(model::Scene scene) = 0;
    virtual void chooseSamplingRate(int index) = 0;
    virtual void chooseColour(int object, int row) = 0;
    virtual void restartNoise(std::uint64_t seed) = 0;
    virtual bool sideLobesTicked() const = 0;
    virtual void clickSideLobes(bool ticked) = 0;
    virtual void chooseReceiver(std::optional<views::ReceiverModel> receiver,
                                std::optional<model::Switching> switching) = 0;
};

// Opens a setup into the controls, in the order the window and the batch mode share: the
// fields, the scene, the rate, the colours, the noise seed, the side-lobe box (a ticked
// box clicked off first, so that the setup's β and Tsl are read), then the receiver.
// Nothing else.
void applySetup(const Setup& setup, SetupControls& controls);

// The window's message when a setup cannot be opened: the file's name and why.
std::string setupRefusedMessage(const std::string& fileName, const std::string& why);
std::string setupRefusedTitle();

// The texts of opening and saving a setup.
namespace setup_texts {
inline constexpr const char* kOpenSetup = VT_NOOP("Veltrum", "Открыть установку…");
inline constexpr const char* kSaveSetup = VT_NOOP("Veltrum", "Сохранить установку…");
inline constexpr const char* kCopySetupLink = VT_NOOP("Veltrum", "Копировать ссылку на установку");
inline constexpr const char* kOpenSetupTitle = VT_NOOP("Veltrum", "Открыть установку");
inline constexpr const char* kSaveSetupTitle = VT_NOOP("Veltrum", "Сохранить установку");
inline constexpr const char* kSetupFile = VT_NOOP("Veltrum", "установка.veltrum");
inline constexpr const char* kSetupFilter =
    VT_NOOP("Veltrum", "Установка Veltrum (*.veltrum *.json)");
inline constexpr const char* kSetupWhat = VT_NOOP("Veltrum", "установку");
inline constexpr const char* kSetupLinkCopied = VT_NOOP(
    "Veltrum", "Ссылка на установку скопирована: вставьте её в письмо или на страницу курса.");
inline constexpr const char* kSetupLinkShown =
    VT_NOOP("Veltrum", "Браузер не дал скопировать ссылку; скопируйте её отсюда:\n");
inline constexpr const char* kSetupFromAddress = VT_NOOP("Veltrum", "адрес страницы");
} // namespace setup_texts

// The 32-bit key of the noise stream for a setup's 64-bit seed: the seed itself below 2³²,
// so that a small seed (and the built-in one) gives the stream it always gave.
std::uint32_t streamSeed(std::uint64_t seed);

} // namespace front
