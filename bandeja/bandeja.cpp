#include "bandeja.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QEvent>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QSystemTrayIcon>
#include <QWidget>

#include "apoyo_qt.h"
#include "arranque.h"
#include "aviso.h"
#include "efectos.h"
#include "icono_kin.h"
#include "idioma_qt.h"
#include "vigia_dia.h"

namespace talmiroc {

namespace {

const QString nombre_bus = QStringLiteral("io.github.talmiroc.Talmiroc.Bandeja");
const QString clave_notificar = QStringLiteral("bandeja/notificar");
const QString clave_avisado = QStringLiteral("bandeja/avisado");

Fecha Fecha_de(const QDate& d) {
    return {d.day(), d.month(), d.year()};
}

// The XEmbed tray's icon is a small window of Qt's own, embedded in the
// tray's: it is named, for screen readers and as an X window, as the tooltip
// says, in one line. A StatusNotifierItem carries the tooltip itself.
void Nombrar_ventana_icono(QWidget& w, const QString& nombre) {
    w.setAccessibleName(nombre);
    w.setWindowTitle(nombre);
}

void Nombrar_icono(const QString& nombre) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->inherits("QSystemTrayIconSys")) Nombrar_ventana_icono(*w, nombre);
    }
}

}  // namespace

bool Bandeja::Ocupar_sesion() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return true;
    const auto r = bus.interface()->registerService(
        nombre_bus, QDBusConnectionInterface::DontQueueService,
        QDBusConnectionInterface::DontAllowReplacement);
    return r.isValid() && r.value() == QDBusConnectionInterface::ServiceRegistered;
}

Bandeja::Bandeja(Efectos& efectos, Notificador& notificador, Destinos_bandeja destinos,
                 Vueltas_de vueltas, QString programa, QObject* parent)
    : QObject(parent),
      efectos_(efectos),
      notificador_(notificador),
      destinos_(std::move(destinos)),
      vueltas_(std::move(vueltas)),
      programa_(std::move(programa)),
      ajustes_(std::make_unique<QSettings>(QStringLiteral("talmiroc"), QStringLiteral("talmiroc"))),
      menu_(std::make_unique<QMenu>()),
      icono_(new QSystemTrayIcon(this)),
      vigia_(new Vigia_dia(efectos, this)) {
    // Windows opened from here close with their Salir; only the tray's
    // Salir ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    qApp->installEventFilter(this);

    const auto hoy = [this] { return Fecha_de(vigia_->Hoy()); };
    connect(menu_->addAction(tr("Lectura de hoy")), &QAction::triggered, this,
            [this, hoy] { destinos_.dia(hoy()); });
    connect(menu_->addAction(tr("Luna de hoy")), &QAction::triggered, this,
            [this, hoy] { destinos_.pagina(Pagina_tiempo::luna, hoy()); });
    connect(menu_->addAction(tr("Módulo armónico")), &QAction::triggered, this,
            [this, hoy] { destinos_.pagina(Pagina_tiempo::modulo, hoy()); });
    if (destinos_.personas)
        connect(menu_->addAction(tr("Personas")), &QAction::triggered, this,
                [this] { destinos_.personas(); });
    menu_->addSeparator();
    notificar_ = menu_->addAction(tr("Notificar cada día"));
    notificar_->setCheckable(true);
    notificar_->setChecked(ajustes_->value(clave_notificar, true).toBool());
    connect(notificar_, &QAction::toggled, this, &Bandeja::Fijar_notificar);
    arranque_ = menu_->addAction(tr("Iniciar con la sesión"));
    arranque_->setCheckable(true);
    arranque_->setChecked(Arranque_puesto());
    connect(arranque_, &QAction::toggled, this, &Bandeja::Fijar_arranque);
    menu_->addSeparator();
    connect(menu_->addAction(tr("Salir")), &QAction::triggered, this,
            [] { QCoreApplication::exit(0); });
    icono_->setContextMenu(menu_.get());

    connect(icono_, &QSystemTrayIcon::activated, this, [this, hoy](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::DoubleClick) destinos_.dia(hoy());
    });
    connect(vigia_, &Vigia_dia::diaNuevo, this, [this] {
        Mostrar_hoy();
        Avisar_si_toca();
    });
    Mostrar_hoy();
    icono_->show();
    Avisar_si_toca();
}

