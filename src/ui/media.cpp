// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/media.h"

#include "core/seam.h"
#include "ui/inputhold.h"

#include <QBrush>
#include <QCoreApplication>
#include <QLabel>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace lxp {
namespace {

// Lets the screens repaint and queued clicks run.
void WindowEventsLet()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

enum class Spaces { Keep, Remove };

// The shared steps of every sound: events, read, events, play, events. The learner's
// clicks and keys wait meanwhile, until the handler that plays the sound has finished.
void SoundPlay(const QString& type, QString name, Spaces spaces)
{
    const InputHold hold;
    WindowEventsLet();
    if (spaces == Spaces::Remove) {
        name.remove(QLatin1Char(' '));
        WindowEventsLet();
    }
    QByteArray wav = seam().resource(type, name);
    WindowEventsLet();
    if (!wav.isEmpty())
        seam().playSound(wav, type + QLatin1Char('/') + name.toUpper());
    WindowEventsLet();
}

struct Face {
    const char* suffix;
    const char* property;
};

// In the order the faces are set.
constexpr Face kFaces[] = {
    {"HL", "PictureHLight"},
    {"NORMAL", "PictureNormal"},
    {"PRESSED", "PicturePressed"},
    {"DISABLED", "PictureDisabled"},
};

} // namespace

QPixmap PictureFromResource(const QString& type, const QString& name)
{
    QPixmap picture;
    const QByteArray bytes = seam().resource(type, name.toUpper());
    if (!bytes.isEmpty())
        picture.loadFromData(bytes);
    return picture;
}

void ButtonPicturesLoad(QObject& button, const QString& prefix)
{
    for (const Face& face : kFaces) {
        const QPixmap picture =
            PictureFromResource(QStringLiteral("BITMAP"), prefix + QLatin1String(face.suffix));
        if (!picture.isNull())
            button.setProperty(face.property, QVariant::fromValue(picture));
    }
}

void FormPictureLoad(const QString& name, const QString& type, QWidget& window)
{
    const QPixmap picture = PictureFromResource(type, name);
    if (picture.isNull())
        return;
    // The window paints the picture behind its children; children that paint no
    // background of their own let it show through.
    QPalette palette = window.palette();
    palette.setBrush(QPalette::Window, QBrush(picture));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

void WordPictureLoad(QLabel& pictureBox, const QString& name)
{
    if (name == QLatin1String("0"))
        return;
    const QPixmap picture = PictureFromResource(QStringLiteral("CUSTOM"), name);
    if (!picture.isNull())
        pictureBox.setPixmap(picture);
}

void EffectPlay(const QString& name)
{
    SoundPlay(QStringLiteral("AUDIO"), name, Spaces::Keep);
}

void LetterPlay(const QString& letter)
{
    SoundPlay(QStringLiteral("LETTERS"), letter, Spaces::Keep);
}

void WordPlay(const QString& word)
{
    SoundPlay(QStringLiteral("WORDS"), word, Spaces::Remove);
}

void BellHighPlay()
{
    EffectPlay(QStringLiteral("BELLHIGH"));
}
void ClickPlay()
{
    EffectPlay(QStringLiteral("CLICK"));
}
void LoosePlay()
{
    EffectPlay(QStringLiteral("LOOSE"));
}
void WinPlay()
{
    EffectPlay(QStringLiteral("WIN"));
}
void ButtonPlay()
{
    EffectPlay(QStringLiteral("BUTTON"));
}

} // namespace lxp
