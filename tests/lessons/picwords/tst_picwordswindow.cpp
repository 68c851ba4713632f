// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/picwords/picwordswindow.h"
#include "support/screensteps.h"
#include "ui/inputhold.h"
#include "ui/picturebutton.h"

#include <QScopeGuard>

using namespace lxp;
using namespace lxp::testing;

// The pictures-and-words screen played with real clicks and keys on its letter buttons,
// its sounds taking their real length; each feedback dialog is answered with its own
// OK button once it shows, after its sentence, picture and the meter behind it are noted.
class TestFrmLessPcwd : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedProgram> program;
    QTimer answerer;
    QStringList dialogs; // "name: sentence +picture, meter <cover top> <colour>"

    static constexpr const char* kName = PicturesAndWordsWindow::kName;
    PicturesAndWordsWindow* lesson() { return windows().get<PicturesAndWordsWindow>(); }
    const PicturesAndWordsGame& game() { return lesson()->game(); }
    PictureButton* button(QChar c)
    {
        return element<PictureButton>(kName, QString("btnpLETTERS_%1").arg(c.unicode() - 'A'));
    }
    int enabledLetters()
    {
        int enabled = 0;
        for (char c = 'A'; c <= 'Z'; ++c)
            enabled += button(c)->isButtonEnabled() ? 1 : 0;
        return enabled;
    }
    QString meter()
    {
        return QString("%1 %2")
            .arg(element(kName, "shpLEVEL")->y())
            .arg(element(kName, "picSCALE")->palette().color(QPalette::Window).name());
    }
    // The word's letters, each once, or the letters it does not have.
    static QString letters(const QString& word, bool in)
    {
        QString found;
        for (char c = 'A'; c <= 'Z'; ++c)
            if (word.toUpper().contains(c) == in)
                found += c;
        return found;
    }
    static void click(QWidget* widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }
