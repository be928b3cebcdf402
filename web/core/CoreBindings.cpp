// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's core for the page, through embind: the control table and the other texts
// the page is built from, and a session that presses blocks a step at a time, chooses
// scenes, side lobes and colours, exports the picture's numbers, reads the cursor, and runs
// the sensitivity experiment. A thin layer: every rule and text is the core's; this file
// only turns C++ values into JavaScript ones.

#include "front/ControlTable.h"
#include "front/Drawing.h"
#include "front/Languages.h"
#include "front/Report.h"
#include "front/Session.h"
#include "front/Setup.h"
#include "front/Texts.h"
#include "model/Summator.h"
#include "views/Blocks.h"
#include "views/Fields.h"
#include "views/Messages.h"
#include "views/PlotExport.h"
#include "views/Scenes.h"
#include "views/SensitivityExperiment.h"
#include "views/SummatorView.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using emscripten::val;

val text(const std::string& value) {
    return val(value); // embind passes a std::string as UTF-8
}

// A JavaScript array of the values, each converted.
template <typename Range, typename Convert> val arrayOf(const Range& values, Convert convert) {
    val out = val::array();
    unsigned k = 0;
    for (const auto& value : values)
        out.set(k++, convert(value));
    return out;
}

// A pair of texts as a JavaScript array of two.
val pairOf(const std::pair<std::string, std::string>& texts) {
    val pair = val::array();
    pair.set(0, text(texts.first));
    pair.set(1, text(texts.second));
    return pair;
}

char separatorOf(const std::string& separator) {
    return separator == "," ? ',' : '.';
}

val fontOf(front::FontKind kind) {
    const front::FontChoice choice = front::fontChoice(kind);
    val font = val::object();
    font.set("families", arrayOf(choice.families, text));
    font.set("pointSize", choice.pointSize);
    font.set("symbol", choice.symbol);
    return font;
}

const char* kindName(front::Kind kind) {
    switch (kind) {
    case front::Kind::Field:
        return "lineedit";
    case front::Kind::Label:
        return "label";
    case front::Kind::Formula:
        return "formula";
    case front::Kind::ResultLabel:
        return "result";
    case front::Kind::Button:
        return "button";
    case front::Kind::Frame:
        return "group";
    case front::Kind::Option:
        return "radio";
    case front::Kind::CheckBox:
        return "check";
    case front::Kind::ComboBox:
        return "combo";
    case front::Kind::Picture:
        return "widget";
    }
    return "widget";
}

val controlOf(const front::Control& control) {
    val out = val::object();
    out.set("name", text(control.name));
    out.set("kind", kindName(control.kind));
    // A field's default is a number; every other text is a caption in the user's language.
    out.set("text",
            control.kind == front::Kind::Field ? text(control.text) : text(i18n::tr(control.text)));
    out.set("source", text(control.text));
    out.set("x", control.x);
    out.set("y", control.y);
    out.set("width", control.width);
    out.set("height", control.height);
    out.set("parent", control.parent ? text(control.parent) : val::null());
    out.set("font", fontOf(control.font));
    out.set("foreground", control.foreground);
    out.set("background", control.background);
    out.set("centred", control.centred);
    out.set("wrapped", control.wrapped);
    out.set("enabled", control.enabled);
    out.set("selected", control.selected);
    // A block button's tool tip: what its oscillogram shows.
    for (const views::BlockDescription& block : views::blockDescriptions())
        if (std::string_view(block.button) == control.name)
            out.set("tooltip", text(views::blockTooltip(block.block)));
    return out;
}

val warningOf(const front::Warning& warning) {
    val out = val::object();
    out.set("title", text(warning.title));
    out.set("text", text(warning.text));
    out.set("focus", text(warning.focusControl()));
    return out;
}

val labelsOf(const front::LabelTexts& labels) {
    return arrayOf(labels, pairOf);
}

val bytesOf(const std::string& text) {
    return val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(text.size(),
                                            reinterpret_cast<const std::uint8_t*>(text.data())));
}

template <typename T> val copyOf(const std::vector<T>& values, const char* type);

// A JavaScript Float64Array copied into a vector in one call.
std::vector<double> doublesOf(val array) {
    std::vector<double> values(array["length"].as<std::size_t>());
    val(emscripten::typed_memory_view(values.size(), values.data())).call<void>("set", array);
    return values;
}

