// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Where a window holds each setting of the option table, and how it is read from there and shown
// there.
#pragma once

#include "LaunchOptions.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class QObject;
class QWidget;

namespace ui {

class SettingsBinding {
public:
    // Where one setting is held: how it is read into the options and shown from them.
    struct Holder {
        std::function<void(launch::LaunchOptions&)> read;
        std::function<void(const launch::LaunchOptions&)> show;
    };
    // A setting that no control shows, held by the property `name` of `object`.
    struct Property {
        const char* name;
        QObject* object;
    };

    // Binds every row of the option table to the control of `window` with the row's name as its
    // object name, or else to the property listed for it. A row with neither, or a holder that
    // cannot hold the row's kind of value, stops the program with the row's name.
    SettingsBinding(const QWidget* window, std::initializer_list<Property> properties);

    // Every setting as the holders have it now.
    launch::LaunchOptions read() const;
    // Shows every setting of `options` in its holder.
    void show(const launch::LaunchOptions& options) const;

    // How `holder` holds the setting `name`: a check box as 0 or 1 (only 1 checks it), an option
    // button as checked, a drop-down list as its position (-1 when its text was typed over), a list
    // as its entries, a text box as its text; any other object by its property `name`.
    static Holder hold(QObject* holder, const char* name, int launch::LaunchOptions::*field);
    static Holder hold(QObject* holder, const char* name, bool launch::LaunchOptions::*field);
    static Holder hold(QObject* holder, const char* name, std::string launch::LaunchOptions::*field);
    static Holder hold(QObject* holder, const char* name, launch::Texts launch::LaunchOptions::*field);
    static Holder hold(QObject* holder, const char* name, launch::SkinTable launch::LaunchOptions::*field);
    static Holder hold(QObject* holder, const char* name, std::uint8_t launch::LaunchOptions::*field);
    static Holder hold(QObject* holder, const char* name, launch::GameType launch::LaunchOptions::*field);

private:
    std::vector<Holder> holders;
};

} // namespace ui
