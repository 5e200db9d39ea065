// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The description line: a window's one place that explains the control under the pointer or
// with the keyboard focus.
#pragma once

#include <QLabel>

namespace ui {

// A control's description is data on the control: its accessible description, which screen
// readers read as well (or its tooltip, where it has no sentence of its own). The line is its only
// writer: it shows the description of the control it is asked about, and `nothing` for a control
// without one.
class DescriptionLine : public QLabel {
    Q_OBJECT
public:
    DescriptionLine(QString nothing, QWidget* window);
    ~DescriptionLine() override;

    // Shows what `control` is, or `nothing` when there is no control or it has no description.
    void explain(const QWidget* control);

protected:
    // The one hover hook: a pointer movement that stops at a described control of this window
    // explains that control.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString nothing;
};

// Gives `control` the sentence that explains it (none: a background, over which the line says
// that nothing is selected); from then on the pointer over the control shows it in its window's
// description line. The pointer's movements stop at the control.
void describe(QWidget* control, const QString& text);

} // namespace ui
