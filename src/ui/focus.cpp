// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Tab stops in view, and a focus that went out of view brought back.
#include "focus.h"

#include "controls.h"

#include <QWidget>

namespace ui {

QList<QWidget*> tabStops(const QWidget* window) {
    QList<QWidget*> stops;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        // A control whose focus goes to another (the text box of an editable list) is no stop of its own.
        if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->focusProxy() == nullptr &&
            w->isEnabled() && isInView(w)) {
            stops << w;
        }
    }
    return stops;
}

QWidget* focusNextInView(QWidget* window, bool next) {
    const QList<QWidget*> stops = tabStops(window);
    if (stops.isEmpty()) {
        return nullptr;
    }
    const int count = static_cast<int>(stops.size());
    int to = stops.indexOf(window->focusWidget());
    if (to < 0) {
        to = next ? 0 : count - 1;
    } else if (next) {
        to = (to + 1) % count;
    } else {
        to = (to + count - 1) % count;
    }
    stops[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return stops[to];
}

void keepFocusInView(QWidget* window) {
    const QWidget* focused = window->focusWidget();
    if (focused != nullptr && !isInView(focused)) {
        const QList<QWidget*> stops = tabStops(window);
        if (!stops.isEmpty()) {
            stops.front()->setFocus(Qt::OtherFocusReason);
        }
    }
}

} // namespace ui
