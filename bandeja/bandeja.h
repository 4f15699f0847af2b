// Today on the desktop: today's kin as a tray icon (a StatusNotifierItem
// where the desktop has a watcher, the XEmbed tray otherwise), its menu, and
// one notification a day of what today holds.
//
// Settings live in the program's ordinary Qt settings file
// ($XDG_CONFIG_HOME/talmiroc/talmiroc.conf): [bandeja] notificar (on unless
// turned off) and avisado, the last day notified (yyyy-MM-dd), so a day is
// never told twice, even across restarts.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QDate>
#include <QObject>

#include "paginas.h"
#include "tzolkin.h"

class QAction;
class QMenu;
class QSettings;
class QSystemTrayIcon;

namespace talmiroc {

class Efectos;
class Notificador;
class Vigia_dia;

// The people whose birth kin returns on a date.
using Vueltas_de = std::function<std::vector<Vuelta>(const Fecha&)>;

// What the tray's menu opens, handed in by the program: the day window on
// a date, a page of the count over time, the people (none: no entry).
struct Destinos_bandeja {
    std::function<void(const Fecha&)> dia;
    Abrir_pagina pagina;
    std::function<void()> personas;
};

class Bandeja : public QObject {
    Q_OBJECT

public:
    // The single tray of this user's session: true when this process now
    // holds the session bus name io.github.talmiroc.Talmiroc.Bandeja; false
    // when another one does (that one stays, this one should end, status 0).
    // Without a session bus there is nothing to ask and it is true.
    static bool Ocupar_sesion();

    // Shows the icon on today (as `efectos` tells it), in the windows'
    // language, and notifies today unless already done or turned off.
    // `programa` is what the autostart entry starts.
    Bandeja(Efectos& efectos, Notificador& notificador, Destinos_bandeja destinos,
            Vueltas_de vueltas, QString programa, QObject* parent = nullptr);
    ~Bandeja() override;

    // Today's line and thirteen-moon date as the tooltip says them, two
    // lines, and as the icon's accessible name, one line for the ear.
    QString Texto_icono() const;
    QString Nombre_icono() const;

    // The notification of `hoy`: title and body, as Notificar gets them.
    std::pair<QString, QString> Aviso(const QDate& hoy) const;

    // The menu, for tests and for the icon's own use.
    QMenu& Menu();

private:
    void Mostrar_hoy();
    void Avisar_si_toca();
    void Fijar_notificar(bool si);
    void Fijar_arranque(bool si);
    bool eventFilter(QObject* objeto, QEvent* evento) override;

    Efectos& efectos_;
    Notificador& notificador_;
    Destinos_bandeja destinos_;
    Vueltas_de vueltas_;
    QString programa_;
    std::unique_ptr<QSettings> ajustes_;
    std::unique_ptr<QMenu> menu_;
    QSystemTrayIcon* icono_;
    Vigia_dia* vigia_;
    QAction* notificar_;
    QAction* arranque_;
    QDate avisando_;  // the day whose notification is on its way
};

}  // namespace talmiroc
