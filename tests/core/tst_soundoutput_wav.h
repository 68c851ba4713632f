// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Builders of WAV images for the sound tests and benchmarks.

#include <QByteArray>
#include <QtEndian>

#include <cmath>

namespace lxp::wavtest {

template <class T> QByteArray le(T v)
{
    QByteArray b(sizeof v, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// A chunk with its header, padded to even length; `declared` overrides the size
// written in the header.
inline QByteArray chunk(const char* id, const QByteArray& body, qint64 declared = -1)
{
    return QByteArray(id, 4) + le(quint32(declared < 0 ? body.size() : declared)) + body +
           QByteArray(body.size() % 2, '\0');
}

struct Format {
    quint16 tag = 1;
    quint16 channels = 1;
    quint32 rate = 44100;
    quint16 bits = 16;
    int blockAlign = -1; // -1: channels * bits / 8
};

inline QByteArray fmtBody(const Format& f)
{
    const quint16 align = quint16(f.blockAlign < 0 ? f.channels * f.bits / 8 : f.blockAlign);
    return le(f.tag) + le(f.channels) + le(f.rate) + le(f.rate * align) + le(align) + le(f.bits);
}

inline QByteArray riff(const QByteArray& chunks)
{
    return "RIFF" + le(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

inline QByteArray wav(const Format& f, const QByteArray& samples)
{
    return riff(chunk("fmt ", fmtBody(f)) + chunk("data", samples));
}

// A 440 Hz tone of `ms` milliseconds at half scale.
inline QByteArray tone(const Format& f, int ms)
{
    QByteArray samples;
    for (qint64 i = 0; i < qint64(f.rate) * ms / 1000; ++i) {
        const double v = 0.5 * std::sin(2 * M_PI * 440.0 * double(i) / f.rate);
        for (int c = 0; c < f.channels; ++c)
            samples += f.bits == 8 ? QByteArray(1, char(quint8(128 + std::lround(v * 127))))
                                   : le(qint16(std::lround(v * 32767)));
    }
    return wav(f, samples);
}

} // namespace lxp::wavtest
