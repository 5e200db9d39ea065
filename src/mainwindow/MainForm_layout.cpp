// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls as laid out at creation: container, caption or text, twips
// rectangle (Left, Top, Width, Height), tooltip, description, font and colours. Controls made later
// lie in front of those made earlier.
#include "AddonList.h"
#include "Appearance.h"
#include "ButtonLabel.h"
#include "Extras.h"
#include "InputLock.h"
#include "MainForm.h"
#include "WrappingCheckBox.h"
#include "controls.h"
#include "mouse.h"
#include "shapes.h"
#include "style.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

using ui::ButtonLabel;
using ui::indexed;
using ui::place;

namespace {

// The platform's inactive-border colour, the background of the mode-options frames.
const QColor inactiveBorder(0xD4, 0xD0, 0xC8);

QLineEdit* textBox(Qt::Alignment alignment = Qt::AlignLeft) {
    auto* box = new QLineEdit;
    box->setAlignment(alignment | Qt::AlignVCenter);
    return box;
}

// The 2-character host boxes are only 13 pixels high: a flat one-pixel border leaves room for
// the text, where the style's sunken frame would hide it.
QLineEdit* smallNumberBox() {
    auto* box = textBox(Qt::AlignRight);
    box->setMaxLength(2);
    box->setProperty("compactFrame", true);
    return box;
}

QComboBox* dropDownList(const QStringList& items) {
    auto* box = new QComboBox;
    box->addItems(items);
    box->setCurrentIndex(-1);
    // No description of its own: the pointer over it is not over the panel behind it.
    ui::keepMouseMoves(box);
    return box;
}

// A drop-down combo: the text can be typed over, and then no item is selected.
QComboBox* dropDownCombo(const QStringList& items, const QString& text) {
    auto* box = dropDownList(items);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCurrentIndex(-1);
    box->setEditText(text);
    return box;
}

// The panels' captions, which the menu entries share.
std::array<QString, 4> panelCaptions() {
    return {MainForm::tr("Game"), MainForm::tr("WAD Files"), MainForm::tr("Main Options"),
            MainForm::tr("Network Options")};
}

} // namespace

void MainForm::buildLayout() {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(tr("Orbitron Launcher v. %1").arg(QStringLiteral(KLEM_VERSION)));
    setWindowIcon(ui::programIcon());
    setFixedSize(ui::toPixels(6210), ui::toPixels(5850));
    setMouseTracking(true);

    buildMenu();

    // Viewport with the four panels, joined to the menu box by two connector lines.
    auto* Picture1 = place(new QFrame, this, QStringLiteral("Picture1"), {2160, 120, 3975, 4455});
    Picture1->setFrameStyle(QFrame::NoFrame);
    ui::keepMouseMoves(Picture1);
    place(new ui::LineShape, this, QStringLiteral("Line1"), {2040, 570, 120, 60});
    place(new ui::LineShape, this, QStringLiteral("Line2"), {2040, 1650, 120, 60});
    for (int k = 0; k < 4; ++k) {
        GamePanel[k] =
            place(new QGroupBox(panelCaptions()[k]), Picture1, indexed("GamePanel", k), {120, 0, 3735, 4335});
        GamePanel[k]->setAutoFillBackground(true);
        ui::onMouseMove(GamePanel[k], [this] { GamePanel_MouseMove(); });
    }
    buildGamePanel();
    buildWadPanel();
    buildOptionsPanel();
    buildNetworkPanel();

    // Run button and description box.
    Command1 = place(ui::pictureButton(QStringLiteral(":/pictures/run.gif"), {54, 27}), this,
                     QStringLiteral("Command1"), {2160, 4800, 1215, 855}, tr("Toot toot Comet Warrior!"));
    Command1->setText(tr("RUN!"));
    Command1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    QFont runFont = ui::dialogFont();
    runFont.setItalic(true);
    runFont.setUnderline(true);
    Command1->setFont(runFont);
    describe(
        Command1,
        tr("This button launches KLEM with the current settings...\r\nSo what's the holdup? Click it!!"));
    place(new ui::OutlineShape, this, indexed("Shape1", 0), {3480, 4680, 2655, 1095});
    lblDesc = place(ui::label({}, Qt::AlignHCenter | Qt::AlignTop), this, QStringLiteral("lblDesc"),
                    {3600, 4800, 2415, 855}, tr("As if you didn't notice..."));
    lblDesc->setWordWrap(true);
    describe(lblDesc, tr("This box will display some info on the option you select."));

    // Controls made later lie in front: the menu title over its outline, the description over its box.
    Label2->raise();
    lblDesc->raise();
}

