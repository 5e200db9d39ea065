// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The add-on list on the WAD Files panel: Add, Delete, and files dropped on the list.
#pragma once

#include <QObject>

class QListWidget;
class QMimeData;
class QPushButton;
class QWidget;

namespace ui {
class Dialogs;
}

namespace addons {

class AddonList : public QObject {
    Q_OBJECT
public:
    // Places the list and its buttons on `panel`; Add asks `dialogs` for the file.
    AddonList(QWidget* panel, ui::Dialogs& dialogs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Command9_Click();
    void Command10_Click();
    // Files dragged over the list: true when every item is a local file, which a drop then adds
    // as Add would, in order. Anything else is refused and changes nothing.
    bool lstWADFiles_DragOver(const QMimeData* data) const;
    void lstWADFiles_DragDrop(const QMimeData* data);

    ui::Dialogs& dialogs;
    QListWidget* lstWADFiles = nullptr;
    QPushButton* Command9 = nullptr;
    QPushButton* Command10 = nullptr;
};

} // namespace addons
