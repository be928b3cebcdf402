// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/PressProgress.h"

#include "front/Texts.h"
#include "ui/Translations.h"

#include <QProgressDialog>

#include <algorithm>

namespace ui {

namespace {
constexpr qint64 kLookEveryMs = 25;
constexpr int kSteps = 1000;
} // namespace

PressProgress::PressProgress(QWidget* owner) : owner_(owner) {
    clock_.start();
}

PressProgress::~PressProgress() = default;

bool PressProgress::keepGoing(const front::Changes& step) {
    const qint64 now = clock_.elapsed();
    if (now - lastLook_ < kLookEveryMs)
        return true;
    lastLook_ = now;
    if (!dialog_) {
        if (!step.showProgress)
            return true;
        open(now);
    }
    const double share = std::clamp(step.done / step.total, 0.0, 1.0);
    dialog_->setValue(static_cast<int>(share * kSteps));
    return !dialog_->wasCanceled();
}

void PressProgress::open(qint64 now) {
    dialog_ = std::make_unique<QProgressDialog>(ui::text(front::texts::kProgressText),
                                                ui::text(front::texts::kCancel), 0, kSteps, owner_);
    dialog_->setWindowTitle(ui::text(front::texts::kProgressTitle));
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setAutoReset(false);
    dialog_->setAutoClose(false);
    // Half a second after the press began, not after the dialog was made.
    dialog_->setMinimumDuration(
        static_cast<int>(std::max<qint64>(0, static_cast<qint64>(front::kLongPressMs) - now)));
    dialog_->setValue(0);
}

} // namespace ui
