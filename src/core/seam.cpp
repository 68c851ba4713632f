// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/seam.h"

#include "core/resourcetable.h"
#include "core/soundoutput.h"
#include "core/version.h"

#include <QDesktopServices>
#include <QSettings>
#include <QUrl>

#include <random>

namespace lxp {
namespace {
Seam* g_seam = nullptr;
} // namespace

QByteArray Seam::resource(const QString& type, const QString& name) const
{
    return ResourceTable::read(type, name);
}

Seam& seam()
{
    static RealSeam realSeam;
    return g_seam ? *g_seam : realSeam;
}

Seam* setSeam(Seam* s)
{
    Seam* previous = g_seam;
    g_seam = s;
    return previous;
}

struct RealSeam::Private {
    Private()
    {
        std::random_device device;
        std::seed_seq seeds{device(), device(), device(), device(), device(), device()};
        generator.seed(seeds);
    }
    std::mt19937_64 generator;
};

RealSeam::RealSeam() : d(std::make_unique<Private>()) {}
RealSeam::~RealSeam() = default;

void RealSeam::playSound(const QByteArray& wav, const QString&)
{
    platformSoundOutput().play(wav);
}

std::unique_ptr<QSettings> RealSeam::openSettings() const
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QLatin1String(version::kCompany),
                                       QLatin1String(version::kProduct));
}

void RealSeam::shellOpen(const QString& target, bool webAddress)
{
    const QUrl url = webAddress ? QUrl::fromUserInput(target) : QUrl(target);
    if (url.isValid())
        QDesktopServices::openUrl(url);
}

double RealSeam::random()
{
    // 53 random bits give every representable step of [0, 1) and never 1 itself.
    return double(d->generator() >> 11) * 0x1.0p-53;
}

} // namespace lxp
