// The desktop's notifications (org.freedesktop.Notifications on the session
// bus), behind a seam: the tray asks for one notification a day, tests may
// hand in their own.
#pragma once

#include <functional>

#include <QImage>
#include <QString>

namespace talmiroc {

class Notificador {
public:
    virtual ~Notificador() = default;

    // Shows `titulo` over `cuerpo` (plain text, lines ended by '\n') with
    // `icono`; `hecho` is called later with true once the desktop took it,
    // false when there is no notification service or it refused (nothing is
    // printed). A click on the notification calls `al_pulsar`.
    virtual void Notificar(const QString& titulo, const QString& cuerpo, const QImage& icono,
                           std::function<void(bool)> hecho, std::function<void()> al_pulsar) = 0;
};

// The desktop's notification service on the session bus.
class Notificador_dbus final : public Notificador {
public:
    Notificador_dbus();
    ~Notificador_dbus() override;
    void Notificar(const QString& titulo, const QString& cuerpo, const QImage& icono,
                   std::function<void(bool)> hecho, std::function<void()> al_pulsar) override;

private:
    class Oyente;
    Oyente* oyente_;
};

}  // namespace talmiroc
