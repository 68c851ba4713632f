// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/seam.h"

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

namespace lxp {

// The seam for tests. Constructing it installs it; destroying it puts the previous
// seam back. Resources come from the real resource table unless a test overrides
// them; sounds are recorded, not played; settings live in a temporary folder; shell
// requests are recorded; random draws come from a fixed-seed generator.
class TestSeam : public Seam {
public:
    TestSeam();
    ~TestSeam() override { setSeam(m_previous); }
    TestSeam(const TestSeam&) = delete;
    TestSeam& operator=(const TestSeam&) = delete;

    // Resources: an override replaces the real resource of that type and name
    // (letter case ignored); an empty QByteArray makes it missing.
    void setResource(const QString& type, const QString& name, const QByteArray& bytes)
    {
        m_resources.insert(type.toUpper() + '/' + name.toUpper(), bytes);
    }
    void clearResources() { m_resources.clear(); }
    // The shipped content tables ("US_INF", ...) read from the source tree, for the
    // tests of the lessons' rules, which run without the program's resource table.
    void useShippedTables(const QStringList& tables)
    {
        for (const QString& table : tables) {
            QFile file(QStringLiteral(LEXIPOND_SOURCE_DIR "/resources/DATA/%1.txt").arg(table));
            setResource("DATA", table, file.open(QIODevice::ReadOnly) ? file.readAll() : "");
        }
    }
    // Every resource of these types is missing ("CUSTOM", "screens/frmMAINMENU"; a
    // trailing "*" matches the start of a type, "screens/*").
    QStringList missingTypes;
    QByteArray resource(const QString& type, const QString& name) const override;

    // Sound: every call is recorded by its label ("AUDIO/WIN"). `onPlay`, when set,
    // runs inside the call as if during the sound (to post the learner's clicks, say).
    // With `soundsTakeTheirLength` a readable WAV blocks the caller for its real
    // length, as the sound output does: nothing of the program runs meanwhile, and
    // what arrived is handled after the sound.
    QStringList played;
    std::function<void(const QString& label)> onPlay;
    bool soundsTakeTheirLength = false;
    void playSound(const QByteArray& wav, const QString& label) override;

    // Settings: a settings file in a temporary folder; `settingsPath` may be pointed
    // elsewhere (for instance at a place that cannot be written), or emptied for the
    // program's own place (from HOME or XDG_CONFIG_HOME).
    QString settingsPath;
    std::unique_ptr<QSettings> openSettings() const override
    {
        return settingsPath.isEmpty() ? RealSeam().openSettings() : SettingsFileOpen(settingsPath);
    }

    // Shell requests, as (target, webAddress).
    QList<QPair<QString, bool>> shellRequests;
    void shellOpen(const QString& target, bool webAddress) override
    {
        shellRequests.append({target, webAddress});
    }

    double random() override;

private:
    QTemporaryDir m_dir;
    QHash<QString, QByteArray> m_resources;
    quint64 m_state = 0x2545F4914F6CDD1DULL;
    Seam* m_previous = nullptr;
};

} // namespace lxp