// A helper worker's share of a summator batch: the front ends and filters of its periods.
class PartialsHelper {
public:
    val compute(val batch, int from, int periods) {
        model::SummatorSettings settings;
        settings.temperatures = {batch["ta1"].as<double>(), batch["ta2"].as<double>()};
        settings.amplifier = {batch["tprm"].as<double>(), batch["deltaf"].as<double>(),
                              batch["kp"].as<double>(), batch["deltaKp"].as<double>()};
        settings.f1 = batch["f1"].as<double>();
        settings.f2 = batch["f2"].as<double>();
        settings.wordLength = batch["wordLength"].as<double>();
        settings.samplingStep = batch["samplingStep"].as<int>();
        const std::uint64_t first =
            (static_cast<std::uint64_t>(batch["firstHigh"].as<std::uint32_t>()) << 32) |
            batch["firstLow"].as<std::uint32_t>();
        model::Summator summator(settings, model::selectedPeriodKernel(), 1);
        const model::PeriodPartials partials = summator.partials(
            batch["seed"].as<std::uint32_t>(),
            first + model::kUniformsPerPeriod * static_cast<std::uint64_t>(from), periods);
        val out = val::object();
        out.set("largest", copyOf(partials.largest, "Float64Array"));
        out.set("smallest", copyOf(partials.smallest, "Float64Array"));
        out.set("summed", copyOf(partials.summed, "Float64Array"));
        return out;
    }
};

template <typename T> val copyOf(const std::vector<T>& values, const char* type) {
    return val::global(type).new_(
        emscripten::typed_memory_view(values.size(), values.empty() ? nullptr : values.data()));
}

// Everything the page is built from: the controls, the drawn diagram, the menu, the
// lists, the fields, the blocks and the scenes.
// The page's language: the one its address asks for (#lang=), else the one the page
// remembered, among Russian and the catalogues built into the page ({code: {context:
// {source: translation}}}, exported from the .ts files); its catalogue then serves every
// text the core gives. The answer names the language chosen, why one asked for is not
// there, and every language with its own name.
val useLanguage(val option, val remembered, val catalogues) {
    using Table = std::map<std::pair<std::string, std::string>, std::string>;
    std::map<std::string, std::shared_ptr<Table>> tables;
    const val codes = val::global("Object").call<val>("keys", catalogues);
    std::vector<std::string> available = {front::kSourceLanguage};
    for (unsigned k = 0; k < codes["length"].as<unsigned>(); ++k) {
        const std::string code = codes[k].as<std::string>();
        auto table = std::make_shared<Table>();
        const val contexts = catalogues[code];
        const val contextNames = val::global("Object").call<val>("keys", contexts);
        for (unsigned c = 0; c < contextNames["length"].as<unsigned>(); ++c) {
            const std::string context = contextNames[c].as<std::string>();
            const val texts = contexts[context];
            const val sources = val::global("Object").call<val>("keys", texts);
            for (unsigned m = 0; m < sources["length"].as<unsigned>(); ++m) {
                const std::string source = sources[m].as<std::string>();
                (*table)[{context, source}] = texts[source].as<std::string>();
            }
        }
        tables[code] = table;
        available.push_back(code);
    }
    auto given = [](const val& typed) -> std::optional<std::string> {
        if (typed.isString())
            return typed.as<std::string>();
        return std::nullopt;
    };
    const front::LanguageChoice choice =
        front::chooseLanguage({given(option), std::nullopt, given(remembered)}, available);

    auto lookup = [](const std::shared_ptr<Table>& table, const char* context, const char* source) {
        const auto found = table->find({context, source});
        return found == table->end() ? std::string(source) : found->second;
    };
    val names = val::array();
    for (std::size_t k = 0; k < available.size(); ++k) {
        val entry = val::object();
        entry.set("code", text(available[k]));
        entry.set("name",
                  text(k == 0 ? std::string(front::kLanguageName)
                              : lookup(tables[available[k]], "Veltrum", front::kLanguageName)));
        names.set(k, entry);
    }
    if (choice.code == front::kSourceLanguage) {
        i18n::setTranslator({});
    } else {
        const std::shared_ptr<Table> table = tables[choice.code];
        i18n::setTranslator([table, lookup](const char* context, const char* source) {
            return lookup(table, context, source);
        });
    }
    i18n::setLanguage(choice.code);

    val out = val::object();
    out.set("code", text(choice.code));
    out.set("problem", text(choice.problem));
    out.set("languages", names);
    return out;
}

