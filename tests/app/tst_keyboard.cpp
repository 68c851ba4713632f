// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/screensteps.h"
#include "ui/picturebutton.h"

#include <QAccessible>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>

using namespace lxp;
using namespace lxp::testing;

// Every window from the keyboard and for a screen reader: each control that takes the
// focus is reached by Tab, is a named button, and Space on it does what a click does.
class TestKeyboard : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedProgram> program;
    QTimer dismisser; // closes any other dialog that a pressed control opens
    QString underTest;

    // A new run of the program (after a control that ended the last one).
    void restart()
    {
        const bool ended =
            windows().find(kMainWindowName) && !windows().find(kMainWindowName)->isOpen();
        program.reset();
        if (ended) { // the event loops refuse to run until the application's own has run again
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
            QCoreApplication::exec();
        }
        program = std::make_unique<StartedProgram>();
    }

    static QList<QWidget*> controlsOf(QWidget* screen)
    {
        QList<QWidget*> controls;
        for (QWidget* widget : screen->findChildren<QWidget*>())
            if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() &&
                widget->isEnabled())
                controls << widget;
        return controls;
    }

    // Opens `name`: a screen inside the main window, or a dialog shown modally (then
    // `whileOpen` runs inside its modal loop).
    void withWindow(const QString& name, const std::function<void(QWidget*)>& whileOpen)
    {
        Window* window = windows().get(name);
        if (window->kind() != Window::Kind::Dialog) {
            if (Window* open = windows().find(kMainMenuName); open && name != kMainMenuName)
                open->close();
            window->show();
            return whileOpen(window->screen());
        }
        const auto ran = whenModal(name, [&] {
            whileOpen(screenOf(name));
            if (QWidget* screen = screenOf(name))
                screen->close();
        });
        window->showModal();
        QVERIFY2(*ran, qPrintable(name));
    }

    void reachableAndNamed(QWidget* screen)
    {
        const QList<QWidget*> controls = controlsOf(screen);
        QSet<QWidget*> reached;
        QWidget* focused = screen->window()->focusWidget();
        for (int i = 0; i <= controls.size() && focused; ++i) {
            reached << focused;
            QTest::keyClick(focused, Qt::Key_Tab);
            focused = screen->window()->focusWidget();
        }
        for (QWidget* control : controls) {
            const QString what = screen->objectName() + "." + control->objectName();
            QVERIFY2(reached.contains(control), qPrintable(what + " is not reached by Tab"));
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(accessible && accessible->role() == QAccessible::Button, qPrintable(what));
            QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(),
                     qPrintable(what + " has no name"));
        }
        // A word's photograph is named by its word.
        for (QLabel* picture : screen->findChildren<QLabel*>(QRegularExpression("^picMAIN")))
            if (!picture->pixmap().isNull())
                QVERIFY2(!picture->accessibleName().isEmpty(), qPrintable(picture->objectName()));
    }

private slots:
    void initTestCase()
    {
        dismisser.setInterval(20);
        connect(&dismisser, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal->objectName() != underTest)
                modal->close();
        });
    }
    void init() { program = std::make_unique<StartedProgram>(); }
    void cleanup()
    {
        dismisser.stop();
        restart();
        program.reset();
    }

    void everyWindow_data()
    {
        QTest::addColumn<QString>("name");
        StartedProgram catalogue;
        for (const WindowEntry& entry : windows().entries())
            if (entry.name != kMainWindowName && entry.name != "frmTOOLTIP")
                QTest::newRow(qPrintable(entry.name)) << entry.name;
    }
    void everyWindow()
    {
        QFETCH(QString, name);
        underTest = name;
        int controls = 0;
        withWindow(name, [&](QWidget* screen) {
            reachableAndNamed(screen);
            controls = int(controlsOf(screen).size());
        });

        // Space on each control, in a new run each time.
        dismisser.start();
        for (int i = 0; i < controls; ++i) {
            restart();
            withWindow(name, [&](QWidget* screen) {
                QWidget* control = controlsOf(screen).value(i);
                if (!control)
                    return;
                const QString what = name + "." + control->objectName();
                auto* button = qobject_cast<PictureButton*>(control);
                QSignalSpy clicks(button ? button : control,
                                  button ? SIGNAL(Click()) : SIGNAL(destroyed()));
                const qsizetype sounds = program->seam.played.size();
                // The alphabet and the words quiz keep Space for "say the word again".
                const bool spaceSays = name == "frmLESSALPH" || name == "frmLESSWRDS";
                QTest::keyClick(control, spaceSays && button ? Qt::Key_Return : Qt::Key_Space);
                if (button)
                    QVERIFY2(clicks.count() == 1, qPrintable(what));
                else // a playing card: it turns, with its sound
                    QVERIFY2(program->seam.played.size() > sounds, qPrintable(what));
            });
        }
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
