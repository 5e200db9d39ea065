// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The launcher's modal dialogs: Qt's message and input boxes; the system's open-file dialog on
// Windows, Qt's elsewhere.
#include "Dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QSettings>

#ifdef Q_OS_WIN
#include <string>
#include <vector>

#include <windows.h> // with the common dialogs
#endif

namespace ui {
namespace {

QMessageBox::Icon toQt(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton toQt(MessageAnswer answer) {
    switch (answer) {
    case MessageAnswer::Yes:
        return QMessageBox::Yes;
    case MessageAnswer::No:
        return QMessageBox::No;
    case MessageAnswer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

QtDialogs::QtDialogs() {
#ifndef Q_OS_WIN
    // Qt's open-file dialog keeps a history in the user's settings and reads it back; the launcher
    // reads and saves nothing, so those settings point where no file can be.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
#endif
}

MessageAnswer QtDialogs::message(QWidget* owner, const MessageBoxRequest& request) {
    const auto buttons =
        request.buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    QMessageBox box(toQt(request.icon), request.title, request.text, buttons, owner);
    box.setDefaultButton(toQt(request.defaultButton));
    const int pressed = box.exec();
    if (request.buttons == MessageButtons::YesNo) {
        // Closing the box with its close box or Escape counts as No.
        return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    return MessageAnswer::Ok;
}

QString QtDialogs::inputText(QWidget* owner, const InputBoxRequest& request) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(owner, request.title, request.prompt, QLineEdit::Normal, request.proposed, &ok);
    return ok ? text : QString();
}

#ifdef Q_OS_WIN
QString QtDialogs::openFile(QWidget* owner, const OpenFileRequest& request) {
    // Descriptions and patterns alternate, each ended by a NUL, the whole by one more: the
    // pattern is what the description holds in its last parentheses, "WAD Files (*.wad)".
    std::wstring filter;
    for (const QString& description : request.filters) {
        const auto open = description.lastIndexOf(QLatin1Char('('));
        const auto close = description.lastIndexOf(QLatin1Char(')'));
        filter += description.toStdWString() + L'\0' +
                  description.mid(open + 1, close - open - 1).toStdWString() + L'\0';
    }
    // Wide text, so no name is lost to the system's code page, and room for the longest path.
    std::vector<wchar_t> path(32768, L'\0');
    request.initialName.left(static_cast<int>(path.size()) - 1).toWCharArray(path.data());
    const std::wstring folder = QDir::toNativeSeparators(request.initialFolder).toStdWString();
    const std::wstring title = request.title.toStdWString();
    const std::wstring extension = request.defaultExtension.toStdWString();
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner ? reinterpret_cast<HWND>(owner->window()->winId()) : nullptr;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrInitialDir = folder.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = extension.c_str();
    // The file and its folder must exist, and there is no read-only box. The launcher's current
    // folder, where the game is looked for and which the game inherits, stays where it was.
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    return GetOpenFileNameW(&dialog) ? QString::fromWCharArray(path.data()) : QString();
}
#else
namespace {

// Qt's open-file dialog with the Windows dialog's way with a typed name: the default extension
// completes a name only when no file has the name as typed. (Qt's own default suffix is added to
// every name without a dot, so a file without one could not be chosen by typing its name.)
class OpenFileDialog final : public QFileDialog {
public:
    OpenFileDialog(QWidget* owner, const OpenFileRequest& request)
        : QFileDialog(owner, request.title, request.initialFolder), extension(request.defaultExtension) {
        setFileMode(QFileDialog::AnyFile); // the name is checked here, so a completed one can pass
        setAcceptMode(QFileDialog::AcceptOpen);
    }

    QString chosen; // the file accepted

protected:
    void accept() override {
        const QStringList typed = selectedFiles();
        if (typed.size() != 1 || QFileInfo(typed.front()).isDir()) {
            QFileDialog::accept(); // a folder opens
            return;
        }
        QString file = typed.front();
        if (!QFileInfo::exists(file) && !extension.isEmpty()) {
            file += QLatin1Char('.') + extension;
        }
        if (!QFileInfo(file).isFile()) {
            QMessageBox::warning(this, windowTitle(),
                                 tr("%1\nFile not found.").arg(QFileInfo(typed.front()).fileName()));
            return;
        }
        chosen = file;
        QDialog::accept();
    }

private:
    QString extension;
};

} // namespace

QString QtDialogs::openFile(QWidget* owner, const OpenFileRequest& request) {
    OpenFileDialog dialog(owner, request);
    // "*.*" means every file on Windows, with or without a dot in its name; here it is "*".
    QStringList filters = request.filters;
    filters.replaceInStrings(QStringLiteral("(*.*)"), QStringLiteral("(*)"));
    dialog.setNameFilters(filters);
    if (!filters.isEmpty()) {
        dialog.selectNameFilter(filters.front());
    }
    if (!request.initialName.isEmpty() && !request.initialName.contains(QLatin1Char('*'))) {
        dialog.selectFile(request.initialName);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return QDir::toNativeSeparators(dialog.chosen);
}
#endif

} // namespace ui