val windowDescription() {
    val out = val::object();
    out.set("controls", arrayOf(front::formControls(), controlOf));
    out.set("clientWidth", front::kClientSize.width);
    out.set("clientHeight", front::kClientSize.height);
    out.set("windowFont", fontOf(front::FontKind::Window));
    out.set("lightGrey", front::kLightGrey);
    out.set("windowForeground", front::kWindowForeground);
    out.set("disabledField", front::kDisabledField);
    out.set("enabledField", front::kEnabledField);
    out.set("disabledText", front::kDisabledText);
    out.set("titleHeight", front::kTitleHeight);
    out.set("caption", text(front::windowCaption()));
    out.set("language", text(i18n::language()));

    out.set("tabOrder", arrayOf(front::tabOrder(), text));

    val lines = val::array();
    const auto& segments = front::diagramLines();
    for (std::size_t k = 0; k < segments.size(); ++k) {
        val line = val::array();
        line.set(0, segments[k].x1);
        line.set(1, segments[k].y1);
        line.set(2, segments[k].x2);
        line.set(3, segments[k].y2);
        line.set(4, segments[k].colour);
        lines.set(k, line);
    }
    out.set("lines", lines);
    val shape = val::array();
    shape.set(0, front::kShape1.x);
    shape.set(1, front::kShape1.y);
    shape.set(2, front::kShape1.width);
    shape.set(3, front::kShape1.height);
    out.set("shape1", shape);

    val rates = val::array();
    const std::vector<std::string> items = front::samplingRateItems();
    for (std::size_t k = 0; k < items.size(); ++k)
        rates.set(k, text(front::samplingRateLabel(static_cast<int>(k))));
    out.set("samplingRates", rates);
    out.set("startSamplingRate", front::startSamplingRateItem());

    val menu = val::object();
    const front::MenuText graphics = front::graphicsMenu();
    menu.set("name", text(graphics.name));
    menu.set("caption", text(i18n::tr(graphics.caption)));
    val objects = val::array();
    for (int object = 0; object < 2; ++object) {
        const front::MenuText submenu = front::objectMenu(object);
        val entry = val::object();
        entry.set("name", text(submenu.name));
        entry.set("caption", text(i18n::tr(submenu.caption)));
        entry.set("startRow", front::startColourRow(object));
        val colourItems = val::array();
        for (int row = 0; row < front::kColourCount; ++row) {
            const front::ColourRow& colour = front::colourRows()[row];
            val item = val::object();
            item.set("name", text(front::colourItemName(object, row)));
            item.set("caption", text(i18n::tr(colour.caption)));
            item.set("red", colour.red);
            item.set("green", colour.green);
            item.set("blue", colour.blue);
            colourItems.set(row, item);
        }
        entry.set("items", colourItems);
        objects.set(object, entry);
    }
    menu.set("objects", objects);
    menu.set("markOrder", arrayOf(front::colourMarkOrder(), [](int mark) { return val(mark); }));
    out.set("menu", menu);

    out.set("fields", arrayOf(views::fields(), [](const views::Field& field) {
                val entry = val::object();
                entry.set("control", text(field.control));
                entry.set("captionControl", text(field.captionControl));
                return entry;
            }));
    out.set("blocks", arrayOf(views::blockDescriptions(), [](const views::BlockDescription& block) {
                return text(block.button);
            }));
    out.set("results", arrayOf(model::kResults, [](model::Result result) {
                val entry = val::object();
                entry.set("label", text(front::resultLabel(result)));
                entry.set("unset", text(front::unsetResultText(result)));
                return entry;
            }));
    out.set("scenes", arrayOf(views::sceneLooks(),
                              [](const views::SceneLook& look) { return text(look.option); }));

    val experiment = val::object();
    experiment.set("columns", arrayOf(views::sensitivityColumns(), text));
    out.set("experiment", experiment);
    namespace t = front::texts;
    val texts = val::object();
    const std::pair<const char*, const char*> named[] = {
        {"beamFilledTitle", t::kBeamFilledTitle},
        {"beamFilledText", t::kBeamFilledText},
        {"progressTitle", t::kProgressTitle},
        {"progressText", t::kProgressText},
        {"cancel", t::kCancel},
        {"exitPage", t::kExitPage},
        {"copyFailedTitle", t::kCopyFailedTitle},
        {"copyFailedText", t::kCopyFailedText},
        {"copyPicture", t::kCopyPicture},
        {"savePicture", t::kSavePicture},
        {"saveData", t::kSaveData},
        {"experiment", t::kExperiment},
        {"pictureFile", t::kPictureFile},
        {"dataFile", t::kDataFile},
        {"largestTime", t::kLargestTime},
        {"pressesPerTime", t::kPressesPerTime},
        {"start", t::kStart},
        {"stop", t::kStop},
        {"clear", t::kClear},
        {"saveChart", t::kSaveChart},
        {"saveTable", t::kSaveTable},
        {"chartTitle", t::kChartTitle},
        {"sensitivityAxis", t::kSensitivityAxis},
        {"chartFile", t::kChartFile},
        {"tableFile", t::kTableFile},
        {"openSetup", front::setup_texts::kOpenSetup},
        {"saveSetup", front::setup_texts::kSaveSetup},
        {"copySetupLink", front::setup_texts::kCopySetupLink},
        {"setupFile", front::setup_texts::kSetupFile},
        {"report", front::report_texts::kReport},
        {"setupLinkCopied", front::setup_texts::kSetupLinkCopied},
        {"setupLinkShown", front::setup_texts::kSetupLinkShown},
        {"setupFromAddress", front::setup_texts::kSetupFromAddress},
        {"help", t::kHelp},
        {"helpTitle", t::kHelpTitle},
        {"language", t::kLanguage},
    };
    for (const auto& [key, value] : named)
        texts.set(key, text(i18n::tr(value)));
    out.set("texts", texts);
    const std::string clock = front::clockCaption(0, 0, 0);
    out.set("clockPrefix", text(clock.substr(0, clock.size() - 8)));
    out.set("version", text(VELTRUM_VERSION));
    out.set("inputErrorTitle", text(views::inputErrorTitle()));
    out.set("computeErrorTitle", text(views::computeErrorTitle()));
    return out;
}

