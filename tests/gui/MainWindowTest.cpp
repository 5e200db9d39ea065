// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: start-up, RUN! and Copy Command Line, the max-players check, the menu, the
// description line and the keyboard, add-on files, the about window, the eye candy, the painting
// and what screen readers see; on the Game panel the play mode and multiplayer kind, the server
// address, character and colour. Each test function checks one behaviour, the one its name says.
#include "ButtonLabel.h"
#include "InputLock.h"
#include "LaunchOptions.h"
#include "WrappingCheckBox.h"
#include "controls.h"
#include "frmColor.h"
#include "frmHelp.h"
#include "guiFixtures.h"
#include "style.h"
#include "testSupport.h"
#include "twips.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QSet>
#include <QSignalSpy>
#include <QStyleOptionButton>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <tuple>

namespace fs = std::filesystem;
using Reason = launch::StartFailure::Reason;
using testsupport::click;
using testsupport::hover;
using ui::selectionGreen;
using ui::unselectedWhite;

namespace {

const QString pleaseSelect = QStringLiteral("Please select an option");

// Every view of the window: its name, the controls clicked from a fresh window to get there (a card
// by its name), the controls that describe themselves there (in the first, with the window's own),
// and the controls Tab stops at, in order: the Game panel in single player, with the Join card and
// with the Host card in front, the WAD Files, Main Options and Network Options panels. The two demo
// option buttons are one stop, as a group of option buttons is.
const std::array<const char*, 4> views[] = {
    {"single player", "",
     "Command1 Image1 lblDesc lblVersion Command3(0) Command3(1) Picture2 lblColor chkLoad lblHelp "
     "lblMainMenu(1) lblMainMenu(2)",
     "Command3(0) Command3(1) chkLoad Combo3 Command1"},
    {"join", "spGameOpt(1)", "txtPlayerName lblIPMan check2 Check3",
     "Command3(0) Command3(1) txtPlayerName Combo2 check2 Check3 Command1"},
    {"host", "spGameOpt(1) frmMulti(1)", "txtTimelimit txtMaxPlayers txtMultiMap",
     "Command3(0) Command3(1) txtPlayerName Combo1 txtTimelimit txtMaxPlayers txtMultiMap Command1"},
    {"WAD files", "lblMainMenu(1)", "lstWADFiles Command9 Command10 txtUserSkin",
     "lstWADFiles Command9 Command10 txtUserSkin Command1"},
    {"main options", "lblMainMenu(2)",
     "chkOpenGL chkWindowed chkManualRes txtWidth txtHeight chkEXE txtEXE chkHighTime chkJoystick chkAnalog "
     "chkSplitScreen chkDemo optDemoPlay optDemoRecord txtDemo txtManualOps",
     "chkOpenGL chkWindowed chkManualRes txtWidth txtHeight chkEXE txtEXE chkHighTime chkJoystick chkAnalog "
     "chkSplitScreen chkDemo optDemoPlay txtDemo lstSound txtManualOps Command1"},
    {"network options", "lblMainMenu(3)",
     "chkNoSpecRings chkSuddenDeath chkAutoCTF chkForceSkin chkNoAdvance chkNoAdvertise",
     "chkNoSpecRings chkSuddenDeath chkAutoCTF chkForceSkin chkNoAdvance chkNoAdvertise Command1"}};

// Whether the device pixels of `shot` across a line have the colour `ink` for the logical pixels
// [from, from + width) and not just outside them. `along` is the logical position along the line;
// `horizontal` says which way the line runs.
bool lineAcross(const QImage& shot, const QColor& ink, bool horizontal, int along, int from, int width) {
    const int s = qRound(shot.devicePixelRatio());
    for (int d = from * s - 1; d <= (from + width) * s; ++d) {
        const QRgb pixel = horizontal ? shot.pixel(along * s, d) : shot.pixel(d, along * s);
        if ((pixel == ink.rgb()) != (d >= from * s && d < (from + width) * s)) {
            return false;
        }
    }
    return true;
}

// Whether the outermost logical pixel of `shot` has the colour `ink` in the middle of every edge.
bool edgesIn(const QImage& shot, const QColor& ink) {
    const int s = qRound(shot.devicePixelRatio()), w = shot.width(), h = shot.height();
    const QPoint edges[] = {{s - 1, h / 2}, {w - s, h / 2}, {w / 2, s - 1}, {w / 2, h - s}};
    return std::all_of(std::begin(edges), std::end(edges),
                       [&](QPoint p) { return shot.pixel(p) == ink.rgb(); });
}

// Whether a text box has a one-pixel outline in the Mid colour and shows inside it what a box without
// a frame, one pixel smaller on every side, shows: the outline takes one pixel, the rest is the text's.
bool outlinedByOnePixel(QLineEdit* box) {
    QLineEdit bare(box->text());
    bare.setFrame(false);
    bare.setAlignment(box->alignment());
    bare.resize(box->size() - QSize(2, 2));
    const QImage shot = box->grab().toImage(), inside = bare.grab().toImage();
    const int s = qRound(shot.devicePixelRatio());
    return edgesIn(shot, box->palette().color(QPalette::Mid)) &&
           shot.copy(s, s, inside.width(), inside.height()).convertToFormat(inside.format()) == inside;
}

// The width a control's caption needs and the room the control gives it: a label, check box or
// option button its text area, a frame its caption's box (6 pixels in, 4 wider), a button label the
// inside of its border (in bold, as the pointer makes it), another button its whole size.
std::pair<int, int> needAndRoom(QWidget* control) {
    QFont font = control->font();
    font.setBold(font.bold() || qobject_cast<ui::ButtonLabel*>(control));
    const QFontMetrics metrics(font);
    QStyleOptionButton option;
    option.initFrom(control);
    const auto* button = qobject_cast<QAbstractButton*>(control);
    const auto area =
        qobject_cast<QCheckBox*>(control) ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents;
    if (const auto* label = qobject_cast<QLabel*>(control); label && !label->wordWrap()) {
        return {metrics.horizontalAdvance(label->text()), label->contentsRect().width()};
    } else if (const auto* frame = qobject_cast<QGroupBox*>(control)) {
        return {metrics.horizontalAdvance(frame->title()), frame->width() - 10};
    } else if (!button || button->text().isEmpty() || qobject_cast<ui::WrappingCheckBox*>(control)) {
        return {0, 0}; // no caption, or one that wraps
    } else if (qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control)) {
        return {metrics.horizontalAdvance(button->text()),
                control->style()->subElementRect(area, &option, control).width()};
    } else if (qobject_cast<ui::ButtonLabel*>(control)) {
        return {metrics.horizontalAdvance(button->text()), control->width() - 2};
    }
    return {button->sizeHint().width(), control->width()};
}

