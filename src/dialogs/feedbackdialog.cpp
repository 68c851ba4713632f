// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/feedbackdialog.h"

#include "core/screentexts.h"
#include "ui/media.h"
#include "ui/picturebutton.h"
#include "ui/screenlabel.h"

#include <QDialog>
#include <QFrame>

namespace lxp {

namespace {

// The green headline band of the background, and the cream card below it.
const QRect kHeadlineBand(40, 4, 447, 50);
const QRect kCard(12, 64, 503, 178);

} // namespace

FeedbackDialog::FeedbackDialog(const QString& name) : Window(name, Kind::Dialog) {}

bool FeedbackDialog::PrepareFor(const Window::OpenGuard& owner)
{
    open();
    if (owner && isOpen())
        return true;
    close();
    return false;
}

QWidget* FeedbackDialog::newScreen()
{
    m_answers.clear();
    auto* screen = new QDialog;
    screen->setWindowTitle(QStringLiteral("Lexipond"));
    screen->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    screen->setFixedSize(kWidth, kHeight);

    auto* frame = new QFrame(screen);
    frame->setObjectName(QStringLiteral("shpWINDOW"));
    frame->setGeometry(kCard);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->setStyleSheet(QStringLiteral(
        "QFrame { border: 3px solid rgba(79, 158, 92, 150); border-radius: 14px; }"));
    return screen;
}

QLabel* FeedbackDialog::headline(QWidget* screen, const char* name, const QString& text,
                                 int pointSize, bool flashing)
{
    QLabel* label = ScreenLabel(screen, name, text, kHeadlineBand,
                                {.pointSize = qreal(pointSize),
                                 .bold = true,
                                 .colour = QColor::fromRgba(kHeadlineWhite),
                                 .alignment = Qt::AlignCenter});
    if (!flashing)
        return label;
    m_flasher = new QTimer(screen);
    m_flasher->setObjectName(QStringLiteral("tmrANIM"));
    m_flasher->setInterval(kFlashInterval);
    connect(m_flasher, &QTimer::timeout, label, [label] {
        const bool blue = LabelColour(*label).rgba() == kHeadlineBlue;
        LabelColourSet(*label, QColor::fromRgba(blue ? kHeadlineWhite : kHeadlineBlue));
    });
    return label;
}

QLabel* FeedbackDialog::sentence(QWidget* screen, const char* name, const QString& text,
                                 const QRect& geometry)
{
    return ScreenLabel(screen, name, text, geometry,
                       {.pointSize = 14,
                        .bold = true,
                        .colour = kInk,
                        .alignment = Qt::AlignCenter,
                        .wordWrap = true});
}

QLabel* FeedbackDialog::picture(QWidget* screen, const char* name, int left, int top)
{
    auto* label = new QLabel(screen);
    label->setObjectName(QLatin1String(name));
    label->setScaledContents(true);
    label->setGeometry(left, top, kPictureWidth, kPictureHeight);
    return label;
}

void FeedbackDialog::describe(QWidget* screen, const QString& sentence)
{
    if (screen)
        screen->setAccessibleDescription(sentence.trimmed());
}

PictureButton* FeedbackDialog::answerButton(QWidget* screen, const char* name, int left, int top,
                                            int captionText, std::function<void()> answer)
{
    auto* button = new PictureButton(screen);
    button->setObjectName(QLatin1String(name));
    button->move(left, top);
    connect(button, &PictureButton::Click, this, [this, answer = std::move(answer)] {
        if (answer)
            answer();
        close();
    });
    m_answers.push_back({button, captionText});
    return button;
}

PictureButton* FeedbackDialog::okButton(QWidget* screen, int top)
{
    return answerButton(screen, "btnpOK", (kWidth - PictureButton::kDesignWidth) / 2, top, 24);
}

void FeedbackDialog::onLoad()
{
    if (screen())
        FormPictureLoad(QStringLiteral("MSGBOX"), QStringLiteral("DIALOG"), *screen());
    for (const Answer& answer : m_answers) {
        if (!answer.button)
            continue;
        ButtonPicturesLoad(*answer.button, QStringLiteral("BTN"));
        answer.button->setCaption(ScreenTextLoad(answer.captionText));
    }
    if (m_flasher)
        m_flasher->start();
    dialogLoaded();
}

void FeedbackDialog::onClose()
{
    if (m_flasher)
        m_flasher->stop();
}

} // namespace lxp
