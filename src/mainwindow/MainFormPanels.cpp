// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The panels as laid out at creation: container, caption or text, twips rectangle (Left, Top,
// Width, Height), tooltip, description, font and colours. Controls made later lie in front of
// those made earlier; the focus visits them in the order they are made.
#include "AddonList.h"
#include "Appearance.h"
#include "ButtonLabel.h"
#include "DescriptionLine.h"
#include "MainForm.h"
#include "PlayMode.h"
#include "WrappingCheckBox.h"
#include "controls.h"
#include "mouse.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using ui::ButtonLabel;
using ui::place;

// Panel 0, "Game": version, the player's appearance, the play mode and its options.
void MainForm::buildGamePanel() {
    QGroupBox* game = GamePanel[0];
    place(ui::label(tr("Version"), Qt::AlignCenter), game, QStringLiteral("Label1"), {120, 360, 975, 255});
    auto* lblVersion = place(new ButtonLabel(tr("Windows")), game, QStringLiteral("lblVersion"),
                             {120, 600, 975, 255}, tr("DOS Version has been discontinued."));
    lblVersion->setTextOnly(true);
    ui::describe(lblVersion, tr("The DOS Version of KLEM has been discontinued."));
    appearance = new player::Appearance(game, platform.pacer);
    playMode = new playmode::PlayMode(game, platform.dialogs, platform.pacer);
    appearance->followName(playMode->playerName());
    connect(playMode, &playmode::PlayMode::modeChosen, appearance, &player::Appearance::modeChosen);
}

// Panel 1, "WAD Files": add-on files and custom skin.
void MainForm::buildWadPanel() {
    QGroupBox* wads = GamePanel[1];
    new addons::AddonList(wads, platform.dialogs);
    auto* Label18 =
        place(ui::label(tr("Custom Skin Name:")), wads, QStringLiteral("Label18"), {120, 3720, 1575, 255});
    auto* txtUserSkin = place(ui::textBox(), wads, QStringLiteral("txtUserSkin"), {120, 3960, 2175, 285},
                              tr("Type name of custom skin here"));
    ui::nameAfter(txtUserSkin, Label18);
    ui::describe(txtUserSkin, tr("If you are using a custom skin, you just type the skin's name here."));
}

// Panel 2, "Main Options": display, input, demo, sound and free parameters.
void MainForm::buildOptionsPanel() {
    QGroupBox* options = GamePanel[2];
    // A check box with its caption and description.
    const auto checkBox = [&](QCheckBox* box, const char* name, const ui::TwipsRect& rect,
                              const QString& text) {
        box->setAccessibleName(ui::spokenCaption(box->text())); // "Alternate EXE", without the colon
        ui::describe(place(box, options, QLatin1String(name), rect), text);
    };
    checkBox(
        new QCheckBox(tr("OpenGL Mode")), "chkOpenGL", {120, 240, 1455, 255},
        tr("Check this to enable hardware rendering mode. Hardware rendering is not yet perfect, so it may "
           "look strange in some areas."));
    checkBox(new QCheckBox(tr("Windowed Mode")), "chkWindowed", {1920, 240, 1695, 255},
             tr("Check this to play KLEM in a window instead of full screen."));
    checkBox(
        new QCheckBox(tr("Manual Resolution:")), "chkManualRes", {120, 600, 1740, 255}, // to the width box
        tr("Check this to change the resolution. If you type in a resolution that is not supported, it will "
           "go back to default."));
    auto* txtWidth =
        place(ui::textBox(Qt::AlignRight), options, QStringLiteral("txtWidth"), {1875, 555, 495, 285});
    ui::describe(txtWidth, tr("Type the screen width of the manual resolution here."));
    ui::nameAfter(txtWidth, tr("Resolution width"));
    place(ui::label(tr("x")), options, QStringLiteral("Label26"), {2400, 600, 255, 255});
    auto* txtHeight =
        place(ui::textBox(Qt::AlignRight), options, QStringLiteral("txtHeight"), {2520, 555, 495, 285});
    ui::describe(txtHeight, tr("Type the screen height of the manual resolution here."));
    ui::nameAfter(txtHeight, tr("Resolution height"));
    checkBox(new QCheckBox(tr("Alternate EXE:")), "chkEXE", {120, 960, 1575, 255},
             tr("Check this to use an EXE with a different filename from the default. Typing .exe is not "
                "required."));
    auto* txtEXE = place(ui::textBox(), options, QStringLiteral("txtEXE"), {1875, 915, 1135, 285});
    ui::describe(txtEXE,
                 tr("Type the filename of the exe you would like to use here. Typing .exe is not required."));
    ui::nameAfter(txtEXE, tr("Alternate EXE name"));
    checkBox(new QCheckBox(tr("Display High-resolution Timer")), "chkHighTime", {120, 1320, 2535, 255},
             tr("Check this to change the time display to game tics. There are 35 tics in a second."));
    checkBox(new QCheckBox(tr("Use Joystick")), "chkJoystick", {120, 1800, 1575, 195},
             tr("Check this to use a joystick or gamepad with KLEM."));
    checkBox(new ui::WrappingCheckBox(tr("Use Analog Controls")), "chkAnalog", {120, 2040, 1455, 435},
             tr("Check this to enable analog directional control. Works best with a joystick or gamepad."));
    checkBox(new QCheckBox(tr("Split-Screen Mode")), "chkSplitScreen", {120, 2520, 1695, 255},
             tr("Check this to enable splitscreen play on one computer."));

    auto* fraDemo =
        place(new QGroupBox(tr("Demo")), options, QStringLiteral("fraDemo"), {1920, 1680, 1695, 1575});
    ui::keepMouseMoves(fraDemo);
    ui::describe(
        place(new QCheckBox(tr("Enable Demos")), fraDemo, QStringLiteral("chkDemo"), {120, 240, 1455, 255}),
        tr("Check this to enable demo recording or playback."));
    ui::describe(
        place(new QRadioButton(tr("Play")), fraDemo, QStringLiteral("optDemoPlay"), {240, 480, 1335, 255}),
        tr("Select this to play back a previously recorded demo."));
    ui::describe(place(new QRadioButton(tr("Record")), fraDemo, QStringLiteral("optDemoRecord"),
                       {240, 720, 1335, 255}),
                 tr("Select this to record a new demo."));
    auto* Label7 =
        place(ui::label(tr("Demo Name:")), fraDemo, QStringLiteral("Label7"), {120, 960, 1455, 255});
    auto* txtDemo = place(ui::textBox(), fraDemo, QStringLiteral("txtDemo"), {120, 1200, 1455, 285});
    ui::describe(txtDemo, tr("Type the name of the demo here. Do not type the file extension."));
    ui::nameAfter(txtDemo, Label7);

    auto* Label3 = place(ui::label(tr("Sound:")), options, QStringLiteral("Label3"), {120, 3420, 1215, 255});
    ui::nameAfter(
        place(ui::dropDownList({tr("CD Music (w/ SFX)"), tr("Ogg Music (w/ SFX)"), tr("MIDI Music (w/ SFX)"),
                                tr("SFX Only"), tr("CD Music (w/o SFX)"), tr("Ogg Music (w/o SFX)"),
                                tr("MIDI Music (w/o SFX)"), tr("No Sound")}),
              options, QStringLiteral("lstSound"), {1440, 3360, 2055, 315}),
        Label3);
    auto* Label19 = place(ui::label(tr("Manual Parameters:")), options, QStringLiteral("Label19"),
                          {120, 3720, 1695, 255});
    auto* txtManualOps =
        place(ui::textBox(), options, QStringLiteral("txtManualOps"), {120, 3960, 3495, 285});
    ui::nameAfter(txtManualOps, Label19);
    ui::describe(txtManualOps,
                 tr("Type manual parameters into this box. All manual parameters are added to the end of the "
                    "launcher's command line."));
}