private slots:
    void initTestCase()
    {
        answerer.setInterval(10);
        connect(&answerer, &QTimer::timeout, this, [this] {
            QWidget* dialog = QApplication::activeModalWidget();
            auto* ok = dialog ? dialog->findChild<PictureButton*>("btnpOK") : nullptr;
            if (!ok || !dialog->isVisible())
                return;
            QString note = dialog->objectName() + ":";
            for (const char* name : {"lblWordWas", "lblWordWasfrmMSGWRONG", "imgPICTURE"})
                if (auto* label = dialog->findChild<QLabel*>(name))
                    note += label->pixmap().isNull() ? " " + label->text() : " +picture";
            dialogs << note + ", meter " + meter();
            QTest::mouseClick(ok, Qt::LeftButton, {}, QPoint(10, 10));
        });
    }
    void init()
    {
        program = std::make_unique<StartedProgram>();
        dialogs.clear();
        answerer.start();
        click(element("frmMAINMENU", "btnpPICANDWORDS"));
        QVERIFY(lesson()->isOpen());
    }
    void cleanup()
    {
        answerer.stop();
        program.reset();
    }

    // The keyboard alone: Ctrl with a letter does nothing; a letter key shows its
    // button's pressed face a moment, greys it out and counts once; the word's letters
    // win it and Return answers the dialog once it has the focus; Escape leaves. A screen
    // reader hears the photograph's word and the hidden word spelt out.
    void theKeyboardAlone()
    {
        answerer.stop();
        int answered = 0;
        QTimer returner;
        connect(&returner, &QTimer::timeout, this, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            QWidget* focus = QApplication::focusWidget();
            if (dialog && dialog->isVisible() && focus && dialog->isAncestorOf(focus)) {
                ++answered;
                QTest::keyClick(focus, Qt::Key_Return);
            }
        });
        returner.start(10);
        const auto key = [](QChar c, Qt::KeyboardModifiers modifiers = {}) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : screenOf(kName), Qt::Key(Qt::Key_A + c.unicode() - 'A'),
                            modifiers);
        };
        const QString word = game().word(), good = letters(word, true);
        const QChar wrong = letters(word, false).at(0);
        const quint64 number = game().wordNumber();
        QCOMPARE(element(kName, "picMAIN")->accessibleName(), word);
        key(wrong, Qt::ControlModifier);
        QCOMPARE(enabledLetters(), 26);
        key(wrong);
        QCOMPARE(button(wrong)->currentImage().toImage(),
                 button(wrong)->picturePressed().toImage());
        QTRY_VERIFY(!button(wrong)->isButtonEnabled());
        key(wrong);
        QCOMPARE(game().wrongGuesses(), 1);
        key(good.front());
        const QStringList heard = element(kName, "lblWORDHIDDEN")->accessibleName().split(", ");
        QVERIFY2(
            heard.contains(QString(word.at(word.indexOf(good.front(), 0, Qt::CaseInsensitive)))) &&
                !heard.join("").contains('*'),
            qPrintable(heard.join('|')));
        for (const QChar c : good.mid(1))
            key(c);
        QTRY_COMPARE(game().wordNumber(), number + 1);
        QCOMPARE(answered, 1);
        QCOMPARE(game().wrongGuesses(), 0);
        QTest::keyClick(screenOf(kName), Qt::Key_Escape);
        QVERIFY(!lesson()->isOpen() && windows().find("frmMAINMENU")->isOpen());
    }

    // Letters clicked first, then one more, and while its sound plays more clicks: they
    // come afterwards, each for the word that showed when it was made. Won and lost
    // words are told by their dialogs, the won word is spoken (never a name of stars),
    // and the next word starts afresh.
    void clicksDuringASound_data()
    {
        QTest::addColumn<int>("wrongFirst"); // wrong letters clicked first
        QTest::addColumn<int>("kept");       // the word's letters not clicked first
        QTest::addColumn<QString>("sound");  // while the next click's sound plays ...
        QTest::addColumn<QString>("posted"); // ... these: L the last letter, W wrong, E Exit
        QTest::addColumn<QString>("dialog"); // the dialog that came, if any
        QTest::addColumn<int>("wrongAfter");
        const auto row = [](const char* name, int wrongFirst, int kept, const char* sound,
                            const char* posted, const char* dialog, int wrongAfter) {
            QTest::newRow(name) << wrongFirst << kept << QString(sound) << QString(posted)
                                << QString(dialog) << wrongAfter;
        };
        row("a wrong letter during BUTTON", 0, 99, "BUTTON", "W", "", 1);
        row("the last letter and a wrong one during BUTTON", 0, 2, "BUTTON", "LW", "frmMSGCRECT",
            0);
        row("two wrong letters during BUTTON after nine", 9, 99, "BUTTON", "WW", "frmMSGWRONG", 0);
        row("a wrong letter during WIN", 0, 1, "WIN", "W", "frmMSGCRECT", 0);
        row("a wrong letter during LOOSE", 9, 99, "LOOSE", "W", "frmMSGWRONG", 0);
        row("Exit during BUTTON", 0, 99, "BUTTON", "E", "", 0);
    }
    void clicksDuringASound()
    {
        QFETCH(int, wrongFirst);
        QFETCH(int, kept);
        QFETCH(QString, sound);
        QFETCH(QString, posted);
        QFETCH(QString, dialog);
        QFETCH(int, wrongAfter);
        program->seam.soundsTakeTheirLength = true;
        const QString word = game().word();
        const QString good = letters(word, true), wrong = letters(word, false);
        const quint64 number = game().wordNumber();
        kept = std::min<int>(kept, int(good.size()));
        for (const QChar c : wrong.left(wrongFirst) + good.left(good.size() - kept))
            click(button(c));
        QList<QWidget*> targets;
        qsizetype nextWrong = wrongFirst + (sound == "LOOSE" ? 1 : 0);
        for (const QChar p : posted)
            targets << (p == 'E'   ? element(kName, "btnpEXIT")
                        : p == 'L' ? button(good.back())
                                   : button(wrong.at(nextWrong++)));
        bool posting = false;
        quint64 spokenDuring = 0; // the word shown while a word was spoken
        program->seam.onPlay = [&](const QString& label) {
            if (label.startsWith("WORDS/"))
                spokenDuring = game().wordNumber();
            if (label == "AUDIO/" + sound && !std::exchange(posting, true))
                for (QWidget* target : targets)
                    postClick(target);
        };
        const auto listened = qScopeGuard([&] { program->seam.onPlay = nullptr; });
        click(button(sound == "LOOSE" ? wrong.at(wrongFirst) : good.at(good.size() - kept)));
        for (int quiet = 0; quiet < 3;) {
            QTest::qWait(100);
            quiet = QApplication::activeModalWidget() || InputHold::waiting() ? 0 : quiet + 1;
        }
        QVERIFY(posting);
        if (posted == "E") {
            QVERIFY(!lesson()->isOpen());
            QVERIFY(windows().find("frmMAINMENU")->isOpen());
            QCOMPARE(dialogs, QStringList());
            return;
        }
        QCOMPARE(game().wordNumber(), number + (dialog.isEmpty() ? 0 : 1));
        QCOMPARE(game().wrongGuesses(), wrongAfter);
        if (dialog.isEmpty())
            return;
        // Under a won word's dialog the meter is where the letter before left it.
        const bool won = dialog == "frmMSGCRECT";
        QCOMPARE(dialogs, QStringList{dialog + ": The word was " + word + " +picture, meter " +
                                      (won ? "0 #00ff00" : "103 #ff0000")});
        QCOMPARE(enabledLetters(), 26);
        QCOMPARE(meter().section(' ', 0, 0), QString("-1"));
        // The dialog closed at once: the timer speaks the won word over the next one.
        if (won) {
            QTRY_VERIFY(program->seam.played.contains("WORDS/" + word.toUpper().remove(' ')));
            QCOMPARE(spokenDuring, number + 1);
        }
    }
};

QTEST_MAIN(TestFrmLessPcwd)
#include "tst_picwordswindow.moc"
