// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Add picks a file and lists its bare name; Delete removes the selected entry; files dropped on the
// list are added as Add would.
#include "AddonList.h"

#include "CommDlgs.h"
#include "DescriptionLine.h"
#include "Dialogs.h"
#include "accessibility.h"
#include "controls.h"
#include "press.h"
#include "style.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

namespace addons {

AddonList::AddonList(QWidget* panel, ui::Dialogs& dialogs) : QObject(panel), dialogs(dialogs) {
    using ui::place;
    auto* Label24 =
        place(ui::label(tr("Include Files:")), panel, QStringLiteral("Label24"), {120, 240, 1695, 255});
    lstWADFiles = place(new QListWidget, panel, QStringLiteral("lstWADFiles"), {120, 480, 3480, 2460});
    ui::nameAfter(lstWADFiles, Label24);
    lstWADFiles->setFont(ui::fixedFont());
    lstWADFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    Command9 = place(new QPushButton(tr("&Add")), panel, QStringLiteral("Command9"), {120, 3120, 1215, 375},
                     tr("Add a custom file"));
    Command10 = place(new QPushButton(tr("&Delete")), panel, QStringLiteral("Command10"),
                      {1560, 3120, 1215, 375}, tr("Delete a custom file from the list"));

    // The list's inside, where the pointer is over the list, explains the list as well.
    for (QWidget* list : {static_cast<QWidget*>(lstWADFiles), lstWADFiles->viewport()}) {
        ui::describe(list, tr("This box displays all the WADs you have currently loaded."));
    }
    ui::describe(Command9, tr("Click this to add a WAD file to the list."));
    ui::describe(Command10, tr("Click this to remove the selected WAD from the list."));
    ui::onPress(Command9, this, [this] { Command9_Click(); });
    ui::onPress(Command10, this, [this] { Command10_Click(); });
    lstWADFiles->viewport()->setAcceptDrops(true);
    lstWADFiles->viewport()->installEventFilter(this);
}

bool AddonList::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        drag->setAccepted(lstWADFiles_DragOver(drag->mimeData())); // refused: the "no entry" cursor
        if (drag->isAccepted()) {
            drag->setDropAction(Qt::CopyAction);
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        lstWADFiles_DragDrop(drop->mimeData());
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

void AddonList::Command9_Click() {
    const QString path = dialogs.openFile(
        lstWADFiles->window(), {tr("Select external file"),
                                QStringLiteral("*.wad"),
                                {tr("WAD Files (*.wad)"), tr("PLR Files (*.plr)"), tr("All files (*.*)")},
                                QCoreApplication::applicationDirPath(),
                                QStringLiteral("wad")});
    if (path.isEmpty()) {
        return;
    }
    // The game looks the file up itself: only its name is passed on.
    lstWADFiles->addItem(CommDlgs::bareFileName(path));
    // The selection stays where it was; a screen reader hears what was added.
    ui::announce(lstWADFiles, lstWADFiles->item(lstWADFiles->count() - 1)->text());
}

void AddonList::Command10_Click() {
    const QList<QListWidgetItem*> selected = lstWADFiles->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    delete selected.front();
    lstWADFiles->clearSelection();
    lstWADFiles->setCurrentRow(-1);
}

bool AddonList::lstWADFiles_DragOver(const QMimeData* data) const {
    const QList<QUrl> urls = data->urls();
    return !urls.isEmpty() && std::all_of(urls.begin(), urls.end(), [](const QUrl& url) {
        return url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile();
    });
}

void AddonList::lstWADFiles_DragDrop(const QMimeData* data) {
    if (!lstWADFiles_DragOver(data)) {
        return;
    }
    for (const QUrl& url : data->urls()) {
        lstWADFiles->addItem(CommDlgs::bareFileName(url.toLocalFile()));
    }
}

} // namespace addons
