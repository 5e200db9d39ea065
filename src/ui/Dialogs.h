// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog seam: message box, text-input box and open-file dialog.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace ui {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Stop, Exclamation, Question };
enum class MessageAnswer { Ok, Yes, No };

struct MessageBoxRequest {
    QString title;
    QString text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    MessageAnswer defaultButton = MessageAnswer::Ok;
};

struct InputBoxRequest {
    QString prompt;
    QString title;
    QString proposed;
};

struct OpenFileRequest {
    QString title;
    QString initialName; // shown in the name box, e.g. "*.wad"
    QStringList filters; // "Description (*.ext)", in order; the first is selected at opening
    QString initialFolder;
    QString defaultExtension;
};

// Every modal dialog of the launcher goes through this interface, so tests can answer them.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows a modal message box and returns the button pressed.
    virtual MessageAnswer message(QWidget* owner, const MessageBoxRequest& request) = 0;
    // Shows a modal text-input box; Cancel gives empty text.
    virtual QString inputText(QWidget* owner, const InputBoxRequest& request) = 0;
    // Shows the open-file dialog for an existing file; returns its full path, or empty text.
    virtual QString openFile(QWidget* owner, const OpenFileRequest& request) = 0;
};

// The real dialogs, made with Qt.
class QtDialogs final : public Dialogs {
public:
    QtDialogs();
    MessageAnswer message(QWidget* owner, const MessageBoxRequest& request) override;
    QString inputText(QWidget* owner, const InputBoxRequest& request) override;
    QString openFile(QWidget* owner, const OpenFileRequest& request) override;
};

} // namespace ui
