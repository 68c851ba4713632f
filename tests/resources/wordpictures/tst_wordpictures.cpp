// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the word pictures (resource type "CUSTOM"): one for every word, all credited.
#include "support/jpegmarkers.h"
#include "support/shippedcontent.h"

#include <QHash>
#include <QImage>
#include <QTest>

using namespace lxp;

class TestWordPictures : public QObject {
    Q_OBJECT
private slots:
    void namesMatchTheWordsOfTheTables()
    {
        QStringList words = shippedWordNames().values();
        words.sort();
        QCOMPARE(ResourceTable::names("CUSTOM"), words);
    }

    // Each picture decodes to 300 x 225 from a progressive JPEG; only the British and
    // American names of one thing may share a picture.
    void eachPictureProgressiveAndItsOwn()
    {
        const QSet<QSet<QString>> samePicture = {
            {"AUBERGINE", "EGGPLANT"}, {"CHILLI", "CHILI"},       {"COURGETTE", "ZUCCHINI"},
            {"JEWELLERY", "JEWELRY"},  {"UNDERGROUND", "SUBWAY"}, {"FOOTBALL", "SOCCER"}};
        QHash<QByteArray, QString> owner;
        for (const QString& name : ResourceTable::names("CUSTOM")) {
            const QByteArray bytes = ResourceTable::read("CUSTOM", name);
            QVERIFY2(jpegFrameMarkers(bytes) == QList<int>{0xC2} &&
                         QImage::fromData(bytes, "jpeg").size() == QSize(300, 225),
                     qPrintable(name));
            const QString first = owner.value(bytes);
            QVERIFY2(first.isEmpty() || samePicture.contains({first, name}),
                     qPrintable(first + " and " + name + " share a picture"));
            owner.insert(bytes, name);
        }
    }

    void everyPictureIsCredited()
    {
        QCOMPARE(creditsFault("wordpictures", {"resources/CUSTOM"}), QString());
    }
};

QTEST_GUILESS_MAIN(TestWordPictures)
#include "tst_wordpictures.moc"
