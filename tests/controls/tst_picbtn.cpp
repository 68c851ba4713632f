#include "controls/frmtooltip.h"
#include "controls/picbtn.h"
#include "controls/pointerpos.h"
#include "shell/window.h"
#include "support/testseam.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

using namespace lxp;

namespace {

QPixmap solidFace(const QColor& colour, QSize size = QSize(140, 39))
{
    QPixmap pixmap(size);
    pixmap.fill(colour);
    return pixmap;
}

// Where the button sits in its test window.
const QPoint kOrigin(50, 50);

} // namespace

class tst_picbtn : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pointerSequences_data();
    void pointerSequences();
    void mouseMoveReportsPointer();
    void doubleClickRaisesFixedMouseDown();
    void rightButtonKeepsHoverTracking();
    void disabledButton_data();
    void disabledButton();
    void enablingShowsNormalFace();
    void plainSetEnabledCountsAsEnabled();
    void faceLoadOrder_data();
    void faceLoadOrder();
    void getterSideEffects_data();
    void getterSideEffects();
    void settingFaceWhileHoveredShowsNormal();
    void controlTakesFaceSize_data();
    void controlTakesFaceSize();
    void captionSitsInItsBand_data();
    void captionSitsInItsBand();
    void emptyFacesStillWork();
    void jumpInModeIgnoresPointer_data();
    void jumpInModeIgnoresPointer();
    void borderStyleRange_data();
    void borderStyleRange();
    void clickHandlerMayDeleteButton();
    void tooltipFollowsHover();
    void emptyTooltipNeverLoadsTip();
    void tooltipTextChangeUpdatesOwnTipOnly();
    void noSystemTooltip();
    void tipWindowMadeOnFirstUseAndClosable();

private:
    void act(const QString& step);
    QChar faceLetter() const;
    QPoint at(const QString& xy) const;

    std::unique_ptr<TestSeam> m_seam;
    std::unique_ptr<QWidget> m_host;
    QPointer<picbtn> m_button;
    QWindow* m_window = nullptr;
    QStringList m_log;
    QPixmap m_normal, m_hLight, m_pressed, m_disabled;
    QPoint m_pointer;
};

void tst_picbtn::initTestCase()
{
    m_seam = std::make_unique<TestSeam>();
    defineProgramWindows(windows());
    setPointerSource([this] { return m_pointer; });
    m_normal = solidFace(QColor(250, 240, 200));
    m_hLight = solidFace(QColor(255, 230, 120));
    m_pressed = solidFace(QColor(240, 170, 60));
    m_disabled = solidFace(QColor(200, 200, 200));
}

void tst_picbtn::init()
{
    m_host = std::make_unique<QWidget>();
    m_host->resize(400, 200);
    m_button = new picbtn(m_host.get());
    m_button->setObjectName(QStringLiteral("btnpOK"));
    m_button->move(kOrigin);
    m_button->setProperty("PictureHLight", m_hLight);
    m_button->setProperty("PictureNormal", m_normal);
    m_button->setProperty("PicturePressed", m_pressed);
    m_button->setProperty("PictureDisabled", m_disabled);
    m_button->setCAPTION(QStringLiteral("OK"));
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    m_window = m_host->windowHandle();
    // Start with the pointer resting outside the button.
    QTest::mouseMove(m_window, QPoint(5, 5));
    m_pointer = m_host->mapToGlobal(QPoint(5, 5));

    m_log.clear();
    picbtn* b = m_button;
    auto note = [this](const QString& what) { m_log << what; };
    connect(b, &picbtn::Click, this, [note] { note(QStringLiteral("Click")); });
    connect(b, &picbtn::DblClick, this, [note] { note(QStringLiteral("DblClick")); });
    connect(b, &picbtn::MouseDown, this,
            [note](short button, short, float, float) { note(QStringLiteral("Down%1").arg(button)); });
    connect(b, &picbtn::MouseUp, this,
            [note](short button, short, float, float) { note(QStringLiteral("Up%1").arg(button)); });
    connect(b, &picbtn::MouseOut, this, [note, b](short, short, float, float) {
        note(b->MousePosnONOUT() ? QStringLiteral("Out+") : QStringLiteral("Out-"));
    });
}

