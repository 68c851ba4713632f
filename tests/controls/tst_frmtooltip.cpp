#include "controls/frmtooltip.h"
#include "controls/pointerpos.h"
#include "shell/window.h"
#include "support/testseam.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QToolTip>
#include <QElapsedTimer>

using namespace lxp;

namespace {

// Short timer intervals for the tests: start delay, show time, watcher.
constexpr int kStart = 30;
constexpr int kShow = 250;
constexpr int kWatch = 10;

// A main window stand-in whose close step closes the tooltip, as the program's does.
class FrameStub : public Window {
public:
    explicit FrameStub(Window* tip) : Window(QStringLiteral("mdiPROGMAIN"), Kind::TopLevel), m_tip(tip) {}

protected:
    QWidget* CreateScreen() override { return new QWidget; }
    void Form_Unload() override { m_tip->Unload(); }

private:
    Window* m_tip;
};

} // namespace

class tst_frmtooltip : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void placedBelowPointer_data();
    void placedBelowPointer();
    void staysOnScreenWhileWaiting();
    void marginAndReopening();
    void showsAfterDelayAndHidesForGood();
    void showTipWhileVisibleChangesNothing();
    void noTextNoTip();
    void watcherEdges_data();
    void watcherEdges();
    void ownerGoneClosesTip();
    void pointerOntoTipCloses_data();
    void pointerOntoTipCloses();
    void closeRefusedBeforeFirstDestroyTip();
    void programEndClosesTipAnyway();
    void windowLook();

private:
    QRect ownerRect() const { return QRect(m_owner->mapToGlobal(QPoint(0, 0)), m_owner->size()); }
    void pointAt(QPoint p) { m_pointer = p; }
    void openTip(const QString& text = QStringLiteral("Play the matching game"));

    std::unique_ptr<TestSeam> m_seam;
    std::unique_ptr<QWidget> m_owner;
    frmTOOLTIP* m_tip = nullptr;
    QPoint m_pointer;
};

void tst_frmtooltip::initTestCase()
{
    m_seam = std::make_unique<TestSeam>();
    setPointerSource([this] { return m_pointer; });
}

void tst_frmtooltip::init()
{
    windows().clear();
    defineProgramWindows(windows());
    m_tip = frmTOOLTIP::instance();
    QVERIFY(m_tip);
    m_tip->setIntervals(kStart, kShow, kWatch);
    m_owner = std::make_unique<QWidget>();
    m_owner->setGeometry(200, 150, 140, 39);
    m_owner->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_owner.get()));
    pointAt(ownerRect().center());
}

void tst_frmtooltip::cleanup()
{
    m_tip->DestroyTip();
    m_owner.reset();
    windows().clear();
}

void tst_frmtooltip::openTip(const QString& text)
{
    m_tip->CreateTip(m_owner.get());
    m_tip->setText(text);
    m_tip->ShowTip();
}

void tst_frmtooltip::placedBelowPointer_data()
{
    QTest::addColumn<QPoint>("fromTopLeft");     // pointer, from the screen's top-left
    QTest::addColumn<QPoint>("fromBottomRight"); // or from its bottom-right (when set)
    QTest::newRow("open space") << QPoint(100, 100) << QPoint();
    QTest::newRow("near the right edge") << QPoint() << QPoint(5, 300);
    QTest::newRow("near the bottom edge") << QPoint() << QPoint(300, 10);
    QTest::newRow("in the bottom-right corner") << QPoint() << QPoint(1, 1);
    QTest::newRow("exactly fitting") << QPoint() << QPoint(-1, -1); // computed below
}

void tst_frmtooltip::placedBelowPointer()
{
    QFETCH(QPoint, fromTopLeft);
    QFETCH(QPoint, fromBottomRight);
    const QRect area = QGuiApplication::primaryScreen()->geometry();
    m_tip->setText(QStringLiteral("Hear the word again"));
    const QSize size = m_tip->lblTIP()->size() + QSize(6, 6);
    QPoint pointer;
    if (!fromTopLeft.isNull())
        pointer = area.topLeft() + fromTopLeft;
    else if (fromBottomRight == QPoint(-1, -1)) // the tip ends exactly at both edges
        pointer = QPoint(area.right() + 1 - size.width(), area.bottom() + 1 - size.height() - 19);
    else
        pointer = area.bottomRight() - fromBottomRight;
    pointAt(pointer);
    m_tip->CreateTip(m_owner.get());
    m_tip->ShowTip();

    const QRect place = m_tip->screen()->geometry();
    QCOMPARE(place.size(), size);
    QCOMPARE(place.left(), qMin(pointer.x(), area.right() + 1 - size.width()));
    QCOMPARE(place.top(), qMin(pointer.y() + 19, area.bottom() + 1 - size.height()));
    QVERIFY(area.contains(place));
}

