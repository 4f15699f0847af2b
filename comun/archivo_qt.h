// The one writer of files (salida/archivo.h) for Qt's writers that take a
// device, such as QPdfWriter, and its failures said in the windows'
// language.
#pragma once

#include <QIODevice>
#include <QString>

#include "archivo.h"

namespace talmiroc {

// Writes what Qt writes to it through `escritura`; a failed write is
// reported to Qt as one (-1), and kept in `escritura`. Open for writing.
class Dispositivo_escritura final : public QIODevice {
public:
    explicit Dispositivo_escritura(salida::Escritura& escritura);
    bool isSequential() const override { return true; }

protected:
    qint64 writeData(const char* datos, qint64 n) override;
    qint64 readData(char*, qint64) override { return -1; }

private:
    salida::Escritura& escritura_;
};

// "No se pudo escribir el archivo /tmp/a.pdf: No queda espacio en el
// dispositivo": the name as the system shows it and the reason, when
// there is one.
QString Mensaje_escritura(const salida::Escritura& escritura);

}  // namespace talmiroc
