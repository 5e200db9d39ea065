// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The bare name of a path the open-file dialog gave.
#include "CommDlgs.h"

#include <algorithm>

namespace CommDlgs {

QString bareFileName(const QString& path) {
#ifdef Q_OS_WIN
    const int separator = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
#else
    const int separator = path.lastIndexOf(QLatin1Char('/'));
#endif
    return path.mid(separator + 1);
}

} // namespace CommDlgs
