#include "opciones.h"

#include <algorithm>
#include <array>

#include "apoyo_qt.h"
#include "idioma_qt.h"
#include "paginas.h"

namespace talmiroc {

namespace {

using Resultado = std::optional<Error_uso>;

constexpr char fecha_muestra[] = QT_TRANSLATE_NOOP("main", "[DÍA MES AÑO]");

// A page of the count over time, and what it is on paper.
template <Pagina_tiempo pagina, int hojas>
Resultado Pagina(Pedido_programa& p, const Opcion&, const std::string*) {
    p.pagina = pagina;
    if (hojas >= 0) p.hojas = static_cast<Hojas>(hojas);
    return {};
}

// A missing value: "talmiroc: --pdf espera un valor".
Error_uso Falta_valor(const Opcion& o) {
    return {QT_TRANSLATE_NOOP("main", "talmiroc: %1 espera un valor\n"),
            QString::fromUtf8(o.nombre.data(), static_cast<qsizetype>(o.nombre.size()))};
}

Resultado Pdf(Pedido_programa& p, const Opcion& o, const std::string* v) {
    if (!v) return Falta_valor(o);
    p.pdf = *v;
    return {};
}

Resultado Papel(Pedido_programa& p, const Opcion& o, const std::string* v) {
    if (!v) return Falta_valor(o);
    p.papel = Papel_de_nombre(QString::fromLocal8Bit(*v));
    if (!p.papel) {
        return Error_uso{QT_TRANSLATE_NOOP("main", "talmiroc: --papel es a4 o carta, no «%1»\n"),
                         QString::fromLocal8Bit(*v)};
    }
    return {};
}

Resultado Tarjeta(Pedido_programa& p, const Opcion&, const std::string*) {
    p.tarjeta = true;
    return {};
}

// --png and --svg: the card's file in that format.
template <Formato_tarjeta formato>
Resultado Imagen(Pedido_programa& p, const Opcion& o, const std::string* v) {
    if (!v) return Falta_valor(o);
    (formato == Formato_tarjeta::png ? p.png : p.svg) = *v;
    return {};
}

Resultado Forma(Pedido_programa& p, const Opcion& o, const std::string* v) {
    if (!v) return Falta_valor(o);
    const std::optional<Forma_tarjeta> forma = Forma_de_nombre(*v);
    if (!forma) {
        return Error_uso{
            QT_TRANSLATE_NOOP("main", "talmiroc: --forma es cuadrada, vertical o ancha, no «%1»\n"),
            QString::fromLocal8Bit(*v)};
    }
    p.forma = *forma;
    return {};
}

Resultado Idioma(Pedido_programa& p, const Opcion&, const std::string* v) {
    if (!v) {
        return Error_uso{
            QT_TRANSLATE_NOOP("main", "talmiroc: falta el idioma tras --idioma; son %1\n"),
            Codigos_idiomas()};
    }
    const Palabras* elegido = Palabras_idioma(*v);
    if (!elegido) {
        return Error_uso{QT_TRANSLATE_NOOP("main", "talmiroc: idioma desconocido: %1; son %2\n"),
                         QString::fromLocal8Bit(*v), Codigos_idiomas()};
    }
    p.idioma = elegido;
    return {};
}

Resultado Importar(Pedido_programa& p, const Opcion& o, const std::string* v) {
    if (!v) return Falta_valor(o);
    p.importar = *v;
    return {};
}

Resultado Bandeja(Pedido_programa& p, const Opcion&, const std::string*) {
    p.bandeja = true;
    return {};
}

Resultado Ayuda(Pedido_programa& p, const Opcion&, const std::string*) {
    p.ayuda = true;
    return {};
}

constexpr auto opciones = std::to_array<Opcion>({
    {"--luna", Valor::fecha, fecha_muestra,
     QT_TRANSLATE_NOOP("main", "los 28 días de la luna de la fecha"),
     marca_pagina | marca_hojas, 0, nullptr,
     Pagina<Pagina_tiempo::luna, static_cast<int>(Hojas::luna)>},
    {"--modulo", Valor::fecha, fecha_muestra,
     QT_TRANSLATE_NOOP("main", "el módulo armónico, con el kin de la fecha"),
     marca_pagina | marca_hojas, 0, nullptr,
     Pagina<Pagina_tiempo::modulo, static_cast<int>(Hojas::modulo)>},
    {"--onda", Valor::fecha, fecha_muestra,
     QT_TRANSLATE_NOOP("main", "la onda encantada del kin de la fecha"),
     marca_pagina | marca_hojas, 0, nullptr,
     Pagina<Pagina_tiempo::onda, static_cast<int>(Hojas::onda)>},
    {"--personas", Valor::ninguno, "",
     QT_TRANSLATE_NOOP("main", "el libro de personas: sus kines, cómo se relacionan y sus regresos"),
     marca_pagina | marca_personas, 0, nullptr, Pagina<Pagina_tiempo::personas, -1>},
    {"--importar", Valor::palabra, QT_TRANSLATE_NOOP("main", "ARCHIVO"),
     QT_TRANSLATE_NOOP("main",
                       "con --personas, añade al libro las personas de ARCHIVO,\n"
                       "vCard (FN y BDAY) o CSV (nombre,dia,mes,año), sin abrir\n"
                       "ventana, y dice cuántas añadió y cuáles omitió y por qué"),
     marca_importar, marca_personas,
     QT_TRANSLATE_NOOP("main", "talmiroc: --importar va con --personas\n"), Importar},
    {"--año", Valor::fecha, fecha_muestra,
     QT_TRANSLATE_NOOP("main", "el año de trece lunas de la fecha (con --pdf; sin él, su luna)"),
     marca_pagina | marca_hojas, 0, nullptr,
     Pagina<Pagina_tiempo::luna, static_cast<int>(Hojas::año)>},
    {"--pdf", Valor::palabra, QT_TRANSLATE_NOOP("main", "ARCHIVO"),
     QT_TRANSLATE_NOOP("main",
                       "escribe las hojas en ARCHIVO, sin abrir ventana:\n"
                       "la luna en una hoja, el año en 15 (portada, el año\n"
                       "en una hoja y 13 lunas), el módulo en una (con fecha,\n"
                       "su kin resaltado), la onda encantada en una;\n"
                       "con ARCHIVO -, en la salida estándar"),
     marca_pdf, marca_hojas,
     QT_TRANSLATE_NOOP("main", "talmiroc: --pdf va con --luna, --año, --modulo u --onda\n"), Pdf},
    {"--papel", Valor::palabra, "a4|carta",
     QT_TRANSLATE_NOOP("main",
                       "el papel del PDF; si no, carta donde se mide en\n"
                       "pulgadas y A4 en los demás lugares"),
     0, marca_pdf, QT_TRANSLATE_NOOP("main", "talmiroc: --papel va con --pdf\n"), Papel},
    {"--tarjeta", Valor::fecha, fecha_muestra,
     QT_TRANSLATE_NOOP("main", "la tarjeta del kin de la fecha, con --png o --svg"),
     marca_tarjeta, marca_imagen, QT_TRANSLATE_NOOP("main", "talmiroc: --tarjeta va con --png o --svg\n"),
     Tarjeta},
    {"--png", Valor::palabra, QT_TRANSLATE_NOOP("main", "ARCHIVO"),
     QT_TRANSLATE_NOOP("main",
                       "escribe la tarjeta como imagen PNG en ARCHIVO, sin abrir\n"
                       "ventana; con ARCHIVO -, en la salida estándar"),
     marca_imagen, marca_tarjeta, QT_TRANSLATE_NOOP("main", "talmiroc: --png va con --tarjeta\n"),
     Imagen<Formato_tarjeta::png>},
    {"--svg", Valor::palabra, QT_TRANSLATE_NOOP("main", "ARCHIVO"),
     QT_TRANSLATE_NOOP("main", "la escribe como SVG (texto como texto); las dos, si se piden"),
     marca_imagen, marca_tarjeta, QT_TRANSLATE_NOOP("main", "talmiroc: --svg va con --tarjeta\n"),
     Imagen<Formato_tarjeta::svg>},
    {"--forma", Valor::palabra, QT_TRANSLATE_NOOP("main", "FORMA"),
     QT_TRANSLATE_NOOP("main",
                       "la de la tarjeta: cuadrada, 1080 × 1080 (si no se dice),\n"
                       "vertical, 1080 × 1920, o ancha, 1200 × 630"),
     0,
     marca_tarjeta, QT_TRANSLATE_NOOP("main", "talmiroc: --forma va con --tarjeta\n"), Forma},
    {"--bandeja", Valor::ninguno, "",
     QT_TRANSLATE_NOOP("main",
                       "el kin de hoy en la bandeja del escritorio y un aviso\n"
                       "cada día; si ya está en la bandeja, no hace nada"),
     marca_bandeja, 0, nullptr, Bandeja, false, marca_pagina | marca_pdf,
     QT_TRANSLATE_NOOP("main", "talmiroc: --bandeja no va con una página ni con --pdf\n")},
    {"--idioma", Valor::palabra, nullptr,  // the codes
     QT_TRANSLATE_NOOP("main", "el idioma de las ventanas; sin él, el del sistema"), 0, 0,
     nullptr, Idioma, true},
    {"--help", Valor::ninguno, "", QT_TRANSLATE_NOOP("main", "esta ayuda"), 0, 0, nullptr,
     Ayuda},
    {"-h", Valor::ninguno, "", nullptr, 0, 0, nullptr, Ayuda},  // as tzolkin takes it; unlisted
});

// Qt's own options (QGuiApplication's, QApplication's and the X11
// platform's) and whether each takes a value; "-style=fusion" is one word.
struct Opcion_qt {
    std::string_view nombre;
    bool con_valor;
};
constexpr Opcion_qt opciones_qt[] = {
    {"-platform", true},   {"-platformpluginpath", true}, {"-platformtheme", true},
    {"-plugin", true},     {"-qwindowgeometry", true},    {"-qwindowicon", true},
    {"-qwindowtitle", true}, {"-session", true},          {"-display", true},
    {"-geometry", true},   {"-style", true},              {"-stylesheet", true},
    {"-name", true},       {"-reverse", false},           {"-widgetcount", false},
    {"-nograb", false},    {"-dograb", false},            {"-sync", false},
};

// How many words after `a` are Qt's (0 or 1), or -1 when `a` is not Qt's.
int Valores_qt(std::string_view a) {
    for (const Opcion_qt& q : opciones_qt) {
        if (a == q.nombre) return q.con_valor ? 1 : 0;
        if (q.con_valor && a.starts_with(q.nombre) && a.substr(q.nombre.size()).starts_with('='))
            return 0;
    }
    return -1;
}

QString Nombre(std::string_view n) {
    return QString::fromUtf8(n.data(), static_cast<qsizetype>(n.size()));
}

// One pass over the words. The first pass reads only the options read
// before the others, and passes over everything else in silence.
Resultado Leer(const std::vector<std::string>& a, Pedido_programa& p, bool solo_antes) {
    bool opciones_abiertas = true;
    unsigned marcas = 0;
    std::vector<const Opcion*> dadas;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::string& w = a[i];
        if (!opciones_abiertas || !Parece_opcion(w)) {
            if (!solo_antes) p.fecha.push_back(w);
            continue;
        }
        if (w == "--") {
            opciones_abiertas = false;
            continue;
        }
        if (const int n = Valores_qt(w); n >= 0) {
            i = std::min(i + static_cast<std::size_t>(n), a.size());
            continue;
        }
        const auto o = std::ranges::find(opciones, std::string_view(w), &Opcion::nombre);
        if (o == opciones.end()) {
            if (solo_antes) continue;
            return Error_uso{QT_TRANSLATE_NOOP("main", "talmiroc: opción desconocida: %1\n"),
                             QString::fromLocal8Bit(w)};
        }
        const std::string* valor = nullptr;
        if (o->valor == Valor::palabra && i + 1 < a.size() && !Parece_opcion(a[i + 1]))
            valor = &a[++i];
        if (solo_antes && !o->antes) continue;
        if (std::ranges::find(dadas, &*o) != dadas.end()) {
            if (solo_antes) continue;
            return Error_uso{QT_TRANSLATE_NOOP("main", "talmiroc: %1 repetida\n"), Nombre(o->nombre)};
        }
        if (o->es & marcas & marca_pagina) {
            return Error_uso{
                QT_TRANSLATE_NOOP("main", "talmiroc: una sola de --luna, --modulo y --onda\n")};
        }
        dadas.push_back(&*o);
        marcas |= o->es;
        if (Resultado e = o->accion(p, *o, valor)) return e;
        if (p.ayuda) return {};
    }
    if (solo_antes) return {};
    for (const Opcion* o : dadas) {
        if (o->pide && !(o->pide & marcas)) return Error_uso{o->sin_lo_que_pide};
        if (o->excluye & marcas) return Error_uso{o->con_lo_que_excluye};
    }
    if ((marcas & marca_tarjeta) && (marcas & marca_pagina)) {
        return Error_uso{QT_TRANSLATE_NOOP(
            "main", "talmiroc: --tarjeta no va con --luna, --modulo, --onda ni --año\n")};
    }
    if (!p.fecha.empty()) {
        const auto con_fecha =
            std::ranges::find(dadas, Valor::fecha, [](const Opcion* o) { return o->valor; });
        if (con_fecha == dadas.end()) {
            return Error_uso{
                QT_TRANSLATE_NOOP("main", "talmiroc: la fecha va con --luna, --modulo, --onda o --año\n")};
        }
        if (p.fecha.size() != 3) {
            return Error_uso{QT_TRANSLATE_NOOP("main", "talmiroc: %1 espera una fecha: DÍA MES AÑO\n"),
                             Nombre((*con_fecha)->nombre)};
        }
    }
    return {};
}

}  // namespace

