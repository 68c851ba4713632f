#include "controls/frmtooltip.h"
#include "controls/picbtn.h"
#include "shell/window.h"
#include "shell/modprogmain.h"
#include "shell/seam.h"
#include "support/testseam.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QWindow>

using namespace lxp;

// How the shipped button faces look with their captions: every caption is drawn in
// the caption colour, centred on the face, in each of the four faces. Set
// LXP_SHOTS_DIR to keep the picture of the sheet.
class tst_picbtnlook : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void captionIsCentredOnEveryFace_data();
    void captionIsCentredOnEveryFace();
    void sheet();

private:
    picbtn* makeButton(QWidget* parent, const QString& caption, QPoint at);
    std::unique_ptr<TestSeam> m_seam;
};

namespace {

QPixmap bitmap(const QString& name)
{
    QPixmap pixmap;
    pixmap.loadFromData(seam().resource(QStringLiteral("BITMAP"), name));
    return pixmap;
}

bool isCaptionInk(QRgb pixel)
{
    return qRed(pixel) > 120 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

} // namespace

void tst_picbtnlook::initTestCase()
{
    ApplicationPrepare(); // the program's font substitutions
    m_seam = std::make_unique<TestSeam>();
    QVERIFY(!bitmap(QStringLiteral("BTNNORMAL")).isNull());
}

picbtn* tst_picbtnlook::makeButton(QWidget* parent, const QString& caption, QPoint at)
{
    auto* button = new picbtn(parent);
    for (const char* face : {"HL", "NORMAL", "PRESSED", "DISABLED"}) {
        const QString name = QStringLiteral("BTN") + QLatin1String(face);
        const char* property = face == QByteArray("HL")         ? "PictureHLight"
                               : face == QByteArray("NORMAL")   ? "PictureNormal"
                               : face == QByteArray("PRESSED")  ? "PicturePressed"
                                                                : "PictureDisabled";
        button->setProperty(property, bitmap(name));
    }
    button->setCAPTION(caption);
    button->move(at);
    return button;
}

void tst_picbtnlook::captionIsCentredOnEveryFace_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("face");
    for (const QString& caption : {QStringLiteral("OK"), QStringLiteral("Exit"),
                                  QStringLiteral("새 게임"), QStringLiteral("Kiwi fruit")}) {
        for (const char* face : {"normal", "highlighted", "pressed", "disabled"})
            QTest::addRow("%s, %s", qPrintable(caption), face) << caption << QString::fromLatin1(face);
    }
}

void tst_picbtnlook::captionIsCentredOnEveryFace()
{
    QFETCH(QString, caption);
    QFETCH(QString, face);
    QWidget host;
    host.resize(200, 80);
    picbtn* button = makeButton(&host, caption, QPoint(30, 20));
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const QPoint centre = button->geometry().center();
    if (face == QLatin1String("highlighted")) {
        QTest::mouseMove(host.windowHandle(), centre);
    } else if (face == QLatin1String("pressed")) {
        QTest::mouseMove(host.windowHandle(), centre);
        QTest::mousePress(host.windowHandle(), Qt::LeftButton, {}, centre);
    } else if (face == QLatin1String("disabled")) {
        button->setEnabled_(false);
    }

    const QImage image = button->grab().toImage();
    QTest::mouseRelease(host.windowHandle(), Qt::LeftButton, {}, QPoint(1, 1));
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isCaptionInk(image.pixel(x, y)))
                ink |= QRect(x, y, 1, 1);
    QVERIFY2(ink.width() > 8, "the caption is drawn");
    // Inside the face, clear of its rim, and centred on it.
    QVERIFY(QRect(3, 2, image.width() - 6, image.height() - 4).contains(ink));
    QVERIFY2(qAbs(ink.center().x() - image.width() / 2) <= 3,
             qPrintable(QStringLiteral("ink %1..%2").arg(ink.left()).arg(ink.right())));
    QVERIFY2(qAbs(ink.center().y() - image.height() / 2) <= 4,
             qPrintable(QStringLiteral("ink %1..%2").arg(ink.top()).arg(ink.bottom())));
}

void tst_picbtnlook::sheet()
{
    const QString dir = qEnvironmentVariable("LXP_SHOTS_DIR");
    if (dir.isEmpty())
        QSKIP("LXP_SHOTS_DIR not set");
    QWidget host;
    host.setAutoFillBackground(true);
    QPalette palette = host.palette();
    palette.setColor(QPalette::Window, QColor(255, 246, 226));
    host.setPalette(palette);
    host.resize(4 * 160 + 20, 3 * 55 + 20);
    const QStringList captions = {QStringLiteral("OK"), QStringLiteral("Exit"),
                                  QStringLiteral("새 게임")};
    QList<picbtn*> pressed;
    QList<picbtn*> hovered;
    for (int row = 0; row < captions.size(); ++row) {
        for (int column = 0; column < 4; ++column) {
            picbtn* button = makeButton(&host, captions[row], QPoint(10 + column * 160, 10 + row * 55));
            if (column == 1)
                hovered << button;
            if (column == 2)
                pressed << button;
            if (column == 3)
                button->setEnabled_(false);
        }
    }
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    // Faces as they look in use: pointer over, pressed.
    for (picbtn* button : hovered)
        button->setProperty("PictureNormal", button->property("PictureHLight"));
    for (picbtn* button : pressed)
        button->setProperty("PictureNormal", button->property("PicturePressed"));
    QVERIFY(host.grab().save(QDir(dir).filePath(QStringLiteral("picbtn-faces.png"))));

    defineProgramWindows(windows());
    frmTOOLTIP* tip = frmTOOLTIP::instance();
    QVERIFY(tip);
    for (const QString& text : {QStringLiteral("Start a new game"), QStringLiteral("새 게임을 시작합니다")}) {
        tip->CreateTip(hovered.first());
        tip->setText(text);
        QVERIFY(tip->screen()->grab().save(
            QDir(dir).filePath(QStringLiteral("tooltip-%1.png").arg(text.size()))));
    }
    tip->DestroyTip();
    windows().clear();
}

QTEST_MAIN(tst_picbtnlook)
#include "tst_picbtnlook.moc"
