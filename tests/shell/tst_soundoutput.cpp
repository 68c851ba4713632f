#include "shell/soundoutput.h"
#include "shell/tst_soundoutput_wav.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

using namespace lxp;
using namespace lxp::wavtest;
using namespace std::chrono_literals;

namespace {

const QByteArray kSamples = QByteArray("0123456789ABCDEF", 16);

bool played() { return platformSoundOutput().lastStart() != std::chrono::steady_clock::time_point(); }

} // namespace

class TestSoundOutput : public QObject {
    Q_OBJECT
private slots:
    // A WAV image gives its channels, rate, bits, where the samples start and how many
    // bytes of whole frames it holds; anything malformed gives nothing.
    void wavRead_data() {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<QList<qsizetype>>("expected");
        const Format pcm;
        const QByteArray good = wav(pcm, kSamples);
        const QList<qsizetype> refused;
        QTest::newRow("16-bit mono") << good << QList<qsizetype>{1, 44100, 16, 44, 16};
        QTest::newRow("8-bit stereo") << wav({.channels = 2, .rate = 11025, .bits = 8}, kSamples)
                                      << QList<qsizetype>{2, 11025, 8, 44, 16};
        QTest::newRow("odd size: whole frames only") << wav({.channels = 2, .rate = 22050}, kSamples.left(15))
                                                     << QList<qsizetype>{2, 22050, 16, 44, 12};
        QTest::newRow("zero length") << wav(pcm, {}) << QList<qsizetype>{1, 44100, 16, 44, 0};
        QTest::newRow("odd chunk before the samples, then its pad byte")
            << riff(chunk("fmt ", fmtBody(pcm)) + chunk("LIST", "abc") + chunk("data", kSamples))
            << QList<qsizetype>{1, 44100, 16, 56, 16};
        QTest::newRow("riff size not trusted") << QByteArray(good).replace(4, 4, le(quint32(0xFFFFFFF0)))
                                               << QList<qsizetype>{1, 44100, 16, 44, 16};
        QTest::newRow("header cut in the format chunk") << good.left(30) << refused;
        QTest::newRow("samples cut short") << good.left(good.size() - 1) << refused;
        QTest::newRow("not WAVE") << good.left(8) + "AVI " + good.mid(12) << refused;
        QTest::newRow("float format tag") << wav({.tag = 3, .bits = 32}, kSamples) << refused;
        QTest::newRow("24-bit") << wav({.bits = 24}, kSamples) << refused;
        QTest::newRow("rate 0") << wav({.rate = 0}, kSamples) << refused;
        QTest::newRow("block align mismatch") << wav({.blockAlign = 3}, kSamples) << refused;
        QTest::newRow("data before format") << riff(chunk("data", kSamples) + chunk("fmt ", fmtBody(pcm))) << refused;
        QTest::newRow("data beyond the end") << riff(chunk("fmt ", fmtBody(pcm)) + chunk("data", kSamples, 17)) << refused;
        QTest::newRow("data size 4 GiB")
            << riff(chunk("fmt ", fmtBody(pcm)) + chunk("data", kSamples, 0xFFFFFFFF)) << refused;
        QTest::newRow("other chunk beyond the end")
            << riff(chunk("fmt ", fmtBody(pcm)) + chunk("LIST", "ab", 0xFFFFFFF0) + chunk("data", kSamples)) << refused;
    }
    void wavRead() {
        QFETCH(QByteArray, image);
        QFETCH(QList<qsizetype>, expected);
        const std::optional<WavSound> sound = WavSoundRead(image);
        QCOMPARE(sound.has_value(), !expected.isEmpty());
        if (sound)
            QCOMPARE((QList<qsizetype>{sound->channels, sound->sampleRate, sound->bitsPerSample,
                                       sound->dataOffset, sound->dataSize}), expected);
    }

    // Every prefix is refused, and whatever the reader accepts of many randomly damaged
    // copies lies inside the image, in whole frames.
    void damagedImagesStayInBounds() {
        const QByteArray good = riff(chunk("fmt ", fmtBody({.channels = 2})) + chunk("LIST", "x") +
                                     chunk("data", kSamples.left(12)));
        for (int n = 0; n < good.size(); ++n)
            QVERIFY2(!WavSoundRead(good.left(n)), qPrintable(QString::number(n)));
        QRandomGenerator random(20261206);
        for (int round = 0; round < 20000; ++round) {
            QByteArray image = good;
            for (int i = 1 + random.bounded(4); i > 0; --i)
                image[random.bounded(image.size())] = char(random.bounded(256));
            const std::optional<WavSound> sound = WavSoundRead(image);
            QVERIFY2(!sound || (sound->dataOffset >= 12 && sound->dataSize >= 0 &&
                                sound->dataOffset + sound->dataSize <= image.size() &&
                                sound->dataSize % sound->frameSize() == 0),
                     image.toHex().constData());
        }
    }

    // The platform's output plays nothing of bad data, and does not wait over it.
    void badDataPlaysNothing() {
        QElapsedTimer clock;
        clock.start();
        platformSoundOutput().play(QByteArray("RIFF\x10\0\0\0WAVEfmt ", 16));
        platformSoundOutput().play(wav({.bits = 24}, kSamples));
        platformSoundOutput().play(wav({}, {}));
        QVERIFY(!played());
        QVERIFY(clock.elapsed() < 200);
    }

#ifdef LEXIPOND_SOUND_PULSE
    void initTestCase() {
        previousHandler = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context,
                                                    const QString& text) {
            if (type == QtWarningMsg && text.startsWith("No sound"))
                ++noSoundWarnings;
            previousHandler(type, context, text);
        });
    }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }

    // With a sound server (skipped without one): a sound starts quickly and the call
    // lasts as long as the sound.
    void playsToItsEnd() {
        // The first sound also opens the connection and wakes the server's device.
        auto called = std::chrono::steady_clock::now();
        platformSoundOutput().play(tone({}, 50));
        if (!played())
            QSKIP("no sound server running");
        serverConnected = true;
        QVERIFY(platformSoundOutput().lastStart() - called < 30ms);
        // The connection is kept: the next sound of the same format starts at once.
        called = std::chrono::steady_clock::now();
        platformSoundOutput().play(tone({}, 400));
        const auto elapsed = std::chrono::steady_clock::now() - called;
        QVERIFY(platformSoundOutput().lastStart() - called < 5ms);
        QVERIFY2(elapsed >= 380ms && elapsed < 1000ms, qPrintable(QString::number(elapsed / 1ms)));
    }

    // No server at the configured address: every call returns at once, and the reason
    // is logged once in the whole run.
    void absentServerReturnsAtOnce() {
        if (serverConnected)
            QSKIP("the connection to the running sound server is kept");
        qputenv("PULSE_SERVER", "unix:/nonexistent/lexipond-test/native");
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 3; ++i)
            platformSoundOutput().play(tone({.channels = 2, .rate = 8000, .bits = 8}, 300));
        const qint64 elapsed = clock.elapsed();
        qunsetenv("PULSE_SERVER");
        QVERIFY(!played());
        QVERIFY2(elapsed < 300, qPrintable(QString::number(elapsed)));
        QCOMPARE(noSoundWarnings, 1);
    }

private:
    static inline int noSoundWarnings = 0;
    static inline QtMessageHandler previousHandler = nullptr;
    bool serverConnected = false;
#endif
};

QTEST_GUILESS_MAIN(TestSoundOutput)
#include "tst_soundoutput.moc"
