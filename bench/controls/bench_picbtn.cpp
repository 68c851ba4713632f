#include "controls/picbtn.h"
#include "shell/seam.h"
#include "support/testseam.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

using namespace lxp;

// What a picture button costs on the event thread: one hover step (raised on every
// move over a button), one click, and making a button with its four shipped faces.
class bench_picbtn : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_seam = std::make_unique<TestSeam>();
        for (const char* face : {"HL", "NORMAL", "PRESSED", "DISABLED"}) {
            QPixmap pixmap;
            pixmap.loadFromData(seam().resource(QStringLiteral("BITMAP"),
                                                QStringLiteral("BTN") + QLatin1String(face)));
            m_faces << pixmap;
        }
    }

    void hoverMove()
    {
        QWidget host;
        picbtn* button = makeButton(&host);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        int outs = 0;
        connect(button, &picbtn::MouseOut, this, [&outs] { ++outs; });
        int x = 10;
        QBENCHMARK {
            x = x == 10 ? 11 : 10;
            send(button, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, QPointF(x, 20));
        }
        QVERIFY(outs > 0);
    }

    void click()
    {
        QWidget host;
        picbtn* button = makeButton(&host);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        int clicks = 0;
        connect(button, &picbtn::Click, this, [&clicks] { ++clicks; });
        QBENCHMARK {
            send(button, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPointF(20, 20));
            send(button, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPointF(20, 20));
        }
        QVERIFY(clicks > 0);
    }

    void makeWithFaces()
    {
        QWidget host;
        QBENCHMARK {
            delete makeButton(&host);
        }
    }

private:
    picbtn* makeButton(QWidget* host)
    {
        auto* button = new picbtn(host);
        button->setProperty("PictureHLight", m_faces.at(0));
        button->setProperty("PictureNormal", m_faces.at(1));
        button->setProperty("PicturePressed", m_faces.at(2));
        button->setProperty("PictureDisabled", m_faces.at(3));
        button->setCAPTION(QStringLiteral("Next"));
        return button;
    }

    static void send(QWidget* target, QEvent::Type type, Qt::MouseButton button,
                     Qt::MouseButtons buttons, QPointF pos)
    {
        QMouseEvent event(type, pos, target->mapToGlobal(pos), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

    std::unique_ptr<TestSeam> m_seam;
    QList<QPixmap> m_faces;
};

QTEST_MAIN(bench_picbtn)
#include "bench_picbtn.moc"
