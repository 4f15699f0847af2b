// The language the windows speak. The engine's words (`Palabras`) compose
// every calendar text they show; Qt's catalogues translate what only the
// windows say, their tr() texts, which are written in Spanish and so need no
// catalogue in Spanish; and Qt's own words in message boxes and the print
// dialog.
#pragma once

#include <QString>

#include "idiomas.h"
#include "tzolkin.h"

namespace talmiroc {

// The windows' language: Spanish until Fijar_idioma says otherwise.
const Palabras& Palabras_ventana();

// Makes `p` the language of the windows made from now on, and installs the
// program's catalogue talmiroc_<code>.qm (compiled in) in the running
// application in place of the previous language's. Qt's own words wait for
// Cargar_palabras_qt.
void Fijar_idioma(const Palabras& p);

// Qt's own words in the windows' language (qtbase_<code>, from Qt's
// translations), loaded the first time a message box or the print dialog
// opens: start-up does not pay for them.
void Cargar_palabras_qt();

// A text of the program's catalogue in language `p`, for what is said before
// there is an application (the command line's help and refusals).
// Traducir(palabras_es, "main", "Uso: ...") == "Uso: ...".
QString Traducir(const Palabras& p, const char* contexto, const char* texto);

}  // namespace talmiroc
