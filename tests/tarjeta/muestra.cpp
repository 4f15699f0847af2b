// Writes a card, for looking at it (not a test):
//   talmiroc_muestra_tarjeta out.png|out.svg día mes año [cuadrada|vertical|ancha] [es|en|pt] [persona]
#include <cstdio>

#include <QFile>
#include <QGuiApplication>

#include "idioma_qt.h"
#include "tarjeta.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 5) {
        std::fprintf(stderr, "uso: talmiroc_muestra_tarjeta salida día mes año [forma] [idioma] [persona]\n");
        return 2;
    }
    const talmiroc::Fecha f{a[2].toInt(), a[3].toInt(), a[4].toLongLong()};
    const auto forma = talmiroc::Forma_de_nombre(a.value(5, QStringLiteral("cuadrada")).toStdString());
    const talmiroc::Palabras* p = talmiroc::Palabras_idioma(a.value(6, QStringLiteral("es")).toStdString());
    if (!forma || !p) return 2;
    talmiroc::Fijar_idioma(*p);
    const talmiroc::Tarjeta t = a.size() > 7 ? talmiroc::Tarjeta_persona(a[7], f, *p)
                                             : talmiroc::Tarjeta_dia(f, *p);
    const bool svg = a[1].endsWith(QLatin1String(".svg"));
    QFile salida(a[1]);
    const QByteArray bytes = talmiroc::Bytes_tarjeta(
        t, *forma, svg ? talmiroc::Formato_tarjeta::svg : talmiroc::Formato_tarjeta::png);
    return !bytes.isEmpty() && salida.open(QIODevice::WriteOnly) && salida.write(bytes) == bytes.size() ? 0 : 1;
}
