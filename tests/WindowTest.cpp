// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as the student first sees it: every control by name, kind, text, place and
// state; the start-up; the clock; the exit button; the scene options; the side lobes;
// the colour menus.

#include "WindowFixture.h"
#include "ui/Layout.h"

#include <QAction>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <array>

namespace {

using window_testing::SeenMessage;
using window_testing::WindowTest;

QRect geometryOf(const QWidget* widget) {
    return widget->geometry();
}

QColor baseOf(const QLineEdit* field) {
    return field->palette().color(QPalette::Base);
}

// ---- layout ----------------------------------------------------------------------

struct FieldRow {
    const char* name;
    const char* text;
    QRect geometry;
    bool enabled;
};

TEST_F(WindowTest, FieldsHaveTheirDefaultsPlacesAndStates) {
    const FieldRow rows[] = {
        {"txtVisota", "5", {744, 8, 33, 19}, false},
        {"txtScel", "1500", {744, 32, 33, 19}, false},
        {"txtF", "20", {744, 56, 33, 19}, false},
        {"txtT2", "100", {120, 24, 33, 19}, true},
        {"txtT1", "304", {24, 88, 41, 19}, true},
        {"txtdeltaf", "900", {264, 40, 33, 19}, true},
        {"txtKp", "4", {264, 64, 33, 19}, true},
        {"txtdeltaKp", "0", {264, 88, 33, 19}, true},
        {"txtTprm", "100", {264, 112, 33, 19}, true},
        {"txtF11", "9500", {384, 112, 41, 19}, true},
        {"txtF22", "7000", {568, 112, 41, 19}, true},
        {"txtn", "12", {664, 112, 25, 19}, true},
        {"txtTint", "1", {736, 112, 33, 19}, true},
        {"txtBetta", "0,1", {32, 248, 25, 19}, false},
        {"txtTbokov", "300", {304, 248, 33, 19}, false},
    };
    int enabled = 0;
    for (const FieldRow& row : rows) {
        SCOPED_TRACE(row.name);
        QLineEdit* edit = field(row.name);
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->text(), QString::fromUtf8(row.text));
        EXPECT_EQ(geometryOf(edit), row.geometry);
        EXPECT_EQ(edit->isEnabled(), row.enabled);
        EXPECT_EQ(baseOf(edit), QColor(row.enabled ? ui::kEnabledField : ui::kDisabledField));
        enabled += row.enabled ? 1 : 0;
    }
    EXPECT_EQ(enabled, 10); // with the combo box, the eleven editable inputs
}

struct LabelRow {
    const char* name;
    const char* text;
    QPoint place;
};