views::Block blockOf(const std::string& button) {
    for (const views::BlockDescription& description : views::blockDescriptions())
        if (button == description.button)
            return description.block;
    return views::Block::Modulator;
}

model::Scene sceneOf(const std::string& option) {
    for (const views::SceneLook& look : views::sceneLooks())
        if (option == look.option)
            return look.scene;
    return model::Scene::ExtendedTarget;
}

// The page's fields ({txtT1: "304", ...}), its selected option and sampling rate.
views::FieldTexts fieldTextsOf(val fields, const std::string& option, int rate) {
    views::FieldTexts texts = front::defaultFieldTexts();
    for (const views::Field& field : views::fields()) {
        val typed = fields[field.control];
        if (typed.isString())
            texts[field.quantity] = typed.as<std::string>();
    }
    texts.scene = sceneOf(option);
    texts.samplingRateIndex = rate;
    return texts;
}

val rowOf(int run, const views::SensitivityRow& row, char separator) {
    val out = val::object();
    out.set("run", run);
    val cells = val::array();
    val numbers = val::array();
    const std::vector<double> values = views::rowCells(row);
    for (std::size_t k = 0; k < values.size(); ++k) {
        cells.set(k, text(views::tableCell(values[k], separator)));
        numbers.set(k, values[k]);
    }
    out.set("cells", cells);
    out.set("numbers", numbers);
    out.set("real", arrayOf(row.real, [](double value) { return val(value); }));
    return out;
}

class PageSession {
public:
    // Step 1 of a press: the fields read, the opening's labels; or the warning.
    val open(const std::string& button, val fields, const std::string& option, int rate,
             const std::string& separator) {
        job_.reset();
        opening_.reset();
        val out = val::object();
        try {
            opening_ = std::make_unique<front::PressOpening>(session_.open(
                blockOf(button), fieldTextsOf(fields, option, rate), separatorOf(separator)));
            job_ = std::make_unique<front::PressJob>(session_, *opening_, separatorOf(separator));
        } catch (const front::PressFailed& failed) {
            job_.reset();
            opening_.reset();
            out.set("ok", false);
            out.set("warning", warningOf(failed.warning()));
            return out;
        }
        out.set("ok", true);
        out.set("labels", labelsOf(front::openingLabels(*opening_)));
        out.set("beamFilled", opening_->beamFilled);
        out.set("total", job_->total());
        return out;
    }

    // Step 2, a batch at a time: running with its progress; done with the picture and the
    // results (the press is then the window's); or failed with the warning.
    val step() { return stepGiven(model::PeriodPartials{}); }

