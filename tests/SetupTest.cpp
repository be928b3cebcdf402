// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lab setups: every kind of bad file refused with a sentence naming the problem, a setup
// written and read back, a hundred thousand mutated files that never crash the reader nor
// half-read one, the noise seed that gives every student their own numbers, and the batch
// mode that gives the window's readings without a window.

#include "front/Setup.h"
#include "front/Batch.h"
#include "front/Report.h"
#include "front/Window.h"
#include "model/Noise.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

namespace {

using model::Quantity;

const std::string kGood = R"({"format": "veltrum-setup", "version": 1,
  "fields": {"txtT1": "310,5", "txtTint": "20", "txtKp": "abc"},
  "scene": "optCel", "sideLobes": true, "samplingRate": "25кГц",
  "colours": {"object1": "mnuRed1", "object2": "mnuBlack2"},
  "noise": {"seed": 18446744073709551615}})";

std::string refusal(const std::string& text) {
    try {
        front::readSetup(text);
    } catch (const front::SetupError& error) {
        return error.what();
    }
    return "(read)";
}

TEST(Setup, EveryKindOfBadFileIsRefusedNamingTheProblem) {
    const std::string head = R"({"format": "veltrum-setup", "version": 1, )";
    const struct {
        std::string text;
        const char* why; // a part of the sentence
    } cases[] = {
        {"", "файл пуст"},
        {"  \n", "файл пуст"},
        {"PK\x03\x04 zip", "это не текст JSON"},
        {kGood.substr(0, kGood.size() / 2), "файл оборван"},
        {kGood.substr(0, kGood.size() - 1), "файл оборван"},
        {"[1, 2]", "нет ключа «format»"},
        {R"({"format": "veltrum-session", "version": 1})", "нет ключа «format»"},
        {R"({"format": "veltrum-setup"})", "нет ключа «version»"},
        {R"({"format": "veltrum-setup", "version": 2})", "более новой версией Veltrum (формат 2)"},
        {R"({"format": "veltrum-setup", "version": "1"})", "«version» должно быть: число"},
        {R"({"format": "veltrum-setup", "version": 1.5})", "целым числом"},
        {R"({"format": "veltrum-setup", "version": 0})", "неверная версия"},
        {head + R"("colour": {}})", "неизвестный ключ «colour»"},
        {head + R"("fields": {"txtX": "1"}})", "неизвестное поле «fields.txtX»"},
        {head + R"("fields": {"cboFd": "1"}})", "неизвестное поле «fields.cboFd»"},
        {head + R"("fields": {"txtT1": 304}})", "«fields.txtT1» должно быть: строка, а не число"},
        {head + R"("fields": ["txtT1"]})", "«fields» должно быть: объект"},
        {head + R"("sideLobes": "да"})", "«sideLobes» должно быть: логическое значение"},
        {head + R"("scene": "optBig"})", "не вариант наблюдения"},
        {head + R"("samplingRate": "50 кГц"})", "не частота дискретизации из списка"},
        {head + R"("colours": {"object1": "mnuRed2"}})", "не цвет первого объекта"},
        {head + R"("colours": {"object3": "mnuRed1"}})", "неизвестный ключ «colours.object3»"},
        {head + R"("noise": {"seed": -1}})", "целым числом от 0 до 18446744073709551615"},
        {head + R"("noise": {"seed": 18446744073709551616}})", "целым числом от 0"},
        {head + R"("noise": {"seed": 1e3}})", "целым числом от 0"},
        {head + R"("noise": {"start": 1}})", "неизвестный ключ «noise.start»"},
        {head + R"("fields": {"txtKp": ")" + std::string(1001, '4') + R"("}})",
         "текст поля «Kp» длиннее 1000 символов"},
        {head + R"("fields": {"txtKp": "4\n"}})", "содержит управляющий символ"},
        {head + "\"fields\": {\"txtKp\": \"\xC0\xAF\"}}", "не в кодировке UTF-8"},
        {head + R"("scene": "optCel", "scene": "optBigCel"})", "ключ повторяется"},
        {std::string(300 * 1024, ' '), "файл больше 256 КБ"},
        {std::string(40, '[') + std::string(40, ']'), "слишком глубокая вложенность"},
        {kGood + " x", "лишний текст"},
    };
    for (const auto& c : cases) {
        const std::string said = refusal(c.text);
        EXPECT_NE(said.find(c.why), std::string::npos)
            << said << "\n  for: " << c.text.substr(0, 80);
    }
    // A text of exactly 1000 characters (Cyrillic: 2000 bytes) and a byte-order mark are fine.
    std::string longest;
    for (int k = 0; k < 1000; ++k)
        longest += "ж";
    EXPECT_EQ(
        front::readSetup("\xEF\xBB\xBF" + head + R"("fields": {"txtKp": ")" + longest + R"("}})")
            .fields.at(Quantity::Gain),
        longest);
}

