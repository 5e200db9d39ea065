// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings binding over a small window made here: each kind of control holds its kind of value.
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
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SettingsBindingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SettingsBindingTest.moc"
