// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The add-on list: Add picks a file and lists its bare name; Delete removes the selected entry;
// files dropped on the list are added as Add would.
#include "CommDlgs.h"
#include "MainForm.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QListWidget>
#include <QMimeData>
#include <QUrl>

#include <algorithm>

void MainForm::Command9_Click() {
    const QString path = CommDlgs::ShowFileDialog(
        platform.dialogs, this, QStringLiteral("Select external file"), QStringLiteral("*.wad"),
        {QStringLiteral("WAD Files (*.wad)"), QStringLiteral("PLR Files (*.plr)"),
         QStringLiteral("All files (*.*)")},
        QCoreApplication::applicationDirPath(), QStringLiteral("wad"));
    if (path.isEmpty()) {
        return;
    }
    // The game looks the file up itself: only its name is passed on.
    lstWADFiles->addItem(CommDlgs::bareFileName(path));
}

void MainForm::Command10_Click() {
    const QList<QListWidgetItem*> selected = lstWADFiles->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    delete selected.front();
    lstWADFiles->clearSelection();
    lstWADFiles->setCurrentRow(-1);
}

bool MainForm::lstWADFiles_DragOver(const QMimeData* data) const {
    const QList<QUrl> urls = data->urls();
    return !urls.isEmpty() && std::all_of(urls.begin(), urls.end(), [](const QUrl& url) {
        return url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile();
    });
}

void MainForm::lstWADFiles_DragDrop(const QMimeData* data) {
    if (!lstWADFiles_DragOver(data)) {
        return;
    }
    for (const QUrl& url : data->urls()) {
        lstWADFiles->addItem(CommDlgs::bareFileName(url.toLocalFile()));
    }
}
