// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: every control of the launcher under its own name, and its event handlers.
#pragma once

#include "Platform.h"

#include <QColor>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMimeData;
class QPushButton;
class QRadioButton;
class QToolButton;
class frmColor;
class frmHelp;

namespace launch {
struct LaunchOptions;
struct LaunchCommand;
} // namespace launch

namespace ui {
class ButtonLabel;
class LineShape;
class OutlineShape;
class PictureButton;
} // namespace ui

// The green background that marks the selected menu entry and play mode (the handlers test it to
// learn the selection), and the white of the entries and modes not selected.
inline const QColor selectionGreen(0x00, 0xFF, 0x00);
inline const QColor unselectedWhite(0xFF, 0xFF, 0xFF);

class MainForm : public QWidget {
    Q_OBJECT
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

private:
    // --- Menu, description line and window decoration (mainwindow/MainForm_layout.cpp, menu.cpp)
    std::array<ui::ButtonLabel*, 4> lblMainMenu{};
    QLabel* Label2 = nullptr;
    std::array<ui::OutlineShape*, 2> Shape1{};
    ui::ButtonLabel* lblHelp = nullptr;
    ui::PictureButton* Image1 = nullptr;
    QFrame* Picture1 = nullptr;
    ui::LineShape* Line1 = nullptr;
    ui::LineShape* Line2 = nullptr;
    QToolButton* Command1 = nullptr;
    QLabel* lblDesc = nullptr;
    std::array<QLabel*, 4> imgStashed{};
    std::array<QGroupBox*, 4> GamePanel{};

    // --- Value holders: stored texts the user never sees (the play mode and colour number are
    // set at start-up with the other launch options)
    QString txtGameType;
    QString txtMultiType = QStringLiteral("Join");
    QString lblColor2;

    // --- Game panel (mainwindow/MainForm_layout.cpp; behaviour in player/ and mainwindow/playMode.cpp)
    QLabel* Label1 = nullptr;
    ui::ButtonLabel* lblVersion = nullptr;
    QLabel* Label4 = nullptr;
    std::array<QToolButton*, 2> Command3{};
    QFrame* Picture2 = nullptr;
    QLabel* imgCharPic = nullptr;
    QLabel* Label5 = nullptr;
    ui::ButtonLabel* lblColor = nullptr;
    std::array<ui::ButtonLabel*, 2> spGameOpt{};
    std::array<QFrame*, 2> ngOpt{};
    QCheckBox* chkLoad = nullptr;
    QComboBox* Combo3 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* txtPlayerName = nullptr;
    std::array<QGroupBox*, 2> frmMulti{};
    QLabel* Label25 = nullptr;
    ui::ButtonLabel* lblIPMan = nullptr;
    QLabel* Label14 = nullptr;
    QComboBox* Combo2 = nullptr;
    QCheckBox* check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check4 = nullptr;
    QLabel* Label21 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLabel* Label12 = nullptr;
    QLineEdit* txtTimelimit = nullptr;
    QLabel* Label9 = nullptr;
    QLineEdit* txtMaxPlayers = nullptr;
    QLabel* Label11 = nullptr;
    QLineEdit* txtMultiMap = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;

    // --- WAD Files panel (mainwindow/MainForm_layout.cpp; behaviour in addons/)
    QLabel* Label24 = nullptr;
    QListWidget* lstWADFiles = nullptr;
    QPushButton* Command9 = nullptr;
    QPushButton* Command10 = nullptr;
    QLabel* Label18 = nullptr;
    QLineEdit* txtUserSkin = nullptr;

    // --- Main Options panel (mainwindow/MainForm_layout.cpp)
    QCheckBox* chkOpenGL = nullptr;
    QCheckBox* chkWindowed = nullptr;
    QCheckBox* chkManualRes = nullptr;
    QLineEdit* txtWidth = nullptr;
    QLabel* Label26 = nullptr;
    QLineEdit* txtHeight = nullptr;
    QCheckBox* chkEXE = nullptr;
    QLineEdit* txtEXE = nullptr;
    QCheckBox* chkHighTime = nullptr;
    QCheckBox* chkJoystick = nullptr;
    QCheckBox* chkAnalog = nullptr;
    QCheckBox* chkSplitScreen = nullptr;
    QGroupBox* fraDemo = nullptr;
    QCheckBox* chkDemo = nullptr;
    QRadioButton* optDemoPlay = nullptr;
    QRadioButton* optDemoRecord = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* txtDemo = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* lstSound = nullptr;
    QLabel* Label19 = nullptr;
    QLineEdit* txtManualOps = nullptr;