std::span<const Opcion> Opciones() {
    return opciones;
}

QString Codigos_idiomas() {
    QStringList codigos;
    for (const Palabras* p : idiomas) codigos << Texto(p->idioma);
    return codigos.join(QLatin1Char('|'));
}

std::optional<Error_uso> Leer_programa(const std::vector<std::string>& argumentos,
                                       Pedido_programa& p) {
    if (!p.idioma) p.idioma = &Idioma_del_entorno();
    // The language first, so that every error is said in it; its own error
    // is found again, in its place, by the full reading.
    Pedido_programa antes = p;
    if (!Leer(argumentos, antes, true)) p.idioma = antes.idioma;
    return Leer(argumentos, p, false);
}

QString Ayuda_programa(const Palabras& idioma) {
    const auto t = [&idioma](const char* texto) { return Traducir(idioma, "main", texto); };
    QString s = t(QT_TRANSLATE_NOOP(
        "main",
        "Uso: talmiroc [--idioma IDIOMA] [--luna|--modulo|--onda [DÍA MES AÑO]]\n"
        "       talmiroc --luna|--año|--modulo|--onda [DÍA MES AÑO] --pdf ARCHIVO [--papel a4|carta]\n"
        "       talmiroc --tarjeta [DÍA MES AÑO] --png ARCHIVO | --svg ARCHIVO\n"
        "                [--forma cuadrada|vertical|ancha]\n"
        "       talmiroc --personas --importar ARCHIVO\n"
        "       talmiroc --bandeja [--idioma IDIOMA]\n"
        "\n"
        "Sin opciones abre la ventana del día en la fecha de hoy.\n"));
    // The options and their values in one column, their lines after it.
    std::vector<QString> nombres;
    qsizetype ancho = 0;
    for (const Opcion& o : opciones) {
        if (!o.ayuda) continue;
        const QString muestra = o.muestra ? t(o.muestra) : Codigos_idiomas();
        nombres.push_back(Nombre(o.nombre) + (muestra.isEmpty() ? QString() : QLatin1Char(' ') + muestra));
        ancho = std::max(ancho, nombres.back().size());
    }
    const QString sangria(2 + ancho + 2, QLatin1Char(' '));
    for (std::size_t i = 0; i < nombres.size(); ++i) {
        s += QStringLiteral("  ") + nombres[i].leftJustified(ancho + 2) +
             t(opciones[i].ayuda).replace(QLatin1Char('\n'), QLatin1Char('\n') + sangria) +
             QLatin1Char('\n');
    }
    return s + t(QT_TRANSLATE_NOOP(
                   "main",
                   "Sin fecha, hoy. La fecha se lee como la leen las tres casillas de la ventana.\n"
                   "En la ventana del día, el menú contextual (botón derecho o tecla Menú) y\n"
                   "Ctrl+L, Ctrl+M y Ctrl+O abren las mismas páginas.\n"));
}

}  // namespace talmiroc
