// The real Qt dialogs behind the dialog seam, answered with the keyboard as a user would.
#include "Dialogs.h"
#include "guiFixtures.h"

#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs `answer` on the modal dialog as soon as it is shown.
void whenModalShown(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(modal);
        }
    });
    poll->start();
}

void pressKey(QWidget* dialog, Qt::Key key) {
    QTest::keyClick(dialog->windowHandle(), key);
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

    ui::QtDialogs dialogs;

private slots:
    void message_enterPicksTheDefaultButton_data() {
        QTest::addColumn<int>("defaultButton");
        QTest::newRow("Yes") << int(ui::MessageAnswer::Yes);
        QTest::newRow("No") << int(ui::MessageAnswer::No);
    }

    void message_enterPicksTheDefaultButton() {
        QFETCH(int, defaultButton);
        QString title;
        QString text;
        whenModalShown([&](QWidget* box) {
            title = box->windowTitle();
            text = static_cast<QMessageBox*>(box)->text();
            pressKey(box, Qt::Key_Return);
        });
        const auto answer = dialogs.message(nullptr, {QStringLiteral("Nervous?"), QStringLiteral("Are you?"),
                                                      ui::MessageButtons::YesNo, ui::MessageIcon::Question,
                                                      ui::MessageAnswer(defaultButton)});
        QCOMPARE(int(answer), defaultButton);
        QCOMPARE(title, QStringLiteral("Nervous?"));
        QCOMPARE(text, QStringLiteral("Are you?"));
    }

    void message_escapeOnYesNoCountsAsNo() {
        whenModalShown([](QWidget* box) { pressKey(box, Qt::Key_Escape); });
        const auto answer =
            dialogs.message(nullptr, {QStringLiteral("Q"), QStringLiteral("?"), ui::MessageButtons::YesNo,
                                      ui::MessageIcon::Question, ui::MessageAnswer::Yes});
        QCOMPARE(answer, ui::MessageAnswer::No);
    }

    void input_proposesTheAnswerAndCancelGivesEmptyText() {
        QString proposed;
        whenModalShown([&](QWidget* box) {
            proposed = box->findChild<QLineEdit*>()->text();
            pressKey(box, Qt::Key_Escape);
        });
        QCOMPARE(dialogs.inputText(nullptr, {QStringLiteral("Address?"), QStringLiteral("Manual connection"),
                                             QStringLiteral("0.0.0.0")}),
                 QString());
        QCOMPARE(proposed, QStringLiteral("0.0.0.0"));

        whenModalShown([](QWidget* box) {
            auto* edit = box->findChild<QLineEdit*>();
            edit->selectAll();
            QTest::keyClicks(edit, "10.1.2.3");
            pressKey(box, Qt::Key_Return);
        });
        QCOMPARE(dialogs.inputText(nullptr, {QStringLiteral("Address?"), QStringLiteral("Manual connection"),
                                             QStringLiteral("0.0.0.0")}),
                 QStringLiteral("10.1.2.3"));
    }
};

int main(int argc, char** argv) {
    return testsupport::runGuiTests<DialogsTest>(argc, argv);
}

#include "dialogs_test.moc"
