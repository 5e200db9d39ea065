// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard focus stays with what the player sees: Tab visits the controls in view only.
#include "MainForm.h"
#include "controls.h"

QList<QWidget*> MainForm::tabStops() const {
    // The focus chain follows the order the controls are made in, which is that of the layout.
    QList<QWidget*> stops;
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        // A control whose focus goes to another (the text box of an editable list) is no stop of its own.
        if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->focusProxy() == nullptr &&
            w->isEnabled() && ui::isInView(w)) {
            stops << w;
        }
    }
    return stops;
}

bool MainForm::focusNextPrevChild(bool next) {
    const QList<QWidget*> stops = tabStops();
    if (stops.isEmpty()) {
        return false;
    }
    const int at = stops.indexOf(focusWidget());
    const int count = static_cast<int>(stops.size());
    const int to = at < 0 ? (next ? 0 : count - 1) : (at + (next ? 1 : count - 1)) % count;
    stops[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    describeFocused(stops[to]);
    return true;
}

void MainForm::keepFocusInView() {
    QWidget* focused = focusWidget();
    if (focused != nullptr && !ui::isInView(focused)) {
        const QList<QWidget*> stops = tabStops();
        if (!stops.isEmpty()) {
            stops.front()->setFocus(Qt::OtherFocusReason);
        }
    }
}
