// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/sharedstate.h"

#include <QString>

#include <array>

namespace lxp {

// One category of the words lesson: its English name (the button's tag, the quiz
// title and, in capitals, the header of its block in the category word table) and the
// screen text that names it in the help language.
struct WordsCategory {
    const char* name;
    int tipText;
};

// The category buttons of the words menu, in button order. The screen texts 9 to 18
// name the categories in the alphabetical order of their English names.
inline constexpr std::array<WordsCategory, 10> kWordsCategories = {{
    {"Animals", 9},
    {"Colors", 10},
    {"Fruit", 11},
    {"General", 12},
    {"Musical", 13},
    {"Vegetables", 18},
    {"Transport", 17},
    {"Sports", 16},
    {"Natural", 14},
    {"Pets", 15},
}};

// The key of a category's block in the category word table ("ANIMALS").
inline QString CategoryKey(const WordsCategory& category)
{
    return QString::fromLatin1(category.name).toUpper();
}

// The learner chooses a category: its quiz title ("Words - Animals") and key go into
// the shared state, where the quiz reads them when it opens. Both stay English
// whatever the help language is.
inline void CategoryChoose(const WordsCategory& category)
{
    shared().wordsCaption = QStringLiteral("Words - ") + QLatin1String(category.name);
    shared().category = CategoryKey(category);
}

} // namespace lxp
