// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace vardolin::forms {

class Navigator;

// The main menu, "Vardolin - co": opens the two analysis forms or ends the program.
// It holds no data of its own.
class Form1 final : public QWidget {
    Q_OBJECT

public:
    explicit Form1(Navigator& navigator, QWidget* parent = nullptr);

public slots:
    void Command1_Click();  // "Plan Method"
    void Command2_Click();  // "Slice Method"
    void Command3_Click();  // "Exit"

private:
    Navigator& navigator_;
};

}  // namespace vardolin::forms
