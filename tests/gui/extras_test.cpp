// Add-on files, hover descriptions, the about window and the eye-candy reactions.
#include "ButtonLabel.h"
#include "MainForm.h"
#include "frmHelp.h"
#include "guiFixtures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <memory>

using testsupport::InstantPacer;
using testsupport::RecordingStarter;
using testsupport::ScriptedDialogs;
using ui::MessageAnswer;
using ui::MessageButtons;
using ui::MessageIcon;

namespace {

const QString pleaseSelect = QStringLiteral("Please select an option");

void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}
void hover(QWidget* widget) {
    QTest::mouseMove(widget, widget->rect().center());
}

QList<frmHelp*> aboutWindows() {
    QList<frmHelp*> found;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* about = qobject_cast<frmHelp*>(w); about && about->isVisible()) {
            found.append(about);
        }
    }
    return found;
}

QStringList entries(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts << list->item(i)->text();
    }
    return texts;
}

} // namespace

class ExtrasTest : public testsupport::WindowTest {
    Q_OBJECT

    void showPanel(int k) { form->lblMainMenu_Click(k); }

private slots:
    void init() { QVERIFY(openWindow()); }

    void cleanup() {
        closeWindow();
        QTRY_VERIFY(aboutWindows().isEmpty());
    }

    void addons_addTheBareNameWithTheDialogsValues() {
        dialogs.fileAnswers = {QStringLiteral("C:\\Games\\Add\\levels.wad"),
                               QStringLiteral("/home/p/maps/levels.wad"), QStringLiteral("my level.wad"),
                               QStringLiteral("/srv/skins/extra.plr"), QString()};
        showPanel(1);
        for (int i = 0; i < 5; ++i) {
            click(form->Command9);
        }
        QCOMPARE(entries(form->lstWADFiles), (QStringList{"levels.wad", "levels.wad", "my level.wad",
                                                          "extra.plr"})); // the cancel adds nothing
        const auto& request = dialogs.files.at(0);
        QCOMPARE(request.title, QStringLiteral("Select external file"));
        QCOMPARE(request.initialName, QStringLiteral("*.wad"));
        QCOMPARE(request.filters, (QStringList{"WAD Files (*.wad)", "PLR Files (*.plr)", "All files (*.*)"}));
        QCOMPARE(request.initialFolder, QCoreApplication::applicationDirPath());
        QCOMPARE(request.defaultExtension, QStringLiteral("wad"));

        click(form->Command1);
        QCOMPARE(
            starter.calls.at(0).line,
            std::string("klemwin -file levels.wad levels.wad my level.wad extra.plr -skin COMET -color 7 "));
    }

    void addons_deleteRemovesOnlyTheSelectedEntry() {
        form->lstWADFiles->addItems({"a.wad", "b.wad", "c.wad"});
        click(form->Command10); // nothing selected: nothing happens
        QCOMPARE(form->lstWADFiles->count(), 3);
        form->lstWADFiles->setCurrentRow(1);
        click(form->Command10);
        QCOMPARE(entries(form->lstWADFiles), (QStringList{"a.wad", "c.wad"}));
        QVERIFY(form->lstWADFiles->selectedItems().isEmpty());
        click(form->Command10); // again right after: no entry is selected any more
        QCOMPARE(entries(form->lstWADFiles), (QStringList{"a.wad", "c.wad"}));
        QVERIFY(dialogs.messages.empty());
    }

