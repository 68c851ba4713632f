// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/testseam.h"

#include "core/choices.h"
#include "core/soundoutput.h"

#include <QSettings>
#include <QThread>

namespace lxp {

namespace {
QString keyOf(const QString& type, const QString& name)
{
    return type.toUpper() + QLatin1Char('/') + name.toUpper();
}
} // namespace

TestSeam::TestSeam()
{
    settingsPath = m_dir.filePath(QStringLiteral("Corvane Software Dev./Lexipond.conf"));
    m_previous = setSeam(this);
    Choices::UnsavedForget();
}

TestSeam::~TestSeam()
{
    setSeam(m_previous);
}

void TestSeam::setResource(const QString& type, const QString& name, const QByteArray& bytes)
{
    m_resources.insert(keyOf(type, name), bytes);
}

void TestSeam::clearResources()
{
    m_resources.clear();
}

QByteArray TestSeam::resource(const QString& type, const QString& name) const
{
    for (const QString& missing : missingTypes)
        if (missing.endsWith('*') ? type.startsWith(missing.chopped(1), Qt::CaseInsensitive)
                                  : type.compare(missing, Qt::CaseInsensitive) == 0)
            return {};
    const auto it = m_resources.constFind(keyOf(type, name));
    if (it != m_resources.constEnd())
        return *it;
    return Seam::resource(type, name);
}

void TestSeam::playSound(const QByteArray& wav, const QString& label)
{
    played << label;
    if (onPlay)
        onPlay(label);
    if (!soundsTakeTheirLength)
        return;
    if (const std::optional<WavSound> sound = WavSoundRead(wav))
        QThread::msleep(qMax<qint64>(sound->durationMs(), 0));
}

std::unique_ptr<QSettings> TestSeam::openSettings() const
{
    return SettingsFileOpen(settingsPath);
}

void TestSeam::shellOpen(const QString& target, bool webAddress)
{
    shellRequests.append({target, webAddress});
}

double TestSeam::random()
{
    if (!scriptedRandom.isEmpty())
        return scriptedRandom.takeFirst();
    // xorshift64*: repeatable across runs.
    m_state ^= m_state >> 12;
    m_state ^= m_state << 25;
    m_state ^= m_state >> 27;
    return double((m_state * 0x2545F4914F6CDD1DULL) >> 11) * 0x1.0p-53;
}

} // namespace lxp
