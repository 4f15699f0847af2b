#include "vigia_dia.h"

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <limits>

#include <QDBusConnection>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <QTimeZone>

#include "efectos.h"

#ifdef __linux__
#include <sys/timerfd.h>
#include <unistd.h>

#endif

namespace talmiroc {

namespace {

constexpr char zona_local[] = "/etc/localtime";

}  // namespace

Vigia_dia::Vigia_dia(Efectos& efectos, QObject* parent)
    : QObject(parent), efectos_(efectos), hoy_(efectos.Hoy()) {
    medianoche_.setSingleShot(true);
    medianoche_.setTimerType(Qt::PreciseTimer);
    connect(&medianoche_, &QTimer::timeout, this, &Vigia_dia::Revisar);
    medianoche_.start(static_cast<int>(Milisegundos_hasta_mañana(efectos_.Ahora())));
    Vigilar_reloj();
    Vigilar_zona();
    Vigilar_sistema();
}

Vigia_dia::~Vigia_dia() {
#ifdef __linux__
    if (reloj_fd_ >= 0) ::close(reloj_fd_);
#endif
}

qint64 Vigia_dia::Milisegundos_hasta_mañana(const QDateTime& ahora) {
    // The start of tomorrow in local time; where a zone skips midnight
    // (a change of offset at 00:00), Qt moves it to the first time that
    // exists. A second after it, so that the date read then is surely new.
    const QDate siguiente = ahora.date().addDays(1);
    const QDateTime mañana = ahora.timeSpec() == Qt::TimeZone
                                 ? siguiente.startOfDay(ahora.timeZone())
                                 : siguiente.startOfDay(ahora.timeSpec(), ahora.offsetFromUtc());
    return std::max<qint64>(ahora.msecsTo(mañana), 0) + 1000;
}

void Vigia_dia::Revisar() {
    tzset();  // the zone may have changed under us: the C library reads it again
    const QDateTime ahora = efectos_.Ahora();
    medianoche_.start(static_cast<int>(Milisegundos_hasta_mañana(ahora)));
    if (ahora.date() == hoy_) return;
    hoy_ = ahora.date();
    emit diaNuevo(hoy_);
}

void Vigia_dia::antesDeDormir(bool empieza) {
    // The timer's clock stood still while the machine slept.
    if (!empieza) Revisar();
}

void Vigia_dia::horaCambiada() {
    Revisar();
}

// A timer on the wall clock that never expires, armed so that any setting of
// that clock (by hand, by NTP stepping it, or on resume from suspend, when the
// kernel adds the time slept) cancels it: its descriptor becomes readable and
// the read fails with ECANCELED. No wake-ups otherwise.
void Vigia_dia::Vigilar_reloj() {
#ifdef __linux__
    reloj_fd_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (reloj_fd_ < 0) return;
    const auto armar = [fd = reloj_fd_] {
        itimerspec nunca{};
        nunca.it_value.tv_sec = std::numeric_limits<time_t>::max() / 2;
        return timerfd_settime(fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &nunca, nullptr) == 0;
    };
    if (!armar()) {
        ::close(reloj_fd_);
        reloj_fd_ = -1;
        return;
    }
    auto* aviso = new QSocketNotifier(reloj_fd_, QSocketNotifier::Read, this);
    connect(aviso, &QSocketNotifier::activated, this, [this, armar] {
        std::uint64_t veces;
        while (::read(reloj_fd_, &veces, sizeof veces) > 0) {
        }
        armar();
        Revisar();
    });
#endif
}

// The zone's file is usually a link that is replaced, which ends the watch
// of it: it is watched again each time.
void Vigia_dia::Vigilar_zona() {
    auto* vigia = new QFileSystemWatcher(this);
    if (QFileInfo::exists(QString::fromLatin1(zona_local))) vigia->addPath(QString::fromLatin1(zona_local));
    connect(vigia, &QFileSystemWatcher::fileChanged, this, [this, vigia](const QString& ruta) {
        if (!vigia->files().contains(ruta) && QFileInfo::exists(ruta)) vigia->addPath(ruta);
        Revisar();
    });
}

void Vigia_dia::Vigilar_sistema() {
    QDBusConnection sistema = QDBusConnection::systemBus();
    if (!sistema.isConnected()) return;
    sistema.connect(QStringLiteral("org.freedesktop.login1"),
                    QStringLiteral("/org/freedesktop/login1"),
                    QStringLiteral("org.freedesktop.login1.Manager"),
                    QStringLiteral("PrepareForSleep"), this, SLOT(antesDeDormir(bool)));
    sistema.connect(QStringLiteral("org.freedesktop.timedate1"),
                    QStringLiteral("/org/freedesktop/timedate1"),
                    QStringLiteral("org.freedesktop.DBus.Properties"),
                    QStringLiteral("PropertiesChanged"), this, SLOT(horaCambiada()));
}

}  // namespace talmiroc