void tst_picbtn::cleanup()
{
    QTest::mouseRelease(m_window, Qt::LeftButton, {}, QPoint(5, 5));
    m_host.reset();
    if (frmTOOLTIP* tip = frmTOOLTIP::instance())
        tip->DestroyTip();
}

QPoint tst_picbtn::at(const QString& xy) const
{
    const QStringList parts = xy.split(QLatin1Char(','));
    return kOrigin + QPoint(parts.value(0).toInt(), parts.value(1).toInt());
}

// One step of a pointer script: "m x,y" move, "p L x,y" press, "r L x,y" release,
// "d L x,y" double click; L, R or M for the button; x,y relative to the button.
void tst_picbtn::act(const QString& step)
{
    const QStringList words = step.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString verb = words.value(0);
    const bool withButton = verb != QLatin1String("m");
    const QString buttonName = withButton ? words.value(1) : QString();
    const Qt::MouseButton button = buttonName == QLatin1String("R")   ? Qt::RightButton
                                   : buttonName == QLatin1String("M") ? Qt::MiddleButton
                                                                      : Qt::LeftButton;
    const QPoint pos = at(words.value(withButton ? 2 : 1));
    m_pointer = m_host->mapToGlobal(pos);
    if (verb == QLatin1String("m"))
        QTest::mouseMove(m_window, pos);
    else if (verb == QLatin1String("p"))
        QTest::mousePress(m_window, button, {}, pos);
    else if (verb == QLatin1String("r"))
        QTest::mouseRelease(m_window, button, {}, pos);
    else if (verb == QLatin1String("d"))
        QTest::mouseDClick(m_window, button, {}, pos);
    else
        QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
}

QChar tst_picbtn::faceLetter() const
{
    const qint64 key = m_button->cURRENTIMAGE().cacheKey();
    if (key == m_normal.cacheKey())
        return QLatin1Char('N');
    if (key == m_hLight.cacheKey())
        return QLatin1Char('H');
    if (key == m_pressed.cacheKey())
        return QLatin1Char('P');
    if (key == m_disabled.cacheKey())
        return QLatin1Char('D');
    return QLatin1Char('?');
}

