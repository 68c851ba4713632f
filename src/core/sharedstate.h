// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/choices.h"

#include <QString>
#include <QtGlobal>

namespace lxp {

// The state that every screen shares, alive from start-up until the program ends.
// Screens read and write the fields directly.
struct SharedState {
    // The two choices of the learner in force (strLANGUAGE and strHELPLANGUAGE). The
    // screen texts always follow the stored help language; this one is what the
    // language window shows as chosen.
    ContentVariant contentVariant = ContentVariant::American;
    HelpLanguage helpLanguage = HelpLanguage::English;
    // The "|"-separated list of screen texts applied last (strHELPTEXTS).
    QString helpTexts;
    // Number of entries of the word list a lesson read last (lngITEMCOUNT).
    qint32 itemCount = 0;
    // The category chosen in the words lesson: "Words - " + its name, and its key
    // (strWORDSCAPTION, strCATEGORY).
    QString wordsCaption;
    QString category;
    // The word being guessed in the pictures-and-words game (strCURRENTWORD).
    QString currentWord;
    // Answer of the play-again dialog (blnPLAYAGAIN).
    bool playAgain = false;
};

SharedState& shared();
// Puts the shared state back to its start values (a fresh program run).
void resetShared();

} // namespace lxp
