// SPDX-License-Identifier: MIT
#include "forms/Form1.h"

#include <array>

#include "forms/ControlTable.h"
#include "forms/Navigator.h"

namespace vardolin::forms {

namespace {

using enum ControlKind;

constexpr DesignFont kDefault{};

// Client area 8535 x 5100 twips. Rows are in stacking order, bottom first: the buttons lie
// over the frame.
constexpr std::array kControls = {
    // clang-format off
    //          name        idx       in       idx       left  top   width height caption                 font                        tab
    ControlRow{Frame,  "Frame1",   kNoIndex, nullptr, kNoIndex, 120,  120, 8295, 4815, " VARDOLIN",     {"Arial", 12.0, true},    3},
    ControlRow{Button, "Command1", kNoIndex, nullptr, kNoIndex, 240,  600, 7935, 1095, "Plan Method",   kDefault,                 0},
    ControlRow{Button, "Command2", kNoIndex, nullptr, kNoIndex, 240, 2400, 7935, 1095, "Slice Method",  kDefault,                 1},
    ControlRow{Button, "Command3", kNoIndex, nullptr, kNoIndex, 6120, 4200, 1935, 615, "Exit",          kDefault,                 2},
    // clang-format on
};

constexpr int kClientWidthTwips = 8535;
constexpr int kClientHeightTwips = 5100;

}  // namespace

Form1::Form1(Navigator& navigator, QWidget* parent) : QWidget(parent), navigator_(navigator) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vardolin - co"));
    BuildControls(*this, kControls);
    resize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));

    ConnectButton(*this, "Command1", &Form1::Command1_Click);
    ConnectButton(*this, "Command2", &Form1::Command2_Click);
    ConnectButton(*this, "Command3", &Form1::Command3_Click);
}

void Form1::Command1_Click() {
    navigator_.ShowVardolin();
}

void Form1::Command2_Click() {
    navigator_.ShowVard2();
}

void Form1::Command3_Click() {
    navigator_.Exit();
}

}  // namespace vardolin::forms
