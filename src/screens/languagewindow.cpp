// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/languagewindow.h"

#include "core/screentexts.h"
#include "core/seam.h"
#include "core/sharedstate.h"
#include "screens/mainmenu.h"
#include "ui/keyboard.h"
#include "ui/media.h"
#include "ui/picturebutton.h"
#include "ui/screenlabel.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPixmap>

namespace lxp {

namespace {

const QString kPictures = QStringLiteral("screens/frmLANGUAGE");

// The option buttons: 120 x 80, two to a panel.
constexpr int kOptionWidth = 120;
constexpr int kOptionHeight = 80;
constexpr int kLeftOption = 150;
constexpr int kRightOption = 351;
constexpr int kUpperOptionsTop = 74;
constexpr int kLowerOptionsTop = 304;
constexpr int kOptionTitleWidth = 200;

QLabel* textLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  int pointSize, const QColor& colour)
{
    return ScreenLabel(parent, name, text, geometry,
                       {.pointSize = qreal(pointSize),
                        .bold = true,
                        .colour = colour,
                        .alignment = Qt::AlignCenter});
}

} // namespace

LanguageWindow::LanguageWindow() : Window(QLatin1String(kName), Kind::Dialog) {}

QWidget* LanguageWindow::createScreen()
{
    auto* screen = new QDialog;
    screen->setWindowTitle(QStringLiteral("Languages"));
    screen->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    screen->setFixedSize(kWidth, kHeight);

    // The marker frames lie behind the buttons, so only their rims show.
    const auto marker = [screen](const char* name) {
        auto* frame = new QFrame(screen);
        frame->setObjectName(QLatin1String(name));
        frame->resize(kOptionWidth + 2 * kMarkerOffset, kOptionHeight + 2 * kMarkerOffset);
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        frame->setStyleSheet(QStringLiteral(
            "QFrame { border: 4px solid #F08A24; border-radius: 14px; background: #FFE3A8; }"));
        frame->hide();
        return frame;
    };
    m_shpLANGSEL = marker("shpLANGSEL");
    m_shpHELPSEL = marker("shpHELPSEL");

    const auto option = [&](const char* name, int left, int top) {
        auto* button = new PictureButton(screen);
        button->setObjectName(QLatin1String(name));
        const QString face = QLatin1String(name);
        button->setProperty("PictureNormal", PictureFromResource(kPictures, face + "_NORMAL"));
        button->setProperty("PictureHLight", PictureFromResource(kPictures, face + "_HL"));
        button->setProperty("PicturePressed", PictureFromResource(kPictures, face + "_PRESSED"));
        button->move(left, top);
        return button;
    };
    const auto optionTitle = [&](const char* name, const QString& text, int left, int top) {
        return textLabel(screen, name, text,
                         QRect(left + kOptionWidth / 2 - kOptionTitleWidth / 2,
                               top + kOptionHeight + 10, kOptionTitleWidth, 30),
                         13, kInk);
    };
    const QColor heading(Qt::white);

    m_lblENGLISHTYPE =
        textLabel(screen, "lblENGLISHTYPE", QStringLiteral(" Choose your type of English "),
                  QRect(60, 16, kWidth - 120, 34), 15, heading);
    m_btnpAMERICAN = option("btnpAMERICAN", kLeftOption, kUpperOptionsTop);
    m_lblAMERICAN =
        optionTitle("lblAMERICAN", QStringLiteral("American"), kLeftOption, kUpperOptionsTop);
    m_btnpENGLISH = option("btnpENGLISH", kRightOption, kUpperOptionsTop);
    m_lblENGLISH =
        optionTitle("lblENGLISH", QStringLiteral("English"), kRightOption, kUpperOptionsTop);

    m_lblHELPTYPE = textLabel(screen, "lblHELPTYPE", QStringLiteral(" Choose your type of Help "),
                              QRect(60, 246, kWidth - 120, 34), 15, heading);
    m_btnpENGHELP = option("btnpENGHELP", kLeftOption, kLowerOptionsTop);
    m_lblENGHELP =
        optionTitle("lblENGHELP", QStringLiteral("English"), kLeftOption, kLowerOptionsTop);
    m_btnpKOREAN = option("btnpKOREAN", kRightOption, kLowerOptionsTop);
    m_lblKOREANHELP =
        optionTitle("lblKOREANHELP", QStringLiteral("Korean"), kRightOption, kLowerOptionsTop);

    // Thin lines under the two headings.
    for (const auto& [name, top] : {std::pair{"lneLine1", 52}, std::pair{"lneLine2", 282}}) {
        auto* line = new QFrame(screen);
        line->setObjectName(QLatin1String(name));
        line->setGeometry(60, top, kWidth - 120, 2);
        line->setStyleSheet(QStringLiteral("QFrame { background: #9CC3E4; border: none; }"));
    }

    // Said only when the choices could not be kept for next time.
    m_notKept = ScreenLabel(screen, "lblNOTKEPT", QString(), QRect(40, 426, kWidth - 80, 30),
                            {.pointSize = 12,
                             .bold = true,
                             .colour = QColor(0xA0, 0x1E, 0x1E),
                             .alignment = Qt::AlignCenter,
                             .wordWrap = true});
    m_notKept->hide();

    const int buttonGap = 30;
    const int buttonsLeft = (kWidth - 2 * PictureButton::kDesignWidth - buttonGap) / 2;
    m_btnpOK = new PictureButton(screen);
    m_btnpOK->setObjectName(QStringLiteral("btnpOK"));
    m_btnpOK->move(buttonsLeft, 484);
    m_btnpCANCEL = new PictureButton(screen);
    m_btnpCANCEL->setObjectName(QStringLiteral("btnpCANCEL"));
    m_btnpCANCEL->move(buttonsLeft + PictureButton::kDesignWidth + buttonGap, 484);

    for (PictureButton* button : {m_btnpAMERICAN.data(), m_btnpENGLISH.data(), m_btnpENGHELP.data(),
                                  m_btnpKOREAN.data(), m_btnpOK.data()})
        button->installEventFilter(this);
    connect(m_btnpAMERICAN, &PictureButton::Click, this,
            [this] { LanguageChoose(ContentVariant::American); });
    connect(m_btnpENGLISH, &PictureButton::Click, this,
            [this] { LanguageChoose(ContentVariant::British); });
    connect(m_btnpENGHELP, &PictureButton::Click, this,
            [this] { HelpLanguageChoose(HelpLanguage::English); });
    connect(m_btnpKOREAN, &PictureButton::Click, this,
            [this] { HelpLanguageChoose(HelpLanguage::Korean); });
    connect(m_btnpOK, &PictureButton::Click, this, &LanguageWindow::Confirm);
    connect(m_btnpCANCEL, &PictureButton::Click, this, &LanguageWindow::Cancel);
    return screen;
}

