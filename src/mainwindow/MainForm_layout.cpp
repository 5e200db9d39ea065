// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls as laid out at creation: container, caption or text, twips
// rectangle (Left, Top, Width, Height), tooltip, font and colours.
#include "ButtonLabel.h"
#include "MainForm.h"
#include "WrappingCheckBox.h"
#include "mouse.h"
#include "shapes.h"
#include "style.h"
#include "twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using ui::ButtonLabel;
using ui::TwipsRect;

namespace {

// The platform's inactive-border colour, the background of the mode-options frames.
const QColor inactiveBorder(0xD4, 0xD0, 0xC8);

// The panels' captions, which the menu entries share.
const char* const panelCaptions[] = {"Game", "WAD Files", "Main Options", "Network Options"};

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

template <class Widget>
Widget* place(Widget* widget, QWidget* container, const QString& name, const TwipsRect& rect,
              const QString& tooltip = {}) {
    widget->setParent(container);
    widget->setObjectName(name);
    ui::setTwipsGeometry(widget, rect);
    if (!tooltip.isEmpty()) {
        widget->setToolTip(tooltip);
    }
    return widget;
}

QLabel* label(const QString& caption, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    auto* l = new QLabel(caption);
    l->setAlignment(alignment);
    l->setTextFormat(Qt::PlainText);
    // A plain label has no pointer handlers: a click or movement over it stays with it, and does
    // not count as the frame or panel behind it.
    ui::keepMouseMoves(l);
    return l;
}

QLineEdit* textBox(const QString& text, Qt::Alignment alignment = Qt::AlignLeft) {
    auto* box = new QLineEdit(text);
    box->setAlignment(alignment | Qt::AlignVCenter);
    return box;
}

// The 2-character host boxes are only 13 pixels high: a flat one-pixel border leaves room for
// the text, where the style's sunken frame would hide it.
QLineEdit* smallNumberBox() {
    auto* box = textBox({}, Qt::AlignRight);
    box->setMaxLength(2);
    box->setProperty("compactFrame", true);
    return box;
}

QComboBox* dropDownList(const QStringList& items) {
    auto* box = new QComboBox;
    box->addItems(items);
    box->setCurrentIndex(-1);
    return box;
}

// A drop-down combo: the text can be typed over, and then no item is selected.
QComboBox* dropDownCombo(const QStringList& items, const QString& text) {
    auto* box = new QComboBox;
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setEditText(text);
    return box;
}

QToolButton* pictureButton(const QString& picture, const QSize& size) {
    auto* button = new QToolButton;
    button->setIcon(QIcon(picture));
    button->setIconSize(size);
    button->setAutoRaise(false);
    return button;
}

QLabel* picture(const QString& file) {
    auto* image = new QLabel;
    image->setPixmap(ui::picture(file));
    return image;
}

} // namespace

void MainForm::buildLayout() {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Orbitron Launcher v. " KLEM_VERSION));
    setWindowIcon(ui::programIcon());
    setFixedSize(ui::toPixels(6210), ui::toPixels(5850));
    setMouseTracking(true);

    buildMenu();

    // Viewport with the four panels, joined to the menu box by two connector lines.
    Picture1 = place(new QFrame, this, QStringLiteral("Picture1"), {2160, 120, 3975, 4455});
    Picture1->setFrameStyle(QFrame::NoFrame);
    Line1 = place(new ui::LineShape, this, QStringLiteral("Line1"), {2040, 570, 120, 60});
    Line2 = place(new ui::LineShape, this, QStringLiteral("Line2"), {2040, 1650, 120, 60});
    for (int k = 0; k < 4; ++k) {
        GamePanel[k] =
            place(new QGroupBox(panelCaptions[k]), Picture1, indexed("GamePanel", k), {120, 0, 3735, 4335});
        GamePanel[k]->setMouseTracking(true);
        GamePanel[k]->setAutoFillBackground(true);
    }
    buildGamePanel();
    buildWadPanel();
    buildOptionsPanel();
    buildNetworkPanel();

    // Run button and description box.
    Command1 =
        place(pictureButton(QStringLiteral(":/pictures/run.gif"), {54, 27}), this, QStringLiteral("Command1"),
              {2160, 4800, 1215, 855}, QStringLiteral("Toot toot Comet Warrior!"));
    Command1->setText(QStringLiteral("RUN!"));
    Command1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    QFont runFont = ui::dialogFont();
    runFont.setItalic(true);
    runFont.setUnderline(true);
    Command1->setFont(runFont);
    Shape1[0] = place(new ui::OutlineShape, this, indexed("Shape1", 0), {3480, 4680, 2655, 1095});
    lblDesc = place(label({}, Qt::AlignHCenter | Qt::AlignTop), this, QStringLiteral("lblDesc"),
                    {3600, 4800, 2415, 855}, QStringLiteral("As if you didn't notice..."));
    lblDesc->setWordWrap(true);

    // Controls lower in a container are in front: the menu title over its outline, the
    // description over its box.
    Label2->raise();
    lblDesc->raise();
}