void tst_picbtn::pointerSequences_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("faces"); // the face after each step
    QTest::addColumn<QString>("events");

    QTest::newRow("moving over highlights") << "m 10,10" << "H" << "Out+";
    QTest::newRow("every move over raises MouseOut")
        << "m 10,10; m 20,10; m 30,20" << "HHH" << "Out+ Out+ Out+";
    QTest::newRow("leaving raises MouseOut once")
        << "m 10,10; m 200,100; m 210,110" << "HNN" << "Out+ Out-";
    QTest::newRow("coming back highlights again")
        << "m 10,10; m 200,100; m 20,20" << "HNH" << "Out+ Out- Out+";
    QTest::newRow("press shows pressed") << "m 10,10; p L 10,10" << "HP" << "Out+ Down1";
    QTest::newRow("click") << "m 10,10; p L 10,10; r L 10,10" << "HPN" << "Out+ Down1 Up1 Click";
    QTest::newRow("face stays normal after click until the next move")
        << "m 10,10; p L 10,10; r L 10,10; m 11,10" << "HPNH" << "Out+ Down1 Up1 Click Out+";
    QTest::newRow("held button: out, back in, release inside")
        << "m 10,10; p L 10,10; m 200,100; m 20,10; r L 20,10" << "HPNPN"
        << "Out+ Down1 Up1 Click";
    QTest::newRow("held button: right edge counts as inside")
        << "m 10,10; p L 10,10; m 140,10" << "HPP" << "Out+ Down1";
    QTest::newRow("held button: just past the right edge")
        << "m 10,10; p L 10,10; m 141,10" << "HPN" << "Out+ Down1";
    QTest::newRow("held button: bottom edge counts as inside")
        << "m 10,10; p L 10,10; m 10,39" << "HPP" << "Out+ Down1";
    QTest::newRow("held button: just past the bottom edge")
        << "m 10,10; p L 10,10; m 10,40" << "HPN" << "Out+ Down1";
    QTest::newRow("held button: left and top edges")
        << "m 10,10; p L 10,10; m 0,0; m -1,0; m 0,-1" << "HPPNN" << "Out+ Down1";
    QTest::newRow("release outside: no click, then one MouseOut")
        << "m 10,10; p L 10,10; m 200,100; r L 200,100" << "HPNN" << "Out+ Down1 Up1 Out-";
    QTest::newRow("right button never shows pressed")
        << "m 10,10; p R 10,10; r R 10,10" << "HNN" << "Out+ Down2 Up2";
    QTest::newRow("middle button presses without a click")
        << "m 10,10; p M 10,10; r M 10,10" << "HPN" << "Out+ Down4 Up4";
    QTest::newRow("double click")
        << "m 10,10; d L 10,10" << "HN" << "Out+ Down1 Up1 Click Down1 DblClick Up1";
}

void tst_picbtn::pointerSequences()
{
    QFETCH(QString, steps);
    QFETCH(QString, faces);
    QFETCH(QString, events);

    QString seen;
    for (const QString& step : steps.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        act(step.trimmed());
        seen += faceLetter();
    }
    QCOMPARE(seen, faces);
    QCOMPARE(m_log.join(QLatin1Char(' ')), events);
}

void tst_picbtn::mouseMoveReportsPointer()
{
    QSignalSpy moves(m_button.data(), &picbtn::MouseMove);
    act(QStringLiteral("m 30,20"));
    QCOMPARE(moves.count(), 1);
    QCOMPARE(moves.at(0).at(0).value<short>(), short(0));
    QCOMPARE(moves.at(0).at(2).toFloat(), 30.0f);
    QCOMPARE(moves.at(0).at(3).toFloat(), 20.0f);
    act(QStringLiteral("p L 30,20"));
    act(QStringLiteral("m 250,120")); // held: reported far outside too
    QCOMPARE(moves.count(), 2);
    QCOMPARE(moves.at(1).at(0).value<short>(), short(1));
    QCOMPARE(moves.at(1).at(2).toFloat(), 250.0f);
    QCOMPARE(moves.at(1).at(3).toFloat(), 120.0f);
}

void tst_picbtn::doubleClickRaisesFixedMouseDown()
{
    QSignalSpy downs(m_button.data(), &picbtn::MouseDown);
    QSignalSpy doubles(m_button.data(), &picbtn::DblClick);
    QSignalSpy clicks(m_button.data(), &picbtn::Click);
    act(QStringLiteral("m 30,20"));
    act(QStringLiteral("d L 30,20"));
    QCOMPARE(doubles.count(), 1);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(downs.count(), 2);
    const QList<QVariant> first = downs.at(0);
    QCOMPARE(first.at(0).value<short>(), short(1));
    QCOMPARE(first.at(2).toFloat(), 30.0f);
    const QList<QVariant> second = downs.at(1);
    QCOMPARE(second.at(0).value<short>(), short(1));
    QCOMPARE(second.at(1).value<short>(), short(1));
    QCOMPARE(second.at(2).toFloat(), 1.0f);
    QCOMPARE(second.at(3).toFloat(), 1.0f);
    // The button is not left pressed: the next move highlights it.
    act(QStringLiteral("m 31,20"));
    QCOMPARE(faceLetter(), QLatin1Char('H'));
}

