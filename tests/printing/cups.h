// The print system as the printing tests meet it: a private one, never the
// machine's. scripts/print-queue runs a cupsd of its own in a temporary
// folder with a cups-pdf queue at Debian's default options as its default;
// the tests find the PDF files it writes to its own folder, ask poppler what
// is in them and remove them again.
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
std::optional<std::string> Sin_cola_pdf();  // the private print system, poppler

// The private print system of this test process. Preparar, before anything
// asks CUPS, points CUPS_SERVER at its socket in a new temporary folder,
// LPDEST at its queue, and HOME and XDG_* at a temporary home of the
// process's own: nothing printed reaches the machine's print system or a home
// folder, and two runs side by side never meet. Encender starts it (once per
// process) or tells why it cannot; Apagar stops it and removes its folder.
// Should the process crash, scripts/print-queue sees its input close and
// cleans up by itself.
void Preparar_sistema_privado();
std::optional<std::string> Encender_sistema_privado();
void Apagar_sistema_privado();
QString Cola_privada();  // "Talmiroc_PDF", the default destination

bool Esperar_cola_vacia(const QString& cola, std::chrono::seconds limite);

// The PDF files cups-pdf writes to the private print system's folder
// (FOLDER/pdf), from the object's making on; the new ones of a Talmiroc job
// are removed on the way out.
class Carpeta_pdf {
public:
    Carpeta_pdf();
    ~Carpeta_pdf();
    Carpeta_pdf(const Carpeta_pdf&) = delete;
    Carpeta_pdf& operator=(const Carpeta_pdf&) = delete;

    QStringList Nuevos() const;
    // Waits, at most `limite`, until there are new files and none still grows.
    QStringList Esperar_nuevos(std::chrono::seconds limite) const;

private:
    QString carpeta_;
    std::map<QString, std::pair<QDateTime, qint64>> antes_;
};

QString Titulo(const QString& pdf);
int Paginas(const QString& pdf);
QString Texto(const QString& pdf);
double Alto_de_imagen_mas_alta(const QString& pdf);  // of its bitmaps, on paper, in points
QImage Pagina_png(const QString& pdf, int ppp);

// What in the file asks a reader to composite: soft masks, constant alpha
// below 1, transparency groups, blend modes other than Normal. Each as it
// stands, e.g. "/CA 0.0705"; empty for a page a printer never flattens.
QStringList Transparencias(const QString& pdf);

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