// Menu box: outline, title across its top edge, four entries, About below, the menu picture.
void MainForm::buildMenu() {
    Shape1[1] = place(new ui::OutlineShape, this, indexed("Shape1", 1), {120, 360, 1935, 1575});
    Label2 = place(label(QStringLiteral("MAIN MENU"), Qt::AlignCenter), this, QStringLiteral("Label2"),
                   {480, 240, 1215, 255});
    Label2->setAutoFillBackground(true); // interrupts the outline behind it
    const char* menuTooltips[] = {"Let's Play!", "Like customizations?", "Set options",
                                  "Set multiplayer options (Host only)"};
    for (int k = 0; k < 4; ++k) {
        lblMainMenu[k] = place(new ButtonLabel(panelCaptions[k]), this, indexed("lblMainMenu", k),
                               {240, 480 + 360 * k, 1695, 255}, menuTooltips[k]);
    }
    lblMainMenu[0]->setBackgroundColor(selectionGreen);
    lblHelp = place(new ButtonLabel(QStringLiteral("About")), this, QStringLiteral("lblHelp"),
                    {240, 2040, 1695, 255}, QStringLiteral("About KLEMNet.exe"));

    // Only the first menu picture is needed at start; the others are read when first shown.
    for (int k = 0; k < 4; ++k) {
        imgStashed[k] = place(new QLabel, this, indexed("imgStashed", k), {0, 0, 1920, 3000});
        imgStashed[k]->hide();
    }
    Image1 = place(new ui::PictureButton, this, QStringLiteral("Image1"), {120, 2400, 1920, 3000},
                   QStringLiteral("Don't mess, or you'll get burned!"));
    Image1->setAccessibleName(tr("Menu picture"));
    Image1->setPixmap(stashedPicture(0));
}

