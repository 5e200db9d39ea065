// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The character arrows: step through the characters and slide the portrait strip.
#include "ButtonLabel.h"
#include "InputLock.h"
#include "MainForm.h"
#include "characters.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

void MainForm::Command3_Click(int Index) {
    const ui::InputLock lock(GamePanel[0]);

    // Step without wrapping; at either end the rest still runs.
    if (Index == 0 && CharIndex != 0) {
        --CharIndex;
    } else if (Index != 0 && CharIndex != 2) {
        ++CharIndex;
    }

    const int c = CharIndex;
    const player::Character& character = player::characters()[static_cast<std::size_t>(c)];
    lblDesc->setText(Skins[static_cast<std::size_t>(c)] + QStringLiteral("\r\n") +
                     QString::fromLatin1(character.description));
    lblColor->setBackgroundColor(character.swatch);
    lblColor2 = QString::fromLatin1(character.colorNumber);

    // The name follows the character only while it is, in any case, the own name of a neighbour
    // in the list: the character the arrows came from.
    const auto& all = player::characters();
    for (const int neighbour : {c - 1, c + 1}) {
        if (neighbour >= 0 && neighbour < static_cast<int>(all.size()) &&
            txtPlayerName->text().compare(QLatin1String(all[static_cast<std::size_t>(neighbour)].defaultName),
                                          Qt::CaseInsensitive) == 0) {
            txtPlayerName->setText(QString::fromLatin1(character.defaultName));
        }
    }

    // One pixel per step towards the target, never onto it.
    const int target = character.stripOffset;
    int p = imgCharPic->x();
    const int s = (target > p) - (target < p);
    while (s >= 0 ? p <= target : p >= target) {
        if (p == target) {
            break;
        }
        platform.pacer.step(10, [&] { imgCharPic->move(p, imgCharPic->y()); });
        p += s;
    }
}
