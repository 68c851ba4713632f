#include "controls/handcursor.h"
#include "support/testseam.h"

#include <QTest>

using namespace lxp;

class tst_handcursor : public QObject {
    Q_OBJECT

private slots:
    // The hot spot comes from the first directory entry of a cursor file; anything else
    // as resource 101 gives the system's pointing hand (checked before a good hand is
    // decoded and kept). The shipped hand is 32 x 32 with a transparent surround, its
    // hot spot at (6,0), decoded once.
    void handCursorFromResource101() {
        QByteArray cursor(22, '\0');
        cursor[2] = 2; // type: cursor
        cursor[4] = 1; // one image
        cursor[10] = 6;
        cursor[12] = 9;
        QCOMPARE(CursorHotSpot(cursor), std::optional<QPoint>(QPoint(6, 9)));
        QByteArray icon = cursor, none = cursor;
        icon[2] = 1;
        none[4] = 0;
        TestSeam seam;
        const QByteArray faults[] = {QByteArray(), cursor.left(20),     icon,
                                     none,         QByteArray(80, 'x'), cursor};
        for (const QByteArray& bytes : faults) {
            seam.setResource(QStringLiteral("CURSOR"), QStringLiteral("101"), bytes);
            QVERIFY2(bytes == cursor || !CursorHotSpot(bytes), bytes.toHex().constData());
            QCOMPARE(HandCursor().shape(), Qt::PointingHandCursor);
        }
        seam.clearResources();
        const QCursor hand = HandCursor();
        QCOMPARE(hand.shape(), Qt::BitmapCursor);
        QCOMPARE(hand.hotSpot(), QPoint(6, 0));
        const QImage image = hand.pixmap().toImage();
        QCOMPARE(image.size(), QSize(32, 32));
        QCOMPARE(qAlpha(image.pixel(31, 31)), 0);
        QCOMPARE(HandCursor().pixmap().cacheKey(), hand.pixmap().cacheKey());
    }
};

QTEST_MAIN(tst_handcursor)
#include "tst_handcursor.moc"