    val stepGiven(const model::PeriodPartials& given) {
        val out = val::object();
        if (!job_) {
            out.set("state", "idle");
            return out;
        }
        try {
            if (!job_->step(given)) {
                out.set("state", "running");
                out.set("done", job_->done());
                out.set("total", job_->total());
                return out;
            }
        } catch (const front::PressFailed& failed) {
            job_.reset();
            opening_.reset();
            out.set("state", "failed");
            out.set("warning", warningOf(failed.warning()));
            return out;
        }
        front::PressRun run = job_->takeRun();
        job_.reset();
        const front::PackedDrawing drawing = front::pack(run.recording);
        out.set("state", "done");
        out.set("labels", labelsOf(front::resultLabels(run.outcome.texts)));
        out.set("kinds", copyOf(drawing.kinds, "Uint8Array"));
        out.set("coordinates", copyOf(drawing.coordinates, "Float32Array"));
        out.set("colours", copyOf(drawing.colours, "Uint8Array"));
        session_.keep(*opening_, std::move(run));
        opening_.reset();
        out.set("hasData", !session_.record().empty());
        return out;
    }

    // The summator's next batch, for helper workers to compute its front ends and filters
    // (null for a block view or when the press is over): the press's settings, the
    // stream's seed, the batch's first uniform (in two 32-bit halves) and its periods.
    val nextBatch() const {
        const views::SummatorRun* summator = job_ ? job_->summator() : nullptr;
        if (!summator || summator->finished())
            return val::null();
        const views::SummatorRun::Batch batch = summator->nextBatch();
        const model::SummatorSettings& settings = summator->settings();
        val out = val::object();
        out.set("ta1", settings.temperatures.ta1);
        out.set("ta2", settings.temperatures.ta2);
        out.set("tprm", settings.amplifier.tprm);
        out.set("deltaf", settings.amplifier.deltaf);
        out.set("kp", settings.amplifier.kp);
        out.set("deltaKp", settings.amplifier.deltaKp);
        out.set("f1", settings.f1);
        out.set("f2", settings.f2);
        out.set("wordLength", settings.wordLength);
        out.set("samplingStep", settings.samplingStep);
        out.set("seed", batch.seed);
        out.set("firstHigh", static_cast<std::uint32_t>(batch.firstUniform >> 32));
        out.set("firstLow", static_cast<std::uint32_t>(batch.firstUniform));
        out.set("periods", batch.periods);
        return out;
    }

    // A step of the summator with its batch's partials from the helpers, joined in order.
    val stepWith(val largest, val smallest, val summed) {
        model::PeriodPartials given;
        given.largest = doublesOf(largest);
        given.smallest = doublesOf(smallest);
        given.summed = doublesOf(summed);
        return stepGiven(given);
    }

    // The press stopped between two batches: the window stays as it was.
    void cancel() {
        job_.reset();
        opening_.reset();
    }

    val chooseScene(const std::string& option) {
        const views::SceneLook& look = session_.chooseScene(sceneOf(option));
        val out = val::object();
        out.set("sceneFieldsEnabled", look.sceneFieldsEnabled);
        out.set("lblT2", text(i18n::tr(look.lblT2)));
        out.set("btnT2", text(i18n::tr(look.btnT2)));
        out.set("btnT1", text(i18n::tr(look.btnT1)));
        return out;
    }

    val tickSideLobes(bool ticked, const std::string& beta, const std::string& tsl) {
        const std::optional<front::Warning> refused = session_.tickSideLobes(ticked, beta, tsl);
        return refused ? warningOf(*refused) : val::null();
    }

    void chooseColour(int object, int row) { session_.chooseColour(object, row); }

    // CSV as its bytes (a string would lose the byte-order mark on its way to JavaScript).
    val plotCsv(const std::string& separator) const {
        return bytesOf(views::plotCsv(session_.record(), separatorOf(separator)));
    }

    std::string readout(double x, double y, const std::string& separator) const {
        return views::readoutText(session_.record(), x, y, separatorOf(separator));
    }

    // A lab setup's text read: what the page sets in its controls (it then clicks them
    // through their own handlers); or why it is not a setup, as the window says it.
    val readSetup(const std::string& text, const std::string& fileName) const {
        val out = val::object();
        try {
            out.set("setup", setupOf(front::readSetup(text)));
            out.set("ok", true);
        } catch (const front::SetupError& error) {
            out.set("ok", false);
            out.set("title", val(std::string(front::setupRefusedTitle())));
            out.set("text", val(front::setupRefusedMessage(fileName, error.what())));
        }
        return out;
    }

