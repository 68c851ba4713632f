// SPDX-License-Identifier: GPL-3.0-or-later
// Checks every shipped sound as the program finds it in its resource table.
#include "support/shippedcontent.h"

#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace lxp;

namespace {

constexpr int kRate = 44100;

QStringList expectedNames(const QString& type)
{
    QStringList names = type == "WORDS" ? shippedWordNames().values()
                        : type == "LETTERS"
                            ? QString("ABCDEFGHIJKLMNOPQRSTUVWXYZ").split("", Qt::SkipEmptyParts)
                            : QStringList{"BELLHIGH", "BELLLOW", "BUBBLES", "BUTTON",
                                          "CLICK",    "LOOSE",   "POP",     "WIN"};
    names.sort();
    return names;
}

QList<qint16> samples(const QByteArray& wav)
{
    QList<qint16> s(std::max<qsizetype>(0, (wav.size() - 44) / 2));
    qFromLittleEndian<qint16>(wav.constData() + 44, s.size(), s.data());
    return s;
}

// Level in dBFS of the 20 ms frames within 30 dB of the loudest one: the level that
// is heard, however long the pauses inside "knife and fork" are.
double activeLevelDb(const QList<qint16>& s)
{
    const int frame = kRate / 50;
    QList<double> power; // mean square of each frame, full scale 1
    for (qsizetype i = 0; i + frame <= s.size(); i += frame)
        power << std::transform_reduce(s.begin() + i, s.begin() + i + frame, 0.0, std::plus<>(),
                                       [](qint16 x) { return x * x / 1073741824.0 / frame; });
    const double floor = power.isEmpty() ? 0 : *std::max_element(power.begin(), power.end()) / 1000;
    power.removeIf([floor](double p) { return p < floor; });
    return power.isEmpty()
               ? -200
               : 10 * std::log10(std::reduce(power.begin(), power.end()) / power.size());
}

} // namespace

class TestSounds : public QObject {
    Q_OBJECT
private slots:
    // A recording of every word, letter and effect, and no others.
    void exactlyTheExpectedSounds()
    {
        for (const QString type : {"WORDS", "LETTERS", "AUDIO"})
            QCOMPARE(ResourceTable::names(type), expectedNames(type));
    }

    // Format, length (a sound blocks the program while it plays), a prompt start and no
    // clipping.
    void eachSound_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("longest");
        for (const auto& [type, longest] :
             {std::pair{"WORDS", 1.80}, {"LETTERS", 1.00}, {"AUDIO", 0.90}})
            for (const QString& name : expectedNames(type))
                QTest::newRow(qPrintable(type + ("/" + name))) << type << name << longest;
    }
    void eachSound()
    {
        QFETCH(QString, type);
        QFETCH(QString, name);
        QFETCH(double, longest);
        const QByteArray wav = ResourceTable::read(type, name);
        QVERIFY2(wav.size() > 44, "missing");
        // The plain 44-byte header of a PCM file of 44100 Hz, 16-bit, mono.
        QCOMPARE(wav.left(4) + wav.mid(8, 32),
                 "RIFFWAVEfmt " + QByteArray::fromHex("100000000100010044ac00008858010002001000") +
                     "data");
        const auto size = [&](int at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
        QVERIFY(size(4) == wav.size() - 8 && size(40) == wav.size() - 44);
        const QList<qint16> s = samples(wav);
        const double seconds = double(s.size()) / kRate;
        QVERIFY2(seconds >= 0.05 && seconds <= longest,
                 qPrintable(QString("%1 s long").arg(seconds)));

        // The first sample above -40 dBFS lies within 30 ms; peaks stay below -0.2 dBFS.
        const auto onset =
            std::find_if(s.begin(), s.end(), [](qint16 x) { return std::abs(x) >= 328; });
        QVERIFY2(onset - s.begin() <= qsizetype(0.030 * kRate), "starts late");
        const auto [low, high] = std::minmax_element(s.begin(), s.end());
        QVERIFY2(std::max(-int(*low), int(*high)) < 32000, "clipped");
    }

    // Words and letters follow one another in the lessons: none may stand out as
    // louder or softer than the rest.
    void speechEvenlyLoud()
    {
        QList<QPair<double, QString>> levels;
        for (const QString type : {"WORDS", "LETTERS"})
            for (const QString& name : expectedNames(type))
                levels.append(
                    {activeLevelDb(samples(ResourceTable::read(type, name))), type + "/" + name});
        std::sort(levels.begin(), levels.end());
        const double median = levels[levels.size() / 2].first;
        for (const auto& [db, name] : levels)
            QVERIFY2(
                std::abs(db - median) <= 1.5,
                qPrintable(QString("%1 at %2 dB, median %3 dB").arg(name).arg(db).arg(median)));
    }

    void everySoundIsCredited()
    {
        QCOMPARE(
            creditsFault("sounds", {"resources/WORDS", "resources/LETTERS", "resources/AUDIO"}),
            QString());
    }
};

QTEST_GUILESS_MAIN(TestSounds)
#include "tst_sounds.moc"
