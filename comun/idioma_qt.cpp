#include "idioma_qt.h"

#include <memory>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "apoyo_qt.h"

namespace talmiroc {

namespace {

const Palabras* palabras_ventana = &palabras_es;
std::unique_ptr<QTranslator> catalogo;   // talmiroc_<code>, installed
std::unique_ptr<QTranslator> qt_propio;  // qtbase_<code>, installed once needed

// The program's catalogue of a language, from the resources; none for
// Spanish, the language the texts are written in, or for one not translated.
std::unique_ptr<QTranslator> Catalogo(const Palabras& p) {
    if (p.idioma == palabras_es.idioma) return nullptr;
    auto t = std::make_unique<QTranslator>();
    const QString nombre = QStringLiteral(":/i18n/talmiroc_%1.qm").arg(Texto(p.idioma));
    if (!t->load(nombre)) return nullptr;
    return t;
}

void Quitar(std::unique_ptr<QTranslator>& t) {
    if (t && QCoreApplication::instance()) QCoreApplication::removeTranslator(t.get());
    t.reset();
}

}  // namespace

const Palabras& Palabras_ventana() {
    return *palabras_ventana;
}

void Fijar_idioma(const Palabras& p) {
    palabras_ventana = &p;
    Quitar(qt_propio);  // loaded again, in the new language, when next needed
    Quitar(catalogo);
    catalogo = Catalogo(p);
    if (catalogo) QCoreApplication::installTranslator(catalogo.get());
}

void Cargar_palabras_qt() {
    if (qt_propio) return;
    auto t = std::make_unique<QTranslator>();
    // QLocale("pt") is Brazil's Portuguese: qtbase_pt_BR.
    if (t->load(QLocale(Texto(palabras_ventana->idioma)), QStringLiteral("qtbase"),
                QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(t.get());
        qt_propio = std::move(t);
    }
}

QString Traducir(const Palabras& p, const char* contexto, const char* texto) {
    const std::unique_ptr<QTranslator> t = Catalogo(p);
    const QString traducido = t ? t->translate(contexto, texto) : QString();
    return traducido.isEmpty() ? QString::fromUtf8(texto) : traducido;
}

}  // namespace talmiroc
