#include "controls/picbtn.h"
#include "dialogs/modalsteps.h"
#include "shell/frmaboutlxp.h"
#include "shell/modprogmain.h"
#include "shell/sharedstate.h"
#include "support/testseam.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using namespace lxp;

namespace {

struct Record {
    QString name;
    bool ownWork;
};

// The credits records in the source tree: the first line of each
// resources/credits/sources/*.txt, and whether it is the program's own work.
QList<Record> creditRecords() {
    QList<Record> records;
    const QDir dir(QStringLiteral(LEXIPOND_SOURCE_DIR "/resources/credits/sources"));
    for (const QString& file : dir.entryList({"*.txt"}, QDir::Files, QDir::Name)) {
        QFile record(dir.filePath(file));
        if (!record.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        const QStringList lines = QString::fromUtf8(record.readAll()).split('\n');
        const QString licence = lines.filter(QRegularExpression("^licence:")).value(0);
        records.append({lines.value(0).trimmed(),
                        file.startsWith("lexipond") || licence.contains("own-work")});
    }
    return records;
}

} // namespace

class TestAboutBox : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSeam> seam;

    frmABOUTLXP* about() { return windows().get<frmABOUTLXP>(); }

    template <class T> T* element(const QString& name) {
        return about()->screen() ? about()->screen()->findChild<T*>(name) : nullptr;
    }

    void clickOn(QWidget* widget) {
        QVERIFY(widget);
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

private slots:
    void init() {
        windows().clear();
        resetShared();
        seam = std::make_unique<TestSeam>();
        StartUp();
    }

    void cleanup() {
        windows().clear();
        seam.reset();
    }

    void versionText_data() {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("text");
        QTest::newRow("2.5.1") << 2 << 5 << 1 << "Version: 2.51";
        QTest::newRow("3.0.0") << 3 << 0 << 0 << "Version: 3.00";
        QTest::newRow("revision of two digits rounds half up") << 2 << 5 << 15 << "Version: 2.52";
        QTest::newRow("revision of two digits rounds down") << 1 << 2 << 34 << "Version: 1.23";
        QTest::newRow("rounding carries into the whole number") << 1 << 9 << 95 << "Version: 2.00";
        QTest::newRow("minor of two digits") << 4 << 12 << 0 << "Version: 4.12";
        QTest::newRow("major of two digits") << 10 << 0 << 7 << "Version: 10.07";
    }

    void versionText() {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, text);
        QCOMPARE(VersionText(major, minor, revision), text);
    }

    void aboutBoxShowsItsTexts() {
        about()->Load();
        QWidget* screen = about()->screen();
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QString("About"));
        QCOMPARE(element<QLabel>("lblVersion1_0")->text(), QString("Version: 2.51"));
        QCOMPARE(element<QLabel>("lblDESC")->text(),
                 QString("A simple and fun way to learn English"));
        QVERIFY(element<QLabel>("lblCOPYRIGHT")->text().contains("Corvane Software Dev."));
        QCOMPARE(
            element<QLabel>("lblTHANKYOU")->text(),
            QString(
                "A big thank you to all involved at the websites contents above. With out their "
                "brilliant talent and inspiration this program could not be made.  "));
        QCOMPARE(element<QLabel>("lblEMAIL")->text(), QString("Email Corvane Software Support"));
        QCOMPARE(element<QLabel>("imgImage1")->toolTip(), QString("View Website"));
        QCOMPARE(element<QLabel>("lblEMAIL")->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(element<picbtn>("btnpOK")->CAPTION(), QString("OK"));
        for (const char* name : {"imgImage2", "shpTOPBORDER", "lneLine1", "lneLine2"})
            QVERIFY2(element<QWidget>(name), name);
        // Nothing is cut off: every one-line text fits its label.
        for (QLabel* label : screen->findChildren<QLabel*>()) {
            if (label->wordWrap() || label->text().isEmpty() || label->parent() != screen)
                continue;
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->objectName()));
        }
    }

    void creditsNameTheRecordedSources() {
        const QList<Record> records = creditRecords();
        QStringList outside;
        QStringList own;
        for (const Record& record : records)
            (record.ownWork ? own : outside) << record.name;
        QVERIFY(!records.isEmpty());
        if (outside.size() + (own.isEmpty() ? 0 : 1) > frmABOUTLXP::kCreditLabels)
            qWarning("More sources than credit labels: %s", qPrintable(outside.join(", ")));

        about()->Load();
        QStringList shown;
        for (int i = 1; i <= frmABOUTLXP::kCreditLabels; ++i) {
            auto* label = element<QLabel>(QString("lblCREDIT%1").arg(i));
            QVERIFY(label);
            if (!label->isHidden())
                shown << label->text();
        }
        // Every outside source has its label, and the program's own work one more.
        for (const QString& name : outside.mid(0, frmABOUTLXP::kCreditLabels - 1))
            QVERIFY2(shown.contains(name), qPrintable(name));
        if (!own.isEmpty()) {
            QCOMPARE(shown.size(),
                     std::min<qsizetype>(outside.size() + 1, frmABOUTLXP::kCreditLabels));
            QVERIFY(own.contains(shown.last()));
        }
        QCOMPARE(CreditSources().size(), records.size());
    }

    void creditLabelsKeepOneForTheProgramsOwnWork_data() {
        QTest::addColumn<QStringList>("records"); // "*" marks the program's own work
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("few") << QStringList{"A", "*Own art", "B", "*Own sounds"}
                             << QStringList{"A", "B", "Own art"};
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
            sources.append(
                {record, record.startsWith('*') ? record.mid(1) : record, record.startsWith('*')});
        QCOMPARE(CreditLabelTexts(sources, frmABOUTLXP::kCreditLabels), labels);
    }

    void linksAskTheShell_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("webAddress");
        QTest::newRow("mail") << "lblEMAIL"
                              << "mailto:support@corvane-software.example" << false;
        QTest::newRow("web page") << "imgImage1"
                                  << "www.corvane-software.example/lexipond" << true;
    }

    void linksAskTheShell() {
        QFETCH(QString, link);
        QFETCH(QString, target);
        QFETCH(bool, webAddress);
        about()->Load();
        clickOn(element<QWidget>(link));
        QCOMPARE(seam->shellRequests.size(), 1);
        QCOMPARE(seam->shellRequests.first().first, target);
        QCOMPARE(seam->shellRequests.first().second, webAddress);
        // The About box stays open; the credits do nothing when clicked.
        QVERIFY(about()->isLoaded());
        clickOn(element<QWidget>("lblCREDIT1"));
        QCOMPARE(seam->shellRequests.size(), 1);
    }

    void okClosesTheModalBox() {
        bool shown = false;
        const auto ran = testing::whenModal("frmABOUTLXP", [&] {
            shown = about()->screen()->isVisible() &&
                    about()->screen()->parentWidget() == windows().find("mdiPROGMAIN")->screen();
            clickOn(element<picbtn>("btnpOK"));
        });
        about()->ShowModal();
        QVERIFY(*ran);
        QVERIFY(shown);
        QVERIFY(!about()->isLoaded());
    }
};

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
