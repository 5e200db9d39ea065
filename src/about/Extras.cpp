// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The about window, one at most and independent of the main window; six jokes in turn.
#include "Extras.h"

#include "Dialogs.h"
#include "frmHelp.h"
#include "press.h"

#include <QAbstractButton>

namespace about {
namespace {

struct Reaction {
    const char* title;
    const char* text;
    ui::MessageButtons buttons;
    ui::MessageIcon icon;
    ui::MessageAnswer defaultButton;
};

constexpr Reaction reactions[] = {
    {QT_TRANSLATE_NOOP("about::Extras", "Poke-a-chu!"),
     QT_TRANSLATE_NOOP("about::Extras", "Ow! Cut that out!"), ui::MessageButtons::Ok, ui::MessageIcon::Stop,
     ui::MessageAnswer::Ok},
    {QT_TRANSLATE_NOOP("about::Extras", "Peek-a-poke!"),
     QT_TRANSLATE_NOOP("about::Extras", "Watch where you put that mouse..."), ui::MessageButtons::Ok,
     ui::MessageIcon::Exclamation, ui::MessageAnswer::Ok},
    {QT_TRANSLATE_NOOP("about::Extras", "Coohie-coo!"),
     QT_TRANSLATE_NOOP("about::Extras", "HAHAHA! That tickles!"), ui::MessageButtons::Ok,
     ui::MessageIcon::Exclamation, ui::MessageAnswer::Ok},
    {QT_TRANSLATE_NOOP("about::Extras", "YEOW!"),
     QT_TRANSLATE_NOOP("about::Extras", "WOW! That pointer is COLD!"), ui::MessageButtons::Ok,
     ui::MessageIcon::Exclamation, ui::MessageAnswer::Ok},
    {QT_TRANSLATE_NOOP("about::Extras", "Nervous?"),
     QT_TRANSLATE_NOOP("about::Extras", "Are you at least gonna buy me a drink first?"),
     ui::MessageButtons::YesNo, ui::MessageIcon::Question, ui::MessageAnswer::Yes},
    {QT_TRANSLATE_NOOP("about::Extras", "EEK!"), QT_TRANSLATE_NOOP("about::Extras", "HEY! Pervert!"),
     ui::MessageButtons::Ok, ui::MessageIcon::Exclamation, ui::MessageAnswer::Ok},
};

} // namespace

Extras::Extras(QAbstractButton* lblHelp, QAbstractButton* Image1, ui::Dialogs& dialogs, QWidget* owner)
    : QObject(owner), dialogs(dialogs), owner(owner) {
    ui::onPress(lblHelp, this, [this] { lblHelp_Click(); });
    ui::onPress(Image1, this, [this] { Image1_Click(); });
}

Extras::~Extras() {
    // The about window outlives the main window on screen; it is only deleted here when the
    // program ends, or when it was closed and awaits its deletion.
    delete aboutWindow.data();
}

void Extras::lblHelp_Click() {
    if (!aboutWindow) {
        aboutWindow = new frmHelp; // no owner: it is neither minimised nor closed with the main window
    }
    aboutWindow->show();
    aboutWindow->raise();
    aboutWindow->activateWindow();
}

void Extras::Image1_Click() {
    // The count moves on before the box shows, so the order never depends on the answers.
    ReactionCount = ReactionCount >= 6 ? 1 : ReactionCount + 1;
    const Reaction& r = reactions[ReactionCount - 1];
    const ui::MessageAnswer answer =
        dialogs.message(owner, {tr(r.title), tr(r.text), r.buttons, r.icon, r.defaultButton});
    if (ReactionCount != 5) {
        return;
    }
    if (answer == ui::MessageAnswer::Yes) {
        dialogs.message(owner, {tr("\\/\\/00+!"), tr("Cool! Let's play!")});
    } else {
        dialogs.message(owner, {tr("Hmph!"), tr("Sorry, not interested then...")});
    }
}

} // namespace about