void tst_frmtooltip::staysOnScreenWhileWaiting()
{
    // The watcher places a waiting tip anew on every tick; it keeps to the screen too.
    const QRect area = QGuiApplication::primaryScreen()->geometry();
    m_owner->setGeometry(area.right() - 60, area.bottom() - 20, 60, 20);
    QTest::qWait(20);
    pointAt(ownerRect().center());
    openTip();
    QTRY_VERIFY(m_tip->isTipVisible());
    const QRect place = m_tip->screen()->geometry();
    QVERIFY2(area.contains(place), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                  .arg(place.x()).arg(place.y())
                                                  .arg(place.width()).arg(place.height())));
    QCOMPARE(place.right(), area.right());
    QCOMPARE(place.bottom(), area.bottom());
}

void tst_frmtooltip::marginAndReopening()
{
    openTip();
    QCOMPARE(m_tip->margin(), 3);
    QCOMPARE(m_tip->lblTIP()->pos(), QPoint(3, 3));
    m_tip->setMargin(6);
    QCOMPARE(m_tip->lblTIP()->pos(), QPoint(6, 6));
    m_tip->setText(QStringLiteral("Next letter"));
    QCOMPARE(m_tip->screen()->size(), m_tip->lblTIP()->size() + QSize(12, 12));
    m_tip->DestroyTip();
    QVERIFY(!m_tip->isLoaded());
    QCOMPARE(m_tip->text(), QString());
    // The next text opens it again for the same button, with the margin of a new load.
    m_tip->setText(QStringLiteral("Next letter"));
    QVERIFY(m_tip->isLoaded());
    QCOMPARE(m_tip->owner(), m_owner.get());
    QCOMPARE(m_tip->margin(), 3);
    QCOMPARE(m_tip->lblTIP()->pos(), QPoint(3, 3));
}

void tst_frmtooltip::showsAfterDelayAndHidesForGood()
{
    QElapsedTimer clock;
    clock.start();
    openTip();
    QVERIFY(m_tip->isLoaded());
    QVERIFY(!m_tip->isTipVisible());
    QVERIFY(m_tip->tmrSTART()->isActive());
    QVERIFY(m_tip->tmrPARENT()->isActive());
    QTRY_VERIFY(m_tip->isTipVisible());
    QVERIFY(clock.elapsed() >= kStart);
    QVERIFY(!m_tip->tmrSTART()->isActive());
    QVERIFY(m_tip->tmrSHOW()->isActive());
    QTRY_VERIFY(!m_tip->isTipVisible());
    QVERIFY(clock.elapsed() >= kShow);
    // It stays loaded and hidden while the pointer stays over the button.
    QTest::qWait(2 * kShow);
    QVERIFY(m_tip->isLoaded());
    QVERIFY(!m_tip->isTipVisible());
}

void tst_frmtooltip::showTipWhileVisibleChangesNothing()
{
    openTip();
    QTRY_VERIFY(m_tip->isTipVisible());
    const QRect before = m_tip->screen()->geometry();
    pointAt(ownerRect().center() + QPoint(10, 5));
    m_tip->ShowTip();
    QCOMPARE(m_tip->screen()->geometry(), before);
    QVERIFY(!m_tip->tmrSTART()->isActive());
}

void tst_frmtooltip::noTextNoTip()
{
    m_tip->ShowTip(); // closed: nothing to show
    QVERIFY(!m_tip->isLoaded());
    openTip(QString());
    QVERIFY(m_tip->isLoaded());
    QVERIFY(!m_tip->tmrSTART()->isActive());
    QTest::qWait(3 * kStart);
    QVERIFY(!m_tip->isTipVisible());
}

void tst_frmtooltip::watcherEdges_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("stays");
    QTest::newRow("inside") << "centre" << true;
    QTest::newRow("top-left corner") << "topleft" << true;
    QTest::newRow("right edge") << "right" << true;
    QTest::newRow("bottom edge") << "bottom" << true;
    QTest::newRow("past the right edge") << "right+1" << false;
    QTest::newRow("past the bottom edge") << "bottom+1" << false;
    QTest::newRow("left of the button") << "left-1" << false;
    QTest::newRow("above the button") << "top-1" << false;
}

