// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Making and placing the controls of a window laid out in twips.
#pragma once

#include "twips.h"

#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
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

// Gives `control` the sentence that explains it, kept on the control as its description for
// screen readers; `show` puts the control's description where the player reads it whenever the
// pointer moves over the control.
void describe(QWidget* control, const QString& text, const std::function<void(const QString&)>& show);

// Whether any part of `widget` shows on screen: it is visible, and neither the edges of its
// containers nor a control in front of it hide all of it.
bool isInView(const QWidget* widget);

} // namespace ui