// The file's limits exactly: 256 KiB is read, one byte more refused; a byte-order mark is
// skipped only when all three of its bytes are there.
TEST(Setup, TheSizeLimitAndTheByteOrderMarkToTheByte) {
    const auto padded = [](std::size_t size) {
        return kGood + std::string(size - kGood.size(), ' ');
    };
    EXPECT_EQ(front::readSetup(padded(front::kLargestSetupFile)).seed,
              std::uint64_t{18446744073709551615u});
    EXPECT_EQ(refusal(padded(front::kLargestSetupFile + 1)), "файл больше 256 КБ");
    const std::string bom = "\xEF\xBB\xBF";
    EXPECT_EQ(front::readSetup(bom + kGood).scene, model::Scene::PointTarget);
    EXPECT_EQ(front::readSetup(padded(front::kLargestSetupFile - 3).insert(0, bom)).scene,
              model::Scene::PointTarget);
    EXPECT_EQ(refusal(bom + "  "), "файл пуст");
    for (const std::string& almost : {std::string("\xEF\xBB\xBE"), std::string("\xEF\xBB"),
                                      std::string("\xEF\xBB\x7B"), bom + bom}) {
        const std::string said = refusal(almost + kGood);
        EXPECT_NE(said.find("это не текст JSON"), std::string::npos) << said;
    }
}

TEST(Setup, WrittenAndReadBack) {
    const front::Setup read = front::readSetup(kGood);
    EXPECT_EQ(read.fields.at(Quantity::Temperature1), "310,5");
    EXPECT_EQ(read.fields.at(Quantity::Gain), "abc"); // kept as typed: the press checks it
    EXPECT_EQ(read.scene, model::Scene::PointTarget);
    EXPECT_EQ(read.sideLobes, true);
    EXPECT_EQ(read.samplingRate, 7);
    EXPECT_EQ(read.colourRow[0], 0);
    EXPECT_EQ(read.colourRow[1], 6);
    EXPECT_EQ(read.seed, std::uint64_t{18446744073709551615u});
    const std::string written = front::writeSetup(read);
    EXPECT_EQ(front::writeSetup(front::readSetup(written)), written);
    EXPECT_EQ(written.rfind("{\n  \"format\": \"veltrum-setup\",\n  \"version\": 1,\n", 0), 0u);
    // Only what a setup holds is written: a minimal one stays minimal.
    EXPECT_EQ(front::writeSetup(front::Setup{}),
              "{\n  \"format\": \"veltrum-setup\",\n  \"version\": 1\n}\n");
}

// Mutated files: flipped, inserted, deleted and repeated bytes, cut short, keys renamed.
// The reader either reads a setup (which writes back and reads again the same) or refuses
// it with SetupError; nothing else escapes and nothing crashes.
TEST(Setup, AHundredThousandMutatedFilesNeverCrashTheReader) {
    std::mt19937_64 random(19);
    const std::string pieces[] = {
        "\"",     "{",     "}",    "[",    "]",    ",",    ":",     "\\u0000",       "\\ud800",
        "1e999",  "-",     "true", "null", "\xFF", "\xD0", "txtT1", "veltrum-setup", "version",
        "fields", "noise", "seed"};
    int read = 0;
    for (int n = 0; n < 100000; ++n) {
        std::string text = kGood;
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = random() % (text.size() + 1);
            switch (random() % 6) {
            case 0:
                if (at < text.size())
                    text[at] = static_cast<char>(random());
                break;
            case 1:
                text.insert(at, pieces[random() % std::size(pieces)]);
                break;
            case 2:
                text.erase(at, random() % 8);
                break;
            case 3:
                text.resize(at);
                break;
            case 4:
                text.insert(at, text.substr(at / 2, random() % 16));
                break;
            default:
                if (at < text.size())
                    text[at] = static_cast<char>(text[at] ^ (1 << (random() % 8)));
                break;
            }
        }
        try {
            const front::Setup setup = front::readSetup(text);
            const std::string written = front::writeSetup(setup);
            ASSERT_EQ(front::writeSetup(front::readSetup(written)), written) << text;
            ++read;
        } catch (const front::SetupError&) {
        }
    }
    EXPECT_GT(read, 1000); // a good share of the mutations is still a setup
}