TEST_F(WindowTest, CaptionsSayWhatTheFieldsAreAndStandWhereTheyShould) {
    const LabelRow rows[] = {
        {"Label3", "Высота полета, км", {640, 8}},
        {"Label16", "Площадь цели, кв.м", {632, 32}},
        {"Label17", "Частотный диапазон, ГГц", {608, 56}},
        {"lblT2", "Т-ра эквивалента, К", {88, 8}},
        {"Label6", "Температура излучения в пределах главного луча (Тягл), К ", {8, 16}},
        {"Label2", "Kp", {221, 64}},
        {"Label8", "Т-ра вн.шума, К", {176, 112}},
        {"Label11", "Частота  среза фильтра1, Гц", {368, 80}},
        {"Label12", "Частота  среза фильтра2, Гц", {552, 80}},
        {"Label13", "Разрядность", {640, 96}},
        {"Label9", "Время накопления,мс", {712, 80}},
        {"Label1",
         "Средняя тем-ра излучения, принимаемая по боковым лепесткам (Тяб), К",
         {72, 240}},
        {"Label14", "Fдискретиз.", {640, 184}},
        {"Label7", "Fмод=1кГц", {408, 192}},
        {"lblTa2", "Ta2=...", {80, 96}},
        {"lblTa1", "Ta1=...", {64, 112}},
        {"Label4", "  Потенциальная чувствительность", {560, 240}},
        {"Label5", " Реальная чувствительность", {592, 272}},
        {"Label19", "Разность яркостных температур", {680, 304}},
        {"Label15", "Разность антенных температур", {680, 360}},
        {"Label10", "Измеренная разность антенных температур", {680, 416}},
        {"lblname", " ", {56, 272}},
    };
    for (const LabelRow& row : rows) {
        SCOPED_TRACE(row.name);
        QLabel* caption = label(row.name);
        ASSERT_NE(caption, nullptr);
        EXPECT_EQ(caption->text(), QString::fromUtf8(row.text));
        EXPECT_EQ(caption->pos(), row.place);
        EXPECT_TRUE(caption->isVisible());
    }
    EXPECT_EQ(label("Label6")->size(), QSize(73, 65));
    EXPECT_EQ(label("lblTa2")->size(), QSize(57, 13));
    EXPECT_EQ(label("lblTa1")->size(), QSize(73, 13));
    EXPECT_EQ(label("lblname")->height(), 24);
    for (const char* picture : {"imgdeltaf", "imgdeltaKp", "imgBetta", "Image1"})
        EXPECT_NE(label(picture), nullptr) << picture;
    EXPECT_EQ(label("imgdeltaf")->pos(), QPoint(200, 40));
    EXPECT_EQ(label("imgdeltaKp")->pos(), QPoint(184, 88));
    EXPECT_EQ(label("imgBetta")->pos(), QPoint(0, 248));
    EXPECT_EQ(label("Image1")->geometry(), QRect(8, 184, 96, 22));
}

struct ButtonRow {
    const char* name;
    const char* text;
    QRect geometry;
    double pointSize; // 0: the window's font
};

TEST_F(WindowTest, BlockButtonsFormTheDiagram) {
    const ButtonRow rows[] = {
        {"btnT1", "&Антенна", {8, 136, 81, 49}, 9.75},
        {"btnT2", "Шумовой &эквивалент", {96, 48, 89, 49}, 9.75},
        {"btnap", "А&П", {120, 136, 49, 49}, 12},
        {"btnUVF", "&УВЧ", {208, 136, 57, 49}, 12},
        {"btnDet", "К&ДО", {296, 136, 49, 49}, 12},
        {"btnF1", "Фильтр однозвенный", {368, 136, 81, 49}, 0},
        {"btncap", "~", {480, 136, 41, 49}, 20.25},
        {"btnF2", "Фильтр двухзвенный", {552, 136, 81, 49}, 0},
        {"btnASP", "А&ЦП", {656, 136, 41, 49}, 0},
        {"btnsum", "&Сумматор", {720, 136, 65, 49}, 0},
        {"btnmod", "&Модулятор", {392, 208, 89, 49}, 9.75},
        {"cmdExit", "&Выход", {696, 496, 73, 49}, 0},
    };
    const double windowPointSize = window().centralWidget()->font().pointSizeF();
    for (const ButtonRow& row : rows) {
        SCOPED_TRACE(row.name);
        QPushButton* block = button(row.name);
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(block->text(), QString::fromUtf8(row.text));
        EXPECT_EQ(geometryOf(block), row.geometry);
        EXPECT_TRUE(block->isEnabled());
        EXPECT_DOUBLE_EQ(block->font().pointSizeF(),
                         row.pointSize > 0 ? row.pointSize : windowPointSize);
        EXPECT_EQ(block->font().weight(), QFont::Normal);
    }
    EXPECT_FALSE(button("cmdExit")->icon().isNull());
    EXPECT_EQ(button("cmdExit")->iconSize(), QSize(24, 22));
}

