// SPDX-License-Identifier: GPL-3.0-or-later
// The stored choices read from any settings file.
#include "core/choices.h"
#include "fuzzseam.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace lxp;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TestSeam& seam = fuzz::fuzzSeam();
    static const bool folderMade = QDir().mkpath(QFileInfo(seam.settingsPath).path());
    fuzz::require(folderMade, "settings folder");
    // The settings layer keeps what it read of a file for as long as its size and
    // time look unchanged: every run's file gets a time of its own.
    static qint64 run = 0;
    {
        QFile file(seam.settingsPath);
        fuzz::require(file.open(QIODevice::WriteOnly | QIODevice::Truncate),
                      "settings file written");
        file.write(reinterpret_cast<const char*>(data), qint64(size));
        file.setFileTime(QDateTime::fromSecsSinceEpoch(++run), QFileDevice::FileModificationTime);
    }
    Choices::UnsavedForget();
    Choices choices = Choices::Load();
    fuzz::require(Choices::HelpLanguageLoad() == choices.helpLanguage, "one help language");

    return 0;
}
