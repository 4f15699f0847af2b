// The faces the window was drawn with are Windows faces. Each is mapped to a
// free face of the same kind that the program's install brings along, so the
// window looks the same on every machine that lacks the original.
#pragma once

namespace talmiroc {

// Registers the substitutions with QFont. Safe to call more than once.
void Instalar_sustituciones_fuentes();

}  // namespace talmiroc
