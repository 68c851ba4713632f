// SPDX-License-Identifier: GPL-3.0-or-later
// Writes an endlessly looping animated GIF from full frames, all in one fixed
// palette. Each frame after the first is stored as the smallest rectangle that
// differs from the frame before it; frames equal to the one before only lengthen
// its display time.
#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QList>
#include <QString>

#include <vector>

class GifWriter {
public:
    explicit GifWriter(QList<QRgb> palette);

    // delayCs: how long the frame shows, in hundredths of a second.
    void addFrame(const QImage& frame, int delayCs);
    bool write(const QString& path, QString* error) const;

private:
    struct Frame {
        int width = 0, height = 0;
        std::vector<unsigned char> pixels; // palette indices, row by row
        int delayCs = 0;
    };
    unsigned char indexOf(QRgb colour);

    QList<QRgb> m_palette;
    QHash<QRgb, unsigned char> m_nearest;
    QList<Frame> m_frames;
};