// Menu box: outline, title across its top edge, four entries, About below, the menu picture.
void MainForm::buildMenu() {
    place(new ui::OutlineShape, this, indexed("Shape1", 1), {120, 360, 1935, 1575});
    Label2 = place(ui::label(tr("MAIN MENU"), Qt::AlignCenter), this, QStringLiteral("Label2"),
                   {480, 240, 1215, 255});
    Label2->setAutoFillBackground(true); // interrupts the outline behind it
    ui::onMouseMove(Label2, [this] { Label2_MouseMove(); });
    const QString menuTooltips[] = {tr("Let's Play!"), tr("Like customizations?"), tr("Set options"),
                                    tr("Set multiplayer options (Host only)")};
    const QString menuDescriptions[] = {tr("Set the character and mode, and start playing."),
                                        tr("Include WAD files to add custom levels and characters."),
                                        tr("Set general options, like screen resolution and sound."),
                                        tr("Set multiplayer options as the host.")};
    for (int k = 0; k < 4; ++k) {
        lblMainMenu[k] = place(new ButtonLabel(panelCaptions()[k]), this, indexed("lblMainMenu", k),
                               {240, 480 + 360 * k, 1695, 255}, menuTooltips[k]);
        lblMainMenu[k]->setCheckable(true); // checked while selected, for screen readers
        lblMainMenu[k]->setAccessibleDescription(menuDescriptions[k]);
        ui::onPress(lblMainMenu[k], this, [this, k] { lblMainMenu_Click(k); });
        ui::onMouseMove(lblMainMenu[k], [this, k] { lblMainMenu_MouseMove(k); });
    }
    lblMainMenu[0]->setBackgroundColor(selectionGreen);
    lblMainMenu[0]->setChecked(true);
    lblHelp = place(new ButtonLabel(tr("About")), this, QStringLiteral("lblHelp"), {240, 2040, 1695, 255},
                    tr("About KLEMNet.exe"));
    lblHelp->setAccessibleDescription(
        tr("Click here to open the about dialog in case you're curious where this program comes from."));
    ui::onMouseMove(lblHelp, [this] { lblHelp_MouseMove(); });

    // Only the first menu picture is needed at start; the others are read when first shown.
    for (int k = 0; k < 4; ++k) {
        imgStashed[k] = place(new QLabel, this, indexed("imgStashed", k), {0, 0, 1920, 3000});
        imgStashed[k]->hide();
    }
    Image1 = place(new ui::PictureButton, this, QStringLiteral("Image1"), {120, 2400, 1920, 3000},
                   tr("Don't mess, or you'll get burned!"));
    Image1->setAccessibleName(tr("Menu picture"));
    Image1->setPixmap(stashedPicture(0));
    describe(Image1, tr("Please do not click the eye candy."));
    new about::Extras(lblHelp, Image1, platform.dialogs, this);
}

