// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/alphabet/alphabetwindow.h"
#include "support/screensteps.h"
#include "ui/picturebutton.h"

#include <QTest>

using namespace lxp;
using namespace lxp::testing;

// The alphabet screen opened from the main menu and used with real clicks on its real
// buttons and with its keys; what is said is read from the test seam.
class TestAlphabetWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedProgram> program;

    AlphabetWindow* lesson() { return windows().get<AlphabetWindow>(); }
    QLabel* label(const QString& name) { return element<QLabel>(AlphabetWindow::kName, name); }
    // "Airplane 1 of 5": the word as the ribbon shows it and the counter.
    QString shown()
    {
        if (!lesson()->isOpen())
            return "closed";
        return label("lblTITLE1_0")->text() + label("lblTITLE2_0")->text() + " " +
               label("lbl1Of9")->text();
    }
    QStringList played() const { return program->seam.played; }
    void openFromTheMenu()
    {
        program->seam.played.clear();
        click("frmMAINMENU", "btnpALPHABET");
        QTRY_COMPARE(played().size(), 2);
    }
    // A key as the learner presses it: to the focused control, on to the screen.
    void press(const QString& key)
    {
        QWidget* screen = lesson()->screen();
        QWidget* target = screen->focusWidget() ? screen->focusWidget() : screen;
        const QKeySequence sequence(key);
        QTest::keyClick(target, Qt::Key(sequence[0].key()));
    }

