// The real print system as the printing tests meet it: whether CUPS with a
// cups-pdf queue is here, the PDF files that queue writes to ~/PDF, and a
// second queue that refuses every job.
#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>

#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>

namespace talmiroc::prueba {

// Runs a program to its end (at most 60 s) and gives what it wrote on
// stdout, or nothing when it could not run or ended in failure.
std::optional<QString> Ejecutar(const QString& programa, const QStringList& argumentos);

// Why the real queue cannot be used here, or nothing when it can: cupsd
// answers, the default queue writes PDF files through cups-pdf, and the
// poppler tools are installed.
std::optional<std::string> Sin_cola_pdf();

// Why the poppler tools are missing, or nothing.
std::optional<std::string> Sin_poppler();

// True in CI, where nothing may be skipped for want of CUPS.
bool En_ci();

// The default queue's name.
QString Cola_predeterminada();

// Waits until `cola` holds no job, at most `limite`; false if it never did.
bool Esperar_cola_vacia(const QString& cola, std::chrono::seconds limite);

// The PDF files in ~/PDF with their last change, to tell new ones apart.
class Carpeta_pdf {
public:
    Carpeta_pdf();  // notes what is there now
    // Files written since: new ones, or old ones written again.
    QStringList Nuevos() const;
    // Waits (at most `limite`) until at least one file is new and no new file
    // grows any more; gives the new files.
    QStringList Esperar_nuevos(std::chrono::seconds limite) const;

private:
    std::map<QString, std::pair<QDateTime, qint64>> antes_;
};

// What poppler finds in a PDF file.
QString Titulo(const QString& pdf);                  // pdfinfo's Title
int Paginas(const QString& pdf);                     // 0 when unreadable
QString Texto(const QString& pdf);                   // pdftotext
double Alto_de_imagen_mas_alta(const QString& pdf);  // on paper, in inches; -1 if unreadable
QImage Pagina_png(const QString& pdf, int ppp);      // first page at `ppp` pixels per inch

// While it lives, `cola` turns PDF into PostScript with poppler's cairo
// renderer, whose fonts keep their text for pdftotext; the ghostscript one
// that cups-filters picks by default draws Qt's embedded fonts as Type 3
// glyphs with no text behind them. Puts the queue's setting back after.
class Renderizador_cairo {
public:
    explicit Renderizador_cairo(QString cola);
    ~Renderizador_cairo();
    Renderizador_cairo(const Renderizador_cairo&) = delete;
    Renderizador_cairo& operator=(const Renderizador_cairo&) = delete;

private:
    QString cola_;
    QString antes_;  // the queue's own setting, empty when it had none
};

// A queue named `nombre` that exists while the object lives and refuses
// every job (cupsreject). Removed again even when a test fails.
class Cola_que_rechaza {
public:
    explicit Cola_que_rechaza(QString nombre);
    ~Cola_que_rechaza();
    Cola_que_rechaza(const Cola_que_rechaza&) = delete;
    Cola_que_rechaza& operator=(const Cola_que_rechaza&) = delete;

    bool Lista() const { return lista_; }
    const QString& Nombre() const { return nombre_; }

private:
    QString nombre_;
    bool lista_ = false;
};

}  // namespace talmiroc::prueba

// Skips the test with the reason where the real queue is missing; in CI,
// fails instead, since there the queue must be set up.
#define NECESITA_COLA_PDF()                                                    \
    do {                                                                       \
        if (const auto motivo = ::talmiroc::prueba::Sin_cola_pdf()) {          \
            if (::talmiroc::prueba::En_ci()) FAIL() << "CI=true: " << *motivo; \
            GTEST_SKIP() << *motivo;                                           \
        }                                                                      \
    } while (false)

#define NECESITA_POPPLER()                                                     \
    do {                                                                       \
        if (const auto motivo = ::talmiroc::prueba::Sin_poppler()) {           \
            if (::talmiroc::prueba::En_ci()) FAIL() << "CI=true: " << *motivo; \
            GTEST_SKIP() << *motivo;                                           \
        }                                                                      \
    } while (false)
