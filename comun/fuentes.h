// The faces the window was drawn with are Windows faces. Each is mapped to a
// free face of the same kind that the program's install brings along, so the
// window looks the same on every machine that lacks the original.
#pragma once

#include <thread>

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

// Reads the machine's font configuration (fontconfig's files and its list of
// installed fonts, the longest part of drawing a first text) on another
// thread while Qt starts, so that the window's first font finds it read.
// Made before QApplication; Esperar() before anything asks for a font (two
// readings at once would both be made). Destroying it waits too.
//   Fuentes_adelantadas fuentes;  QApplication app(argc, argv);
//   fuentes.Esperar();            Calendario ventana(efectos);
class Fuentes_adelantadas {
public:
    Fuentes_adelantadas();
    ~Fuentes_adelantadas() { Esperar(); }
    Fuentes_adelantadas(const Fuentes_adelantadas&) = delete;
    Fuentes_adelantadas& operator=(const Fuentes_adelantadas&) = delete;

    void Esperar() {
        if (hilo_.joinable()) hilo_.join();
    }

private:
    std::thread hilo_;
};

}  // namespace talmiroc
