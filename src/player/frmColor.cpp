// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the colour picker: one swatch per colour number, together filling the window.
#include "frmColor.h"

#include "ButtonLabel.h"
#include "InputLock.h"
#include "colors.h"
#include "style.h"
#include "twips.h"

#include <QEvent>
#include <QKeyEvent>

frmColor::frmColor(int current, QWidget* field, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), field(field) {
    setObjectName(QStringLiteral("frmColor"));
    setAccessibleName(tr("Color picker"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(ui::toPixels(975), ui::toPixels(3615));

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
    if (current >= 1 && current <= 15) {
        lblColor[static_cast<std::size_t>(current)]->setFocus();
    }
}

void frmColor::lblColor_Click(int Index) {
    emit picked(Index, lblColor[static_cast<std::size_t>(Index)]->backgroundColor());
    closeToField();
}

void frmColor::closeToField() {
    close();
    if (field) {
        field->window()->activateWindow();
    }
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
        QWidget::keyPressEvent(event);
    }
}

void frmColor::Form_LostFocus() {
    close();
}

void frmColor::changeEvent(QEvent* event) {
    // Closing hides the picker at once and deletes it when control is back in the event loop.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible()) {
        Form_LostFocus();
    }
    QWidget::changeEvent(event);
}
