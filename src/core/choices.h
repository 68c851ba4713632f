// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace lxp {

// The learner's two choices, the only settings the program keeps.

// The variant of English of the lesson content.
enum class ContentVariant { American, British };
// The language of the screen texts.
enum class HelpLanguage { English, Korean };

struct Choices {
    ContentVariant contentVariant = ContentVariant::American;
    HelpLanguage helpLanguage = HelpLanguage::English;

    // The stored choices; a choice that is missing, unreadable or not one of the
    // stored words reads as its default. Choices confirmed in this run that could not
    // be stored stand in for the stored ones until the program ends.
    static Choices Load();
    // Stores both choices; false when they could not be written (they then stand in
    // for the stored ones until the program ends).
    bool Save() const;
    // Forgets choices that could not be stored (a settings store of its own, as a new
    // test seam brings).
    static void UnsavedForget();
    // The stored help language alone (the screen texts ask at every lookup).
    static HelpLanguage HelpLanguageLoad();

    bool operator==(const Choices&) const = default;
};

} // namespace lxp
