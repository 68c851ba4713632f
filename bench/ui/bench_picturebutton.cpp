// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/seam.h"
#include "support/testseam.h"
#include "ui/picturebutton.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

using namespace lxp;

// What a picture button costs on the event thread: one hover step (raised on every
// move over a button), one click, and making a button with its four shipped faces.
class bench_picbtn : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSeam> m_seam;
    QList<QPixmap> m_faces; // decoded once: HL, NORMAL, PRESSED, DISABLED
    std::unique_ptr<QWidget> m_host;
    PictureButton* m_button = nullptr;

    PictureButton* makeButton()
    {
        auto* button = new PictureButton(m_host.get());
        const char* names[] = {"PictureHLight", "PictureNormal", "PicturePressed",
                               "PictureDisabled"};
        for (int i = 0; i < 4; ++i)
            button->setProperty(names[i], m_faces.at(i));
        button->setCaption(QStringLiteral("Next"));
        return button;
    }

    void send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons, QPointF pos)
    {
        QMouseEvent event(type, pos, m_button->mapToGlobal(pos), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(m_button, &event);
    }

private slots:
    void initTestCase()
    {
        m_seam = std::make_unique<TestSeam>();
        for (const char* face : {"HL", "NORMAL", "PRESSED", "DISABLED"})
            m_faces << QPixmap::fromImage(QImage::fromData(
                seam().resource(QStringLiteral("BITMAP"), QStringLiteral("BTN") + face)));
    }

    void init()
    {
        m_host = std::make_unique<QWidget>();
        m_button = makeButton();
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    }

    void hoverMove()
    {
        int outs = 0, x = 10;
        connect(m_button, &PictureButton::MouseOut, this, [&outs] { ++outs; });
        QBENCHMARK
        {
            x = x == 10 ? 11 : 10;
            send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, QPointF(x, 20));
        }
        QVERIFY(outs > 0);
    }

    void click()
    {
        int clicks = 0;
        connect(m_button, &PictureButton::Click, this, [&clicks] { ++clicks; });
        QBENCHMARK
        {
            send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPointF(20, 20));
            send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPointF(20, 20));
        }
        QVERIFY(clicks > 0);
    }

    void makeWithFaces()
    {
        QBENCHMARK
        {
            delete makeButton();
        }
    }
};

QTEST_MAIN(bench_picbtn)
#include "bench_picturebutton.moc"
