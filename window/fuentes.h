// The faces the window was drawn with are Windows faces. Each is mapped to a
// free face of the same kind that the program's install brings along, so the
// window looks the same on every machine that lacks the original.
#pragma once

#include <QString>

namespace talmiroc {

// Registers the substitutions with QFont. Safe to call more than once.
void Instalar_sustituciones_fuentes();

// The name to give QFont for the Windows face `cara`. A QFont that names a
// face that is not installed costs Qt a search for fallback faces over every
// installed font before the substitution is taken, so where the installed
// face has every character the window writes in it, that face is named
// directly. Otherwise the original name stays, and with it the fallback that
// Qt picks for the missing characters. Unknown faces come back unchanged.
QString Cara_pedida(const QString& cara);

}  // namespace talmiroc
