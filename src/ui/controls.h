// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Making and placing the controls of a window laid out in twips.
#pragma once

#include "twips.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace ui {

// The object name of element `index` of a control array: "Name(index)".
QString indexed(const char* name, int index);

// Puts `widget` into `container` under the object name `name`, at the twips rectangle `rect`,
// with `tooltip` when there is one. Controls placed later lie in front of those placed earlier.
template <class Widget>
Widget* place(Widget* widget, QWidget* container, const QString& name, const TwipsRect& rect,
              const QString& tooltip = {}) {
    widget->setParent(container);
    widget->setObjectName(name);
    setTwipsGeometry(widget, rect);
    if (!tooltip.isEmpty()) {
        widget->setToolTip(tooltip);
    }
    return widget;
}

// A plain caption. The pointer over it stays with it: it does not count as the frame or panel
// behind it.
QLabel* label(const QString& caption, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

// A text box, its text aligned as given.
QLineEdit* textBox(Qt::Alignment alignment = Qt::AlignLeft);
// A box for a number of two digits at most, only 13 pixels high: its frame is one flat pixel.
QLineEdit* smallNumberBox();
// A drop-down list of `items`, none selected. It describes nothing of its own, and the pointer
// over it is not over the panel behind it.
QComboBox* dropDownList(const QStringList& items);
// A drop-down combo: a list whose text can be typed over (then no item is selected), showing `text`.
QComboBox* dropDownCombo(const QStringList& items, const QString& text);

// A push button showing one of the program's pictures (":/pictures/...") at `size` pixels.
QToolButton* pictureButton(const QString& picture, const QSize& size);

// A label showing one of the program's pictures at its own size.
QLabel* pictureLabel(const QString& file);

// A caption as a screen reader should say it: without the access key's "&" and a closing colon.
QString spokenCaption(const QString& caption);

// Names `input` for screen readers after the caption that labels it: "Player Name:" names the
// box beside it "Player Name". With a label, the label is the input's buddy too, which is what
// Linux screen readers read for lists and drop-downs.
void nameAfter(QWidget* input, const QString& caption);
void nameAfter(QWidget* input, QLabel* label);

// Whether any part of `widget` shows on screen: it is visible, and neither the edges of its
// containers nor a control in front of it hide all of it.
bool isInView(const QWidget* widget);

} // namespace ui
