// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/testseam.h"
#include "ui/media.h"
#include "ui/picturebutton.h"
#include "ui/pointerpos.h"
#include "ui/screenlabel.h"
#include "ui/tooltipwindow.h"
#include "ui/window.h"

#include <QKeyEvent>
#include <QTest>
#include <QWindow>

using namespace lxp;

// The one window a picture button needs: its tooltip window.
void tooltipWindowDefine()
{
    WindowEntry entry;
    entry.name = QLatin1String(TooltipWindow::kName);
    entry.factory = [] { return std::make_unique<TooltipWindow>(); };
    windows().define(entry);
}

namespace {

QPixmap solidFace(Qt::GlobalColor colour)
{
    QPixmap pixmap(140, 39);
    pixmap.fill(colour);
    return pixmap;
}

const char* const kFaceProperties[] = {"PictureNormal", "PictureHLight", "PicturePressed",
                                       "PictureDisabled"};
const QPoint kOrigin(50, 50); // where the button sits in its test window

} // namespace

// A real PictureButton in an offscreen window, driven by real mouse events.
class tst_picbtn : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSeam> m_seam;
    std::unique_ptr<QWidget> m_host;
    QPointer<PictureButton> m_button;
    QStringList m_log;
    const QPixmap m_faces[4] = {solidFace(Qt::white), solidFace(Qt::yellow), solidFace(Qt::red),
                                solidFace(Qt::gray)}; // N, H, P, D
    QPoint m_pointer;

    // One step of a script, x,y relative to the button: "m x,y" move, "p B x,y" press,
    // "r B x,y" release, "d B x,y" double click (B is L or R); "e 0" / "e 1" sets Enabled;
    // "k KEY" / "K KEY" / "u KEY" a key pressed, pressed again by auto-repeat, released;
    // "c" a click from the screen's own key (animateClick); "w" waits for the face to change.
    void act(const QString& step)
    {
        const QStringList words = step.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QChar face = faceLetter();
        if (words[0] == "e")
            return m_button->setEnabled(words[1] == "1");
        if (words[0] == "c")
            return m_button->animateClick();
        if (words[0] == "w")
            return (void)QTest::qWaitFor([&] { return faceLetter() != face; });
        if (QStringLiteral("kKu").contains(words[0])) {
            QKeyEvent event(words[0] == "u" ? QEvent::KeyRelease : QEvent::KeyPress,
                            QKeySequence(words[1])[0].key(), Qt::NoModifier, QString(),
                            words[0] == "K");
            return (void)QCoreApplication::sendEvent(m_button, &event);
        }
        const QStringList xy = words.last().split(QLatin1Char(','));
        const QPoint pos = kOrigin + QPoint(xy[0].toInt(), xy[1].toInt());
        m_pointer = m_host->mapToGlobal(pos);
        const QTest::MouseAction actions[] = {QTest::MouseMove, QTest::MousePress,
                                              QTest::MouseRelease, QTest::MouseDClick};
        QTest::mouseEvent(actions[QStringLiteral("mprd").indexOf(words[0])], m_host->windowHandle(),
                          words.size() < 3  ? Qt::NoButton
                          : words[1] == "R" ? Qt::RightButton
                                            : Qt::LeftButton,
                          {}, pos);
    }

    // Runs "step; step; ..." and returns the face after each step (N, H, P, D), with a "!"
    // after a step that leaves the wrong cursor: the hand when enabled, else the arrow.
    QString run(const QString& steps)
    {
        QString faces;
        for (const QString& step : steps.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            act(step.trimmed());
            faces += faceLetter();
            if (m_button && m_button->cursor().shape() !=
                                (m_button->isEnabled() ? Qt::BitmapCursor : Qt::ArrowCursor))
                faces += '!';
        }
        return faces;
    }

    QChar faceLetter() const
    {
        for (int i = 0; m_button && i < 4; ++i)
            if (m_button->currentImage().cacheKey() == m_faces[i].cacheKey())
                return QStringLiteral("NHPD")[i];
        return '?';
    }

