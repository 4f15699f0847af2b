// The window's controls as a test sees them: found by their names, the way
// any Qt program finds a child, and never through the window's members.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <vector>

#include <QApplication>
#include <QLineEdit>
#include <QString>

#include "boton.h"
#include "calendario.h"
#include "etiqueta.h"
#include "imagen.h"
#include "tzolkin.h"
#include "ventana_tiempo.h"

namespace talmiroc::prueba {

class Controles {
public:
    // The three images of one seal: 0 large glyph, 1 centre, 2 oracle glyph.
    using Arreglo_sello = std::array<Imagen*, 3>;

    explicit Controles(Calendario& v) : ventana(&v) {
#define HIJO(control) Hijo(control, #control)
        HIJO(dia), HIJO(mes), HIJO(año);
        HIJO(Boton1), HIJO(Boton2), HIJO(Boton3), HIJO(Boton4), HIJO(Boton5), HIJO(Command1);
        HIJO(fecha), HIJO(a_maya), HIJO(nombre), HIJO(Onda_encantada), HIJO(inter);
        HIJO(diafueradeltiempo), HIJO(Label1), HIJO(Label2), HIJO(Label3), HIJO(Label4);
        HIJO(Label5), HIJO(Label6), HIJO(Label7), HIJO(Label8), HIJO(Label9);
        HIJO(creado1), HIJO(creado2), HIJO(creado3), HIJO(creado4), HIJO(creado5);
#undef HIJO
        for (int t = 1; t <= 13; ++t) {
            tono[static_cast<std::size_t>(t)] =
                ventana->findChild<Imagen*>(QStringLiteral("tono(%1)").arg(t));
        }
        for (std::size_t s = 0; s <= 20; ++s) {
            const std::string_view n = arreglos_sello[s];
            for (int e = 0; e < 3; ++e) {
                sellos_[s][static_cast<std::size_t>(e)] = ventana->findChild<Imagen*>(
                    QStringLiteral("%1(%2)")
                        .arg(QString::fromLatin1(n.data(), static_cast<qsizetype>(n.size())))
                        .arg(e));
            }
        }
    }

    // The images of seal 1..20 (0 is Sol, like 20); null outside 0..20.
    const Arreglo_sello* Arreglo_de(int sello) const {
        return sello >= 0 && sello <= 20 ? &sellos_[static_cast<std::size_t>(sello)] : nullptr;
    }
    const Arreglo_sello* Arreglo_de(Sello sello) const { return Arreglo_de(sello.valor); }

    // Visible seal images of one element (0 large, 1 centre, 2 oracle), in
    // seal order; visible tone images, in tone order.
    std::vector<Imagen*> Visibles(int elemento) const {
        std::vector<Imagen*> r;
        for (const Arreglo_sello& s : std::span(sellos_).subspan(1)) {
            if (s[static_cast<std::size_t>(elemento)]->isVisible())
                r.push_back(s[static_cast<std::size_t>(elemento)]);
        }
        return r;
    }
    std::vector<Imagen*> Tonos_visibles() const {
        std::vector<Imagen*> r;
        for (Imagen* t : std::span(tono).subspan(1)) {
            if (t->isVisible()) r.push_back(t);
        }
        return r;
    }

    Calendario* ventana;
    QLineEdit *dia = nullptr, *mes = nullptr, *año = nullptr;
    Boton *Boton1 = nullptr, *Boton2 = nullptr, *Boton3 = nullptr, *Boton4 = nullptr,
          *Boton5 = nullptr, *Command1 = nullptr;
    Etiqueta *fecha = nullptr, *a_maya = nullptr, *nombre = nullptr, *Onda_encantada = nullptr,
             *inter = nullptr, *diafueradeltiempo = nullptr;
    Etiqueta *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
             *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr,
             *Label9 = nullptr;
    Etiqueta *creado1 = nullptr, *creado2 = nullptr, *creado3 = nullptr, *creado4 = nullptr,
             *creado5 = nullptr;
    std::array<Imagen*, 14> tono{};  // 1..13

private:
    template <typename T>
    void Hijo(T*& control, const char* nombre) const {
        control = ventana->findChild<T*>(QString::fromUtf8(nombre));
    }

    std::array<Arreglo_sello, 21> sellos_{};
};

// The count over time's window when it is shown, found among the top-level
// windows as a user would see it; null while it is hidden.
inline Ventana_tiempo* Tiempo() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* t = qobject_cast<Ventana_tiempo*>(w); t && t->isVisible()) return t;
    }
    return nullptr;
}

}  // namespace talmiroc::prueba
