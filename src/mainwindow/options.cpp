// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings that reach the game, read from where the window holds them and shown there, row by
// row of the option table: each row's name is the object name of its control or, for the few
// that no control shows, the name of a property of the window or of one of its parts.
#include "MainForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaProperty>
#include <QRadioButton>

namespace {

using launch::LaunchOptions;

template <class T> using Field = T LaunchOptions::*;

QString qtext(const std::string& s) {
    return QString::fromStdString(s);
}

// The selected position of a list; a combo whose text was typed over has none (-1).
int position(const QComboBox* box) {
    const int index = box->currentIndex();
    if (box->isEditable() && (index < 0 || box->currentText() != box->itemText(index))) {
        return -1;
    }
    return index;
}

[[noreturn]] void cannotHold(const QObject* holder, const char* name) {
    qFatal("%s (%s) cannot hold the setting %s", qPrintable(holder->objectName()),
           holder->metaObject()->className(), name);
}

// A setting held by a property of the window or of one of its parts.
template <class T>
std::pair<std::function<void(LaunchOptions&)>, std::function<void(const LaunchOptions&)>>
byProperty(QObject* holder, const char* name, Field<T> field) {
    if (holder->metaObject()->indexOfProperty(name) < 0) {
        cannotHold(holder, name); // a control of a kind that holds no such value
    }
    return {
        [holder, name, field](LaunchOptions& o) { o.*field = holder->property(name).template value<T>(); },
        [holder, name, field](const LaunchOptions& o) {
            holder->setProperty(name, QVariant::fromValue(o.*field));
        }};
}

// Each kind of control holds its kind of value; any other value is a property's.
template <class T> auto byHolder(QObject* holder, const char* name, Field<T> field) {
    return byProperty(holder, name, field);
}

auto byHolder(QObject* holder, const char* name, Field<int> field) {
    using Pair = decltype(byProperty(holder, name, field));
    if (auto* box = qobject_cast<QCheckBox*>(holder)) {
        return Pair{[box, field](LaunchOptions& o) { o.*field = box->isChecked() ? 1 : 0; },
                    [box, field](const LaunchOptions& o) {
                        box->setChecked(o.*field == 1);
                    }};
    }
    if (auto* list = qobject_cast<QComboBox*>(holder)) {
        return Pair{[list, field](LaunchOptions& o) { o.*field = position(list); },
                    [list, field](const LaunchOptions& o) {
                        list->setCurrentIndex(o.*field);
                    }};
    }
    return byProperty(holder, name, field);
}

auto byHolder(QObject* holder, const char* name, Field<bool> field) {
    using Pair = decltype(byProperty(holder, name, field));
    if (auto* option = qobject_cast<QRadioButton*>(holder)) {
        return Pair{[option, field](LaunchOptions& o) { o.*field = option->isChecked(); },
                    [option, field](const LaunchOptions& o) {
                        option->setChecked(o.*field);
                    }};
    }
    return byProperty(holder, name, field);
}

auto byHolder(QObject* holder, const char* name, Field<std::string> field) {
    using Pair = decltype(byProperty(holder, name, field));
    if (auto* box = qobject_cast<QLineEdit*>(holder)) {
        return Pair{[box, field](LaunchOptions& o) { o.*field = box->text().toStdString(); },
                    [box, field](const LaunchOptions& o) {
                        box->setText(qtext(o.*field));
                    }};
    }
    return byProperty(holder, name, field);
}

auto byHolder(QObject* holder, const char* name, Field<launch::Texts> field) {
    using Pair = decltype(byProperty(holder, name, field));
    if (auto* list = qobject_cast<QListWidget*>(holder)) {
        return Pair{[list, field](LaunchOptions& o) {
                        auto& entries = o.*field;
                        entries.clear();
                        for (int i = 0; i < list->count(); ++i) {
                            entries.push_back(list->item(i)->text().toStdString());
                        }
                    },
                    [list, field](const LaunchOptions& o) {
                        list->clear();
                        for (const auto& entry : o.*field) {
                            list->addItem(qtext(entry));
                        }
                    }};
    }
    return byProperty(holder, name, field);
}

// The control named `name` in `window`, or else the window or one of its parts with a property of
// that name.
QObject* holderOf(QWidget* window, const char* name) {
    if (auto* control = window->findChild<QWidget*>(QLatin1String(name))) {
        return control;
    }
    QList<QObject*> candidates = window->findChildren<QObject*>();
    candidates.prepend(window);
    for (QObject* candidate : candidates) {
        if ((candidate == window || !candidate->isWidgetType()) &&
            candidate->metaObject()->indexOfProperty(name) >= 0) {
            return candidate;
        }
    }
    qFatal("no control or property holds the setting %s", name);
}

} // namespace

void MainForm::findHolders() {
    launch::forEachOption([this](const char* name, auto field) {
        auto [read, show] = byHolder(holderOf(this, name), name, field);
        holders.push_back({std::move(read), std::move(show)});
    });
}

launch::LaunchOptions MainForm::launchOptions() const {
    launch::LaunchOptions options;
    for (const Holder& holder : holders) {
        holder.read(options);
    }
    return options;
}

void MainForm::showOptions(const launch::LaunchOptions& options) {
    for (const Holder& holder : holders) {
        holder.show(options);
    }
}
