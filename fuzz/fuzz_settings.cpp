// SPDX-License-Identifier: GPL-3.0-or-later
// The stored choices read from any settings file, then stored and read back.
#include "core/choices.h"
#include "core/screentexts.h"
#include "fuzzseam.h"

#include <QFile>

using namespace lxp;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TestSeam& seam = fuzz::fuzzSeam();
    static const QString folder = seam.settingsPath.section(QLatin1Char('/'), 0, -3);
    // A file of its own each run: the settings layer keeps what it read of a file
    // for as long as its size and time look unchanged.
    static quint64 run = 0;
    seam.settingsPath = folder + QStringLiteral("/fuzz%1.conf").arg(++run);
    {
        QFile file(seam.settingsPath);
        fuzz::require(file.open(QIODevice::WriteOnly), "settings file written");
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    Choices::UnsavedForget();
    Choices choices = Choices::Load();
    fuzz::require(Choices::HelpLanguageLoad() == choices.helpLanguage, "one help language");
    fuzz::require(ScreenTextLoad(1) != QLatin1String("0"), "a screen text");

    choices.contentVariant = size % 2 ? ContentVariant::British : ContentVariant::American;
    choices.helpLanguage = size % 3 ? HelpLanguage::Korean : HelpLanguage::English;
    if (choices.Save()) {
        Choices::UnsavedForget();
        fuzz::require(Choices::Load() == choices, "stored choices read back");
    }
    QFile::remove(seam.settingsPath);
    return 0;
}