// Panel 0, "Game": version, character, colour, play mode and the mode's options.
void MainForm::buildGamePanel() {
    QGroupBox* game = GamePanel[0];
    Label1 = place(label(QStringLiteral("Version"), Qt::AlignCenter), game, QStringLiteral("Label1"),
                   {120, 360, 975, 255});
    lblVersion = place(new ButtonLabel(QStringLiteral("Windows")), game, QStringLiteral("lblVersion"),
                       {120, 600, 975, 255}, QStringLiteral("DOS Version has been discontinued."));
    Label4 = place(label(QStringLiteral("Character"), Qt::AlignCenter), game, QStringLiteral("Label4"),
                   {1300, 240, 1095, 255});
    Command3[0] = place(pictureButton(QStringLiteral(":/pictures/arrow-left.gif"), {13, 13}), game,
                        indexed("Command3", 0), {1200, 600, 255, 255});
    Picture2 = place(new QFrame, game, QStringLiteral("Picture2"), {1440, 480, 800, 530});
    Picture2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture2->setLineWidth(1);
    Picture2->setMouseTracking(true);
    // The portrait strip is measured in pixels inside the picture box's border.
    auto* portraitWindow = new QWidget(Picture2);
    portraitWindow->setGeometry(Picture2->contentsRect());
    portraitWindow->setMouseTracking(true);
    imgCharPic = picture(QStringLiteral(":/pictures/characters.jpg"));
    imgCharPic->setParent(portraitWindow);
    imgCharPic->setObjectName(QStringLiteral("imgCharPic"));
    imgCharPic->setGeometry(0, 0, 144, 32);
    imgCharPic->setAttribute(Qt::WA_TransparentForMouseEvents);
    Command3[1] = place(pictureButton(QStringLiteral(":/pictures/arrow-right.gif"), {13, 13}), game,
                        indexed("Command3", 1), {2240, 600, 255, 255});
    Command3[0]->setAccessibleName(tr("Previous character"));
    Command3[1]->setAccessibleName(tr("Next character"));
    Picture2->setAccessibleName(tr("Character portrait"));
    imgCharPic->setAccessibleName(tr("Character portrait"));
    Label5 = place(label(QStringLiteral("Color"), Qt::AlignCenter), game, QStringLiteral("Label5"),
                   {2640, 360, 975, 255});
    lblColor = place(new ButtonLabel, game, QStringLiteral("lblColor"), {2640, 600, 975, 255},
                     QStringLiteral("Set color in multiplayer mode"));
    lblColor->setBackgroundColor(QColor(0x00, 0x00, 0xFF));
    lblColor->setTextColor(Qt::white);
    lblColor->setBold(true);
    lblColor->setAccessibleName(tr("Color"));

    spGameOpt[0] = place(new ButtonLabel(QStringLiteral("Single Player")), game, indexed("spGameOpt", 0),
                         {360, 1080, 1335, 255}, QStringLiteral("Play alone..."));
    spGameOpt[0]->setBackgroundColor(selectionGreen);
    spGameOpt[1] = place(new ButtonLabel(QStringLiteral("Multiplayer")), game, indexed("spGameOpt", 1),
                         {2040, 1080, 1335, 255}, QStringLiteral("...or with some friends."));

    for (int k = 0; k < 2; ++k) {
        ngOpt[k] = place(new QFrame, game, indexed("ngOpt", k), {120, 1440, 3495, 2775});
        ngOpt[k]->setAutoFillBackground(true);
        QPalette p = ngOpt[k]->palette();
        p.setColor(QPalette::Window, inactiveBorder);
        ngOpt[k]->setPalette(p);
        ngOpt[k]->setMouseTracking(true);
    }

    // Single-player options.
    chkLoad = place(new QCheckBox(QStringLiteral("Load Game")), ngOpt[0], QStringLiteral("chkLoad"),
                    {210, 270, 1215, 255});
    Combo3 = place(dropDownCombo({"0", "1", "2", "3", "4", "5"}, QStringLiteral("Combo3")), ngOpt[0],
                   QStringLiteral("Combo3"), {1560, 240, 615, 315});

    buildMultiplayerCards();
}

// Multiplayer options: name, and the "Join" card in front of the "Host" card.
void MainForm::buildMultiplayerCards() {
    Label6 = place(label(QStringLiteral("Player Name:"), Qt::AlignRight | Qt::AlignTop), ngOpt[1],
                   QStringLiteral("Label6"), {120, 195, 975, 210});
    txtPlayerName = place(textBox({}), ngOpt[1], QStringLiteral("txtPlayerName"), {1200, 160, 2175, 285});

    frmMulti[1] = place(new QGroupBox(QStringLiteral("Host")), ngOpt[1], indexed("frmMulti", 1),
                        {120, 480, 3135, 1935});
    frmMulti[0] = place(new QGroupBox(QStringLiteral("Join")), ngOpt[1], indexed("frmMulti", 0),
                        {240, 680, 3135, 1935});
    for (auto* card : frmMulti) {
        card->setAutoFillBackground(true);
        card->setMouseTracking(true);
    }

    QGroupBox* join = frmMulti[0];
    Label25 = place(label(QStringLiteral("IP Address of Host:")), join, QStringLiteral("Label25"),
                    {120, 240, 1455, 255});
    lblIPMan = place(new ButtonLabel(QStringLiteral("0.0.0.0")), join, QStringLiteral("lblIPMan"),
                     {1680, 240, 1335, 255}, QStringLiteral("Set the IP address of the host."));
    Label14 = place(label(QStringLiteral("Preferred Team:")), join, QStringLiteral("Label14"),
                    {120, 600, 1695, 255});
    Combo2 = place(dropDownCombo({"None", "Red", "Blue"}, QStringLiteral("Combo2")), join,
                   QStringLiteral("Combo2"), {1800, 555, 1215, 315});
    check2 = place(new QCheckBox(QStringLiteral("Don't check server for files")), join,
                   QStringLiteral("check2"), {120, 960, 2775, 255});
    Check3 = place(new QCheckBox(QStringLiteral("Don't download files from server")), join,
                   QStringLiteral("Check3"), {120, 1200, 2895, 255});
    Check4 = place(new QCheckBox, join, QStringLiteral("Check4"), {120, 1440, 2895, 255});
    Check4->hide();

    QGroupBox* host = frmMulti[1];
    Label21 =
        place(label(QStringLiteral("Game Type:")), host, QStringLiteral("Label21"), {120, 280, 975, 255});
    Combo1 = place(
        dropDownList({"Co-Op", "Deathmatch", "Race (Comet 2 Mode)", "Tag", "Capture the Flag", "Chaos"}),
        host, QStringLiteral("Combo1"), {1080, 240, 1935, 315}, QStringLiteral("Change the game type."));
    Label12 =
        place(label(QStringLiteral("Time Limit:")), host, QStringLiteral("Label12"), {120, 600, 975, 255});
    txtTimelimit = place(smallNumberBox(), host, QStringLiteral("txtTimelimit"), {1200, 600, 375, 195});
    Label9 =
        place(label(QStringLiteral("Max Players:")), host, QStringLiteral("Label9"), {120, 840, 975, 210});
    txtMaxPlayers = place(smallNumberBox(), host, QStringLiteral("txtMaxPlayers"), {1200, 840, 375, 195});
    Label11 =
        place(label(QStringLiteral("Initial Map:")), host, QStringLiteral("Label11"), {120, 1080, 975, 255});
    txtMultiMap = place(smallNumberBox(), host, QStringLiteral("txtMultiMap"), {1200, 1080, 375, 195});
    Option1 = place(new QRadioButton, host, QStringLiteral("Option1"), {120, 1440, 1335, 255});
    Option2 = place(new QRadioButton, host, QStringLiteral("Option2"), {1560, 1440, 1335, 255});
    Option1->hide();
    Option2->hide();
}

