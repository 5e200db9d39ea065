// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The controls every window part makes the same way.
#include "controls.h"

#include "mouse.h"
#include "style.h"

#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace ui {

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QLabel* label(const QString& caption, Qt::Alignment alignment) {
    auto* l = new QLabel(caption);
    l->setAlignment(alignment);
    l->setTextFormat(Qt::PlainText);
    if (caption.endsWith(QLatin1Char(':'))) {
        l->setAccessibleName(spokenCaption(caption)); // "Player Name", not "Player Name colon"
    }
    keepMouseMoves(l);
    return l;
}

QLineEdit* textBox(Qt::Alignment alignment) {
    auto* box = new QLineEdit;
    box->setAlignment(alignment | Qt::AlignVCenter);
    return box;
}

QLineEdit* smallNumberBox() {
    auto* box = textBox(Qt::AlignRight);
    box->setMaxLength(2);
    // The style's sunken frame would hide the text in so low a box; a flat one-pixel border leaves it room.
    box->setProperty("compactFrame", true);
    return box;
}

QComboBox* dropDownList(const QStringList& items) {
    auto* box = new QComboBox;
    box->addItems(items);
    box->setCurrentIndex(-1);
    keepMouseMoves(box);
    return box;
}

QComboBox* dropDownCombo(const QStringList& items, const QString& text) {
    auto* box = dropDownList(items);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
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

QLabel* pictureLabel(const QString& file) {
    auto* image = new QLabel;
    image->setPixmap(picture(file));
    return image;
}

QString spokenCaption(const QString& caption) {
    QString spoken = caption;
    spoken.remove(QLatin1Char('&'));
    if (spoken.endsWith(QLatin1Char(':'))) {
        spoken.chop(1);
    }
    return spoken;
}

void nameAfter(QWidget* input, const QString& caption) {
    input->setAccessibleName(spokenCaption(caption));
}

void nameAfter(QWidget* input, QLabel* label) {
    label->setBuddy(input);
    nameAfter(input, label->text());
}

bool isInView(const QWidget* widget) {
    return widget->isVisible() && !widget->visibleRegion().isEmpty();
}

} // namespace ui
