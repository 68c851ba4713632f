// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/resourcetable.h"
#include "core/seam.h"

#include <QTest>

using namespace lxp;

// The test carries its own small resources under the program's resource root.
class TestResourceTable : public QObject {
    Q_OBJECT
private slots:
    // Found without regard to letter case, a JPEG before a PNG of the same name;
    // anything else is missing (empty).
    void lookup_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray table("ALPHA\r\nBETA\r\n");
        // clang-format off
        QTest::newRow("mixed case") << "Data" << "testTable" << table;
        QTest::newRow("JPEG before PNG") << "screens/frmTEST" << "face_a" << QByteArray("jpg");
        QTest::newRow("unknown name") << "DATA" << "NOSUCH" << QByteArray();
        QTest::newRow("path escape") << "DATA/.." << "DATA/TESTTABLE" << QByteArray();
        // clang-format on
    }
    void lookup()
    {
        QFETCH(QString, type);
        QFETCH(QString, name);
        QFETCH(QByteArray, expected);
        QCOMPARE(ResourceTable::read(type, name), expected);
        QCOMPARE(ResourceTable::contains(type, name), !expected.isEmpty());
        QCOMPARE(seam().resource(type, name), expected);
    }
};

QTEST_GUILESS_MAIN(TestResourceTable)
#include "tst_resourcetable.moc"
