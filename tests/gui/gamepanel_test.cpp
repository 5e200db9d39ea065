// The Game panel: play mode and multiplayer kind, server address, character and colour.
#include "ButtonLabel.h"
#include "InputLock.h"
#include "frmColor.h"
#include "guiFixtures.h"
#include "twips.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

using testsupport::click;

namespace {

QPoint twipsPos(const QWidget* w) {
    return {ui::twipsLeft(w), ui::twipsTop(w)};
}

const QColor cometBlue(0x00, 0x00, 0xF0);

} // namespace

class GamePanelTest : public testsupport::WindowTest {
    Q_OBJECT

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

    // Single player, Join (with the address prompt) and Host reach the line; a click on the mode
    // or the card already chosen does nothing.
    void mode_followsTheClicksIntoTheLine() {
        click(form->spGameOpt[0]);
        click(form->spGameOpt[1]);
        QCOMPARE(form->spGameOpt[0]->backgroundColor(), unselectedWhite);
        QCOMPARE(run(), std::string("klemwin -skin COMET -color 7 -connect  -name Comet "));
        dialogs.inputAnswers = {QStringLiteral("server.example"), QString()};
        click(form->lblIPMan);
        QCOMPARE(dialogs.inputs[0].proposed, QStringLiteral("0.0.0.0"));
        QCOMPARE(run(), std::string("klemwin -skin COMET -color 7 -connect server.example -name Comet "));
        click(form->lblIPMan); // Cancel gives empty text
        QCOMPARE(dialogs.inputs[1].proposed + "|" + form->lblIPMan->text(),
                 QStringLiteral("server.example|"));
        const auto steps = pacer.delays.size();
        clickCard(0);
        click(form->spGameOpt[1]);
        QCOMPARE(pacer.delays.size(), steps);
        clickCard(1);
        QCOMPARE(run(), std::string("klemwin -skin COMET -color 7 -maxplayers 2 -warp 90 -gametype 1 "
                                    "-noadvertise -server 1 -notime -timer 5 -name Comet "));
        click(form->spGameOpt[0]);
        QCOMPARE(run(), std::string("klemwin -skin COMET -color 7 "));
        click(form->spGameOpt[1]); // back to the kind chosen last
        QCOMPARE(form->txtGameType, QStringLiteral("Host"));
    }

    // The frames slide 120 twips a step, 5 ms each, with the panel locked: the arrows, the colour
    // field and the mode buttons do nothing meanwhile. The real pacer waits each step out.
    void mode_switchSlidesTheFramesWithThePanelLocked() {
        std::vector<int> single, multi;
        pacer.afterMoves = [&] {
            single.push_back(ui::twipsTop(form->ngOpt[0]));
            multi.push_back(ui::twipsTop(form->ngOpt[1]));
            QVERIFY(ui::InputLock::isLocked(form->GamePanel[0]));
            if (pacer.delays.size() == 30) {
                click(form->Command3[1]);
                click(form->lblColor);
                click(form->spGameOpt[0]);
            }
        };
        click(form->spGameOpt[1]);
        QCOMPARE(pacer.delays, std::vector<int>(54, 5));
        QCOMPARE(single[0] + single[26] + multi[27] + multi[53], 1440 + 4560 + 4560 + 1440);
        QVERIFY(!ui::InputLock::isLocked(form->GamePanel[0]) && !form->colorPicker);
        QCOMPARE(form->txtPlayerName->text() + form->txtGameType, QStringLiteral("CometJoin"));

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
        QCOMPARE(twipsPos(form->frmMulti[1]), QPoint(240, 672));
        QCOMPARE(twipsPos(form->frmMulti[0]), QPoint(120, 480));
        QWidget* hit = form->ngOpt[1]->childAt(form->frmMulti[1]->geometry().center());
        QVERIFY(form->frmMulti[1]->isAncestorOf(hit));
        start = pacer.delays.size();
        pacer.afterMoves = [&] {
            if (pacer.delays.size() == start + 10) {
                form->frmMulti_Click(1);
            }
        };
        clickCard(0);
        QCOMPARE(form->txtMultiType + form->txtGameType, QStringLiteral("HostHost"));
        QCOMPARE(twipsPos(form->frmMulti[1]), QPoint(240, 672));
        start = pacer.delays.size();
        pacer.afterMoves = [&] {
            if (pacer.delays.size() == start + 10) {
                click(form->spGameOpt[0]);
            }
        };
        clickCard(0);
        QCOMPARE(form->txtMultiType, QStringLiteral("Join"));
        QCOMPARE(run(), std::string("klemwin -skin COMET -color 7 "));
    }