// Start values: the controls switched on in a fresh window, the line the game receives.
const std::tuple<const char*, const char*, const char*> starts[] = {
    {"single player", "", "klemwin -skin COMET -color 7 "},
    {"saved game", "chkLoad", "klemwin -loadgame 0"},
    {"demo", "chkDemo optDemoPlay", "klemwin -playdemo  -skin COMET -color 7 "},
    {"join", "spGameOpt(1) chkDemo chkManualRes chkEXE",
     "klemwin -width 1024 -height 768 -skin COMET -color 7 -connect  -name Comet "},
    {"host", "spGameOpt(1) frmMulti(1)",
     "klemwin -skin COMET -color 7 -maxplayers 2 -warp 90 -gametype 1 -noadvertise -server 1 -notime "
     "-timer 5 -name Comet "},
    {"host with password and teams", "spGameOpt(1) frmMulti(1) chkPassword chkTeamBattle",
     "klemwin -skin COMET -color 7 -maxplayers 2 -warp 90 -gametype 1 -noadvertise -password  -teamplay "
     "-server 1 -notime -timer 5 -name Comet "},
    {"back to single player", "spGameOpt(1) frmMulti(1) spGameOpt(0)", "klemwin -skin COMET -color 7 "}};

// Each arrow steps one character, without wrapping, and slides the portrait strip one pixel per 10 ms
// step, to rest one pixel short of its target. The name follows only while it is, in any case, the
// own name of the character the arrow leaves. A row: the arrows clicked first (0 the left, 1 the right
// one), the name typed, the arrow pressed (the right one by key, the left one by the pointer), the
// name after, where the strip rests, the steps of its slide, the skin and colour.
const std::tuple<const char*, const char*, const char*, int, const char*, int, int, const char*> steps[] = {
    {"left at the first", "", "Comet", 0, "Comet", 0, 1, "COMET -color 7"},
    {"own name in any case", "", "cOmEt", 1, "Whirl", -47, 48, "WHIRL -color 5"},
    {"own name", "1", "Whirl", 1, "Rockclaw", -95, 49, "ROCKCLAW -color 6"},
    {"right at the last", "11", "Zed", 1, "Zed", -95, 1, "ROCKCLAW -color 6"},
    {"own name in capitals", "11", "ROCKCLAW", 0, "Whirl", -49, 47, "WHIRL -color 5"},
    {"another's name", "110", "Rockclaw", 0, "Rockclaw", 0, 50, "COMET -color 7"}};

} // namespace

class MainWindowTest : public testsupport::WindowTest {
    Q_OBJECT

    ui::RealPacer realPacer; // the program's own clock, for the test of real timing

    ui::ButtonLabel* entry(int k) { return find<ui::ButtonLabel>(QStringLiteral("lblMainMenu(%1)").arg(k)); }
    ui::ButtonLabel* mode(int k) { return find<ui::ButtonLabel>(QStringLiteral("spGameOpt(%1)").arg(k)); }
    QWidget* arrow(int k) { return find(QStringLiteral("Command3(%1)").arg(k)); }
    ui::ButtonLabel* field() { return find<ui::ButtonLabel>("lblColor"); }
    QString description() { return find<QLabel>("lblDesc")->text(); }
    void clickCard(int k) { testsupport::clickCard(form.get(), k); }
    void hoverCard(int k) { testsupport::clickCard(form.get(), k, QTest::MouseMove); }
    QPoint twipsPos(const char* name) { return {ui::twipsLeft(find(name)), ui::twipsTop(find(name))}; }
    // What screen readers are told about a control: all of it, whether it is checked or showing, the
    // last announcement.
    QAccessibleInterface* told(QWidget* control) { return QAccessible::queryAccessibleInterface(control); }
    bool checked(QWidget* control) { return told(control)->state().checked; }
    bool showing(const char* name) { return !told(find(name))->state().invisible; }
    QString announced() { return told(find("announcement"))->text(QAccessible::Name); }
    // Presses a control as a screen reader does: no mouse event comes, so no input lock swallows one.
    void press(QWidget* c) {
        told(c)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    QString colorNumber() { return QString::fromStdString(form->launchOptions().lblColor2); }

    // One test row for each row of `table`, named by its first element; the test reads it with row().
    template <class Table> void rows(const Table& table) {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(table)); ++i) {
            QTest::newRow(std::get<0>(table[i])) << i;
        }
    }
    int row() { return *static_cast<int*>(QTest::qData("row", QMetaType::Int)); }

    // Goes through the controls named, in turn: clicks a card where the user would and a button
    // label as click() from code does, switches on a check box or option button (even one hidden and
    // disabled for good, whose value still reaches the line).
    void go(const QString& names) {
        for (const QString& name : names.split(' ', Qt::SkipEmptyParts)) {
            if (name.startsWith("frmMulti")) {
                clickCard(name.at(9).digitValue());
            } else if (auto* label = qobject_cast<ui::ButtonLabel*>(find(name))) {
                label->click();
            } else {
                find<QAbstractButton>(name)->setChecked(true);
            }
        }
    }

    // The about window, opened with the About label under the menu.
    frmHelp* openAbout() {
        click(find("lblHelp"));
        return testsupport::shown<frmHelp>();
    }

    // RUN!'s context menu, opened as a right click does, with its only entry picked.
    void copyCommandLine() {
        QContextMenuEvent event(QContextMenuEvent::Mouse, {}, find("Command1")->mapToGlobal(QPoint()));
        QApplication::sendEvent(find("Command1"), &event);
        QTRY_VERIFY(find<QMenu>("runMenu")->isVisible());
        find<QMenu>("runMenu")->actions().front()->trigger();
        find<QMenu>("runMenu")->close();
    }

    QUrl local(const fs::path& file) { return QUrl::fromLocalFile(QString::fromStdString(file.u8string())); }

    // Drags the addresses and the text over the add-on list and drops them; true when the list
    // accepted the drag.
    bool drop(const QList<QUrl>& urls, const QString& text = {}) {
        QMimeData data;
        data.setUrls(urls);
        data.setText(text);
        QWidget* list = find<QListWidget>("lstWADFiles")->viewport();
        QDragEnterEvent enter(list->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list, &enter);
        QDropEvent dropped(list->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list, &dropped);
        return enter.isAccepted();
    }

    // Clicks RUN!; the line the game was started with.
    QString run() {
        click(find("Command1"));
        return QString::fromStdString(starter.calls.back().line);
    }

