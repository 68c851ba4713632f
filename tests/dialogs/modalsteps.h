#pragma once

#include "shell/window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>

namespace lxp::testing {

// Runs `steps` once the window `name` shows modally (the window's own load step may
// let events run before its modal loop starts, so a plain zero timer could come too
// early). Gives up after a few seconds and closes whatever modal window is open, so
// that a failing test never hangs. Returns a flag that tells whether the steps ran.
inline std::shared_ptr<bool> whenModal(const QString& name, std::function<void()> steps) {
    auto ran = std::make_shared<bool>(false);
    auto* poll = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        Window* window = windows().find(name);
        QWidget* modal = QApplication::activeModalWidget();
        if (window && window->screen() && modal == window->screen()) {
            poll->stop();
            poll->deleteLater();
            *ran = true;
            steps();
        } else if (clock->elapsed() > 5000) {
            poll->stop();
            poll->deleteLater();
            if (modal)
                modal->close();
        }
    });
    poll->start();
    return ran;
}

} // namespace lxp::testing
