// The main window: start-up state, menu slide and hover, run button, max-players check, close.
#include "ButtonLabel.h"
#include "MainForm.h"
#include "Pacer.h"
#include "commandLine.h"
#include "frmColor.h"
#include "guiFixtures.h"
#include "standinRecord.h"
#include "twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

#include <filesystem>
#include <memory>

using launch::WindowStyle;
using testsupport::InstantPacer;
using testsupport::RecordingStarter;
using testsupport::ScriptedDialogs;

namespace {

const QColor green(0x00, 0xFF, 0x00);
const QColor white(0xFF, 0xFF, 0xFF);

QPoint panelTwips(const QWidget* panel) {
    return {ui::twipsLeft(panel), ui::twipsTop(panel)};
}

void hover(QWidget* widget) {
    QTest::mouseMove(widget, widget->rect().center());
}

} // namespace

class MainFormTest : public testsupport::WindowTest {
    Q_OBJECT

    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }

private slots:
    void init() { QVERIFY(openWindow()); }

    void cleanup() {
        closeWindow();
        QVERIFY(QApplication::topLevelWidgets().isEmpty() ||
                std::none_of(QApplication::topLevelWidgets().cbegin(), QApplication::topLevelWidgets().cend(),
                             [](const QWidget* w) { return w->isVisible(); }));
    }

    void window_isFixedAndNamed() {
        QCOMPARE(form->windowTitle(), QStringLiteral("Orbitron Launcher v. 2.4.1"));
        QCOMPARE(form->size(), QSize(414, 390));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(form->findChild<QWidget*>(QStringLiteral("lblMainMenu(2)")) == form->lblMainMenu[2]);
        QVERIFY(form->findChild<QWidget*>(QStringLiteral("txtMaxPlayers")) == form->txtMaxPlayers);
    }

    void startUp_arrangesPanelsListsAndMenu() {
        QCOMPARE(panelTwips(form->GamePanel[0]), QPoint(120, 0));
        QCOMPARE(panelTwips(form->GamePanel[1]), QPoint(3960, 0));
        QCOMPARE(panelTwips(form->GamePanel[2]), QPoint(120, 4560));
        QCOMPARE(panelTwips(form->GamePanel[3]), QPoint(3960, 4560));
        // Only panel 0 lies inside the viewport; the multiplayer options lie below its panel.
        const QRect viewport = form->Picture1->rect();
        QVERIFY(viewport.contains(form->GamePanel[0]->geometry()));
        // The grid's columns are 3960 twips apart and the viewport 3975 wide: one pixel of the
        // next column's edge shows, no more.
        QVERIFY(viewport.intersected(form->GamePanel[1]->geometry()).width() <= 1);
        QVERIFY(!viewport.intersects(form->GamePanel[2]->geometry()));
        QVERIFY(!viewport.intersects(form->GamePanel[3]->geometry()));
        QCOMPARE(ui::twipsTop(form->ngOpt[1]), 4560);
        QVERIFY(!form->GamePanel[0]->rect().intersects(form->ngOpt[1]->geometry()));
        QVERIFY(form->GamePanel[0]->rect().contains(form->ngOpt[0]->geometry()));

        QCOMPARE(form->lstSound->currentText(), QStringLiteral("Ogg Music (w/ SFX)"));
        QCOMPARE(form->Combo1->currentText(), QStringLiteral("Deathmatch"));
        QCOMPARE(form->Combo2->currentText(), QStringLiteral("None"));
        QCOMPARE(form->Combo3->currentText(), QStringLiteral("0"));
        QCOMPARE(form->lstTeamBattle->currentIndex(), 0);
        QCOMPARE(form->Skins, (std::array<QString, 3>{"COMET", "WHIRL", "ROCKCLAW"}));

        QCOMPARE(form->lblMainMenu[0]->backgroundColor(), green);
        for (int k = 1; k < 4; ++k) {
            QVERIFY(form->lblMainMenu[k]->backgroundColor() != green);
            QVERIFY(!form->lblMainMenu[k]->isBold());
        }
        QCOMPARE(form->MenuHover, std::int16_t(-1));
        QCOMPARE(form->CurPanel, std::int16_t(0));
        QCOMPARE(form->lblDesc->text(), QStringLiteral("Please select an option"));
        QCOMPARE(form->Image1->pixmap().toImage(), form->stashedPicture(0).toImage());
        QCOMPARE(form->txtGameType, QStringLiteral("Single"));
        QCOMPARE(form->txtMultiType, QStringLiteral("Join"));
        QCOMPARE(form->lblColor2, QStringLiteral("7"));
    }

    void startUp_hiddenControlsStayHidden() {
        for (QWidget* hidden :
             {static_cast<QWidget*>(form->chkPassword), static_cast<QWidget*>(form->txtPassword),
              static_cast<QWidget*>(form->chkTeamBattle), static_cast<QWidget*>(form->lstTeamBattle)}) {
            QVERIFY(!hidden->isVisible());
            QVERIFY(!hidden->isEnabled());
        }
        for (auto* picture : form->imgStashed) {
            QVERIFY(!picture->isVisible());
        }
        QVERIFY(form->chkNoAdvertise->isChecked());
    }

    void run_atStartUpStartsTheSinglePlayerLine() {
        click(form->Command1);
        QCOMPARE(starter.calls.size(), size_t(1));
        QCOMPARE(starter.calls[0].line, std::string("klemwin -skin COMET -color 7 "));
        QCOMPARE(starter.calls[0].style, WindowStyle::Normal);
        click(form->Command1);
        QCOMPARE(starter.calls.size(), size_t(2));
        QVERIFY(dialogs.messages.empty());
    }

    void run_savedGameIsMinimised() {
        form->chkLoad->setChecked(true);
        form->Combo3->setCurrentIndex(2);
        click(form->Command1);
        QCOMPARE(starter.calls.size(), size_t(1));
        QCOMPARE(starter.calls[0].line, std::string("klemwin -loadgame 2"));
        QCOMPARE(starter.calls[0].style, WindowStyle::Minimized);
    }

    void run_typedOverSlotIsNoPosition() {
        form->chkLoad->setChecked(true);
        form->Combo3->lineEdit()->selectAll();
        QTest::keyClicks(form->Combo3->lineEdit(), "9");
        click(form->Command1);
        QCOMPARE(starter.calls.at(0).line, std::string("klemwin -loadgame -1"));
    }

    void run_readsTheControlsAtTheMomentOfTheClick() {
        form->chkOpenGL->setChecked(true);
        QTest::keyClicks(form->txtManualOps, "-warp 3");
        form->lstWADFiles->addItems({"a.wad", "b c.wad"});
        form->lstSound->setCurrentIndex(7);
        click(form->Command1);
        QCOMPARE(starter.calls.at(0).line, std::string("klemwin -nodigmusic -nomusic -nosound -file a.wad b "
                                                       "c.wad -opengl -skin COMET -color 7 -warp 3"));
        // Nothing of the launch changes a setting.
        QVERIFY(form->chkOpenGL->isChecked());
        QCOMPARE(form->lstWADFiles->count(), 2);
    }

    void run_invalidMaxPlayersStartsNothingAndSaysSo() {
        form->txtGameType = QStringLiteral("Host");
        form->txtMaxPlayers->setText(QStringLiteral("ab"));
        click(form->Command1);
        QVERIFY(starter.calls.empty());
        QCOMPARE(dialogs.messages.size(), size_t(1));
        QVERIFY(dialogs.messages[0].text.contains(QStringLiteral("\"ab\"")));
        QCOMPARE(form->txtMaxPlayers->text(), QStringLiteral("ab"));
    }

    void run_failedStartShowsWhatWasLookedFor() {
        starter.result = {false, "Could not start the game: no program named \"klemwin\" was found."};
        click(form->Command1);
        QCOMPARE(dialogs.messages.size(), size_t(1));
        QCOMPARE(dialogs.messages[0].text, QString::fromStdString(starter.result.error));
        QCOMPARE(dialogs.messages[0].icon, ui::MessageIcon::Stop);
    }

    void maxPlayersEnter_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("complains");
        QTest::newRow("2") << "2" << false;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("40") << "40" << false;
        QTest::newRow("99") << "99" << false;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("ab") << "ab" << true;
        QTest::newRow("-1") << "-1" << true;
    }

    void maxPlayersEnter() {
        QFETCH(QString, text);
        QFETCH(bool, complains);
        form->txtMaxPlayers->setText(text);
        QTest::keyClick(form->txtMaxPlayers, Qt::Key_Return);
        QCOMPARE(dialogs.messages.size(), size_t(complains ? 1 : 0));
        if (complains) {
            const auto& box = dialogs.messages[0];
            QCOMPARE(box.title, QStringLiteral("Bogus!"));
            QCOMPARE(box.text, QStringLiteral("Please enter a number"));
            QCOMPARE(box.icon, ui::MessageIcon::Stop);
            QCOMPARE(box.buttons, ui::MessageButtons::Ok);
        }
        QCOMPARE(form->txtMaxPlayers->text(), text);
    }

    void maxPlayers_otherKeysAreNeverCheckedAndTwoCharactersFit() {
        form->txtMaxPlayers->clear();
        QTest::keyClicks(form->txtMaxPlayers, "a7x");
        QVERIFY(dialogs.messages.empty());
        QCOMPARE(form->txtMaxPlayers->text(), QStringLiteral("a7"));
        for (QLineEdit* box : {form->txtTimelimit, form->txtMultiMap}) {
            box->clear();
            QTest::keyClicks(box, "123");
            QCOMPARE(box->text(), QStringLiteral("12"));
        }
    }

    void menu_clickOnTheSelectedEntryDoesNothing() {
        const QImage picture = form->Image1->pixmap().toImage();
        click(form->lblMainMenu[0]);
        QCOMPARE(pacer.steps, 0);
        QCOMPARE(form->lblMainMenu[0]->backgroundColor(), green);
        QCOMPARE(form->Image1->pixmap().toImage(), picture);
    }

    void menu_slidesOneColumnAndBackExactly() {
        std::vector<QPoint> steps;
        pacer.afterMoves = [&] {
            steps.push_back(panelTwips(form->GamePanel[1]));
            // During the slide the entries are disabled and already show the new selection.
            for (auto* entry : form->lblMainMenu) {
                QVERIFY(!entry->isEnabled());
            }
            QCOMPARE(form->lblMainMenu[1]->backgroundColor(), green);
        };
        click(form->lblMainMenu[1]);
        QCOMPARE(pacer.steps, 20);
        QCOMPARE(pacer.delays, std::vector<int>(20, 10));
        for (int i = 0; i < 20; ++i) {
            QCOMPARE(steps[i], QPoint(3960 - 193 * (i + 1), 0));
        }
        QCOMPARE(panelTwips(form->GamePanel[1]), QPoint(100, 0));
        QCOMPARE(form->CurPanel, std::int16_t(1));
        QCOMPARE(form->lblMainMenu[0]->backgroundColor(), white);
        QCOMPARE(form->Image1->pixmap().toImage(), form->stashedPicture(1).toImage());
        for (auto* entry : form->lblMainMenu) {
            QVERIFY(entry->isEnabled());
        }
        QVERIFY(form->Picture1->rect().contains(form->GamePanel[1]->geometry()));

        pacer.afterMoves = nullptr;
        click(form->lblMainMenu[0]);
        QCOMPARE(panelTwips(form->GamePanel[0]), QPoint(120, 0));
        QCOMPARE(panelTwips(form->GamePanel[3]), QPoint(3960, 4560));
    }

    void menu_diagonalSlideMovesBothWaysEachStep() {
        QPoint previous = panelTwips(form->GamePanel[2]);
        int stepsChecked = 0;
        pacer.afterMoves = [&] {
            const QPoint now = panelTwips(form->GamePanel[2]);
            QCOMPARE(now - previous, QPoint(-193, -228));
            previous = now;
            ++stepsChecked;
        };
        click(form->lblMainMenu[3]);
        QCOMPARE(stepsChecked, 20);
        QCOMPARE(panelTwips(form->GamePanel[3]), QPoint(100, 0));
        pacer.afterMoves = nullptr;
        click(form->lblMainMenu[2]);
        QCOMPARE(panelTwips(form->GamePanel[2]), QPoint(120, 0));
        QCOMPARE(form->CurPanel, std::int16_t(2));
    }

    void menu_hoverBoldsOneEntryAndDescribesIt() {
        hover(form->lblMainMenu[0]);
        QVERIFY(form->lblMainMenu[0]->isBold());
        QVERIFY(form->MenuBold);
        QCOMPARE(form->lblDesc->text(), QStringLiteral("Set the character and mode, and start playing."));
        hover(form->lblMainMenu[3]);
        QVERIFY(!form->lblMainMenu[0]->isBold());
        QVERIFY(form->lblMainMenu[3]->isBold());
        QCOMPARE(form->lblDesc->text(), QStringLiteral("Set multiplayer options as the host."));
        QCOMPARE(form->MenuHover, std::int16_t(3));

        // The reset forgets the entry but changes nothing on screen.
        form->lblMainMenu_MouseMove(-1, 0, 0, 0, 0);
        QCOMPARE(form->MenuHover, std::int16_t(-1));
        QVERIFY(form->lblMainMenu[3]->isBold());
        QCOMPARE(form->lblDesc->text(), QStringLiteral("Set multiplayer options as the host."));

        // The same entry again after a reset sets the fonts again; the text is rewritten each time.
        form->lblMainMenu[3]->setBold(false);
        form->lblDesc->clear();
        form->lblMainMenu_MouseMove(3, 0, 0, 0, 0);
        QVERIFY(form->lblMainMenu[3]->isBold());
        form->lblMainMenu[3]->setBold(false);
        form->lblMainMenu_MouseMove(3, 0, 0, 0, 0);
        QVERIFY(!form->lblMainMenu[3]->isBold()); // fonts untouched while the entry is remembered
        QCOMPARE(form->lblDesc->text(), QStringLiteral("Set multiplayer options as the host."));
    }

    void close_withThePickerOpenClosesBoth() {
        form->colorPicker = new frmColor;
        form->colorPicker->show();
        QPointer<frmColor> picker = form->colorPicker;
        form->close();
        QVERIFY(picker.isNull());
        QVERIFY(!form->isVisible());
    }

    void endToEnd_theStandinReceivesTheWordsOfTheLine() {
        testsupport::ScratchFolder scratch;
        std::filesystem::copy_file(testsupport::standinProgram(), scratch / "klemwin");
        const auto record = scratch / "record.txt";
        testsupport::ScopedEnv recording("KLEMWIN_RECORD", record.string());
        launch::ProcessStarter realStarter(scratch.path());
        MainForm window(ui::Platform{dialogs, realStarter, pacer});
        window.show();
        // Typed as far as the keyboard simulation goes; the non-ASCII name is pasted in.
        QTest::keyClicks(window.txtManualOps, "-name ");
        window.txtManualOps->insert(QString::fromUtf8("\"Zo\xc3\xab K\""));
        QTest::keyClicks(window.txtManualOps, " ; $(touch x)");
        click(window.Command1);
        const auto records = testsupport::waitForStandinRecords(record, 1);
        QCOMPARE(records.size(), size_t(1));
        const auto expected =
            launch::splitCommandLine("klemwin -skin COMET -color 7 -name \"Zo\xc3\xab K\" ; $(touch x)");
        QCOMPARE(records[0].words, expected);
        QCOMPARE(records[0].words.at(6), std::string("Zo\xc3\xab K"));
        QVERIFY(dialogs.messages.empty());
    }
};

int main(int argc, char** argv) {
    return testsupport::runGuiTests<MainFormTest>(argc, argv);
}

#include "mainform_test.moc"
