// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/wordresourcename.h"
#include "lessons/words/wordsmenuwindow.h"
#include "lessons/words/wordsquizwindow.h"
#include "support/screensteps.h"
#include "ui/picturebutton.h"

#include <QCloseEvent>
#include <QMouseEvent>

using namespace lxp;
using namespace lxp::testing;

// The picture quiz with sounds that take their real length, and the learner leaving it
// by Exit or its close box while one plays: no feedback dialog ever shows over the
// category menu, and the menu comes back.
class TestWordsSounds : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedProgram> program;
    QTimer answerer;
    QStringList faults;

    static constexpr const char* kDialogs[] = {"frmMSGCRECT", "frmMSGWRONG", "frmMSGCRT10"};

    WordsQuizWindow* quiz() { return windows().get<WordsQuizWindow>(); }
    QWidget* choice(int b)
    {
        return element(WordsQuizWindow::kName, QString("btnpPICWORD1_%1").arg(b));
    }
    int rightButton()
    {
        for (int b = 0; b < WordsQuiz::kChoices; ++b)
            if (quiz()->quiz().choice(b) == quiz()->quiz().word())
                return b;
        return -1;
    }

    // A click as the window system delivers it, handled when the program next looks at
    // its events; a close request, which the window system refuses while a dialog is
    // modal. Each answers whether it can reach the quiz.
    static bool postClick(QWidget* widget)
    {
        if (QApplication::activeModalWidget())
            return false;
        QWidget* top = widget->window();
        const QPointF local = widget->mapTo(top, widget->rect().center());
        for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QMetaObject::invokeMethod(
                top->windowHandle(),
                [=, window = QPointer(top->windowHandle())] {
                    QMouseEvent click(
                        type, local, top->mapToGlobal(local), Qt::LeftButton,
                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
                    if (window)
                        QCoreApplication::sendEvent(window, &click);
                },
                Qt::QueuedConnection);
        return true;
    }
    static bool postClose(QWidget* target)
    {
        if (QApplication::activeModalWidget())
            return false;
        QCoreApplication::postEvent(target, new QCloseEvent);
        return true;
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QString name = watched->objectName();
        if (event->type() == QEvent::Show &&
            std::count(std::begin(kDialogs), std::end(kDialogs), name) && !quiz()->isOpen())
            faults << name + " shown over the category menu";
        return false;
    }

private slots:
    void initTestCase()
    {
        qApp->installEventFilter(this);
        answerer.setInterval(300);
        connect(&answerer, &QTimer::timeout, this, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (auto* ok = dialog ? dialog->findChild<PictureButton*>("btnpOK") : nullptr)
                QTest::mouseClick(ok, Qt::LeftButton, {}, QPoint(10, 10));
        });
    }
    void init()
    {
        program = std::make_unique<StartedProgram>();
        program->seam.soundsTakeTheirLength = true;
        faults.clear();
        shared().category = "FRUIT";
        windows().find("frmMAINMENU")->close();
        quiz()->show();
        answerer.start();
    }
    void cleanup()
    {
        answerer.stop();
        program.reset();
    }

    void leavingDuringASound_data()
    {
        QTest::addColumn<QString>("sound");
        QTest::addColumn<bool>("closeBox");
        for (const char* sound : {"right", "wrong", "speaker"}) {
            QTest::addRow("Exit during the %s sound", sound) << QString(sound) << false;
            QTest::addRow("close box during the %s sound", sound) << QString(sound) << true;
        }
    }
    void leavingDuringASound()
    {
        QFETCH(QString, sound);
        QFETCH(bool, closeBox);
        const QString word = quiz()->quiz().word();
        const QString label = sound == "right"   ? "AUDIO/WIN"
                              : sound == "wrong" ? "AUDIO/LOOSE"
                                                 : "WORDS/" + WordResourceName(word);
        bool counts = false;
        qsizetype soundsAtLeaving = -1;
        program->seam.onPlay = [&](const QString& played) {
            if (played != label || soundsAtLeaving >= 0)
                return;
            soundsAtLeaving = program->seam.played.size();
            counts = closeBox ? postClose(quiz()->screen())
                              : postClick(element(WordsQuizWindow::kName, "btnpEXIT"));
        };
        QWidget* button = sound == "speaker" ? element(WordsQuizWindow::kName, "btnpHELP")
                          : sound == "wrong" ? choice((rightButton() + 1) % WordsQuiz::kChoices)
                                             : choice(rightButton());
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget() && soundsAtLeaving >= 0, 10000);
        QTest::qWait(400);
        program->seam.onPlay = nullptr;

        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
        if (!counts)
            return; // a dialog was modal: the quiz could not be reached
        QVERIFY(!quiz()->isOpen());
        QVERIFY(windows().find(WordsMenuWindow::kName)->isOpen());
        // A close request ends the quiz at once: after the sound that was playing it
        // plays nothing. (A click waits until the step has ended.)
        if (closeBox)
            QCOMPARE(program->seam.played.size(), soundsAtLeaving);
    }
};

QTEST_MAIN(TestWordsSounds)
#include "tst_wordssounds.moc"
