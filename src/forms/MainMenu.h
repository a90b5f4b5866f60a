// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace vardolin::forms {

class Navigator;

// The main menu, "Vardolin - co" (objectName Form1): one button per analysis form, and "Exit".
// It holds no data of its own.
class MainMenu final : public QWidget {
    Q_OBJECT

public:
    explicit MainMenu(Navigator& navigator, QWidget* parent = nullptr);

public slots:
    void Exit();  // "Exit": ends the program at once

private:
    Navigator& navigator_;
};

}  // namespace vardolin::forms
