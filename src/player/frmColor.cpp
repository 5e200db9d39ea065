// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the colour picker: one swatch per colour number, together filling the picker.
#include "frmColor.h"

#include "ButtonLabel.h"
#include "colors.h"
#include "press.h"
#include "style.h"
#include "twips.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>

#include <algorithm>

frmColor::frmColor(int current, QWidget* field)
    : QFrame(field->window()), focusBefore(QApplication::focusWidget()) {
    if (!parentWidget()->isAncestorOf(focusBefore)) {
        focusBefore = field; // nothing in the window had the focus
    }
    setObjectName(QStringLiteral("frmColor"));
    setAccessibleName(tr("Color picker"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::NoFrame);
    setGeometry(
        QRect(field->mapTo(parentWidget(), QPoint(0, 0)), QSize(ui::toPixels(975), ui::toPixels(3615))));

    QFont swatchFont = ui::dialogFont();
    swatchFont.setBold(true);
    for (int n = 1; n <= 15; ++n) {
        const auto& entry = player::colors()[static_cast<std::size_t>(n - 1)];
        auto* swatch = new ui::ButtonLabel(QString(), this);
        swatch->setObjectName(QStringLiteral("lblColor(%1)").arg(n));
        // Neighbouring swatches share one border line: 240 twips apart, 255 high.
        ui::setTwipsGeometry(swatch, {0, 240 * (n - 1), 975, 255});
        swatch->setBackgroundColor(entry.color);
        swatch->setTextColor(Qt::white);
        swatch->setFont(swatchFont);
        swatch->setToolTip(tr(entry.name));
        swatch->setAccessibleName(swatch->toolTip());
        swatch->setFocusPolicy(Qt::StrongFocus); // Return and Space pick it, as a click does
        ui::onPress(swatch, this, [this, n] { lblColor_Click(n); });
        lblColor[static_cast<std::size_t>(n)] = swatch;
    }
    raise();
    show();
    lblColor[static_cast<std::size_t>(current >= 1 && current <= 15 ? current : 1)]->setFocus(
        Qt::PopupFocusReason);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        // Another control, another window or another program took the focus.
        if (isVisible() && (now == nullptr || !isAncestorOf(now))) {
            Form_LostFocus();
        }
    });
    qApp->installEventFilter(this);
}

frmColor::~frmColor() {
    // The swatches go after this part of the picker: the focus leaving them, and any event on the
    // way, must not reach a picker that is half gone.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    qApp->removeEventFilter(this);
}

void frmColor::lblColor_Click(int Index) {
    emit picked(Index, lblColor[static_cast<std::size_t>(Index)]->backgroundColor());
    closeToField();
}

void frmColor::closeToField() {
    if (isHidden()) {
        return; // closed already, and the focus gone elsewhere
    }
    if (focusBefore) {
        focusBefore->setFocus(Qt::PopupFocusReason); // which closes the picker
    }
    Form_LostFocus();
}

bool frmColor::focusNextPrevChild(bool next) {
    if (isHidden()) {
        return false; // closing: the focus goes back by itself
    }
    const auto focused = std::find(lblColor.begin() + 1, lblColor.end(), focusWidget());
    const auto at = focused == lblColor.end() ? 0 : focused - lblColor.begin();
    const auto to = at == 0 ? (next ? 1 : 15) : (at + (next ? 0 : 13)) % 15 + 1;
    lblColor[static_cast<std::size_t>(to)]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool frmColor::eventFilter(QObject* watched, QEvent* event) {
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (press && watched->isWidgetType() && watched != this &&
        !isAncestorOf(static_cast<QWidget*>(watched))) {
        Form_LostFocus();
    }
    return false;
}

void frmColor::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        focusNextPrevChild(false);
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        focusNextPrevChild(true);
        break;
    case Qt::Key_Escape:
        closeToField();
        break;
    default:
        QFrame::keyPressEvent(event);
    }
}

void frmColor::Form_LostFocus() {
    // Closing hides the picker at once and deletes it when control is back in the event loop.
    if (!isHidden()) {
        close();
    }
}
