// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/media.h"

#include "core/seam.h"
#include "ui/inputhold.h"

#include <QBrush>
#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
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

QImage ImageDecode(const QByteArray& bytes)
{
    static const struct {
        QByteArrayView signature;
        const char* format;
    } kSignatures[] = {{"\x89PNG", "png"}, {"\xFF\xD8\xFF", "jpg"},  {"GIF8", "gif"},
                       {"BM", "bmp"},      {{"\0\0\1\0", 4}, "ico"}, {{"\0\0\2\0", 4}, "cur"}};
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    for (const auto& known : kSignatures)
        if (bytes.startsWith(known.signature)) {
            reader.setFormat(known.format);
            reader.setAutoDetectImageFormat(false);
            break;
        }
    return reader.read();
}

QPixmap PictureFromResource(const QString& type, const QString& name)
{
    const QByteArray bytes = seam().resource(type, name.toUpper());
    return bytes.isEmpty() ? QPixmap() : QPixmap::fromImage(ImageDecode(bytes));
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
