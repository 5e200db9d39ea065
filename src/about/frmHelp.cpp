// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the about window; it closes itself with its Close label or its close box.
#include "frmHelp.h"

#include "ButtonLabel.h"
#include "press.h"
#include "style.h"
#include "twips.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>

namespace {

QLabel* line(QWidget* window, const char* name, const QString& text, const ui::TwipsRect& rect) {
    auto* label = new QLabel(text, window);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    ui::setTwipsGeometry(label, rect);
    return label;
}

} // namespace

frmHelp::frmHelp(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmHelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Orbitron Launcher - About"));
    const QIcon icon = ui::programIcon();
    setWindowIcon(icon);
    setFixedSize(ui::toPixels(4050), ui::toPixels(2130));

    QLabel* Label1 = line(this, "Label1", tr("Orbitron Launcher"), {120, 120, 2895, 255});
    QFont title = ui::dialogFont(13); // 9.75 pt
    title.setUnderline(true);
    Label1->setFont(title);
    line(this, "Label2", tr("Version %1").arg(QStringLiteral(KLEM_VERSION)), {120, 480, 2295, 255});
    line(this, "Label5", tr("January 2, 2004"), {120, 720, 2415, 255});
    line(this, "Label3", tr("Launcher code and design: the Orbitron team"), {120, 1080, 3735, 255});
    line(this, "Label4", tr("Pictures drawn for Orbitron. Have fun out there!"), {120, 1440, 3735, 255});

    auto* Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    ui::setTwipsGeometry(Picture1, {3360, 120, 495, 495});
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setPixmap(icon.pixmap(32, 32));
    Picture1->setAccessibleName(tr("Orbitron Launcher icon"));

    auto* lblClose = new ui::ButtonLabel(tr("Close"), this);
    lblClose->setObjectName(QStringLiteral("lblClose"));
    ui::setTwipsGeometry(lblClose, {2760, 1800, 1215, 255});
    lblClose->setToolTip(tr("Close the about window."));
    // The window opens with the focus on Close: Return or Space closes it, as a click does.
    lblClose->setFocusPolicy(Qt::StrongFocus);
    lblClose->setFocus();
    ui::onPress(lblClose, this, [this] { lblClose_Click(); });
}

void frmHelp::lblClose_Click() {
    close();
}

void frmHelp::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
    } else {
        QWidget::keyPressEvent(event);
    }
}
