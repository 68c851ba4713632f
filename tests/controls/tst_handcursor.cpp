#include "controls/handcursor.h"
#include "shell/seam.h"
#include "support/testseam.h"

#include <QBitmap>
#include <QTest>

using namespace lxp;

class tst_handcursor : public QObject {
    Q_OBJECT

private slots:
    // Runs first: nothing has been decoded and kept yet.
    void missingResourceFallsBackToSystemHand()
    {
        TestSeam seam;
        seam.setResource(QStringLiteral("CURSOR"), QStringLiteral("101"), QByteArray());
        QCOMPARE(HandCursor().shape(), Qt::PointingHandCursor);
        seam.setResource(QStringLiteral("CURSOR"), QStringLiteral("101"), QByteArray(80, 'x'));
        QCOMPARE(HandCursor().shape(), Qt::PointingHandCursor);
    }

    void hotSpotFromDirectory_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QPoint>("hotSpot");
        QByteArray cursor(22, '\0');
        cursor[2] = 2;  // type: cursor
        cursor[4] = 1;  // one image
        cursor[6] = 32; // 32 x 32
        cursor[7] = 32;
        cursor[10] = 6; // hot spot x
        cursor[12] = 9; // hot spot y
        QByteArray icon = cursor;
        icon[2] = 1;
        QByteArray empty = cursor;
        empty[4] = 0;
        QTest::newRow("cursor") << cursor << true << QPoint(6, 9);
        QTest::newRow("icon, not a cursor") << icon << false << QPoint();
        QTest::newRow("no images") << empty << false << QPoint();
        QTest::newRow("cut short") << cursor.left(20) << false << QPoint();
        QTest::newRow("nothing") << QByteArray() << false << QPoint();
    }

    void hotSpotFromDirectory()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QFETCH(QPoint, hotSpot);
        const std::optional<QPoint> found = CursorHotSpot(bytes);
        QCOMPARE(found.has_value(), valid);
        if (valid)
            QCOMPARE(*found, hotSpot);
    }

    void shippedHandCursor()
    {
        TestSeam seam;
        const QByteArray bytes = seam.resource(QStringLiteral("CURSOR"), QStringLiteral("101"));
        QCOMPARE(CursorHotSpot(bytes), std::optional<QPoint>(QPoint(6, 0)));
        const QCursor cursor = HandCursor();
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), QPoint(6, 0));
        const QImage image = cursor.pixmap().toImage();
        QCOMPARE(image.size(), QSize(32, 32));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(qAlpha(image.pixel(31, 31)), 0); // transparent around the hand
        // Decoded once and kept.
        QCOMPARE(HandCursor().pixmap().cacheKey(), cursor.pixmap().cacheKey());
    }
};

QTEST_MAIN(tst_handcursor)
#include "tst_handcursor.moc"
