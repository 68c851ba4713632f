#include "controls/picbtn.h"
#include "shell/media.h"
#include "shell/tst_soundoutput_wav.h"
#include "support/testseam.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace lxp;

namespace {

// A JPEG of one colour whose size tells the pictures apart.
QByteArray jpeg(QSize size, QColor colour = Qt::red, const char* format = "JPG")
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray bitmap(QSize size)
{
    return jpeg(size, Qt::blue, "BMP");
}

const QByteArray kSound = wavtest::tone(wavtest::Format{}, 10);

} // namespace

// Stands in for the picture button: the four faces as properties, and the order in
// which they were set.
class FakeButton : public QObject {
    Q_OBJECT
    Q_PROPERTY(QPixmap PictureHLight READ hl WRITE setHl)
    Q_PROPERTY(QPixmap PictureNormal READ normal WRITE setNormal)
    Q_PROPERTY(QPixmap PicturePressed READ pressed WRITE setPressed)
    Q_PROPERTY(QPixmap PictureDisabled READ disabled WRITE setDisabled)
public:
    QPixmap hl() const { return m_hl; }
    QPixmap normal() const { return m_normal; }
    QPixmap pressed() const { return m_pressed; }
    QPixmap disabled() const { return m_disabled; }
    void setHl(const QPixmap& p) { m_hl = p, order << "HL"; }
    void setNormal(const QPixmap& p) { m_normal = p, order << "NORMAL"; }
    void setPressed(const QPixmap& p) { m_pressed = p, order << "PRESSED"; }
    void setDisabled(const QPixmap& p) { m_disabled = p, order << "DISABLED"; }
    QStringList order;

private:
    QPixmap m_hl, m_normal, m_pressed, m_disabled;
};

class TestMedia : public QObject {
    Q_OBJECT
private slots:
    void init() { seam = std::make_unique<TestSeam>(); }
    void cleanup() { seam.reset(); }

    // The word's photograph and recording share one name: no spaces, any letter case.
    void wordFoundUnderItsResourceName_data()
    {
        QTest::addColumn<QString>("pictureName");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("label");
        QTest::newRow("Kiwi fruit") << "Kiwifruit"
                                    << "Kiwi fruit"
                                    << "WORDS/KIWIFRUIT";
        QTest::newRow("kiwi fruit") << "kiwifruit"
                                    << "kiwi fruit"
                                    << "WORDS/KIWIFRUIT";
        QTest::newRow("X ray") << "Xray"
                               << "X ray"
                               << "WORDS/XRAY";
        QTest::newRow("spaces all over") << "KIWIFRUIT"
                                         << " Kiwi  fruit "
                                         << "WORDS/KIWIFRUIT";
    }
    void wordFoundUnderItsResourceName()
    {
        QFETCH(QString, pictureName);
        QFETCH(QString, word);
        QFETCH(QString, label);
        seam->setResource("CUSTOM", "KIWIFRUIT", jpeg({30, 20}));
        seam->setResource("CUSTOM", "XRAY", jpeg({31, 21}));
        seam->setResource("WORDS", "KIWIFRUIT", kSound);
        seam->setResource("WORDS", "XRAY", kSound);
        QLabel box;
        WordPictureLoad(box, pictureName);
        QCOMPARE(box.pixmap().size(), label.endsWith("XRAY") ? QSize(31, 21) : QSize(30, 20));
        WordPlay(word);
        QCOMPARE(seam->played, QStringList{label});
    }

