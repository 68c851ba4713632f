// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/picwords/picwordswindow.h"
#include "support/screensteps.h"
#include "ui/inputhold.h"
#include "ui/picturebutton.h"

#include <QKeyEvent>
#include <QMouseEvent>

using namespace lxp;
using namespace lxp::testing;

// The pictures-and-words screen played with real clicks and keys on its letter
// buttons; each feedback dialog is answered with its own OK button once it shows,
// after its sentence and the meter behind it are noted.
class TestFrmLessPcwd : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedProgram> program;
    QTimer answerer;
    QStringList dialogs; // "name: sentence, meter <cover top> <colour>"

    static constexpr const char* kName = PicturesAndWordsWindow::kName;
    PicturesAndWordsWindow* lesson() { return windows().get<PicturesAndWordsWindow>(); }
    const PicturesAndWordsGame& game() { return lesson()->game(); }
    PictureButton* button(QChar c)
    {
        return element<PictureButton>(kName,
                                      QString("btnpLETTERS_%1").arg(c.toUpper().unicode() - 'A'));
    }
    int enabledLetters()
    {
        int enabled = 0;
        for (QChar c = 'A'; c <= 'Z'; c = QChar(c.unicode() + 1))
            enabled += button(c)->isButtonEnabled() ? 1 : 0;
        return enabled;
    }
    QString meter()
    {
        return QString("%1 %2")
            .arg(element(kName, "shpLEVEL")->y())
            .arg(element(kName, "picSCALE")->palette().color(QPalette::Window).name());
    }
    // The word's letters, each once, and letters it does not have.
    QString lettersOf(const QString& word)
    {
        QString letters;
        for (const QChar c : word.toUpper())
            if (c != ' ' && !letters.contains(c))
                letters += c;
        return letters;
    }
    QString lettersNotIn(const QString& word)
    {
        QString letters;
        for (QChar c = 'A'; c <= 'Z'; c = QChar(c.unicode() + 1))
            if (!word.toUpper().contains(c))
                letters += c;
        return letters;
    }
    static void click(QWidget* widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }
    // A click as the window system delivers it: to the top-level window, when the
    // program next looks at its events.
    static void postClick(QWidget* widget)
    {
        QWidget* top = widget->window();
        const QPointF local = widget->mapTo(top, widget->rect().center());
        for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QMetaObject::invokeMethod(
                top->windowHandle(),
                [=, window = QPointer(top->windowHandle())] {
                    QMouseEvent event(
                        type, local, top->mapToGlobal(local), Qt::LeftButton,
                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
                    if (window)
                        QCoreApplication::sendEvent(window, &event);
                },
                Qt::QueuedConnection);
    }
    // Until no dialog is open and no click waits.
    static void settle()
    {
        for (int quiet = 0; quiet < 3;) {
            QTest::qWait(100);
            quiet = QApplication::activeModalWidget() || InputHold::waiting() ? 0 : quiet + 1;
        }
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
            for (const char* name : {"lblWordWas", "lblWordWasfrmMSGWRONG"})
                if (auto* label = dialog->findChild<QLabel*>(name))
                    note += " " + label->text();
            if (auto* picture = dialog->findChild<QLabel*>("imgPICTURE"))
                note += picture->pixmap().isNull() ? " -" : " +";
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

    // A word won by clicking its letters, then a word lost by ten wrong ones. The won
    // word is spoken though its dialog closed at once, and no stars are ever asked for.
    void aWonWordThenALostWord()
    {
        const QString won = game().word();
        QString stars = won;
        for (QChar& c : stars)
            c = c == ' ' ? c : QChar('*');
        QCOMPARE(element<QLabel>(kName, "lblWORDHIDDEN")->text(), stars);
        QVERIFY(!element<QLabel>(kName, "picMAIN")->pixmap().isNull());
        const QString letters = lettersOf(won);
        for (const QChar c : letters)
            click(button(c));
        QCOMPARE(program->seam.played.count("AUDIO/BUTTON"), letters.size() - 1);
        QVERIFY(dialogs.size() == 1 &&
                dialogs.at(0).startsWith("frmMSGCRECT: The word was " + won + " +"));
        QTRY_VERIFY(program->seam.played.contains("WORDS/" + won.toUpper().remove(' ')));

        const QString lost = game().word();
        QVERIFY(lost != won);
        QCOMPARE(enabledLetters(), 26);
        for (const QChar c : lettersNotIn(lost).left(10))
            click(button(c));
        QCOMPARE(dialogs.last(), "frmMSGWRONG: The word was " + lost + " +, meter 103 #ff0000");
        QCOMPARE(game().wrongGuesses(), 0);
        QCOMPARE(enabledLetters(), 26);
        QCOMPARE(meter().section(' ', 0, 0), QString("-1"));
        QTest::qWait(300);
        for (const QString& played : program->seam.played)
            QVERIFY2(!played.contains('*'), qPrintable(played));
    }

    // The letter keys press their buttons when enabled; Escape leaves.
    void keysPressTheLetters()
    {
        const QString word = game().word();
        const QChar good = lettersOf(word).at(0), wrong = lettersNotIn(word).at(0);
        const auto key = [](QChar c, Qt::KeyboardModifiers modifiers = {}) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : screenOf(kName), Qt::Key(Qt::Key_A + c.unicode() - 'A'),
                            modifiers);
        };
        key(wrong, Qt::ControlModifier);
        QCOMPARE(enabledLetters(), 26);
        key(good);
        key(wrong);
        key(wrong);
        QVERIFY(!button(good)->isButtonEnabled() && !button(wrong)->isButtonEnabled());
        QVERIFY(element<QLabel>(kName, "lblWORDHIDDEN")
                    ->text()
                    .contains(word.at(word.toUpper().indexOf(good))));
        QCOMPARE(game().wrongGuesses(), 1);
        QTest::keyClick(screenOf(kName), Qt::Key_Escape);
        QVERIFY(!lesson()->isOpen());
        QVERIFY(windows().find("frmMAINMENU")->isOpen());
    }

    // Sounds take their real length; clicks made while one plays come afterwards, each
    // for the word that showed when it was made.
    void clicksDuringASound_data()
    {
        QTest::addColumn<int>("wrongFirst"); // wrong letters clicked first
        QTest::addColumn<QString>("keep");   // of the word's letters, those not clicked first
        QTest::addColumn<QString>("sound");  // while this plays ...
        QTest::addColumn<QString>(
            "posted"); // ... these are clicked: L the last letter, W a wrong one, E Exit
        QTest::addColumn<QString>("dialog"); // the dialog that came, if any
        QTest::addColumn<int>("wrongAfter");
        QTest::newRow("a wrong letter during BUTTON") << 0 << "all"
                                                      << "AUDIO/BUTTON"
                                                      << "W"
                                                      << "" << 1;
        QTest::newRow("the last letter and a wrong one during BUTTON") << 0 << "two"
                                                                       << "AUDIO/BUTTON"
                                                                       << "LW"
                                                                       << "frmMSGCRECT" << 0;
        QTest::newRow("two wrong letters during BUTTON after nine") << 9 << "all"
                                                                    << "AUDIO/BUTTON"
                                                                    << "WW"
                                                                    << "frmMSGWRONG" << 0;
        QTest::newRow("a wrong letter during WIN") << 0 << "one"
                                                   << "AUDIO/WIN"
                                                   << "W"
                                                   << "frmMSGCRECT" << 0;
        QTest::newRow("a wrong letter during LOOSE") << 9 << "all"
                                                     << "AUDIO/LOOSE"
                                                     << "W"
                                                     << "frmMSGWRONG" << 0;
        QTest::newRow("Exit during BUTTON") << 0 << "all"
                                            << "AUDIO/BUTTON"
                                            << "E"
                                            << "" << 0;
    }
    void clicksDuringASound()
    {
        QFETCH(int, wrongFirst);
        QFETCH(QString, keep);
        QFETCH(QString, sound);
        QFETCH(QString, posted);
        QFETCH(QString, dialog);
        QFETCH(int, wrongAfter);
        program->seam.soundsTakeTheirLength = true;
        const QString word = game().word();
        const QString good = lettersOf(word);
        const QString wrong = lettersNotIn(word);
        const quint64 number = game().wordNumber();
        for (const QChar c : wrong.left(wrongFirst))
            click(button(c));
        // Click the word's letters up to the ones kept, the last one kept for the posting.
        const qsizetype kept = keep == "all" ? good.size() : keep == "two" ? 2 : 1;
        for (const QChar c : good.left(good.size() - kept))
            click(button(c));
        QList<QWidget*> targets;
        qsizetype nextWrong = wrongFirst + (sound == "AUDIO/LOOSE" ? 1 : 0);
        for (const QChar p : posted)
            targets << (p == 'E'   ? element(kName, "btnpEXIT")
                        : p == 'L' ? button(good.back())
                                   : button(wrong.at(nextWrong++)));
        bool posting = false;
        program->seam.onPlay = [&](const QString& label) {
            if (label == sound && !std::exchange(posting, true))
                for (QWidget* target : targets)
                    postClick(target);
        };
        click(button(sound == "AUDIO/LOOSE" ? wrong.at(wrongFirst) : good.at(good.size() - kept)));
        settle();
        program->seam.onPlay = nullptr;
        QVERIFY(posting);
        QCOMPARE(dialogs.size(), dialog.isEmpty() ? 0 : 1);
        if (!dialog.isEmpty())
            QVERIFY2(dialogs.at(0).startsWith(dialog + ": The word was " + word),
                     qPrintable(dialogs.at(0)));
        if (posted == "E") {
            QVERIFY(!lesson()->isOpen());
            QVERIFY(windows().find("frmMAINMENU")->isOpen());
            return;
        }
        QCOMPARE(game().wordNumber(), number + (dialog.isEmpty() ? 0 : 1));
        QCOMPARE(game().wrongGuesses(), wrongAfter);
        if (!dialog.isEmpty())
            QCOMPARE(enabledLetters(), 26);
    }
};

QTEST_MAIN(TestFrmLessPcwd)
#include "tst_picwordswindow.moc"
