// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's core for the page, through embind: how each C++ value looks in JavaScript.
// Value objects become plain objects field by field; the window and the helpers' share of
// a summator batch are classes; every rule and text stays in the core.

#include "web/core/PageTypes.h"
#include "web/core/PageWindow.h"

#include <emscripten/bind.h>

using namespace emscripten;

EMSCRIPTEN_BINDINGS(veltrum_core) {
    // The window's answers.
    value_object<front::ControlState>("ControlState")
        .field("text", &front::ControlState::text)
        .field("toolTip", &front::ControlState::toolTip)
        .field("enabled", &front::ControlState::enabled)
        .field("checked", &front::ControlState::checked)
        .field("index", &front::ControlState::index)
        .field("accessibleName", &front::ControlState::accessibleName)
        .field("description", &front::ControlState::description);
    value_object<front::ControlChange>("ControlChange")
        .field("control", &front::ControlChange::control)
        .field("parts", &front::ControlChange::parts)
        .field("state", &front::ControlChange::state);
    value_object<page::Changes>("Changes")
        .field("controls", &page::Changes::controls)
        .field("hasCaption", &page::Changes::hasCaption)
        .field("caption", &page::Changes::caption)
        .field("boxIcon", &page::Changes::boxIcon)
        .field("boxTitle", &page::Changes::boxTitle)
        .field("boxText", &page::Changes::boxText)
        .field("focus", &page::Changes::focus)
        .field("picture", &page::Changes::picture)
        .field("pressing", &page::Changes::pressing)
        .field("close", &page::Changes::close)
        .field("done", &page::Changes::done)
        .field("total", &page::Changes::total)
        .field("showProgress", &page::Changes::showProgress)
        .field("announcement", &page::Changes::announcement)
        .field("look", &page::Changes::look);
    value_object<page::Drawing>("Drawing")
        .field("kinds", &page::Drawing::kinds)
        .field("coordinates", &page::Drawing::coordinates)
        .field("colours", &page::Drawing::colours)
        .field("digest", &page::Drawing::digest);
    value_object<page::Warning>("Warning")
        .field("title", &page::Warning::title)
        .field("text", &page::Warning::text)
        .field("focus", &page::Warning::focus);

    // What the page is built from.
    value_object<page::Font>("Font")
        .field("families", &page::Font::families)
        .field("pointSize", &page::Font::pointSize)
        .field("symbol", &page::Font::symbol);
    value_object<page::Control>("Control")
        .field("name", &page::Control::name)
        .field("kind", &page::Control::kind)
        .field("text", &page::Control::text)
        .field("parent", &page::Control::parent)
        .field("tooltip", &page::Control::tooltip)
        .field("x", &page::Control::x)
        .field("y", &page::Control::y)
        .field("width", &page::Control::width)
        .field("height", &page::Control::height)
        .field("font", &page::Control::font)
        .field("foreground", &page::Control::foreground)
        .field("background", &page::Control::background)
        .field("centred", &page::Control::centred)
        .field("wrapped", &page::Control::wrapped)
        .field("enabled", &page::Control::enabled)
        .field("selected", &page::Control::selected)
        .field("captionFor", &page::Control::captionFor)
        .field("accessibleName", &page::Control::accessibleName)
        .field("description", &page::Control::description)
        .field("contrastForeground", &page::Control::contrastForeground)
        .field("contrastBackground", &page::Control::contrastBackground);
    value_object<page::Line>("Line")
        .field("x1", &page::Line::x1)
        .field("y1", &page::Line::y1)
        .field("x2", &page::Line::x2)
        .field("y2", &page::Line::y2)
        .field("colour", &page::Line::colour);
    value_object<page::Rect>("Rect")
        .field("x", &page::Rect::x)
        .field("y", &page::Rect::y)
        .field("width", &page::Rect::width)
        .field("height", &page::Rect::height);
    value_object<page::ColourItem>("ColourItem")
        .field("name", &page::ColourItem::name)
        .field("caption", &page::ColourItem::caption)
        .field("red", &page::ColourItem::red)
        .field("green", &page::ColourItem::green)
        .field("blue", &page::ColourItem::blue);
    value_object<page::Submenu>("Submenu")
        .field("name", &page::Submenu::name)
        .field("caption", &page::Submenu::caption)
        .field("startRow", &page::Submenu::startRow)
        .field("items", &page::Submenu::items);
    value_object<page::Menu>("Menu")
        .field("name", &page::Menu::name)
        .field("caption", &page::Menu::caption)
        .field("objects", &page::Menu::objects);
    value_object<page::Tool>("Tool")
        .field("name", &page::Tool::name)
        .field("caption", &page::Tool::caption)
        .field("shortcut", &page::Tool::shortcut)
        .field("enabled", &page::Tool::enabled)
        .field("checkable", &page::Tool::checkable)
        .field("checked", &page::Tool::checked)
        .field("submenu", &page::Tool::submenu);
    value_object<page::ToolSubmenu>("ToolSubmenu")
        .field("name", &page::ToolSubmenu::name)
        .field("caption", &page::ToolSubmenu::caption);
    value_object<page::ExperimentSettings>("ExperimentSettings")
        .field("columns", &page::ExperimentSettings::columns)
        .field("largestTimes", &page::ExperimentSettings::largestTimes)
        .field("largestValues", &page::ExperimentSettings::largestValues)
        .field("defaultLargest", &page::ExperimentSettings::defaultLargest)
        .field("fewestPresses", &page::ExperimentSettings::fewestPresses)
        .field("mostPresses", &page::ExperimentSettings::mostPresses)
        .field("defaultPresses", &page::ExperimentSettings::defaultPresses)
        .field("runColours", &page::ExperimentSettings::runColours)
        .field("kinds", &page::ExperimentSettings::kinds);
    value_object<page::DrawingKinds>("DrawingKinds")
        .field("clear", &page::DrawingKinds::clear)
        .field("scale", &page::DrawingKinds::scale)
        .field("line", &page::DrawingKinds::line)
        .field("lineTo", &page::DrawingKinds::lineTo)
        .field("position", &page::DrawingKinds::position);
    value_object<page::Parts>("Parts")
        .field("text", &page::Parts::text)
        .field("toolTip", &page::Parts::toolTip)
        .field("enabled", &page::Parts::enabled)
        .field("checked", &page::Parts::checked)
        .field("index", &page::Parts::index)
        .field("accessible", &page::Parts::accessible);
    value_object<page::Tone>("Tone")
        .field("seconds", &page::Tone::seconds)
        .field("frequencies", &page::Tone::frequencies);
    value_object<page::ValueTable>("ValueTable")
        .field("title", &page::ValueTable::title)
        .field("header", &page::ValueTable::header)
        .field("rows", &page::ValueTable::rows);
    value_object<page::SetupFiles>("SetupFiles")
        .field("name", &page::SetupFiles::name)
        .field("mimeType", &page::SetupFiles::mimeType)
        .field("accept", &page::SetupFiles::accept)
        .field("largest", &page::SetupFiles::largest);
    value_object<page::Description>("Description")
        .field("controls", &page::Description::controls)
        .field("tabOrder", &page::Description::tabOrder)
        .field("lines", &page::Description::lines)
        .field("samplingRates", &page::Description::samplingRates)
        .field("tools", &page::Description::tools)
        .field("toolSubmenus", &page::Description::toolSubmenus)
        .field("menu", &page::Description::menu)
        .field("experiment", &page::Description::experiment)
        .field("drawing", &page::Description::drawing)
        .field("parts", &page::Description::parts)
        .field("setupFiles", &page::Description::setupFiles)
        .field("windowFont", &page::Description::windowFont)
        .field("shape1", &page::Description::shape1)
        .field("clientWidth", &page::Description::clientWidth)
        .field("clientHeight", &page::Description::clientHeight)
        .field("pictureWidth", &page::Description::pictureWidth)
        .field("pictureHeight", &page::Description::pictureHeight)
        .field("startSamplingRate", &page::Description::startSamplingRate)
        .field("longPressMs", &page::Description::longPressMs)
        .field("highContrast", &page::Description::highContrast)
        .field("lightGrey", &page::Description::lightGrey)
        .field("windowForeground", &page::Description::windowForeground)
        .field("disabledField", &page::Description::disabledField)
        .field("enabledField", &page::Description::enabledField)
        .field("caption", &page::Description::caption)
        .field("language", &page::Description::language)
        .field("sourceLanguage", &page::Description::sourceLanguage)
        .field("version", &page::Description::version)
        .field("texts", &page::Description::texts);

    // The report and the experiment.
    value_object<page::ReportTable>("ReportTable")
        .field("columns", &page::ReportTable::columns)
        .field("rows", &page::ReportTable::rows);
    value_object<page::ReportBlock>("ReportBlock")
        .field("title", &page::ReportBlock::title)
        .field("readings", &page::ReportBlock::readings)
        .field("drawing", &page::ReportBlock::drawing);
    value_object<page::Report>("Report")
        .field("heading", &page::Report::heading)
        .field("generated", &page::Report::generated)
        .field("setupHeading", &page::Report::setupHeading)
        .field("blocksHeading", &page::Report::blocksHeading)
        .field("noBlocks", &page::Report::noBlocks)
        .field("formulasHeading", &page::Report::formulasHeading)
        .field("experimentHeading", &page::Report::experimentHeading)
        .field("experimentSlope", &page::Report::experimentSlope)
        .field("setup", &page::Report::setup)
        .field("experiment", &page::Report::experiment)
        .field("formulas", &page::Report::formulas)
        .field("blocks", &page::Report::blocks);
    value_object<page::ExperimentStart>("ExperimentStart")
        .field("ok", &page::ExperimentStart::ok)
        .field("warning", &page::ExperimentStart::warning)
        .field("run", &page::ExperimentStart::run)
        .field("name", &page::ExperimentStart::name)
        .field("presses", &page::ExperimentStart::presses)
        .field("means", &page::ExperimentStart::means)
        .field("potential", &page::ExperimentStart::potential)
        .field("fitted", &page::ExperimentStart::fitted)
        .field("longest", &page::ExperimentStart::longest)
        .field("colour", &page::ExperimentStart::colour)
        .field("contrastColour", &page::ExperimentStart::contrastColour);
    value_object<page::ExperimentRow>("ExperimentRow")
        .field("run", &page::ExperimentRow::run)
        .field("cells", &page::ExperimentRow::cells)
        .field("numbers", &page::ExperimentRow::numbers)
        .field("real", &page::ExperimentRow::real);
    value_object<page::Tick>("Tick")
        .field("value", &page::Tick::value)
        .field("label", &page::Tick::label);
    value_object<page::Axes>("Axes")
        .field("timeLow", &page::Axes::timeLow)
        .field("timeHigh", &page::Axes::timeHigh)
        .field("kelvinLow", &page::Axes::kelvinLow)
        .field("kelvinHigh", &page::Axes::kelvinHigh)
        .field("timeTicks", &page::Axes::timeTicks)
        .field("kelvinTicks", &page::Axes::kelvinTicks);
    value_object<page::Fit>("Fit")
        .field("valid", &page::Fit::valid)
        .field("slope", &page::Fit::slope)
        .field("coefficient", &page::Fit::coefficient)
        .field("from", &page::Fit::from)
        .field("name", &page::Fit::name);
    value_object<page::ExperimentStep>("ExperimentStep")
        .field("state", &page::ExperimentStep::state)
        .field("warning", &page::ExperimentStep::warning)
        .field("hasNext", &page::ExperimentStep::hasNext)
        .field("next", &page::ExperimentStep::next)
        .field("hasRow", &page::ExperimentStep::hasRow)
        .field("row", &page::ExperimentStep::row)
        .field("done", &page::ExperimentStep::done)
        .field("total", &page::ExperimentStep::total)
        .field("slope", &page::ExperimentStep::slope)
        .field("fit", &page::ExperimentStep::fit)
        .field("axes", &page::ExperimentStep::axes);
    value_object<page::Partials>("Partials")
        .field("largest", &page::Partials::largest)
        .field("smallest", &page::Partials::smallest)
        .field("summed", &page::Partials::summed);

    function("windowDescription", &page::windowDescription);
    function("useLanguage", &page::useLanguage);
    class_<page::PageWindow>("PageWindow")
        .constructor<std::string>()
        .function("type", &page::PageWindow::type)
        .function("click", &page::PageWindow::click)
        .function("setChecked", &page::PageWindow::setChecked)
        .function("choose", &page::PageWindow::choose)
        .function("clockTick", &page::PageWindow::clockTick)
        .function("setHighContrast", &page::PageWindow::setHighContrast)
        .function("openSetup", &page::PageWindow::openSetup)
        .function("chooseReceiverOfAddress", &page::PageWindow::chooseReceiverOfAddress)
        .function("setupText", &page::PageWindow::setupText)
        .function("stepPress", &page::PageWindow::stepPress)
        .function("stepWith", &page::PageWindow::stepWith)
        .function("cancelPress", &page::PageWindow::cancelPress)
        .function("nextBatch", &page::PageWindow::nextBatch)
        .function("picture", &page::PageWindow::picture)
        .function("valueTable", &page::PageWindow::valueTable)
        .function("tone", &page::PageWindow::tone)
        .function("plotCsv", &page::PageWindow::plotCsv)
        .function("readout", &page::PageWindow::readout)
        .function("report", &page::PageWindow::report)
        .function("startExperiment", &page::PageWindow::startExperiment)
        .function("stepExperiment", &page::PageWindow::stepExperiment)
        .function("stopExperiment", &page::PageWindow::stopExperiment)
        .function("experimentAxes", &page::PageWindow::experimentAxes)
        .function("clearExperiment", &page::PageWindow::clearExperiment)
        .function("experimentCsv", &page::PageWindow::experimentCsv);
    class_<page::PartialsHelper>("PartialsHelper")
        .constructor<>()
        .function("compute", &page::PartialsHelper::compute);
}
