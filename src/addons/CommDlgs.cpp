// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The open-file dialog goes through the dialog seam, so tests can answer it.
#include "CommDlgs.h"

#include "Dialogs.h"

namespace CommDlgs {

QString ShowFileDialog(ui::Dialogs& dialogs, QWidget* owner, const QString& title, const QString& initialName,
                       const QStringList& filters, const QString& initialFolder,
                       const QString& defaultExtension) {
    return dialogs.openFile(owner, {title, initialName, filters, initialFolder, defaultExtension});
}

QString bareFileName(const QString& path) {
#ifdef Q_OS_WIN
    const int separator = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
#else
    const int separator = path.lastIndexOf(QLatin1Char('/'));
#endif
    return path.mid(separator + 1);
}

} // namespace CommDlgs