void tst_picbtn::rightButtonKeepsHoverTracking()
{
    QSignalSpy outs(m_button.data(), &picbtn::MouseOut);
    act(QStringLiteral("m 10,10"));
    act(QStringLiteral("p R 10,10"));
    QCOMPARE(faceLetter(), QLatin1Char('N'));
    const int before = outs.count();
    act(QStringLiteral("m 20,10")); // right button still held
    QCOMPARE(outs.count(), before + 1);
    QCOMPARE(faceLetter(), QLatin1Char('H'));
    QVERIFY(m_button->MousePosnONOUT());
    act(QStringLiteral("r R 20,10"));
    QCOMPARE(faceLetter(), QLatin1Char('H'));
}

void tst_picbtn::disabledButton_data()
{
    QTest::addColumn<QString>("steps");
    QTest::newRow("hover") << "m 10,10; m 20,10";
    QTest::newRow("click") << "m 10,10; p L 10,10; r L 10,10";
    QTest::newRow("double click") << "m 10,10; d L 10,10";
    QTest::newRow("right button") << "p R 10,10; r R 10,10";
}

void tst_picbtn::disabledButton()
{
    QFETCH(QString, steps);
    m_button->setEnabled_(false);
    QCOMPARE(faceLetter(), QLatin1Char('D'));
    QVERIFY(!m_button->Enabled());
    QCOMPARE(m_button->property("Enabled").toBool(), false);
    QVERIFY(!m_button->testAttribute(Qt::WA_SetCursor)); // the default arrow
    QSignalSpy moves(m_button.data(), &picbtn::MouseMove);
    for (const QString& step : steps.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        act(step.trimmed());
        QCOMPARE(faceLetter(), QLatin1Char('D'));
    }
    QVERIFY(m_log.isEmpty());
    QCOMPARE(moves.count(), 0);
}

void tst_picbtn::enablingShowsNormalFace()
{
    act(QStringLiteral("m 10,10"));
    m_button->setEnabled_(false);
    QCOMPARE(faceLetter(), QLatin1Char('D'));
    m_button->setProperty("Enabled", true);
    QCOMPARE(faceLetter(), QLatin1Char('N'));
    QVERIFY(m_button->testAttribute(Qt::WA_SetCursor));
    QCOMPARE(m_button->cursor().shape(), Qt::BitmapCursor);
    act(QStringLiteral("m 12,10"));
    QCOMPARE(faceLetter(), QLatin1Char('H'));
}

void tst_picbtn::plainSetEnabledCountsAsEnabled()
{
    m_button->setEnabled(false);
    QVERIFY(!m_button->Enabled());
    QCOMPARE(faceLetter(), QLatin1Char('D'));
    m_button->setEnabled(true);
    QVERIFY(m_button->Enabled());
    QCOMPARE(faceLetter(), QLatin1Char('N'));
    // A disabled parent blocks input but leaves the face and the setting alone.
    m_host->setEnabled(false);
    QVERIFY(m_button->Enabled());
    QCOMPARE(faceLetter(), QLatin1Char('N'));
    m_host->setEnabled(true);
}

void tst_picbtn::faceLoadOrder_data()
{
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<bool>("mousePosnOnOut");
    const QString hl = QStringLiteral("PictureHLight"), normal = QStringLiteral("PictureNormal"),
                  pressed = QStringLiteral("PicturePressed"),
                  disabled = QStringLiteral("PictureDisabled");
    QTest::newRow("the face loader's order") << QStringList{hl, normal, pressed, disabled} << false;
    QTest::newRow("normal last") << QStringList{hl, pressed, disabled, normal} << false;
    QTest::newRow("highlight last") << QStringList{normal, pressed, disabled, hl} << true;
    QTest::newRow("pressed last") << QStringList{hl, normal, disabled, pressed} << true;
    QTest::newRow("speaker: no disabled face") << QStringList{hl, normal, pressed} << true;
}