private slots:
    void init() {
        testsupport::failOnAnyWarning();
        QVERIFY(openWindow());
    }
    void cleanup() {
        form.reset();
        delete testsupport::shown<frmHelp>(); // the about window has no owner
    }

    // --- Start-up and RUN!

    // What every control holds right after start-up, seen in the line: each row switches on only
    // what shows the values named.
    void run_startValuesReachTheLine_data() { rows(starts); }
    void run_startValuesReachTheLine() {
        const auto& [tag, switchedOn, line] = starts[row()];
        go(switchedOn);
        QCOMPARE(run(), line);
    }

    // Hosting, what the controls hold at the moment of the click reaches the line: a number box
    // keeps two characters, a list's entries and positions count, a slot typed over is no position,
    // a saved game starts minimised.
    void run_whatTheControlsHoldReachesTheLine() {
        go("spGameOpt(1) frmMulti(1) chkPassword chkTeamBattle");
        QCOMPARE(find<QComboBox>("lstSound")->currentText() + "|" + find<QComboBox>("Combo2")->currentText(),
                 "Ogg Music (w/ SFX)|None");
        find<QLineEdit>("txtTimelimit")->setText("915");
        find<QListWidget>("lstWADFiles")->addItems({"a.wad", "b c.wad"});
        find<QComboBox>("lstSound")->setCurrentIndex(4);
        find<QComboBox>("Combo1")->setCurrentIndex(3);
        find<QCheckBox>("chkNoAdvertise")->setChecked(false);
        const QString options = "klemwin -usecd -nosound -file a.wad b c.wad";
        QCOMPARE(run(), options +
                            " -skin COMET -color 7 -maxplayers 2 -warp 90 -gametype 3 -password  -teamplay "
                            "-server 1 -notime -timer 91 -name Comet ");
        find<QCheckBox>("chkLoad")->setChecked(true);
        find<QComboBox>("Combo3")->lineEdit()->setText("9"); // typed over: no position
        QCOMPARE(run(), options + " -loadgame -1");
        QCOMPARE(starter.calls.back().style, launch::WindowStyle::Minimized);
    }

    // RUN!, pressed with Return as a click presses it, and Copy Command Line compose the same line.
    void run_andCopyComposeTheSameLine() {
        go("spGameOpt(1) frmMulti(1)");
        copyCommandLine();
        QTest::keyClick(find("Command1"), Qt::Key_Return);
        QCOMPARE(QString::fromStdString(starter.calls.at(0).line), QGuiApplication::clipboard()->text());
    }

    // A failed start is told as the starter says why, every reason in words of its own.
    void run_failedStartToldInWordsOfItsOwn() {
        QSet<QString> told;
        for (int reason = 0; reason <= int(Reason::Refused); ++reason) {
            starter.result = launch::failedStart(Reason(reason), "klemwin", "it is late");
            std::get<launch::StartFailure>(starter.result).folders = {"/games", "/usr/bin"};
            click(find("Command1"));
            told << dialogs.messages.back().title + ": " + dialogs.messages.back().text;
        }
        QCOMPARE(told.size(), int(Reason::Refused) + 1);
        QVERIFY(told.contains("Cannot start the game: Could not start the game klemwin: it is late.") &&
                told.values().join('|').contains("Looked in:\n  /games\n  /usr/bin\n"));
    }

    // Enter in the max-players box checks for a number from 0 to 255 and complains when there is
    // none: after each text, the complaints so far.
    void maxPlayers_enterRefusesNoNumber() {
        QStringList complaints;
        for (const char* text : {"2", "99", "", "ab", "-1"}) {
            find<QLineEdit>("txtMaxPlayers")->setText(text);
            QTest::keyClick(find("txtMaxPlayers"), Qt::Key_Return);
            complaints << text + QString("=%1").arg(dialogs.messages.size());
        }
        QCOMPARE(complaints.join(' '), "2=0 99=0 =1 ab=2 -1=3");
        QCOMPARE(dialogs.messages[0].title + "|" + dialogs.messages[0].text, "Bogus!|Please enter a number");
    }

    // RUN! (pressed with Space) and Copy Command Line refuse a max-players text that is no number,
    // each saying what it did not do.
    void maxPlayers_runAndCopyRefuseNoNumber() {
        go("spGameOpt(1) frmMulti(1)");
        find<QLineEdit>("txtMaxPlayers")->setText("ab");
        QGuiApplication::clipboard()->clear();
        copyCommandLine();
        QTest::keyClick(find("Command1"), Qt::Key_Space);
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty() && starter.calls.empty());
        QCOMPARE(dialogs.messages.size(), size_t(2));
        QVERIFY(dialogs.messages[0].text.startsWith("Nothing was copied: \"Max Players:\" holds \"ab\""));
    }

    // --- The menu, the description line and the keyboard

    // A menu entry slides its panel into view, and the others out, in 20 steps of 10 ms; the
    // selected entry is green, its picture shows, and a click on it does nothing.
    void menu_entrySlidesItsPanelIntoView() {
        click(entry(0));
        QVERIFY(pacer.delays.empty());
        click(entry(3));
        QCOMPARE(pacer.delays, std::vector<int>(20, 10));
        QCOMPARE(twipsPos("GamePanel(3)"), QPoint(3960 - 20 * 193, 4560 - 20 * 228));
        QCOMPARE(find<ui::PictureButton>("Image1")->pixmap().toImage(),
                 ui::picture(":/pictures/menu-network.jpg").toImage());
        QVERIFY(entry(0)->isEnabled() && entry(0)->backgroundColor() == unselectedWhite &&
                entry(3)->backgroundColor() == selectionGreen);
        click(entry(1));
        click(entry(0));
        QCOMPARE(twipsPos("GamePanel(3)"), QPoint(3960, 4560));
    }

    // During the slide the entries are disabled, for the pointer too and for a screen reader's press
    // that ends then: no second slide follows.
    void menu_slideDisablesTheEntries() {
        QSignalSpy released(entry(1), &QAbstractButton::clicked); // as the screen reader's press ends
        pacer.afterMoves = [&] {
            QVERIFY(!entry(0)->isEnabled());
            QTRY_VERIFY(!released.isEmpty());
            hover(entry(2)); // disabled: it does not answer the pointer
        };
        press(entry(1));
        click(entry(3));
        QVERIFY(!entry(2)->isBold() && !description().startsWith("Set general options"));
        QVERIFY(pacer.delays.size() == 20 && entry(3)->backgroundColor() == selectionGreen);
    }

    // A mode switch clicked in the middle of a slide runs beside it, each at its own pace (their
    // steps of 10 and 5 ms take turns), and each ends where it would alone.
    void menu_slideAndModeSwitchRunSideBySide() {
        pacer.afterMoves = [&] {
            if (pacer.delays.size() == 4) {
                click(mode(1));
            }
        };
        click(entry(2));
        QCOMPARE(std::vector<int>(pacer.delays.begin() + 3, pacer.delays.begin() + 8),
                 (std::vector<int>{10, 5, 5, 10, 5}));
        QCOMPARE(twipsPos("GamePanel(2)") + twipsPos("ngOpt(1)"), QPoint(120 + 120, 0 + 1440));
    }

    // The hovered menu entry turns bold; the window background takes the bold of the menu and of
    // About away and shows the invitation to select; the menu title forgets the entry, so it turns
    // bold again.
    void menu_hoveredEntryTurnsBold() {
        auto* about = find<ui::ButtonLabel>("lblHelp");
        hover(entry(0));
        hover(about);
        hover(entry(2));
        QVERIFY(!entry(0)->isBold() && entry(2)->isBold() && about->isBold());
        QTest::mouseMove(form.get(), QPoint(2, 2));
        QCOMPARE(description(), pleaseSelect);
        QVERIFY(!entry(2)->isBold() && !about->isBold());
        hover(entry(2)); // the background forgot the entry: it turns bold again
        QVERIFY(entry(2)->isBold());
    }

    // In every view each control hovered shows its sentence in the description line, the one a
    // screen reader hears as its description.
    void views_controlsDescribeThemselves_data() { rows(views); }
    void views_controlsDescribeThemselves() {
        go(views[row()][1]);
        for (const QString& name : QString(views[row()][2]).split(' ')) {
            hover(find(name));
            QCOMPARE(description(), told(find(name))->text(QAccessible::Description));
        }
    }

    // Each sentence is in words of its control's own (the two arrows share theirs), beside the
    // tooltip where the control has one.
    void views_descriptionsInWordsOfTheirOwn() {
        QStringList texts;
        for (const auto& view : views) {
            for (const QString& name : QString(view[2]).split(' ')) {
                texts << told(find(name))->text(QAccessible::Description);
            }
        }
        QVERIFY(texts.first().endsWith("\r\nSo what's the holdup? Click it!!")); // RUN!
        QVERIFY(texts.contains("Type the map to start at here. Maps are: 1-9 = Single Player; 70-79 = Chaos; "
                               "80-86 = CTF; 90-99 = Battle"));
        QCOMPARE(texts.removeDuplicates(), 1);
        QCOMPARE(find("Combo1")->toolTip(), "Change the game type.");
    }

    // After the slide or switch that leads to a view the focus is on a control in view, so typing
    // changes nothing unseen. Tab visits only the controls in view, in the order of the layout, RUN!
    // last, from no control at all and from RUN! starting at the first; each stop is named by a name
    // of its own, not its frame's, and shows its description (or the invitation to select).
    void views_tabVisitsTheControlsInView_data() { rows(views); }
    void views_tabVisitsTheControlsInView() {
        form->activateWindow();
        QTRY_VERIFY(form->isActiveWindow());
        for (const QString& name : QString(views[row()][1]).split(' ', Qt::SkipEmptyParts)) {
            // The focus on the last stop before RUN!, for the switch to take it out of view.
            find("Command1")->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
            go(name);
        }
        QVERIFY(ui::isInView(QApplication::focusWidget()));
        QApplication::focusWidget()->clearFocus();
        QStringList stops;
        do {
            QTest::keyClick(form->windowHandle(), Qt::Key_Tab);
            QWidget* stop = QApplication::focusWidget();
            stops << stop->objectName();
            const QString name = told(stop)->text(QAccessible::Name),
                          own = told(stop)->text(QAccessible::Description);
            const auto* frame = qobject_cast<QGroupBox*>(stop->parentWidget());
            QVERIFY2(!name.isEmpty() && !(frame && frame->title() == name), qPrintable(stop->objectName()));
            if (own.isEmpty()) {
                QCOMPARE(description(), pleaseSelect);
            } else {
                QCOMPARE(description(), own);
            }
        } while (stops.size() < 30 && stops.back() != "Command1");
        QCOMPARE(stops.join(' '), views[row()][3]);
        QTest::keyClick(form->windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), stops.first());
    }

    // --- Add-on files

    // Add lists the bare name of the file picked, after those there, starting in the launcher's
    // folder; a cancel adds nothing. Local files dropped on the list are added the same way; a drag
    // with anything else (text, a web address, a folder) is refused.
    void addons_addAndDropListBareNames() {
        dialogs.fileAnswers = {"d\\x.wad", "/home/p/x.y/maps.wad", QString()};
        for (int i = 0; i < 3; ++i) {
            click(find("Command9"));
        }
        QCOMPARE(dialogs.files.at(0).initialFolder, QCoreApplication::applicationDirPath());
        testsupport::ScratchFolder folder;
        std::ofstream(folder / "a.wad") << "WAD";
        std::ofstream(folder / "my level.wad") << "WAD";
        QVERIFY(drop({local(folder / "a.wad"), local(folder / "my level.wad")}));
        QVERIFY(!drop({}, "levels.wad") && !drop({QUrl("https://example.org/x.wad")}) &&
                !drop({local(folder / "a.wad"), local(folder.path)}));
        // Only on Windows is a backslash a folder separator; elsewhere it belongs to the name.
        QString first = "d\\x.wad";
        if (QDir::separator() == '\\') {
            first = "x.wad";
        }
        QCOMPARE(run(), "klemwin -file " + first + " maps.wad a.wad my level.wad -skin COMET -color 7 ");
    }

    // Delete removes the selected entry only: nothing with none selected, as after a deletion.
    void addons_deleteRemovesTheSelectedEntryOnly() {
        find<QListWidget>("lstWADFiles")->addItems({"a.wad", "b.wad", "c.wad"});
        click(find("Command10")); // nothing selected
        find<QListWidget>("lstWADFiles")->setCurrentRow(1);
        click(find("Command10"));
        click(find("Command10"));
        QCOMPARE(run(), "klemwin -file a.wad c.wad -skin COMET -color 7 ");
    }

    // Alt+D and Alt+A press Delete and Add while they are in view; a screen reader hears what was
    // added; the selection stays.
    void addons_accessKeysWhileInView() {
        auto* list = find<QListWidget>("lstWADFiles");
        list->addItems({"x.wad", "a.wad", "my level.wad"});
        list->setCurrentRow(0);
        dialogs.fileAnswers = {"/x/new.wad"};
        form->activateWindow();
        QTRY_VERIFY(form->isActiveWindow());
        QTest::keyClick(form->windowHandle(), Qt::Key_D, Qt::AltModifier); // as the keyboard delivers keys
        QVERIFY(!find<QAbstractButton>("Command10")->isDown()); // out of view, Delete is not pressed
        click(entry(1));
        QTest::keyClick(form->windowHandle(), Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(list->count(), 2);
        list->setCurrentRow(1);
        QTest::keyClick(form->windowHandle(), Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(list->count(), 3);
        QVERIFY(told(find("announcement"))->role() == QAccessible::Notification && announced() == "new.wad");
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(run(), "klemwin -file a.wad my level.wad new.wad -skin COMET -color 7 ");
    }

    // --- The about window and the eye candy

    // The about window is a dialog with the focus on Close, which Return presses; Escape closes it too.
    void about_closesWithReturnOrEscape() {
        for (const auto key : {Qt::Key_Return, Qt::Key_Escape}) {
            QPointer<frmHelp> about = openAbout();
            QCOMPARE(told(about)->role(), QAccessible::Dialog);
            QTRY_COMPARE(QApplication::focusWidget(), testsupport::control(about, "lblClose"));
            QTest::keyClick(QApplication::focusWidget(), key);
            QTRY_VERIFY(about.isNull());
        }
    }

    // One about window at most, and it has no owner: a second click shows none of its own, and it
    // outlives the main window.
    void about_oneAtMostWithoutOwner() {
        click(find("lblHelp"));
        QPointer<frmHelp> about = openAbout();
        form->close();
        QVERIFY(about->isVisible());
        click(testsupport::control(about, "lblClose"));
        QTRY_VERIFY(about.isNull() && !testsupport::shown<frmHelp>());
    }

    // Its picture is the program's icon, as its window icon is, named for screen readers; it stands
    // where the layout puts it: at the top right, beside the title, inside the window.
    void about_pictureIsTheIconAtTheTopRight() {
        frmHelp* about = openAbout();
        auto* picture = testsupport::control<QLabel>(about, "Picture1");
        QVERIFY(!told(picture)->text(QAccessible::Name).isEmpty());
        QCOMPARE(about->windowIcon().cacheKey(), ui::programIcon().cacheKey());
        QCOMPARE(picture->pixmap().toImage(), ui::programIcon().pixmap(32, 32).toImage());
        QCOMPARE(picture->geometry(), ui::toPixels(ui::TwipsRect{3360, 120, 495, 495}));
        QVERIFY(picture->x() > testsupport::control(about, "Label1")->geometry().right() &&
                about->rect().contains(picture->geometry()));
    }

    // No caption of the main window or of the about window is cut with the fonts in use (ctest runs
    // this again with DejaVu Sans alone).
    void captions_notCutWithTheFontsInUse() {
        frmHelp* about = openAbout();
        for (QWidget* control : form->findChildren<QWidget*>() + about->findChildren<QWidget*>()) {
            const auto [need, room] = needAndRoom(control);
            QVERIFY2(need <= room, qPrintable(control->objectName()));
        }
    }

    // The picture under the menu answers with six jokes in turn; the fifth asks, and its answer
    // decides the follow-up.
    void jokes_sixInTurnTheFifthAsking() {
        dialogs.messageAnswers = {ui::MessageAnswer::Ok, ui::MessageAnswer::Ok, ui::MessageAnswer::Ok,
                                  ui::MessageAnswer::Ok, ui::MessageAnswer::No};
        for (int i = 0; i < 12; ++i) {
            click(find("Image1"));
        }
        QString titles;
        for (const auto& box : dialogs.messages) {
            titles += box.title + " ";
        }
        QCOMPARE(titles, "Poke-a-chu! Peek-a-poke! Coohie-coo! YEOW! Nervous? Hmph! EEK! Poke-a-chu! "
                         "Peek-a-poke! Coohie-coo! YEOW! Nervous? \\/\\/00+! EEK! ");
    }

    // --- The painting

    // The window as painted, at the screen's scale (ctest runs this again at scale 2): the menu
    // and description boxes outlined two pixels wide just inside their rectangles; the connector
    // lines two pixels thick through the middle of theirs; a frame's border one pixel wide through
    // the middle of its caption's row, broken where the caption stands.
    void painting_linesWhereTheLayoutPutsThem() {
        const QImage shot = form->grab().toImage();
        const QColor ink = form->palette().color(QPalette::WindowText);
        const QColor mid = form->palette().color(QPalette::Mid);
        const auto box = [&](const char* name) {
            return QRect(find(name)->mapTo(form.get(), QPoint()), find(name)->size());
        };
        QVERIFY(lineAcross(shot, ink, false, box("Shape1(1)").center().y(), box("Shape1(1)").left(), 2));
        QVERIFY(lineAcross(shot, ink, true, box("Shape1(1)").left() + 12, box("Shape1(1)").top(), 2));
        QVERIFY(lineAcross(shot, ink, false, box("Shape1(0)").center().y(), box("Shape1(0)").right() - 1, 2));
        for (const QRect& line : {box("Line1"), box("Line2")}) {
            QVERIFY(lineAcross(shot, ink, true, line.center().x(), line.top() + line.height() / 2 - 1, 2));
        }
        const QRect panel = box("GamePanel(0)");
        const int border = panel.top() + QFontMetrics(find("GamePanel(0)")->font()).height() / 2;
        QVERIFY(lineAcross(shot, mid, true, panel.right() - 20, border, 1));
        QVERIFY(lineAcross(shot, mid, false, panel.center().y(), panel.left(), 1));
        // The border line runs up to the caption, which stands in it.
        QVERIFY(lineAcross(shot, mid, true, panel.left() + 5, border, 1) &&
                !lineAcross(shot, mid, true, panel.left() + 6, border, 1));
    }

    // The check box with a wrapping caption draws its indicator itself, in the state it is in.
    void painting_wrappingCheckBoxShowsItsState() {
        const QImage unchecked = find("chkAnalog")->grab().toImage();
        find<QCheckBox>("chkAnalog")->setChecked(true);
        QVERIFY(find("chkAnalog")->grab().toImage() != unchecked);
    }

    // The Host card's number boxes, 13 pixels high, have a one-pixel outline and the rest for their
    // text (ctest runs this again at scale 2); a text box without that mark, as a dialog's, keeps the
    // style's own frame.
    void painting_numberBoxesOutlinedByOnePixel() {
        go("spGameOpt(1) frmMulti(1)");
        for (const char* name : {"txtTimelimit", "txtMaxPlayers", "txtMultiMap"}) {
            QVERIFY2(outlinedByOnePixel(find<QLineEdit>(name)), name);
        }
        QVERIFY(!edgesIn(QLineEdit("0.0.0.0").grab().toImage(), form->palette().color(QPalette::Mid)));
    }

    // --- What screen readers see

    // The window is a window, plain containers are panels named only by names of their own (a frame
    // by its caption, not its panel's), the version is text; inputs are heard by their labels'
    // captions, labels without their colon, the slot by a label of its own, the portrait by the
    // character's name and the colour field by the colour's.
    void screenReaders_meetEachControlByRoleAndName() {
        QCOMPARE(told(form.get())->role(), QAccessible::Window);
        for (const char* container : {"Picture1", "ngOpt(0)", "Picture2"}) {
            QVERIFY(told(find(container))->role() == QAccessible::Grouping &&
                    told(find(container))->text(QAccessible::Name).isEmpty());
        }
        QCOMPARE(told(find("lblVersion"))->role(), QAccessible::StaticText);
        QStringList names; // the inputs, a label without its colon, the portrait, a frame
        for (const char* name : {"txtPlayerName", "txtMaxPlayers", "lstWADFiles", "txtWidth", "chkEXE",
                                 "Label6", "imgCharPic", "fraDemo"}) {
            names << told(find(name))->text(QAccessible::Name);
        }
        QCOMPARE(
            names.join('|'),
            "Player Name|Max Players|Include Files|Resolution width|Alternate EXE|Player Name|Comet|Demo");
        QCOMPARE(told(find("Combo3"))->relations(QAccessible::Label).value(0).first->text(QAccessible::Name),
                 "Saved game slot");
        QCOMPARE(told(field())->text(QAccessible::Value), "Blue");
    }

    // The selected menu entry and play mode and the card in front are checked; a screen reader's
    // press chooses them, and the choice is announced.
    void screenReaders_pressChoosesWhatIsChecked() {
        QVERIFY(checked(entry(0)) && checked(mode(0)));
        press(mode(1));
        QTRY_VERIFY(checked(mode(1)) && !checked(mode(0)));
        QVERIFY(announced() == "Multiplayer" && checked(find("frmMulti(0)")) &&
                !checked(find("frmMulti(1)")));
        press(find("frmMulti(1)"));
        QVERIFY(announced() == "Host" && checked(find("frmMulti(1)")) && !checked(find("frmMulti(0)")));
        QVERIFY(form->launchOptions().txtGameType == launch::GameType::Host);
        press(entry(1));
        QTRY_COMPARE(entry(1)->backgroundColor(), selectionGreen);
        QVERIFY(!checked(entry(0)) && checked(entry(1)));
    }

    // What is out of view (the other panels and mode, the card behind) is not showing.
    void screenReaders_missWhatIsOutOfView() {
        click(entry(1));
        QVERIFY(!showing("GamePanel(0)") && showing("GamePanel(1)"));
        click(entry(0));
        go("spGameOpt(1)");
        QVERIFY(!showing("ngOpt(0)") && !showing("txtMaxPlayers"));
        clickCard(1);
        QVERIFY(showing("txtMaxPlayers") && !showing("check2"));
    }

    // --- The Game panel

    // "Multiplayer", hovered, turns bold and describes itself; chosen, it leaves single player
    // unselected; a click on the mode or the card already chosen does nothing.
    void mode_multiplayerChosenOnce() {
        click(mode(0));
        QTest::mouseMove(mode(1));
        click(mode(1));
        QVERIFY(mode(1)->isBold() && mode(0)->backgroundColor() == unselectedWhite);
        QCOMPARE(description(), "Join or host a multiplayer game.");
        const auto steps = pacer.delays.size();
        clickCard(0);
        click(mode(1));
        QCOMPARE(pacer.delays.size(), steps);
    }

    // Join asks for the server's address, proposing the one so far (Cancel gives empty text); the
    // address reaches the line, and screen readers hear it as the value of its field.
    void mode_joinAsksForTheAddress() {
        auto* address = find<ui::ButtonLabel>("lblIPMan");
        go("spGameOpt(1)");
        dialogs.inputAnswers = {"server.example", QString()};
        click(address);
        QCOMPARE(run(), "klemwin -skin COMET -color 7 -connect server.example -name Comet ");
        QCOMPARE(told(address)->text(QAccessible::Value), "server.example");
        click(address);
        QCOMPARE(dialogs.inputs[0].proposed + "|" + dialogs.inputs[1].proposed + address->text(),
                 "0.0.0.0|server.example");
    }

    // The frames slide 120 twips a step, 5 ms each, with the panel locked: an arrow or "Multiplayer"
    // pressed meanwhile, whichever way (mouse, Return, a screen reader), does nothing, even when the
    // press ends after the slide.
    void mode_switchSlidesTheFramesWithThePanelLocked() {
        std::vector<int> single, multi;
        pacer.afterMoves = [&] {
            single.push_back(ui::twipsTop(find("ngOpt(0)")));
            multi.push_back(ui::twipsTop(find("ngOpt(1)")));
            QVERIFY(ui::InputLock::isLocked(find("GamePanel(0)")));
            click(arrow(1));
            QTest::keyClick(arrow(1), Qt::Key_Return);
            if (single.size() == 10) {
                press(arrow(1)); // a screen reader's press: the button comes up after the slide
                mode(1)->click();
            }
        };
        click(mode(1));
        QCOMPARE(pacer.delays, std::vector<int>(54, 5));
        QCOMPARE(single[0] + single[26] + multi[27] + multi[53], 1440 + 4560 + 4560 + 1440);
        QTRY_VERIFY(!find<QAbstractButton>("Command3(1)")->isDown());
        QVERIFY(!ui::InputLock::isLocked(find("GamePanel(0)")) && form->launchOptions().CharIndex == 0);
    }

    // With the program's real timers the switch returns at once and goes on from the event loop, the
    // panel locked until it is over: real clicks on the panel meanwhile (an arrow, a check box)
    // change nothing and leave no button down; afterwards the same click works.
    void mode_switchWithRealTimersLocksThePanel() {
        QVERIFY(openWindow(realPacer));
        click(mode(1));
        QVERIFY(ui::InputLock::isLocked(find("GamePanel(0)")));
        const launch::LaunchOptions during = form->launchOptions();
        click(arrow(1));
        click(find("chkLoad"));
        QVERIFY(form->launchOptions() == during && !find<QAbstractButton>("Command3(1)")->isDown());
        QTRY_VERIFY(!ui::InputLock::isLocked(find("GamePanel(0)")));
        click(arrow(1));
        QCOMPARE(int(form->launchOptions().CharIndex), 1);
    }

    // The cards describe themselves, only the card behind inviting a click, the same invitation a
    // screen reader hears.
    void card_onlyTheCardBehindInvites() {
        go("spGameOpt(1)");
        hoverCard(1);
        QCOMPARE(description(), "Click here to host your own server.");
        QCOMPARE(told(find("frmMulti(1)"))->text(QAccessible::Description), description());
        hoverCard(0);
        QCOMPARE(description(), pleaseSelect);
        clickCard(1);
        hoverCard(0);
        QCOMPARE(description(), "Click here to join another person's server.");
    }

    // The cards trade places in 52 steps of 5 ms; a switch started inside another wins, and a switch
    // to single player made meanwhile keeps single player.
    void card_switchesEndWithTheLastChoiceInFront() {
        go("spGameOpt(1)");
        auto start = pacer.delays.size();
        clickCard(1);
        QCOMPARE(std::vector<int>(pacer.delays.begin() + long(start), pacer.delays.end()),
                 std::vector<int>(52, 5));
        const auto interrupt = [&](const std::function<void()>& click) {
            start = pacer.delays.size();
            pacer.afterMoves = [&, click] {
                if (pacer.delays.size() == start + 10) {
                    click();
                }
            };
            clickCard(0);
        };
        interrupt([&] { clickCard(1); });
        QVERIFY(form->launchOptions().txtGameType == launch::GameType::Host);
        QCOMPARE(twipsPos("frmMulti(1)"), QPoint(240, 672));
        interrupt([&] { click(mode(0)); });
        QCOMPARE(run(), "klemwin -skin COMET -color 7 ");
        click(mode(1));
        QVERIFY(form->launchOptions().txtGameType == launch::GameType::Join);
    }

    void character_arrowsStepAndSlide_data() { rows(steps); }
    void character_arrowsStepAndSlide() {
        const auto& [tag, before, typed, pressed, after, rest, slide, skinAndColor] = steps[row()];
        for (const char* k = before; *k != '\0'; ++k) {
            click(arrow(*k - '0'));
        }
        const auto start = long(pacer.delays.size());
        find<QLineEdit>("txtPlayerName")->setText(typed);
        if (pressed == 1) {
            QTest::keyClick(arrow(1), Qt::Key_Return);
        } else {
            click(arrow(0));
        }
        QCOMPARE(find<QLineEdit>("txtPlayerName")->text(), after);
        QCOMPARE(find("imgCharPic")->x(), rest);
        QCOMPARE(std::vector<int>(pacer.delays.begin() + start, pacer.delays.end()),
                 std::vector<int>(slide, 10));
        // The portrait is named after the character, which a screen reader hears when it changes, as
        // the description line shows it.
        const QString name = told(find("imgCharPic"))->text(QAccessible::Name).toUpper() + " ";
        QVERIFY(QString(skinAndColor).startsWith(name) && announced().startsWith(name));
        QVERIFY(description().startsWith(name.trimmed() + "\r\n"));
        QCOMPARE(description().replace("\r\n", " "), announced());
        QCOMPARE(run(), "klemwin -skin " + QString(skinAndColor) + " ");
    }

    // The colour field, in the character's blue, opens no picker in single player, nor pressed
    // during a slide, even when the press ends after it; in multiplayer it opens the picker right on
    // top of itself, and a click on it with the picker open gives a fresh one, which has the focus.
    void color_pickerOnTheFieldInMultiplayerOnly() {
        QCOMPARE(field()->backgroundColor(), QColor(0x00, 0x00, 0xFF));
        click(field());
        QVERIFY(!testsupport::shown<frmColor>());
        click(mode(1));
        pacer.afterMoves = [&] {
            press(field());
        };
        click(arrow(0)); // the portrait slides even at the first character
        QTRY_VERIFY(!field()->isDown());
        QVERIFY(!testsupport::shown<frmColor>());
        click(field());
        QPointer<frmColor> first = testsupport::shown<frmColor>();
        QCOMPARE(first->mapToGlobal(QPoint(0, 0)), field()->mapToGlobal(QPoint(0, 0)));
        click(field());
        QTRY_VERIFY(first.isNull() &&
                    testsupport::shown<frmColor>()->isAncestorOf(QApplication::focusWidget()));
    }

    // A pick reaches the game; a mode switch repaints the field in the character's colour but keeps
    // the number; an arrow, even at the end of the list, resets both.
    void color_pickKeptBySwitchesResetByArrows() {
        go("spGameOpt(1)");
        click(field());
        QPointer<frmColor> picker = testsupport::shown<frmColor>();
        click(picker->childAt(30, 7 * 16 + 8)); // the eighth swatch from the top
        QTRY_VERIFY(picker.isNull() && field()->backgroundColor() == QColor(0x00, 0x00, 0xC0));
        QCOMPARE(run(), "klemwin -skin COMET -color 8 -connect  -name Comet ");
        click(mode(0));
        QCOMPARE(field()->backgroundColor(), QColor(0x00, 0x00, 0xF0)); // Comet's blue
        QCOMPARE(run(), "klemwin -skin COMET -color 8 ");
        click(arrow(0));
        QCOMPARE(colorNumber(), "7");
    }

    // Another window taking the focus, or a click elsewhere in the window, closes the picker without a
    // pick; the click does what it hits.
    void color_focusOrClickElsewhereClosesThePicker() {
        go("spGameOpt(1)");
        click(field());
        QPointer<frmColor> picker = testsupport::shown<frmColor>();
        {
            QWidget elsewhere; // another window takes the focus
            elsewhere.show();
            elsewhere.activateWindow();
            QTRY_VERIFY(picker.isNull());
        }
        form->activateWindow();
        QTRY_VERIFY(form->isActiveWindow());
        click(field());
        picker = testsupport::shown<frmColor>();
        click(mode(0));
        QVERIFY(picker.isNull() || picker->isHidden());
        QCOMPARE(run(), "klemwin -skin COMET -color 7 ");
    }

    // By keys: the picker opens on the swatch of the colour chosen, the arrows move, Return picks and
    // Escape closes without a pick, either giving the focus back to the control that had it; the
    // field's value is the colour's name. Return first, so that Escape meets a colour picked.
    void color_pickerByKeys() {
        go("spGameOpt(1)");
        find("Command1")->setFocus();
        for (const auto key : {Qt::Key_Return, Qt::Key_Escape}) {
            field()->click(); // as a screen reader presses it, the focus staying where it is
            QPointer<frmColor> picker = testsupport::shown<frmColor>();
            QTRY_COMPARE(QApplication::focusWidget(),
                         testsupport::control(picker, "lblColor(" + colorNumber() + ")"));
            QTest::keySequence(picker, QKeySequence(Qt::Key_Down, Qt::Key_Up, Qt::Key_Right));
            QTest::keyClick(QApplication::focusWidget(), key);
            QTRY_VERIFY(picker.isNull() && QApplication::focusWidget() == find("Command1"));
        }
        QVERIFY(told(field())->text(QAccessible::Value) == "Dark Blue" && colorNumber() == "8");
    }
};

int main(int argc, char** argv) {
    return testsupport::runGuiTests<MainWindowTest>(argc, argv);
}

#include "MainWindowTest.moc"
