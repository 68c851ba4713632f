#include "shell/soundoutput.h"
#include "shell/tst_soundoutput_wav.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using namespace lxp;
using namespace lxp::wavtest;

namespace {

const QByteArray kSamples = QByteArray("0123456789ABCDEF", 16);

struct Expected {
    int channels;
    int rate;
    int bits;
    qsizetype offset;
    qsizetype size;
};

bool played()
{
    return platformSoundOutput().lastStart() != std::chrono::steady_clock::time_point();
}

} // namespace

using namespace std::chrono_literals;

Q_DECLARE_METATYPE(Expected)

class TestSoundOutput : public QObject {
    Q_OBJECT
private slots:
    void wellFormedImages_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<Expected>("expected");
        Format mono16;
        Format stereo8{.channels = 2, .rate = 11025, .bits = 8};
        Format stereo16{.channels = 2, .rate = 22050};

        QTest::newRow("16-bit mono") << wav(mono16, kSamples) << Expected{1, 44100, 16, 44, 16};
        QTest::newRow("8-bit stereo") << wav(stereo8, kSamples) << Expected{2, 11025, 8, 44, 16};
        QTest::newRow("odd sample bytes: whole frames only")
            << wav(stereo16, kSamples.left(15)) << Expected{2, 22050, 16, 44, 12};
        QTest::newRow("no samples") << wav(mono16, {}) << Expected{1, 44100, 16, 44, 0};
        // A chunk of odd length before the samples is followed by a pad byte.
        QTest::newRow("odd list chunk before data")
            << riff(chunk("fmt ", fmtBody(mono16)) + chunk("LIST", "abc") + chunk("data", kSamples))
            << Expected{1, 44100, 16, 56, 16};
        QTest::newRow("longer format chunk")
            << riff(chunk("fmt ", fmtBody(mono16) + le16(0)) + chunk("data", kSamples))
            << Expected{1, 44100, 16, 46, 16};
        QByteArray wrongRiffSize = wav(mono16, kSamples);
        wrongRiffSize.replace(4, 4, le32(0xFFFFFFF0));
        QTest::newRow("riff size not trusted") << wrongRiffSize << Expected{1, 44100, 16, 44, 16};
        QTest::newRow("chunks after the samples ignored")
            << wav(mono16, kSamples) + "junk" << Expected{1, 44100, 16, 44, 16};
    }
    void wellFormedImages()
    {
        QFETCH(QByteArray, image);
        QFETCH(Expected, expected);
        const std::optional<WavSound> sound = WavSoundRead(image);
        QVERIFY(sound);
        QCOMPARE(sound->channels, expected.channels);
        QCOMPARE(sound->sampleRate, expected.rate);
        QCOMPARE(sound->bitsPerSample, expected.bits);
        QCOMPARE(sound->dataOffset, expected.offset);
        QCOMPARE(sound->dataSize, expected.size);
    }

    void malformedImagesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("image");
        const Format pcm;
        const QByteArray good = wav(pcm, kSamples);
        const auto withFormat = [](Format f) { return wav(f, kSamples); };

        QTest::newRow("empty") << QByteArray();
        QTest::newRow("only RIFF") << good.left(4);
        QTest::newRow("header cut in the format chunk") << good.left(30);
        QTest::newRow("header cut before the samples") << good.left(40);
        QTest::newRow("samples cut short") << good.left(good.size() - 1);
        QTest::newRow("not RIFF") << QByteArray("RIFX") + good.mid(4);
        QTest::newRow("not WAVE") << good.left(8) + "AVI " + good.mid(12);
        QTest::newRow("float samples") << withFormat({.tag = 3, .bits = 32});
        QTest::newRow("ADPCM") << withFormat({.tag = 2, .bits = 4});
        QTest::newRow("extensible") << withFormat({.tag = 0xFFFE});
        QTest::newRow("24-bit") << withFormat({.bits = 24});
        QTest::newRow("12-bit") << withFormat({.bits = 12});
        QTest::newRow("no channels") << withFormat({.channels = 0});
        QTest::newRow("three channels") << withFormat({.channels = 3});
        QTest::newRow("rate 0") << withFormat({.rate = 0});
        QTest::newRow("absurd rate") << withFormat({.rate = 0x7FFFFFFF});
        QTest::newRow("block align mismatch") << withFormat({.blockAlign = 3});
        QTest::newRow("format chunk too short")
            << riff(chunk("fmt ", fmtBody(pcm).left(14)) + chunk("data", kSamples));
        QTest::newRow("data before format")
            << riff(chunk("data", kSamples) + chunk("fmt ", fmtBody(pcm)));
        QTest::newRow("two format chunks") << riff(
            chunk("fmt ", fmtBody(pcm)) + chunk("fmt ", fmtBody(pcm)) + chunk("data", kSamples));
        QTest::newRow("no data chunk") << riff(chunk("fmt ", fmtBody(pcm)));
        QTest::newRow("data size beyond the end")
            << riff(chunk("fmt ", fmtBody(pcm)) + chunk("data", kSamples, 17));
        QTest::newRow("data size 4 GiB")
            << riff(chunk("fmt ", fmtBody(pcm)) + chunk("data", kSamples, 0xFFFFFFFF));
        QTest::newRow("other chunk size beyond the end")
            << riff(chunk("fmt ", fmtBody(pcm)) + chunk("LIST", "ab", 0xFFFFFFF0) +
                    chunk("data", kSamples));
    }
    void malformedImagesAreRefused()
    {
        QFETCH(QByteArray, image);
        QVERIFY(!WavSoundRead(image));
    }

    // Every prefix and many corrupted copies of a real-looking image: whatever the
    // reader accepts must lie inside the image, in whole frames.
    void damagedImagesStayInBounds()
    {
        const QByteArray good = riff(chunk("fmt ", fmtBody({.channels = 2})) + chunk("LIST", "x") +
                                     chunk("data", kSamples.left(12)));
        const auto check = [](const QByteArray& image) {
            const std::optional<WavSound> sound = WavSoundRead(image);
            if (!sound)
                return true;
            return sound->dataOffset >= 12 && sound->dataSize >= 0 &&
                   sound->dataOffset + sound->dataSize <= image.size() &&
                   sound->dataSize % sound->frameSize() == 0;
        };
        for (int n = 0; n < good.size(); ++n) {
            // A header cut anywhere is refused; only the complete image plays.
            QVERIFY2(!WavSoundRead(good.left(n)), qPrintable(QString::number(n)));
        }
        QRandomGenerator random(20261206);
        for (int round = 0; round < 20000; ++round) {
            QByteArray image = good;
            const int flips = 1 + random.bounded(4);
            for (int i = 0; i < flips; ++i)
                image[random.bounded(image.size())] = char(random.bounded(256));
            QVERIFY2(check(image), image.toHex().constData());
        }
    }

    // The rest needs the platform's output; with no sound server it must not wait.
    void badDataPlaysNothing()
    {
        QElapsedTimer clock;
        clock.start();
        platformSoundOutput().play(QByteArray("RIFF\x10\0\0\0WAVEfmt ", 16));
        platformSoundOutput().play(wav(Format{.bits = 24}, kSamples));
        platformSoundOutput().play(wav(Format{}, {}));
        QVERIFY(!played());
        QVERIFY(clock.elapsed() < 200);
    }