// Panel 1, "WAD Files": add-on files and custom skin.
void MainForm::buildWadPanel() {
    QGroupBox* wads = GamePanel[1];
    Label24 = place(label(QStringLiteral("Include Files:")), wads, QStringLiteral("Label24"),
                    {120, 240, 1695, 255});
    lstWADFiles = place(new QListWidget, wads, QStringLiteral("lstWADFiles"), {120, 480, 3480, 2460});
    lstWADFiles->setFont(ui::fixedFont());
    lstWADFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    Command9 = place(new QPushButton(QStringLiteral("&Add")), wads, QStringLiteral("Command9"),
                     {120, 3120, 1215, 375}, QStringLiteral("Add a custom file"));
    Command10 = place(new QPushButton(QStringLiteral("&Delete")), wads, QStringLiteral("Command10"),
                      {1560, 3120, 1215, 375}, QStringLiteral("Delete a custom file from the list"));
    Label18 = place(label(QStringLiteral("Custom Skin Name:")), wads, QStringLiteral("Label18"),
                    {120, 3720, 1575, 255});
    txtUserSkin = place(textBox({}), wads, QStringLiteral("txtUserSkin"), {120, 3960, 2175, 285},
                        QStringLiteral("Type name of custom skin here"));
}

// Panel 2, "Main Options": display, input, demo, sound and free parameters.
void MainForm::buildOptionsPanel() {
    QGroupBox* options = GamePanel[2];
    chkOpenGL = place(new QCheckBox(QStringLiteral("OpenGL Mode")), options, QStringLiteral("chkOpenGL"),
                      {120, 240, 1455, 255});
    chkWindowed = place(new QCheckBox(QStringLiteral("Windowed Mode")), options,
                        QStringLiteral("chkWindowed"), {1920, 240, 1695, 255});
    chkManualRes = place(new QCheckBox(QStringLiteral("Manual Resolution:")), options,
                         QStringLiteral("chkManualRes"), {120, 600, 1695, 255});
    txtWidth = place(textBox({}, Qt::AlignRight), options, QStringLiteral("txtWidth"), {1875, 555, 495, 285});
    Label26 = place(label(QStringLiteral("x")), options, QStringLiteral("Label26"), {2400, 600, 255, 255});
    txtHeight =
        place(textBox({}, Qt::AlignRight), options, QStringLiteral("txtHeight"), {2520, 555, 495, 285});
    chkEXE = place(new QCheckBox(QStringLiteral("Alternate EXE:")), options, QStringLiteral("chkEXE"),
                   {120, 960, 1575, 255});
    txtEXE = place(textBox({}), options, QStringLiteral("txtEXE"), {1875, 915, 1135, 285});
    chkHighTime = place(new QCheckBox(QStringLiteral("Display High-resolution Timer")), options,
                        QStringLiteral("chkHighTime"), {120, 1320, 2535, 255});
    chkJoystick = place(new QCheckBox(QStringLiteral("Use Joystick")), options, QStringLiteral("chkJoystick"),
                        {120, 1800, 1575, 195});
    chkAnalog = place(new ui::WrappingCheckBox(QStringLiteral("Use Analog Controls")), options,
                      QStringLiteral("chkAnalog"), {120, 2040, 1455, 435});
    chkSplitScreen = place(new QCheckBox(QStringLiteral("Split-Screen Mode")), options,
                           QStringLiteral("chkSplitScreen"), {120, 2520, 1695, 255});

    fraDemo = place(new QGroupBox(QStringLiteral("Demo")), options, QStringLiteral("fraDemo"),
                    {1920, 1680, 1695, 1575});
    chkDemo = place(new QCheckBox(QStringLiteral("Enable Demos")), fraDemo, QStringLiteral("chkDemo"),
                    {120, 240, 1455, 255});
    optDemoPlay = place(new QRadioButton(QStringLiteral("Play")), fraDemo, QStringLiteral("optDemoPlay"),
                        {240, 480, 1335, 255});
    optDemoRecord = place(new QRadioButton(QStringLiteral("Record")), fraDemo,
                          QStringLiteral("optDemoRecord"), {240, 720, 1335, 255});
    Label7 =
        place(label(QStringLiteral("Demo Name:")), fraDemo, QStringLiteral("Label7"), {120, 960, 1455, 255});
    txtDemo = place(textBox({}), fraDemo, QStringLiteral("txtDemo"), {120, 1200, 1455, 285});

    Label3 =
        place(label(QStringLiteral("Sound:")), options, QStringLiteral("Label3"), {120, 3420, 1215, 255});
    lstSound =
        place(dropDownList({"CD Music (w/ SFX)", "Ogg Music (w/ SFX)", "MIDI Music (w/ SFX)", "SFX Only",
                            "CD Music (w/o SFX)", "Ogg Music (w/o SFX)", "MIDI Music (w/o SFX)", "No Sound"}),
              options, QStringLiteral("lstSound"), {1440, 3360, 2055, 315});
    Label19 = place(label(QStringLiteral("Manual Parameters:")), options, QStringLiteral("Label19"),
                    {120, 3720, 1695, 255});
    txtManualOps = place(textBox({}), options, QStringLiteral("txtManualOps"), {120, 3960, 3495, 285});
}

