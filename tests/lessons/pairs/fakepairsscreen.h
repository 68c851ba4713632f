#pragma once

#include "lessons/pairs/pairsgame.h"

#include <QSet>
#include <QStringList>
#include <functional>

// Stands in for the matching pairs screen: notes what the game asks of it.
class FakePairsScreen : public lxp::PairsScreen {
public:
    QStringList log;
    QSet<QString> missingPictures;
    bool playAgainAnswer = true;
    int lessonCloses = 0;
    bool timerRunning = false;
    QString lastSentence;
    int wrongA = -1, wrongB = -1, correctB = -1;
    std::function<void()> whileCorrectShows;

    bool CardPictureLoad(int card, const QString& name) override
    {
        if (missingPictures.contains(name))
            return false;
        log << QStringLiteral("picture %1 %2").arg(card).arg(name);
        return true;
    }
    void CardPictureCopy(int, int) override {}
    void CardUpdate(int, const lxp::PairCard&) override {}
    void WrongAnswerShow(int a, int b, const QString& sentence) override
    {
        wrongA = a;
        wrongB = b;
        lastSentence = sentence;
        log << "wrong";
    }
    void CorrectAnswerPrepare(int b, const QString& sentence) override
    {
        correctB = b;
        lastSentence = sentence;
        log << "correct prepared";
    }
    void CorrectAnswerShow() override
    {
        log << "correct shown";
        if (whileCorrectShows)
            whileCorrectShows();
    }
    bool PlayAgainAsk() override
    {
        log << "play again?";
        return playAgainAnswer;
    }
    void WordTimerStart() override
    {
        timerRunning = true;
        log << "timer on";
    }
    void WordTimerStop() override { timerRunning = false; }
    void LessonClose() override { ++lessonCloses; }
};
