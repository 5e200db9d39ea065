// Qt realisation of the launcher's modal dialogs.
#include "Dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

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

QString QtDialogs::openFile(QWidget* owner, const OpenFileRequest& request) {
    QFileDialog dialog(owner, request.title, request.initialFolder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(request.filters);
    if (!request.filters.isEmpty()) {
        dialog.selectNameFilter(request.filters.front());
    }
    dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.initialName.isEmpty() && !request.initialName.contains(QLatin1Char('*'))) {
        dialog.selectFile(request.initialName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return QDir::toNativeSeparators(dialog.selectedFiles().front());
}

} // namespace ui
