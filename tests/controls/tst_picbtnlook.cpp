#include "controls/picbtn.h"
#include "shell/media.h"
#include "shell/modprogmain.h"
#include "support/testseam.h"

#include <QTest>
#include <QWindow>

using namespace lxp;

// The shipped button faces with their captions, as the screens show them.
class tst_picbtnlook : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSeam> m_seam;

private slots:
    void initTestCase() {
        ApplicationPrepare(); // the program's font substitutions
        m_seam = std::make_unique<TestSeam>();
    }

    // The caption is set in 12 points, or smaller (down to 8) when only that fits; on
    // each of the four faces it is drawn in its red, inside the face clear of the rim,
    // and centred on it.
    void captionReadableOnEveryFace_data() {
        QTest::addColumn<QString>("caption");
        QTest::newRow("Korean") << QStringLiteral("새 게임");
        QTest::newRow("long") << QStringLiteral("Kiwi fruit and more kiwi fruit");
    }

    void captionReadableOnEveryFace() {
        QFETCH(QString, caption);
        QWidget host;
        host.resize(200, 80);
        auto* button = new picbtn(&host);
        ButtonPicturesLoad(*button, QStringLiteral("BTN"));
        button->setCAPTION(caption);
        button->move(30, 20);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        const QLabel* label = button->lblWORDS();
        const qreal points = label->font().pointSizeF();
        QVERIFY(points >= 8.0 && (caption.size() > 10 || points == 12.0));
        QVERIFY(QFontMetrics(label->font()).horizontalAdvance(caption) <= label->width() ||
                points == 8.0);
        const QPoint centre = button->geometry().center();
        QSet<qint64> faces;
        for (const int face : {0, 1, 2, 3}) { // normal, highlighted, pressed, disabled
            if (face == 1)
                QTest::mouseMove(host.windowHandle(), centre);
            else if (face == 2)
                QTest::mousePress(host.windowHandle(), Qt::LeftButton, {}, centre);
            else if (face == 3)
                button->setEnabled_(false);
            faces << button->cURRENTIMAGE().cacheKey();
            const QImage image = button->grab().toImage();
            QRect ink;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (const QRgb p = image.pixel(x, y);
                        qRed(p) > 120 && qGreen(p) < 90 && qBlue(p) < 90)
                        ink |= QRect(x, y, 1, 1);
            QVERIFY2(ink.width() > 8 &&
                         QRect(3, 2, image.width() - 6, image.height() - 4).contains(ink) &&
                         qAbs(ink.center().x() - image.width() / 2) <= 3 &&
                         qAbs(ink.center().y() - image.height() / 2) <= 4,
                     qPrintable(QString::number(face)));
        }
        QCOMPARE(faces.size(), 4);
        QTest::mouseRelease(host.windowHandle(), Qt::LeftButton, {}, QPoint(1, 1));
    }
};

QTEST_MAIN(tst_picbtnlook)
#include "tst_picbtnlook.moc"
