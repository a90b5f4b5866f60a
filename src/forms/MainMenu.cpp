// SPDX-License-Identifier: MIT
#include "forms/MainMenu.h"

#include <array>

#include "forms/ControlTable.h"
#include "forms/Navigator.h"
#include "shared/AnalysisDescription.h"

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

// The menu's rows: the analysis form each button opens.
constexpr std::array<NavigationButton, 2> kMenuRows{{
    {"Command1", "Vardolin"},  // "Plan Method"
    {"Command2", "vard2"},     // "Slice Method"
}};

constexpr std::array<ButtonSlot<MainMenu>, 1> kButtons{{
    {"Command3", &MainMenu::Exit},
}};

}  // namespace

MainMenu::MainMenu(Navigator& navigator, QWidget* parent) : QWidget(parent), navigator_(navigator) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vardolin - co"));
    BuildControls(*this, kControls);
    resize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
    ConnectNavigation(*this, kMenuRows, navigator_);
    ConnectButtons<MainMenu>(*this, kButtons);
}

void MainMenu::Exit() {
    navigator_.Exit();
}

}  // namespace vardolin::forms