    void addons_accessKeysPressTheButtons() {
        form->lstWADFiles->addItems({"a.wad", "b.wad"});
        form->lstWADFiles->setCurrentRow(0);
        dialogs.fileAnswers = {QStringLiteral("/x/new.wad")};
        form->activateWindow();
        QTRY_VERIFY(form->isActiveWindow());
        // Through the window, as the keyboard delivers keys, so the shortcut map sees them.
        QTest::keyClick(form->windowHandle(), Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(entries(form->lstWADFiles), QStringList{"b.wad"}); // an access key animates the press
        QTest::keyClick(form->windowHandle(), Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(entries(form->lstWADFiles), (QStringList{"b.wad", "new.wad"}));
    }

    void hover_describesEveryControl_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("panel");
        QTest::addColumn<QString>("text");
        const struct {
            const char* control;
            int panel;
            const char* text;
        } rows[] = {
            {"Command1", 0,
             "This button launches KLEM with the current settings...\r\nSo what's the holdup? Click it!!"},
            {"Image1", 0, "Please do not click the eye candy."},
            {"lblDesc", 0, "This box will display some info on the option you select."},
            {"lblVersion", 0, "The DOS Version of KLEM has been discontinued."},
            {"Command3(0)", 0, "Click these arrows to change your character."},
            {"Command3(1)", 0, "Click these arrows to change your character."},
            {"Picture2", 0, "This is the character you are currently using. Click the arrows to change it."},
            {"lblColor", 0, "Change your color. Only works in multiplayer modes."},
            {"chkLoad", 0, "Check this to load the game number in the box on the right."},
            {"lstWADFiles", 1, "This box displays all the WADs you have currently loaded."},
            {"Command9", 1, "Click this to add a WAD file to the list."},
            {"Command10", 1, "Click this to remove the selected WAD from the list."},
            {"txtUserSkin", 1, "If you are using a custom skin, you just type the skin's name here."},
            {"chkOpenGL", 2,
             "Check this to enable hardware rendering mode. Hardware rendering is not yet perfect, so it may "
             "look "
             "strange in some areas."},
            {"chkWindowed", 2, "Check this to play KLEM in a window instead of full screen."},
            {"chkManualRes", 2,
             "Check this to change the resolution. If you type in a resolution that is not supported, it "
             "will go "
             "back to default."},
            {"txtWidth", 2, "Type the screen width of the manual resolution here."},
            {"txtHeight", 2, "Type the screen height of the manual resolution here."},
            {"chkEXE", 2,
             "Check this to use an EXE with a different filename from the default. Typing .exe is not "
             "required."},
            {"txtEXE", 2,
             "Type the filename of the exe you would like to use here. Typing .exe is not required."},
            {"chkHighTime", 2,
             "Check this to change the time display to game tics. There are 35 tics in a second."},
            {"chkJoystick", 2, "Check this to use a joystick or gamepad with KLEM."},
            {"chkAnalog", 2,
             "Check this to enable analog directional control. Works best with a joystick or gamepad."},
            {"chkSplitScreen", 2, "Check this to enable splitscreen play on one computer."},
            {"chkDemo", 2, "Check this to enable demo recording or playback."},
            {"optDemoPlay", 2, "Select this to play back a previously recorded demo."},
            {"optDemoRecord", 2, "Select this to record a new demo."},
            {"txtDemo", 2, "Type the name of the demo here. Do not type the file extension."},
            {"txtManualOps", 2,
             "Type manual parameters into this box. All manual parameters are added to the end of the "
             "launcher's "
             "command line."},
            {"chkNoSpecRings", 3, "Check this to disable the special weapon rings in modes that use them."},
            {"chkSuddenDeath", 3,
             "Check this to make it so that getting shot kills the player instead of making them lose all of "
             "his "
             "or her rings."},
            {"chkAutoCTF", 3, "Check this to make KLEM automatically select teams in CTF."},
            {"chkForceSkin", 3, "Check this to make all players on your server use the same skin as you."},
            {"chkNoAdvance", 3, "Check this to keep the same level after the round is over."},
            {"chkNoAdvertise", 3,
             "Check this to disable KLEM from trying to advertise on the master server. (The master server "
             "doesn't "
             "exist)"},
        };
        for (const auto& row : rows) {
            QTest::newRow(row.control) << row.control << row.panel << row.text;
        }
    }

    void hover_describesEveryControl() {
        QFETCH(QString, control);
        QFETCH(int, panel);
        QFETCH(QString, text);
        showPanel(panel);
        auto* widget = form->findChild<QWidget*>(control);
        QVERIFY(widget);
        hover(widget);
        QCOMPARE(form->lblDesc->text(), text);
    }

    void hover_multiplayerControlsAreDescribed() {
        form->spGameOpt_Click(1);
        const std::pair<QWidget*, const char*> rows[] = {
            {form->txtPlayerName, "Type the nickname you would like to use in the game here."},
            {form->lblIPMan, "Click here to enter the IP of the host."},
            {form->check2,
             "Check this to disable KLEM from checking whether or not you are missing any WAD files "
             "when joining."},
            {form->Check3,
             "Check this to keep KLEM from downloading any files you don't have when joining a game."},
        };
        for (const auto& [widget, text] : rows) {
            hover(widget);
            QCOMPARE(form->lblDesc->text(), QString::fromLatin1(text));
        }
        form->frmMulti_Click(1);
        const std::pair<QWidget*, const char*> hostRows[] = {
            {form->txtTimelimit,
             "Type the amount of minutes to play until the round ends here. (0 disables the time limit.)"},
            {form->txtMaxPlayers,
             "Type the maximum number of players you will allow on your server here. Range is from 1 to 32."},
            {form->txtMultiMap,
             "Type the map to start at here. Maps are: 1-9 = Single Player; 70-79 = Chaos; 80-86 = "
             "CTF; 90-99 = Battle"},
        };
        for (const auto& [widget, text] : hostRows) {
            hover(widget);
            QCOMPARE(form->lblDesc->text(), QString::fromLatin1(text));
        }
    }

    void hover_controlsWithoutADescriptionKeepTheLastOne() {
        showPanel(2);
        for (QWidget* quiet : {static_cast<QWidget*>(form->lstSound), static_cast<QWidget*>(form->fraDemo),
                               static_cast<QWidget*>(form->Label3), static_cast<QWidget*>(form->Label19)}) {
            hover(form->chkOpenGL);
            // Near the bottom-left corner: inside the frame's border, away from its controls.
            QTest::mouseMove(quiet, QPoint(3, quiet->height() - 3));
            QVERIFY2(form->lblDesc->text().startsWith(QStringLiteral("Check this to enable hardware")),
                     qPrintable(quiet->objectName()));
        }
        showPanel(0);
        hover(form->chkLoad);
        hover(form->Combo3);
        QCOMPARE(form->lblDesc->text(),
                 QStringLiteral("Check this to load the game number in the box on the right."));
    }

    void hover_menuBoldStaysOverAPanelAndGoesOverTheBackground() {
        hover(form->lblMainMenu[1]);
        hover(form->spGameOpt[1]);
        QVERIFY(form->lblMainMenu[1]->isBold());
        QVERIFY(form->spGameOpt[1]->isBold());

        QTest::mouseMove(form->GamePanel[0], QPoint(5, form->GamePanel[0]->height() - 5));
        QCOMPARE(form->lblDesc->text(), pleaseSelect);
        QVERIFY(!form->spGameOpt[1]->isBold());
        QVERIFY(!form->ModeBold);
        QCOMPARE(form->ModeHover, std::int16_t(-1));
        QVERIFY(form->lblMainMenu[1]->isBold()); // the panel reset leaves the menu alone

        hover(form->lblHelp);
        QVERIFY(form->lblHelp->isBold());
        hover(form->chkLoad);
        QVERIFY(form->lblHelp->isBold()); // About stays bold over other controls

        QTest::mouseMove(form.get(), QPoint(2, 2)); // the window background
        QCOMPARE(form->lblDesc->text(), pleaseSelect);
        QVERIFY(!form->lblMainMenu[1]->isBold());
        QVERIFY(!form->lblHelp->isBold());
        QVERIFY(!form->MenuBold);
        QCOMPARE(form->MenuHover, std::int16_t(-1));
    }

    void hover_menuTitleResetsLikeTheBackground() {
        hover(form->lblMainMenu[2]);
        hover(form->lblHelp);
        hover(form->Label2);
        QCOMPARE(form->lblDesc->text(), pleaseSelect);
        QVERIFY(!form->lblMainMenu[2]->isBold());
        QVERIFY(!form->lblHelp->isBold());
        // Back onto the same entry: the memory was reset, so it turns bold again.
        hover(form->lblMainMenu[2]);
        QVERIFY(form->lblMainMenu[2]->isBold());
    }

    void hover_modeFramesAndHiddenControlsAreBackground() {
        hover(form->chkLoad);
        QTest::mouseMove(form->ngOpt[0], QPoint(form->ngOpt[0]->width() - 5, form->ngOpt[0]->height() - 5));
        QCOMPARE(form->lblDesc->text(), pleaseSelect);

        showPanel(3);
        hover(form->chkNoAdvance);
        // Where the hidden password box lies, the pointer is over the panel itself.
        const QPoint overHidden = form->txtPassword->geometry().center();
        QCOMPARE(form->GamePanel[3]->childAt(overHidden), nullptr);
        QTest::mouseMove(form->GamePanel[3], overHidden);
        QCOMPARE(form->lblDesc->text(), pleaseSelect);
    }

    void about_opensOnceAndAgainAfterClose() {
        hover(form->lblHelp);
        click(form->lblHelp);
        click(form->lblHelp);
        QCOMPARE(aboutWindows().size(), 1);
        QPointer<frmHelp> about = aboutWindows().front();
        QCOMPARE(about->windowTitle(), QStringLiteral("Orbitron Launcher - About"));
        QCOMPARE(about->size(), QSize(270, 142));
        QVERIFY(about->parentWidget() == nullptr);
        QVERIFY(form->lblHelp->isBold()); // the click leaves the hover state as it was

        click(about->lblClose);
        QTRY_VERIFY(about.isNull());
        click(form->lblHelp);
        QCOMPARE(aboutWindows().size(), 1);
        QVERIFY(aboutWindows().front() != about.data());
        aboutWindows().front()->close(); // the close box does what Close does
        QTRY_VERIFY(aboutWindows().isEmpty());
    }

    void about_mainWindowWorksWithItOpenAndClosesWithoutIt() {
        click(form->lblHelp);
        click(form->Command1);
        QCOMPARE(starter.calls.size(), size_t(1));
        form->close();
        QCOMPARE(aboutWindows().size(), 1);
        QVERIFY(aboutWindows().front()->isVisible());
    }

    void eyeCandy_sixReactionsInTurn() {
        for (int i = 0; i < 7; ++i) {
            click(form->Image1);
        }
        QStringList titles;
        for (const auto& box : dialogs.messages) {
            titles << box.title;
        }
        QCOMPARE(titles, (QStringList{"Poke-a-chu!", "Peek-a-poke!", "Coohie-coo!", "YEOW!", "Nervous?",
                                      "\\/\\/00+!", "EEK!", "Poke-a-chu!"}));
        const auto& first = dialogs.messages[0];
        QCOMPARE(first.text, QStringLiteral("Ow! Cut that out!"));
        QCOMPARE(first.icon, MessageIcon::Stop);
        const auto& nervous = dialogs.messages[4];
        QCOMPARE(nervous.text, QStringLiteral("Are you at least gonna buy me a drink first?"));
        QCOMPARE(nervous.buttons, MessageButtons::YesNo);
        QCOMPARE(nervous.icon, MessageIcon::Question);
        QCOMPARE(nervous.defaultButton, MessageAnswer::Yes);
        QCOMPARE(dialogs.messages[5].text, QStringLiteral("Cool! Let's play!"));
        QCOMPARE(dialogs.messages[5].icon, MessageIcon::None);
        QCOMPARE(dialogs.messages[6].text, QStringLiteral("HEY! Pervert!"));
        QCOMPARE(QStringLiteral("\\/\\/00+!").size(), 8);
    }

    void eyeCandy_noGivesTheOtherFollowUp() {
        dialogs.messageAnswers = {MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Ok,
                                  MessageAnswer::No};
        for (int i = 0; i < 5; ++i) {
            click(form->Image1);
        }
        QCOMPARE(dialogs.messages.back().title, QStringLiteral("Hmph!"));
        QCOMPARE(dialogs.messages.back().text, QStringLiteral("Sorry, not interested then..."));
        QCOMPARE(dialogs.messages.back().buttons, MessageButtons::Ok);
        QCOMPARE(form->ReactionCount, std::uint8_t(5));
    }
};

int main(int argc, char** argv) {
    return testsupport::runGuiTests<ExtrasTest>(argc, argv);
}

#include "extras_test.moc"
