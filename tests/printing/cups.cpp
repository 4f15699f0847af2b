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

QString Carpeta() {
    return QDir::homePath() + QStringLiteral("/PDF");
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

bool En_ci() {
    return qEnvironmentVariable("CI") == QStringLiteral("true");
}

std::optional<std::string> Sin_poppler() {
    for (const char* programa : {"pdfinfo", "pdftotext", "pdftoppm", "pdfimages"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(programa)).isEmpty())
            return std::string(programa) + " is not installed (poppler-utils)";
    }
    return std::nullopt;
}

QString Cola_predeterminada() {
    const auto salida = Ejecutar(QStringLiteral("lpstat"), {QStringLiteral("-d")});
    if (!salida) return {};
    const auto m = QRegularExpression(QStringLiteral("destination: (\\S+)")).match(*salida);
    return m.hasMatch() ? m.captured(1) : QString();
}

std::optional<std::string> Sin_cola_pdf() {
    if (QStandardPaths::findExecutable(QStringLiteral("lpstat")).isEmpty())
        return "lpstat is not installed: no CUPS client here (scripts/print-queue sets CUPS up)";
    const auto estado = Ejecutar(QStringLiteral("lpstat"), {QStringLiteral("-r")});
    if (!estado || !estado->contains(QStringLiteral("is running")))
        return "cupsd does not answer here (scripts/print-queue starts it)";
    const QString cola = Cola_predeterminada();
    if (cola.isEmpty())
        return "CUPS has no default queue (scripts/print-queue makes PDF the default)";
    const auto dispositivo = Ejecutar(QStringLiteral("lpstat"), {QStringLiteral("-v"), cola});
    if (!dispositivo || !dispositivo->contains(QStringLiteral("cups-pdf:/"))) {
        return "the default queue " + cola.toStdString() +
               " is not a cups-pdf queue; not printing on a real printer";
    }
    return Sin_poppler();
}

bool Esperar_cola_vacia(const QString& cola, std::chrono::seconds limite) {
    const auto fin = std::chrono::steady_clock::now() + limite;
    do {
        const auto trabajos = Ejecutar(QStringLiteral("lpstat"), {QStringLiteral("-o"), cola});
        if (trabajos && trabajos->trimmed().isEmpty()) return true;
        std::this_thread::sleep_for(100ms);
    } while (std::chrono::steady_clock::now() < fin);
    return false;
}

Carpeta_pdf::Carpeta_pdf() {
    for (const QFileInfo& f : QDir(Carpeta()).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
        antes_[f.fileName()] = {f.lastModified(), f.size()};
}

QStringList Carpeta_pdf::Nuevos() const {
    QStringList nuevos;
    for (const QFileInfo& f :
         QDir(Carpeta()).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files)) {
        const auto it = antes_.find(f.fileName());
        if (it == antes_.end() || it->second != std::pair(f.lastModified(), f.size()))
            nuevos << f.absoluteFilePath();
    }
    return nuevos;
}

QStringList Carpeta_pdf::Esperar_nuevos(std::chrono::seconds limite) const {
    const auto fin = std::chrono::steady_clock::now() + limite;
    std::map<QString, qint64> tamaños;
    while (std::chrono::steady_clock::now() < fin) {
        const QStringList nuevos = Nuevos();
        std::map<QString, qint64> ahora;
        for (const QString& n : nuevos) ahora[n] = QFileInfo(n).size();
        if (!nuevos.isEmpty() && ahora == tamaños) return nuevos;
        tamaños = ahora;
        std::this_thread::sleep_for(200ms);
    }
    return Nuevos();
}

QString Titulo(const QString& pdf) {
    const auto m = QRegularExpression(QStringLiteral("Title:\\s+(.*)"))
                       .match(Ejecutar(QStringLiteral("pdfinfo"), {pdf}).value_or(QString()));
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

int Paginas(const QString& pdf) {
    const auto info = Ejecutar(QStringLiteral("pdfinfo"), {pdf});
    if (!info) return 0;
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(*info);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QString Texto(const QString& pdf) {
    return Ejecutar(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).value_or(QString());
}

double Alto_de_imagen_mas_alta(const QString& pdf) {
    const auto lista = Ejecutar(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    if (!lista) return -1;
    // Two header lines, then: page num type width height ... x-ppi y-ppi size
    // ratio, where an inline image has one field "[inline]" for "object ID".
    double alto = 0;
    const QStringList lineas = lista->split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (qsizetype i = 2; i < lineas.size(); ++i) {
        const QStringList campos = lineas[i].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (campos.size() < 14) continue;
        const double ppp = campos[campos.size() - 3].toDouble();
        if (ppp > 0) alto = std::max(alto, campos[4].toDouble() / ppp);
    }
    return alto;
}

QImage Pagina_png(const QString& pdf, int ppp) {
    QTemporaryDir carpeta;
    const QString prefijo = carpeta.filePath(QStringLiteral("pagina"));
    if (!Ejecutar(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(ppp),
                   QStringLiteral("-singlefile"), pdf, prefijo})) {
        return {};
    }
    return QImage(prefijo + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

Renderizador_cairo::Renderizador_cairo(QString cola) : cola_(std::move(cola)) {
    const auto opciones = Ejecutar(QStringLiteral("lpoptions"), {QStringLiteral("-p"), cola_});
    const auto m = QRegularExpression(QStringLiteral("\\bpdftops-renderer=(\\S+)"))
                       .match(opciones.value_or(QString()));
    if (m.hasMatch()) antes_ = m.captured(1);
    Ejecutar(QStringLiteral("lpadmin"), {QStringLiteral("-p"), cola_, QStringLiteral("-o"),
                                         QStringLiteral("pdftops-renderer-default=pdftocairo")});
}

Renderizador_cairo::~Renderizador_cairo() {
    if (antes_.isEmpty()) {
        Ejecutar(QStringLiteral("lpadmin"), {QStringLiteral("-p"), cola_, QStringLiteral("-R"),
                                             QStringLiteral("pdftops-renderer-default")});
    } else {
        Ejecutar(QStringLiteral("lpadmin"), {QStringLiteral("-p"), cola_, QStringLiteral("-o"),
                                             QStringLiteral("pdftops-renderer-default=") + antes_});
    }
}

Cola_que_rechaza::Cola_que_rechaza(QString nombre) : nombre_(std::move(nombre)) {
    const auto modelos = Ejecutar(QStringLiteral("lpinfo"), {QStringLiteral("-m")});
    if (!modelos) return;
    const auto m = QRegularExpression(QStringLiteral("^(\\S+)\\s.*cups-pdf"),
                                      QRegularExpression::MultilineOption |
                                          QRegularExpression::CaseInsensitiveOption)
                       .match(*modelos);
    if (!m.hasMatch()) return;
    lista_ =
        Ejecutar(QStringLiteral("lpadmin"),
                 {QStringLiteral("-p"), nombre_, QStringLiteral("-v"), QStringLiteral("cups-pdf:/"),
                  QStringLiteral("-E"), QStringLiteral("-m"), m.captured(1)})
            .has_value() &&
        Ejecutar(QStringLiteral("cupsreject"), {nombre_}).has_value();
}

Cola_que_rechaza::~Cola_que_rechaza() {
    Ejecutar(QStringLiteral("lpadmin"), {QStringLiteral("-x"), nombre_});
}

}  // namespace talmiroc::prueba