TEST(Setup, ASeedGivesEveryComputerTheSameReadingsAndEveryStudentTheirOwn) {
    EXPECT_EQ(front::streamSeed(model::kNoiseSeed), model::kNoiseSeed);
    EXPECT_EQ(front::streamSeed(7), 7u);
    EXPECT_NE(front::streamSeed(std::uint64_t{7} << 32), 0u);
    EXPECT_NE(front::streamSeed((std::uint64_t{1} << 32) | 7), 7u);

    const auto readings = [](std::optional<std::uint64_t> seed) {
        front::Window window;
        front::Setup setup;
        setup.fields[Quantity::Accumulation] = "5";
        setup.seed = seed;
        window.openSetup(setup);
        window.press("btnsum");
        return window.control("lblexit").text;
    };
    EXPECT_EQ(readings(12345), readings(12345));
    EXPECT_NE(readings(12345), readings(12346));
    // A fresh start is the built-in seed.
    EXPECT_EQ(readings(std::nullopt), readings(model::kNoiseSeed));
}

TEST(Setup, TheWindowOpensASetupAsIfTypedAndClicked) {
    front::Window window;
    window.press("btnUVF"); // something on show, and noise drawn
    const auto labels = [&window] {
        std::map<std::string, std::string> shown;
        for (const std::string& name : front::windowLabelNames())
            shown[name] = window.control(name).text;
        return shown;
    };
    const std::map<std::string, std::string> shown = labels();
    const std::uint64_t position = window.session().state().uniform.position();
    const front::Changes opened = window.openSetup(kGood, "вариант.veltrum");
    ASSERT_FALSE(opened.box);
    EXPECT_FALSE(opened.picture);
    EXPECT_EQ(labels(), shown); // nothing pressed
    EXPECT_EQ(window.fieldTexts()[Quantity::Temperature1], "310,5");
    EXPECT_EQ(window.fieldTexts().scene, model::Scene::PointTarget);
    EXPECT_TRUE(window.control("chkLepestok").checked);
    EXPECT_TRUE(window.control("txtBetta").enabled);
    EXPECT_TRUE(window.control("txtVisota").enabled);
    EXPECT_EQ(window.session().state().sideLobeTemperature, 300);
    EXPECT_TRUE(window.control("mnuBlack2").checked);
    EXPECT_FALSE(window.control("mnuYellow2").checked);
    EXPECT_EQ(window.session().state().obj2Red, 0);
    // The seed restarts the stream; a setup without one leaves it where it was.
    EXPECT_EQ(window.session().state().uniform.position(), 0u);
    front::Window other;
    other.press("btnUVF");
    other.openSetup(front::readSetup(R"({"format": "veltrum-setup", "version": 1})"));
    EXPECT_EQ(other.session().state().uniform.position(), position);
    // A file that is not a setup: the window's message, nothing changed.
    const front::Changes refused = other.openSetup("{\"format\": 1}", "плохой.veltrum");
    ASSERT_TRUE(refused.refused());
    EXPECT_TRUE(refused.controls.empty());
    EXPECT_NE(refused.box->text.find("«плохой.veltrum»"), std::string::npos) << refused.box->text;
    // The window's controls written as a setup read back as they are.
    const front::Setup saved = window.setup();
    EXPECT_EQ(front::writeSetup(front::readSetup(front::writeSetup(saved))),
              front::writeSetup(saved));
    EXPECT_EQ(window.setupText(), front::writeSetup(saved));
    EXPECT_EQ(saved.seed, std::uint64_t{18446744073709551615u});
}

