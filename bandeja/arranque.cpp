#include "arranque.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "archivo_qt.h"

namespace talmiroc {

namespace {

// One argument of Exec: as it is when it needs no quotes; in double quotes,
// with '"', '`', '$' and '\' escaped by '\', when it holds a reserved
// character. Then, as every string value, '\' doubled again; '%' doubled as
// a field code's escape.
QString Argumento_exec(const QString& a) {
    static const QString reservados = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool citar = std::any_of(a.begin(), a.end(), [](QChar c) { return reservados.contains(c); });
    QString r;
    if (citar) {
        r = QLatin1Char('"');
        for (const QChar c : a) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') r += QLatin1Char('\\');
            r += c;
        }
        r += QLatin1Char('"');
    } else {
        r = a;
    }
    return r.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('%'), QLatin1String("%%"));
}

}  // namespace

QString Ruta_arranque() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/talmiroc-bandeja.desktop");
}

bool Arranque_puesto() {
    return QFileInfo::exists(Ruta_arranque());
}

QByteArray Entrada_arranque(const QString& programa) {
    // A path a key file cannot hold (a line break, a control character)
    // gives way to the name found on the PATH.
    const bool escribible = !programa.isEmpty() &&
        std::none_of(programa.begin(), programa.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
    const QString exec = (escribible ? Argumento_exec(programa) : QStringLiteral("talmiroc")) +
                         QStringLiteral(" --bandeja");
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Talmiroc\n"
               "Comment=El kin de hoy en la bandeja\n"
               "Comment[en]=Today's kin in the tray\n"
               "Comment[pt_BR]=O kin de hoje na bandeja\n"
               "Exec=%1\n"
               "Icon=talmiroc\n"
               "Terminal=false\n"
               "NoDisplay=true\n")
        .arg(exec)
        .toUtf8();
}

QString Poner_arranque(bool iniciar, const QString& programa) {
    const QString ruta = Ruta_arranque();
    if (!iniciar) {
        QFile entrada(ruta);
        if (!entrada.exists() || entrada.remove()) return {};
        return QCoreApplication::translate("talmiroc::Bandeja", "No se pudo borrar el archivo %1: %2")
            .arg(QDir::toNativeSeparators(ruta), entrada.errorString());
    }
    const QString carpeta = QFileInfo(ruta).path();
    if (!QFileInfo::exists(carpeta) && !QDir().mkpath(carpeta)) {
        return QCoreApplication::translate("talmiroc::Bandeja", "No se pudo crear la carpeta %1")
            .arg(QDir::toNativeSeparators(carpeta));
    }
    salida::Escritura escritura(QFile::encodeName(ruta).toStdString());
    const QByteArray entrada = Entrada_arranque(programa);
    if (escritura.Escribir({entrada.constData(), static_cast<std::size_t>(entrada.size())}) &&
        escritura.Terminar())
        return {};
    return Mensaje_escritura(escritura);
}

}  // namespace talmiroc
