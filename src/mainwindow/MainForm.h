// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the menu and its panels, the play mode, the description line and RUN!, with
// the parts it is made of (the player's appearance, the add-on list, the about window and jokes).
#pragma once

#include "LaunchOptions.h"
#include "Platform.h"

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;

namespace launch {
struct LaunchCommand;
}

namespace ui {
class Animation;
class ButtonLabel;
class PictureButton;
} // namespace ui

namespace player {
class Appearance;
}

// The green background that marks the selected menu entry and play mode (the handlers test it to
// learn the selection), and the white of the entries and modes not selected.
inline const QColor selectionGreen(0x00, 0xFF, 0x00);
inline const QColor unselectedWhite(0xFF, 0xFF, 0xFF);

class MainForm : public QWidget {
    Q_OBJECT
    // The play mode and the server address reach the game; they are read and shown by name.
    Q_PROPERTY(launch::GameType txtGameType MEMBER txtGameType)
    Q_PROPERTY(std::string HostAddress MEMBER HostAddress)

public:
    explicit MainForm(const ui::Platform& platform, QWidget* parent = nullptr);
    ~MainForm() override;

    // Every setting the controls hold now, as RUN! would read them.
    launch::LaunchOptions launchOptions() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Tab and Shift+Tab visit only the controls in view, in the order of the layout.
    bool focusNextPrevChild(bool next) override;

private:
    // --- Controls its own handlers work with (all others are found by name)
    std::array<ui::ButtonLabel*, 4> lblMainMenu{};
    QLabel* Label2 = nullptr;
    ui::ButtonLabel* lblHelp = nullptr;
    ui::PictureButton* Image1 = nullptr;
    std::array<QLabel*, 4> imgStashed{};
    std::array<QGroupBox*, 4> GamePanel{};
    QToolButton* Command1 = nullptr;
    QLabel* lblDesc = nullptr;
    std::array<ui::ButtonLabel*, 2> spGameOpt{};
    std::array<QFrame*, 2> ngOpt{};
    std::array<QGroupBox*, 2> frmMulti{};
    ui::ButtonLabel* lblIPMan = nullptr;
    QComboBox* Combo2 = nullptr;
    QLineEdit* txtMaxPlayers = nullptr;
    QMenu* runMenu = nullptr; // RUN!'s context menu

    // --- Fields of the window
    std::int16_t CurPanel = 0;
    std::int16_t MenuHover = 0;
    bool MenuBold = false;
    std::int16_t CurMode = 0;
    std::int16_t CurMultiType = 0;
    std::int16_t ModeHover = 0;
    bool ModeBold = false;
    launch::GameType txtGameType = launch::GameType::Single;
    launch::GameType txtMultiType = launch::GameType::Join; // the multiplayer kind last chosen
    std::string HostAddress;

    // --- The parts
    player::Appearance* appearance = nullptr;
    QPointer<ui::Animation> cardSwitch; // the Join/Host switch while it runs

    // --- Start-up and close (MainForm.cpp)
    void Form_Load();
    void Form_QueryUnload();

    // --- Menu (menu.cpp)
    void lblMainMenu_Click(int Index);
    void lblMainMenu_MouseMove(int Index);
    // The picture of menu entry k, read from the program's pictures the first time it is needed.
    QPixmap stashedPicture(int k);
    void lblHelp_MouseMove();
    void Form_MouseMove();
    void Label2_MouseMove();

    // --- Play mode (playMode.cpp)
    void spGameOpt_Click(int Index);
    void spGameOpt_MouseMove(int Index);
    void frmMulti_Click(int Index);
    void frmMulti_MouseMove(int Index);
    void lblIPMan_Click();
    void GamePanel_MouseMove();

    // --- Description line (descriptions.cpp)
    // Shows `text` in the description line while the pointer moves over `control`.
    void describe(QWidget* control, const QString& text);
    // The keyboard brought the focus to `control`: the description line explains it.
    void describeFocused(QWidget* control);
    void describeNothing();
    // Only the card behind invites a click: its description says so, the front card has none.
    void describeCards();
    void ngOpt_MouseMove();

    // --- Keyboard focus (focus.cpp)
    // The controls Tab stops at now: those in view, in the order of the layout, RUN! last.
    QList<QWidget*> tabStops() const;
    // After a slide or a switch: a control that has the focus but went out of view hands it to the
    // first control in view, so typing never changes what the player cannot see.
    void keepFocusInView();

    // --- Run button (launch.cpp)
    void Command1_Click();
    void LaunchGame(const QString& ExtraParams = QString());
    // The line a click on RUN! would start now, or none when max players is no number: then a
    // message says why the game was not started, or nothing was copied.
    enum class Purpose { Run, Copy };
    std::optional<launch::LaunchCommand> composeFromControls(const QString& ExtraParams, Purpose purpose);
    // RUN!'s context menu: puts that line on the clipboard.
    void copyCommandLine();
    void txtMaxPlayers_KeyPress(int KeyAscii);

    // --- The settings by name (options.cpp): where each row of the option table is held, found
    // once when the window is made, and how it is read from there and shown there.
    struct Holder {
        std::function<void(launch::LaunchOptions&)> read;
        std::function<void(const launch::LaunchOptions&)> show;
    };
    std::vector<Holder> holders;
    void findHolders();
    void showOptions(const launch::LaunchOptions& options);

    // --- Creation (MainForm_layout.cpp): the window, then one function for each box and panel.
    void buildLayout();
    void buildMenu();
    void buildGamePanel();
    void buildMultiplayerCards();
    void buildWadPanel();
    void buildOptionsPanel();
    void buildNetworkPanel();
    void connectHandlers();

    ui::Platform platform;
    bool centredOnce = false;
};