TEST(Batch, TheWindowsReadingsWithoutAWindow) {
    front::BatchRequest request;
    request.setup = front::readSetup(R"({"format": "veltrum-setup", "version": 1,
        "fields": {"txtTint": "3"}, "noise": {"seed": 5}})");
    request.presses = {"btnsum", "btnT2"};
    std::ostringstream out, errors;
    EXPECT_EQ(front::runBatch(request, out, errors), 0);
    EXPECT_EQ(errors.str(), "");

    front::Window window;
    window.openSetup(request.setup);
    window.press("btnsum");
    std::string expected =
        "{\"press\": \"btnsum\", \"title\": \"" + window.control("lblname").text +
        "\", \"labels\": {\"lblTa1\": \"Ta1=303,6\", \"lblTa2\": \"Ta2=100\", "
        "\"lblmo\": \"" +
        window.control("lblmo").text +
        "\", \"lblmo1\": \"0,643087368063596\", "
        "\"lblexit\": \"" +
        window.control("lblexit").text +
        "\", \"lblEnterT\": \"204\", \"lblEnter\": \"203,6\", \"lblRmax\": \"\"}}\n";
    EXPECT_EQ(out.str().substr(0, expected.size()), expected);
    EXPECT_NE(out.str().find("{\"press\": \"btnT2\", \"title\": \"Осциллограмма на выходе шумового "
                             "эквивалента\""),
              std::string::npos);

    // CSV in the locale's separators; a refused press stops with the window's message.
    request.format = front::BatchFormat::Csv;
    request.setup.fields[Quantity::Cutoff2] = "0";
    request.presses = {"btnUVF", "btnsum"};
    std::ostringstream table, refused;
    EXPECT_EQ(front::runBatch(request, table, refused), 2);
    EXPECT_EQ(table.str().substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(table.str().find("press;title;lblTa1;"), std::string::npos);
    EXPECT_NE(table.str().find("btnUVF;Осциллограмма на выходе УВЧ;Ta1=303,6;Ta2=100;"),
              std::string::npos);
    EXPECT_NE(refused.str().find("диапазон АЦП равен нулю"), std::string::npos) << refused.str();

    // A setup that reads but is refused on opening: the window's message, nothing pressed.
    front::BatchRequest lobes;
    lobes.setup = front::readSetup(R"({"format": "veltrum-setup", "version": 1,
        "fields": {"txtBetta": "abc"}, "sideLobes": true})");
    lobes.presses = {"btnsum"};
    std::ostringstream noRows, lobesRefused;
    EXPECT_EQ(front::runBatch(lobes, noRows, lobesRefused), 2);
    EXPECT_EQ(noRows.str(), "");
    EXPECT_NE(lobesRefused.str().find("«abc»"), std::string::npos) << lobesRefused.str();

    request.presses = {"btnsum", "btnNo"};
    std::ostringstream none, unknown;
    EXPECT_EQ(front::runBatch(request, none, unknown), 2);
    EXPECT_EQ(none.str(), ""); // checked before anything is pressed
    EXPECT_NE(unknown.str().find("Неизвестная кнопка «btnNo»"), std::string::npos);
}

} // namespace

namespace {

// The report of a point-target press holds its range among the readings, as the picture's
// corner shows it.
TEST(Report, APointTargetPressHoldsItsRange) {
    front::Window window;
    window.setChecked("optCel", true);
    ASSERT_FALSE(window.press("btnT1").refused());
    const std::string range = window.control("lblRmax").text;
    ASSERT_NE(range.find("Rmax="), std::string::npos);
    const front::Report report = window.report(nullptr, "09.12.2026 10:00", "1");
    ASSERT_EQ(report.blocks.size(), 1u);
    const auto& readings = report.blocks[0].readings;
    ASSERT_FALSE(readings.empty());
    EXPECT_EQ(readings.back(), (std::pair<std::string, std::string>{"Rmax", range}));
}

} // namespace
