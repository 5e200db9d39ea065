// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The description line: every control explains itself while the pointer moves over it, and the
// backgrounds take the bold highlights away again.
#include "ButtonLabel.h"
#include "MainForm.h"
#include "mouse.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

void MainForm::connectDescriptions() {
    const std::pair<QWidget*, const char*> descriptions[] = {
        {Command1,
         "This button launches KLEM with the current settings...\r\nSo what's the holdup? Click it!!"},
        {Image1, "Please do not click the eye candy."},
        {lblDesc, "This box will display some info on the option you select."},
        {lblVersion, "The DOS Version of KLEM has been discontinued."},
        {Command3[0], "Click these arrows to change your character."},
        {Command3[1], "Click these arrows to change your character."},
        {Picture2, "This is the character you are currently using. Click the arrows to change it."},
        {lblColor, "Change your color. Only works in multiplayer modes."},
        {chkLoad, "Check this to load the game number in the box on the right."},
        {txtPlayerName, "Type the nickname you would like to use in the game here."},
        {lblIPMan, "Click here to enter the IP of the host."},
        {check2, "Check this to disable KLEM from checking whether or not you are missing any WAD files when "
                 "joining."},
        {Check3, "Check this to keep KLEM from downloading any files you don't have when joining a game."},
        {txtTimelimit,
         "Type the amount of minutes to play until the round ends here. (0 disables the time limit.)"},
        {txtMaxPlayers,
         "Type the maximum number of players you will allow on your server here. Range is from 1 to 32."},
        {txtMultiMap,
         "Type the map to start at here. Maps are: 1-9 = Single Player; 70-79 = Chaos; 80-86 = CTF; "
         "90-99 = Battle"},
        {lstWADFiles, "This box displays all the WADs you have currently loaded."},
        {lstWADFiles->viewport(), "This box displays all the WADs you have currently loaded."},
        {Command9, "Click this to add a WAD file to the list."},
        {Command10, "Click this to remove the selected WAD from the list."},
        {txtUserSkin, "If you are using a custom skin, you just type the skin's name here."},
        {chkOpenGL,
         "Check this to enable hardware rendering mode. Hardware rendering is not yet perfect, so it may "
         "look strange in some areas."},
        {chkWindowed, "Check this to play KLEM in a window instead of full screen."},
        {chkManualRes,
         "Check this to change the resolution. If you type in a resolution that is not supported, it "
         "will go back to default."},
        {txtWidth, "Type the screen width of the manual resolution here."},
        {txtHeight, "Type the screen height of the manual resolution here."},
        {chkEXE, "Check this to use an EXE with a different filename from the default. Typing .exe is not "
                 "required."},
        {txtEXE, "Type the filename of the exe you would like to use here. Typing .exe is not required."},
        {chkHighTime, "Check this to change the time display to game tics. There are 35 tics in a second."},
        {chkJoystick, "Check this to use a joystick or gamepad with KLEM."},
        {chkAnalog,
         "Check this to enable analog directional control. Works best with a joystick or gamepad."},
        {chkSplitScreen, "Check this to enable splitscreen play on one computer."},
        {chkDemo, "Check this to enable demo recording or playback."},
        {optDemoPlay, "Select this to play back a previously recorded demo."},
        {optDemoRecord, "Select this to record a new demo."},
        {txtDemo, "Type the name of the demo here. Do not type the file extension."},
        {txtManualOps,
         "Type manual parameters into this box. All manual parameters are added to the end of the "
         "launcher's command line."},
        {chkNoSpecRings, "Check this to disable the special weapon rings in modes that use them."},
        {chkSuddenDeath,
         "Check this to make it so that getting shot kills the player instead of making them lose "
         "all of his or her rings."},
        {chkAutoCTF, "Check this to make KLEM automatically select teams in CTF."},
        {chkForceSkin, "Check this to make all players on your server use the same skin as you."},
        {chkNoAdvance, "Check this to keep the same level after the round is over."},
        {chkNoAdvertise,
         "Check this to disable KLEM from trying to advertise on the master server. (The master "
         "server doesn't exist)"},
    };
    for (const auto& [control, text] : descriptions) {
        ui::onMouseMove(control,
                        [this, description = QString::fromLatin1(text)] { lblDesc->setText(description); });
    }

    // Controls without a description keep the one shown: the pointer over them is not over the
    // panel behind them.
    for (QWidget* quiet :
         std::initializer_list<QWidget*>{Combo1, Combo2, Combo3, lstSound, fraDemo, Picture1}) {
        ui::keepMouseMoves(quiet);
    }

    ui::onMouseMove(lblHelp, [this] { lblHelp_MouseMove(); });
    ui::onMouseMove(Label2, [this] { Label2_MouseMove(); });
    for (QWidget* background : GamePanel) {
        ui::onMouseMove(background, [this] { GamePanel_MouseMove(); });
    }
    for (QWidget* background : ngOpt) {
        ui::onMouseMove(background, [this] { ngOpt_MouseMove(); });
    }
}

void MainForm::lblHelp_MouseMove() {
    lblHelp->setBold(true);
    lblDesc->setText(QStringLiteral(
        "Click here to open the about dialog in case you're curious where this program comes from."));
}

void MainForm::describeNothing() {
    lblDesc->setText(QStringLiteral("Please select an option"));
}

void MainForm::Form_MouseMove() {
    describeNothing();
    if (MenuBold) {
        for (auto* entry : lblMainMenu) {
            entry->setBold(false);
        }
        MenuBold = false;
    }
    lblHelp->setBold(false);
    lblMainMenu_MouseMove(-1);
}

void MainForm::Label2_MouseMove() {
    Form_MouseMove();
}

void MainForm::GamePanel_MouseMove() {
    describeNothing();
    if (ModeBold) {
        ModeBold = false;
        spGameOpt[0]->setBold(false);
        spGameOpt[1]->setBold(false);
    }
    spGameOpt_MouseMove(-1);
}

void MainForm::ngOpt_MouseMove() {
    describeNothing();
}

void MainForm::mouseMoveEvent(QMouseEvent* event) {
    // Only movements over the window's own background arrive here: every control stops its own.
    Form_MouseMove();
    event->accept();
}
