// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: start-up, the menu, RUN! and Copy Command Line, the max-players check, add-on
// files, the description line, the about window, the eye candy and what screen readers see; on the
// Game panel the play mode and multiplayer kind, the server address, character and colour.
#include "ButtonLabel.h"
#include "InputLock.h"
#include "frmColor.h"
#include "frmHelp.h"
#include "guiFixtures.h"
#include "standinRecord.h"
#include "twips.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using testsupport::click;
using testsupport::hover;

namespace {

const QString pleaseSelect = QStringLiteral("Please select an option");

QPoint twipsPos(const QWidget* panel) {
    return {ui::twipsLeft(panel), ui::twipsTop(panel)};
}

// Presses a control as a screen reader does: no mouse event comes, so no input lock swallows one.
void press(QWidget* control) {
    QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
}

// The description of every control that has one: the control, where it is shown (a panel 0 to 3,
// or 4 for the Join card and 5 for the Host card) and its text.
const char* const descriptions =
    R"rows(Command1|0|This button launches KLEM with the current settings...\r\nSo what's the holdup? Click it!!
Image1|0|Please do not click the eye candy.
lblDesc|0|This box will display some info on the option you select.
lblVersion|0|The DOS Version of KLEM has been discontinued.
Command3(0)|0|Click these arrows to change your character.
Command3(1)|0|Click these arrows to change your character.
Picture2|0|This is the character you are currently using. Click the arrows to change it.
lblColor|0|Change your color. Only works in multiplayer modes.
chkLoad|0|Check this to load the game number in the box on the right.
lblHelp|0|Click here to open the about dialog in case you're curious where this program comes from.
lblMainMenu(1)|0|Include WAD files to add custom levels and characters.
lblMainMenu(2)|0|Set general options, like screen resolution and sound.
txtPlayerName|4|Type the nickname you would like to use in the game here.
lblIPMan|4|Click here to enter the IP of the host.
check2|4|Check this to disable KLEM from checking whether or not you are missing any WAD files when joining.
Check3|4|Check this to keep KLEM from downloading any files you don't have when joining a game.
txtTimelimit|5|Type the amount of minutes to play until the round ends here. (0 disables the time limit.)
txtMaxPlayers|5|Type the maximum number of players you will allow on your server here. Range is from 1 to 32.
txtMultiMap|5|Type the map to start at here. Maps are: 1-9 = Single Player; 70-79 = Chaos; 80-86 = CTF; 90-99 = Battle
lstWADFiles|1|This box displays all the WADs you have currently loaded.
Command9|1|Click this to add a WAD file to the list.
Command10|1|Click this to remove the selected WAD from the list.
txtUserSkin|1|If you are using a custom skin, you just type the skin's name here.
chkOpenGL|2|Check this to enable hardware rendering mode. Hardware rendering is not yet perfect, so it may look strange in some areas.
chkWindowed|2|Check this to play KLEM in a window instead of full screen.
chkManualRes|2|Check this to change the resolution. If you type in a resolution that is not supported, it will go back to default.
txtWidth|2|Type the screen width of the manual resolution here.
txtHeight|2|Type the screen height of the manual resolution here.
chkEXE|2|Check this to use an EXE with a different filename from the default. Typing .exe is not required.
txtEXE|2|Type the filename of the exe you would like to use here. Typing .exe is not required.
chkHighTime|2|Check this to change the time display to game tics. There are 35 tics in a second.
chkJoystick|2|Check this to use a joystick or gamepad with KLEM.
chkAnalog|2|Check this to enable analog directional control. Works best with a joystick or gamepad.
chkSplitScreen|2|Check this to enable splitscreen play on one computer.
chkDemo|2|Check this to enable demo recording or playback.
optDemoPlay|2|Select this to play back a previously recorded demo.
optDemoRecord|2|Select this to record a new demo.
txtDemo|2|Type the name of the demo here. Do not type the file extension.
txtManualOps|2|Type manual parameters into this box. All manual parameters are added to the end of the launcher's command line.
chkNoSpecRings|3|Check this to disable the special weapon rings in modes that use them.
chkSuddenDeath|3|Check this to make it so that getting shot kills the player instead of making them lose all of his or her rings.
chkAutoCTF|3|Check this to make KLEM automatically select teams in CTF.
chkForceSkin|3|Check this to make all players on your server use the same skin as you.
chkNoAdvance|3|Check this to keep the same level after the round is over.
chkNoAdvertise|3|Check this to disable KLEM from trying to advertise on the master server. (The master server doesn't exist))rows";

} // namespace

class MainWindowTest : public testsupport::WindowTest {
    Q_OBJECT

