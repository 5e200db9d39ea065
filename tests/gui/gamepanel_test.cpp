// The Game panel: play mode and multiplayer kind, server address, character and colour.
#include "ButtonLabel.h"
#include "InputLock.h"
#include "MainForm.h"
#include "frmColor.h"
#include "guiFixtures.h"
#include "twips.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

#include <memory>

using testsupport::InstantPacer;
using testsupport::RecordingStarter;
using testsupport::ScriptedDialogs;

namespace {

const QColor green(0x00, 0xFF, 0x00);

QPoint twipsPos(const QWidget* w) {
    return {ui::twipsLeft(w), ui::twipsTop(w)};
}

// Clicks whatever the user would hit at `pos` of `container`: the topmost control there.
void clickAt(QWidget* container, const QPoint& pos) {
    QWidget* target = container->childAt(pos);
    if (!target) {
        target = container;
    }
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(container, pos));
}

void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

QList<frmColor*> openPickers() {
    QList<frmColor*> pickers;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* picker = qobject_cast<frmColor*>(w); picker && picker->isVisible()) {
            pickers.append(picker);
        }
    }
    return pickers;
}

} // namespace

class GamePanelTest : public testsupport::WindowTest {
    Q_OBJECT

    std::string run() {
        click(form->Command1);
        return starter.calls.empty() ? std::string() : starter.calls.back().line;
    }

    // The Host card lies behind the Join card: its visible strip is above the Join card.
    void clickCard(int k) {
        QGroupBox* card = form->frmMulti[k];
        clickAt(form->ngOpt[1], card->geometry().topLeft() + QPoint(card->width() / 2, 5));
    }

    void chooseMultiplayer() { click(form->spGameOpt[1]); }

private slots:
    void init() { QVERIFY(openWindow()); }

    void cleanup() {
        closeWindow();
        QTRY_VERIFY(openPickers().isEmpty());
    }

    void mode_followsTheClicks() {
        chooseMultiplayer();
        QCOMPARE(form->txtGameType, QStringLiteral("Join"));
        QCOMPARE(form->spGameOpt[1]->backgroundColor(), green);
        QCOMPARE(form->spGameOpt[0]->backgroundColor(), QColor(Qt::white));
        clickCard(1);
        QCOMPARE(form->txtGameType, QStringLiteral("Host"));
        click(form->spGameOpt[0]);
        QCOMPARE(form->txtGameType, QStringLiteral("Single"));
        QCOMPARE(form->txtMultiType, QStringLiteral("Host"));
        chooseMultiplayer();
        QCOMPARE(form->txtGameType, QStringLiteral("Host"));
    }

    void mode_switchSlidesTheOptionFramesAndLocksThePanel() {
        std::vector<QPoint> single, multi;
        bool alwaysLocked = true;
        pacer.afterMoves = [&] {
            single.push_back(twipsPos(form->ngOpt[0]));
            multi.push_back(twipsPos(form->ngOpt[1]));
            alwaysLocked = alwaysLocked && ui::InputLock::isLocked(form->GamePanel[0]);
        };
        chooseMultiplayer();
        QCOMPARE(pacer.steps, 54);
        QCOMPARE(pacer.delays, std::vector<int>(54, 5));
        QVERIFY(alwaysLocked);
        QVERIFY(!ui::InputLock::isLocked(form->GamePanel[0]));
        QCOMPARE(single[0], QPoint(120, 1440));
        QCOMPARE(single[26], QPoint(120, 4560));
        QCOMPARE(multi[27], QPoint(120, 4560));
        QCOMPARE(multi[53], QPoint(120, 1440));
        QCOMPARE(form->CurMode, std::int16_t(1));
    }

    void mode_andCard_clickOnTheSelectedOneDoesNothing() {
        click(form->spGameOpt[0]);
        QCOMPARE(pacer.steps, 0);
        QCOMPARE(form->txtGameType, QStringLiteral("Single"));
        chooseMultiplayer();
        const int steps = pacer.steps;
        clickCard(0);
        click(form->spGameOpt[1]);
        QCOMPARE(pacer.steps, steps);
        QCOMPARE(form->txtGameType, QStringLiteral("Join"));
    }

    void mode_arrowsAndSwatchIgnoredDuringASwitch() {
        pacer.afterMoves = [&] {
            if (pacer.steps == 30) {
                click(form->Command3[1]);
                click(form->lblColor);
                click(form->spGameOpt[0]);
            }
        };
        chooseMultiplayer();
        QCOMPARE(form->CharIndex, std::uint8_t(0));
        QVERIFY(openPickers().isEmpty());
        QCOMPARE(pacer.steps, 54);
        QCOMPARE(form->txtGameType, QStringLiteral("Join"));
    }