void tst_frmtooltip::watcherEdges()
{
    QFETCH(QString, where);
    QFETCH(bool, stays);
    m_tip->DestroyTip(); // closing allowed
    openTip();
    const QRect r = ownerRect();
    const int right = r.left() + r.width();
    const int bottom = r.top() + r.height();
    const QHash<QString, QPoint> points = {
        {"centre", r.center()},           {"topleft", r.topLeft()},
        {"right", {right, r.center().y()}}, {"bottom", {r.center().x(), bottom}},
        {"right+1", {right + 1, r.center().y()}}, {"bottom+1", {r.center().x(), bottom + 1}},
        {"left-1", {r.left() - 1, r.center().y()}}, {"top-1", {r.center().x(), r.top() - 1}}};
    pointAt(points.value(where));
    QTest::qWait(6 * kWatch);
    QCOMPARE(m_tip->isLoaded(), stays);
}

void tst_frmtooltip::ownerGoneClosesTip()
{
    m_tip->DestroyTip();
    openTip();
    m_owner.reset();
    QTRY_VERIFY(!m_tip->isLoaded());
}

void tst_frmtooltip::pointerOntoTipCloses_data()
{
    QTest::addColumn<bool>("onLabel");
    QTest::newRow("window") << false;
    QTest::newRow("label") << true;
}

void tst_frmtooltip::pointerOntoTipCloses()
{
    QFETCH(bool, onLabel);
    m_tip->DestroyTip();
    openTip();
    QTRY_VERIFY(m_tip->isTipVisible());
    QWidget* target = onLabel ? static_cast<QWidget*>(m_tip->lblTIP()) : m_tip->screen();
    QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), target->mapToGlobal(QPointF(1, 1)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QVERIFY(!m_tip->isLoaded());
}

void tst_frmtooltip::closeRefusedBeforeFirstDestroyTip()
{
    frmTOOLTIP fresh; // a tip of a new run: nothing has called DestroyTip yet
    fresh.setIntervals(kStart, kShow, kWatch);
    QVERIFY(!fresh.closeAllowed());
    fresh.CreateTip(m_owner.get());
    fresh.setText(QStringLiteral("Back to the menu"));
    QVERIFY(fresh.isLoaded());
    QVERIFY(!fresh.Unload());
    QVERIFY(fresh.isLoaded());
    // Neither the watcher (pointer away) nor the pointer on the tip closes it.
    pointAt(ownerRect().bottomRight() + QPoint(50, 50));
    QTest::qWait(6 * kWatch);
    QVERIFY(fresh.isLoaded());
    fresh.screen()->close();
    QVERIFY(fresh.isLoaded());

    fresh.DestroyTip();
    QVERIFY(!fresh.isLoaded());
    QVERIFY(fresh.closeAllowed());
    fresh.setText(QStringLiteral("Back to the menu"));
    QVERIFY(fresh.Unload());
}

void tst_frmtooltip::programEndClosesTipAnyway()
{
    auto fresh = std::make_unique<frmTOOLTIP>();
    frmTOOLTIP* tip = fresh.get();
    windows().define(QStringLiteral("mdiPROGMAIN"), [tip] { return std::make_unique<FrameStub>(tip); });
    Window* frame = windows().get(QStringLiteral("mdiPROGMAIN"));
    frame->Load();
    tip->setText(QStringLiteral("Exit"));
    QVERIFY(!tip->Unload());
    QVERIFY(frame->Unload());
    QVERIFY(!tip->isLoaded());
}

void tst_frmtooltip::windowLook()
{
    openTip();
    QWidget* surface = m_tip->screen();
    QVERIFY(surface->windowFlags() & Qt::ToolTip);
    QVERIFY(surface->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(surface->testAttribute(Qt::WA_ShowWithoutActivating));
    QCOMPARE(m_tip->kind(), Window::Kind::Popup);
    QCOMPARE(m_tip->lblTIP()->objectName(), QStringLiteral("lblTIP"));
    QCOMPARE(m_tip->lblTIP()->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(m_tip->lblTIP()->font().pointSizeF(), 8.25);

    const QImage image = surface->grab().toImage();
    const QColor frame = QToolTip::palette().color(QPalette::ToolTipText);
    const QColor fill = QToolTip::palette().color(QPalette::ToolTipBase);
    const int w = image.width(), h = image.height();
    for (const QPoint p : {QPoint(0, 0), QPoint(w / 2, 0), QPoint(0, h / 2), QPoint(w - 1, h / 2),
                           QPoint(w / 2, h - 1), QPoint(w - 1, h - 1)})
        QCOMPARE(image.pixelColor(p), frame);
    for (const QPoint p : {QPoint(1, 1), QPoint(w - 2, h - 2), QPoint(1, h - 2)})
        QCOMPARE(image.pixelColor(p), fill);
}

QTEST_MAIN(tst_frmtooltip)
#include "tst_frmtooltip.moc"