TEST_F(WindowTest, ResultAreaStartsEmpty) {
    for (const auto& [name, place] : std::array<std::pair<const char*, QPoint>, 5>{{
             {"lblmo1", {744, 240}},
             {"lblmo", {744, 272}},
             {"lblEnterT", {712, 336}},
             {"lblEnter", {712, 392}},
             {"lblexit", {712, 464}},
         }}) {
        SCOPED_TRACE(name);
        QLabel* box = label(name);
        EXPECT_EQ(box->geometry(), QRect(place, QSize(40, 17)));
        EXPECT_TRUE(box->text().isEmpty());
        EXPECT_EQ(box->frameShape(), QFrame::Box);
        EXPECT_EQ(box->palette().color(QPalette::Window), QColor(Qt::white));
    }
    canvas::PictureBox* pic = picture();
    EXPECT_EQ(pic->geometry(), QRect(16, 296, 649, 249));
    QLabel* range = label("lblRmax");
    EXPECT_EQ(range->parentWidget(), pic);
    EXPECT_EQ(range->pos(), QPoint(0, 0));
    EXPECT_TRUE(range->text().isEmpty());
    const QImage image = pic->picture();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(image.width() / 2, image.height() / 2), qRgb(255, 255, 255));
    EXPECT_EQ(label("lblname")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_DOUBLE_EQ(label("lblname")->font().pointSizeF(), 13.5);
}

TEST_F(WindowTest, WindowIsFixedWithItsClientArea) {
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Veltrum"));
    EXPECT_EQ(window().centralWidget()->size(), QSize(792, 554));
    EXPECT_EQ(window().centralWidget()->palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(window().minimumSize(), window().maximumSize());
}

TEST_F(WindowTest, SceneFrameAndOtherInputs) {
    auto* frame = find<QGroupBox>("fraCase");
    EXPECT_EQ(frame->title(), QStringLiteral("Что наблюдаем"));
    EXPECT_EQ(frame->geometry(), QRect(312, 8, 289, 57));
    struct OptionRow {
        const char* name;
        const char* text;
        QRect geometry;
        bool selected;
    };
    for (const OptionRow& row : {
             OptionRow{"optBigCel", "Протяжен- ная цель", {8, 16, 81, 33}, true},
             OptionRow{"optGranica", "Граница двух протяженных целей", {96, 16, 89, 37}, false},
             OptionRow{"optCel", "Малоразмер- ная цель", {192, 16, 89, 33}, false},
         }) {
        SCOPED_TRACE(row.name);
        auto* option = find<QRadioButton>(row.name);
        EXPECT_EQ(option->parentWidget(), frame);
        EXPECT_EQ(option->text(), QString::fromUtf8(row.text));
        EXPECT_EQ(option->geometry(), row.geometry);
        EXPECT_EQ(option->isChecked(), row.selected);
    }
    auto* box = find<QCheckBox>("chkLepestok");
    EXPECT_EQ(box->text(), QStringLiteral("Учесть боковые лепестки?"));
    EXPECT_EQ(box->geometry(), QRect(8, 208, 113, 25));
    EXPECT_FALSE(box->isChecked());
}

TEST_F(WindowTest, SamplingRatesAreListedAndFiftyKilohertzChosen) {
    auto* rates = find<QComboBox>("cboFd");
    EXPECT_FALSE(rates->isEditable());
    EXPECT_EQ(rates->geometry(), QRect(640, 200, 65, 21));
    const QStringList expected = {"5МГц",   "2,5МГц", "1,25МГц", "1МГц", "500кГц",
                                  "100кГц", "50кГц",  "25кГц",   "10кГц"};
    ASSERT_EQ(rates->count(), expected.size());
    for (int i = 0; i < rates->count(); ++i)
        EXPECT_EQ(rates->itemText(i), expected[i]);
    EXPECT_EQ(rates->currentIndex(), 6);
    EXPECT_EQ(rates->currentText(), QStringLiteral("50кГц"));
}

TEST_F(WindowTest, StartUpSetsTheModelState) {
    const model::ReceiverState& state = window().receiverState();
    EXPECT_EQ(qRgb(state.obj1Red, state.obj1Green, state.obj1Blue), qRgb(0, 255, 255));
    EXPECT_EQ(qRgb(state.obj2Red, state.obj2Green, state.obj2Blue), qRgb(255, 255, 0));
    EXPECT_EQ(state.sideLobeFraction, 0.0f);
    EXPECT_EQ(state.sideLobeTemperature, 0);
    EXPECT_EQ(state.input1Title, "Осциллограмма на выходе антенного устройства");
    EXPECT_EQ(state.input2Title, "Осциллограмма на выходе шумового эквивалента");
    EXPECT_EQ(state.beamTemperature, 0.0);
    EXPECT_EQ(window().currentScene(), model::Scene::ExtendedTarget);
}

// ---- menu ------------------------------------------------------------------------

QStringList checkedItems(const QMenu* menu) {
    QStringList names;
    for (const QAction* item : menu->actions())
        if (item->isChecked())
            names << item->objectName();
    return names;
}

TEST_F(WindowTest, ColourMenusListSevenColoursEach) {
    QMenu* graph = window().findChild<QMenu*>("mnuGraph");
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->title(), QStringLiteral("&Графика"));
    EXPECT_EQ(window().menuBar()->actions().size(), 1);
    const QStringList captions = {"Красный", "Желтый",    "Зеленый", "Синий",
                                  "Голубой", "Сиреневый", "Черный"};
    const QStringList stems = {"mnuRed",       "mnuYellow",  "mnuGreen", "mnuBlue",
                               "mnuGreenBlue", "mnuRedBlue", "mnuBlack"};
    for (const auto& [menuName, title, suffix, startMark] :
         {std::tuple{"mnuObject1", "Первый объект", "1", "mnuGreenBlue1"},
          std::tuple{"mnuObject2", "Второй объект", "2", "mnuYellow2"}}) {
        SCOPED_TRACE(menuName);
        QMenu* menu = window().findChild<QMenu*>(menuName);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->title(), QString::fromUtf8(title));
        EXPECT_EQ(menu->menuAction()->parent() ? graph->actions().contains(menu->menuAction())
                                               : false,
                  true);
        const QList<QAction*> items = menu->actions();
        ASSERT_EQ(items.size(), 7);
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(items[i]->objectName(), stems[i] + suffix);
            EXPECT_EQ(items[i]->text(), captions[i]);
            EXPECT_TRUE(items[i]->isCheckable());
        }
        EXPECT_EQ(checkedItems(menu), QStringList{startMark});
    }
}

