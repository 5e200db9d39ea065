// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Flat buttons: the bordered caption button and the picture that takes clicks.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

namespace ui {

// The green background that marks the selected menu entry and play mode (their handlers test it to
// learn the selection), and the white of the entries and modes not selected.
inline const QColor selectionGreen(0x00, 0xFF, 0x00);
inline const QColor unselectedWhite(0xFF, 0xFF, 0xFF);

// A flat push button drawn as a bordered label: a background colour, a centred caption in the
// text colour and a one-pixel border in the window-text colour. Clicks are Qt's; screen readers
// see a button with a press action, a choice (when checkable: checked while it is the selected
// one) or a text. It takes the keyboard focus only where its window gives it a focus policy, and
// then shows it with a focus frame once the keyboard moved it.
class ButtonLabel : public QAbstractButton {
    Q_OBJECT
public:
    explicit ButtonLabel(const QString& caption = {}, QWidget* parent = nullptr);

    // Looks like a button label but takes no clicks: screen readers read it as text.
    bool isTextOnly() const { return textOnly; }
    void setTextOnly(bool on) { textOnly = on; }

    // What the label stands for beyond its caption, for screen readers: the colour's name, the
    // server's address.
    QString valueText() const { return value; }
    void setValueText(const QString& text);

    QColor backgroundColor() const;
    void setBackgroundColor(const QColor& color);
    void setTextColor(const QColor& color);

    bool isBold() const;
    void setBold(bool bold);

protected:
    void paintEvent(QPaintEvent* event) override;
    // A click never changes the selection by itself: the window marks the selected label.
    void nextCheckState() override {}

private:
    // The border keeps the window-text colour whatever colour the caption is given.
    QColor borderColor;
    bool textOnly = false;
    QString value;
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
