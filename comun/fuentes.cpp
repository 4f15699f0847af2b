#include "fuentes.h"

#include <fontconfig/fontconfig.h>

#include <QFont>

namespace talmiroc {

namespace {

struct Sustitucion {
    QLatin1StringView original;
    QLatin1StringView instalada;
    QLatin1StringView prestada;  // for the characters `instalada` lacks, if any
};

// OCRA has no accented letters. The "á" of "Oráculo" has always come from
// the face fontconfig gives in place of "Westminster", its default sans
// (DejaVu Sans on Debian, where it comes with fontconfig). Left to itself,
// Qt would look for a fallback that resembles OCRA (Noto Sans Mono) and draw
// a taller line.
constexpr Sustitucion sustituciones[] = {
    {QLatin1StringView("MS Sans Serif"), QLatin1StringView("Liberation Sans"), {}},
    {QLatin1StringView("Times New Roman"), QLatin1StringView("Liberation Serif"), {}},
    {QLatin1StringView("Westminster"), QLatin1StringView("OCRA"), QLatin1StringView("DejaVu Sans")},
    {QLatin1StringView("Old English Text MT"), QLatin1StringView("Blankenburg_UNZ1A"), {}},
};

}  // namespace

void Instalar_sustituciones_fuentes() {
    for (const Sustitucion& s : sustituciones) QFont::insertSubstitution(s.original, s.instalada);
}

Fuentes_adelantadas::Fuentes_adelantadas() : hilo_([] { FcInit(); }) {}

QStringList Caras_pedidas(const QString& cara) {
    for (const Sustitucion& s : sustituciones) {
        if (cara != s.original) continue;
        QStringList caras{s.instalada};
        if (!s.prestada.isEmpty()) caras << s.prestada;
        return caras;
    }
    return {cara};
}

}  // namespace talmiroc
