// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/aboutbox.h"
#include "support/screensteps.h"

#include <QLabel>

using namespace lxp;
using namespace lxp::testing;

class TestAboutBox : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedProgram> program;

private slots:
    void init() { program = std::make_unique<StartedProgram>(); }
    void cleanup() { program.reset(); }

    // The box shows this version; the mail link asks the shell for "mailto:" and the
    // address and the box stays open; a credit does nothing.
    void mailLinkAsksTheShell()
    {
        windows().get<AboutBox>()->open();
        QCOMPARE(element<QLabel>("frmABOUTLXP", "lblVersion1_0")->text(), QString("Version: 2.51"));
        click("frmABOUTLXP", "lblEMAIL");
        click("frmABOUTLXP", "lblCREDIT1");
        QCOMPARE(program->seam.shellRequests,
                 (QList<QPair<QString, bool>>{{"mailto:support@corvane-software.example", false}}));
        QVERIFY(windows().get<AboutBox>()->isOpen());
    }
};

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