private slots:
    void initTestCase()
    {
        ScreenFontsPrepare(); // the program's font substitutions
        m_seam = std::make_unique<TestSeam>();
        tooltipWindowDefine();
        setPointerSource([this] { return m_pointer; });
    }

    void init()
    {
        m_host = std::make_unique<QWidget>();
        m_host->resize(400, 200);
        m_button = new PictureButton(m_host.get());
        m_button->move(kOrigin);
        for (int i = 0; i < 4; ++i)
            m_button->setProperty(kFaceProperties[i], m_faces[i]);
        m_button->setCaption(QStringLiteral("OK"));
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
        // The pointer starts outside the button.
        QTest::mouseMove(m_host->windowHandle(), QPoint(5, 5));
        m_pointer = m_host->mapToGlobal(QPoint(5, 5));

        m_log.clear();
        PictureButton* b = m_button;
        connect(b, &PictureButton::Click, this, [this] { m_log << "Click"; });
        connect(b, &PictureButton::DblClick, this, [this] { m_log << "DblClick"; });
        connect(
            b, &PictureButton::MouseDown, this,
            [this](short button, short shift, float x, float y) {
                m_log << QStringLiteral("Down%1(%2,%3,%4)").arg(button).arg(shift).arg(x).arg(y);
            });
        connect(b, &PictureButton::MouseUp, this,
                [this](short button) { m_log << QStringLiteral("Up%1").arg(button); });
        connect(b, &PictureButton::MouseOut, this,
                [this, b] { m_log << (b->mousePosnOnOut() ? "Out+" : "Out-"); });
    }

    void cleanup()
    {
        QTest::mouseRelease(m_host->windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
        m_host.reset();
        if (TooltipWindow* tip = TooltipWindow::instance())
            tip->DestroyTip();
    }

    // The face and event table (10,10 lies on the caption, which passes presses on).
    void pointerSequences_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("faces"); // after each step
        QTest::addColumn<QString>("events");
        const QString down = QStringLiteral("Out+ Down1(0,10,10)");
        // clang-format off
        QTest::newRow("every move over raises MouseOut") << "m 10,10; m 20,10; m 30,20" << "HHH" << "Out+ Out+ Out+";
        QTest::newRow("leaving: MouseOut once; back in") << "m 10,10; m 200,100; m 210,110; m 20,20" << "HNNH" << "Out+ Out- Out+";
        QTest::newRow("click, normal until the next move") << "m 10,10; p L 10,10; r L 10,10; m 11,10" << "HPNH" << down + " Up1 Click Out+";
        QTest::newRow("held: out, back in, release inside") << "m 10,10; p L 10,10; m 200,100; m 20,10; r L 20,10" << "HPNPN" << down + " Up1 Click";
        QTest::newRow("held: right and bottom edges inside") << "m 10,10; p L 10,10; m 140,10; m 141,10; m 10,39; m 10,40" << "HPPNPN" << down;
        QTest::newRow("release outside: no click, one MouseOut") << "m 10,10; p L 10,10; m 200,100; r L 200,100" << "HPNN" << down + " Up1 Out-";
        QTest::newRow("right button: never pressed, hover goes on") << "m 10,10; p R 10,10; m 20,10; r R 20,10" << "HNHH" << "Out+ Down2(0,10,10) Out+ Up2";
        QTest::newRow("double click: fixed second MouseDown") << "m 10,10; d L 10,10; m 11,10" << "HNH" << down + " Up1 Click Down1(1,1,1) DblClick Up1 Out+";
        QTest::newRow("disabled: no input; enabled: normal") << "e 0; m 10,10; p L 10,10; r L 10,10; d L 10,10; r L 10,10; p R 10,10; r R 10,10; e 1; m 12,10" << "DDDDDDDDNH" << "Out+";
        QTest::newRow("disabled while pressed, enabled: hover works") << "m 10,10; p L 10,10; e 0; r L 10,10; e 1; m 12,10" << "HPDDNH" << down + " Out+";
        const QString byKey = QStringLiteral("Down1(0,70,19.5) Up1 Click");
        QTest::newRow("Space: pressed while down, click on release") << "k Space; u Space" << "PN" << byKey;
        QTest::newRow("auto-repeat: one click") << "k Space; K Space; K Space; u Space" << "PPPN" << byKey;
        QTest::newRow("other keys go on to the screen") << "k A; u A" << "NN" << "";
        QTest::newRow("disabled: keys do nothing") << "e 0; k Space; u Space" << "DDD" << "";
        QTest::newRow("a screen's key: pressed face, then normal") << "c; w" << "PN" << byKey;
        // clang-format on
    }

    void pointerSequences()
    {
        QFETCH(QString, steps);
        QFETCH(QString, faces);
        QFETCH(QString, events);
        QCOMPARE(run(steps), faces);
        QCOMPARE(m_log.join(QLatin1Char(' ')), events);
    }

    // Tab brings the focus and the ring; a mouse press keeps the focus but hides the ring;
    // a key brings it back. A disabled button is passed over.
    void focusRingAfterKeyboardUse()
    {
        auto* second = new PictureButton(m_host.get());
        second->move(kOrigin + QPoint(0, 60));
        auto* third = new PictureButton(m_host.get());
        third->move(kOrigin + QPoint(0, 120));
        second->show();
        third->show();
        m_button->setFocus(Qt::OtherFocusReason);
        QVERIFY(m_button->hasFocus() && !m_button->focusRingShown());
        second->setEnabled(false);
        QTest::keyClick(m_button, Qt::Key_Tab);
        QVERIFY(third->focusRingShown());
        QTest::mousePress(third, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(third->hasFocus() && !third->focusRingShown());
        QTest::mouseRelease(third, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::keyClick(third, Qt::Key_Left);
        QVERIFY(third->focusRingShown());
    }

    // The caption shrinks (to 8 points at least) until it fits, stays centred on the face
    // and shows on all four faces.
    void captionReadableOnEveryFace()
    {
        ButtonPicturesLoad(*m_button, QStringLiteral("BTN"));
        for (const QString caption : {"새 게임", "Kiwi fruit and more kiwi fruit"}) {
            m_button->setCaption(caption);
            const QLabel* label = m_button->captionLabel();
            const qreal points = label->font().pointSizeF();
            QVERIFY(points >= 8.0 && (caption.size() > 10 || points == 12.0));
            QVERIFY(QFontMetrics(label->font()).horizontalAdvance(caption) <= label->width() ||
                    points == 8.0);
            const QRect band = label->geometry();
            QVERIFY(m_button->rect().contains(band) &&
                    qAbs(band.center().x() - m_button->width() / 2) <= 3 &&
                    qAbs(band.center().y() - m_button->height() / 2) <= 4);
            for (const QString steps : {"e 1", "m 10,10", "p L 10,10", "e 0"}) {
                run(steps); // normal, highlighted, pressed, disabled
                QVERIFY2(label->isVisibleTo(m_button), qPrintable(steps));
            }
        }
    }

    // An exit button closes its screen from its Click handler.
    void clickHandlerMayDeleteButton()
    {
        connect(m_button.data(), &PictureButton::Click, this, [this] { delete m_button.data(); });
        run("m 10,10; p L 10,10; r L 10,10; m 12,10");
        QVERIFY(m_button.isNull());
    }

    // In a new run making buttons does not make the tip window, nor does hovering without
    // ToolTip or setting one open it; the next hover does, and the tip shows after the
    // delay. Leaving closes it through the watcher, even before any mouse-down; back over
    // the button it opens again; a mouse-down closes it while the pointer stays. A new
    // ToolTip updates the button's own tip that is up (a change of screen language), never
    // another button's; an empty one closes it.
    void tooltipFollowsHover()
    {
        m_host.reset();
        windows().clear();
        tooltipWindowDefine();
        init();
        PictureButton other(m_host.get()); // (a new button closes any tip, so it comes first)
        QVERIFY(!windows().find(QLatin1String(TooltipWindow::kName)));
        TooltipWindow* tip = TooltipWindow::instance();
        run("m 10,10; m 20,10; m 200,100");
        m_button->setTipText(QStringLiteral("Start the game"));
        QVERIFY(tip && !tip->isOpen());

        run("m 10,10");
        QVERIFY(tip->isOpen() && !tip->isTipVisible());
        tip->setIntervals(40, 5000, 20);
        QTRY_VERIFY(tip->isTipVisible());
        run("m 200,100");
        QTRY_VERIFY(!tip->isOpen());
        run("m 12,12");
        QVERIFY(tip->isOpen() && tip->text() == "Start the game");
        run("p L 12,12");
        QVERIFY(!tip->isOpen());
        run("r L 12,12; m 13,12");
        QTest::qWait(100);
        QVERIFY(!tip->isOpen());

        run("m 200,100; m 10,10");
        m_button->setTipText(QStringLiteral("끝내기"));
        other.setTipText(QStringLiteral("Other"));
        QVERIFY(tip->isOpen() && tip->owner() == m_button.data());
        QCOMPARE(tip->text(), QStringLiteral("끝내기"));
        m_button->setTipText(QString());
        QVERIFY(!tip->isOpen());
    }
};

QTEST_MAIN(tst_picbtn)
#include "tst_picturebutton.moc"
