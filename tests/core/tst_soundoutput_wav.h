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

// A chunk padded to even length; `declared` overrides the size in its header.
inline QByteArray chunk(const char* id, const QByteArray& body, qint64 declared = -1)
{
    return QByteArray(id, 4) + le(quint32(declared < 0 ? body.size() : declared)) + body +
           QByteArray(body.size() % 2, '\0');
}

// A 16-bit PCM format chunk; blockAlign -1 is 2 bytes a channel.
struct Format {
    quint16 channels = 1;
    quint32 rate = 44100;
    int blockAlign = -1;
};

inline QByteArray fmtBody(const Format& f)
{
    const quint16 align = quint16(f.blockAlign < 0 ? f.channels * 2 : f.blockAlign);
    return le(quint16(1)) + le(f.channels) + le(f.rate) + le(f.rate * align) + le(align) +
           le(quint16(16));
}

inline QByteArray riff(const QByteArray& chunks)
{
    return "RIFF" + le(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

inline QByteArray wav(const Format& f, const QByteArray& samples)
{
    return riff(chunk("fmt ", fmtBody(f)) + chunk("data", samples));
}

// A mono 440 Hz tone of `ms` milliseconds at half scale.
inline QByteArray tone(int ms)
{
    QByteArray samples;
    for (int i = 0; i < 44100 * ms / 1000; ++i)
        samples += le(qint16(std::lround(16383 * std::sin(2 * M_PI * 440.0 * i / 44100))));
    return wav({}, samples);
}

} // namespace lxp::wavtest
