// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/testseam.h"

#include <QByteArray>
#include <QFileInfo>
#include <QGuiApplication>
#include <QtGlobal>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace lxp::fuzz {

// What every fuzz target shares: a headless application (pictures and cursors need
// one), quiet Qt messages (a broken picture warns on every run) and one test seam
// whose resources the target replaces with the fuzzer's bytes.
inline TestSeam& fuzzSeam()
{
    static TestSeam* seam = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Scratch files (the settings target writes one each run) in memory where
        // the system offers it: a disk would spend the run flushing them.
        if (QFileInfo(QStringLiteral("/dev/shm")).isWritable())
            qputenv("TMPDIR", "/dev/shm");
        static int argc = 1;
        static char name[] = "fuzz";
        static char* argv[] = {name, nullptr};
        new QGuiApplication(argc, argv);
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        return new TestSeam;
    }();
    return *seam;
}

inline QByteArray bytesOf(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A broken promise of a reader: report it as the crash it stands for.
inline void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

} // namespace lxp::fuzz
