// A window of picture buttons with tooltips, for trying the buttons by hand or under
// a scripted pointer: every event of every button is written to standard output.
#include "controls/picbtn.h"
#include "shell/media.h"
#include "shell/modprogmain.h"
#include "shell/window.h"

#include <QApplication>
#include <QTextStream>

using namespace lxp;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ApplicationPrepare();
    defineProgramWindows(windows());

    QWidget window;
    window.setWindowTitle(QStringLiteral("Picture buttons"));
    window.setAutoFillBackground(true);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(255, 246, 226));
    window.setPalette(palette);
    window.setFixedSize(500, 160);

    QTextStream out(stdout);
    const QStringList captions = {QStringLiteral("OK"), QStringLiteral("Exit"),
                                  QStringLiteral("새 게임")};
    const QStringList tips = {QStringLiteral("Close this window"), QStringLiteral("Back to the menu"),
                              QStringLiteral("새 게임을 시작합니다")};
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = new picbtn(&window);
        button->setObjectName(QStringLiteral("btnp%1").arg(i));
        ButtonPicturesLoad(*button, QStringLiteral("BTN"));
        button->setCAPTION(captions[i]);
        button->setToolTip_(tips[i]);
        button->move(20 + i * 160, 40);
        const QString name = button->objectName();
        auto log = [&out, name, button](const char* what, short b, short s, float x, float y) {
            out << name << ' ' << what << ' ' << b << ' ' << s << ' ' << x << ' ' << y << ' '
                << (button->MousePosnONOUT() ? "in" : "out") << Qt::endl;
        };
        QObject::connect(button, &picbtn::MouseDown, [log](short b, short s, float x, float y) { log("MouseDown", b, s, x, y); });
        QObject::connect(button, &picbtn::MouseUp, [log](short b, short s, float x, float y) { log("MouseUp", b, s, x, y); });
        QObject::connect(button, &picbtn::MouseOut, [log](short b, short s, float x, float y) { log("MouseOut", b, s, x, y); });
        QObject::connect(button, &picbtn::Click, [&out, name] { out << name << " Click" << Qt::endl; });
        QObject::connect(button, &picbtn::DblClick, [&out, name] { out << name << " DblClick" << Qt::endl; });
    }
    window.show();
    const int result = QApplication::exec();
    windows().clear();
    return result;
}