// Panel 0, "Game": version, character, colour, play mode and the mode's options.
void MainForm::buildGamePanel() {
    QGroupBox* game = GamePanel[0];
    place(ui::label(tr("Version"), Qt::AlignCenter), game, QStringLiteral("Label1"), {120, 360, 975, 255});
    auto* lblVersion = place(new ButtonLabel(tr("Windows")), game, QStringLiteral("lblVersion"),
                             {120, 600, 975, 255}, tr("DOS Version has been discontinued."));
    lblVersion->setTextOnly(true);
    describe(lblVersion, tr("The DOS Version of KLEM has been discontinued."));
    appearance = new player::Appearance(game, platform.pacer);
    connect(appearance, &player::Appearance::describe, this,
            [this](const QString& text) { lblDesc->setText(text); });

    spGameOpt[0] = place(new ButtonLabel(tr("Single Player")), game, indexed("spGameOpt", 0),
                         {360, 1080, 1335, 255}, tr("Play alone..."));
    spGameOpt[0]->setBackgroundColor(selectionGreen);
    spGameOpt[1] = place(new ButtonLabel(tr("Multiplayer")), game, indexed("spGameOpt", 1),
                         {2040, 1080, 1335, 255}, tr("...or with some friends."));
    spGameOpt[0]->setAccessibleDescription(tr("Start up a new single player game."));
    spGameOpt[1]->setAccessibleDescription(tr("Join or host a multiplayer game."));
    for (int k = 0; k < 2; ++k) {
        spGameOpt[k]->setCheckable(true); // checked while selected, for screen readers
        spGameOpt[k]->setChecked(k == 0);
        ui::onPress(spGameOpt[k], this, [this, k] { spGameOpt_Click(k); });
        ui::onMouseMove(spGameOpt[k], [this, k] { spGameOpt_MouseMove(k); });
    }

    for (int k = 0; k < 2; ++k) {
        ngOpt[k] = place(new QFrame, game, indexed("ngOpt", k), {120, 1440, 3495, 2775});
        ngOpt[k]->setAutoFillBackground(true);
        QPalette p = ngOpt[k]->palette();
        p.setColor(QPalette::Window, inactiveBorder);
        ngOpt[k]->setPalette(p);
        ui::onMouseMove(ngOpt[k], [this] { ngOpt_MouseMove(); });
    }

    // Single-player options.
    auto* chkLoad =
        place(new QCheckBox(tr("Load Game")), ngOpt[0], QStringLiteral("chkLoad"), {210, 270, 1215, 255});
    describe(chkLoad, tr("Check this to load the game number in the box on the right."));
    auto* Combo3 = place(dropDownCombo({"0", "1", "2", "3", "4", "5"}, QStringLiteral("Combo3")), ngOpt[0],
                         QStringLiteral("Combo3"), {1560, 240, 615, 315});
    // Named by a label of its own, which shows nowhere: on Linux a drop-down is named by its label.
    auto* slotName =
        place(ui::label(tr("Saved game slot")), ngOpt[0], QStringLiteral("Combo3Name"), {1560, 0, 1935, 255});
    slotName->hide();
    ui::nameAfter(Combo3, slotName);

    buildMultiplayerCards();
}

