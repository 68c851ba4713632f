// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/testseam.h"
#include "ui/handcursor.h"

#include <QTest>

using namespace lxp;

class tst_handcursor : public QObject {
    Q_OBJECT

private slots:
    // The hot spot comes from the first directory entry of a cursor file; anything else
    // as resource 101 gives the system's pointing hand. The shipped hand's is at (6,0).
    void handCursorFromResource101()
    {
        QByteArray cursor(22, '\0');
        cursor[2] = 2; // type: cursor
        cursor[4] = 1; // one image
        cursor[10] = 6;
        cursor[12] = 9;
        QCOMPARE(CursorHotSpot(cursor), std::optional<QPoint>(QPoint(6, 9)));
        QByteArray icon = cursor;
        icon[2] = 1;
        TestSeam seam;
        for (const QByteArray& bytes : {QByteArray(), cursor.left(20), icon, QByteArray(80, 'x')}) {
            seam.setResource(QStringLiteral("CURSOR"), QStringLiteral("101"), bytes);
            QVERIFY2(!CursorHotSpot(bytes), bytes.toHex().constData());
            QCOMPARE(HandCursor().shape(), Qt::PointingHandCursor);
        }
        seam.clearResources();
        QCOMPARE(HandCursor().shape(), Qt::BitmapCursor);
        QCOMPARE(HandCursor().hotSpot(), QPoint(6, 0));
    }
};

QTEST_MAIN(tst_handcursor)
#include "tst_handcursor.moc"
