#pragma once

#include "lessons/pairs/pairsgame.h"

#include <QSet>
#include <QStringList>

// Stands in for the matching pairs screen: notes what the game asks of it.
class FakePairsScreen : public lxp::PairsScreen {
public:
    QStringList log;
    QSet<QString> missingPictures;
    bool playAgainAnswer = true;
    QString sentence;
    int cardA = -1, cardB = -1;

    bool CardPictureLoad(int, const QString& name) override { return !missingPictures.contains(name); }
    void CardPictureCopy(int, int) override {}
    void CardUpdate(int, const lxp::PairCard&) override {}
    void WrongAnswerShow(int a, int b, const QString& text) override { note("wrong", a, b, text); }
    void CorrectAnswerPrepare(int b, const QString& text) override { note("correct prepared", -1, b, text); }
    void CorrectAnswerShow() override { log << "correct shown"; }
    bool PlayAgainAsk() override { log << "play again?"; return playAgainAnswer; }
    void WordTimerStart() override { log << "timer on"; }
    void WordTimerStop() override { log << "timer off"; }
    void LessonClose() override { log << "lesson closed"; }

private:
    void note(const QString& what, int a, int b, const QString& text)
    {
        log << what;
        cardA = a;
        cardB = b;
        sentence = text;
    }
};