// Panel 3, "Network Options": rules of a hosted game.
void MainForm::buildNetworkPanel() {
    QGroupBox* network = GamePanel[3];
    struct Rule {
        const char* name;
        QString caption;
        int top;
        int width;
        QString description;
    };
    const Rule rules[] = {
        {"chkNoSpecRings", tr("Disable Special Rings"), 240, 2415,
         tr("Check this to disable the special weapon rings in modes that use them.")},
        {"chkSuddenDeath", tr("Sudden Death"), 480, 2295,
         tr("Check this to make it so that getting shot kills the player instead of making them lose all of "
            "his or her rings.")},
        {"chkAutoCTF", tr("Automatically Sort Teams (CTF)"), 840, 2775,
         tr("Check this to make KLEM automatically select teams in CTF.")},
        {"chkForceSkin", tr("Force Skin"), 1200, 2655,
         tr("Check this to make all players on your server use the same skin as you.")},
        {"chkNoAdvance", tr("Don't Advance Stage"), 1560, 2175,
         tr("Check this to keep the same level after the round is over.")},
        {"chkNoAdvertise", tr("Don't Advertise Server"), 1800, 2535,
         tr("Check this to disable KLEM from trying to advertise on the master server. (The master server "
            "doesn't exist)")},
    };
    for (const auto& rule : rules) {
        ui::describe(place(new QCheckBox(rule.caption), network, QLatin1String(rule.name),
                           {120, rule.top, rule.width, 255}),
                     rule.description);
    }

    // Password and team battle are not offered: hidden and disabled for good.
    QWidget* unavailable[] = {
        place(new QCheckBox(tr("Admin Password:")), network, QStringLiteral("chkPassword"),
              {120, 2160, 1815, 255}),
        place(ui::textBox(), network, QStringLiteral("txtPassword"), {2040, 2130, 1455, 285}),
        place(new QCheckBox(tr("Team Battle:")), network, QStringLiteral("chkTeamBattle"),
              {120, 2520, 2055, 255}),
        place(ui::dropDownList({tr("Color"), tr("Skin")}), network, QStringLiteral("lstTeamBattle"),
              {1800, 2475, 1695, 315}),
    };
    for (QWidget* control : unavailable) {
        control->hide();
        control->setEnabled(false);
    }
    ui::nameAfter(unavailable[1], tr("Admin Password"));
    ui::nameAfter(unavailable[3], tr("Team Battle"));
}
