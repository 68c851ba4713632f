// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/screensteps.h"

using namespace lxp;
using namespace lxp::testing;

// The program with a whole kind of its resources missing, as a damaged installation
// might have it: it starts, every lesson of the catalogue opens from the menu and can
// be left, the language window and the About box open and close, and nothing hangs.
class TestMissingParts : public QObject {
    Q_OBJECT

private slots:
    void everyScreenOpensAndCanBeLeft_data()
    {
        QTest::addColumn<QStringList>("missing");
        QTest::newRow("word pictures") << QStringList{"CUSTOM"};
        QTest::newRow("button faces") << QStringList{"BITMAP"};
        QTest::newRow("backgrounds") << QStringList{"DIALOG"};
        QTest::newRow("screen pictures") << QStringList{"screens/*"};
        QTest::newRow("content tables") << QStringList{"DATA"};
        QTest::newRow("sounds") << QStringList{"WORDS", "LETTERS", "AUDIO"};
        QTest::newRow("cursor and icon") << QStringList{"CURSOR", "ICON"};
    }
    void everyScreenOpensAndCanBeLeft()
    {
        QFETCH(QStringList, missing);
        TestSeam seam;
        seam.missingTypes = missing;
        windows().clear();
        resetShared();
        StartUp();
        QVERIFY(screenOf("frmMAINMENU") && screenOf("frmMAINMENU")->isVisible());
        for (const WindowEntry& entry : windows().entries()) {
            if (entry.menuButton.isEmpty())
                continue;
            click("frmMAINMENU", entry.menuButton);
            QTRY_VERIFY2(windows().find(entry.name) && windows().find(entry.name)->isOpen(),
                         qPrintable(entry.name));
            QTest::keyClick(screenOf(entry.name), Qt::Key_Escape);
            QTRY_VERIFY2(windows().find(kMainMenuName)->isOpen(), qPrintable(entry.name));
        }
        for (const char* name : {"frmLANGUAGE", "frmABOUTLXP"}) {
            const auto ran = whenModal(name, [name] { screenOf(name)->close(); });
            windows().get(name)->showModal();
            QVERIFY2(*ran, name);
        }
        windows().clear();
    }
};

QTEST_MAIN(TestMissingParts)
#include "tst_missingparts.moc"
