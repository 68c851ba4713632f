// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/catalogue.h"

#include "dialogs/correctanswerdialog.h"
#include "dialogs/playagaindialog.h"
#include "dialogs/teninarowdialog.h"
#include "dialogs/wronganswerdialog.h"
#include "lessons/alphabet/alphabetwindow.h"
#include "lessons/pairs/pairswindow.h"
#include "lessons/picwords/picwordswindow.h"
#include "lessons/words/wordsmenuwindow.h"
#include "lessons/words/wordsquizwindow.h"
#include "lessons/writealong/writealongwindow.h"
#include "screens/aboutbox.h"
#include "screens/languagewindow.h"
#include "screens/mainmenu.h"
#include "screens/mainwindow.h"
#include "ui/tooltipwindow.h"
#include "ui/window.h"

namespace lxp {

namespace {

template <class T> WindowEntry window()
{
    WindowEntry entry;
    entry.name = QLatin1String(T::kName);
    entry.factory = [] { return std::make_unique<T>(); };
    return entry;
}

// A lesson: its window, its main-menu button and label, the screen text of its title.
template <class T> WindowEntry lesson(const char* menuButton, const char* menuLabel, int titleText)
{
    WindowEntry entry = window<T>();
    entry.menuButton = QLatin1String(menuButton);
    entry.menuLabel = QLatin1String(menuLabel);
    entry.titleText = titleText;
    return entry;
}

} // namespace

void ProgramWindowsDefine(WindowRegistry& registry)
{
    registry.define(window<AboutBox>());
    registry.define(window<LanguageWindow>());
    registry.define(lesson<AlphabetWindow>("btnpALPHABET", "lblALPHABET", 37));
    registry.define(lesson<WordsMenuWindow>("btnpWORDS", "lblLEARNWORDS", 38));
    registry.define(window<WordsQuizWindow>());
    registry.define(lesson<PicturesAndWordsWindow>("btnpPICANDWORDS", "lblPICTSWORDS", 39));
    registry.define(lesson<WriteAlongWindow>("btnpWRITEALONG", "lblWRITELETTER", 40));
    registry.define(lesson<PairsWindow>("btnpPAIRS", "lblMATCHINGPAIR", 41));
    registry.define(window<CorrectAnswerDialog>());
    registry.define(window<TenInARowDialog>());
    registry.define(window<PlayAgainDialog>());
    registry.define(window<WrongAnswerDialog>());
    registry.define(window<TooltipWindow>());
    registry.define(window<MainMenu>());
    registry.define(window<MainWindow>());
}

} // namespace lxp
