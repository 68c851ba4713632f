#include "shell/frmmainmenu.h"
#include "controls/screenlabel.h"

#include "controls/picbtn.h"
#include "shell/mdiprogmain.h"
#include "shell/media.h"
#include "shell/modlxplang.h"
#include "shell/seam.h"

#include <QFrame>
#include <QPixmap>

namespace lxp {

namespace {

const QString kPictures = QStringLiteral("screens/frmMAINMENU");

// The lesson buttons sit on the pond, in a row of three and a row of two; each
// title sits under its button, wider than the button so that longer titles fit.
constexpr int kLessonWidth = 150;
constexpr int kLessonHeight = 112;
constexpr int kTitleWidth = 210;
constexpr int kTitleHeight = 28;
constexpr int kTitleGap = 4;
// The wide buttons stand on the sandy bank.
constexpr int kBankButtonsTop = 492;

QFrame* decoration(QWidget* parent, const char* name, const QRect& geometry, const QString& style) {
    auto* shape = new QFrame(parent);
    shape->setObjectName(QLatin1String(name));
    shape->setGeometry(geometry);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    shape->setStyleSheet(style);
    return shape;
}

} // namespace

// In the order in which RefreshText sets their texts.
const std::array<frmMAINMENU::Lesson, 5> frmMAINMENU::kLessons = {{
    {"btnpALPHABET", "lblALPHABET", "frmLESSALPH", 37},
    {"btnpWORDS", "lblLEARNWORDS", "frmLESSWRDM", 38},
    {"btnpPAIRS", "lblMATCHINGPAIR", "frmLESSPAIR", 41},
    {"btnpPICANDWORDS", "lblPICTSWORDS", "frmLESSPCWD", 39},
    {"btnpWRITEALONG", "lblWRITELETTER", "frmLESSWRIT", 40},
}};

frmMAINMENU::frmMAINMENU() : Window(QLatin1String(kName), Kind::Child) {}

QWidget* frmMAINMENU::CreateScreen() {
    auto* screen = new QWidget;
    screen->setFixedSize(mdiPROGMAIN::kClientWidth, mdiPROGMAIN::kClientHeight);

    // Two rounded rings on the pond gather the two rows of lessons; a line marks
    // the bank.
    const QString ring = QStringLiteral(
        "QFrame { border: 2px solid rgba(255, 255, 255, 70); border-radius: 18px; }");
    decoration(screen, "shpShape2", QRect(32, 104, 606, 154), ring);
    decoration(screen, "shpShape3", QRect(137, 264, 396, 154), ring);
    decoration(screen, "lneLine1", QRect(110, 476, 450, 2),
               QStringLiteral("QFrame { background: rgba(176, 138, 82, 90); border: none; }"));

    // Design-time titles; RefreshText replaces them.
    static const char* const designTitles[] = {"Learn the alphabet", "Learn great words",
                                               "Find a matching pair", "Pictures and words",
                                               "Help to write Letters"};
    // Where each lesson button stands (top left), in the order of kLessons.
    static const QPoint places[] = {{50, 112}, {260, 112}, {365, 270}, {470, 112}, {155, 270}};

    for (std::size_t i = 0; i < kLessons.size(); ++i) {
        const Lesson& lesson = kLessons[i];
        auto* button = new picbtn(screen);
        button->setObjectName(QLatin1String(lesson.button));
        button->setProperty(
            "PictureNormal",
            PictureFromResource(kPictures, QLatin1String(lesson.button) + "_NORMAL"));
        button->setProperty("PictureHLight",
                            PictureFromResource(kPictures, QLatin1String(lesson.button) + "_HL"));
        button->setProperty(
            "PicturePressed",
            PictureFromResource(kPictures, QLatin1String(lesson.button) + "_PRESSED"));
        button->move(places[i]);

        QLabel* label = ScreenLabel(
            screen, lesson.label, QLatin1String(designTitles[i]),
            QRect(places[i].x() + kLessonWidth / 2 - kTitleWidth / 2,
                  places[i].y() + kLessonHeight + kTitleGap, kTitleWidth, kTitleHeight),
            {.bold = true, .colour = QColor::fromRgba(kTitleColour), .alignment = Qt::AlignCenter});

        m_lessonButtons[i] = button;
        m_lessonLabels[i] = label;
        connect(button, &picbtn::Click, this,
                [this, window = lesson.window] { LessonOpen(window); });
        connect(button, &picbtn::MouseOut, this,
                [this, button = QPointer<picbtn>(button), label = QPointer<QLabel>(label)] {
                    LessonHover(button, label);
                });
    }

    const int bankGap = 30;
    const int bankLeft = (mdiPROGMAIN::kClientWidth - 3 * picbtn::kDesignWidth - 2 * bankGap) / 2;
    const auto bankButton = [&](const char* name, int slot) {
        auto* button = new picbtn(screen);
        button->setObjectName(QLatin1String(name));
        button->move(bankLeft + slot * (picbtn::kDesignWidth + bankGap), kBankButtonsTop);
        return button;
    };
    m_btnpLANGUAGE = bankButton("btnpLANGUAGE", 0);
    m_btnpABOUT = bankButton("btnpABOUT", 1);
    m_btnpCLOSEPROGRAM = bankButton("btnpCLOSEPROGRAM", 2);

    connect(m_btnpLANGUAGE, &picbtn::Click, this, [] {
        if (Window* language = windows().get(QStringLiteral("frmLANGUAGE")))
            language->ShowModal();
    });
    connect(m_btnpABOUT, &picbtn::Click, this, [] {
        if (Window* about = windows().get(QStringLiteral("frmABOUTLXP")))
            about->ShowModal();
    });
    connect(m_btnpCLOSEPROGRAM, &picbtn::Click, this, [] {
        if (Window* frame = windows().find(QLatin1String(mdiPROGMAIN::kName)))
            frame->Unload();
    });
    return screen;
}

void frmMAINMENU::Form_Load() {
    if (screen())
        FormPictureLoad(QStringLiteral("MAIN"), QStringLiteral("DIALOG"), *screen());
    for (picbtn* button : {m_btnpCLOSEPROGRAM.data(), m_btnpABOUT.data(), m_btnpLANGUAGE.data()})
        if (button)
            ButtonPicturesLoad(*button, QStringLiteral("BTN"));
    RefreshText();
}

void frmMAINMENU::RefreshText() {
    for (std::size_t i = 0; i < kLessons.size(); ++i) {
        if (m_lessonLabels[i])
            m_lessonLabels[i]->setText(ScreenTextLoad(kLessons[i].text));
        if (m_lessonButtons[i])
            m_lessonButtons[i]->setToolTip_(ScreenTextLoad(kLessons[i].text));
    }
    const auto captionAndTip = [](picbtn* button, int text) {
        if (!button)
            return;
        button->setCAPTION(ScreenTextLoad(text));
        button->setToolTip_(ScreenTextLoad(text));
    };
    captionAndTip(m_btnpABOUT, 44);
    captionAndTip(m_btnpCLOSEPROGRAM, 42);
    captionAndTip(m_btnpLANGUAGE, 43);
}

void frmMAINMENU::LessonOpen(const char* window) {
    // A lesson that cannot be made leaves the menu where it is, rather than an empty
    // frame with no way back.
    Window* lesson = windows().get(QLatin1String(window));
    if (!lesson)
        return;
    Unload();
    lesson->Show();
}

void frmMAINMENU::LessonHover(picbtn* button, QLabel* label) {
    if (!button || !label)
        return;
    if (button->MousePosnONOUT()) {
        if (LabelColour(*label).rgba() != kTitleHoverColour)
            LabelColourSet(*label, QColor::fromRgba(kTitleHoverColour));
    } else {
        LabelColourSet(*label, QColor::fromRgba(kTitleColour));
    }
}

} // namespace lxp
