// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/mainwindow.h"

#include "core/log.h"
#include "core/resourcetable.h"
#include "core/seam.h"
#include "core/sharedstate.h"
#include "ui/media.h"

#include <QCoreApplication>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <vector>

namespace lxp {

namespace {

// The program's icon in its shipped sizes, each decoded when first asked for: a window
// system that takes no window icon, or fewer sizes, does not pay for the rest.
class ProgramIconEngine : public QIconEngine {
public:
    struct Face {
        int size;
        QByteArray bytes;
        QPixmap pixmap;
    };
    explicit ProgramIconEngine(std::vector<Face> faces) : m_faces(std::move(faces)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        // The smallest face at least as large as asked for, else the largest.
        Face* best = &m_faces.back();
        for (Face& face : m_faces)
            if (face.size >= std::max(size.width(), size.height())) {
                best = &face;
                break;
            }
        if (best->pixmap.isNull())
            best->pixmap = QPixmap::fromImage(ImageDecode(best->bytes));
        if (best->pixmap.isNull() || best->pixmap.size() == size)
            return best->pixmap;
        return best->pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const Face& face : m_faces)
            sizes << QSize(face.size, face.size);
        return sizes;
    }
    QIconEngine* clone() const override { return new ProgramIconEngine(m_faces); }

private:
    std::vector<Face> m_faces; // by size, smallest first
};

QIcon programIcon()
{
    std::vector<ProgramIconEngine::Face> faces;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QByteArray bytes =
            seam().resource(QStringLiteral("ICON"), QStringLiteral("LEXIPOND_%1").arg(size));
        if (!bytes.isEmpty())
            faces.push_back({size, bytes, {}});
    }
    if (!faces.empty())
        return QIcon(new ProgramIconEngine(std::move(faces)));
    QIcon icon;
    const QImage image =
        ImageDecode(seam().resource(QStringLiteral("ICON"), QStringLiteral("LEXIPOND")));
    if (!image.isNull())
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

} // namespace

MainWindow::MainWindow() : Window(QLatin1String(kName), Kind::TopLevel) {}

QWidget* MainWindow::createScreen()
{
    // Minimise and close only: the learner cannot resize or maximise the window.
    auto* frame = new QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                           Qt::WindowCloseButtonHint);
    frame->setWindowTitle(QStringLiteral("Lexipond"));
    frame->setWindowIcon(programIcon());
    frame->setFixedSize(kClientWidth, kClientHeight);
    frame->setAttribute(Qt::WA_DeleteOnClose, false);
    StartupStep("main window");
    return frame;
}

void MainWindow::onLoad()
{
    if (Window* menu = windows().get(QLatin1String(kMainMenuName))) {
        menu->show();
        StartupStep("main menu built");
        qCDebug(lxpLog) << "main menu shown";
    }
}

Window* MainWindow::OpenChild() const
{
    if (!screen())
        return nullptr;
    for (QObject* child : screen()->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow())
            continue;
        if (Window* window = windows().find(widget->objectName());
            window && window->screen() == widget)
            return window;
    }
    return nullptr;
}

void MainWindow::onCloseRequest(bool& cancel)
{
    // A lesson still open closes through its own close step first (which brings the
    // main menu back), then the program shuts down.
    if (Window* child = OpenChild(); child && child->name() != QLatin1String(kMainMenuName))
        child->close();
    Q_UNUSED(cancel);
}

void MainWindow::onClose()
{
    if (m_shuttingDown)
        return;
    m_shuttingDown = true;
    // Every other window, in the catalogue's order.
    for (const WindowEntry& entry : windows().entries()) {
        if (Window* window = windows().find(entry.name);
            window && window != this && window->isOpen())
            window->close();
    }
    m_shuttingDown = false;
    // Nothing is saved; the program ends at once.
    QCoreApplication::exit(0);
}

} // namespace lxp
