// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The character arrows step through the characters and slide the portrait strip; the colour
// field opens the picker right on top of itself.
#include "Appearance.h"

#include "Animation.h"
#include "ButtonLabel.h"
#include "DescriptionLine.h"
#include "accessibility.h"
#include "characterLooks.h"
#include "colors.h"
#include "controls.h"
#include "frmColor.h"
#include "press.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace player {

Appearance::Appearance(QWidget* gamePanel, ui::Pacer& pacer)
    : QObject(gamePanel), gamePanel(gamePanel), pacer(pacer) {
    using ui::place;
    place(ui::label(tr("Character"), Qt::AlignCenter), gamePanel, QStringLiteral("Label4"),
          {1300, 240, 1095, 255});
    Command3[0] = place(ui::pictureButton(QStringLiteral(":/pictures/arrow-left.gif"), {13, 13}), gamePanel,
                        ui::indexed("Command3", 0), {1200, 600, 255, 255});
    Picture2 = place(new QFrame, gamePanel, QStringLiteral("Picture2"), {1440, 480, 800, 530});
    Picture2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture2->setLineWidth(1);
    // The portrait strip is measured in pixels inside the picture box's border.
    auto* portraitWindow = new QWidget(Picture2);
    portraitWindow->setGeometry(Picture2->contentsRect());
    portraitWindow->setMouseTracking(true);
    imgCharPic = ui::pictureLabel(QStringLiteral(":/pictures/characters.jpg"));
    imgCharPic->setParent(portraitWindow);
    imgCharPic->setObjectName(QStringLiteral("imgCharPic"));
    imgCharPic->setGeometry(0, 0, 144, 32);
    imgCharPic->setAttribute(Qt::WA_TransparentForMouseEvents);
    Command3[1] = place(ui::pictureButton(QStringLiteral(":/pictures/arrow-right.gif"), {13, 13}), gamePanel,
                        ui::indexed("Command3", 1), {2240, 600, 255, 255});
    Command3[0]->setAccessibleName(tr("Previous character"));
    Command3[1]->setAccessibleName(tr("Next character"));
    imgCharPic->setAccessibleName(characterName(CharIndex));
    auto* Label5 = place(ui::label(tr("Color"), Qt::AlignCenter), gamePanel, QStringLiteral("Label5"),
                         {2640, 360, 975, 255});
    lblColor = place(new ui::ButtonLabel, gamePanel, QStringLiteral("lblColor"), {2640, 600, 975, 255},
                     tr("Set color in multiplayer mode"));
    lblColor->setBackgroundColor(QColor(0x00, 0x00, 0xFF));
    lblColor->setTextColor(Qt::white);
    lblColor->setBold(true);
    ui::nameAfter(lblColor, Label5);
    connect(this, &Appearance::lblColor2Changed, this, [this] { setColorNumber(lblColor2); });

    for (int k = 0; k < 2; ++k) {
        ui::onPress(Command3[k], this, [this, k] { Command3_Click(k); });
        ui::describe(Command3[k], tr("Click these arrows to change your character."));
    }
    ui::describe(Picture2,
                 tr("This is the character you are currently using. Click the arrows to change it."));
    ui::onPress(lblColor, this, [this] { lblColor_Click(); });
    ui::describe(lblColor, tr("Change your color. Only works in multiplayer modes."));
}

void Appearance::setColorNumber(const std::string& number) {
    lblColor2 = number;
    lblColor->setValueText(colorName(number));
}

QString Appearance::characterName(std::size_t index) {
    return QString::fromLatin1(launch::characters[index].defaultName);
}

QString Appearance::colorName(const std::string& number) {
    const int n = QString::fromStdString(number).toInt();
    return n >= 1 && n <= int(colors().size()) ? frmColor::tr(colors()[std::size_t(n - 1)].name) : QString();
}

Appearance::~Appearance() {
    closePicker();
}

void Appearance::followName(QLineEdit* nameBox) {
    txtPlayerName = nameBox;
}

void Appearance::modeChosen(bool multiplayerChosen) {
    multiplayer = multiplayerChosen;
    if (CharIndex < characterLooks().size()) {
        lblColor->setBackgroundColor(characterLooks()[CharIndex].swatch);
    }
}

void Appearance::closePicker() {
    delete colorPicker.data();
}

void Appearance::Command3_Click(int Index) {
    auto* slide = new ui::Animation(pacer, this);
    slide->lock(gamePanel);

    // Step without wrapping; at either end the rest still runs.
    if (Index == 0 && CharIndex != 0) {
        --CharIndex;
    } else if (Index != 0 && CharIndex + 1U < launch::characters.size()) {
        ++CharIndex;
    }

    const std::size_t c = CharIndex;
    const CharacterLook& look = characterLooks()[c];
    const QString introduction =
        QString::fromStdString(Skins[c]) + QStringLiteral("\r\n") + tr(look.description);
    // The portrait is named after the character and describes it; a screen reader hears what the
    // description line shows.
    imgCharPic->setAccessibleName(characterName(c));
    imgCharPic->setAccessibleDescription(introduction);
    emit explain(imgCharPic);
    lblColor->setBackgroundColor(look.swatch);
    setColorNumber(launch::characters[c].colorNumber);

    // The name follows the character only while it is, in any case, the own name of a neighbour
    // in the list: the character the arrows came from.
    for (const std::size_t neighbour : {c - 1, c + 1}) {
        if (neighbour < launch::characters.size() &&
            txtPlayerName->text().compare(QLatin1String(launch::characters[neighbour].defaultName),
                                          Qt::CaseInsensitive) == 0) {
            txtPlayerName->setText(QString::fromLatin1(launch::characters[c].defaultName));
        }
    }

    // One pixel per step towards the target, never onto it.
    const int target = look.stripOffset;
    const int s = (target > imgCharPic->x()) - (target < imgCharPic->x());
    for (int p = imgCharPic->x(); p != target; p += s) {
        slide->addStep(10, [this, p] { imgCharPic->move(p, imgCharPic->y()); });
    }
    // Once the portrait is still and the arrows work again, a screen reader hears the character.
    slide->onEnd([this, introduction] { ui::announce(gamePanel, introduction); });
    slide->start();
}

void Appearance::lblColor_Click() {
    if (!multiplayer) {
        return;
    }
    // A picker still open (a screen reader can press the field under it) makes way for a fresh one.
    if (colorPicker) {
        colorPicker->closeToField();
    }
    colorPicker = new frmColor(QString::fromStdString(lblColor2).toInt(), lblColor);
    connect(colorPicker, &frmColor::picked, this, &Appearance::colorPicked);
}

void Appearance::colorPicked(int number, const QColor& color) {
    lblColor->setBackgroundColor(color);
    setColorNumber(std::to_string(number));
    ui::announce(lblColor, lblColor->valueText());
}

} // namespace player
