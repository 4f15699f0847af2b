#include "cups.h"

#include <algorithm>
#include <thread>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace talmiroc::prueba {

namespace {

using namespace std::chrono_literals;
using L = QLatin1String;

// The first group of `patron` in a program's stdout, or the empty text.
QString Buscar(const QString& programa, const QStringList& argumentos, const char* patron) {
    const auto m = QRegularExpression(QString::fromLatin1(patron),
                                      QRegularExpression::MultilineOption |
                                          QRegularExpression::CaseInsensitiveOption)
                       .match(Ejecutar(programa, argumentos).value_or(QString()));
    return m.hasMatch() ? m.captured(1) : QString();
}

std::map<QString, std::pair<QDateTime, qint64>> Pdfs() {
    std::map<QString, std::pair<QDateTime, qint64>> pdfs;
    for (const QFileInfo& f : QDir(QDir::homePath() + L("/PDF")).entryInfoList({L("*.pdf")}))
        pdfs[f.absoluteFilePath()] = {f.lastModified(), f.size()};
    return pdfs;
}

}  // namespace

std::optional<QString> Ejecutar(const QString& programa, const QStringList& argumentos) {
    QProcess proceso;
    proceso.start(programa, argumentos);
    if (!proceso.waitForFinished(60'000) || proceso.exitStatus() != QProcess::NormalExit ||
        proceso.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromLocal8Bit(proceso.readAllStandardOutput());
}

std::optional<std::string> Sin_poppler() {
    for (const char* programa : {"pdfinfo", "pdftotext", "pdftoppm", "pdfimages"}) {
        if (QStandardPaths::findExecutable(L(programa)).isEmpty())
            return std::string(programa) + " is not installed (poppler-utils)";
    }
    return std::nullopt;
}

std::optional<std::string> Sin_cola_pdf() {
    if (Buscar(L("lpstat"), {L("-r")}, "(is running)").isEmpty())
        return "no CUPS scheduler answers here (scripts/print-queue starts one)";
    const QString cola = Cola_predeterminada();
    if (cola.isEmpty()) return "CUPS has no default queue (scripts/print-queue makes PDF one)";
    if (Buscar(L("lpstat"), {L("-v"), cola}, "(cups-pdf:/)").isEmpty())
        return "the default queue " + cola.toStdString() + " is not cups-pdf: no printing on paper";
    return Sin_poppler();
}

QString Cola_predeterminada() {
    return Buscar(L("lpstat"), {L("-d")}, "destination: (\\S+)");
}

bool Esperar_cola_vacia(const QString& cola, std::chrono::seconds limite) {
    for (const auto fin = std::chrono::steady_clock::now() + limite;
         std::chrono::steady_clock::now() < fin; std::this_thread::sleep_for(100ms)) {
        const auto trabajos = Ejecutar(L("lpstat"), {L("-o"), cola});
        if (trabajos && trabajos->trimmed().isEmpty()) return true;
    }
    return false;
}

Carpeta_pdf::Carpeta_pdf() : antes_(Pdfs()) {}

QStringList Carpeta_pdf::Nuevos() const {
    QStringList nuevos;
    for (const auto& [pdf, cambio] : Pdfs()) {
        if (const auto it = antes_.find(pdf); it == antes_.end() || it->second != cambio)
            nuevos << pdf;
    }
    return nuevos;
}

QStringList Carpeta_pdf::Esperar_nuevos(std::chrono::seconds limite) const {
    std::map<QString, qint64> antes;
    for (const auto fin = std::chrono::steady_clock::now() + limite;
         std::chrono::steady_clock::now() < fin; std::this_thread::sleep_for(200ms)) {
        std::map<QString, qint64> ahora;
        for (const QString& pdf : Nuevos()) ahora[pdf] = QFileInfo(pdf).size();
        if (!ahora.empty() && ahora == antes) break;
        antes = std::move(ahora);
    }
    return Nuevos();
}

QString Titulo(const QString& pdf) {
    return Buscar(L("pdfinfo"), {pdf}, "^Title:\\s+(.*\\S)");
}

int Paginas(const QString& pdf) {
    return Buscar(L("pdfinfo"), {pdf}, "^Pages:\\s+(\\d+)").toInt();
}

QString Texto(const QString& pdf) {
    return Ejecutar(L("pdftotext"), {pdf, L("-")}).value_or(QString());
}

double Alto_de_imagen_mas_alta(const QString& pdf) {
    // Two header lines, then per bitmap: page num type width height ... y-ppi
    // size ratio (an inline one has "[inline]" for "object ID").
    double alto = 0;
    const QStringList lineas = Ejecutar(L("pdfimages"), {L("-list"), pdf})
                                   .value_or(QString())
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (qsizetype i = 2; i < lineas.size(); ++i) {
        const QStringList campos = lineas[i].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const double ppp = campos.size() > 13 ? campos[campos.size() - 3].toDouble() : 0;
        if (ppp > 0) alto = std::max(alto, campos[4].toDouble() / ppp * 72);
    }
    return alto;
}

QImage Pagina_png(const QString& pdf, int ppp) {
    QTemporaryDir carpeta;
    const QString png = carpeta.filePath(L("pagina"));
    if (!Ejecutar(L("pdftoppm"),
                  {L("-png"), L("-r"), QString::number(ppp), L("-singlefile"), pdf, png}))
        return {};
    return QImage(png + L(".png")).convertToFormat(QImage::Format_RGB32);
}

Renderizador_cairo::Renderizador_cairo(QString cola)
    : cola_(std::move(cola)),
      antes_(Buscar(L("lpoptions"), {L("-p"), cola_}, "\\bpdftops-renderer=(\\S+)")) {
    Ejecutar(L("lpadmin"), {L("-p"), cola_, L("-o"), L("pdftops-renderer-default=pdftocairo")});
}

Renderizador_cairo::~Renderizador_cairo() {
    if (antes_.isEmpty()) {
        Ejecutar(L("lpadmin"), {L("-p"), cola_, L("-R"), L("pdftops-renderer-default")});
    } else {
        Ejecutar(L("lpadmin"), {L("-p"), cola_, L("-o"), L("pdftops-renderer-default=") + antes_});
    }
}

Cola_que_rechaza::Cola_que_rechaza(QString n) : nombre(std::move(n)) {
    const QString modelo = Buscar(L("lpinfo"), {L("-m")}, "^(\\S+)\\s.*cups-pdf");
    lista = !modelo.isEmpty() &&
            Ejecutar(L("lpadmin"),
                     {L("-p"), nombre, L("-v"), L("cups-pdf:/"), L("-E"), L("-m"), modelo}) &&
            Ejecutar(L("cupsreject"), {nombre});
}

Cola_que_rechaza::~Cola_que_rechaza() {
    Ejecutar(L("lpadmin"), {L("-x"), nombre});
}

}  // namespace talmiroc::prueba
