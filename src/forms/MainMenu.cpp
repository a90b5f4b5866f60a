// SPDX-License-Identifier: MIT
#include "forms/MainMenu.h"

#include <QPushButton>
#include <array>
#include <string>
#include <vector>

#include "forms/ControlTable.h"
#include "forms/Navigator.h"

namespace vardolin::forms {

namespace {

using enum ControlKind;

constexpr DesignFont kDefault{};
constexpr DesignFont kTitleFont{"Arial", 12.0, true};

// Client area 8535 x 5100 twips with two analyses; each further analysis adds a row below them
// and grows the frame, the window and Exit's place by kRowStep.
constexpr int kClientWidthTwips = 8535;
constexpr int kClientHeightTwips = 5100;
constexpr int kRowTop = 600;
constexpr int kRowStep = 1800;
constexpr int kDrawnRows = 2;

constexpr std::array<ButtonSlot<MainMenu>, 1> kButtons{{
    {"Command3", &MainMenu::Exit},
}};

}  // namespace

QString MainMenu::RowButtonName(int row) {
    return QStringLiteral("Command%1").arg(row < kDrawnRows ? row + 1 : row + 2);
}

MainMenu::MainMenu(Navigator& navigator, QWidget* parent) : QWidget(parent), navigator_(navigator) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vardolin - co"));

    const auto analyses = navigator_.catalogue().analyses();
    const int rows = static_cast<int>(analyses.size());
    const int grown = kRowStep * std::max(0, rows - kDrawnRows);
    std::vector<std::string> names;
    names.reserve(analyses.size());
    for (int row = 0; row < rows; ++row) {
        names.push_back(RowButtonName(row).toStdString());
    }

    // Stacking order, bottom first: the buttons lie over the frame.
    std::vector<ControlRow> table;
    table.push_back({Frame, "Frame1", kNoIndex, nullptr, kNoIndex, 120, 120, 8295, 4815 + grown,
                     " VARDOLIN", kTitleFont, rows + 1});
    for (int row = 0; row < rows; ++row) {
        const char* caption = navigator_.windows().Of(analyses[row]->id).menuCaption;
        table.push_back({Button, names[row].c_str(), kNoIndex, nullptr, kNoIndex, 240,
                         kRowTop + kRowStep * row, 7935, 1095, caption, kDefault, row});
    }
    table.push_back({Button, "Command3", kNoIndex, nullptr, kNoIndex, 6120, 4200 + grown, 1935, 615,
                     "Exit", kDefault, rows});
    BuildControls(*this, table);
    resize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips + grown));

    for (int row = 0; row < rows; ++row) {
        auto* button = FindControlAs<QPushButton>(*this, RowButtonName(row));
        const std::string form = analyses[row]->formName;
        connect(button, &QPushButton::clicked, this, [this, form] { navigator_.Show(form); });
    }
    ConnectButtons<MainMenu>(*this, kButtons);
}

void MainMenu::Exit() {
    navigator_.Exit();
}

}  // namespace vardolin::forms
