// What screen readers and scripts get: accessible names and roles, and RUN!'s "Copy Command Line".
#include "ButtonLabel.h"
#include "MainForm.h"
#include "frmColor.h"
#include "frmHelp.h"
#include "guiFixtures.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include <memory>

using testsupport::InstantPacer;
using testsupport::RecordingStarter;
using testsupport::ScriptedDialogs;

namespace {

QAccessibleInterface* accessible(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

} // namespace

class AccessibilityTest : public testsupport::WindowTest {
    Q_OBJECT

    // Opens RUN!'s context menu as a right click does and picks its only entry.
    void copyFromContextMenu() {
        QContextMenuEvent event(QContextMenuEvent::Mouse, form->Command1->rect().center(),
                                form->Command1->mapToGlobal(form->Command1->rect().center()));
        QApplication::sendEvent(form->Command1, &event);
        auto* menu = form->findChild<QMenu*>(QStringLiteral("runMenu"));
        QVERIFY(menu);
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menu->actions().size(), 1);
        QCOMPARE(menu->actions().front()->text(), QStringLiteral("Copy Command Line"));
        menu->actions().front()->trigger();
        menu->close();
    }

private slots:
    void init() { QVERIFY(openWindow()); }

    void cleanup() { closeWindow(); }

    void buttonLabels_areNamedButtonsThatCanBePressed() {
        for (auto* entry : form->lblMainMenu) {
            QAccessibleInterface* a = accessible(entry);
            QVERIFY(a);
            QCOMPARE(a->role(), QAccessible::Button);
            QCOMPARE(a->text(QAccessible::Name), entry->text());
        }
        QCOMPARE(accessible(form->lblHelp)->text(QAccessible::Name), QStringLiteral("About"));
        QCOMPARE(accessible(form->spGameOpt[1])->text(QAccessible::Name), QStringLiteral("Multiplayer"));
        QCOMPARE(accessible(form->lblColor)->text(QAccessible::Name), QStringLiteral("Color"));

        // Pressing through the accessibility interface is a click.
        QAccessibleInterface* wads = accessible(form->lblMainMenu[1]);
        QVERIFY(wads->actionInterface());
        wads->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(form->CurPanel, std::int16_t(1));
    }

    void swatchesArrowsAndPictures_haveNames() {
        frmColor picker;
        for (int n = 1; n <= 15; ++n) {
            QAccessibleInterface* a = accessible(picker.lblColor[n]);
            QCOMPARE(a->role(), QAccessible::Button);
            QCOMPARE(a->text(QAccessible::Name), picker.lblColor[n]->toolTip());
        }
        QCOMPARE(accessible(picker.lblColor[8])->text(QAccessible::Name), QStringLiteral("Dark Blue"));

        QCOMPARE(accessible(form->Command3[0])->text(QAccessible::Name),
                 QStringLiteral("Previous character"));
        QCOMPARE(accessible(form->Command3[1])->text(QAccessible::Name), QStringLiteral("Next character"));
        QCOMPARE(accessible(form->Command3[1])->role(), QAccessible::Button);
        QCOMPARE(accessible(form->Command1)->text(QAccessible::Name), QStringLiteral("RUN!"));
        QCOMPARE(accessible(form->Image1)->role(), QAccessible::Graphic);
        QVERIFY(!accessible(form->Image1)->text(QAccessible::Name).isEmpty());
        QVERIFY(!accessible(form->Picture2)->text(QAccessible::Name).isEmpty());

        frmHelp about;
        QCOMPARE(accessible(about.lblClose)->role(), QAccessible::Button);
        QCOMPARE(accessible(about.lblClose)->text(QAccessible::Name), QStringLiteral("Close"));
        QVERIFY(!accessible(about.Picture1)->text(QAccessible::Name).isEmpty());
    }

    void copyCommandLine_copiesExactlyWhatRunWouldStart() {
        form->spGameOpt_Click(1);
        form->frmMulti_Click(1);
        QTest::keyClicks(form->txtManualOps, "-devmode");
        QGuiApplication::clipboard()->clear();
        copyFromContextMenu();
        QCOMPARE(
            QGuiApplication::clipboard()->text(),
            QStringLiteral("klemwin -skin COMET -color 7 -maxplayers 2 -warp 90 -gametype 1 -noadvertise "
                           "-server 1 -notime -timer 5 -name Comet -devmode"));
        QVERIFY(starter.calls.empty()); // copying starts nothing

        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QCOMPARE(QString::fromStdString(starter.calls.at(0).line), QGuiApplication::clipboard()->text());
    }

    void copyCommandLine_withInvalidMaxPlayersCopiesNothingAndSaysSo() {
        form->spGameOpt_Click(1);
        form->frmMulti_Click(1);
        form->txtMaxPlayers->setText(QStringLiteral("x"));
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        copyFromContextMenu();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        QCOMPARE(dialogs.messages.size(), size_t(1));

        QTest::mouseClick(form->Command1, Qt::LeftButton); // the launch says the same
        QCOMPARE(dialogs.messages.size(), size_t(2));
        QCOMPARE(dialogs.messages[1].text, dialogs.messages[0].text);
        QCOMPARE(dialogs.messages[1].title, dialogs.messages[0].title);
    }

    void runButton_keepsItsTooltip() {
        QCOMPARE(form->Command1->toolTip(), QStringLiteral("Toot toot Comet Warrior!"));
    }
};

int main(int argc, char** argv) {
    return testsupport::runGuiTests<AccessibilityTest>(argc, argv);
}

#include "accessibility_test.moc"
