#include "shell/frmlanguage.h"
#include "controls/screenlabel.h"

#include "controls/picbtn.h"
#include "shell/clsregistry.h"
#include "shell/frmmainmenu.h"
#include "shell/media.h"
#include "shell/modlxplang.h"
#include "shell/seam.h"
#include "shell/sharedstate.h"

#include <QDialog>
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

const QColor kInk(0x1F, 0x3A, 0x5F);

QLabel* textLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  int pointSize, const QColor& colour) {
    return ScreenLabel(parent, name, text, geometry,
                       {.pointSize = qreal(pointSize), .bold = true, .colour = colour,
                        .alignment = Qt::AlignCenter});
}

} // namespace

frmLANGUAGE::frmLANGUAGE() : Window(QLatin1String(kName), Kind::Dialog) {}

QWidget* frmLANGUAGE::CreateScreen() {
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
        auto* button = new picbtn(screen);
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

    const int buttonGap = 30;
    const int buttonsLeft = (kWidth - 2 * picbtn::kDesignWidth - buttonGap) / 2;
    m_btnpOK = new picbtn(screen);
    m_btnpOK->setObjectName(QStringLiteral("btnpOK"));
    m_btnpOK->move(buttonsLeft, 484);
    m_btnpCANCEL = new picbtn(screen);
    m_btnpCANCEL->setObjectName(QStringLiteral("btnpCANCEL"));
    m_btnpCANCEL->move(buttonsLeft + picbtn::kDesignWidth + buttonGap, 484);

    connect(m_btnpAMERICAN, &picbtn::Click, this,
            [this] { LanguageChoose(m_btnpAMERICAN, QStringLiteral("AMERICAN")); });
    connect(m_btnpENGLISH, &picbtn::Click, this,
            [this] { LanguageChoose(m_btnpENGLISH, QStringLiteral("ENGLISH")); });
    connect(m_btnpENGHELP, &picbtn::Click, this,
            [this] { HelpLanguageChoose(m_btnpENGHELP, QStringLiteral("ENGLISH")); });
    connect(m_btnpKOREAN, &picbtn::Click, this,
            [this] { HelpLanguageChoose(m_btnpKOREAN, QStringLiteral("KOREAN")); });
    connect(m_btnpOK, &picbtn::Click, this, &frmLANGUAGE::Confirm);
    connect(m_btnpCANCEL, &picbtn::Click, this, &frmLANGUAGE::Cancel);
    return screen;
}

void frmLANGUAGE::Form_Load() {
    m_answered = false;
    if (screen())
        FormPictureLoad(QStringLiteral("LANGUAGE"), QStringLiteral("DIALOG"), *screen());

    SharedState& state = shared();
    m_keptHelpLanguage = state.strHELPLANGUAGE;
    m_keptLanguage = state.strLANGUAGE;

    if (m_btnpOK)
        m_btnpOK->setCAPTION(ScreenTextLoad(24));
    if (m_btnpCANCEL)
        m_btnpCANCEL->setCAPTION(ScreenTextLoad(23));
    const auto optionTexts = [](picbtn* button, QLabel* label, int text) {
        if (button)
            button->setToolTip_(ScreenTextLoad(text));
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

    if (m_btnpOK)
        ButtonPicturesLoad(*m_btnpOK, QStringLiteral("BTN"));
    if (m_btnpCANCEL)
        ButtonPicturesLoad(*m_btnpCANCEL, QStringLiteral("BTN"));

    if (state.strLANGUAGE == QLatin1String("ENGLISH"))
        LanguageChoose(m_btnpENGLISH, QStringLiteral("ENGLISH"));
    else if (state.strLANGUAGE == QLatin1String("AMERICAN"))
        LanguageChoose(m_btnpAMERICAN, QStringLiteral("AMERICAN"));

    if (state.strHELPLANGUAGE == QLatin1String("ENGLISH"))
        HelpLanguageChoose(m_btnpENGHELP, QStringLiteral("ENGLISH"));
    else if (state.strHELPLANGUAGE == QLatin1String("KOREAN"))
        HelpLanguageChoose(m_btnpKOREAN, QStringLiteral("KOREAN"));
}

void frmLANGUAGE::Form_Unload() {
    // Closed by its close box or Escape: as good as Cancel, so that a choice made
    // here never takes effect unconfirmed.
    if (!m_answered)
        ChoicesRestore();
}

void frmLANGUAGE::LanguageChoose(picbtn* button, const QString& language) {
    if (button && m_shpLANGSEL) {
        m_shpLANGSEL->move(button->pos() - QPoint(kMarkerOffset, kMarkerOffset));
        m_shpLANGSEL->show();
        m_shpLANGSEL->lower();
    }
    shared().strLANGUAGE = language;
}

void frmLANGUAGE::HelpLanguageChoose(picbtn* button, const QString& language) {
    if (button && m_shpHELPSEL) {
        m_shpHELPSEL->move(button->pos() - QPoint(kMarkerOffset, kMarkerOffset));
        m_shpHELPSEL->show();
        m_shpHELPSEL->lower();
    }
    HelpTextsSet();
    shared().strHELPLANGUAGE = language;
}

// The texts come from the stored help language, so they change only after OK.
void frmLANGUAGE::HelpTextsSet() {
    if (m_btnpOK)
        m_btnpOK->setCAPTION(ScreenTextLoad(24));
    if (m_btnpCANCEL)
        m_btnpCANCEL->setCAPTION(ScreenTextLoad(23));
    if (m_btnpENGHELP)
        m_btnpENGHELP->setToolTip_(ScreenTextLoad(50));
    if (m_btnpKOREAN)
        m_btnpKOREAN->setToolTip_(ScreenTextLoad(49));
    if (m_lblHELPTYPE)
        m_lblHELPTYPE->setToolTip(ScreenTextLoad(48));
    if (m_btnpENGLISH)
        m_btnpENGLISH->setToolTip_(ScreenTextLoad(46));
    if (m_btnpAMERICAN)
        m_btnpAMERICAN->setToolTip_(ScreenTextLoad(47));
    if (m_lblENGLISHTYPE)
        m_lblENGLISHTYPE->setToolTip(ScreenTextLoad(45));
}

void frmLANGUAGE::Confirm() {
    m_answered = true;
    SharedState& state = shared();
    const clsREGISTRY standIn;
    const clsREGISTRY& registry = state.objREGISTRY ? *state.objREGISTRY : standIn;
    const QString key = QLatin1String(kCurrentUserKey);
    const QString subKey = state.strREGBASEKEY + QLatin1String(kSettingsKeyName);
    registry.StringSave(key, subKey, QStringLiteral("LANGUAGE"), state.strLANGUAGE);
    registry.StringSave(key, subKey, QStringLiteral("HELP"), state.strHELPLANGUAGE);
    HelpLanguageApply(state.strHELPLANGUAGE);
    Unload();
    if (auto* menu = windows().get<frmMAINMENU>()) {
        menu->RefreshText();
        menu->Show();
    }
}

void frmLANGUAGE::Cancel() {
    m_answered = true;
    ChoicesRestore();
    Unload();
    if (Window* menu = windows().get(QLatin1String(frmMAINMENU::kName)))
        menu->Show();
}

void frmLANGUAGE::ChoicesRestore() {
    SharedState& state = shared();
    state.strHELPLANGUAGE = m_keptHelpLanguage;
    HelpLanguageApply(m_keptHelpLanguage);
    state.strLANGUAGE = m_keptLanguage;
}

} // namespace lxp
