#include "lector.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QChildEvent>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QEvent>
#include <QWidget>

namespace talmiroc {

namespace {

// Tells the readers on the accessibility bus that `w` became visible or
// invisible. It must go out over Qt's own connection to that bus, which its
// AT-SPI bridge names "a11y": told over another, the change would belong to
// another application. Without a reader (or off Linux) there is no such
// connection, and nothing to tell.
void Avisar_visible(QWidget* w, bool visible) {
    if (!QAccessible::isActive()) return;
    QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected()) return;
    QAccessibleInterface* acceso = QAccessible::queryAccessibleInterface(w);
    if (!acceso) return;
    // The bridge's path for an object: its prefix and the object's unique id.
    const QString ruta = QStringLiteral("/org/a11y/atspi/accessible/") +
                         QString::number(QAccessible::uniqueId(acceso));
    QDBusMessage cambio = QDBusMessage::createSignal(
        ruta, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged"));
    // An AT-SPI event: detail, detail1 (the new state), detail2, any data, properties.
    cambio << QStringLiteral("visible") << (visible ? 1 : 0) << 0
           << QVariant::fromValue(QDBusVariant(0)) << QVariantMap();
    bus.send(cambio);
}

// Watches the window's controls, at any depth, being added, shown and hidden:
// a control inside a page is shown and hidden with its page.
class Vigia final : public QObject {
public:
    explicit Vigia(QWidget* ventana) : QObject(ventana) { Vigilar(ventana); }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        switch (evento->type()) {
            case QEvent::ChildAdded:
                if (QObject* hijo = static_cast<QChildEvent*>(evento)->child();
                    hijo->isWidgetType())
                    Vigilar(static_cast<QWidget*>(hijo));
                break;
            case QEvent::Show:
            case QEvent::Hide:
                if (objeto != parent())
                    Avisar_visible(static_cast<QWidget*>(objeto), evento->type() == QEvent::Show);
                break;
            default:
                break;
        }
        return false;
    }

private:
    // `w` and what it already holds; what it is given later comes as ChildAdded.
    void Vigilar(QWidget* w) {
        w->installEventFilter(this);
        for (QWidget* dentro : w->findChildren<QWidget*>()) dentro->installEventFilter(this);
    }
};

// The notice: no size, no mouse, nothing drawn; a reader speaks it as it shows.
class Aviso final : public QWidget {
    Q_OBJECT

public:
    explicit Aviso(QWidget* ventana) : QWidget(ventana) {
        setObjectName(QStringLiteral("aviso_lector"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 0, 0);
        hide();
    }
};

QAccessibleInterface* Acceso_aviso(const QString& clase, QObject* objeto) {
    if (clase == QLatin1String(Aviso::staticMetaObject.className()) && objeto->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(objeto), QAccessible::Notification);
    return nullptr;
}

}  // namespace

void Avisar_visibilidad(QWidget* ventana) {
    new Vigia(ventana);
}

void Anunciar(QWidget* ventana, const QString& texto) {
    static const bool acceso_instalado = (QAccessible::installFactory(Acceso_aviso), true);
    (void)acceso_instalado;
    if (texto.isEmpty()) return;
    auto* aviso = ventana->findChild<Aviso*>(QString(), Qt::FindDirectChildrenOnly);
    if (!aviso) aviso = new Aviso(ventana);
    aviso->setAccessibleName(texto);
    // Shown, a notice is spoken; hidden again at once, it is never in the way.
    aviso->show();
    aviso->hide();
}

}  // namespace talmiroc

#include "lector.moc"
