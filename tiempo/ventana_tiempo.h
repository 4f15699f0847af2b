// The count over time, in a window of its own: the 28 days of a moon, the
// harmonic module of the 260 kins, the wavespell of a kin, and how the count
// is kept here.
//
// One day is selected at a time, and every page shows it: its moon, its kin
// in the module, its wavespell. Picking a kin in the module or the
// wavespell selects that kin's day in the 260-day round being shown. Enter,
// or a double click on a day, reads the day in full in the day window.
//
// Every calendar fact comes from the engine (descripcion_tiempo.h); the
// window lays it out.
#pragma once

#include <functional>
#include <optional>

#include <QWidget>

#include "paginas.h"
#include "tzolkin.h"

class QLabel;
class QLayout;
class QModelIndex;
class QPushButton;
class QTabWidget;
class QTableView;

namespace talmiroc {

class Efectos;
class Modelo_luna;
class Modelo_modulo;
class Modelo_onda;
class Pagina_personas;

class Ventana_tiempo : public QWidget {
    Q_OBJECT

public:
    // `mostrar_dia` reads a day in the day window. Today comes from `efectos`;
    // the language is the windows' (Palabras_ventana, idioma_qt.h).
    // Controls are named for tests: `luna`, `modulo`, `onda` (the grids),
    // `paginas`, `titulo_luna`, `luna_anterior`, `luna_siguiente`,
    // `año_anterior`, `año_siguiente`, `hoy`, `imprimir`, `guardar_pdf`,
    // `pagina_personas` (the people book, pagina_personas.h).
    Ventana_tiempo(Efectos& efectos, std::function<void(const Fecha&)> mostrar_dia,
                   QWidget* parent = nullptr);
    ~Ventana_tiempo() override;

    // Shows the page on `fecha` (today when empty), raised and with the
    // keyboard in the page's grid.
    void Abrir(Pagina_tiempo pagina, std::optional<Fecha> fecha = std::nullopt);

    Fecha Seleccionada() const { return seleccion_; }
    Pagina_personas* Personas() const { return personas_; }
    void Seleccionar(const Fecha& fecha);
    void Seleccionar_kin(Kin kin);  // its day in the round of the selected day
    void Mover_dias(int dias);
    void Mover_lunas(int lunas);
    void Mover_semana(int paso);  // -7 or 7 days of the moon, in the same plasma
    void Ir_a_hoy();
    // In the day window; a day it cannot show (a year of more digits than its
    // year box holds) is said in a message, and nothing changes.
    void Mostrar_seleccion();
    // The page shown, the moon or the module with the selected kin, on
    // paper: through the print dialog, or into a PDF file chosen in a file
    // dialog. Nothing on the other pages.
    void Imprimir();
    void Guardar_pdf();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Crear_paginas();
    QWidget* Crear_pagina_luna();
    QWidget* Crear_pagina_modulo();
    QWidget* Crear_pagina_onda();
    QWidget* Crear_pagina_como();
    QTableView* Crear_rejilla(const QString& nombre, const QString& accesible);
    QLayout* Crear_botones_impresion();

    void Ajustar_a_pantalla();  // within the screen's free area
    void Enfocar_pagina();      // the keyboard to the page's grid, or its text
    void Actualizar();          // every page from the selected day
    void Enfocar_seleccion();   // the grids' current cells follow the selection
    void Luna_pulsada(const QModelIndex& indice);
    void Modulo_pulsado(const QModelIndex& indice);
    void Onda_pulsada(const QModelIndex& indice);
    bool Tecla(QTableView* vista, int tecla);  // true when the key was the window's

    Efectos& efectos_;
    const Palabras& palabras_;  // the windows' language, as when it was made
    std::function<void(const Fecha&)> mostrar_dia_;
    Fecha hoy_{1, 1, 2000};
    Fecha seleccion_{1, 1, 2000};
    bool sincronizando_ = false;
    bool ajustada_ = false;

    QTabWidget* paginas_ = nullptr;
    QPushButton* imprimir_ = nullptr;
    QPushButton* guardar_pdf_ = nullptr;
    QLabel* titulo_luna_ = nullptr;
    QLabel* titulo_modulo_ = nullptr;
    QLabel* titulo_onda_ = nullptr;
    QTableView* vista_luna_ = nullptr;
    QTableView* vista_modulo_ = nullptr;
    QTableView* vista_onda_ = nullptr;
    Modelo_luna* modelo_luna_ = nullptr;
    Modelo_modulo* modelo_modulo_ = nullptr;
    Modelo_onda* modelo_onda_ = nullptr;
    Pagina_personas* personas_ = nullptr;
};

}  // namespace talmiroc
