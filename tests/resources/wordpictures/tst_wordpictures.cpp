// Checks the word pictures (resource type "CUSTOM"): one for every word of the
// shipped content tables and none besides, each a progressive JPEG of 300 x 225 that
// decodes, shared only by the British and American names of one thing, all credited.
#include "support/jpegmarkers.h"
#include "support/shippedcontent.h"

#include <QBuffer>
#include <QDir>
#include <QHash>
#include <QImageReader>
#include <QTest>

#include <cmath>

using namespace lxp;

class TestWordPictures : public QObject {
    Q_OBJECT
private slots:
    void namesMatchTheWordsOfTheTables() {
        QStringList words = shippedWordNames().values();
        words.sort();
        QCOMPARE(words.size(), 165);
        QCOMPARE(ResourceTable::names("CUSTOM"), words);
    }

    void picture_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : ResourceTable::names("CUSTOM"))
            QTest::newRow(qPrintable(name)) << name;
    }
    void picture() {
        QFETCH(QString, name);
        QByteArray bytes = ResourceTable::read("CUSTOM", name);
        QCOMPARE(jpegFrameMarkers(bytes), QList<int>{0xC2});
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer, "jpeg");
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), QSize(300, 225));

        // Something is drawn: the middle of the picture is not one flat colour.
        double sum = 0, sumSq = 0;
        int n = 0;
        for (int y = 60; y < 165; y += 3)
            for (int x = 80; x < 220; x += 3, ++n) {
                const double g = qGray(image.pixel(x, y));
                sum += g;
                sumSq += g * g;
            }
        QVERIFY2(std::sqrt(sumSq / n - (sum / n) * (sum / n)) > 12.0, "the middle is flat");
    }

    // Only the British and American names of one thing may share a picture.
    void onlyOneNameOfAThingSharesItsPicture() {
        const QSet<QSet<QString>> samePicture = {
            {"AUBERGINE", "EGGPLANT"}, {"CHILLI", "CHILI"},       {"COURGETTE", "ZUCCHINI"},
            {"JEWELLERY", "JEWELRY"},  {"UNDERGROUND", "SUBWAY"}, {"FOOTBALL", "SOCCER"}};
        QHash<QByteArray, QString> owner;
        for (const QString& name : ResourceTable::names("CUSTOM")) {
            const QString first = owner.value(ResourceTable::read("CUSTOM", name));
            QVERIFY2(first.isEmpty() || samePicture.contains({first, name}),
                     qPrintable(first + " and " + name + " share a picture"));
            owner.insert(ResourceTable::read("CUSTOM", name), name);
        }
    }

    void everyPictureIsCredited() {
        QStringList shipped;
        for (const QString& file : QDir(sourcePath("resources/CUSTOM")).entryList(QDir::Files))
            shipped << "resources/CUSTOM/" + file;
        QCOMPARE(creditsFault("wordpictures", shipped), QString());
    }
};

QTEST_GUILESS_MAIN(TestWordPictures)
#include "tst_wordpictures.moc"
