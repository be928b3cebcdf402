// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The hourglass for the whole of a press: set when it begins, put away while a message
// box is open, and always taken back at the end, however the press ends.

namespace ui {

class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    // The arrow for as long as it lives (a message box is open); nothing without a press.
    class Released {
    public:
        explicit Released(BusyCursor* busy);
        ~Released();
        Released(const Released&) = delete;
        Released& operator=(const Released&) = delete;

    private:
        BusyCursor* busy_;
    };

private:
    void show();
    void hide();
    bool shown_ = false;
};

} // namespace ui