// Multiplayer options: name, and the "Join" card in front of the "Host" card.
void MainForm::buildMultiplayerCards() {
    // Right-aligned, the caption ends where it always did; it may use the room to its left, which
    // "Player Name:" needs (67 pixels with Liberation Sans, where 65 were given).
    auto* Label6 = place(ui::label(tr("Player Name:"), Qt::AlignRight | Qt::AlignTop), ngOpt[1],
                         QStringLiteral("Label6"), {0, 195, 1095, 210});
    auto* txtPlayerName = place(textBox(), ngOpt[1], QStringLiteral("txtPlayerName"), {1200, 160, 2175, 285});
    describe(txtPlayerName, tr("Type the nickname you would like to use in the game here."));
    ui::nameAfter(txtPlayerName, Label6);
    appearance->followName(txtPlayerName);

    frmMulti[1] = place(new QGroupBox(tr("Host")), ngOpt[1], indexed("frmMulti", 1), {120, 480, 3135, 1935});
    frmMulti[0] = place(new QGroupBox(tr("Join")), ngOpt[1], indexed("frmMulti", 0), {240, 680, 3135, 1935});
    for (int k = 0; k < 2; ++k) {
        frmMulti[k]->setAutoFillBackground(true);
        ui::onClick(frmMulti[k], [this, k] { frmMulti_Click(k); });
        ui::onMouseMove(frmMulti[k], [this, k] { frmMulti_MouseMove(k); });
    }

    QGroupBox* join = frmMulti[0];
    auto* Label25 =
        place(ui::label(tr("IP Address of Host:")), join, QStringLiteral("Label25"), {120, 240, 1455, 255});
    lblIPMan = place(new ButtonLabel(tr("0.0.0.0")), join, QStringLiteral("lblIPMan"), {1680, 240, 1335, 255},
                     tr("Set the IP address of the host."));
    ui::nameAfter(lblIPMan, Label25);
    lblIPMan->setValueText(lblIPMan->text()); // the address, as the prompt changes it
    ui::onPress(lblIPMan, this, [this] { lblIPMan_Click(); });
    describe(lblIPMan, tr("Click here to enter the IP of the host."));
    auto* Label14 =
        place(ui::label(tr("Preferred Team:")), join, QStringLiteral("Label14"), {120, 600, 1695, 255});
    Combo2 = place(dropDownCombo({tr("None"), tr("Red"), tr("Blue")}, QStringLiteral("Combo2")), join,
                   QStringLiteral("Combo2"), {1800, 555, 1215, 315});
    ui::nameAfter(Combo2, Label14);
    auto* check2 = place(new QCheckBox(tr("Don't check server for files")), join, QStringLiteral("check2"),
                         {120, 960, 2775, 255});
    describe(check2,
             tr("Check this to disable KLEM from checking whether or not you are missing any WAD files "
                "when joining."));
    auto* Check3 = place(new QCheckBox(tr("Don't download files from server")), join,
                         QStringLiteral("Check3"), {120, 1200, 2895, 255});
    describe(Check3,
             tr("Check this to keep KLEM from downloading any files you don't have when joining a game."));
    place(new QCheckBox, join, QStringLiteral("Check4"), {120, 1440, 2895, 255})->hide();

    QGroupBox* host = frmMulti[1];
    auto* Label21 = place(ui::label(tr("Game Type:")), host, QStringLiteral("Label21"), {120, 280, 975, 255});
    ui::nameAfter(place(dropDownList({tr("Co-Op"), tr("Deathmatch"), tr("Race (Comet 2 Mode)"), tr("Tag"),
                                      tr("Capture the Flag"), tr("Chaos")}),
                        host, QStringLiteral("Combo1"), {1080, 240, 1935, 315}, tr("Change the game type.")),
                  Label21);
    auto* Label12 =
        place(ui::label(tr("Time Limit:")), host, QStringLiteral("Label12"), {120, 600, 975, 255});
    auto* txtTimelimit = place(smallNumberBox(), host, QStringLiteral("txtTimelimit"), {1200, 600, 375, 195});
    ui::nameAfter(txtTimelimit, Label12);
    describe(
        txtTimelimit,
        tr("Type the amount of minutes to play until the round ends here. (0 disables the time limit.)"));
    auto* Label9 = place(ui::label(tr("Max Players:")), host, QStringLiteral("Label9"), {120, 840, 975, 210});
    txtMaxPlayers = place(smallNumberBox(), host, QStringLiteral("txtMaxPlayers"), {1200, 840, 375, 195});
    ui::nameAfter(txtMaxPlayers, Label9);
    describe(
        txtMaxPlayers,
        tr("Type the maximum number of players you will allow on your server here. Range is from 1 to 32."));
    auto* Label11 =
        place(ui::label(tr("Initial Map:")), host, QStringLiteral("Label11"), {120, 1080, 975, 255});
    auto* txtMultiMap = place(smallNumberBox(), host, QStringLiteral("txtMultiMap"), {1200, 1080, 375, 195});
    ui::nameAfter(txtMultiMap, Label11);
    describe(txtMultiMap, tr("Type the map to start at here. Maps are: 1-9 = Single Player; 70-79 = Chaos; "
                             "80-86 = CTF; 90-99 = Battle"));
    place(new QRadioButton, host, QStringLiteral("Option1"), {120, 1440, 1335, 255})->hide();
    place(new QRadioButton, host, QStringLiteral("Option2"), {1560, 1440, 1335, 255})->hide();
}

// Panel 1, "WAD Files": add-on files and custom skin.
void MainForm::buildWadPanel() {
    QGroupBox* wads = GamePanel[1];
    auto* addons = new addons::AddonList(wads, platform.dialogs);
    connect(addons, &addons::AddonList::describe, this,
            [this](const QString& text) { lblDesc->setText(text); });
    auto* Label18 =
        place(ui::label(tr("Custom Skin Name:")), wads, QStringLiteral("Label18"), {120, 3720, 1575, 255});
    auto* txtUserSkin = place(textBox(), wads, QStringLiteral("txtUserSkin"), {120, 3960, 2175, 285},
                              tr("Type name of custom skin here"));
    ui::nameAfter(txtUserSkin, Label18);
    describe(txtUserSkin, tr("If you are using a custom skin, you just type the skin's name here."));
}