    // RUN!'s context menu, opened as a right click does, with its only entry picked.
    void copyCommandLine() {
        QContextMenuEvent event(QContextMenuEvent::Mouse, {}, form->Command1->mapToGlobal(QPoint()));
        QApplication::sendEvent(form->Command1, &event);
        QTRY_VERIFY(form->runMenu->isVisible());
        form->runMenu->actions().front()->trigger();
        form->runMenu->close();
    }

    // Drags the files (an empty path stands for a web address) over the add-on list and drops
    // them; true when the list accepted the drag.
    bool drop(const std::vector<fs::path>& files, const QString& text = {}) {
        QMimeData data;
        QList<QUrl> urls;
        for (const auto& file : files) {
            urls << (file.empty() ? QUrl("https://example.org/x.wad")
                                  : QUrl::fromLocalFile(QString::fromStdString(file.u8string())));
        }
        data.setUrls(urls);
        data.setText(text);
        QWidget* list = form->lstWADFiles->viewport();
        QDragEnterEvent enter(list->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list, &enter);
        QDropEvent dropped(list->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list, &dropped);
        return enter.isAccepted();
    }

    std::string run() {
        click(form->Command1);
        return starter.calls.back().line;
    }

    // Clicks the topmost control where the user would hit card k: at its top, above the other card.
    void clickCard(int k) {
        const QPoint pos =
            form->frmMulti[k]->geometry().topLeft() + QPoint(form->frmMulti[k]->width() / 2, 5);
        QWidget* target = form->ngOpt[1]->childAt(pos);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(form->ngOpt[1], pos));
    }

private slots:
    void init() { QVERIFY(openWindow()); }
    void cleanup() { form.reset(); }

    // Right after start-up RUN! starts the single-player line; every option control reaches the
    // line, read at the moment of each click. The host's number boxes keep two characters.
    void run_readsEveryControl() {
        QVERIFY(!form->chkPassword->isVisible() && !form->lstTeamBattle->isEnabled());
        QCOMPARE(form->lstSound->currentText() + "|" + form->Combo2->currentText(),
                 QStringLiteral("Ogg Music (w/ SFX)|None"));
        QCOMPARE(run(), std::string("klemwin -skin COMET -color 7 "));
        QCOMPARE(starter.calls.at(0).style, launch::WindowStyle::Normal);
        for (QCheckBox* box : {form->chkJoystick, form->chkAnalog, form->chkSplitScreen, form->chkDemo,
                               form->chkOpenGL, form->chkManualRes, form->chkWindowed, form->chkHighTime,
                               form->chkEXE, form->chkNoSpecRings, form->chkSuddenDeath, form->chkAutoCTF,
                               form->chkForceSkin, form->chkNoAdvance, form->check2, form->Check3}) {
            box->setChecked(true);
        }
        form->chkNoAdvertise->setChecked(false);
        form->optDemoPlay->setChecked(true);
        const std::pair<QLineEdit*, const char*> texts[] = {
            {form->txtDemo, "d1"},          {form->txtWidth, "640"},   {form->txtHeight, "480"},
            {form->txtEXE, "other"},        {form->txtUserSkin, "Sk"}, {form->txtPlayerName, "Zed"},
            {form->txtMaxPlayers, "8"},     {form->txtMultiMap, "71"}, {form->txtTimelimit, "915"},
            {form->txtManualOps, "-warp 3"}};
        for (const auto& [box, text] : texts) {
            box->setText(QString::fromLatin1(text));
        }
        form->lstWADFiles->addItems({"a.wad", "b c.wad"});
        form->lstSound->setCurrentIndex(4);
        form->Combo1->setCurrentIndex(3);
        form->HostAddress = QStringLiteral("10.0.0.1");
        const std::string options =
            "other -usecd -nosound -joystick -analog -splitscreen -file a.wad b c.wad "
            "-playdemo d1 -opengl -width 640 -height 480 -win -timetic";
        form->txtGameType = QStringLiteral("Host");
        QCOMPARE(run(), options +
                            " -skin Sk -color 7 -maxplayers 8 -warp 71 -gametype 3 -nospecrings -suddendeath "
                            "-autoctf -forceskin -noadvance -server 1 -notime -timer 91 -name Zed -warp 3");
        form->txtGameType = QStringLiteral("Join");
        QCOMPARE(run(),
                 options + " -skin Sk -color 7 -connect 10.0.0.1 -nofiles -nodownload -name Zed -warp 3");
        form->chkLoad->setChecked(true);
        form->Combo3->setCurrentIndex(5);
        QCOMPARE(run(), options + " -loadgame 5");
        QCOMPARE(starter.calls.back().style, launch::WindowStyle::Minimized);
        form->Combo3->lineEdit()->setText(QStringLiteral("9")); // typed over: no position
        QCOMPARE(run(), options + " -loadgame -1");
    }