void tst_picbtn::faceLoadOrder()
{
    QFETCH(QStringList, order);
    QFETCH(bool, mousePosnOnOut);
    picbtn button;
    const QHash<QString, QPixmap> faces = {{"PictureHLight", m_hLight},
                                           {"PictureNormal", m_normal},
                                           {"PicturePressed", m_pressed},
                                           {"PictureDisabled", m_disabled}};
    for (const QString& name : order)
        QVERIFY(button.setProperty(qPrintable(name), faces.value(name)));
    QCOMPARE(button.MousePosnONOUT(), mousePosnOnOut);
    QCOMPARE(button.property("CFm_MousePosnONOUT").toBool(), mousePosnOnOut);
    QCOMPARE(button.cURRENTIMAGE().cacheKey(), m_normal.cacheKey());
}

void tst_picbtn::getterSideEffects_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("after");
    for (const bool before : {false, true}) {
        const char* state = before ? "from true" : "from false";
        QTest::addRow("normal, %s", state) << "PictureNormal" << before << false;
        QTest::addRow("highlight, %s", state) << "PictureHLight" << before << true;
        QTest::addRow("pressed, %s", state) << "PicturePressed" << before << true;
        QTest::addRow("disabled, %s", state) << "PictureDisabled" << before << before;
    }
}

void tst_picbtn::getterSideEffects()
{
    QFETCH(QString, property);
    QFETCH(bool, before);
    QFETCH(bool, after);
    (void)m_button->property(before ? "PictureHLight" : "PictureNormal");
    QCOMPARE(m_button->MousePosnONOUT(), before);
    const QPixmap read = m_button->property(qPrintable(property)).value<QPixmap>();
    QVERIFY(!read.isNull());
    QCOMPARE(m_button->MousePosnONOUT(), after);
}

void tst_picbtn::settingFaceWhileHoveredShowsNormal()
{
    act(QStringLiteral("m 10,10"));
    QCOMPARE(faceLetter(), QLatin1Char('H'));
    m_button->setProperty("PictureDisabled", m_disabled);
    QCOMPARE(faceLetter(), QLatin1Char('N'));
    QVERIFY(!m_button->MousePosnONOUT());
}

void tst_picbtn::controlTakesFaceSize_data()
{
    QTest::addColumn<QSize>("faceSize");
    QTest::newRow("wide button") << QSize(140, 39);
    QTest::newRow("speaker button") << QSize(40, 39);
    QTest::newRow("letter card") << QSize(64, 80);
}

void tst_picbtn::controlTakesFaceSize()
{
    QFETCH(QSize, faceSize);
    picbtn button;
    button.setPictureNormal(solidFace(Qt::white, faceSize));
    QCOMPARE(button.size(), faceSize);
    // A screen that gives it another size gets the face size back.
    button.resize(faceSize + QSize(30, 10));
    QCOMPARE(button.size(), faceSize);
    QCOMPARE(button.sizeHint(), faceSize);
}

void tst_picbtn::captionSitsInItsBand_data()
{
    QTest::addColumn<QString>("caption");
    QTest::newRow("short") << "OK";
    QTest::newRow("Korean") << QStringLiteral("새 게임");
    QTest::newRow("long") << "Kiwi fruit and more kiwi fruit";
}

