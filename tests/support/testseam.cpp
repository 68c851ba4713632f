// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/testseam.h"

#include "core/choices.h"
#include "core/soundoutput.h"

#include <QThread>

namespace lxp {

TestSeam::TestSeam()
{
    settingsPath = m_dir.filePath(QStringLiteral("Corvane Software Dev./Lexipond.conf"));
    m_previous = setSeam(this);
    Choices::UnsavedForget();
}

QByteArray TestSeam::resource(const QString& type, const QString& name) const
{
    for (const QString& missing : missingTypes)
        if (missing.endsWith('*') ? type.startsWith(missing.chopped(1), Qt::CaseInsensitive)
                                  : type.compare(missing, Qt::CaseInsensitive) == 0)
            return {};
    const auto it = m_resources.constFind(type.toUpper() + '/' + name.toUpper());
    return it != m_resources.constEnd() ? *it : Seam::resource(type, name);
}

void TestSeam::playSound(const QByteArray& wav, const QString& label)
{
    played << label;
    if (onPlay)
        onPlay(label);
    if (const std::optional<WavSound> sound = WavSoundRead(wav); sound && soundsTakeTheirLength)
        QThread::msleep(qMax<qint64>(sound->durationMs(), 0));
}

// xorshift64*: repeatable across runs.
double TestSeam::random()
{
    m_state ^= m_state >> 12;
    m_state ^= m_state << 25;
    m_state ^= m_state >> 27;
    return double((m_state * 0x2545F4914F6CDD1DULL) >> 11) * 0x1.0p-53;
}

} // namespace lxp