    // RUN! and Copy Command Line compose the same line, and both refuse a max-players text that
    // is no number, each saying what it did not do; a failed start is shown as the starter tells it.
    void run_andCopy_agreeAndSayWhyNothingStarted() {
        form->spGameOpt_Click(1);
        form->frmMulti_Click(1);
        copyCommandLine();
        click(form->Command1);
        QCOMPARE(QString::fromStdString(starter.calls.at(0).line), QGuiApplication::clipboard()->text());
        form->txtMaxPlayers->setText(QStringLiteral("ab"));
        QGuiApplication::clipboard()->clear();
        copyCommandLine();
        click(form->Command1);
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty() && starter.calls.size() == 1);
        QCOMPARE(dialogs.messages.size(), size_t(2));
        QVERIFY(dialogs.messages[0].text.startsWith("Nothing was copied: \"Max Players:\" holds \"ab\""));
        form->spGameOpt_Click(0);
        starter.result = {false, "Could not start the game: no program named \"klemwin\" was found."};
        click(form->Command1);
        QCOMPARE(dialogs.messages.at(2).text, QString::fromStdString(starter.result.error));
    }

    // Enter in the max-players box checks for a number from 0 to 255.
    void maxPlayers_enterChecksTheNumber() {
        for (const auto& [text, complaints] : {std::pair{"2", 0}, {"99", 0}, {"", 1}, {"ab", 2}, {"-1", 3}}) {
            form->txtMaxPlayers->setText(QString::fromLatin1(text));
            QTest::keyClick(form->txtMaxPlayers, Qt::Key_Return);
            QCOMPARE(dialogs.messages.size(), size_t(complaints));
        }
        QCOMPARE(dialogs.messages[0].title + "|" + dialogs.messages[0].text,
                 QStringLiteral("Bogus!|Please enter a number"));
    }

    // A menu entry slides its panel into view in 20 steps of 10 ms, with the entries disabled
    // meanwhile; the selected entry is green and its picture shows. The selected one does nothing.
    void menu_slidesThePanelsAndBack() {
        click(form->lblMainMenu[0]);
        QVERIFY(pacer.delays.empty());
        pacer.afterMoves = [&] {
            QVERIFY(!form->lblMainMenu[0]->isEnabled());
        };
        click(form->lblMainMenu[3]);
        QCOMPARE(pacer.delays, std::vector<int>(20, 10));
        QCOMPARE(twipsPos(form->GamePanel[3]), QPoint(3960 - 20 * 193, 4560 - 20 * 228));
        QCOMPARE(form->lblMainMenu[0]->backgroundColor(), unselectedWhite);
        QCOMPARE(form->Image1->pixmap().toImage(), form->stashedPicture(3).toImage());
        QVERIFY(form->lblMainMenu[0]->isEnabled() &&
                form->lblMainMenu[3]->backgroundColor() == selectionGreen);
        click(form->lblMainMenu[1]);
        click(form->lblMainMenu[0]);
        QCOMPARE(twipsPos(form->GamePanel[3]), QPoint(3960, 4560));
    }

    void hover_describesEveryControl() {
        for (const QString& row : QString::fromUtf8(descriptions).split(QLatin1Char('\n'))) {
            const QStringList fields = row.split(QLatin1Char('|'));
            openWindow();
            if (fields[1].toInt() < 4) {
                form->lblMainMenu_Click(fields[1].toInt());
            } else {
                form->spGameOpt_Click(1);
                form->frmMulti_Click(fields[1].toInt() - 4);
            }
            hover(form->findChild<QWidget*>(fields[0]));
            QCOMPARE(form->lblDesc->text(), QString(fields[2]).replace(QLatin1String("\\r\\n"), "\r\n"));
        }
    }

    // The hovered menu entry turns bold; a list without a description keeps the one shown; the
    // window background takes the bold of the menu and of About away; the menu title forgets the
    // entry, so it turns bold again.
    void hover_boldAndBackgrounds() {
        hover(form->chkLoad);
        hover(form->Combo3);
        QVERIFY(form->lblDesc->text().startsWith(QStringLiteral("Check this to load")));
        hover(form->lblMainMenu[0]);
        hover(form->lblHelp);
        hover(form->lblMainMenu[2]);
        QVERIFY(!form->lblMainMenu[0]->isBold() && form->lblMainMenu[2]->isBold() && form->lblHelp->isBold());
        QTest::mouseMove(form.get(), QPoint(2, 2));
        QCOMPARE(form->lblDesc->text(), pleaseSelect);
        QVERIFY(!form->lblMainMenu[2]->isBold() && !form->lblHelp->isBold());
        hover(form->lblMainMenu[2]);
        hover(form->Label2);
        hover(form->lblMainMenu[2]);
        QVERIFY(form->lblMainMenu[2]->isBold());
    }

    // Add lists the bare name of the file picked, after those there, starting in the launcher's
    // folder; a cancel adds nothing. Local files dropped on the list are added the same way; a
    // drag with anything else (text, a web address, a folder) is refused. Delete removes the
    // selected entry only. Alt+D and Alt+A press the buttons.
    void addons_addDropAndDelete() {
        dialogs.fileAnswers = {"d\\x.wad", "/home/p/x.y/maps.wad", QString()};
        for (int i = 0; i < 3; ++i) {
            click(form->Command9);
        }
        // Only on Windows is a backslash a folder separator; elsewhere it belongs to the name.
        QCOMPARE(form->lstWADFiles->item(0)->text(),
                 QString(QDir::separator() == '\\' ? "x.wad" : "d\\x.wad"));
        QCOMPARE(dialogs.files.at(0).initialFolder, QCoreApplication::applicationDirPath());
        testsupport::ScratchFolder folder;
        std::ofstream(folder / "a.wad") << "WAD";
        std::ofstream(folder / "my level.wad") << "WAD";
        QVERIFY(drop({folder / "a.wad", folder / "my level.wad"}));
        QVERIFY(!drop({}, QStringLiteral("levels.wad")) && !drop({fs::path()}) &&
                !drop({folder / "a.wad", folder.path}));
        click(form->Command10); // nothing selected
        form->lstWADFiles->setCurrentRow(1);
        click(form->Command10);
        click(form->Command10);
        form->lstWADFiles->setCurrentRow(0);
        dialogs.fileAnswers = {QStringLiteral("/x/new.wad")};
        form->activateWindow();
        QTRY_VERIFY(form->isActiveWindow());
        QTest::keyClick(form->windowHandle(), Qt::Key_D, Qt::AltModifier); // as the keyboard delivers keys
        QTRY_COMPARE(form->lstWADFiles->count(), 2);
        QTest::keyClick(form->windowHandle(), Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(form->lstWADFiles->count(), 3);
        QVERIFY(starter.calls.empty());
        click(form->Command1);
        QCOMPARE(starter.calls.at(0).line,
                 std::string("klemwin -file a.wad my level.wad new.wad -skin COMET -color 7 "));
    }

    // One about window at most; it has no owner, so it outlives the main window. Screen readers
    // see the button labels and the arrows as buttons, named by their caption, and press them;
    // the about window's icon has a name too.
    void about_andScreenReaders() {
        click(form->lblHelp);
        QPointer<frmHelp> about = form->aboutWindow;
        click(form->lblHelp);
        QCOMPARE(form->aboutWindow, about);
        form->close();
        QVERIFY(about->isVisible());
        QVERIFY(!QAccessible::queryAccessibleInterface(about->Picture1)->text(QAccessible::Name).isEmpty());
        about->lblClose_Click();
        QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(form->lblMainMenu[1]);
        QCOMPARE(entry->text(QAccessible::Name), QStringLiteral("WAD Files"));
        QCOMPARE(QAccessible::queryAccessibleInterface(form->Command3[1])->role(), QAccessible::Button);
        entry->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(form->CurPanel, std::int16_t(1));
        QTRY_VERIFY(about.isNull());
    }

    // Six reactions in turn; the fifth asks, and its answer decides the follow-up.
    void eyeCandy_sixReactionsInTurn() {
        dialogs.messageAnswers = {ui::MessageAnswer::Ok, ui::MessageAnswer::Ok, ui::MessageAnswer::Ok,
                                  ui::MessageAnswer::Ok, ui::MessageAnswer::No};
        QString titles;
        for (int i = 0; i < 12; ++i) {
            click(form->Image1);
        }
        for (const auto& box : dialogs.messages) {
            titles += box.title + " ";
        }
        QCOMPARE(titles,
                 QStringLiteral("Poke-a-chu! Peek-a-poke! Coohie-coo! YEOW! Nervous? Hmph! EEK! Poke-a-chu! "
                                "Peek-a-poke! Coohie-coo! YEOW! Nervous? \\/\\/00+! EEK! "));
    }

    // --- The Game panel

    // Single player, Join (with the address prompt: Cancel gives empty text) and Host reach the
    // line; a click on the mode or the card already chosen does nothing; the mode and the cards
    // describe themselves, only the card behind inviting a click.
    void mode_followsTheClicksIntoTheLine() {
        click(form->spGameOpt[0]);
        QTest::mouseMove(form->spGameOpt[1]);
        click(form->spGameOpt[1]);
        QVERIFY(form->spGameOpt[1]->isBold() && form->spGameOpt[0]->backgroundColor() == unselectedWhite);
        QCOMPARE(form->lblDesc->text(), QStringLiteral("Join or host a multiplayer game."));
        dialogs.inputAnswers = {QStringLiteral("server.example"), QString()};
        click(form->lblIPMan);
        QCOMPARE(run(), std::string("klemwin -skin COMET -color 7 -connect server.example -name Comet "));
        click(form->lblIPMan);
        QCOMPARE(dialogs.inputs[1].proposed + form->lblIPMan->text(), QStringLiteral("server.example"));
        const auto steps = pacer.delays.size();
        clickCard(0);
        click(form->spGameOpt[1]);
        QCOMPARE(pacer.delays.size(), steps);
        form->frmMulti_MouseMove(1, 0, 0, 0, 0);
        QCOMPARE(form->lblDesc->text(), QStringLiteral("Click here to host your own server."));
        form->frmMulti_MouseMove(0, 0, 0, 0, 0);
        QCOMPARE(form->lblDesc->text(), pleaseSelect);
        clickCard(1);
        form->frmMulti_MouseMove(0, 0, 0, 0, 0);
        QCOMPARE(form->lblDesc->text(), QStringLiteral("Click here to join another person's server."));
        QCOMPARE(run(), std::string("klemwin -skin COMET -color 7 -maxplayers 2 -warp 90 -gametype 1 "
                                    "-noadvertise -server 1 -notime -timer 5 -name Comet "));
        click(form->spGameOpt[0]);
        QCOMPARE(run(), std::string("klemwin -skin COMET -color 7 "));
    }

    // The frames slide 120 twips a step, 5 ms each, with the panel locked: an arrow or
    // "Multiplayer" pressed meanwhile, whichever way, does nothing. The real pacer waits each step out.
    void mode_switchSlidesTheFramesWithThePanelLocked() {
        std::vector<int> single, multi;
        pacer.afterMoves = [&] {
            single.push_back(ui::twipsTop(form->ngOpt[0]));
            multi.push_back(ui::twipsTop(form->ngOpt[1]));
            QVERIFY(ui::InputLock::isLocked(form->GamePanel[0]));
            click(form->Command3[1]);
            if (single.size() == 10) {
                form->Command3[1]->click(); // as a screen reader's press of it ends, some time later
                press(form->spGameOpt[1]);
            }
        };
        click(form->spGameOpt[1]);
        QCOMPARE(pacer.delays, std::vector<int>(54, 5));
        QCOMPARE(single[0] + single[26] + multi[27] + multi[53], 1440 + 4560 + 4560 + 1440);
        QVERIFY(!ui::InputLock::isLocked(form->GamePanel[0]) && form->CharIndex == 0);
        ui::RealPacer realPacer;
        MainForm window(ui::Platform{dialogs, starter, realPacer});
        QElapsedTimer clock;
        clock.start();
        window.spGameOpt_Click(1);
        QVERIFY2(clock.elapsed() >= 54 * 5, qPrintable(QString::number(clock.elapsed())));
    }

    // The cards trade places in 52 steps; a switch started inside another wins, and a switch to
    // single player made meanwhile keeps single player.
    void card_switchesEndWithTheLastChoiceInFront() {
        click(form->spGameOpt[1]);
        auto start = pacer.delays.size();
        clickCard(1);
        QCOMPARE(pacer.delays.size() - start, size_t(52));
        const auto interrupt = [&](const std::function<void()>& click) {
            start = pacer.delays.size();
            pacer.afterMoves = [&, click] {
                if (pacer.delays.size() == start + 10) {
                    click();
                }
            };
            clickCard(0);
        };
        interrupt([&] { form->frmMulti_Click(1); });
        QCOMPARE(form->txtMultiType + form->txtGameType, QStringLiteral("HostHost"));
        QCOMPARE(twipsPos(form->frmMulti[1]), QPoint(240, 672));
        interrupt([&] { click(form->spGameOpt[0]); });
        QCOMPARE(form->txtMultiType, QStringLiteral("Join"));
        QCOMPARE(run(), std::string("klemwin -skin COMET -color 7 "));
    }

    // Each arrow steps one character, without wrapping, and slides the portrait strip one pixel
    // per 10 ms step, to rest one pixel short of its target. The name follows only while it is,
    // in any case, another character's own name.
    void character_arrowsStepAndSlide() {
        const struct {
            int arrow;
            const char* typed;
            const char* name;
            int rest;
            const char* skinAndColor;
        } steps[] = {{0, "Comet", "Comet", 0, "COMET -color 7"},
                     {1, "cOmEt", "Whirl", -47, "WHIRL -color 5"},
                     {1, "Whirl", "Rockclaw", -95, "ROCKCLAW -color 6"},
                     {1, "Zed", "Zed", -95, "ROCKCLAW -color 6"},
                     {0, "ROCKCLAW", "Whirl", -49, "WHIRL -color 5"},
                     {0, "Rockclaw", "Rockclaw", 0, "COMET -color 7"}};
        for (const auto& s : steps) {
            form->txtPlayerName->setText(QString::fromLatin1(s.typed));
            click(form->Command3[s.arrow]);
            QCOMPARE(form->txtPlayerName->text(), QString::fromLatin1(s.name));
            QCOMPARE(form->imgCharPic->x(), s.rest);
            QCOMPARE(run(), "klemwin -skin " + std::string(s.skinAndColor) + " ");
        }
        QCOMPARE(pacer.delays, std::vector<int>(1 + 48 + 49 + 1 + 47 + 50, 10)); // a pixel a step
        QCOMPARE(form->lblDesc->text(),
                 QStringLiteral("COMET\r\nThe only and only Gold Streak. Fast and furious!"));
    }

    // In multiplayer mode the field opens the picker right on top of itself; a pick reaches the
    // game, a click on the field with the picker open gives a fresh one, and losing the focus
    // closes it without a change. A mode switch repaints the field in the character's colour but
    // keeps the number; an arrow, even at the end of the list, resets both.
    void color_pickerOnTheFieldInMultiplayerOnly() {
        click(form->lblColor);
        QVERIFY(!form->colorPicker);
        click(form->spGameOpt[1]);
        // From here on the field is also pressed during every slide, which ignores it.
        pacer.afterMoves = std::bind(press, form->lblColor);
        click(form->Command3[0]); // the portrait slides even at the first character
        QVERIFY(!form->colorPicker);
        click(form->lblColor);
        QPointer<frmColor> picker = form->colorPicker;
        QCOMPARE(picker->geometry().topLeft(), form->lblColor->mapToGlobal(QPoint(0, 0)));
        click(picker->childAt(30, 7 * 16 + 8)); // the eighth swatch from the top
        QTRY_VERIFY(picker.isNull() && form->lblColor->backgroundColor() == QColor(0x00, 0x00, 0xC0));
        QCOMPARE(run(), std::string("klemwin -skin COMET -color 8 -connect  -name Comet "));
        click(form->lblColor);
        QPointer<frmColor> first = form->colorPicker;
        click(form->lblColor); // a fresh picker takes the place of the first
        picker = form->colorPicker;
        QTRY_VERIFY(first.isNull() && picker->isActiveWindow());
        form->activateWindow();
        QTRY_VERIFY(picker.isNull());
        click(form->spGameOpt[0]);
        QCOMPARE(form->lblColor->backgroundColor(), QColor(0x00, 0x00, 0xF0)); // Comet's blue
        QCOMPARE(run(), std::string("klemwin -skin COMET -color 8 "));
        click(form->Command3[0]);
        QCOMPARE(form->lblColor2, QStringLiteral("7"));
    }
};

int main(int argc, char** argv) {
    return testsupport::runGuiTests<MainWindowTest>(argc, argv);
}

#include "mainwindow_test.moc"
