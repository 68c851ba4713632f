#include "shell/mdiprogmain.h"

#include "shell/resourcetable.h"
#include "shell/seam.h"
#include "shell/sharedstate.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLoggingCategory>
#include <QPixmap>

namespace lxp {

namespace {

Q_LOGGING_CATEGORY(lcLexipond, "lexipond", QtInfoMsg)

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap;
        if (pixmap.loadFromData(seam().resource(QStringLiteral("ICON"),
                                                QStringLiteral("LEXIPOND_%1").arg(size))))
            icon.addPixmap(pixmap);
    }
    if (icon.isNull()) {
        QPixmap pixmap;
        if (pixmap.loadFromData(seam().resource(QStringLiteral("ICON"), QStringLiteral("LEXIPOND"))))
            icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

mdiPROGMAIN::mdiPROGMAIN() : Window(QLatin1String(kName), Kind::TopLevel) {}

const QStringList& mdiPROGMAIN::ShutdownOrder()
{
    static const QStringList order = {
        QStringLiteral("frmABOUTLXP"), QStringLiteral("frmLANGUAGE"), QStringLiteral("frmLESSALPH"),
        QStringLiteral("frmLESSPAIR"), QStringLiteral("frmLESSPCWD"), QStringLiteral("frmLESSWRDM"),
        QStringLiteral("frmLESSWRDS"), QStringLiteral("frmLESSWRIT"), QStringLiteral("frmMSGCRECT"),
        QStringLiteral("frmMSGCRT10"), QStringLiteral("frmMSGPLYAG"), QStringLiteral("frmMSGWRONG"),
        QStringLiteral("frmTOOLTIP")};
    return order;
}

QWidget* mdiPROGMAIN::CreateScreen()
{
    auto* frame = new QWidget;
    frame->setWindowTitle(QStringLiteral("Lexipond"));
    frame->setWindowIcon(programIcon());
    // A fixed size keeps the learner from resizing the window.
    frame->setFixedSize(kClientWidth, kClientHeight);
    frame->setAttribute(Qt::WA_DeleteOnClose, false);
    return frame;
}

void mdiPROGMAIN::Form_Load()
{
    if (Window* menu = windows().get(QStringLiteral("frmMAINMENU"))) {
        menu->Show();
        qCDebug(lcLexipond) << "main menu shown";
    }
}

Window* mdiPROGMAIN::OpenChild() const
{
    if (!screen())
        return nullptr;
    for (QObject* child : screen()->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow())
            continue;
        if (Window* window = windows().find(widget->objectName()); window && window->screen() == widget)
            return window;
    }
    return nullptr;
}

void mdiPROGMAIN::Form_QueryUnload(bool& cancel)
{
    // A lesson still open closes through its own close step first (which brings the
    // main menu back), then the program shuts down.
    if (Window* child = OpenChild(); child && child->name() != QLatin1String("frmMAINMENU"))
        child->Unload();
    Q_UNUSED(cancel);
}

void mdiPROGMAIN::Form_Unload()
{
    if (m_shuttingDown)
        return;
    m_shuttingDown = true;
    for (const QString& name : ShutdownOrder()) {
        if (Window* window = windows().find(name); window && window->isLoaded())
            window->Unload();
    }
    if (Window* menu = windows().find(QStringLiteral("frmMAINMENU")); menu && menu->isLoaded())
        menu->Unload();
    m_shuttingDown = false;
    // Nothing is saved; the program ends at once.
    QCoreApplication::exit(0);
}

} // namespace lxp
