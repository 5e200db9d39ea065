// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings binding over a small window made here: each kind of control holds its kind of
// value, and every row of the option table reaches its own holder and comes back from it.
#include "SettingsBinding.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

using launch::LaunchOptions;
using ui::SettingsBinding;

// The settings no control shows, as properties.
class Holders : public QObject {
    Q_OBJECT
    Q_PROPERTY(launch::SkinTable Skins MEMBER Skins)
    Q_PROPERTY(std::uint8_t CharIndex MEMBER CharIndex)
    Q_PROPERTY(launch::GameType txtGameType MEMBER txtGameType)
    Q_PROPERTY(std::string lblColor2 MEMBER lblColor2)
    Q_PROPERTY(std::string HostAddress MEMBER HostAddress)

public:
    using QObject::QObject;
    launch::SkinTable Skins;
    std::uint8_t CharIndex = 0;
    launch::GameType txtGameType = launch::GameType::Single;
    std::string lblColor2, HostAddress;
};

class SettingsBindingTest : public QObject {
    Q_OBJECT

private slots:
    // Each kind of control, read after the user changed it and after the binding showed a value.
    void controls_holdTheirKindOfValue() {
        QWidget window;
        LaunchOptions options;
        auto* box = new QCheckBox(&window);
        auto chkOpenGL = SettingsBinding::hold(box, "chkOpenGL", &LaunchOptions::chkOpenGL);
        options.chkOpenGL = 2; // only 1 checks it
        chkOpenGL.show(options);
        QVERIFY(!box->isChecked());
        box->setChecked(true);
        chkOpenGL.read(options);
        QCOMPARE(options.chkOpenGL, 1);

        auto* option = new QRadioButton(&window);
        auto optDemoPlay = SettingsBinding::hold(option, "optDemoPlay", &LaunchOptions::optDemoPlay);
        options.optDemoPlay = true;
        optDemoPlay.show(options);
        QVERIFY(option->isChecked());

        auto* list = new QComboBox(&window);
        list->addItems({"a", "b", "c"});
        auto lstSound = SettingsBinding::hold(list, "lstSound", &LaunchOptions::lstSound);
        options.lstSound = 2;
        lstSound.show(options);
        QCOMPARE(list->currentText(), QStringLiteral("c"));
        list->setEditable(true);
        list->setEditText(QStringLiteral("b")); // typed over, even with an entry's text: no position
        lstSound.read(options);
        QCOMPARE(options.lstSound, -1);

        auto* entries = new QListWidget(&window);
        auto lstWADFiles = SettingsBinding::hold(entries, "lstWADFiles", &LaunchOptions::lstWADFiles);
        options.lstWADFiles = {"a b.wad", "a b.wad", ""};
        lstWADFiles.show(options);
        entries->addItem(QStringLiteral("é.wad"));
        lstWADFiles.read(options);
        QCOMPARE(options.lstWADFiles, (launch::Texts{"a b.wad", "a b.wad", "", "é.wad"}));

        auto* text = new QLineEdit(&window);
        auto txtDemo = SettingsBinding::hold(text, "txtDemo", &LaunchOptions::txtDemo);
        text->setText(QStringLiteral(" ü \" "));
        txtDemo.read(options);
        QCOMPARE(options.txtDemo, std::string(" ü \" "));
    }

    // A window with a control for every row but those held by properties: what is shown is read
    // back unchanged, row for row. A property of a row's name on an object not listed for it
    // holds nothing.
    void window_bindsEveryRowToItsOwnHolder() {
        QWidget window;
        Holders holders, stray;
        launch::forEachOption([&](const char* name, auto field) {
            using Value = std::remove_reference_t<decltype(LaunchOptions{}.*field)>;
            QWidget* control = nullptr;
            if constexpr (std::is_same_v<Value, int>) {
                control = new QCheckBox(&window);
            } else if constexpr (std::is_same_v<Value, bool>) {
                auto* option = new QRadioButton(&window);
                option->setAutoExclusive(false);
                control = option;
            } else if constexpr (std::is_same_v<Value, launch::Texts>) {
                control = new QListWidget(&window);
            }
            if (control == nullptr && holders.metaObject()->indexOfProperty(name) < 0) {
                control = new QLineEdit(&window);
            }
            if (control != nullptr) {
                control->setObjectName(QLatin1String(name));
            }
        });
        stray.setParent(&window);
        const SettingsBinding binding(&window, {{"Skins", &holders},
                                                {"CharIndex", &holders},
                                                {"txtGameType", &holders},
                                                {"lblColor2", &holders},
                                                {"HostAddress", &holders}});
        LaunchOptions changed;
        int k = 0;
        launch::forEachOption([&](const char*, auto field) {
            using Value = std::remove_reference_t<decltype(changed.*field)>;
            if constexpr (std::is_same_v<Value, int> || std::is_same_v<Value, bool>) {
                changed.*field = !(changed.*field); // each check box and option button the other way
            } else if constexpr (std::is_same_v<Value, std::string>) {
                changed.*field = "row " + std::to_string(++k);
            }
        });
        changed.lstWADFiles = {"x.wad"};
        changed.Skins = {"A", "B", "C"};
        changed.CharIndex = 2;
        changed.txtGameType = launch::GameType::Host;
        binding.show(changed);
        QVERIFY(binding.read() == changed);
        QCOMPARE(holders.lblColor2, changed.lblColor2);
        QVERIFY(stray.lblColor2.empty() && stray.CharIndex == 0);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SettingsBindingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SettingsBindingTest.moc"