struct ColourBytes {
    int red, green, blue;
    bool operator==(const ColourBytes& other) const {
        return red == other.red && green == other.green && blue == other.blue;
    }
};

ColourBytes objectColour(const model::ReceiverState& state, int object) {
    if (object == 1)
        return {state.obj1Red, state.obj1Green, state.obj1Blue};
    return {state.obj2Red, state.obj2Green, state.obj2Blue};
}

TEST_F(WindowTest, EveryColourClickLeavesOneMarkAndItsBytes) {
    const std::array<std::pair<const char*, ColourBytes>, 7> rows = {{
        {"mnuRed", {255, 0, 0}},
        {"mnuYellow", {255, 255, 0}},
        {"mnuGreen", {0, 255, 0}},
        {"mnuBlue", {0, 0, 255}},
        {"mnuGreenBlue", {0, 255, 255}},
        {"mnuRedBlue", {255, 0, 255}},
        {"mnuBlack", {0, 0, 0}},
    }};
    QMenu* menus[] = {window().findChild<QMenu*>("mnuObject1"),
                      window().findChild<QMenu*>("mnuObject2")};
    // A fixed but irregular sequence, clicking marked items again as well.
    const int sequence[] = {3, 3, 0, 6, 5, 1, 4, 2, 2, 6, 0, 5};
    int step = 0;
    for (const int row : sequence) {
        const int object = 1 + (step++ % 3 == 0 ? 1 : 0);
        const ColourBytes otherBefore = objectColour(window().receiverState(), 3 - object);
        const QStringList otherMarks = checkedItems(menus[2 - object]);
        const QString name = QString::fromUtf8(rows[row].first) + QString::number(object);
        SCOPED_TRACE(name.toStdString());
        auto* item = window().findChild<QAction*>(name);
        ASSERT_NE(item, nullptr);
        item->trigger();
        EXPECT_EQ(checkedItems(menus[object - 1]), QStringList{name});
        EXPECT_TRUE(objectColour(window().receiverState(), object) == rows[row].second);
        EXPECT_TRUE(objectColour(window().receiverState(), 3 - object) == otherBefore);
        EXPECT_EQ(checkedItems(menus[2 - object]), otherMarks);
    }
}

