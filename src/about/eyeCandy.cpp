// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The picture under the menu answers clicks with six jokes in turn.
#include "MainForm.h"

namespace {

struct Reaction {
    const char* title;
    const char* text;
    ui::MessageButtons buttons;
    ui::MessageIcon icon;
    ui::MessageAnswer defaultButton;
};

constexpr Reaction reactions[] = {
    {"Poke-a-chu!", "Ow! Cut that out!", ui::MessageButtons::Ok, ui::MessageIcon::Stop,
     ui::MessageAnswer::Ok},
    {"Peek-a-poke!", "Watch where you put that mouse...", ui::MessageButtons::Ok,
     ui::MessageIcon::Exclamation, ui::MessageAnswer::Ok},
    {"Coohie-coo!", "HAHAHA! That tickles!", ui::MessageButtons::Ok, ui::MessageIcon::Exclamation,
     ui::MessageAnswer::Ok},
    {"YEOW!", "WOW! That pointer is COLD!", ui::MessageButtons::Ok, ui::MessageIcon::Exclamation,
     ui::MessageAnswer::Ok},
    {"Nervous?", "Are you at least gonna buy me a drink first?", ui::MessageButtons::YesNo,
     ui::MessageIcon::Question, ui::MessageAnswer::Yes},
    {"EEK!", "HEY! Pervert!", ui::MessageButtons::Ok, ui::MessageIcon::Exclamation, ui::MessageAnswer::Ok},
};

ui::MessageBoxRequest request(const Reaction& r) {
    return {QString::fromLatin1(r.title), QString::fromLatin1(r.text), r.buttons, r.icon, r.defaultButton};
}

} // namespace

void MainForm::Image1_Click() {
    // The count moves on before the box shows, so the order never depends on the answers.
    ReactionCount = ReactionCount >= 6 ? 1 : ReactionCount + 1;
    const ui::MessageAnswer answer = platform.dialogs.message(this, request(reactions[ReactionCount - 1]));
    if (ReactionCount != 5) {
        return;
    }
    if (answer == ui::MessageAnswer::Yes) {
        platform.dialogs.message(this, {QStringLiteral("\\/\\/00+!"), QStringLiteral("Cool! Let's play!")});
    } else {
        platform.dialogs.message(this,
                                 {QStringLiteral("Hmph!"), QStringLiteral("Sorry, not interested then...")});
    }
}
