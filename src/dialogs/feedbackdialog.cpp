#include "dialogs/feedbackdialog.h"
#include "controls/screenlabel.h"

#include "controls/picbtn.h"
#include "shell/media.h"

#include <QDialog>
#include <QFrame>

namespace lxp {

namespace {

// The green headline band of the background, and the cream card below it.
const QRect kHeadlineBand(40, 4, 447, 50);
const QRect kCard(12, 64, 503, 178);

} // namespace

FeedbackDialog::FeedbackDialog(const QString& name) : Window(name, Kind::Dialog) {}

bool FeedbackDialog::PrepareFor(const Window::OpenGuard& owner) {
    Load();
    if (owner && isLoaded())
        return true;
    Unload();
    return false;
}

QWidget* FeedbackDialog::newScreen() {
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
                                 int pointSize) {
    return ScreenLabel(screen, name, text, kHeadlineBand,
                       {.pointSize = qreal(pointSize), .bold = true,
                        .colour = QColor::fromRgba(kHeadlineWhite), .alignment = Qt::AlignCenter});
}

QLabel* FeedbackDialog::sentence(QWidget* screen, const char* name, const QString& text,
                                 const QRect& geometry) {
    return ScreenLabel(screen, name, text, geometry,
                       {.pointSize = 14, .bold = true, .colour = QColor(0x1F, 0x3A, 0x5F),
                        .alignment = Qt::AlignCenter, .wordWrap = true});
}

QLabel* FeedbackDialog::picture(QWidget* screen, const char* name, int left, int top) {
    auto* label = new QLabel(screen);
    label->setObjectName(QLatin1String(name));
    label->setScaledContents(true);
    label->setGeometry(left, top, kPictureWidth, kPictureHeight);
    return label;
}

picbtn* FeedbackDialog::button(QWidget* screen, const char* name, int left, int top) {
    auto* btn = new picbtn(screen);
    btn->setObjectName(QLatin1String(name));
    btn->move(left, top);
    return btn;
}

QTimer* FeedbackDialog::flasher(QWidget* screen, QLabel* label) {
    auto* timer = new QTimer(screen);
    timer->setObjectName(QStringLiteral("tmrANIM"));
    timer->setInterval(kFlashInterval);
    QPointer<QLabel> target = label;
    connect(timer, &QTimer::timeout, screen, [target] {
        if (!target)
            return;
        const bool blue = LabelColour(*target).rgba() == kHeadlineBlue;
        LabelColourSet(*target, QColor::fromRgba(blue ? kHeadlineWhite : kHeadlineBlue));
    });
    return timer;
}

void FeedbackDialog::backgroundLoad() {
    if (screen())
        FormPictureLoad(QStringLiteral("MSGBOX"), QStringLiteral("DIALOG"), *screen());
}

} // namespace lxp