TEST_F(WindowTest, LilacIsTheReferenceMagentaAndAClickDrawsNothing) {
    press("btnap");
    const QImage before = picture()->picture();
    window().findChild<QAction*>("mnuRedBlue1")->trigger();
    window().findChild<QAction*>("mnuBlack2")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(picture()->picture(), before);
    const model::ReceiverState& state = window().receiverState();
    EXPECT_EQ(qRgb(state.obj1Red, state.obj1Green, state.obj1Blue),
              qRgb(canvas::kMagenta.red, canvas::kMagenta.green, canvas::kMagenta.blue));

    // The next press draws the first object in lilac and the second in black.
    press("btnap");
    const QImage after = picture()->picture();
    bool black = false;
    for (int y = 0; y < after.height() && !black; ++y)
        for (int x = 0; x < after.width() && !black; ++x)
            black = after.pixel(x, y) == qRgb(0, 0, 0);
    EXPECT_TRUE(black);
}

// Alt and a Cyrillic letter, as the keyboard sends it.
// Alt and a Cyrillic letter, as the keyboard sends it: through the window system, so
// that the shortcut map sees it. A button answers its mnemonic with an animated click,
// which lands about 100 ms later.
void altKey(QWidget& window, int key, const char* text) {
    QWindow* handle = window.windowHandle();
    ASSERT_NE(handle, nullptr);
    QTest::sendKeyEvent(QTest::Press, handle, Qt::Key(key), QString::fromUtf8(text),
                        Qt::AltModifier);
    QTest::sendKeyEvent(QTest::Release, handle, Qt::Key(key), QString::fromUtf8(text),
                        Qt::AltModifier);
}

// ---- clock and exit ----------------------------------------------------------------

TEST_F(WindowTest, ClockAppearsInTheCaptionAfterHalfASecond) {
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Veltrum"));
    auto* timer = window().findChild<QTimer*>("tmrTime");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 500);
    EXPECT_TRUE(timer->isActive());
    QTest::qWait(560);
    const QRegularExpression clock(QStringLiteral("^Veltrum  ([01]\\d|2[0-3]):[0-5]\\d:[0-5]\\d$"));
    EXPECT_TRUE(clock.match(window().windowTitle()).hasMatch()) << window().windowTitle();
}

TEST_F(WindowTest, ExitClosesAtOnce) {
    ASSERT_TRUE(window().isVisible());
    window_testing::ModalWatcher watcher;
    button("cmdExit")->click();
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(window().findChild<QTimer*>("tmrTime")->isActive());
    EXPECT_TRUE(watcher.messages().empty());
}

class AcceleratorTest : public WindowTest {
protected:
    void activate() {
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        field("txtT1")->setFocus();
    }
};

TEST_F(AcceleratorTest, ExitAnswersItsAccelerator) {
    activate();
    altKey(window(), 0x0412, "в");
    EXPECT_TRUE(QTest::qWaitFor([this] { return !window().isVisible(); }, 2000));
}

TEST_F(AcceleratorTest, BlockAcceleratorsPressTheirBlocks) {
    activate();
    const auto titleBecomes = [this](const char* title) {
        return QTest::qWaitFor([&] { return label("lblname")->text() == QString::fromUtf8(title); },
                               2000);
    };
    altKey(window(), 0x0423, "у"); // the amplifier
    EXPECT_TRUE(titleBecomes("Осциллограмма на выходе УВЧ")) << label("lblname")->text();
    altKey(window(), 0x041C, "м"); // the modulator
    EXPECT_TRUE(titleBecomes("Осциллограмма на выходе модулятора")) << label("lblname")->text();
}