    void mode_switchRepaintsTheSwatchButKeepsTheNumber() {
        chooseMultiplayer();
        form->colorPicked(8, QColor(0x00, 0x00, 0xC0));
        click(form->spGameOpt[0]);
        QCOMPARE(form->lblColor->backgroundColor(), QColor(0x00, 0x00, 0xF0));
        QCOMPARE(form->lblColor2, QStringLiteral("8"));
        QCOMPARE(run(), std::string("klemwin -skin COMET -color 8 "));
    }

    void mode_withTheRealPacerEveryStepWaits() {
        ui::RealPacer realPacer;
        MainForm window(ui::Platform{dialogs, starter, realPacer});
        window.show();
        QElapsedTimer clock;
        clock.start();
        click(window.spGameOpt[1]);
        QVERIFY2(clock.elapsed() >= 54 * 5, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(window.txtGameType, QStringLiteral("Join"));
    }

    void launch_joinAndHostLinesByClicking() {
        chooseMultiplayer();
        dialogs.inputAnswers.push_back(QStringLiteral("192.168.0.10"));
        click(form->lblIPMan);
        click(form->check2);
        QCOMPARE(run(),
                 std::string("klemwin -skin COMET -color 7 -connect 192.168.0.10 -nofiles -name Comet "));

        form->lstWADFiles->addItem(QStringLiteral("levels.wad"));
        click(form->check2);
        clickCard(1);
        QCOMPARE(
            run(),
            std::string("klemwin -file levels.wad -skin COMET -color 7 -maxplayers 2 -warp 90 -gametype 1 "
                        "-noadvertise -server 1 -notime -timer 5 -name Comet "));
    }

    void card_switchEndsWithTheChosenCardInFront() {
        chooseMultiplayer();
        const int before = pacer.steps;
        clickCard(1);
        QCOMPARE(pacer.steps - before, 22 + 6 + 3 + 21);
        QCOMPARE(twipsPos(form->frmMulti[1]), QPoint(240, 672));
        QCOMPARE(twipsPos(form->frmMulti[0]), QPoint(120, 480));
        QCOMPARE(form->CurMultiType, std::int16_t(1));
        // Where the cards overlap, the Host card is the one under the pointer.
        const QPoint overlap = form->frmMulti[1]->geometry().center();
        QVERIFY(form->frmMulti[1]->isAncestorOf(form->ngOpt[1]->childAt(overlap)) ||
                form->ngOpt[1]->childAt(overlap) == form->frmMulti[1]);
        QCOMPARE(form->lblDesc->text(), form->lblDesc->text()); // description untouched by a switch

        clickCard(0);
        QCOMPARE(twipsPos(form->frmMulti[0]), QPoint(240, 672));
        QCOMPARE(twipsPos(form->frmMulti[1]), QPoint(120, 480));
        QCOMPARE(form->txtGameType, QStringLiteral("Join"));
    }

    void card_secondSwitchInsideTheFirstEndsConsistent() {
        chooseMultiplayer();
        bool nested = false;
        pacer.afterMoves = [&] {
            if (!nested && form->CurMultiType == 1 && pacer.steps > 54 + 10) {
                nested = true;
                form->frmMulti_Click(0);
            }
        };
        clickCard(1);
        QVERIFY(nested);
        QCOMPARE(form->CurMultiType, std::int16_t(0));
        QCOMPARE(form->txtMultiType, QStringLiteral("Join"));
        QCOMPARE(form->txtGameType, QStringLiteral("Join"));
        QCOMPARE(twipsPos(form->frmMulti[0]), QPoint(240, 672));
        QCOMPARE(twipsPos(form->frmMulti[1]), QPoint(120, 480));
    }

    void card_switchToSinglePlayerDuringACardSwitchStaysSingle() {
        chooseMultiplayer();
        bool switched = false;
        pacer.afterMoves = [&] {
            if (!switched && form->CurMultiType == 1) {
                switched = true;
                click(form->spGameOpt[0]);
            }
        };
        clickCard(1);
        QVERIFY(switched);
        QCOMPARE(form->CurMode, std::int16_t(0));
        QCOMPARE(form->txtGameType, QStringLiteral("Single"));
        QCOMPARE(form->txtMultiType, QStringLiteral("Host"));
        QCOMPARE(run(), std::string("klemwin -skin COMET -color 7 "));
    }

    void hover_modeLabelsAndCards() {
        QTest::mouseMove(form->spGameOpt[1]);
        QVERIFY(form->spGameOpt[1]->isBold());
        QVERIFY(form->ModeBold);
        QCOMPARE(form->lblDesc->text(), QStringLiteral("Join or host a multiplayer game."));
        QTest::mouseMove(form->spGameOpt[0]);
        QVERIFY(!form->spGameOpt[1]->isBold());
        QVERIFY(form->spGameOpt[0]->isBold());
        QCOMPARE(form->lblDesc->text(), QStringLiteral("Start up a new single player game."));
        form->spGameOpt_MouseMove(-1, 0, 0, 0, 0);
        QCOMPARE(form->ModeHover, std::int16_t(-1));
        QVERIFY(form->spGameOpt[0]->isBold());

        chooseMultiplayer();
        form->frmMulti_MouseMove(1, 0, 0, 0, 0);
        QCOMPARE(form->lblDesc->text(), QStringLiteral("Click here to host your own server."));
        form->frmMulti_MouseMove(0, 0, 0, 0, 0);
        QCOMPARE(form->lblDesc->text(), QStringLiteral("Please select an option"));
        clickCard(1);
        QTest::mouseMove(form->frmMulti[0], QPoint(form->frmMulti[0]->width() / 2, 3));
        QCOMPARE(form->lblDesc->text(), QStringLiteral("Click here to join another person's server."));
    }

    void address_promptAnswersBecomeLabelAndAddress() {
        QVERIFY(form->HostAddress.isEmpty());
        chooseMultiplayer();
        QCOMPARE(run(), std::string("klemwin -skin COMET -color 7 -connect  -name Comet "));

        dialogs.inputAnswers.push_back(QStringLiteral("server.example"));
        click(form->lblIPMan);
        QCOMPARE(dialogs.inputs.size(), size_t(1));
        QCOMPARE(dialogs.inputs[0].prompt,
                 QStringLiteral("Enter the IP / Address of the game server below..."));
        QCOMPARE(dialogs.inputs[0].title, QStringLiteral("Manual connection"));
        QCOMPARE(dialogs.inputs[0].proposed, QStringLiteral("0.0.0.0"));
        QCOMPARE(form->lblIPMan->text(), QStringLiteral("server.example"));
        QCOMPARE(form->HostAddress, QStringLiteral("server.example"));

        dialogs.inputAnswers.push_back(QString()); // Cancel
        click(form->lblIPMan);
        QCOMPARE(dialogs.inputs[1].proposed, QStringLiteral("server.example"));
        QCOMPARE(form->lblIPMan->text(), QString());
        QCOMPARE(form->HostAddress, QString());
        dialogs.inputAnswers.push_back(QStringLiteral(""));
        click(form->lblIPMan);
        QCOMPARE(dialogs.inputs[2].proposed, QString());
        QCOMPARE(form->HostAddress, QString());
    }

    void character_nameFollowsAndPortraitRests() {
        struct Step {
            int arrow;
            const char* name;
            int rest;
            const char* skin;
        };
        const Step steps[] = {{1, "Whirl", -47, "WHIRL"},
                              {1, "Rockclaw", -95, "ROCKCLAW"},
                              {0, "Whirl", -49, "WHIRL"},
                              {0, "Comet", 0, "COMET"}};
        for (const auto& s : steps) {
            click(form->Command3[s.arrow]);
            QCOMPARE(form->txtPlayerName->text(), QString::fromLatin1(s.name));
            QCOMPARE(form->imgCharPic->x(), s.rest);
            QCOMPARE(
                QString::fromStdString(run()),
                QStringLiteral("klemwin -skin %1 -color %2 ").arg(QLatin1String(s.skin), form->lblColor2));
        }
        QCOMPARE(form->lblDesc->text(),
                 QStringLiteral("COMET\r\nThe only and only Gold Streak. Fast and furious!"));
    }

    void character_slideIsOnePixelPerTenMillisecondsWithThePanelLocked() {
        std::vector<int> positions;
        bool locked = true;
        pacer.afterMoves = [&] {
            positions.push_back(form->imgCharPic->x());
            locked = locked && ui::InputLock::isLocked(form->GamePanel[0]);
        };
        click(form->Command3[1]);
        QCOMPARE(positions.size(), size_t(48)); // 0, -1, ..., -47
        QCOMPARE(positions.front(), 0);
        QCOMPARE(positions.back(), -47);
        QCOMPARE(pacer.delays, std::vector<int>(48, 10));
        QVERIFY(locked);
        QCOMPARE(form->lblDesc->text(),
                 QStringLiteral("WHIRL\r\nComet's flightworthy friend. Slow but easy to control."));
        QCOMPARE(form->lblColor->backgroundColor(), QColor(0xFF, 0xA5, 0x00));
        QCOMPARE(form->lblColor2, QStringLiteral("5"));
    }

    void character_nameRuleComparesUpperCasedDefaultsOnly() {
        form->txtPlayerName->setText(QStringLiteral("cOmEt"));
        click(form->Command3[1]);
        QCOMPARE(form->txtPlayerName->text(), QStringLiteral("Whirl"));
        form->txtPlayerName->setText(QStringLiteral("Rockclaw"));
        click(form->Command3[0]); // to character 0: only "WHIRL" is replaced
        QCOMPARE(form->txtPlayerName->text(), QStringLiteral("Rockclaw"));
        form->txtPlayerName->setText(QStringLiteral("Zed"));
        click(form->Command3[1]);
        QCOMPARE(form->txtPlayerName->text(), QStringLiteral("Zed"));
    }

    void character_clickAtTheEndStillResetsTheColour() {
        chooseMultiplayer();
        form->colorPicked(8, QColor(0x00, 0x00, 0xC0));
        pacer.steps = 0;
        click(form->Command3[0]);
        QCOMPARE(form->CharIndex, std::uint8_t(0));
        QCOMPARE(form->lblColor2, QStringLiteral("7"));
        QCOMPARE(form->lblColor->backgroundColor(), QColor(0x00, 0x00, 0xF0));
        QCOMPARE(form->imgCharPic->x(), 0);
        QCOMPARE(pacer.steps, 1); // at rest one pixel short of the target, one more step to 0
    }

    void color_noPickerInSinglePlayer() {
        click(form->lblColor);
        QVERIFY(openPickers().isEmpty());
        chooseMultiplayer();
        click(form->spGameOpt[0]);
        click(form->lblColor);
        QVERIFY(openPickers().isEmpty());
    }

    void color_pickerOpensOnTheFieldAndAPickReachesTheGame() {
        chooseMultiplayer();
        click(form->lblColor);
        QCOMPARE(openPickers().size(), 1);
        frmColor* picker = openPickers().front();
        QCOMPARE(picker->geometry().topLeft(), form->lblColor->mapToGlobal(QPoint(0, 0)));
        QTRY_VERIFY(picker->isActiveWindow());

        QPointer<frmColor> gone = picker;
        click(picker->lblColor[8]);
        QTRY_VERIFY(gone.isNull());
        QCOMPARE(form->lblColor2, QStringLiteral("8"));
        QCOMPARE(form->lblColor->backgroundColor(), QColor(0x00, 0x00, 0xC0));
        QCOMPARE(run(), std::string("klemwin -skin COMET -color 8 -connect  -name Comet "));

        click(form->Command3[1]);
        click(form->Command3[0]);
        QCOMPARE(form->lblColor2, QStringLiteral("7"));
        QCOMPARE(form->lblColor->backgroundColor(), QColor(0x00, 0x00, 0xF0));
    }

    void color_focusLossClosesWithoutChange() {
        chooseMultiplayer();
        click(form->lblColor);
        QPointer<frmColor> picker = openPickers().value(0);
        QVERIFY(picker);
        QTRY_VERIFY(picker->isActiveWindow());
        form->activateWindow();
        QTRY_VERIFY(picker.isNull());
        QCOMPARE(form->lblColor2, QStringLiteral("7"));
        QCOMPARE(form->lblColor->backgroundColor(), QColor(0x00, 0x00, 0xF0)); // as the mode switch left it
    }

    void color_swatchClickWithThePickerOpenGivesOneFreshPicker() {
        chooseMultiplayer();
        click(form->lblColor);
        QPointer<frmColor> first = openPickers().value(0);
        QTRY_VERIFY(first && first->isActiveWindow());
        click(form->lblColor); // takes the focus from the picker and is then handled as usual
        QTRY_VERIFY(first.isNull());
        QCOMPARE(openPickers().size(), 1);
        QVERIFY(openPickers().front() != first.data());
    }
};

int main(int argc, char** argv) {
    return testsupport::runGuiTests<GamePanelTest>(argc, argv);
}

#include "gamepanel_test.moc"