void LanguageWindow::onLoad()
{
    m_answered = false;
    if (screen())
        FormPictureLoad(QStringLiteral("LANGUAGE"), QStringLiteral("DIALOG"), *screen());

    SharedState& state = shared();
    m_kept = {state.contentVariant, state.helpLanguage};
    textsLoad();

    if (m_btnpOK)
        ButtonPicturesLoad(*m_btnpOK, QStringLiteral("BTN"));
    if (m_btnpCANCEL)
        ButtonPicturesLoad(*m_btnpCANCEL, QStringLiteral("BTN"));

    LanguageChoose(state.contentVariant);
    HelpLanguageChoose(state.helpLanguage);
}

// Every text of the window, in the stored help language.
void LanguageWindow::textsLoad()
{
    if (m_btnpOK)
        m_btnpOK->setCaption(ScreenTextLoad(24));
    if (m_btnpCANCEL)
        m_btnpCANCEL->setCaption(ScreenTextLoad(23));
    const auto optionTexts = [](PictureButton* button, QLabel* label, int text) {
        if (button)
            button->setTipText(ScreenTextLoad(text));
        if (label)
            label->setText(ScreenTextLoad(text));
    };
    optionTexts(m_btnpENGHELP, m_lblENGHELP, 50);
    optionTexts(m_btnpKOREAN, m_lblKOREANHELP, 49);
    if (m_lblHELPTYPE)
        m_lblHELPTYPE->setText(ScreenTextLoad(48));
    optionTexts(m_btnpENGLISH, m_lblENGLISH, 46);
    optionTexts(m_btnpAMERICAN, m_lblAMERICAN, 47);
    if (m_lblENGLISHTYPE)
        m_lblENGLISHTYPE->setText(ScreenTextLoad(45));
}