void tst_picbtn::captionSitsInItsBand()
{
    QFETCH(QString, caption);
    m_button->setCAPTION(caption);
    QLabel* label = m_button->findChild<QLabel*>(QStringLiteral("lblWORDS"));
    QVERIFY(label);
    QCOMPARE(label, m_button->lblWORDS());
    QCOMPARE(label->text(), caption);
    QCOMPARE(m_button->property("CAPTION").toString(), caption);
    QVERIFY(label->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    QCOMPARE(label->x(), 3);
    QCOMPARE(label->width(), (140 * 15 - 3) / 16);
    const QRect band(3, 9, label->width(), 22);
    QCOMPARE(label->geometry().center().y(), band.center().y());
    // The text fits the band's width (a long caption is set smaller, never cut).
    QVERIFY(QFontMetrics(label->font()).horizontalAdvance(caption) <= label->width() ||
            label->font().pointSizeF() <= 8.0);
    QVERIFY(label->font().pointSizeF() <= 12.0);
    if (caption.size() <= 10)
        QCOMPARE(label->font().pointSizeF(), 12.0);
    // A press on the caption is a press on the face.
    QSignalSpy downs(m_button.data(), &picbtn::MouseDown);
    act(QStringLiteral("p L 70,20"));
    QCOMPARE(downs.count(), 1);
    act(QStringLiteral("r L 70,20"));
}

void tst_picbtn::emptyFacesStillWork()
{
    picbtn* bare = new picbtn(m_host.get());
    bare->move(QPoint(200, 120));
    bare->show();
    QCOMPARE(bare->size(), QSize(picbtn::kDesignWidth, picbtn::kDesignHeight));
    QSignalSpy clicks(bare, &picbtn::Click);
    const QPoint inside = bare->geometry().center();
    QTest::mouseMove(m_window, inside);
    QTest::mouseClick(m_window, Qt::LeftButton, {}, inside);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(bare->cURRENTIMAGE().isNull());
}

void tst_picbtn::jumpInModeIgnoresPointer_data()
{
    QTest::addColumn<bool>("useDisabled");
    QTest::addColumn<QChar>("face");
    QTest::newRow("normal face") << false << QChar('N');
    QTest::newRow("disabled face") << true << QChar('D');
}

void tst_picbtn::jumpInModeIgnoresPointer()
{
    QFETCH(bool, useDisabled);
    QFETCH(QChar, face);
    m_button->setblnUSEPICJUMPIN(true);
    m_button->setblnUSEDISABLED(useDisabled);
    QSignalSpy clicks(m_button.data(), &picbtn::Click);
    for (const char* step : {"m 10,10", "p L 10,10", "m 20,10", "r L 20,10"}) {
        act(step);
        QCOMPARE(faceLetter(), face);
    }
    QCOMPARE(clicks.count(), 1);
    // The control no longer follows the face size.
    m_button->setPictureNormal(solidFace(Qt::white, QSize(40, 39)));
    QCOMPARE(m_button->size(), QSize(140, 39));
}

void tst_picbtn::borderStyleRange_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("stored");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("single") << 1 << 1;
    QTest::newRow("largest 16-bit") << 32767 << 32767;
    QTest::newRow("beyond 16 bits") << 40000 << 1;
    QTest::newRow("below 16 bits") << -40000 << 1;
}

void tst_picbtn::borderStyleRange()
{
    QFETCH(int, value);
    QFETCH(int, stored);
    QCOMPARE(m_button->BorderStyle(), 1);
    m_button->setProperty("BorderStyle", value);
    QCOMPARE(m_button->BorderStyle(), stored);
}

void tst_picbtn::clickHandlerMayDeleteButton()
{
    // An exit button closes its screen from its Click handler.
    connect(m_button.data(), &picbtn::Click, this, [this] { delete m_button.data(); });
    act(QStringLiteral("m 10,10"));
    act(QStringLiteral("p L 10,10"));
    act(QStringLiteral("r L 10,10"));
    QVERIFY(m_button.isNull());
    act(QStringLiteral("m 12,10"));
}

