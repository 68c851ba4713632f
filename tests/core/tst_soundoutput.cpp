// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/soundoutput.h"
#include "core/tst_soundoutput_wav.h"

#include <QRandomGenerator>
#include <QTest>

using namespace lxp;
using namespace lxp::wavtest;

namespace {

const QByteArray kSamples = QByteArray("0123456789ABCDEF", 16);

} // namespace

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
        const QByteArray good = wav(pcm, kSamples);
        const QList<qsizetype> refused;
        QTest::newRow("16-bit mono") << good << QList<qsizetype>{1, 44100, 16, 44, 16};
        QTest::newRow("odd size: whole frames only")
            << wav({.channels = 2, .rate = 22050}, kSamples.left(15))
            << QList<qsizetype>{2, 22050, 16, 44, 12};
        QTest::newRow("odd chunk before the samples, then its pad byte")
            << riff(chunk("fmt ", fmtBody(pcm)) + chunk("LIST", "abc") + chunk("data", kSamples))
            << QList<qsizetype>{1, 44100, 16, 56, 16};
        QTest::newRow("block align mismatch") << wav({.blockAlign = 3}, kSamples) << refused;
        QTest::newRow("data beyond the end")
            << riff(chunk("fmt ", fmtBody(pcm)) + chunk("data", kSamples, 17)) << refused;
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

    // Every prefix is refused, and whatever the reader accepts of many randomly damaged
    // copies lies inside the image, in whole frames.
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
};

QTEST_GUILESS_MAIN(TestSoundOutput)
#include "tst_soundoutput.moc"