void LanguageWindow::onClose()
{
    // Closed by its close box or Escape: as good as Cancel, so that a choice made
    // here never takes effect unconfirmed.
    if (!m_answered)
        ChoicesRestore();
}

void LanguageWindow::LanguageChoose(ContentVariant variant)
{
    markerPlace(m_shpLANGSEL, variant == ContentVariant::British ? m_btnpENGLISH : m_btnpAMERICAN);
    shared().contentVariant = variant;
}

void LanguageWindow::HelpLanguageChoose(HelpLanguage language)
{
    markerPlace(m_shpHELPSEL, language == HelpLanguage::Korean ? m_btnpKOREAN : m_btnpENGHELP);
    HelpTextsSet();
    shared().helpLanguage = language;
}

bool LanguageWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Like two pairs of radio buttons: Left and Right move within a pair and choose;
    // Return anywhere but on Cancel is OK (Escape is Cancel, as the close box).
    if (event->type() != QEvent::KeyPress)
        return Window::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        Confirm();
        return true;
    }
    for (const auto& pair : {QList<QWidget*>{m_btnpAMERICAN, m_btnpENGLISH},
                             QList<QWidget*>{m_btnpENGHELP, m_btnpKOREAN}}) {
        auto* from = qobject_cast<QWidget*>(watched);
        if (!pair.contains(from) || (key != Qt::Key_Left && key != Qt::Key_Right))
            continue;
        if (ArrowFocusMove(key, from, pair))
            static_cast<PictureButton*>(QApplication::focusWidget())->animateClick();
        return true;
    }
    return Window::eventFilter(watched, event);
}

void LanguageWindow::markerPlace(QFrame* marker, PictureButton* button)
{
    if (!marker || !button)
        return;
    marker->move(button->pos() - QPoint(kMarkerOffset, kMarkerOffset));
    marker->show();
    marker->lower();
}

// The texts come from the stored help language, so they change only after OK.
void LanguageWindow::HelpTextsSet()
{
    if (m_btnpOK)
        m_btnpOK->setCaption(ScreenTextLoad(24));
    if (m_btnpCANCEL)
        m_btnpCANCEL->setCaption(ScreenTextLoad(23));
    if (m_btnpENGHELP)
        m_btnpENGHELP->setTipText(ScreenTextLoad(50));
    if (m_btnpKOREAN)
        m_btnpKOREAN->setTipText(ScreenTextLoad(49));
    if (m_lblHELPTYPE)
        m_lblHELPTYPE->setToolTip(ScreenTextLoad(48));
    if (m_btnpENGLISH)
        m_btnpENGLISH->setTipText(ScreenTextLoad(46));
    if (m_btnpAMERICAN)
        m_btnpAMERICAN->setTipText(ScreenTextLoad(47));
    if (m_lblENGLISHTYPE)
        m_lblENGLISHTYPE->setToolTip(ScreenTextLoad(45));
}

void LanguageWindow::Confirm()
{
    m_answered = true;
    const SharedState& state = shared();
    const bool kept =
        m_notKept->isVisible() || Choices{state.contentVariant, state.helpLanguage}.Save();
    HelpLanguageApply(state.helpLanguage);
    if (auto* menu = windows().get<MainMenu>())
        menu->RefreshText();
    // Choices that cannot be kept are in force for this run; the window says so, in the
    // language just chosen, and OK then closes it.
    if (!kept) {
        textsLoad();
        m_notKept->setText(ScreenTextLoad(52));
        m_notKept->show();
        m_btnpCANCEL->hide();
        m_btnpOK->move((kWidth - m_btnpOK->width()) / 2, m_btnpOK->y());
        return;
    }
    close();
    if (Window* menu = windows().get(QLatin1String(kMainMenuName)))
        menu->show();
}

void LanguageWindow::Cancel()
{
    m_answered = true;
    ChoicesRestore();
    close();
    if (Window* menu = windows().get(QLatin1String(kMainMenuName)))
        menu->show();
}

void LanguageWindow::ChoicesRestore()
{
    SharedState& state = shared();
    state.helpLanguage = m_kept.helpLanguage;
    HelpLanguageApply(m_kept.helpLanguage);
    state.contentVariant = m_kept.contentVariant;
}

} // namespace lxp
