// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Flat buttons: the bordered caption button and the picture that takes clicks.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

namespace ui {

// A flat push button drawn as a bordered label: a background colour, a centred caption in the
// text colour and a one-pixel border in the window-text colour. Clicks, the button role and the
// press action for screen readers are Qt's. It never takes the keyboard focus.
class ButtonLabel : public QAbstractButton {
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

// A picture that takes clicks, scaled to fill its rectangle; a button for screen readers, named
// by its accessible name. It never takes the keyboard focus.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    QPixmap pixmap() const { return picture; }
    void setPixmap(const QPixmap& pixmap);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture;
};

} // namespace ui
