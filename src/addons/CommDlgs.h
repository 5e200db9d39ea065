// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The open-file dialog of the add-on list, and how a chosen path becomes a list entry.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace ui {
class Dialogs;
}

namespace CommDlgs {

// Shows the open-file dialog for one existing file and returns its full path, or empty text when
// the user cancels.
QString ShowFileDialog(ui::Dialogs& dialogs, QWidget* owner, const QString& title, const QString& initialName,
                       const QStringList& filters, const QString& initialFolder,
                       const QString& defaultExtension);

// The file name after the last folder separator ("/", and on Windows "\" as well); the whole
// text when it has none. Elsewhere a backslash is a character of the name like any other.
QString bareFileName(const QString& path);

} // namespace CommDlgs
