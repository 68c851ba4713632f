// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>

#include <memory>

namespace lxp {

// Everything the program takes from the world outside its own code passes through
// this one seam: resources, sound output, the per-user settings store, the desktop
// shell and random numbers. The program installs the real implementation at start-up;
// tests install a fake (tests/support/testseam.h).
class Seam {
public:
    virtual ~Seam() = default;

    // Raw bytes of a resource of the program's resource table; empty when missing.
    // Type and name are matched without regard to letter case.
    virtual QByteArray resource(const QString& type, const QString& name) const;

    // Plays a complete WAV image to its end, blocking the caller for its length.
    // Returns at once when the sound device is busy or absent and plays nothing for
    // data it cannot play. `label` names the sound ("AUDIO/WIN") for logs and tests.
    virtual void playSound(const QByteArray& wav, const QString& label) = 0;

    // The per-user settings store of this program; nothing when it cannot be used.
    virtual std::unique_ptr<QSettings> openSettings() const = 0;

    // Asks the desktop to open a web address (`webAddress` true: the address is
    // given without its scheme) or any other link ("mailto:someone@example.org").
    virtual void shellOpen(const QString& target, bool webAddress) = 0;

    // A uniform draw r with 0 <= r < 1 from one well-seeded generator.
    virtual double random() = 0;
};

// A settings file at `path`, or nothing (with a warning on the log, once) when the
// path is something other than a plain file (a folder, a named pipe, which would hang
// the reading) or is larger than any settings file the program writes.
std::unique_ptr<QSettings> SettingsFileOpen(const QString& path);
inline constexpr qint64 kLargestSettingsFile = 64 * 1024;
// Says once on the log why the settings cannot be used.
void SettingsProblemLog(const QString& problem);

Seam& seam();
// Installs `s` (not owned) and returns the one it replaces.
Seam* setSeam(Seam* s);

// The seam of the running program: the compiled-in resource table, the sound
// backend of the platform, the native settings store and the desktop shell.
class RealSeam : public Seam {
public:
    RealSeam();
    ~RealSeam() override;
    void playSound(const QByteArray& wav, const QString& label) override;
    std::unique_ptr<QSettings> openSettings() const override;
    void shellOpen(const QString& target, bool webAddress) override;
    double random() override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace lxp
