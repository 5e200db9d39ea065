// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Labels that take clicks: the plain clickable label and the button label.
#pragma once

#include <QColor>
#include <QLabel>

namespace ui {

// A label that reports clicks (press and release on it) and pointer movements over it.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

    // Acts as if the user clicked it (used by assistive technology).
    void click() { emit clicked(); }

signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool pressed = false;
};

// A label styled and used as a flat push button: window-colour background, window-text colour,
// a single-line border and a centred caption. It never takes the keyboard focus.
class ButtonLabel : public ClickLabel {
    Q_OBJECT
public:
    explicit ButtonLabel(const QString& caption = {}, QWidget* parent = nullptr);

    QColor backgroundColor() const;
    void setBackgroundColor(const QColor& color);
    void setTextColor(const QColor& color);

    bool isBold() const;
    void setBold(bool bold);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The border keeps the window-text colour whatever colour the caption is given.
    QColor borderColor;
};

// Makes clickable labels known to screen readers: a button label is a push button named by its
// caption (or its accessible name, for labels without one); a clickable picture is a graphic that
// can be pressed. Call once after the application object exists.
void installLabelAccessibility();

} // namespace ui
