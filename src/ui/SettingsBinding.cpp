// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings that reach the game, read from where a window holds them and shown there, row by
// row of the option table.
#include "SettingsBinding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaProperty>
#include <QRadioButton>

#include <algorithm>

namespace ui {
namespace {

using launch::LaunchOptions;
using Holder = SettingsBinding::Holder;

template <class T> using Field = T LaunchOptions::*;

// The selected position of a list; a combo whose text was typed over has none (-1).
int position(const QComboBox* box) {
    const int index = box->currentIndex();
    if (box->isEditable() && (index < 0 || box->currentText() != box->itemText(index))) {
        return -1;
    }
    return index;
}

// A setting held by the property `name` of `holder`, which must have such a property: a control
// of another kind, which holds no such value, does not.
template <class T> Holder byProperty(QObject* holder, const char* name, Field<T> field) {
    if (holder->metaObject()->indexOfProperty(name) < 0) {
        qFatal("%s (%s) cannot hold the setting %s", qPrintable(holder->objectName()),
               holder->metaObject()->className(), name);
    }
    return {
        [holder, name, field](LaunchOptions& o) { o.*field = holder->property(name).template value<T>(); },
        [holder, name, field](const LaunchOptions& o) {
            holder->setProperty(name, QVariant::fromValue(o.*field));
        }};
}

} // namespace

Holder SettingsBinding::hold(QObject* holder, const char* name, Field<int> field) {
    if (auto* box = qobject_cast<QCheckBox*>(holder)) {
        return {[box, field](LaunchOptions& o) { o.*field = box->isChecked() ? 1 : 0; },
                [box, field](const LaunchOptions& o) {
                    box->setChecked(o.*field == 1);
                }};
    }
    if (auto* list = qobject_cast<QComboBox*>(holder)) {
        return {[list, field](LaunchOptions& o) { o.*field = position(list); },
                [list, field](const LaunchOptions& o) {
                    list->setCurrentIndex(o.*field);
                }};
    }
    return byProperty(holder, name, field);
}

Holder SettingsBinding::hold(QObject* holder, const char* name, Field<bool> field) {
    if (auto* option = qobject_cast<QRadioButton*>(holder)) {
        return {[option, field](LaunchOptions& o) { o.*field = option->isChecked(); },
                [option, field](const LaunchOptions& o) {
                    option->setChecked(o.*field);
                }};
    }
    return byProperty(holder, name, field);
}

Holder SettingsBinding::hold(QObject* holder, const char* name, Field<std::string> field) {
    if (auto* box = qobject_cast<QLineEdit*>(holder)) {
        return {[box, field](LaunchOptions& o) { o.*field = box->text().toStdString(); },
                [box, field](const LaunchOptions& o) {
                    box->setText(QString::fromStdString(o.*field));
                }};
    }
    return byProperty(holder, name, field);
}

Holder SettingsBinding::hold(QObject* holder, const char* name, Field<launch::Texts> field) {
    if (auto* list = qobject_cast<QListWidget*>(holder)) {
        return {[list, field](LaunchOptions& o) {
                    auto& entries = o.*field;
                    entries.clear();
                    for (int i = 0; i < list->count(); ++i) {
                        entries.push_back(list->item(i)->text().toStdString());
                    }
                },
                [list, field](const LaunchOptions& o) {
                    list->clear();
                    for (const auto& entry : o.*field) {
                        list->addItem(QString::fromStdString(entry));
                    }
                }};
    }
    return byProperty(holder, name, field);
}

Holder SettingsBinding::hold(QObject* holder, const char* name, Field<launch::SkinTable> field) {
    return byProperty(holder, name, field);
}

Holder SettingsBinding::hold(QObject* holder, const char* name, Field<std::uint8_t> field) {
    return byProperty(holder, name, field);
}

Holder SettingsBinding::hold(QObject* holder, const char* name, Field<launch::GameType> field) {
    return byProperty(holder, name, field);
}

SettingsBinding::SettingsBinding(const QWidget* window, std::initializer_list<Property> properties) {
    launch::forEachOption([&](const char* name, auto field) {
        QObject* holder = window->findChild<QWidget*>(QLatin1String(name));
        if (holder == nullptr) {
            const auto named = std::find_if(properties.begin(), properties.end(),
                                            [name](const Property& p) { return qstrcmp(p.name, name) == 0; });
            if (named != properties.end()) {
                holder = named->object;
            }
        }
        if (holder == nullptr) {
            qFatal("no control or property holds the setting %s", name);
        }
        holders.push_back(hold(holder, name, field));
    });
}

launch::LaunchOptions SettingsBinding::read() const {
    launch::LaunchOptions options;
    for (const Holder& holder : holders) {
        holder.read(options);
    }
    return options;
}

void SettingsBinding::show(const launch::LaunchOptions& options) const {
    for (const Holder& holder : holders) {
        holder.show(options);
    }
}

} // namespace ui
