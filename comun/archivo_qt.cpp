#include "archivo_qt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace talmiroc {

Dispositivo_escritura::Dispositivo_escritura(salida::Escritura& escritura)
    : escritura_(escritura) {
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 Dispositivo_escritura::writeData(const char* datos, qint64 n) {
    return escritura_.Escribir({datos, static_cast<std::size_t>(n)}) ? n : -1;
}

QString Mensaje_escritura(const salida::Escritura& escritura) {
    const QString nombre = escritura.Ruta() == "-"
                               ? QCoreApplication::translate("talmiroc::Archivo", "la salida estándar")
                               : QDir::toNativeSeparators(QFile::decodeName(escritura.Ruta().c_str()));
    QString m = QCoreApplication::translate("talmiroc::Papel", "No se pudo escribir el archivo %1")
                    .arg(nombre);
    const int error = escritura.Error();
    if (error == salida::error_no_regular) {
        m += QStringLiteral(": ") +
             QCoreApplication::translate("talmiroc::Archivo",
                                         "no es un archivo común (es un dispositivo o una tubería)");
    } else if (error > 0) {
        m += QStringLiteral(": ") + QString::fromLocal8Bit(salida::Razon_del_sistema(error));
    }
    return m;
}

}  // namespace talmiroc