    // The page's controls as a setup file, with the noise seed the window was opened with.
    std::string writeSetup(val page) const { return front::writeSetup(setupFromPage(page)); }

    void restartNoise(const std::string& seed) { session_.restartNoise(std::stoull(seed)); }

    // The lab report's contents: every text, and each block's picture as arrays.
    val report(val page, const std::string& when, const std::string& separator,
               const std::string& version) const {
        const front::Report made = front::makeReport(session_, setupFromPage(page), &log_, when,
                                                     separatorOf(separator), version);
        val out = val::object();
        const auto table = [](const front::ReportTable& from) {
            val t = val::object();
            t.set("columns", arrayOf(from.columns, text));
            t.set("rows", arrayOf(from.rows, [](const std::vector<std::string>& row) {
                      return arrayOf(row, text);
                  }));
            return t;
        };
        for (const auto& [key, value] :
             {std::pair<const char*, const std::string*>{"heading", &made.heading},
              {"generated", &made.generated},
              {"setupHeading", &made.setupHeading},
              {"blocksHeading", &made.blocksHeading},
              {"noBlocks", &made.noBlocks},
              {"formulasHeading", &made.formulasHeading},
              {"experimentHeading", &made.experimentHeading},
              {"experimentSlope", &made.experimentSlope}})
            out.set(key, val(*value));
        out.set("setup", table(made.setup));
        out.set("experiment", table(made.experiment));
        out.set("formulas", arrayOf(made.formulas, text));
        val blocks = val::array();
        for (std::size_t k = 0; k < made.blocks.size(); ++k) {
            const front::ReportBlock& block = made.blocks[k];
            val entry = val::object();
            entry.set("title", val(block.title));
            entry.set("readings", arrayOf(block.readings, pairOf));
            const front::PackedDrawing drawing = front::pack(*block.picture);
            entry.set("kinds", copyOf(drawing.kinds, "Uint8Array"));
            entry.set("coordinates", copyOf(drawing.coordinates, "Float32Array"));
            entry.set("colours", copyOf(drawing.colours, "Uint8Array"));
            blocks.set(k, entry);
        }
        out.set("blocks", blocks);
        return out;
    }

    // The sensitivity experiment, on the window's fields and state at its start.
    val startExperiment(val fields, const std::string& option, int rate, double largest,
                        int presses, const std::string& separator) {
        runner_.reset();
        val out = val::object();
        views::ExperimentSettings settings;
        try {
            settings.texts = fieldTextsOf(fields, option, rate);
            settings.sideLobeFraction = session_.state().sideLobeFraction;
            settings.sideLobeTemperature = session_.state().sideLobeTemperature;
            settings.largest = largest;
            settings.presses = presses;
            settings.decimalSeparator = separator.empty() ? ',' : separator.front();
            runner_ = std::make_unique<views::ExperimentRunner>(
                std::make_shared<const views::SensitivityExperiment>(
                    settings.texts, session_.state(),
                    views::SensitivityExperiment::accumulationTimes(largest), presses));
        } catch (const views::PressError& error) {
            out.set("ok", false);
            out.set("warning",
                    warningOf({views::inputErrorTitle(), error.what(), error.fault().quantities}));
            return out;
        }
        const views::ExperimentRun& run = log_.startRun(settings);
        const views::SeriesNames names = views::seriesNames(run, separatorOf(separator));
        out.set("ok", true);
        out.set("run", run.number);
        out.set("name", text(run.name));
        out.set("presses", text(names.presses));
        out.set("means", text(names.means));
        out.set("potential", text(names.potential));
        out.set("fitted", text(names.fitted));
        out.set("longest", views::SensitivityExperiment::accumulationTimes(largest).back());
        return out;
    }

    val stepExperiment(const std::string& separator) {
        val out = val::object();
        if (!runner_) {
            out.set("state", "idle");
            return out;
        }
        try {
            const std::optional<views::SensitivityRow> row = runner_->step();
            if (row) {
                log_.addRow(*row);
                out.set("row", rowOf(log_.runs().back().number, *row, separatorOf(separator)));
            }
        } catch (const views::PressError& error) {
            runner_.reset();
            out.set("state", "failed");
            out.set("warning", warningOf({views::computeErrorTitle(), error.what(),
                                          error.fault().quantities}));
            return out;
        }
        out.set("done", runner_->done());
        out.set("total", runner_->total());
        const bool finished = runner_->finished();
        if (finished)
            runner_.reset();
        out.set("state", finished ? "done" : "running");
        out.set("slope", text(log_.slopeText(separatorOf(separator))));
        out.set("fit", fitOf(separatorOf(separator)));
        return out;
    }