// Panel 2, "Main Options": display, input, demo, sound and free parameters.
void MainForm::buildOptionsPanel() {
    QGroupBox* options = GamePanel[2];
    // A check box with its caption and description.
    const auto checkBox = [&](QCheckBox* box, const char* name, const ui::TwipsRect& rect,
                              const QString& text) {
        box->setAccessibleName(ui::spokenCaption(box->text())); // "Alternate EXE", without the colon
        describe(place(box, options, QLatin1String(name), rect), text);
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
        place(textBox(Qt::AlignRight), options, QStringLiteral("txtWidth"), {1875, 555, 495, 285});
    describe(txtWidth, tr("Type the screen width of the manual resolution here."));
    ui::nameAfter(txtWidth, tr("Resolution width"));
    place(ui::label(tr("x")), options, QStringLiteral("Label26"), {2400, 600, 255, 255});
    auto* txtHeight =
        place(textBox(Qt::AlignRight), options, QStringLiteral("txtHeight"), {2520, 555, 495, 285});
    describe(txtHeight, tr("Type the screen height of the manual resolution here."));
    ui::nameAfter(txtHeight, tr("Resolution height"));
    checkBox(new QCheckBox(tr("Alternate EXE:")), "chkEXE", {120, 960, 1575, 255},
             tr("Check this to use an EXE with a different filename from the default. Typing .exe is not "
                "required."));
    auto* txtEXE = place(textBox(), options, QStringLiteral("txtEXE"), {1875, 915, 1135, 285});
    describe(txtEXE,
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
    describe(
        place(new QCheckBox(tr("Enable Demos")), fraDemo, QStringLiteral("chkDemo"), {120, 240, 1455, 255}),
        tr("Check this to enable demo recording or playback."));
    describe(
        place(new QRadioButton(tr("Play")), fraDemo, QStringLiteral("optDemoPlay"), {240, 480, 1335, 255}),
        tr("Select this to play back a previously recorded demo."));
    describe(place(new QRadioButton(tr("Record")), fraDemo, QStringLiteral("optDemoRecord"),
                   {240, 720, 1335, 255}),
             tr("Select this to record a new demo."));
    auto* Label7 =
        place(ui::label(tr("Demo Name:")), fraDemo, QStringLiteral("Label7"), {120, 960, 1455, 255});
    auto* txtDemo = place(textBox(), fraDemo, QStringLiteral("txtDemo"), {120, 1200, 1455, 285});
    describe(txtDemo, tr("Type the name of the demo here. Do not type the file extension."));
    ui::nameAfter(txtDemo, Label7);

    auto* Label3 = place(ui::label(tr("Sound:")), options, QStringLiteral("Label3"), {120, 3420, 1215, 255});
    ui::nameAfter(place(dropDownList({tr("CD Music (w/ SFX)"), tr("Ogg Music (w/ SFX)"),
                                      tr("MIDI Music (w/ SFX)"), tr("SFX Only"), tr("CD Music (w/o SFX)"),
                                      tr("Ogg Music (w/o SFX)"), tr("MIDI Music (w/o SFX)"), tr("No Sound")}),
                        options, QStringLiteral("lstSound"), {1440, 3360, 2055, 315}),
                  Label3);
    auto* Label19 = place(ui::label(tr("Manual Parameters:")), options, QStringLiteral("Label19"),
                          {120, 3720, 1695, 255});
    auto* txtManualOps = place(textBox(), options, QStringLiteral("txtManualOps"), {120, 3960, 3495, 285});
    ui::nameAfter(txtManualOps, Label19);
    describe(txtManualOps,
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
        describe(place(new QCheckBox(rule.caption), network, QLatin1String(rule.name),
                       {120, rule.top, rule.width, 255}),
                 rule.description);
    }

    // Password and team battle are not offered: hidden and disabled for good.
    QWidget* unavailable[] = {
        place(new QCheckBox(tr("Admin Password:")), network, QStringLiteral("chkPassword"),
              {120, 2160, 1815, 255}),
        place(textBox(), network, QStringLiteral("txtPassword"), {2040, 2130, 1455, 285}),
        place(new QCheckBox(tr("Team Battle:")), network, QStringLiteral("chkTeamBattle"),
              {120, 2520, 2055, 255}),
        place(dropDownList({tr("Color"), tr("Skin")}), network, QStringLiteral("lstTeamBattle"),
              {1800, 2475, 1695, 315}),
    };
    for (QWidget* control : unavailable) {
        control->hide();
        control->setEnabled(false);
    }
    ui::nameAfter(unavailable[1], tr("Admin Password"));
    ui::nameAfter(unavailable[3], tr("Team Battle"));
}
