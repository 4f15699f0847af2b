// The faces the window was drawn with are Windows faces. Each is mapped to a
// free face of the same kind that the program's install brings along, so the
// window looks the same on every machine that lacks the original.
#pragma once

#include <QString>
#include <QStringList>

namespace talmiroc {

// Registers the substitutions with QFont. Safe to call more than once.
void Instalar_sustituciones_fuentes();

// The faces to give QFont (QFont::setFamilies) for the Windows face `cara`:
// the installed face that stands in for it, then, where that face lacks
// characters the window writes in it, the face those are drawn in. Naming
// installed faces spares Qt a search for fallback faces over every installed
// font, which it makes for a name that is not installed before taking its
// substitution. Unknown faces come back unchanged.
QStringList Caras_pedidas(const QString& cara);

}  // namespace talmiroc
