// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/testseam.h"
#include "ui/pointerpos.h"
#include "ui/tooltipwindow.h"
#include "ui/window.h"

#include <QElapsedTimer>
#include <QScreen>
#include <QTest>

using namespace lxp;

namespace {

constexpr int kStart = 30, kShow = 250, kWatch = 10; // start delay, show time, watcher

// A main window whose close closes the tip, as the program's does (without its buttons,
// which would allow the tip to close).
class FrameStub : public Window {
public:
    explicit FrameStub(Window* tip) : Window("mdiPROGMAIN", Kind::TopLevel), m_tip(tip) {}

protected:
    QWidget* createScreen() override { return new QWidget; }
    void onClose() override { m_tip->close(); }
    Window* m_tip;
};

} // namespace

class tst_frmtooltip : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSeam> m_seam;
    std::unique_ptr<QWidget> m_owner; // the button the tip belongs to
    TooltipWindow* m_tip = nullptr;
    QPoint m_pointer;

    QRect ownerRect() const { return QRect(m_owner->mapToGlobal(QPoint(0, 0)), m_owner->size()); }
    void openTip()
    {
        m_tip->CreateTip(m_owner.get());
        m_tip->setText(QStringLiteral("Play the matching game"));
        m_tip->ShowTip();
    }

private slots:
    void initTestCase()
    {
        m_seam = std::make_unique<TestSeam>();
        setPointerSource([this] { return m_pointer; });
    }

    void init()
    {
        windows().clear();
        WindowEntry entry;
        entry.name = TooltipWindow::kName;
        entry.factory = [] { return std::make_unique<TooltipWindow>(); };
        windows().define(entry);
        m_tip = TooltipWindow::instance();
        m_tip->setIntervals(kStart, kShow, kWatch);
        m_tip->DestroyTip(); // closing allowed
        m_owner = std::make_unique<QWidget>();
        m_owner->setGeometry(200, 150, 140, 39);
        m_owner->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_owner.get()));
        m_pointer = ownerRect().center();
    }

    void cleanup()
    {
        m_tip->DestroyTip();
        m_owner.reset();
        windows().clear(); // the last test's frame holds a tip of its own
    }

    // Shown after the start delay 19 pixels below the pointer, pulled back to end at the
    // screen's right or bottom edge; hidden after the show time, then hidden for good.
    void placedBelowPointer_data()
    {
        QTest::addColumn<QPoint>("pointer"); // from where the tip ends exactly at both edges
        QTest::newRow("open space") << QPoint(-300, -300);
        QTest::newRow("one past the right edge") << QPoint(1, -50);
        QTest::newRow("one past the bottom edge") << QPoint(-50, 1);
    }
    void placedBelowPointer()
    {
        QFETCH(QPoint, pointer);
        const QRect area = QGuiApplication::primaryScreen()->geometry();
        m_tip->CreateTip(m_owner.get());
        m_tip->setText(QStringLiteral("Hear the word again"));
        const QSize size = m_tip->tipLabel()->size() + QSize(6, 6);
        const QPoint fits(area.right() + 1 - size.width(), area.bottom() + 1 - size.height() - 19);
        m_pointer = fits + pointer;
        m_owner->move(m_pointer - QPoint(10, 10)); // the pointer stays on the button
        QElapsedTimer clock;
        clock.start();
        m_tip->ShowTip();
        QVERIFY(!m_tip->isTipVisible());
        QTRY_VERIFY(m_tip->isTipVisible());
        QVERIFY(clock.elapsed() >= kStart);
        const QPoint below(qMin(m_pointer.x(), fits.x()), qMin(m_pointer.y(), fits.y()) + 19);
        QCOMPARE(m_tip->screen()->geometry(), QRect(below, size));
        QTRY_VERIFY(!m_tip->isTipVisible());
        QVERIFY(clock.elapsed() >= kShow);
        QTest::qWait(kShow);
        QVERIFY(m_tip->isOpen() && !m_tip->isTipVisible());
    }

    // The watcher closes the tip once the pointer is off the button (140 x 39): its right
    // and bottom edges are inside, a button that has gone is outside.
    void watcherEdges_data()
    {
        QTest::addColumn<QPoint>("where"); // from the button's top-left; null: gone
        QTest::addColumn<bool>("stays");
        QTest::newRow("right edge") << QPoint(140, 19) << true;
        QTest::newRow("bottom edge") << QPoint(70, 39) << true;
        QTest::newRow("past the right edge") << QPoint(141, 19) << false;
        QTest::newRow("past the bottom edge") << QPoint(70, 40) << false;
        QTest::newRow("the button gone") << QPoint() << false;
    }

    void watcherEdges()
    {
        QFETCH(QPoint, where);
        QFETCH(bool, stays);
        openTip();
        if (where.isNull())
            m_owner.reset();
        else
            m_pointer = ownerRect().topLeft() + where;
        QTest::qWait(6 * kWatch);
        QCOMPARE(m_tip->isOpen(), stays);
    }

    // Until the first DestroyTip every close is refused (closing, the watcher, its window's
    // close box) but the program's end's.
    void closeRefusedBeforeFirstDestroyTip()
    {
        TooltipWindow fresh; // a tip of a new run
        fresh.setIntervals(kStart, kShow, kWatch);
        QVERIFY(!fresh.closeAllowed());
        fresh.CreateTip(m_owner.get());
        fresh.setText(QStringLiteral("Back to the menu"));
        QVERIFY(!fresh.close());
        m_pointer = ownerRect().bottomRight() + QPoint(50, 50);
        QTest::qWait(6 * kWatch);
        QVERIFY(fresh.isOpen());
        fresh.screen()->close();
        QVERIFY(fresh.isOpen());

        WindowEntry frameEntry;
        frameEntry.name = QStringLiteral("mdiPROGMAIN");
        frameEntry.factory = [&fresh] { return std::make_unique<FrameStub>(&fresh); };
        windows().define(frameEntry);
        Window* frame = windows().get(QStringLiteral("mdiPROGMAIN"));
        frame->open();
        QVERIFY(frame->close());
        QVERIFY(!fresh.isOpen() && !fresh.closeAllowed());
        fresh.DestroyTip();
        QVERIFY(fresh.closeAllowed());
        fresh.setText(QStringLiteral("Back to the menu"));
        QVERIFY(fresh.close());
    }
};

QTEST_MAIN(tst_frmtooltip)
#include "tst_tooltipwindow.moc"
