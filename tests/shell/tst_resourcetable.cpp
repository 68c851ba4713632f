#include "shell/resourcetable.h"
#include "shell/seam.h"

#include <QTest>

using namespace lxp;

// The test carries its own small resources under the program's resource root.
class TestResourceTable : public QObject {
    Q_OBJECT
private slots:
    void foundWithoutRegardToCase_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("name");
        QTest::newRow("as stored") << "DATA" << "TESTTABLE";
        QTest::newRow("lower case") << "data" << "testtable";
        QTest::newRow("mixed") << "Data" << "TestTable";
    }
    void foundWithoutRegardToCase()
    {
        QFETCH(QString, type);
        QFETCH(QString, name);
        QCOMPARE(ResourceTable::read(type, name), QByteArray("ALPHA\r\nBETA\r\n"));
        QVERIFY(ResourceTable::contains(type, name));
        QCOMPARE(seam().resource(type, name), QByteArray("ALPHA\r\nBETA\r\n"));
    }

    void missingResourcesAreEmpty_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("name");
        QTest::newRow("unknown name") << "DATA" << "NOSUCH";
        QTest::newRow("unknown type") << "NOTYPE" << "TESTTABLE";
        QTest::newRow("with extension") << "DATA" << "TESTTABLE.txt";
        QTest::newRow("empty name") << "DATA" << "";
        QTest::newRow("empty type") << "" << "TESTTABLE";
        QTest::newRow("path escape") << "DATA/.." << "DATA/TESTTABLE";
    }
    void missingResourcesAreEmpty()
    {
        QFETCH(QString, type);
        QFETCH(QString, name);
        QVERIFY(ResourceTable::read(type, name).isEmpty());
        QVERIFY(!ResourceTable::contains(type, name));
    }

    void screenPicturesAndExtensionPreference()
    {
        // The same name as JPEG and PNG: the JPEG wins, every time.
        QCOMPARE(ResourceTable::read("screens/frmTEST", "face_a"), QByteArray("jpg"));
        QCOMPARE(ResourceTable::read("SCREENS/FRMTEST", "FACE_A"), QByteArray("jpg"));
    }

    void namesOfAType()
    {
        QVERIFY(ResourceTable::names("data").contains("TESTTABLE"));
        QVERIFY(!ResourceTable::names("screens").contains("FACE_A"));
    }
};

QTEST_GUILESS_MAIN(TestResourceTable)
#include "tst_resourcetable.moc"