TEST_F(WindowTest, TabWalksTheFieldsThenTheBlocks) {
    QStringList order;
    QWidget* start = field("txtT1");
    QWidget* next = start;
    do {
        order << next->objectName();
        next = next->nextInFocusChain();
        while (next != start && !(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
    } while (next != start && order.size() < 200);
    const int t1 = order.indexOf("txtT1");
    EXPECT_LT(t1, order.indexOf("txtT2"));
    EXPECT_LT(order.indexOf("txtT2"), order.indexOf("txtdeltaf"));
    EXPECT_LT(order.indexOf("txtTint"), order.indexOf("btnT1"));
    EXPECT_LT(order.indexOf("btnT1"), order.indexOf("btnsum"));
    EXPECT_LT(order.indexOf("btnsum"), order.indexOf("cmdExit"));
}

// ---- scenes and side lobes -------------------------------------------------------------

struct SceneRow {
    const char* option;
    model::Scene scene;
    bool fieldsEnabled;
    const char* lblT2;
    const char* btnT2;
    const char* btnT1;
    const char* input1Title;
    const char* input2Title;
};

TEST_F(WindowTest, SceneOptionsReconfigureTheWindow) {
    const SceneRow rows[] = {
        {"optCel", model::Scene::PointTarget, true, "", "Антенна:  фон", "Антенна: цель+фон",
         "Осциллограмма на выходе антенного устройства: цель",
         "Осциллограмма на выходе антенного устройства: фон"},
        {"optBigCel", model::Scene::ExtendedTarget, false, "Т-ра эквивалента, К",
         "  Шумовой эквивалент", "Антенна", "Осциллограмма на выходе антенного устройства",
         "Осциллограмма на выходе шумового эквивалента"},
        {"optGranica", model::Scene::Boundary, false, "", "Антенна:  цель2", "Антенна: цель1",
         "Осциллограмма на выходе антенного устройства: цель1",
         "Осциллограмма на выходе антенного устройства: цель2"},
        {"optCel", model::Scene::PointTarget, true, "", "Антенна:  фон", "Антенна: цель+фон",
         "Осциллограмма на выходе антенного устройства: цель",
         "Осциллограмма на выходе антенного устройства: фон"},
    };
    press("btnmod");
    const window_testing::Snapshot drawn = snapshot();
    type("txtVisota", "7,5");
    for (const SceneRow& row : rows) {
        SCOPED_TRACE(row.option);
        find<QRadioButton>(row.option)->click();
        EXPECT_EQ(window().currentScene(), row.scene);
        for (const char* name : {"txtVisota", "txtF", "txtScel"}) {
            EXPECT_EQ(field(name)->isEnabled(), row.fieldsEnabled) << name;
            EXPECT_EQ(baseOf(field(name)),
                      QColor(row.fieldsEnabled ? ui::kEnabledField : ui::kDisabledField));
        }
        EXPECT_EQ(field("txtVisota")->text(), QStringLiteral("7,5"));
        EXPECT_EQ(label("lblT2")->text(), QString::fromUtf8(row.lblT2));
        EXPECT_EQ(button("btnT2")->text(), QString::fromUtf8(row.btnT2));
        EXPECT_EQ(button("btnT1")->text(), QString::fromUtf8(row.btnT1));
        EXPECT_EQ(window().receiverState().input1Title, row.input1Title);
        EXPECT_EQ(window().receiverState().input2Title, row.input2Title);
        // Nothing is redrawn until a block is pressed.
        const window_testing::Snapshot now = snapshot();
        EXPECT_TRUE(now.sameTexts(drawn));
        EXPECT_EQ(now.picture, drawn.picture);
    }
}

TEST_F(WindowTest, InputViewsTakeTheirTitlesFromTheScene) {
    find<QRadioButton>("optGranica")->click();
    press("btnT1");
    EXPECT_EQ(label("lblname")->text(),
              QStringLiteral("Осциллограмма на выходе антенного устройства: цель1"));
    press("btnT2");
    EXPECT_EQ(label("lblname")->text(),
              QStringLiteral("Осциллограмма на выходе антенного устройства: цель2"));
    EXPECT_EQ(label("lblname")->width(), label("lblname")->sizeHint().width());
}

TEST_F(WindowTest, SideLobesAreCopiedOnlyWhenTheBoxIsClicked) {
    auto* box = find<QCheckBox>("chkLepestok");
    box->click();
    EXPECT_TRUE(box->isChecked());
    EXPECT_FLOAT_EQ(window().receiverState().sideLobeFraction, 0.1f);
    EXPECT_EQ(window().receiverState().sideLobeFraction, 0.1f);
    EXPECT_EQ(window().receiverState().sideLobeTemperature, 300);
    for (const char* name : {"txtBetta", "txtTbokov"}) {
        EXPECT_TRUE(field(name)->isEnabled()) << name;
        EXPECT_EQ(baseOf(field(name)), QColor(ui::kEnabledField));
    }

    // Edits while ticked change nothing until the box is clicked off and on.
    type("txtBetta", "0.25");
    type("txtTbokov", "250,5");
    EXPECT_EQ(window().receiverState().sideLobeFraction, 0.1f);
    EXPECT_EQ(window().receiverState().sideLobeTemperature, 300);

    box->click();
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(window().receiverState().sideLobeFraction, 0.0f);
    EXPECT_EQ(window().receiverState().sideLobeTemperature, 0);
    for (const char* name : {"txtBetta", "txtTbokov"}) {
        EXPECT_FALSE(field(name)->isEnabled()) << name;
        EXPECT_EQ(baseOf(field(name)), QColor(ui::kDisabledField));
    }
    EXPECT_EQ(field("txtBetta")->text(), QStringLiteral("0.25"));

    box->click();
    EXPECT_EQ(window().receiverState().sideLobeFraction, 0.25f);
    EXPECT_EQ(window().receiverState().sideLobeTemperature, 251); // half away from zero
}

// β 0,1 and Tsl 300: Tsl·β is formed in 32 bits, exactly 30.
TEST_F(WindowTest, SideLobesChangeTheAntennaTemperature) {
    find<QCheckBox>("chkLepestok")->click();
    press("btnT1");
    EXPECT_EQ(label("lblTa1")->text(), QStringLiteral("Ta1=303,239993476868"));
    find<QRadioButton>("optGranica")->click();
    press("btnT2");
    EXPECT_EQ(label("lblTa2")->text(), QStringLiteral("Ta2=137,999997854233"));
}

struct BadSideLobe {
    const char* betta;
    const char* tbokov;
    const char* fieldCaption; // a piece of the message naming the field
};

TEST_F(WindowTest, BadSideLobeInputIsReportedAndTheBoxStaysOff) {
    const BadSideLobe rows[] = {
        {"abc", "300", "β"},     {"", "300", "β"},         {"1e999", "300", "β"},
        {"0,1", "40000", "Тяб"}, {"0,1", "-32769", "Тяб"}, {"0,1", "32767,5", "Тяб"},
        {"0,1", "три", "Тяб"},
    };
    auto* box = find<QCheckBox>("chkLepestok");
    for (const BadSideLobe& row : rows) {
        SCOPED_TRACE(std::string(row.betta) + " / " + row.tbokov);
        type("txtBetta", QString::fromUtf8(row.betta));
        type("txtTbokov", QString::fromUtf8(row.tbokov));
        window_testing::ModalWatcher watcher;
        box->click();
        ASSERT_EQ(watcher.messages().size(), 1u);
        const SeenMessage& message = watcher.messages().front();
        EXPECT_EQ(message.icon, QMessageBox::Warning);
        EXPECT_TRUE(message.text.contains(QString::fromUtf8(row.fieldCaption))) << message.text;
        EXPECT_FALSE(box->isChecked());
        EXPECT_EQ(window().receiverState().sideLobeFraction, 0.0f);
        EXPECT_EQ(window().receiverState().sideLobeTemperature, 0);
        EXPECT_TRUE(field("txtBetta")->isEnabled());
        EXPECT_TRUE(field("txtTbokov")->isEnabled());
    }
    // Corrected, the box ticks.
    type("txtBetta", "0,2");
    type("txtTbokov", "-32768");
    box->click();
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(window().receiverState().sideLobeFraction, 0.2f);
    EXPECT_EQ(window().receiverState().sideLobeTemperature, -32768);
}

} // namespace
