// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessons/pairs/pairsgame.h"

#include <QSet>
#include <QStringList>

#include <functional>
#include <random>

// Stands in for the matching pairs screen: notes what the game asks of it.
class FakePairsScreen : public lxp::PairsScreen {
public:
    QStringList log;
    QSet<QString> missingPictures;
    bool playAgainAnswer = true;
    // The sound or dialog during which the lesson closes.
    QString closesDuring;
    // Runs while a card's sound plays.
    std::function<void()> duringSound;
    QString sentence;
    int cardA = -1, cardB = -1;

    bool CardPictureLoad(int, const QString& name) override
    {
        return !missingPictures.contains(name);
    }
    void CardPictureCopy(int, int) override {}
    void CardUpdate(int, const lxp::PairCard&) override {}
    // Scripted draws first, then a fixed-seed generator.
    QList<double> scriptedDraws;
    int draws = 0;
    double RandomDraw() override
    {
        ++draws;
        if (!scriptedDraws.isEmpty())
            return scriptedDraws.takeFirst();
        return std::uniform_real_distribution<double>(0.0, 1.0)(m_generator);
    }
    bool CardTurnSound() override
    {
        if (duringSound)
            duringSound();
        return step("click");
    }
    void WordSay(const QString& word) override { log << "say " + word; }
    bool WrongAnswerShow(int a, int b, const QString& text) override
    {
        return note("wrong", a, b, text);
    }
    bool CorrectAnswerPrepare(int b, const QString& text) override
    {
        return note("correct prepared", -1, b, text);
    }
    bool CorrectAnswerShow() override { return step("correct shown"); }
    std::optional<bool> PlayAgainAsk() override
    {
        return step("play again?") ? std::optional(playAgainAnswer) : std::nullopt;
    }
    void WordTimerStart() override { log << "timer on"; }
    void WordTimerStop() override { log << "timer off"; }
    void LessonClose() override { log << "lesson closed"; }

private:
    bool open = true;
    std::mt19937_64 m_generator{20261208};

    bool step(const QString& what)
    {
        log << what;
        open = open && what != closesDuring;
        return open;
    }
    bool note(const QString& what, int a, int b, const QString& text)
    {
        cardA = a;
        cardB = b;
        sentence = text;
        return step(what);
    }
};
