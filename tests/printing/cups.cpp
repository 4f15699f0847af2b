#include "cups.h"

#include <algorithm>
#include <memory>
#include <thread>

#include <QDir>
#include <QFile>
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

// The private print system: its folder (made by Preparar, so the socket's
// path is known before anything asks CUPS) and scripts/print-queue running
// in it. The script removes the folder when it stops.
struct Sistema_privado {
    QString carpeta;
    std::unique_ptr<QProcess> guion;
    std::unique_ptr<QTemporaryDir> casa;  // HOME and XDG_* of this process and its children
};

Sistema_privado& Sistema() {
    static Sistema_privado sistema;
    return sistema;
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
    if (auto motivo = Encender_sistema_privado()) return motivo;
    return Sin_poppler();
}

void Preparar_sistema_privado() {
    QTemporaryDir temporal(QDir::tempPath() + L("/talmiroc-cups-XXXXXX"));
    temporal.setAutoRemove(false);  // the script removes it; an unused one goes in Apagar
    Sistema().carpeta = temporal.path();
    // A home of its own: what the print clients, Qt or the program keep in
    // a home folder lands here and goes with the run.
    auto& casa = Sistema().casa = std::make_unique<QTemporaryDir>(
        QDir::tempPath() + L("/talmiroc-casa-XXXXXX"));
    for (const auto& [variable, dentro] :
         {std::pair{"HOME", ""}, {"XDG_CONFIG_HOME", "/config"}, {"XDG_CACHE_HOME", "/cache"},
          {"XDG_DATA_HOME", "/data"}, {"XDG_STATE_HOME", "/state"}, {"XDG_RUNTIME_DIR", "/run"}}) {
        const QString ruta = casa->path() + L(dentro);
        QDir().mkpath(ruta);
        QFile::setPermissions(ruta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv(variable, QFile::encodeName(ruta));
    }
    qputenv("CUPS_SERVER", QFile::encodeName(Sistema().carpeta + L("/cups.sock")));
    qputenv("LPDEST", Cola_privada().toLatin1());
    qunsetenv("PRINTER");
}

std::optional<std::string> Encender_sistema_privado() {
    Sistema_privado& s = Sistema();
    if (s.carpeta.isEmpty()) return "the private print system was not prepared (main does it)";
    if (s.guion && s.guion->state() == QProcess::Running) return std::nullopt;
    // Started again after Apagar: the same folder, since CUPS_SERVER names it.
    if (!QDir().mkpath(s.carpeta)) return "cannot make " + s.carpeta.toStdString();
    s.guion = std::make_unique<QProcess>();
    s.guion->start(QStringLiteral(TALMIROC_COLA_PRIVADA), {s.carpeta, Cola_privada()});
    // The script prints the socket once the queue is ready, or fails saying why.
    while (!s.guion->canReadLine() && s.guion->waitForReadyRead(60'000)) {
    }
    if (s.guion->canReadLine()) return std::nullopt;
    s.guion->closeWriteChannel();
    s.guion->waitForFinished(30'000);
    const QString motivo = QString::fromLocal8Bit(s.guion->readAllStandardError()).trimmed();
    s.guion.reset();
    QDir(s.carpeta).removeRecursively();
    return motivo.isEmpty() ? std::string("scripts/print-queue did not start the print system")
                            : motivo.toStdString();
}

void Apagar_sistema_privado() {
    Sistema_privado& s = Sistema();
    if (s.guion) {
        s.guion->closeWriteChannel();  // the script stops cupsd and removes the folder
        s.guion->waitForFinished(60'000);
        s.guion.reset();
    }
    if (!s.carpeta.isEmpty()) QDir(s.carpeta).removeRecursively();
    s.casa.reset();
}

QString Cola_privada() {
    return QStringLiteral("Talmiroc_PDF");
}

bool Esperar_cola_vacia(const QString& cola, std::chrono::seconds limite) {
    for (const auto fin = std::chrono::steady_clock::now() + limite;
         std::chrono::steady_clock::now() < fin; std::this_thread::sleep_for(100ms)) {
        const auto trabajos = Ejecutar(L("lpstat"), {L("-o"), cola});
        if (trabajos && trabajos->trimmed().isEmpty()) return true;
    }
    return false;
}

namespace {

std::map<QString, std::pair<QDateTime, qint64>> Pdfs(const QString& carpeta) {
    std::map<QString, std::pair<QDateTime, qint64>> pdfs;
    for (const QFileInfo& f : QDir(carpeta).entryInfoList({L("*.pdf")}, QDir::Files))
        pdfs[f.absoluteFilePath()] = {f.lastModified(), f.size()};
    return pdfs;
}

// Where scripts/print-queue has cups-pdf write: inside the system's folder.
QString Carpeta_de_cups_pdf() {
    return Sistema().carpeta + L("/pdf");
}

}  // namespace

Carpeta_pdf::Carpeta_pdf()
    : carpeta_(Carpeta_de_cups_pdf()), antes_(Pdfs(carpeta_)) {}

Carpeta_pdf::~Carpeta_pdf() {
    for (const auto& [pdf, cambio] : Pdfs(carpeta_)) {
        if (!antes_.contains(pdf) && QFileInfo(pdf).fileName().startsWith(L("Talmiroc")))
            QFile::remove(pdf);
    }
}

QStringList Carpeta_pdf::Nuevos() const {
    QStringList nuevos;
    for (const auto& [pdf, cambio] : Pdfs(carpeta_)) {
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

QStringList Transparencias(const QString& pdf) {
    QFile archivo(pdf);
    if (!archivo.open(QIODevice::ReadOnly)) return {QStringLiteral("cannot read ") + pdf};
    // Dictionaries are plain text in the PDF files Qt writes (no object streams).
    const QString texto = QString::fromLatin1(archivo.readAll());
    static const QRegularExpression claves(QStringLiteral(
        R"(/SMask(?!\s*/None)|/S\s*/Transparency|/BM\s*/(?!Normal|Compatible)\w+|/(?:CA|ca)\s+([0-9.]+))"));
    QStringList halladas;
    for (auto it = claves.globalMatch(texto); it.hasNext();) {
        const auto m = it.next();
        if (m.hasCaptured(1) && m.captured(1).toDouble() >= 1) continue;
        halladas << m.captured(0);
    }
    return halladas;
}

Cola_que_rechaza::Cola_que_rechaza(QString n) : nombre(std::move(n)) {
    lista = Ejecutar(L("lpadmin"), {L("-p"), nombre, L("-v"), L("cups-pdf:/"), L("-E"), L("-m"),
                                    L("lsb/usr/cups-pdf/CUPS-PDF_opt.ppd")}) &&
            Ejecutar(L("cupsreject"), {nombre});
}

Cola_que_rechaza::~Cola_que_rechaza() {
    Ejecutar(L("lpadmin"), {L("-x"), nombre});
}

}  // namespace talmiroc::prueba
