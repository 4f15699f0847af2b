// Which day it is, kept without polling: one timer to just after the next
// local midnight, and the system's word that the clock, the time zone or the
// machine's sleep changed (each makes it look at the date again).
#pragma once

#include <QDate>
#include <QObject>
#include <QTimer>

namespace talmiroc {

class Efectos;

class Vigia_dia : public QObject {
    Q_OBJECT

public:
    // Reads today from `efectos` (its Ahora, the clock the windows see) and
    // watches from then on.
    explicit Vigia_dia(Efectos& efectos, QObject* parent = nullptr);
    ~Vigia_dia() override;

    // The day as last read: efectos.Hoy() at start or at the latest turn.
    QDate Hoy() const { return hoy_; }

    // How long until the timer fires: just after the next local midnight of
    // `ahora` (a second after it). Milliseconds_hasta_mañana at 23:59:58.5 is 2500.
    static qint64 Milisegundos_hasta_mañana(const QDateTime& ahora);

    // Reads the date again: emits diaNuevo when it changed, and sets the
    // timer anew either way. What every signal below ends in.
    void Revisar();

signals:
    void diaNuevo(QDate hoy);

private:
    Q_SLOT void antesDeDormir(bool empieza);  // logind's PrepareForSleep
    Q_SLOT void horaCambiada();               // timedated's properties
    void Vigilar_reloj();   // a change of the wall clock, resume included (Linux)
    void Vigilar_zona();    // /etc/localtime replaced or rewritten
    void Vigilar_sistema(); // logind and timedated on the system bus

    Efectos& efectos_;
    QDate hoy_;
    QTimer medianoche_;
    int reloj_fd_ = -1;
};

}  // namespace talmiroc