void tst_picbtn::tooltipFollowsHover()
{
    frmTOOLTIP* tip = frmTOOLTIP::instance();
    QVERIFY(tip);
    tip->setIntervals(40, 5000, 20);
    m_button->setToolTip_(QStringLiteral("Start the game"));
    QVERIFY(!tip->isLoaded()); // setting the text alone opens nothing

    act(QStringLiteral("m 10,10"));
    QVERIFY(tip->isLoaded());
    QCOMPARE(tip->owner(), m_button.data());
    QCOMPARE(tip->text(), QStringLiteral("Start the game"));
    QVERIFY(!tip->isTipVisible());
    QTRY_VERIFY(tip->isTipVisible());

    // A mouse-down closes it; staying over the button does not bring it back.
    act(QStringLiteral("p L 10,10"));
    QVERIFY(!tip->isLoaded());
    act(QStringLiteral("r L 10,10"));
    act(QStringLiteral("m 12,10"));
    QTest::qWait(100);
    QVERIFY(!tip->isLoaded());

    // Leaving and coming back asks again.
    act(QStringLiteral("m 200,100"));
    act(QStringLiteral("m 12,12"));
    QVERIFY(tip->isLoaded());
    QTRY_VERIFY(tip->isTipVisible());
    // Leaving closes it through the watcher.
    act(QStringLiteral("m 200,100"));
    QTRY_VERIFY(!tip->isLoaded());
    tip->setIntervals(frmTOOLTIP::kStartDelay, frmTOOLTIP::kShowTime, frmTOOLTIP::kWatchInterval);
}

void tst_picbtn::emptyTooltipNeverLoadsTip()
{
    frmTOOLTIP* tip = frmTOOLTIP::instance();
    QVERIFY(tip);
    act(QStringLiteral("m 10,10"));
    act(QStringLiteral("m 20,10"));
    QVERIFY(!tip->isLoaded());
    // A tip of some other owner is still closed by a mouse-down here.
    tip->setText(QStringLiteral("someone else's tip"));
    QVERIFY(tip->isLoaded());
    act(QStringLiteral("p L 20,10"));
    QVERIFY(!tip->isLoaded());
    act(QStringLiteral("r L 20,10"));
}

void tst_picbtn::tooltipTextChangeUpdatesOwnTipOnly()
{
    frmTOOLTIP* tip = frmTOOLTIP::instance();
    picbtn other(m_host.get()); // (a new button closes any tip, so it comes first)
    m_button->setToolTip_(QStringLiteral("Exit"));
    act(QStringLiteral("m 10,10"));
    QCOMPARE(tip->text(), QStringLiteral("Exit"));
    m_button->setToolTip_(QStringLiteral("끝내기"));
    QCOMPARE(tip->text(), QStringLiteral("끝내기"));

    other.setToolTip_(QStringLiteral("Other"));
    QCOMPARE(tip->owner(), m_button.data());
    QCOMPARE(tip->text(), QStringLiteral("끝내기"));

    m_button->setToolTip_(QString());
    QVERIFY(!tip->isLoaded());
}

void tst_picbtn::noSystemTooltip()
{
    m_button->setToolTip(QStringLiteral("system"));
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), m_button->mapToGlobal(QPoint(5, 5)));
    QVERIFY(QApplication::sendEvent(m_button, &help));
    for (QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY(widget->objectName() != QLatin1String("qtooltip_label") || !widget->isVisible());
}

void tst_picbtn::tipWindowMadeOnFirstUseAndClosable()
{
    // A new run: no tooltip window yet. Making buttons does not make it...
    m_host.reset();
    windows().clear();
    defineProgramWindows(windows());
    init();
    QVERIFY(!windows().find(QLatin1String(frmTOOLTIP::kName)));
    // ...the first tip does, and it closes when the pointer leaves the button, before
    // any mouse-down has happened.
    m_button->setToolTip_(QStringLiteral("Hear it again"));
    act(QStringLiteral("m 10,10"));
    frmTOOLTIP* tip = frmTOOLTIP::instance();
    QVERIFY(tip && tip->isLoaded());
    QVERIFY(tip->closeAllowed());
    act(QStringLiteral("m 200,100"));
    QTRY_VERIFY(!tip->isLoaded());
}

QTEST_MAIN(tst_picbtn)
#include "tst_picbtn.moc"
