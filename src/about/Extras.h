// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// What the About entry and the picture under the menu do: open the about window, and answer
// clicks on the picture with jokes.
#pragma once

#include <QObject>
#include <QPointer>

#include <cstdint>

class QAbstractButton;
class QWidget;
class frmHelp;

namespace ui {
class Dialogs;
}

namespace about {

class Extras : public QObject {
    Q_OBJECT
public:
    // `lblHelp` opens the about window, `Image1` tells the jokes in message boxes over `owner`.
    Extras(QAbstractButton* lblHelp, QAbstractButton* Image1, ui::Dialogs& dialogs, QWidget* owner);
    ~Extras() override;

private:
    void lblHelp_Click();
    void Image1_Click();

    ui::Dialogs& dialogs;
    QWidget* owner;
    std::uint8_t ReactionCount = 0;
    QPointer<frmHelp> aboutWindow;
};

} // namespace about
