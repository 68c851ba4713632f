// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of bench_startup: a bare Qt window, a label in main(). Like the
// program under LEXIPOND_STARTUP_TRACE it reports its first frame once its first paint
// has been carried out.
#include <QApplication>
#include <QEvent>
#include <QLabel>

#include <cstdio>

namespace {

class FirstFrame : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [] {
                    std::fprintf(stderr, "startup first frame\n");
                    std::fflush(stderr);
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FirstFrame firstFrame;
    QLabel label(QStringLiteral("Hello"));
    label.installEventFilter(&firstFrame);
    label.show();
    return QApplication::exec();
}
