// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/seam.h"

#include "core/log.h"
#include "core/resourcetable.h"
#include "core/soundoutput.h"
#include "core/version.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
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

void SettingsProblemLog(const QString& problem)
{
    static QSet<QString> logged;
    if (logged.contains(problem))
        return;
    logged.insert(problem);
    qCWarning(lxpLog).noquote() << "The settings cannot be used:" << problem
                                << "- the choices made now last until the program ends.";
}

std::unique_ptr<QSettings> SettingsFileOpen(const QString& path)
{
    const QFileInfo file(path);
    if (file.exists() && !file.isFile()) {
        SettingsProblemLog(path + QStringLiteral(" is not a plain file"));
        return nullptr;
    }
    if (file.exists() && file.size() > kLargestSettingsFile) {
        SettingsProblemLog(path + QStringLiteral(" is too large to be a settings file"));
        return nullptr;
    }
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
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
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QLatin1String(version::kCompany),
                                       QLatin1String(version::kProduct));
#else
    // Without a home folder the settings would land in a folder made at random ("/.config"
    // for an unset HOME), so there are none.
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME")) {
        const QString home = qEnvironmentVariable("HOME");
        if (home.isEmpty() || !QFileInfo(home).isDir()) {
            SettingsProblemLog(home.isEmpty()
                                   ? QStringLiteral("there is no home folder (HOME is not set)")
                                   : QStringLiteral("the home folder %1 does not exist").arg(home));
            return nullptr;
        }
    }
    // The file the platform's settings store keeps for the program, opened by its path so
    // that it can be looked at first and no other file is read.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty()) {
        SettingsProblemLog(QStringLiteral("there is no folder for settings"));
        return nullptr;
    }
    return SettingsFileOpen(
        QStringLiteral("%1/%2/%3.conf")
            .arg(folder, QLatin1String(version::kCompany), QLatin1String(version::kProduct)));
#endif
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