    void stopExperiment() { runner_.reset(); }
    void clearExperiment() {
        runner_.reset();
        log_.clear();
    }
    val experimentCsv(const std::string& separator) const {
        return bytesOf(log_.csv(separatorOf(separator)));
    }

private:
    static val setupOf(const front::Setup& setup) {
        val out = val::object();
        val fields = val::object();
        for (const auto& [quantity, text] : setup.fields)
            fields.set(views::field(quantity).control, val(text));
        out.set("fields", fields);
        out.set("option", setup.scene ? val(std::string(views::sceneLook(*setup.scene).option))
                                      : val::null());
        out.set("sideLobes", setup.sideLobes ? val(*setup.sideLobes) : val::null());
        out.set("rate", setup.samplingRate ? val(*setup.samplingRate) : val::null());
        val colours = val::array();
        for (int object = 0; object < 2; ++object)
            colours.set(object,
                        setup.colourRow[object] ? val(*setup.colourRow[object]) : val::null());
        out.set("colours", colours);
        out.set("seed", setup.seed ? val(std::to_string(*setup.seed)) : val::null());
        return out;
    }

    // The page's controls ({fields, option, sideLobes, rate, colours}) as a setup.
    front::Setup setupFromPage(val page) const {
        front::Setup setup;
        for (const views::Field& field : views::fields()) {
            val typed = page["fields"][field.control];
            if (typed.isString())
                setup.fields[field.quantity] = typed.as<std::string>();
        }
        setup.scene = sceneOf(page["option"].as<std::string>());
        setup.sideLobes = page["sideLobes"].as<bool>();
        setup.samplingRate = page["rate"].as<int>();
        for (int object = 0; object < 2; ++object)
            setup.colourRow[object] = page["colours"][object].as<int>();
        setup.seed = session_.noiseSeed();
        return setup;
    }

    // The last run's fitted line: its equation and two points to draw it through.
    val fitOf(char separator) const {
        val out = val::object();
        if (log_.runs().empty())
            return out;
        const views::ExperimentRun& run = log_.runs().back();
        const views::FittedLine line = views::fittedLine(run.rows);
        out.set("valid", line.valid());
        out.set("slope", line.slope);
        out.set("coefficient", line.coefficient);
        out.set("name", text(views::seriesNames(run, separator).fitted));
        return out;
    }

    front::Session session_;
    std::unique_ptr<front::PressOpening> opening_;
    std::unique_ptr<front::PressJob> job_;
    views::ExperimentLog log_;
    std::unique_ptr<views::ExperimentRunner> runner_;
};

} // namespace

EMSCRIPTEN_BINDINGS(veltrum_core) {
    emscripten::function("windowDescription", &windowDescription);
    emscripten::function("useLanguage", &useLanguage);
    emscripten::class_<PageSession>("PageSession")
        .constructor<>()
        .function("open", &PageSession::open)
        .function("step", &PageSession::step)
        .function("nextBatch", &PageSession::nextBatch)
        .function("stepWith", &PageSession::stepWith)
        .function("cancel", &PageSession::cancel)
        .function("chooseScene", &PageSession::chooseScene)
        .function("tickSideLobes", &PageSession::tickSideLobes)
        .function("chooseColour", &PageSession::chooseColour)
        .function("plotCsv", &PageSession::plotCsv)
        .function("readout", &PageSession::readout)
        .function("startExperiment", &PageSession::startExperiment)
        .function("stepExperiment", &PageSession::stepExperiment)
        .function("stopExperiment", &PageSession::stopExperiment)
        .function("clearExperiment", &PageSession::clearExperiment)
        .function("experimentCsv", &PageSession::experimentCsv)
        .function("readSetup", &PageSession::readSetup)
        .function("writeSetup", &PageSession::writeSetup)
        .function("restartNoise", &PageSession::restartNoise)
        .function("report", &PageSession::report);
    emscripten::class_<PartialsHelper>("PartialsHelper")
        .constructor<>()
        .function("compute", &PartialsHelper::compute);
}
