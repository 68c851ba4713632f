// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tst_soundoutput_wav.h"
#include "support/testseam.h"
#include "ui/handcursor.h"
#include "ui/inputhold.h"
#include "ui/media.h"
#include "ui/picturebutton.h"

#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace lxp;

namespace {

// A picture of one colour whose size tells the pictures apart.
QByteArray picture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

} // namespace

class TestMedia : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSeam> seam;

private slots:
    void init() { seam = std::make_unique<TestSeam>(); }
    void cleanup() { seam.reset(); }

    // Runs first: the hand, once made, is kept for the run. Anything but a cursor file as
    // resource 101 gives the system's pointing hand; the shipped hand points at (6,0).
    void handCursorFromResource101()
    {
        QByteArray cursor(22, '\0');
        cursor[2] = 2; // type: cursor
        cursor[4] = 1; // one image
        cursor[10] = 6;
        cursor[12] = 9;
        QCOMPARE(CursorHotSpot(cursor), std::optional<QPoint>(QPoint(6, 9)));
        QByteArray icon = cursor;
        icon[2] = 1;
        for (const QByteArray& bytes : {QByteArray(), cursor.left(20), icon, QByteArray(80, 'x')}) {
            seam->setResource("CURSOR", "101", bytes);
            QVERIFY2(!CursorHotSpot(bytes), bytes.toHex().constData());
            QCOMPARE(HandCursor().shape(), Qt::PointingHandCursor);
        }
        seam->clearResources();
        QCOMPARE(HandCursor().shape(), Qt::BitmapCursor);
        QCOMPARE(HandCursor().hotSpot(), QPoint(6, 0));
    }

    // A word's photograph and recording share one name: no spaces, any letter case.
    void wordFoundUnderItsResourceName()
    {
        seam->setResource("CUSTOM", "KIWIFRUIT", picture({30, 20}));
        seam->setResource("WORDS", "KIWIFRUIT", wavtest::tone(10));
        for (const QString word : {"Kiwi fruit", "kiwi fruit"}) {
            QLabel box;
            WordPictureLoad(box, QString(word).remove(' '));
            QCOMPARE(box.pixmap().size(), QSize(30, 20));
            seam->played.clear();
            WordPlay(word);
            QCOMPARE(seam->played, QStringList{"WORDS/KIWIFRUIT"});
        }
    }

    // Whatever cannot be shown leaves the previous picture: of a word, and behind a window.
    void oldPictureKept_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("name 0, even with a picture of that name") << "0" << picture({9, 9});
        QTest::newRow("no such picture") << "NOSUCH" << QByteArray();
        QTest::newRow("JPEG marker only") << "BROKEN" << QByteArray("\xFF\xD8\xFF\xE0", 4);
    }
    void oldPictureKept()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        for (const char* type : {"CUSTOM", "DIALOG"}) {
            seam->setResource(type, "APPLE", picture({30, 20}));
            if (!bytes.isEmpty())
                seam->setResource(type, name, bytes);
        }
        QLabel box;
        WordPictureLoad(box, "Apple");
        QCOMPARE(box.pixmap().size(), QSize(30, 20));
        const qint64 before = box.pixmap().cacheKey();
        WordPictureLoad(box, name);
        QCOMPARE(box.pixmap().cacheKey(), before);
        if (name == "0")
            return; // "0" is the word pictures' own rule
        QWidget window;
        window.setFixedSize(30, 20);
        FormPictureLoad("apple", "dialog", window);
        const qint64 background = window.palette().brush(QPalette::Window).texture().cacheKey();
        FormPictureLoad(name, "DIALOG", window);
        QCOMPARE(window.palette().brush(QPalette::Window).texture().cacheKey(), background);
    }

    // Each shipped format (png, jpg, bmp, ico, cur) decodes as Qt's own guess does; cut
    // bytes are no picture.
    void pictureOfEachFormat()
    {
        for (const auto& [type, name] : {std::pair{"screens/frmMAINMENU", "btnpPAIRS_HL"},
                                         {"DIALOG", "MAIN"},
                                         {"BITMAP", "BTNHL"},
                                         {"ICON", "LEXIPOND"},
                                         {"CURSOR", "101"}}) {
            const QByteArray bytes = seam->resource(type, name);
            const QImage image = ImageDecode(bytes);
            QVERIFY2(!image.isNull() && image == QImage::fromData(bytes), name);
            QVERIFY(ImageDecode(bytes.mid(8)).isNull());
        }
    }

    // A button takes each face from its own bitmap, prefix in any case, and shows the
    // normal one; a missing face (the speaker's disabled one) leaves the button's own.
    void buttonFaces()
    {
        const QSize btn(140, 39), speaker(40, 39);
        QPixmap own(7, 7);
        own.fill(Qt::gray);
        for (const auto& [prefix, faces] : // HL, NORMAL, PRESSED, DISABLED
             {std::pair{"btn", QList<QSize>{btn, btn, btn, btn}},
              {"BtnSpeaker", QList<QSize>{speaker, speaker, speaker, own.size()}}}) {
            PictureButton button;
            button.setPictureDisabled(own);
            ButtonPicturesLoad(button, prefix);
            const QList<QSize> loaded{button.pictureHLight().size(), button.pictureNormal().size(),
                                      button.picturePressed().size(),
                                      button.pictureDisabled().size()};
            QCOMPARE(loaded, faces);
            QCOMPARE(button.currentImage().cacheKey(), button.pictureNormal().cacheKey());
        }
    }

    // Pictures are decoded in memory: neither the program's nor the temporary folder
    // gains a file.
    void pictureLoadsWriteNoFile()
    {
        QTemporaryDir privateTemp;
        const QByteArray oldTemp = qgetenv("TMPDIR");
        qputenv("TMPDIR", privateTemp.path().toLocal8Bit());
        const QDir programFolder(QCoreApplication::applicationDirPath());
        const QStringList programFiles = programFolder.entryList(QDir::AllEntries | QDir::Hidden);
        QLabel box;
        PictureButton button;
        WordPictureLoad(box, "APPLE");
        FormPictureLoad("MAIN", "DIALOG", box);
        ButtonPicturesLoad(button, "BTN");
        QVERIFY(!box.pixmap().isNull() && !button.pictureNormal().isNull() &&
                box.autoFillBackground());
        qputenv("TMPDIR", oldTemp);
        QCOMPARE(QDir(privateTemp.path())
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
        QCOMPARE(programFolder.entryList(QDir::AllEntries | QDir::Hidden), programFiles);
    }

    // Clicks waiting when a sound starts, or made while it plays, run in order after the
    // handler that plays it, a timer meanwhile; they tell when they were made. An unknown
    // effect plays nothing but still lets waiting events run.
    void clicksRunAroundTheSound()
    {
        bool ran = false;
        QTimer::singleShot(0, this, [&] { ran = true; });
        EffectPlay("NOSUCHEFFECT");
        QVERIFY(seam->played.isEmpty() && ran);

        seam->setResource("AUDIO", "WIN", wavtest::tone(10));
        QPushButton button("again");
        button.resize(80, 30);
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QStringList log;
        std::vector<std::chrono::steady_clock::time_point> madeAt;
        connect(&button, &QPushButton::clicked, this, [&] {
            log << "click";
            madeAt.push_back(InputHold::inputMadeAt());
        });
        const auto postClick = [&button] {
            const QPointF at(40, 15), global = button.mapToGlobal(at);
            for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(
                    &button, new QMouseEvent(type, at, global, Qt::LeftButton,
                                             type == QEvent::MouseButtonPress ? Qt::LeftButton
                                                                              : Qt::NoButton,
                                             {}));
        };
        seam->onPlay = [&](const QString& label) {
            log << label;
            postClick();
        };
        postClick();
        QTimer::singleShot(0, this, [&] { log << "timer"; });
        WinPlay();
        log << "handler done";
        const auto soundOver = std::chrono::steady_clock::now();
        QTRY_COMPARE(log, (QStringList{"timer", "AUDIO/WIN", "handler done", "click", "click"}));
        QVERIFY(madeAt.at(0) < soundOver && madeAt.at(1) < soundOver);
        QTest::mouseClick(&button, Qt::LeftButton);
        QVERIFY(madeAt.at(2) > soundOver);
    }
};

QTEST_MAIN(TestMedia)
#include "tst_media.moc"
