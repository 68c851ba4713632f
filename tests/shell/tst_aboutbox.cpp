#include "dialogs/screensteps.h"
#include "shell/frmaboutlxp.h"

#include <QDir>
#include <QLabel>

using namespace lxp;
using namespace lxp::testing;

class TestAboutBox : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedProgram> program;

private slots:
    void init() { program = std::make_unique<StartedProgram>(); }
    void cleanup() { program.reset(); }

    // Minor and revision written together, shown as a number with two decimals.
    void versionText_data() {
        QTest::addColumn<QList<int>>("version");
        QTest::addColumn<QString>("text");
        QTest::newRow("2.5.1") << QList<int>{2, 5, 1} << "Version: 2.51";
        QTest::newRow("3.0.0") << QList<int>{3, 0, 0} << "Version: 3.00";
        QTest::newRow("rounds half up") << QList<int>{2, 5, 15} << "Version: 2.52";
        QTest::newRow("rounds down") << QList<int>{1, 2, 34} << "Version: 1.23";
        QTest::newRow("carries into the whole number") << QList<int>{1, 9, 95} << "Version: 2.00";
        QTest::newRow("major of two digits") << QList<int>{10, 0, 7} << "Version: 10.07";
    }
    void versionText() {
        QFETCH(QList<int>, version);
        QFETCH(QString, text);
        QCOMPARE(VersionText(version[0], version[1], version[2]), text);
    }

    // The box shows this version and a credit for every source recorded with the
    // program, every one-line text whole.
    void boxShowsVersionAndCredits() {
        windows().get<frmABOUTLXP>()->Load();
        QCOMPARE(element<QLabel>("frmABOUTLXP", "lblVersion1_0")->text(), QString("Version: 2.51"));
        const QDir records(LEXIPOND_SOURCE_DIR "/resources/credits/sources");
        QCOMPARE(CreditSources().size(), records.entryList({"*.txt"}, QDir::Files).size());
        QStringList shown;
        for (int i = 1; i <= frmABOUTLXP::kCreditLabels; ++i)
            if (auto* label = element<QLabel>("frmABOUTLXP", QString("lblCREDIT%1").arg(i)); !label->isHidden())
                shown << label->text();
        QCOMPARE(shown, CreditLabelTexts(CreditSources(), frmABOUTLXP::kCreditLabels));
        QVERIFY(textsFit("frmABOUTLXP"));
    }

    // One label for each outside source, and always one for the program's own work.
    void creditLabelsKeepOneForTheProgramsOwnWork_data() {
        QTest::addColumn<QStringList>("records"); // "*" marks the program's own work
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("few") << QStringList{"A", "*Own art", "B", "*Own sounds"} << QStringList{"A", "B", "Own art"};
        QTest::newRow("own work only") << QStringList{"*Own art"} << QStringList{"Own art"};
        QTest::newRow("outside only") << QStringList{"A", "B"} << QStringList{"A", "B"};
        QTest::newRow("too many outside") << QStringList{"A", "B", "C", "D", "E", "F", "G", "*Own"}
                                          << QStringList{"A", "B", "C", "D", "E", "Own"};
    }
    void creditLabelsKeepOneForTheProgramsOwnWork() {
        QFETCH(QStringList, records);
        QFETCH(QStringList, labels);
        QList<CreditSource> sources;
        for (const QString& record : records)
            sources.append({record, QString(record).remove('*'), record.startsWith('*')});
        QCOMPARE(CreditLabelTexts(sources, frmABOUTLXP::kCreditLabels), labels);
    }

    // The mail link and the picture ask the shell; the box stays open; credits do nothing.
    void linksAskTheShell_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("webAddress");
        QTest::newRow("mail") << "lblEMAIL" << "mailto:support@corvane-software.example" << false;
        QTest::newRow("web page") << "imgImage1" << "www.corvane-software.example/lexipond" << true;
    }
    void linksAskTheShell() {
        QFETCH(QString, link);
        QFETCH(QString, target);
        QFETCH(bool, webAddress);
        windows().get<frmABOUTLXP>()->Load();
        click("frmABOUTLXP", link);
        click("frmABOUTLXP", "lblCREDIT1");
        QCOMPARE(program->seam.shellRequests, (QList<QPair<QString, bool>>{{target, webAddress}}));
        QVERIFY(windows().get<frmABOUTLXP>()->isLoaded());
    }
};

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
