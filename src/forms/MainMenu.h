// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>

namespace vardolin::forms {

class Navigator;

// The main menu, "Vardolin - co" (objectName Form1): one button per analysis of the catalogue,
// in its order, and "Exit". It holds no data of its own.
class MainMenu final : public QWidget {
    Q_OBJECT

public:
    explicit MainMenu(Navigator& navigator, QWidget* parent = nullptr);

    // The objectName of the button of the catalogue's analysis `row` (0 first): the first two
    // are Command1 and Command2, and later ones go on after Exit's Command3.
    static QString RowButtonName(int row);

public slots:
    void Exit();  // "Exit": ends the program, once forms with unsaved inputs have asked

private:
    Navigator& navigator_;
};

}  // namespace vardolin::forms
