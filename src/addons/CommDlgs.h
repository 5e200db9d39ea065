// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// How a path chosen in the open-file dialog becomes an entry of the add-on list.
#pragma once

#include <QString>

namespace CommDlgs {

// The file name after the last folder separator ("/", and on Windows "\" as well); the whole
// text when it has none. Elsewhere a backslash is a character of the name like any other.
QString bareFileName(const QString& path);

} // namespace CommDlgs
