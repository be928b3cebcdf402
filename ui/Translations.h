// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Qt's own texts (the buttons of message boxes and file dialogs, the context menus of the
// fields) in Russian, like the rest of the window.

class QCoreApplication;

namespace ui {

// Installs Qt's Russian translation (qtbase_ru from Qt's translations folder) into the
// application; the translator lives as long as the application. Returns false when the
// translation is not installed on this machine: Qt's texts then stay in English.
bool installQtTranslations(QCoreApplication& application);

} // namespace ui
