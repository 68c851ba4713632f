// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/choices.h"

#include <QString>
#include <QtGlobal>

#include <array>

namespace lxp {

// What the alphabet lesson asks of its screen. A sound blocks until it has played and
// other events of the program run meanwhile, so the lesson may have closed by the
// time it returns: each sound answers whether the lesson is still open, and the book
// ends its step at once when it is not.
class AlphabetScreen {
public:
    virtual ~AlphabetScreen() = default;
    // The big letter (both lblTITLE1 labels): the letter block's header line.
    virtual void TitleSet(const QString& header) = 0;
    // The rest of the word (both lblTITLE2 labels), placed just right of the letter.
    virtual void RestSet(const QString& rest) = 0;
    // The photograph of resource name `name` (the entry name without its spaces); a
    // word without one leaves the picture as it was.
    virtual void PictureShow(const QString& name) = 0;
    // The entry's three sentences, in order.
    virtual void SentencesSet(const std::array<QString, 3>& sentences) = 0;
    // The position counter (lbl1Of9), "2 of 5".
    virtual void CounterSet(const QString& text) = 0;
    // The recording of a letter, and of a word.
    [[nodiscard]] virtual bool LetterSay(const QString& letter) = 0;
    [[nodiscard]] virtual bool WordSay(const QString& word) = 0;
};

// The rules of the alphabet lesson: a letter chosen from A to Z, and one of its
// example words on show, with its photograph and three sentences, stepped through
// with back and next (wrapping both ways). No widgets and no side effects of its own:
// what is shown and said goes through AlphabetScreen; the words come from the letter
// table of the content variant it is given.
class AlphabetBook {
public:
    explicit AlphabetBook(AlphabetScreen& screen);

    // The letter table the next reads come from.
    void setContentVariant(ContentVariant variant) { m_variant = variant; }

    // The lesson opens: letter "A", entry 1, shown without a sound.
    void Load();
    // A letter button (its tag "A" to "Z"): the letter's first word is shown, the
    // letter spoken, then the word. A letter the table does not hold changes nothing.
    void LetterClick(const QString& letter);
    // Next and back step through the letter's words, wrapping at either end; the
    // speaker shows the same word again. Each then says the word.
    void NextClick();
    void BackClick();
    void HelpClick();

    // Shows entry n of `letter`: the letter, the rest of the word, the photograph and
    // the sentences, and takes the letter's entry count. A letter the table does not
    // hold changes nothing; an entry it does not hold changes only the letter. False
    // when the letter was not found.
    bool LetterWordShow(const QString& letter, qint32 n);
    // Shows the entry held (strLETTER, lngENTRY) with its counter and says the word.
    void EntryShow();

    // strLETTER, lngENTRY, and the entry count of the letter read last (lngITEMCOUNT).
    const QString& letter() const { return m_letter; }
    qint32 entry() const { return m_entry; }
    qint32 itemCount() const { return m_itemCount; }
    // What the screen shows: the letter, the rest of the word, the counter; the word
    // is the first two together, the word that is spoken.
    const QString& title() const { return m_title; }
    const QString& rest() const { return m_rest; }
    QString word() const { return m_title + m_rest; }
    QString counterText() const;

private:
    // EntryShow without the word's recording.
    void EntryShowSilent();

    AlphabetScreen& m_screen;
    ContentVariant m_variant = ContentVariant::American;
    QString m_letter = QStringLiteral("A");
    qint32 m_entry = 1;
    qint32 m_itemCount = 0;
    QString m_title;
    QString m_rest;
};

} // namespace lxp
