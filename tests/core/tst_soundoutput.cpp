// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/soundoutput.h"
#include "core/tst_soundoutput_wav.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace lxp;
using namespace lxp::wavtest;

static const QByteArray kSamples("0123456789ABCDEF");

class TestSoundOutput : public QObject {
    Q_OBJECT
private slots:
    // A WAV image gives its channels, rate, bits, where the samples start and how many
    // bytes of whole frames it holds; anything malformed gives nothing.
    void wavRead_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<QList<qsizetype>>("expected");
        const Format pcm;
        const QList<qsizetype> refused;
        QTest::newRow("16-bit mono")
            << wav(pcm, kSamples) << QList<qsizetype>{1, 44100, 16, 44, 16};
        QTest::newRow("odd size: whole frames only")
            << wav({.channels = 2, .rate = 22050}, kSamples.left(15))
            << QList<qsizetype>{2, 22050, 16, 44, 12};
        QTest::newRow("odd chunk before the samples, then its pad byte")
            << riff(chunk("fmt ", fmtBody(pcm)) + chunk("LIST", "abc") + chunk("data", kSamples))
            << QList<qsizetype>{1, 44100, 16, 56, 16};
        QTest::newRow("block align mismatch") << wav({.blockAlign = 3}, kSamples) << refused;
        QTest::newRow("data size 4 GiB")
            << riff(chunk("fmt ", fmtBody(pcm)) + chunk("data", kSamples, 0xFFFFFFFF)) << refused;
    }
    void wavRead()
    {
        QFETCH(QByteArray, image);
        QFETCH(QList<qsizetype>, expected);
        const std::optional<WavSound> sound = WavSoundRead(image);
        QCOMPARE(sound.has_value(), !expected.isEmpty());
        if (sound)
            QCOMPARE((QList<qsizetype>{sound->channels, sound->sampleRate, sound->bitsPerSample,
                                       sound->dataOffset, sound->dataSize}),
                     expected);
    }

    // Every prefix is refused; what the reader accepts of damaged copies lies inside, in
    // whole frames.
    void damagedImagesStayInBounds()
    {
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

    // No sound server, then a private one on a silent device, then none again: a sound
    // takes its length only while a server plays it, and the problem is said once.
    void realOutputWithoutAServer()
    {
        const QString server = QStandardPaths::findExecutable("pulseaudio");
        if (server.isEmpty())
            QSKIP("no pulseaudio to run (tools/bootstrap.sh installs it)");
        QTemporaryDir dir;
        const QString socket = dir.filePath("native");
        qputenv("PULSE_SERVER", QFile::encodeName("unix:" + socket));
        const QRegularExpression said("^No sound: no sound server could be reached");
        QTest::ignoreMessage(QtWarningMsg, said);
        QTest::failOnWarning(QRegularExpression("No sound"));
        const QByteArray sound = tone(300);
        QElapsedTimer clock;
        const auto play = [&] {
            clock.start();
            platformSoundOutput().play(sound);
            return clock.elapsed();
        };
        QVERIFY(play() < 250);

        QProcess daemon;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* folder : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"})
            env.insert(folder, dir.path());
        daemon.setProcessEnvironment(env);
        daemon.start(server, {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                              "--disable-shm", "-L", "module-null-sink", "-L",
                              "module-native-protocol-unix auth-anonymous=1 socket=" + socket});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket), 10000);
        QTest::qWait(5000); // the failure is remembered that long
        const qint64 played = play();
        QVERIFY2(played >= 280 && played < 2000, qPrintable(QString::number(played)));

        daemon.kill();
        QVERIFY(daemon.waitForFinished());
        for (int i = 0; i < 3; ++i)
            QVERIFY(play() < 250);
    }
};

QTEST_GUILESS_MAIN(TestSoundOutput)
#include "tst_soundoutput.moc"
