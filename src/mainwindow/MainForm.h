// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the menu, the panels' box with the play mode and the player's appearance on
// its Game panel, the description line and RUN!, and the settings bound to where they are held.
#pragma once

#include "LaunchOptions.h"
#include "Platform.h"
#include "SettingsBinding.h"

#include <QString>
#include <QWidget>

#include <array>
#include <optional>

class QGroupBox;
class QMenu;
class QToolButton;

namespace launch {
struct LaunchCommand;
}

namespace ui {
class DescriptionLine;
}

namespace menu {
class MainMenu;
}

namespace playmode {
class PlayMode;
}

namespace player {
class Appearance;
}

class MainForm : public QWidget {
    Q_OBJECT

public:
    explicit MainForm(const Platform& platform, QWidget* parent = nullptr);
    ~MainForm() override;

    // Every setting the controls hold now, as RUN! would read them.
    launch::LaunchOptions launchOptions() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Tab and Shift+Tab visit only the controls in view, in the order of the layout.
    bool focusNextPrevChild(bool next) override;

private:
    // --- Start-up, close and the pointer over the background (MainForm.cpp)
    void Form_Load();
    void Form_QueryUnload();
    void Form_MouseMove();

    // --- The panels (MainFormPanels.cpp): one function for each, made in the panels' box.
    void buildGamePanel();
    void buildWadPanel();
    void buildOptionsPanel();
    void buildNetworkPanel();

    // --- RUN! (MainFormRun.cpp)
    void Command1_Click();
    void LaunchGame(const QString& ExtraParams = QString());
    // The line a click on RUN! would start now, or none when max players is no number: then a
    // message says why the game was not started, or nothing was copied.
    enum class Purpose { Run, Copy };
    std::optional<launch::LaunchCommand> composeFromControls(const QString& ExtraParams, Purpose purpose);
    // RUN!'s context menu: puts that line on the clipboard.
    void copyCommandLine();

    Platform platform;
    std::array<QGroupBox*, 4> GamePanel{};
    QToolButton* Command1 = nullptr;
    QMenu* runMenu = nullptr; // RUN!'s context menu
    ui::DescriptionLine* lblDesc = nullptr;
    menu::MainMenu* mainMenu = nullptr;
    playmode::PlayMode* playMode = nullptr;
    player::Appearance* appearance = nullptr;
    // Where each setting that reaches the game is held, bound once the controls are made.
    std::optional<ui::SettingsBinding> settings;
    bool centredOnce = false;
};
