// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/AccessibleTools.h"

#include "canvas/qt/PictureExport.h"
#include "front/ControlTable.h"
#include "front/Texts.h"
#include "ui/Translations.h"
#include "ui/WidgetFactory.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QHeaderView>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui {

namespace {

const QString kHighContrastKey = QStringLiteral("highContrast");
const QString kAnnouncerName = QStringLiteral("announcer");

// The announcer as the screen reader sees it: an alert, named by what it says.
QAccessibleInterface* announcerInterface(const QString& key, QObject* object) {
    if (key == QLatin1String("ui::Announcer") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::AlertMessage);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* window) : QWidget(window) {
    static const bool installed = (QAccessible::installFactory(announcerInterface), true);
    (void)installed;
    setObjectName(kAnnouncerName);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0); // outside the client area's drawing: it is heard, not seen
}

void Announcer::say(const QString& text) {
    setAccessibleName(text);
    QAccessibleEvent event(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
    emit said(text);
}

ValueTableDialog::ValueTableDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgValueTable"));
    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("tblValues"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false); // Tab leaves the table, the arrows walk it
    table_->verticalHeader()->setVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    resize(560, 420);
}

void ValueTableDialog::show(const front::ValueTable& values, const QString& title) {
    setWindowTitle(text(front::texts::kValueTableTitle) + QStringLiteral(": ") + title);
    table_->setAccessibleName(windowTitle());
    table_->clear();
    table_->setColumnCount(static_cast<int>(values.header.size()));
    table_->setRowCount(static_cast<int>(values.rows.size()));
    QStringList header;
    for (const std::string& column : values.header)
        header << QString::fromStdString(column);
    table_->setHorizontalHeaderLabels(header);
    for (int row = 0; row < table_->rowCount(); ++row)
        for (int column = 0; column < table_->columnCount(); ++column) {
            const auto& cells = values.rows[static_cast<std::size_t>(row)];
            const QString cell =
                column < static_cast<int>(cells.size())
                    ? QString::fromStdString(cells[static_cast<std::size_t>(column)])
                    : QString();
            auto* item = new QTableWidgetItem(cell);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, column, item);
        }
    table_->resizeColumnsToContents();
    if (table_->rowCount() > 0)
        table_->setCurrentCell(0, 0);
    QDialog::show();
    raise();
    activateWindow();
    table_->setFocus(Qt::OtherFocusReason);
}

AccessibleTools::AccessibleTools(QWidget* picture, QWidget* window,
                                 std::function<front::ValueTable()> values,
                                 std::function<QString()> title, std::function<void()> switchLook)
    : QObject(picture), window_(window), values_(std::move(values)), title_(std::move(title)) {
    connect(canvas::addTool(picture, "actValueTable"), &QAction::triggered, this,
            &AccessibleTools::openValueTable);
    connect(canvas::addTool(picture, "actHighContrast"), &QAction::triggered, this,
            std::move(switchLook));
}

ValueTableDialog* AccessibleTools::openValueTable() {
    if (!dialog_)
        dialog_ = new ValueTableDialog(window_);
    dialog_->show(values_(), title_());
    return dialog_;
}

void applyLook(QWidget* window, bool highContrast) {
    for (const front::Control& control : front::formControls()) {
        auto* widget = window->findChild<QWidget*>(QString::fromUtf8(control.name));
        if (!widget)
            continue;
        const front::ControlColours colours = front::controlColours(control, highContrast);
        QPalette palette = widget->palette();
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::WindowText, QColor(colours.foreground));
            palette.setColor(group, QPalette::ButtonText, QColor(colours.foreground));
        }
        widget->setPalette(palette);
    }
}

bool rememberedHighContrast() {
    return QSettings().value(kHighContrastKey, false).toBool();
}

void rememberHighContrast(bool on) {
    QSettings().setValue(kHighContrastKey, on);
}

} // namespace ui