#ifdef LEXIPOND_SOUND_PULSE
    void initTestCase()
    {
        previousHandler = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                if (type == QtWarningMsg && text.startsWith("No sound"))
                    ++noSoundWarnings;
                previousHandler(type, context, text);
            });
    }
    void cleanupTestCase()
    {
        qInstallMessageHandler(previousHandler);
    }

    // Against a running sound server (skipped when there is none): a sound starts
    // quickly and the call blocks for its length.
    void playsToItsEnd()
    {
        // The first sound also opens the connection and wakes the server's device.
        auto called = std::chrono::steady_clock::now();
        platformSoundOutput().play(tone(Format{}, 50));
        if (!played())
            QSKIP("no sound server running");
        serverConnected = true;
        QVERIFY(platformSoundOutput().lastStart() - called < 30ms);

        // The connection is kept: the next sound of the same format starts at once.
        called = std::chrono::steady_clock::now();
        platformSoundOutput().play(tone(Format{}, 400));
        const auto elapsed = std::chrono::steady_clock::now() - called;
        QVERIFY(played());
        QVERIFY(platformSoundOutput().lastStart() - called < 5ms);
        QVERIFY2(elapsed >= 380ms && elapsed < 1000ms, qPrintable(QString::number(elapsed / 1ms)));
    }

    // No server at the configured address: every call returns at once, and the reason
    // is logged once in the whole run.
    void absentServerReturnsAtOnce()
    {
        if (serverConnected)
            QSKIP("the connection to the running sound server is kept");
        qputenv("PULSE_SERVER", "unix:/nonexistent/lexipond-test/native");
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 3; ++i)
            platformSoundOutput().play(tone(Format{.channels = 2, .rate = 8000, .bits = 8}, 300));
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
