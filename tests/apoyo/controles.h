// The window's controls as a test sees them: found by their names, the way
// any Qt program finds a child, and never through the window's members.
#pragma once

#include <array>
#include <cstddef>
#include <utility>

#include <QLineEdit>
#include <QString>

#include "boton.h"
#include "calendario.h"
#include "etiqueta.h"
#include "imagen.h"
#include "tzolkin.h"

namespace talmiroc::prueba {

class Controles {
public:
    // The three images of one seal: 0 large glyph, 1 centre, 2 oracle glyph.
    using Arreglo_sello = std::array<Imagen*, 3>;

    explicit Controles(Calendario& v) : ventana(&v) {
        const std::pair<QLineEdit**, const char*> cajas[] = {
            {&dia, "dia"}, {&mes, "mes"}, {&año, "año"}};
        for (const auto& [caja, n] : cajas) *caja = Hijo<QLineEdit>(n);
        const std::pair<Boton**, const char*> botones[] = {
            {&Boton1, "Boton1"}, {&Boton2, "Boton2"}, {&Boton3, "Boton3"},
            {&Boton4, "Boton4"}, {&Boton5, "Boton5"}, {&Command1, "Command1"}};
        for (const auto& [boton, n] : botones) *boton = Hijo<Boton>(n);
        const std::pair<Etiqueta**, const char*> etiquetas[] = {
            {&fecha, "fecha"},     {&a_maya, "a_maya"},
            {&nombre, "nombre"},   {&Onda_encantada, "Onda_encantada"},
            {&inter, "inter"},     {&diafueradeltiempo, "diafueradeltiempo"},
            {&Label1, "Label1"},   {&Label2, "Label2"},
            {&Label3, "Label3"},   {&Label4, "Label4"},
            {&Label5, "Label5"},   {&Label6, "Label6"},
            {&Label7, "Label7"},   {&Label8, "Label8"},
            {&Label9, "Label9"},   {&creado1, "creado1"},
            {&creado2, "creado2"}, {&creado3, "creado3"},
            {&creado4, "creado4"}, {&creado5, "creado5"}};
        for (const auto& [etiqueta, n] : etiquetas) *etiqueta = Hijo<Etiqueta>(n);
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
    T* Hijo(const char* nombre) const {
        return ventana->findChild<T*>(QString::fromUtf8(nombre));
    }

    std::array<Arreglo_sello, 21> sellos_{};
};

}  // namespace talmiroc::prueba
