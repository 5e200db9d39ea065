// The add-on list: Add picks a file and lists its bare name; Delete removes the selected entry.
#include "CommDlgs.h"
#include "MainForm.h"

#include <QCoreApplication>
#include <QListWidget>

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