private slots:
    void init() { program = std::make_unique<StartedProgram>("ENGLISH"); }
    void cleanup() { program.reset(); }

    // The first word of A shows before the window does; once it shows, the letter is
    // said and then the word. Leaving at K 4 and coming back starts at A 1 again.
    void opensAtTheFirstWordOfA()
    {
        QStringList shownWhenSaid;
        program->seam.onPlay = [&](const QString& sound) {
            shownWhenSaid << sound + (lesson()->screen()->isVisible() ? " " + shown() : "");
        };
        openFromTheMenu();
        QCOMPARE(shownWhenSaid,
                 QStringList({"LETTERS/A Airplane 1 of 5", "WORDS/AIRPLANE Airplane 1 of 5"}));
        click(AlphabetWindow::kName, "btnpLETTERS_10");
        for (int i = 0; i < 3; ++i)
            click(AlphabetWindow::kName, "btnpNEXT");
        QCOMPARE(shown(), QString("Kiwi Fruit 4 of 7"));
        click(AlphabetWindow::kName, "btnpEXIT");
        QVERIFY(!lesson()->isOpen() && windows().find("frmMAINMENU")->isOpen());
        shownWhenSaid.clear();
        openFromTheMenu();
        QCOMPARE(shownWhenSaid,
                 QStringList({"LETTERS/A Airplane 1 of 5", "WORDS/AIRPLANE Airplane 1 of 5"}));
        program->seam.onPlay = nullptr;
    }

    void buttonsAndKeys_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QStringList>("said"); // after the opening
        QTest::newRow("back") << QStringList{"click btnpBACK"} << "Autumn 5 of 5"
                              << QStringList{"WORDS/AUTUMN"};
        QTest::newRow("next") << QStringList{"click btnpNEXT"} << "Ambulance 2 of 5"
                              << QStringList{"WORDS/AMBULANCE"};
        QTest::newRow("letter X") << QStringList{"click btnpLETTERS_23"} << "X ray 1 of 2"
                                  << QStringList{"LETTERS/X", "WORDS/XRAY"};
        QTest::newRow("speaker") << QStringList{"click btnpLETTERS_8", "click btnpNEXT",
                                                "click btnpNEXT", "click btnpHELP"}
                                 << "Ice cream 3 of 5"
                                 << QStringList{"LETTERS/I", "WORDS/IBIS", "WORDS/ICE",
                                                "WORDS/ICECREAM", "WORDS/ICECREAM"};
        QTest::newRow("key X") << QStringList{"key X btnpLETTERS_23"} << "X ray 1 of 2"
                               << QStringList{"LETTERS/X", "WORDS/XRAY"};
        QTest::newRow("key Left") << QStringList{"key Left btnpBACK"} << "Autumn 5 of 5"
                                  << QStringList{"WORDS/AUTUMN"};
        QTest::newRow("key Right twice")
            << QStringList{"key Right btnpNEXT", "key Right btnpNEXT"} << "Apple 3 of 5"
            << QStringList{"WORDS/AMBULANCE", "WORDS/APPLE"};
        // The letter A has the focus when the screen opens; Space still is the speaker.
        QTest::newRow("key Space") << QStringList{"key Space btnpHELP"} << "Airplane 1 of 5"
                                   << QStringList{"WORDS/AIRPLANE"};
        QTest::newRow("key Escape") << QStringList{"key Esc"} << "closed" << QStringList();
    }
    void buttonsAndKeys()
    {
        QFETCH(QStringList, steps);
        openFromTheMenu();
        QCOMPARE(lesson()->screen()->focusWidget()->objectName(), QString("btnpLETTERS_0"));
        program->seam.played.clear();
        for (const QString& step : steps) {
            const QStringList parts = step.split(' ');
            if (parts[0] == "click") {
                click(AlphabetWindow::kName, parts[1]);
                continue;
            }
            press(parts[1]);
            if (parts.size() < 3)
                continue;
            // The key shows its button pressed for a moment, then at rest.
            auto* button = element<PictureButton>(AlphabetWindow::kName, parts[2]);
            QCOMPARE(button->currentImage().toImage(), button->picturePressed().toImage());
            QTRY_COMPARE(button->currentImage().toImage(), button->pictureNormal().toImage());
        }
        QTEST(shown(), "expected");
        QTEST(played(), "said");
        if (!lesson()->isOpen())
            QVERIFY(windows().find("frmMAINMENU")->isOpen());
    }

    // Every word of both tables: the sentences wrap inside their labels, the word stays
    // inside the ribbon with the rest 4 pixels right of the letter (for the shadows as
    // well), and the counter counts the letter's words.
    void everyEntryFits_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("British") << "ENGLISH";
        QTest::newRow("American") << "AMERICAN";
    }
    void everyEntryFits()
    {
        QFETCH(QString, language);
        program.reset();
        program = std::make_unique<StartedProgram>(language);
        openFromTheMenu();
        const QRect panel = element(AlphabetWindow::kName, "shpShape2_6")->geometry();
        int entries = 0;
        for (int i = 0; i < AlphabetWindow::kLetters; ++i) {
            click(AlphabetWindow::kName, QString("btnpLETTERS_%1").arg(i));
            const int count = lesson()->book().itemCount();
            for (int n = 1; n <= count; ++n, ++entries) {
                const QString where = shown();
                QCOMPARE(label("lbl1Of9")->text(), QString("%1 of %2").arg(n).arg(count));
                for (int s = 0; s < 3; ++s) {
                    QLabel* sentence = label(QString("lblSENTENCE1_%1").arg(s));
                    QVERIFY2(!sentence->text().isEmpty(), qPrintable(where));
                    QVERIFY2(sentence->heightForWidth(sentence->width()) <= sentence->height() &&
                                 panel.contains(sentence->geometry()),
                             qPrintable(where + ": " + sentence->text()));
                    for (const QString& word : sentence->text().split(' '))
                        QVERIFY2(sentence->fontMetrics().horizontalAdvance(word) <=
                                     sentence->width(),
                                 qPrintable(word));
                }
                for (int k = 0; k < 2; ++k) {
                    QLabel* letter = label(QString("lblTITLE1_%1").arg(k));
                    QLabel* rest = label(QString("lblTITLE2_%1").arg(k));
                    QCOMPARE(rest->x(), letter->x() + letter->width() + AlphabetWindow::kRestGap);
                    QVERIFY2(letter->x() >= 10 && rest->geometry().right() < 660,
                             qPrintable(where));
                }
                QVERIFY2(textsFit(AlphabetWindow::kName), qPrintable(where));
                click(AlphabetWindow::kName, "btnpNEXT");
            }
        }
        QCOMPARE(entries, 157);
    }
};

QTEST_MAIN(TestAlphabetWindow)
#include "tst_alphabetwindow.moc"