    // Whatever cannot be shown leaves the previous word's photograph on screen.
    void pictureBoxKeepsItsPicture_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("name 0, even with a picture of that name") << "0" << jpeg({9, 9});
        QTest::newRow("no such word") << "NOSUCHWORD" << QByteArray();
        QTest::newRow("not a picture") << "BROKEN" << QByteArray("this is not a JPEG");
        QTest::newRow("JPEG marker only") << "BROKEN" << QByteArray("\xFF\xD8\xFF\xE0", 4);
    }
    void pictureBoxKeepsItsPicture()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        if (!bytes.isEmpty())
            seam->setResource("CUSTOM", name, bytes);
        seam->setResource("CUSTOM", "APPLE", jpeg({30, 20}, Qt::green));
        QLabel box;
        WordPictureLoad(box, "Apple");
        QCOMPARE(box.pixmap().size(), QSize(30, 20));
        const qint64 before = box.pixmap().cacheKey();
        WordPictureLoad(box, name);
        QCOMPARE(box.pixmap().cacheKey(), before);
    }

    void windowBackground()
    {
        seam->setResource("DIALOG", "MSGBOX", jpeg({52, 25}, QColor(200, 40, 40)));
        QWidget window;
        window.setFixedSize(52, 25);
        FormPictureLoad("msgbox", "dialog", window);
        const QBrush brush = window.palette().brush(QPalette::Window);
        QCOMPARE(brush.texture().size(), QSize(52, 25));
        QVERIFY(window.autoFillBackground());
        // What the window shows is the picture.
        const QImage shown = window.grab().toImage();
        QVERIFY(qAbs(QColor(shown.pixel(20, 10)).red() - 200) < 8);

        // A missing or broken picture keeps the background.
        const qint64 key = brush.texture().cacheKey();
        seam->setResource("DIALOG", "BROKEN", "not a picture");
        FormPictureLoad("NOSUCH", "DIALOG", window);
        FormPictureLoad("BROKEN", "DIALOG", window);
        FormPictureLoad("MSGBOX", "NOSUCHTYPE", window);
        QCOMPARE(window.palette().brush(QPalette::Window).texture().cacheKey(), key);
    }

    // The faces of the program's own buttons, from the real resource table.
    void buttonFaces_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QStringList>("order");
        const QStringList all{"HL", "NORMAL", "PRESSED", "DISABLED"};
        QTest::newRow("BTN") << "BTN" << QSize(140, 39) << all;
        QTest::newRow("btn in lower case") << "btn" << QSize(140, 39) << all;
        QTest::newRow("speaker, no disabled face")
            << "BTNSPEAKER" << QSize(40, 39) << QStringList{"HL", "NORMAL", "PRESSED"};
        QTest::newRow("no such button") << "NOSUCH" << QSize(0, 0) << QStringList{};
    }
    void buttonFaces()
    {
        QFETCH(QString, prefix);
        QFETCH(QSize, size);
        QFETCH(QStringList, order);
        FakeButton button;
        QPixmap stored(7, 7);
        stored.fill(Qt::gray);
        button.setProperty("PictureDisabled", stored);
        button.order.clear();

        ButtonPicturesLoad(button, prefix);
        QCOMPARE(button.order, order);
        const QList<QPixmap> faces{button.hl(), button.normal(), button.pressed()};
        for (const QPixmap& face : faces)
            QCOMPARE(face.size(), size);
        const QSize disabledSize = order.contains("DISABLED") ? size : QSize(7, 7);
        QCOMPARE(button.disabled().size(), disabledSize);
    }

    // The program's picture button takes its faces the same way and shows the normal one.
    void pictureButtonFaces()
    {
        picbtn button;
        QPixmap stored(7, 7);
        stored.fill(Qt::gray);
        button.setPictureDisabled(stored);
        ButtonPicturesLoad(button, "BtnSpeaker");
        QCOMPARE(button.PictureHLight().size(), QSize(40, 39));
        QCOMPARE(button.PicturePressed().size(), QSize(40, 39));
        QCOMPARE(button.PictureNormal().size(), QSize(40, 39));
        QCOMPARE(button.PictureDisabled().cacheKey(), stored.cacheKey());
        QCOMPARE(button.cURRENTIMAGE().cacheKey(), button.PictureNormal().cacheKey());
    }

    // Each face comes from its own bitmap, and a broken one is skipped like a missing one.
    void buttonFacesByName()
    {
        seam->setResource("BITMAP", "TESTHL", bitmap({1, 1}));
        seam->setResource("BITMAP", "TESTNORMAL", bitmap({2, 1}));
        seam->setResource("BITMAP", "TESTPRESSED", "broken");
        seam->setResource("BITMAP", "TESTDISABLED", bitmap({4, 1}));
        FakeButton button;
        ButtonPicturesLoad(button, "Test");
        QCOMPARE(button.hl().width(), 1);
        QCOMPARE(button.normal().width(), 2);
        QVERIFY(button.pressed().isNull());
        QCOMPARE(button.disabled().width(), 4);
    }

    // Pictures are decoded in memory: neither the program's folder nor the temporary
    // folder gains a file.
    void pictureLoadsWriteNoFile()
    {
        QTemporaryDir privateTemp;
        const QByteArray oldTemp = qgetenv("TMPDIR");
        qputenv("TMPDIR", privateTemp.path().toLocal8Bit());
        QCOMPARE(QDir::tempPath(), QDir(privateTemp.path()).canonicalPath());
        const QDir programFolder(QCoreApplication::applicationDirPath());
        const QStringList programFiles = programFolder.entryList(QDir::AllEntries | QDir::Hidden);

        seam->setResource("CUSTOM", "APPLE", jpeg({30, 20}));
        seam->setResource("DIALOG", "MAIN", jpeg({67, 56}));
        QLabel box;
        QWidget window;
        FakeButton button;
        WordPictureLoad(box, "APPLE");
        FormPictureLoad("MAIN", "DIALOG", window);
        ButtonPicturesLoad(button, "BTN");
        QVERIFY(!box.pixmap().isNull());
        QVERIFY(!button.normal().isNull());

        const QStringList tempFiles =
            QDir(privateTemp.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        qputenv("TMPDIR", oldTemp);
        QCOMPARE(tempFiles, QStringList());
        QCOMPARE(programFolder.entryList(QDir::AllEntries | QDir::Hidden), programFiles);
    }

    void soundsPlayedByName_data()
    {
        QTest::addColumn<std::function<void()>>("call");
        QTest::addColumn<QString>("label");
        QTest::newRow("EffectPlay")
            << std::function<void()>([] { EffectPlay("win"); }) << "AUDIO/WIN";
        QTest::newRow("LetterPlay")
            << std::function<void()>([] { LetterPlay("q"); }) << "LETTERS/Q";
        QTest::newRow("BellHighPlay") << std::function<void()>(BellHighPlay) << "AUDIO/BELLHIGH";
        QTest::newRow("ClickPlay") << std::function<void()>(ClickPlay) << "AUDIO/CLICK";
        QTest::newRow("LoosePlay") << std::function<void()>(LoosePlay) << "AUDIO/LOOSE";
        QTest::newRow("WinPlay") << std::function<void()>(WinPlay) << "AUDIO/WIN";
        QTest::newRow("ButtonPlay") << std::function<void()>(ButtonPlay) << "AUDIO/BUTTON";
    }
    void soundsPlayedByName()
    {
        QFETCH(std::function<void()>, call);
        QFETCH(QString, label);
        for (const char* name : {"BELLHIGH", "CLICK", "LOOSE", "WIN", "BUTTON"})
            seam->setResource("AUDIO", name, kSound);
        seam->setResource("LETTERS", "Q", kSound);
        call();
        QCOMPARE(seam->played, QStringList{label});
    }

    // A missing sound plays nothing, raises nothing, and still lets waiting events run.
    void missingSoundStillRunsEvents_data()
    {
        QTest::addColumn<std::function<void()>>("call");
        QTest::newRow("effect") << std::function<void()>([] { EffectPlay("NOSUCHEFFECT"); });
        QTest::newRow("empty effect name") << std::function<void()>([] { EffectPlay(""); });
        QTest::newRow("letter") << std::function<void()>([] { LetterPlay("7"); });
        QTest::newRow("word") << std::function<void()>([] { WordPlay("No such word"); });
        QTest::newRow("word of spaces") << std::function<void()>([] { WordPlay("   "); });
    }
    void missingSoundStillRunsEvents()
    {
        QFETCH(std::function<void()>, call);
        bool ran = false;
        QTimer::singleShot(0, this, [&] { ran = true; });
        call();
        QVERIFY(seam->played.isEmpty());
        QVERIFY(ran);
    }

    // A click that waits when a sound starts is handled before it; a click made during
    // the sound is handled right after it, inside the same call.
    void clicksRunAroundTheSound()
    {
        seam->setResource("AUDIO", "WIN", kSound);
        QPushButton button("again");
        button.resize(80, 30);
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QStringList log;
        connect(&button, &QPushButton::clicked, this, [&] { log << "click"; });
        const auto postClick = [&button] {
            const QPointF at(40, 15);
            const QPointF global = button.mapToGlobal(at);
            QCoreApplication::postEvent(&button, new QMouseEvent(QEvent::MouseButtonPress, at,
                                                                 global, Qt::LeftButton,
                                                                 Qt::LeftButton, Qt::NoModifier));
            QCoreApplication::postEvent(&button, new QMouseEvent(QEvent::MouseButtonRelease, at,
                                                                 global, Qt::LeftButton,
                                                                 Qt::NoButton, Qt::NoModifier));
        };
        seam->onPlay = [&](const QString& label) {
            log << label;
            postClick();
        };
        postClick();
        WinPlay();
        QCOMPARE(log, (QStringList{"click", "AUDIO/WIN", "click"}));
    }

private:
    std::unique_ptr<TestSeam> seam;
};

QTEST_MAIN(TestMedia)
#include "tst_media.moc"