Bandeja::~Bandeja() {
    qApp->removeEventFilter(this);
}

QMenu& Bandeja::Menu() {
    return *menu_;
}

QString Bandeja::Nombre_icono() const {
    return Texto(Oido_dia(Describir_dia(Fecha_de(vigia_->Hoy()), Palabras_ventana())));
}

QString Bandeja::Texto_icono() const {
    const Lectura_dia l = Describir_dia(Fecha_de(vigia_->Hoy()), Palabras_ventana());
    return Texto(Linea_kin(l)) + QLatin1Char('\n') + Texto(l.linea_trece_lunas);
}

std::pair<QString, QString> Bandeja::Aviso(const QDate& hoy) const {
    const Fecha f = Fecha_de(hoy);
    const Lectura_dia l = Describir_dia(f, Palabras_ventana());
    const std::vector<Vuelta> vueltas = vueltas_ ? vueltas_(f) : std::vector<Vuelta>{};
    QStringList cuerpo{Texto(l.linea_trece_lunas)};
    for (const std::string& linea : Lo_especial(l, vueltas)) cuerpo << Texto(linea);
    return {Texto(Linea_kin(l)), cuerpo.join(QLatin1Char('\n'))};
}

void Bandeja::Mostrar_hoy() {
    const Kin kin = Describir_dia(Fecha_de(vigia_->Hoy()), Palabras_ventana()).kin;
    icono_->setIcon(Icono_kin(kin));
    const QString texto = Texto_icono();
    icono_->setToolTip(texto);
    Nombrar_icono(Nombre_icono());
}

// Once a day: the first start of the day, or the turn of the day while the
// tray runs. A day is written down once the service took its notification,
// so a desktop without one is asked again at the next start.
void Bandeja::Avisar_si_toca() {
    const QDate hoy = vigia_->Hoy();
    if (!notificar_->isChecked() || avisando_ == hoy) return;
    ajustes_->sync();  // what another run wrote since
    if (ajustes_->value(clave_avisado).toString() == hoy.toString(Qt::ISODate)) return;
    avisando_ = hoy;
    const auto [titulo, cuerpo] = Aviso(hoy);
    const Kin kin = Describir_dia(Fecha_de(hoy), Palabras_ventana()).kin;
    notificador_.Notificar(
        titulo, cuerpo, Imagen_kin(kin, 64, 2.0),
        [this, hoy](bool hecho) {
            if (avisando_ == hoy) avisando_ = QDate();
            if (!hecho) return;
            ajustes_->setValue(clave_avisado, hoy.toString(Qt::ISODate));
            ajustes_->sync();
        },
        [this, hoy] { destinos_.dia(Fecha_de(hoy)); });
}

void Bandeja::Fijar_notificar(bool si) {
    ajustes_->setValue(clave_notificar, si);
    ajustes_->sync();
}

void Bandeja::Fijar_arranque(bool si) {
    const QString error = Poner_arranque(si, programa_);
    if (error.isEmpty()) return;
    QSignalBlocker quieto(arranque_);
    arranque_->setChecked(Arranque_puesto());
    efectos_.Mensaje(error, QStringLiteral("Talmiroc"), Icono::error);
}

// A window's Salir asks the application to quit: with the tray, it closes
// the windows instead, and the tray stays.
// The XEmbed icon's window is made when a tray takes it, maybe long after
// the start: it is named as it is shown.
bool Bandeja::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::Show && objeto->inherits("QSystemTrayIconSys")) {
        Nombrar_ventana_icono(*static_cast<QWidget*>(objeto), Nombre_icono());
        return false;
    }
    if (objeto != qApp || evento->type() != QEvent::Quit) return false;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isWindow() && w->isVisible() && !w->inherits("QSystemTrayIconSys")) w->close();
    }
    return true;
}

}  // namespace talmiroc
