// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: start-up, the menu, RUN! and Copy Command Line, the max-players check, add-on
// files, the description line, the about window, the eye candy and what screen readers see; on the
// Game panel the play mode and multiplayer kind, the server address, character and colour.
#include "ButtonLabel.h"
#include "InputLock.h"
#include "LaunchOptions.h"
#include "WrappingCheckBox.h"
#include "controls.h"
#include "frmColor.h"
#include "frmHelp.h"
#include "guiFixtures.h"
#include "standinRecord.h"
#include "style.h"
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
#include <filesystem>
#include <fstream>
#include <numeric>

namespace fs = std::filesystem;
using Reason = launch::StartFailure::Reason;
using testsupport::click;
using testsupport::hover;

namespace {

const QString pleaseSelect = QStringLiteral("Please select an option");

// Every control that describes itself, by where it is shown: the Game panel in single player
// (with the window around the panels), the Join card, the Host card and the other three panels.
// Every view of the window: the controls that describe themselves there (in the first, with the
// window's own), and the controls Tab stops at, in order: the Game panel in single player, with
// the Join card and with the Host card in front, the WAD Files, Main Options and Network Options
// panels. The two demo option buttons are one stop, as a group of option buttons is.
const std::pair<const char*, const char*> views[] = {
    {"Command1 Image1 lblDesc lblVersion Command3(0) Command3(1) Picture2 lblColor chkLoad lblHelp "
     "lblMainMenu(1) lblMainMenu(2)",
     "Command3(0) Command3(1) chkLoad Combo3 Command1"},
    {"txtPlayerName lblIPMan check2 Check3",
     "Command3(0) Command3(1) txtPlayerName Combo2 check2 Check3 Command1"},
    {"txtTimelimit txtMaxPlayers txtMultiMap",
     "Command3(0) Command3(1) txtPlayerName Combo1 txtTimelimit txtMaxPlayers txtMultiMap Command1"},
    {"lstWADFiles Command9 Command10 txtUserSkin", "lstWADFiles Command9 Command10 txtUserSkin Command1"},
    {"chkOpenGL chkWindowed chkManualRes txtWidth txtHeight chkEXE txtEXE chkHighTime chkJoystick chkAnalog "
     "chkSplitScreen chkDemo optDemoPlay optDemoRecord txtDemo txtManualOps",
     "chkOpenGL chkWindowed chkManualRes txtWidth txtHeight chkEXE txtEXE chkHighTime chkJoystick chkAnalog "
     "chkSplitScreen chkDemo optDemoPlay txtDemo lstSound txtManualOps Command1"},
    {"chkNoSpecRings chkSuddenDeath chkAutoCTF chkForceSkin chkNoAdvance chkNoAdvertise",
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

} // namespace

class MainWindowTest : public testsupport::WindowTest {
    Q_OBJECT

    ui::RealPacer realPacer; // the program's own clock, for the test of real timing

    ui::ButtonLabel* entry(int k) { return find<ui::ButtonLabel>(QStringLiteral("lblMainMenu(%1)").arg(k)); }
    ui::ButtonLabel* mode(int k) { return find<ui::ButtonLabel>(QStringLiteral("spGameOpt(%1)").arg(k)); }
    QWidget* arrow(int k) { return find(QStringLiteral("Command3(%1)").arg(k)); }
    QString description() { return find<QLabel>("lblDesc")->text(); }
    void clickCard(int k) { testsupport::clickCard(form.get(), k); }
    QPoint twipsPos(const char* name) { return {ui::twipsLeft(find(name)), ui::twipsTop(find(name))}; }
    // What screen readers are told about a control.
    QAccessibleInterface* told(QWidget* control) { return QAccessible::queryAccessibleInterface(control); }
    // Presses a control as a screen reader does: no mouse event comes, so no input lock swallows one.
    void press(QWidget* c) {
        told(c)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
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

    std::string run() {
        click(find("Command1"));
        return starter.calls.back().line;
    }

private slots:
    void init() {
        testsupport::failOnAnyWarning();
        QVERIFY(openWindow());
    }
    void cleanup() { form.reset(); }

    // What every control holds right after start-up, seen in the lines it gives: each row starts
    // from a fresh window and switches on only what shows the values named. Then:
    void run_startValuesReachTheLine() {
        const QString host =
            "klemwin -skin COMET -color 7 -maxplayers 2 -warp 90 -gametype 1 -noadvertise%1 -server "
            "1 -notime -timer 5 -name Comet ";
        const std::pair<const char*, QString> rows[] = {
            {"", "klemwin -skin COMET -color 7 "},
            {"chkLoad", "klemwin -loadgame 0"},
            {"chkDemo optDemoPlay", "klemwin -playdemo  -skin COMET -color 7 "},
            {"spGameOpt(1) chkDemo chkManualRes chkEXE",
             "klemwin -width 1024 -height 768 -skin COMET -color 7 -connect  -name Comet "},
            {"spGameOpt(1) frmMulti(1)", host.arg("")},
            {"spGameOpt(1) frmMulti(1) chkPassword chkTeamBattle", host.arg(" -password  -teamplay")}};
        for (const auto& [switchedOn, line] : rows) {
            QVERIFY(openWindow());
            for (const QString& name : QString(switchedOn).split(' ', Qt::SkipEmptyParts)) {
                if (name.startsWith("frmMulti")) {
                    clickCard(1);
                } else if (auto* label = qobject_cast<ui::ButtonLabel*>(find(name))) {
                    label->click();
                } else {
                    find<QAbstractButton>(name)->setChecked(true);
                }
            }
            QCOMPARE(QString::fromStdString(run()), line);
        }
        // Hosting, as the last row left it: what the controls hold at the moment of the click reaches
        // the line: a number box keeps two characters, a list's entries and positions count, a slot
        // typed over is no position, a saved game starts minimised.
        QCOMPARE(find<QComboBox>("lstSound")->currentText() + "|" + find<QComboBox>("Combo2")->currentText(),
                 QStringLiteral("Ogg Music (w/ SFX)|None"));
        find<QLineEdit>("txtTimelimit")->setText(QStringLiteral("915"));
        find<QListWidget>("lstWADFiles")->addItems({"a.wad", "b c.wad"});
        find<QComboBox>("lstSound")->setCurrentIndex(4);
        find<QComboBox>("Combo1")->setCurrentIndex(3);
        find<QCheckBox>("chkNoAdvertise")->setChecked(false);
        const std::string options = "klemwin -usecd -nosound -file a.wad b c.wad";
        QCOMPARE(run(), options +
                            " -skin COMET -color 7 -maxplayers 2 -warp 90 -gametype 3 -password  -teamplay "
                            "-server 1 -notime -timer 91 -name Comet ");
        find<QCheckBox>("chkLoad")->setChecked(true);
        find<QComboBox>("Combo3")->lineEdit()->setText(QStringLiteral("9")); // typed over: no position
        QCOMPARE(run(), options + " -loadgame -1");
        QCOMPARE(starter.calls.back().style, launch::WindowStyle::Minimized);
    }

    // Enter in the max-players box checks for a number from 0 to 255. RUN! and Copy Command Line
    // compose the same line, and both refuse a max-players text that is no number, each saying
    // what it did not do; a failed start is shown as the starter tells it.
    void maxPlayers_enterRunAndCopy() {
        auto* box = find<QLineEdit>("txtMaxPlayers");
        for (const auto& [text, complaints] : {std::pair{"2", 0}, {"99", 0}, {"", 1}, {"ab", 2}, {"-1", 3}}) {
            box->setText(QString::fromLatin1(text));
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(dialogs.messages.size(), size_t(complaints));
        }
        QCOMPARE(dialogs.messages[0].title + "|" + dialogs.messages[0].text,
                 QStringLiteral("Bogus!|Please enter a number"));
        dialogs.messages.clear();
        click(mode(1));
        clickCard(1);
        copyCommandLine();
        QTest::keyClick(find("Command1"), Qt::Key_Return); // Return and Space press a button as a click does
        QCOMPARE(QString::fromStdString(starter.calls.at(0).line), QGuiApplication::clipboard()->text());
        box->setText(QStringLiteral("ab"));
        QGuiApplication::clipboard()->clear();
        copyCommandLine();
        QTest::keyClick(find("Command1"), Qt::Key_Space);
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty() && starter.calls.size() == 1);
        QCOMPARE(dialogs.messages.size(), size_t(2));
        QVERIFY(dialogs.messages[0].text.startsWith("Nothing was copied: \"Max Players:\" holds \"ab\""));
        click(mode(0));
        // A failed start is told as the starter says why, every reason in words of its own.
        QSet<QString> told;
        for (int reason = 0; reason <= int(Reason::Refused); ++reason) {
            starter.result = launch::failedStart(Reason(reason), "klemwin", "it is late");
            starter.result.failure.folders = {"/games", "/usr/bin"};
            click(find("Command1"));
            told << dialogs.messages.back().title + ": " + dialogs.messages.back().text;
        }
        QCOMPARE(told.size(), int(Reason::Refused) + 1);
        QVERIFY(told.contains("Cannot start the game: Could not start the game klemwin: it is late.") &&
                told.values().join('|').contains("Looked in:\n  /games\n  /usr/bin\n"));
    }

    // A menu entry slides its panel into view in 20 steps of 10 ms, with the entries disabled
    // meanwhile, for the pointer too and for a screen reader's press that ends then; the selected
    // entry is green and its picture shows. The selected one does nothing.
    void menu_slidesThePanelsAndBack() {
        click(entry(0));
        QVERIFY(pacer.delays.empty());
        QSignalSpy released(entry(1), &QAbstractButton::clicked); // as the screen reader's press ends
        pacer.afterMoves = [&] {
            QVERIFY(!entry(0)->isEnabled());
            QTRY_VERIFY(!released.isEmpty());
            hover(entry(2)); // disabled: it does not answer the pointer
        };
        press(entry(1));
        click(entry(3));
        QCOMPARE(pacer.delays, std::vector<int>(20, 10));
        QVERIFY(!entry(2)->isBold() && !description().startsWith("Set general options"));
        QCOMPARE(twipsPos("GamePanel(3)"), QPoint(3960 - 20 * 193, 4560 - 20 * 228));
        QCOMPARE(find<ui::PictureButton>("Image1")->pixmap().toImage(),
                 ui::picture(QStringLiteral(":/pictures/menu-network.jpg")).toImage());
        QVERIFY(entry(0)->isEnabled() && entry(0)->backgroundColor() == unselectedWhite &&
                entry(3)->backgroundColor() == selectionGreen);
        click(entry(1));
        click(entry(0));
        QCOMPARE(twipsPos("GamePanel(3)"), QPoint(3960, 4560));
        // A mode switch clicked in the middle of a slide runs beside it, each at its own pace (their
        // steps of 10 and 5 ms take turns), and each ends where it would alone.
        const auto clicked = long(pacer.delays.size()) + 4;
        pacer.afterMoves = [&] {
            if (pacer.delays.size() == size_t(clicked)) {
                click(mode(1));
            }
        };
        click(entry(2));
        QCOMPARE(std::vector<int>(pacer.delays.begin() + clicked - 1, pacer.delays.begin() + clicked + 4),
                 (std::vector<int>{10, 5, 5, 10, 5}));
        QCOMPARE(twipsPos("GamePanel(2)") + twipsPos("ngOpt(1)"), QPoint(120 + 120, 0 + 1440));
    }

    // The hovered menu entry turns bold; the window background takes the bold of the menu and of About away;
    // the menu title forgets the entry, so it turns bold again. In every view each control describes itself,
    // in words of its own (the two arrows share theirs), beside the tooltip where it has one; Tab visits only
    // the controls in view, in the order of the layout, RUN! last; after a slide or a switch the focus is on
    // a control in view, so typing changes nothing unseen.
    void views_describeAndTabInView() {
        form->activateWindow();
        QTRY_VERIFY(form->isActiveWindow());
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
        QStringList texts, named;
        for (int place = 0; place < 6; ++place) {
            if (place > 2) {
                click(entry(place - 2));
            } else if (place > 0) {
                click(mode(1));
                clickCard(place - 1);
            }
            QVERIFY(ui::isInView(QApplication::focusWidget()));
            for (const QString& name : QString::fromLatin1(views[place].first).split(QLatin1Char(' '))) {
                hover(find(name));
                texts << description();
                // A screen reader hears the same sentence as its description.
                QCOMPARE(told(find(name))->text(QAccessible::Description), texts.back());
            }
            QStringList stops;
            // From RUN!, or from no control at all, Tab goes to the first stop.
            if (place % 2) {
                find("Command1")->setFocus();
            } else {
                QApplication::focusWidget()->clearFocus();
            }
            do {
                QTest::keyClick(form->windowHandle(), Qt::Key_Tab);
                QWidget* stop = QApplication::focusWidget();
                stops << stop->objectName();
                // Each stop by a name of its own, not its frame's; the keyboard shows its description.
                const QAccessibleInterface* spoken = told(stop);
                const auto* frame = qobject_cast<QGroupBox*>(stop->parentWidget());
                QVERIFY2(!spoken->text(QAccessible::Name).isEmpty() &&
                             !(frame && frame->title() == spoken->text(QAccessible::Name)),
                         qPrintable(stop->objectName()));
                named << stop->objectName() + "=" + spoken->text(QAccessible::Name);
                if (spoken->text(QAccessible::Description).isEmpty()) {
                    QCOMPARE(description(), pleaseSelect);
                } else {
                    QCOMPARE(description(), spoken->text(QAccessible::Description));
                }
            } while (stops.size() < 30 && stops.back() != "Command1");
            QCOMPARE(stops.join(' '), QString::fromLatin1(views[place].second));
            // The focus on the last control before RUN!, for the next view to take it away.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        }
        QVERIFY(named.contains("txtPlayerName=Player Name") && named.contains("txtMaxPlayers=Max Players") &&
                named.contains("lstWADFiles=Include Files") && named.contains("txtWidth=Resolution width") &&
                named.contains("chkEXE=Alternate EXE"));
        QVERIFY(texts.first().endsWith("\r\nSo what's the holdup? Click it!!")); // RUN!
        QVERIFY(texts.contains("Type the map to start at here. Maps are: 1-9 = Single Player; 70-79 = Chaos; "
                               "80-86 = CTF; 90-99 = Battle"));
        QCOMPARE(texts.removeDuplicates(), 1);
        QCOMPARE(find("Combo1")->toolTip(), QStringLiteral("Change the game type."));
    }

    // Add lists the bare name of the file picked, after those there, starting in the launcher's
    // folder; a cancel adds nothing. Local files dropped on the list are added the same way; a
    // drag with anything else (text, a web address, a folder) is refused. Delete removes the
    // selected entry only. Alt+D and Alt+A press the buttons, while they are in view.
    void addons_addDropAndDelete() {
        auto* list = find<QListWidget>("lstWADFiles");
        dialogs.fileAnswers = {"d\\x.wad", "/home/p/x.y/maps.wad", QString()};
        for (int i = 0; i < 3; ++i) {
            click(find("Command9"));
        }
        // Only on Windows is a backslash a folder separator; elsewhere it belongs to the name.
        QString first = QStringLiteral("d\\x.wad");
        if (QDir::separator() == '\\') {
            first = QStringLiteral("x.wad");
        }
        QCOMPARE(list->item(0)->text(), first);
        QCOMPARE(dialogs.files.at(0).initialFolder, QCoreApplication::applicationDirPath());
        testsupport::ScratchFolder folder;
        std::ofstream(folder / "a.wad") << "WAD";
        std::ofstream(folder / "my level.wad") << "WAD";
        QVERIFY(drop({local(folder / "a.wad"), local(folder / "my level.wad")}));
        QVERIFY(!drop({}, QStringLiteral("levels.wad")) && !drop({QUrl("https://example.org/x.wad")}) &&
                !drop({local(folder / "a.wad"), local(folder.path)}));
        click(find("Command10")); // nothing selected
        list->setCurrentRow(1);
        click(find("Command10"));
        click(find("Command10"));
        list->setCurrentRow(0);
        dialogs.fileAnswers = {QStringLiteral("/x/new.wad")};
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
        // A screen reader hears what was added; the selection stays.
        QCOMPARE(told(find("announcement"))->role(), QAccessible::Notification);
        QCOMPARE(told(find("announcement"))->text(QAccessible::Name), QStringLiteral("new.wad"));
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(run(), std::string("klemwin -file a.wad my level.wad new.wad -skin COMET -color 7 "));
    }

    // One about window at most; it has no owner, so it outlives the main window, and shows the
    // program's icon. No caption of the two windows is cut with the fonts in use (ctest runs this
    // again with DejaVu Sans alone). Screen readers see the button labels and the arrows as buttons,
    // named by their caption, and press them; the about window's icon and the portrait have names
    // too, and every input its label's.
    void about_captionsScreenReadersAndJokes() {
        click(find("lblHelp"));
        QPointer<frmHelp> about = testsupport::shown<frmHelp>();
        // A dialog with the focus on Close, which Return presses; Escape closes it too.
        QCOMPARE(told(about)->role(), QAccessible::Dialog);
        for (const auto key : {Qt::Key_Return, Qt::Key_Escape}) {
            QTRY_COMPARE(QApplication::focusWidget(), testsupport::control(about, "lblClose"));
            QTest::keyClick(QApplication::focusWidget(), key);
            QTRY_VERIFY(about.isNull());
            click(find("lblHelp"));
            about = testsupport::shown<frmHelp>();
        }
        click(find("lblHelp"));
        for (QWidget* control : form->findChildren<QWidget*>() + about->findChildren<QWidget*>()) {
            const auto [need, room] = needAndRoom(control);
            QVERIFY2(need <= room, qPrintable(control->objectName())); // no caption cut with the fonts in use
        }
        form->close();
        QVERIFY(about->isVisible());
        auto* picture = testsupport::control<QLabel>(about, "Picture1");
        QVERIFY(!told(picture)->text(QAccessible::Name).isEmpty());
        QCOMPARE(about->windowIcon().cacheKey(), ui::programIcon().cacheKey());
        QCOMPARE(picture->pixmap().toImage(), ui::programIcon().pixmap(32, 32).toImage());
        // The picture stands where the layout puts it: at the top right, beside the title, inside the window.
        QCOMPARE(picture->geometry(), ui::toPixels(ui::TwipsRect{3360, 120, 495, 495}));
        QVERIFY(picture->x() > testsupport::control(about, "Label1")->geometry().right() &&
                about->rect().contains(picture->geometry()));
        click(testsupport::control(about, "lblClose"));
        QCOMPARE(told(find("imgCharPic"))->text(QAccessible::Name), QStringLiteral("Comet"));
        // The picture under the menu answers with six jokes in turn; the fifth asks, and its answer
        // decides the follow-up.
        dialogs.messageAnswers = {ui::MessageAnswer::Ok, ui::MessageAnswer::Ok, ui::MessageAnswer::Ok,
                                  ui::MessageAnswer::Ok, ui::MessageAnswer::No};
        for (int i = 0; i < 12; ++i) {
            click(find("Image1"));
        }
        QCOMPARE(
            std::accumulate(dialogs.messages.begin(), dialogs.messages.end(), QString(),
                            [](const QString& titles, const auto& box) { return titles + box.title + " "; }),
            QStringLiteral("Poke-a-chu! Peek-a-poke! Coohie-coo! YEOW! Nervous? Hmph! EEK! Poke-a-chu! "
                           "Peek-a-poke! Coohie-coo! YEOW! Nervous? \\/\\/00+! EEK! "));
        press(entry(1));
        QTRY_COMPARE(entry(1)->backgroundColor(), selectionGreen);
        QTRY_VERIFY(about.isNull() && !testsupport::shown<frmHelp>()); // there was no second one
    }

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
        // The check box with a wrapping caption draws its indicator itself, in the state it is in.
        const QImage unchecked = find("chkAnalog")->grab().toImage();
        find<QCheckBox>("chkAnalog")->setChecked(true);
        QVERIFY(find("chkAnalog")->grab().toImage() != unchecked);
    }

    // The Host card's number boxes, 13 pixels high, have a one-pixel outline and the rest for their
    // text (ctest runs this again at scale 2); a text box without that mark, as a dialog's, keeps the
    // style's own frame.
    void painting_numberBoxesOutlinedByOnePixel() {
        click(mode(1));
        clickCard(1);
        for (const char* name : {"txtTimelimit", "txtMaxPlayers", "txtMultiMap"}) {
            QVERIFY2(outlinedByOnePixel(find<QLineEdit>(name)), name);
        }
        QVERIFY(!edgesIn(QLineEdit("0.0.0.0").grab().toImage(), form->palette().color(QPalette::Mid)));
    }

    // Screen readers meet what the player sees: the window is a window, plain containers are panels
    // named only by names of their own, the version is text; the selected menu entry and play mode and
    // the card in front are checked; a card's press brings it to the front; what is out of view (the
    // other panels and mode, the card behind) is not showing; labels are heard without their colon,
    // the slot by a label of its own, the colour field by the colour's name.
    void screenReaders_meetWhatThePlayerSees() {
        QCOMPARE(told(form.get())->role(), QAccessible::Window);
        QCOMPARE(told(find("fraDemo"))->text(QAccessible::Name), QStringLiteral("Demo")); // not its panel's
        for (const char* container : {"Picture1", "ngOpt(0)", "Picture2"}) {
            QVERIFY(told(find(container))->role() == QAccessible::Grouping &&
                    told(find(container))->text(QAccessible::Name).isEmpty());
        }
        QCOMPARE(told(find("lblVersion"))->role(), QAccessible::StaticText);
        QCOMPARE(told(find("Label6"))->text(QAccessible::Name), QStringLiteral("Player Name"));
        QCOMPARE(told(find("Combo3"))->relations(QAccessible::Label).value(0).first->text(QAccessible::Name),
                 QStringLiteral("Saved game slot"));
        QCOMPARE(told(find("lblColor"))->text(QAccessible::Value), QStringLiteral("Blue"));
        QVERIFY(told(entry(0))->state().checked && told(mode(0))->state().checked);
        click(entry(1));
        QVERIFY(!told(entry(0))->state().checked && told(entry(1))->state().checked);
        QVERIFY(told(find("GamePanel(0)"))->state().invisible &&
                !told(find("GamePanel(1)"))->state().invisible);
        click(entry(0));
        press(mode(1));
        QTRY_VERIFY(told(mode(1))->state().checked && !told(mode(0))->state().checked);
        QCOMPARE(told(find("announcement"))->text(QAccessible::Name), QStringLiteral("Multiplayer"));
        QVERIFY(told(find("ngOpt(0)"))->state().invisible && told(find("txtMaxPlayers"))->state().invisible);
        QVERIFY(told(find("frmMulti(0)"))->state().checked && !told(find("frmMulti(1)"))->state().checked);
        QCOMPARE(told(find("frmMulti(1)"))->text(QAccessible::Description),
                 QStringLiteral("Click here to host your own server."));
        press(find("frmMulti(1)"));
        QCOMPARE(told(find("announcement"))->text(QAccessible::Name), QStringLiteral("Host"));
        QVERIFY(told(find("frmMulti(1)"))->state().checked && !told(find("frmMulti(0)"))->state().checked);
        QVERIFY(!told(find("txtMaxPlayers"))->state().invisible && told(find("check2"))->state().invisible);
        QVERIFY(form->launchOptions().txtGameType == launch::GameType::Host);
    }

    // --- The Game panel

    // Single player, Join (with the address prompt: Cancel gives empty text; screen readers hear the
    // address as the description of its field) and Host reach the line; a click on the mode or the card
    // already chosen does nothing; the mode and the cards describe themselves, only the card behind inviting
    // a click.
    void mode_followsTheClicksIntoTheLine() {
        auto* address = find<ui::ButtonLabel>("lblIPMan");
        click(mode(0));
        QTest::mouseMove(mode(1));
        click(mode(1));
        QVERIFY(mode(1)->isBold() && mode(0)->backgroundColor() == unselectedWhite);
        QCOMPARE(description(), QStringLiteral("Join or host a multiplayer game."));
        dialogs.inputAnswers = {QStringLiteral("server.example"), QString()};
        click(address);
        QCOMPARE(run(), std::string("klemwin -skin COMET -color 7 -connect server.example -name Comet "));
        QCOMPARE(told(address)->text(QAccessible::Value), "server.example");
        click(address);
        QCOMPARE(dialogs.inputs[0].proposed + "|" + dialogs.inputs[1].proposed + address->text(),
                 QStringLiteral("0.0.0.0|server.example"));
        const auto steps = pacer.delays.size();
        clickCard(0);
        click(mode(1));
        QCOMPARE(pacer.delays.size(), steps);
        testsupport::clickCard(form.get(), 1, QTest::MouseMove);
        QCOMPARE(description(), QStringLiteral("Click here to host your own server."));
        testsupport::clickCard(form.get(), 0, QTest::MouseMove);
        QCOMPARE(description(), pleaseSelect);
        clickCard(1);
        testsupport::clickCard(form.get(), 0, QTest::MouseMove);
        QCOMPARE(description(), QStringLiteral("Click here to join another person's server."));
        click(mode(0));
        QCOMPARE(run(), std::string("klemwin -skin COMET -color 7 "));
    }

    // The frames slide 120 twips a step, 5 ms each, with the panel locked: an arrow or
    // "Multiplayer" pressed meanwhile, whichever way (mouse, Return, a screen reader), does nothing,
    // even when the press ends after the slide.
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

    // The cards trade places in 52 steps; a switch started inside another wins, and a switch to
    // single player made meanwhile keeps single player.
    void card_switchesEndWithTheLastChoiceInFront() {
        click(mode(1));
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
        QCOMPARE(run(), std::string("klemwin -skin COMET -color 7 "));
        click(mode(1));
        QVERIFY(form->launchOptions().txtGameType == launch::GameType::Join);
    }

    // Each arrow steps one character, without wrapping, and slides the portrait strip one pixel
    // per 10 ms step, to rest one pixel short of its target. The name follows only while it is,
    // in any case, another character's own name.
    void character_arrowsStepAndSlide() {
        // The arrow, the name typed before, the name after, where the strip rests, the skin and colour.
        const std::tuple<int, const char*, const char*, int, const char*> steps[] = {
            {0, "Comet", "Comet", 0, "COMET -color 7"},
            {1, "cOmEt", "Whirl", -47, "WHIRL -color 5"},
            {1, "Whirl", "Rockclaw", -95, "ROCKCLAW -color 6"},
            {1, "Zed", "Zed", -95, "ROCKCLAW -color 6"},
            {0, "ROCKCLAW", "Whirl", -49, "WHIRL -color 5"},
            {0, "Rockclaw", "Rockclaw", 0, "COMET -color 7"}};
        for (const auto& [pressed, typed, after, rest, skinAndColor] : steps) {
            find<QLineEdit>("txtPlayerName")->setText(QString::fromLatin1(typed));
            // The right arrow by key, the left one by the pointer.
            if (pressed) {
                QTest::keyClick(arrow(pressed), Qt::Key_Return);
            } else {
                click(arrow(pressed));
            }
            QCOMPARE(find<QLineEdit>("txtPlayerName")->text(), QString::fromLatin1(after));
            QCOMPARE(find("imgCharPic")->x(), rest);
            // The portrait is named after the character, which a screen reader hears when it changes.
            const QString name = told(find("imgCharPic"))->text(QAccessible::Name);
            QVERIFY(QString::fromLatin1(skinAndColor).startsWith(name.toUpper() + " "));
            QVERIFY(told(find("announcement"))->text(QAccessible::Name).startsWith(name.toUpper() + " "));
            QCOMPARE(run(), "klemwin -skin " + std::string(skinAndColor) + " ");
        }
        QCOMPARE(pacer.delays, std::vector<int>(1 + 48 + 49 + 1 + 47 + 50, 10)); // a pixel a step
        QCOMPARE(description(), QStringLiteral("COMET\r\nThe only and only Gold Streak. Fast and furious!"));
    }

    // In multiplayer mode the field opens the picker right on top of itself; a pick reaches the
    // game, a click on the field with the picker open gives a fresh one, and another window taking
    // the focus or a click elsewhere closes it without a change. A mode switch repaints the field in the
    // character's colour but keeps the number; an arrow, even at the end of the list, resets both.
    void color_pickerOnTheFieldInMultiplayerOnly() {
        auto* field = find<ui::ButtonLabel>("lblColor");
        const auto picker = testsupport::shown<frmColor>;
        QCOMPARE(field->backgroundColor(), QColor(0x00, 0x00, 0xFF));
        click(field);
        QVERIFY(!picker());
        click(mode(1));
        // From here on the field is also pressed during every slide, which ignores it.
        pacer.afterMoves = [&] {
            press(field);
        };
        click(arrow(0)); // the portrait slides even at the first character
        QTRY_VERIFY(!field->isDown());
        QVERIFY(!picker());
        click(field);
        QPointer<frmColor> first = picker();
        QCOMPARE(first->mapToGlobal(QPoint(0, 0)), field->mapToGlobal(QPoint(0, 0)));
        click(first->childAt(30, 7 * 16 + 8)); // the eighth swatch from the top
        QTRY_VERIFY(first.isNull() && field->backgroundColor() == QColor(0x00, 0x00, 0xC0));
        QCOMPARE(run(), std::string("klemwin -skin COMET -color 8 -connect  -name Comet "));
        click(field);
        first = picker();
        click(field); // a fresh picker takes the place of the first
        QPointer<frmColor> fresh = picker();
        QTRY_VERIFY(first.isNull() && fresh->isAncestorOf(QApplication::focusWidget()));
        {
            QWidget elsewhere; // another window takes the focus
            elsewhere.show();
            elsewhere.activateWindow();
            QTRY_VERIFY(fresh.isNull());
        }
        form->activateWindow();
        QTRY_VERIFY(form->isActiveWindow());
        click(field);
        fresh = picker();
        click(mode(0)); // a click elsewhere in the window closes the picker and does what it hits
        QVERIFY(fresh.isNull() || fresh->isHidden());
        QCOMPARE(field->backgroundColor(), QColor(0x00, 0x00, 0xF0)); // Comet's blue
        QCOMPARE(run(), std::string("klemwin -skin COMET -color 8 "));
        click(arrow(0));
        QCOMPARE(form->launchOptions().lblColor2, std::string("7"));
        click(mode(1));
        // By keys: the picker opens on the swatch of the colour chosen, the arrows move, Return picks and
        // Escape closes without a pick, either giving the focus back to the control that had it; the
        // field's value is the colour's name.
        find("Command1")->setFocus();
        for (const auto key : {Qt::Key_Return, Qt::Key_Escape}) {
            field->click(); // as a screen reader presses it, the focus staying where it is
            QPointer<frmColor> byKeys = picker();
            const QString chosen = QString::fromStdString(form->launchOptions().lblColor2);
            QTRY_COMPARE(QApplication::focusWidget(),
                         testsupport::control(byKeys, "lblColor(" + chosen + ")"));
            QTest::keySequence(byKeys, QKeySequence(Qt::Key_Down, Qt::Key_Up, Qt::Key_Right));
            QTest::keyClick(QApplication::focusWidget(), key);
            QTRY_VERIFY(byKeys.isNull() && QApplication::focusWidget() == find("Command1"));
        }
        QCOMPARE(told(field)->text(QAccessible::Value), QStringLiteral("Dark Blue"));
        QCOMPARE(form->launchOptions().lblColor2, std::string("8"));
    }
};

int main(int argc, char** argv) {
    return testsupport::runGuiTests<MainWindowTest>(argc, argv);
}

#include "MainWindowTest.moc"