    // --- Network Options panel (mainwindow/MainForm_layout.cpp)
    QCheckBox* chkNoSpecRings = nullptr;
    QCheckBox* chkSuddenDeath = nullptr;
    QCheckBox* chkAutoCTF = nullptr;
    QCheckBox* chkForceSkin = nullptr;
    QCheckBox* chkNoAdvance = nullptr;
    QCheckBox* chkNoAdvertise = nullptr;
    QCheckBox* chkPassword = nullptr;
    QLineEdit* txtPassword = nullptr;
    QCheckBox* chkTeamBattle = nullptr;
    QComboBox* lstTeamBattle = nullptr;

    // --- Fields of the window
    std::array<QString, 3> Skins;
    std::uint8_t CharIndex = 0;
    std::int16_t CurPanel = 0;
    std::int16_t MenuHover = 0;
    bool MenuBold = false;
    std::int16_t CurMode = 0;
    std::int16_t CurMultiType = 0;
    std::int16_t ModeHover = 0;
    bool ModeBold = false;
    std::uint8_t ReactionCount = 0;
    QString HostAddress;

    // The secondary windows while they exist.
    QPointer<frmColor> colorPicker;
    QPointer<frmHelp> aboutWindow;
    QMenu* runMenu = nullptr; // RUN!'s context menu

    // --- Start-up and close (mainwindow/MainForm.cpp)
    void Form_Load();
    void Form_QueryUnload();

    // --- Menu (mainwindow/menu.cpp)
    void lblMainMenu_Click(int Index);
    void lblMainMenu_MouseMove(int Index);
    // The picture of menu entry k, read from the program's pictures the first time it is needed.
    QPixmap stashedPicture(int k);

    // --- Play mode (mainwindow/playMode.cpp)
    void spGameOpt_Click(int Index);
    void spGameOpt_MouseMove(int Index);
    void frmMulti_Click(int Index);
    void frmMulti_MouseMove(int Index);
    void lblIPMan_Click();

    // --- Character (player/character.cpp)
    void Command3_Click(int Index);

    // --- Colour (player/colorPicker.cpp)
    void lblColor_Click();
    void colorPicked(int number, const QColor& color);

    // --- Description line (mainwindow/hover.cpp)
    void lblHelp_MouseMove();
    void Form_MouseMove();
    void Label2_MouseMove();
    void GamePanel_MouseMove();
    void ngOpt_MouseMove();
    // The description line's text when nothing is described.
    void describeNothing();

    // --- Add-on files (addons/addons.cpp)
    void Command9_Click();
    void Command10_Click();
    // Files dragged over the list: true when every item is a local file, which a drop then adds
    // as Add would, in order. Anything else is refused and changes nothing.
    bool lstWADFiles_DragOver(const QMimeData* data) const;
    void lstWADFiles_DragDrop(const QMimeData* data);

    // --- About window and eye candy (about/about.cpp, about/eyeCandy.cpp)
    void lblHelp_Click();
    void Image1_Click();

    // --- Run button (mainwindow/launch.cpp)
    void Command1_Click();
    void LaunchGame(const QString& ExtraParams = QString());
    // Sets the controls and fields that hold launch options to `options`: at start-up, the
    // defaults of LaunchOptions.
    void showOptions(const launch::LaunchOptions& options);
    // The line a click on RUN! would start now, or none when max players is no number: then a
    // message says why the game was not started, or nothing was copied.
    enum class Purpose { Run, Copy };
    std::optional<launch::LaunchCommand> composeFromControls(const QString& ExtraParams, Purpose purpose);
    // RUN!'s context menu: puts that line on the clipboard.
    void copyCommandLine();
    void txtMaxPlayers_KeyPress(int KeyAscii);

    // --- Creation (mainwindow/MainForm_layout.cpp, MainForm.cpp): the window, then one function
    // for each box and panel.
    void buildLayout();
    void buildMenu();
    void buildGamePanel();
    void buildMultiplayerCards();
    void buildWadPanel();
    void buildOptionsPanel();
    void buildNetworkPanel();
    void connectHandlers();
    void connectDescriptions();

    ui::Platform platform;
    bool centredOnce = false;
    int multiSwitches = 0; // counts Join/Host switches, so an overtaken one can stop
};
