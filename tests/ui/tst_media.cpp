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

const QByteArray kSound = wavtest::tone(10);

} // namespace

class TestMedia : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSeam> seam;

private slots:
    void init() { seam = std::make_unique<TestSeam>(); }
    void cleanup() { seam.reset(); }

    // The hot spot comes from the first directory entry of a cursor file; anything else
    // as resource 101 gives the system's pointing hand. The shipped hand's is at (6,0).
    // (First: the hand is made once a run, by the first button.)
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
            seam->setResource(QStringLiteral("CURSOR"), QStringLiteral("101"), bytes);
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
        seam->setResource("WORDS", "KIWIFRUIT", kSound);
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

    // A picture is read by the reader its bytes name, giving what Qt's own guess gives,
    // for each format the program ships; other bytes are no picture.
    void pictureOfEachFormat_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("name");
        QTest::newRow("png") << "screens/frmMAINMENU"
                             << "btnpPAIRS_HL";
        QTest::newRow("jpg") << "DIALOG"
                             << "MAIN";
        QTest::newRow("bmp") << "BITMAP"
                             << "BTNHL";
        QTest::newRow("ico") << "ICON"
                             << "LEXIPOND";
        QTest::newRow("cur") << "CURSOR"
                             << "101";
    }
    void pictureOfEachFormat()
    {
        QFETCH(QString, type);
        QFETCH(QString, name);
        const QByteArray bytes = seam->resource(type, name);
        const QImage image = ImageDecode(bytes);
        QVERIFY(!image.isNull());
        QCOMPARE(image, QImage::fromData(bytes));
        QVERIFY(ImageDecode(bytes.mid(8)).isNull());
    }

    // A button takes each face from its own bitmap, prefix in any case, and shows the
    // normal one; a missing face leaves the button's own (7 x 7) in place.
    void buttonFaces()
    {
        const QSize btn(140, 39), speaker(40, 39);
        QPixmap own(7, 7);
        own.fill(Qt::gray);
        // Faces: HL, NORMAL, PRESSED, DISABLED.
        for (const auto& [prefix, faces] :
             {std::pair{"btn", QList<QSize>{btn, btn, btn, btn}},
              {"BtnSpeaker", QList<QSize>{speaker, speaker, speaker, own.size()}}}) {
            PictureButton button;
            button.setPictureDisabled(own);
            ButtonPicturesLoad(button, prefix);
            const QList<QSize> loaded{button.pictureHLight().size(), button.pictureNormal().size(),
                                      button.picturePressed().size(),
                                      button.pictureDisabled().size()};
            QCOMPARE(loaded, faces);
            QCOMPARE(button.pictureDisabled().cacheKey() == own.cacheKey(), faces[3] == own.size());
            QCOMPARE(button.currentImage().cacheKey(), button.pictureNormal().cacheKey());
        }
    }

    // Pictures are decoded in memory: neither the program's folder nor the temporary
    // folder gains a file.
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

    // An unknown effect plays nothing and still lets waiting events run.
    void unknownEffectPlaysNothing()
    {
        bool ran = false;
        QTimer::singleShot(0, this, [&] { ran = true; });
        EffectPlay("NOSUCHEFFECT");
        QVERIFY(seam->played.isEmpty() && ran);
    }

    // Clicks waiting when a sound starts, or made while it plays, wait until the handler
    // that plays it has finished, then run in order; a timer still runs meanwhile. They
    // tell when they were made; a click handled at once, that it is made now.
    void clicksRunAroundTheSound()
    {
        seam->setResource("AUDIO", "WIN", kSound);
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
            QCoreApplication::postEvent(&button,
                                        new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                        Qt::LeftButton, Qt::LeftButton, {}));
            QCoreApplication::postEvent(&button,
                                        new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                        Qt::LeftButton, Qt::NoButton, {}));
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