    // The hovered mode turns bold; only the card behind invites a click.
    void hover_modeButtonsAndCards() {
        QTest::mouseMove(form->spGameOpt[1]);
        QTest::mouseMove(form->spGameOpt[0]);
        QVERIFY(!form->spGameOpt[1]->isBold() && form->spGameOpt[0]->isBold());
        QCOMPARE(form->lblDesc->text(), QStringLiteral("Start up a new single player game."));
        form->spGameOpt_MouseMove(-1, 0, 0, 0, 0); // forgets, changes nothing on screen
        QVERIFY(form->spGameOpt[0]->isBold());
        click(form->spGameOpt[1]);
        form->frmMulti_MouseMove(1, 0, 0, 0, 0);
        QCOMPARE(form->lblDesc->text(), QStringLiteral("Click here to host your own server."));
        form->frmMulti_MouseMove(0, 0, 0, 0, 0);
        QCOMPARE(form->lblDesc->text(), QStringLiteral("Please select an option"));
        clickCard(1);
        form->frmMulti_MouseMove(0, 0, 0, 0, 0);
        QCOMPARE(form->lblDesc->text(), QStringLiteral("Click here to join another person's server."));
    }

    // Each arrow steps one character, without wrapping, and slides the portrait strip one pixel
    // per 10 ms step with the panel locked, to rest one pixel short of its target. The name
    // follows only while it is, in any case, another character's own name.
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
        pacer = {};
        pacer.afterMoves = [&] {
            QVERIFY(ui::InputLock::isLocked(form->GamePanel[0]));
        };
        click(form->Command3[1]);
        QCOMPARE(pacer.delays, std::vector<int>(48, 10)); // from 0 to -47
        QCOMPARE(form->lblDesc->text(),
                 QStringLiteral("WHIRL\r\nComet's flightworthy friend. Slow but easy to control."));
        QCOMPARE(form->lblColor->backgroundColor(), QColor(0xFF, 0xA5, 0x00));
    }

    // In multiplayer mode the field opens the picker right on top of itself; a pick reaches the
    // game, a click on the field with the picker open gives a fresh one, and losing the focus
    // closes it without a change.
    void color_pickerOnTheFieldInMultiplayerOnly() {
        click(form->lblColor);
        QVERIFY(!form->colorPicker);
        click(form->spGameOpt[1]);
        click(form->lblColor);
        QPointer<frmColor> picker = form->colorPicker;
        QCOMPARE(picker->geometry().topLeft(), form->lblColor->mapToGlobal(QPoint(0, 0)));
        click(picker->lblColor[8]);
        QTRY_VERIFY(picker.isNull());
        QCOMPARE(form->lblColor->backgroundColor(), QColor(0x00, 0x00, 0xC0));
        QCOMPARE(run(), std::string("klemwin -skin COMET -color 8 -connect  -name Comet "));

        click(form->lblColor);
        picker = form->colorPicker;
        QTRY_VERIFY(picker->isActiveWindow());
        click(form->lblColor);
        QTRY_VERIFY(picker.isNull());
        picker = form->colorPicker;
        QTRY_VERIFY(picker->isActiveWindow());
        form->activateWindow();
        QTRY_VERIFY(picker.isNull());
        QCOMPARE(form->lblColor2, QStringLiteral("8"));

        // A mode switch repaints the field in the character's colour but keeps the number; an
        // arrow, even at the end of the list, resets both.
        click(form->spGameOpt[0]);
        QCOMPARE(form->lblColor->backgroundColor(), cometBlue);
        QCOMPARE(run(), std::string("klemwin -skin COMET -color 8 "));
        click(form->Command3[0]);
        QCOMPARE(form->lblColor2, QStringLiteral("7"));
    }
};

int main(int argc, char** argv) {
    return testsupport::runGuiTests<GamePanelTest>(argc, argv);
}

#include "gamepanel_test.moc"
