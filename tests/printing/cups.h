// The real print system as the printing tests meet it: CUPS with a cups-pdf
// queue as the default (scripts/print-queue), the PDF files it writes to
// ~/PDF, what poppler finds in them, and a queue that refuses every job.
#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>

#include <QDateTime>
#include <QImage>
#include <QStringList>

namespace talmiroc::prueba {

// A program's stdout, or nothing when it failed or ran past 60 s.
std::optional<QString> Ejecutar(const QString& programa, const QStringList& argumentos);

// Why a test cannot run here, or nothing when it can.
std::optional<std::string> Sin_poppler();
std::optional<std::string> Sin_cola_pdf();  // cupsd, a cups-pdf default queue, poppler

QString Cola_predeterminada();
bool Esperar_cola_vacia(const QString& cola, std::chrono::seconds limite);

// The PDF files of ~/PDF written since the object was made.
class Carpeta_pdf {
public:
    Carpeta_pdf();
    QStringList Nuevos() const;
    // Waits, at most `limite`, until there are new files and none still grows.
    QStringList Esperar_nuevos(std::chrono::seconds limite) const;

private:
    std::map<QString, std::pair<QDateTime, qint64>> antes_;
};

QString Titulo(const QString& pdf);
int Paginas(const QString& pdf);
QString Texto(const QString& pdf);
double Alto_de_imagen_mas_alta(const QString& pdf);  // of its bitmaps, on paper, in points
QImage Pagina_png(const QString& pdf, int ppp);

// While it lives, `cola` makes its PostScript with poppler's cairo renderer,
// whose fonts keep their text for pdftotext; the ghostscript renderer that
// cups-filters picks by default turns Qt's fonts into Type 3 glyphs without
// text, and a page with any transparency into one bitmap.
class Renderizador_cairo {
public:
    explicit Renderizador_cairo(QString cola);
    ~Renderizador_cairo();  // puts the queue's own setting back
    Renderizador_cairo(const Renderizador_cairo&) = delete;
    Renderizador_cairo& operator=(const Renderizador_cairo&) = delete;

private:
    QString cola_;
    QString antes_;
};

// A cups-pdf queue that refuses every job (cupsreject), removed on the way out.
class Cola_que_rechaza {
public:
    explicit Cola_que_rechaza(QString nombre);
    ~Cola_que_rechaza();
    Cola_que_rechaza(const Cola_que_rechaza&) = delete;
    Cola_que_rechaza& operator=(const Cola_que_rechaza&) = delete;

    const QString nombre;
    bool lista = false;
};

}  // namespace talmiroc::prueba

// Skips with the reason when `motivo` holds one; in CI (CI=true), where the
// print system must be set up, fails instead.
#define NECESITA(motivo)                                                           \
    do {                                                                           \
        if (const auto m = (motivo)) {                                             \
            if (qEnvironmentVariable("CI") == QLatin1String("true")) FAIL() << *m; \
            GTEST_SKIP() << *m;                                                    \
        }                                                                          \
    } while (false)
