#include "fuentes.h"

#include <QFont>

namespace talmiroc {

namespace {

struct Sustitucion {
    QLatin1StringView original;
    QLatin1StringView instalada;
    bool completa;  // the installed face has every character the window writes in it
};

// OCRA has no accented letters: the "á" of "Oráculo" comes from the fallback
// for "Westminster" (DejaVu Sans). Asked for by name, OCRA would fall back to
// another face (Noto Sans Mono) and draw a taller line.
constexpr Sustitucion sustituciones[] = {
    {QLatin1StringView("MS Sans Serif"), QLatin1StringView("Liberation Sans"), true},
    {QLatin1StringView("Times New Roman"), QLatin1StringView("Liberation Serif"), true},
    {QLatin1StringView("Westminster"), QLatin1StringView("OCRA"), false},
    {QLatin1StringView("Old English Text MT"), QLatin1StringView("Blankenburg_UNZ1A"), true},
};

}  // namespace

void Instalar_sustituciones_fuentes() {
    for (const Sustitucion& s : sustituciones) QFont::insertSubstitution(s.original, s.instalada);
}

QString Cara_pedida(const QString& cara) {
    for (const Sustitucion& s : sustituciones) {
        if (cara == s.original && s.completa) return s.instalada;
    }
    return cara;
}

}  // namespace talmiroc
