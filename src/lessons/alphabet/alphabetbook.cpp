// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/alphabet/alphabetbook.h"

#include "content/contenttables.h"
#include "content/wordresourcename.h"

namespace lxp {

AlphabetBook::AlphabetBook(AlphabetScreen& screen) : m_screen(screen) {}

void AlphabetBook::Load()
{
    m_letter = QStringLiteral("A");
    m_entry = 1;
    EntryShowSilent();
}

void AlphabetBook::LetterClick(const QString& letter)
{
    if (!LetterWordShow(letter, 1))
        return;
    m_letter = letter;
    m_entry = 1;
    m_screen.CounterSet(counterText());
    if (!m_screen.LetterSay(letter))
        return;
    // The word as the screen shows it when it is said (the caption pair).
    (void)m_screen.WordSay(word());
}

void AlphabetBook::NextClick()
{
    m_entry = m_entry < m_itemCount ? m_entry + 1 : 1;
    EntryShow();
}

void AlphabetBook::BackClick()
{
    m_entry = m_entry > 1 ? m_entry - 1 : m_itemCount;
    EntryShow();
}

void AlphabetBook::HelpClick()
{
    EntryShow();
}

bool AlphabetBook::LetterWordShow(const QString& letter, qint32 n)
{
    const LetterWord read = LetterWordRead(letter, n, m_variant);
    if (!read.found)
        return false;
    m_itemCount = read.count;
    m_title = read.header;
    m_screen.TitleSet(m_title);
    if (!read.hasEntry)
        return true;
    m_rest = read.name.mid(1);
    m_screen.RestSet(m_rest);
    m_screen.PictureShow(WordResourceName(read.name));
    m_screen.SentencesSet(read.sentences);
    return true;
}

void AlphabetBook::EntryShow()
{
    EntryShowSilent();
    (void)m_screen.WordSay(word());
}

void AlphabetBook::EntryShowSilent()
{
    LetterWordShow(m_letter, m_entry);
    m_screen.CounterSet(counterText());
}

QString AlphabetBook::counterText() const
{
    return QStringLiteral("%1 of %2").arg(m_entry).arg(m_itemCount);
}

} // namespace lxp