// Panel 3, "Network Options": rules of a hosted game.
void MainForm::buildNetworkPanel() {
    QGroupBox* network = GamePanel[3];
    struct Rule {
        QCheckBox*& box;
        const char* name;
        const char* caption;
        int top;
        int width;
    };
    const Rule rules[] = {
        {chkNoSpecRings, "chkNoSpecRings", "Disable Special Rings", 240, 2415},
        {chkSuddenDeath, "chkSuddenDeath", "Sudden Death", 480, 2295},
        {chkAutoCTF, "chkAutoCTF", "Automatically Sort Teams (CTF)", 840, 2775},
        {chkForceSkin, "chkForceSkin", "Force Skin", 1200, 2655},
        {chkNoAdvance, "chkNoAdvance", "Don't Advance Stage", 1560, 2175},
        {chkNoAdvertise, "chkNoAdvertise", "Don't Advertise Server", 1800, 2535},
    };
    for (const auto& rule : rules) {
        rule.box = place(new QCheckBox(rule.caption), network, rule.name, {120, rule.top, rule.width, 255});
    }

    // Password and team battle are not offered: hidden and disabled for good.
    chkPassword = place(new QCheckBox(QStringLiteral("Admin Password:")), network,
                        QStringLiteral("chkPassword"), {120, 2160, 1815, 255});
    txtPassword = place(textBox({}), network, QStringLiteral("txtPassword"), {2040, 2130, 1455, 285});
    chkTeamBattle = place(new QCheckBox(QStringLiteral("Team Battle:")), network,
                          QStringLiteral("chkTeamBattle"), {120, 2520, 2055, 255});
    lstTeamBattle = place(dropDownList({"Color", "Skin"}), network, QStringLiteral("lstTeamBattle"),
                          {1800, 2475, 1695, 315});
    for (QWidget* unavailable :
         {static_cast<QWidget*>(chkPassword), static_cast<QWidget*>(txtPassword),
          static_cast<QWidget*>(chkTeamBattle), static_cast<QWidget*>(lstTeamBattle)}) {
        unavailable->hide();
        unavailable->setEnabled(false);
    }
}
