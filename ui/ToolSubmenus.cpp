// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ToolSubmenus.h"

#include "canvas/qt/PictureExport.h"
#include "front/Window.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace ui {

void addToolSubmenus(QWidget* picture, const std::function<void(const std::string&)>& click) {
    for (const front::ToolSubmenu& submenu : front::toolSubmenus()) {
        auto* menu = new QMenu(picture);
        menu->setObjectName(QString::fromLatin1(submenu.name));
        for (const front::Tool& tool : front::pictureTools()) {
            if (!tool.desktop || !tool.submenu || std::string(tool.submenu) != submenu.name)
                continue;
            const std::string name = tool.name;
            QObject::connect(canvas::addTool(menu, tool.name), &QAction::triggered, picture,
                             [click, name] { click(name); });
        }
        picture->addAction(menu->menuAction());
    }
}

} // namespace ui
