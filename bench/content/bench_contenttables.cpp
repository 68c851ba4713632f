// Cost of one content query on the shipped tables: each query reads, converts and
// scans its whole table, so these are the worst cases (the last block, the last
// entry, the last word).

#include "content/contenttables.h"
#include "shell/sharedstate.h"
#include "support/testseam.h"

#include <QtTest>

using namespace lxp;

class BenchContentTables : public QObject {
    Q_OBJECT

private slots:
    void init() {
        resetShared();
        m_seam = std::make_unique<TestSeam>();
        shared().strLANGUAGE = QStringLiteral("ENGLISH");
    }
    void cleanup() { m_seam.reset(); }

    void contentTableLoad() {
        qsizetype lines = 0;
        QBENCHMARK {
            lines = ContentTableLoad(kLetterTable).size();
        }
        QCOMPARE(lines, 680);
    }

    void categoryWordRead() {
        CategoryWord word;
        QBENCHMARK {
            word = CategoryWordRead(QStringLiteral("VEGETABLES"), 15);
        }
        QCOMPARE(word.word, QStringLiteral("Tomato"));
    }

    void categoryWordsList() {
        CategoryWords words;
        QBENCHMARK {
            words = CategoryWordsList(QStringLiteral("VEGETABLES"), 15);
        }
        QCOMPARE(words.words.size(), 15);
    }

    void letterWordRead() {
        LetterWord entry;
        QBENCHMARK {
            entry = LetterWordRead(QStringLiteral("Z"), 3);
        }
        QCOMPARE(entry.name, QStringLiteral("Zoo"));
    }

    void pictureWordCount() {
        qint32 count = 0;
        QBENCHMARK {
            count = PictureWordCount();
        }
        QCOMPARE(count, 157);
    }

    void pictureWordRead() {
        PictureWord word;
        QBENCHMARK {
            word = PictureWordRead(157);
        }
        QCOMPARE(word.word, QStringLiteral("Zucchini"));
    }

private:
    std::unique_ptr<TestSeam> m_seam;
};

QTEST_GUILESS_MAIN(BenchContentTables)
#include "bench_contenttables.moc"
