// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One press of a block button, as the window drives it:
//   1. preparePress converts every field the pressed view reads and evaluates the
//      point target; it changes nothing and throws PressError on any bad input;
//   2. the window resets its labels, sets the title, shows the beam-filling box when
//      the point target fills the beam, and writes the range into lblRmax;
//   3. runPress computes the chain on a copy of the state and draws into a canvas; it
//      throws PressError on a fault met while computing, PressCancelled when progress
//      says stop;
//   4. on success the window keeps the new state, the picture and the result texts.

#include "canvas/Canvas.h"
#include "model/Chain.h"
#include "model/PointTarget.h"
#include "model/ReceiverState.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace views {

enum class Block {
    Antenna,         // btnT1
    NoiseEquivalent, // btnT2
    Modulator,       // btnmod
    Switch,          // btnap
    Uhf,             // btnUVF
    Detector,        // btnDet
    Filter1,         // btnF1
    Capacitor,       // btncap
    Filter2,         // btnF2
    Adc,             // btnASP
    Summator,        // btnsum
};

// The texts of the window's fields at the moment of the press, the selected scene and
// the selected position of cboFd.
struct FieldTexts {
    std::string txtVisota, txtScel, txtF, txtT2, txtT1, txtdeltaf, txtKp, txtdeltaKp, txtTprm,
        txtF11, txtF22, txtn, txtTint;
    model::Scene scene = model::Scene::ExtendedTarget;
    int cboFdIndex = 6;
};

// A bad input or a fault met while computing; what() is the whole Russian message,
// naming the field by its caption and the text typed, or the cause.
class PressError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The user stopped a long press.
class PressCancelled : public std::exception {
public:
    const char* what() const noexcept override { return "press cancelled"; }
};

// Numbers read from the fields; only those the pressed view reads are set.
struct PressInputs {
    double t1 = 0, t2 = 0, tprm = 0, deltaf = 0, kp = 0, deltaKp = 0, f1 = 0, f2 = 0, n = 0,
           tint = 0;
    int samplingStep = 100; // s of the summator
};

struct Press {
    Block block = Block::Modulator;
    model::Scene scene = model::Scene::ExtendedTarget;
    std::string title;
    std::optional<model::PointTarget> pointTarget; // set in the point-target scene
    PressInputs inputs;
};

Press preparePress(Block block, const FieldTexts& texts, const model::ReceiverState& state);

// Texts for the result labels; an empty optional leaves the label as the reset put it.
struct ResultTexts {
    std::optional<std::string> lblTa1, lblTa2, lblmo, lblmo1, lblEnterT, lblEnter, lblexit;
};

// Told after every summator pass; returns false to stop the press.
class Progress {
public:
    virtual ~Progress() = default;
    virtual bool keepGoing(double passesDone, double passesTotal) = 0;
};

// Runs the view: sets state.beamTemperature from the point target, computes the chain
// and draws into canvas. Call it on a copy of the window's state so that a failed or
// cancelled press leaves the window's state as it was.
ResultTexts runPress(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                     char decimalSeparator, Progress* progress = nullptr);

} // namespace views
