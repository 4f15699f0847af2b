#include "aviso.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusMetaType>
#include <QObject>

namespace talmiroc {

namespace {

const QString servicio = QStringLiteral("org.freedesktop.Notifications");
const QString ruta = QStringLiteral("/org/freedesktop/Notifications");

// The "image-data" hint: width, height, row stride, alpha, bits per sample,
// channels and the bytes, RGBA.
struct Imagen_dbus {
    QImage imagen;
};

QDBusArgument& operator<<(QDBusArgument& a, const Imagen_dbus& i) {
    const QImage rgba = i.imagen.convertToFormat(QImage::Format_RGBA8888);
    a.beginStructure();
    a << rgba.width() << rgba.height() << static_cast<int>(rgba.bytesPerLine()) << true << 8 << 4
      << QByteArray(reinterpret_cast<const char*>(rgba.constBits()),
                    static_cast<qsizetype>(rgba.sizeInBytes()));
    a.endStructure();
    return a;
}

const QDBusArgument& operator>>(const QDBusArgument& a, Imagen_dbus&) {
    return a;  // never read back
}

// Marks a body's text as the plain text it is: the service may read markup.
QString Sin_marcas(const QString& texto) {
    return texto.toHtmlEscaped();
}

}  // namespace

}  // namespace talmiroc

Q_DECLARE_METATYPE(talmiroc::Imagen_dbus)

namespace talmiroc {

// Listens for clicks on the notifications sent from here.
class Notificador_dbus::Oyente : public QObject {
    Q_OBJECT

public:
    std::function<void()> al_pulsar;
    uint id = 0;

    Q_SLOT void accion(uint id_accion, const QString& accion) {
        if (id_accion == id && id != 0 && accion == QLatin1String("default") && al_pulsar)
            al_pulsar();
    }
};

Notificador_dbus::Notificador_dbus() : oyente_(new Notificador_dbus::Oyente) {
    qDBusRegisterMetaType<Imagen_dbus>();
    QDBusConnection::sessionBus().connect(servicio, ruta, servicio,
                                          QStringLiteral("ActionInvoked"), oyente_,
                                          SLOT(accion(uint, QString)));
}

Notificador_dbus::~Notificador_dbus() {
    delete oyente_;
}

void Notificador_dbus::Notificar(const QString& titulo, const QString& cuerpo, const QImage& icono,
                                 std::function<void(bool)> hecho, std::function<void()> al_pulsar) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        if (hecho) hecho(false);
        return;
    }
    QDBusMessage m = QDBusMessage::createMethodCall(servicio, ruta, servicio, QStringLiteral("Notify"));
    QVariantMap pistas;
    pistas.insert(QStringLiteral("image-data"), QVariant::fromValue(Imagen_dbus{icono}));
    pistas.insert(QStringLiteral("desktop-entry"), QStringLiteral("talmiroc"));
    m << QStringLiteral("Talmiroc") << uint{0} << QString() << titulo << Sin_marcas(cuerpo)
      << QStringList{QStringLiteral("default"), titulo} << pistas << int{-1};
    auto* espera = new QDBusPendingCallWatcher(bus.asyncCall(m), oyente_);
    QObject::connect(espera, &QDBusPendingCallWatcher::finished, oyente_,
                     [this, hecho = std::move(hecho), al_pulsar = std::move(al_pulsar)](
                         QDBusPendingCallWatcher* w) mutable {
                         const QDBusPendingReply<uint> r = *w;
                         w->deleteLater();
                         if (!r.isError()) {
                             oyente_->id = r.value();
                             oyente_->al_pulsar = std::move(al_pulsar);
                         }
                         if (hecho) hecho(!r.isError());
                     });
}

}  // namespace talmiroc

#include "aviso.moc"
