// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace lxp {

// The name under which a word's photograph ("CUSTOM") and recording ("WORDS") are
// found: the word as the content tables spell it, every space removed, in capitals.
// "Kiwi fruit" and "Kiwi Fruit" both give "KIWIFRUIT"; nothing else is changed.
inline QString WordResourceName(const QString& word)
{
    QString name = word;
    name.remove(QLatin1Char(' '));
    return name.toUpper();
}

} // namespace lxp
