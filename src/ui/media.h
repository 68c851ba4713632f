// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

class QLabel;
class QObject;
class QWidget;

namespace lxp {

// Pictures and sounds of the resource table, by name. None of these reports a
// failure: a missing or unreadable resource leaves the screen as it was, or plays
// nothing. Pictures are decoded straight from the resource bytes; no file is written.

// Decodes picture bytes. The format is told by the bytes' signature (PNG, JPEG, GIF,
// BMP, ICO, CUR), so that only the reader of that format is asked: letting Qt guess
// loads every image plug-in installed, which costs the start-up some ten milliseconds.
// Other bytes are left to Qt's guess.
QImage ImageDecode(const QByteArray& bytes);

// The picture of resource `type`/`name` (letter case ignored); null when it is missing
// or not a picture.
QPixmap PictureFromResource(const QString& type, const QString& name);

// Sets the faces of a picture button from the "BITMAP" resources prefix + "HL",
// "NORMAL", "PRESSED", "DISABLED" (in that order) through its properties
// `PictureHLight`, `PictureNormal`, `PicturePressed`, `PictureDisabled`. A face whose
// bitmap is missing keeps the picture it had.
void ButtonPicturesLoad(QObject& button, const QString& prefix);

// Makes the JPEG resource `type`/`name` the background of a window (a fixed-size
// screen); its child widgets keep working above it.
void FormPictureLoad(const QString& name, const QString& type, QWidget& window);

// Shows the word photograph "CUSTOM"/`name` in a picture box. The name "0" leaves the
// picture box alone, and so does a word without a photograph.
void WordPictureLoad(QLabel& pictureBox, const QString& name);

// Play a sound of the resource table to its end, blocking the caller meanwhile. Pending
// window events run just before and just after the sound: timers, painting and close
// requests, so a handler checks its window's guard afterwards (Window::guard()). The
// learner's clicks and keys are held until the running handler has finished
// (InputHold), so no handler runs inside another.
void EffectPlay(const QString& name);   // "AUDIO"/name
void LetterPlay(const QString& letter); // "LETTERS"/letter
void WordPlay(const QString& word);     // "WORDS"/word without its spaces

void BellHighPlay(); // the ten-in-a-row dialog
void ClickPlay();    // a card turned in the matching pairs game
void LoosePlay();    // the wrong-answer dialog
void WinPlay();      // the correct-answer dialog
void ButtonPlay();   // the pictures-and-words game

} // namespace lxp
