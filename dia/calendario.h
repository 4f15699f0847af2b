// The window `Calendario`: date entry, the six commands, the texts of the
// day's kin, its seal and tone glyphs, the oracle cross and the credits view.
//
// The window holds the values that one calculation carries from procedure to
// procedure, and its procedures only move those values between the calendar
// engine (tzolkin.h) and the controls: captions, texts, colours, visibility
// and positions. Every calendar fact comes from the engine.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include <QColor>
#include <QSize>
#include <QWidget>

#include "paginas.h"
#include "tzolkin.h"

class QAction;
class QKeyEvent;
class QMenu;
class QLineEdit;

namespace talmiroc {

class Boton;
class Efectos;
class Etiqueta;
class Imagen;

class Calendario : public QWidget {
    Q_OBJECT

public:
    // Creates the window with its stored layout and loads it (Form_Load):
    // it opens on today's kin, as `efectos` tells today, in the windows'
    // language (Palabras_ventana, idioma_qt.h). Every control's
    // objectName is its name: `dia`, `Boton1`, `fecha`, `tono(7)`, `Dragon(2)`.
    explicit Calendario(Efectos& efectos, QWidget* parent = nullptr);
    ~Calendario() override;

    // Centres the window on its screen, shows it and takes the keyboard.
    void Abrir();

    // Screen readers (AT-SPI) see the window through its accessible tree:
    // only the controls that are shown and have something to say, each
    // named in the window's language (see the accessible interface in calendario.cpp).
    //
    // Handlers, named after their control and event.
    void Form_Load();
    void Boton1_Click();    // Calcular
    void Boton2_Click();    // Limpiar, also the window's one reset step
    void Boton3_Click();    // Salir
    void Boton4_Click();    // Acerca de: the credits view
    void Boton5_Click();    // Aceptar: back to the main view
    void Command1_Click();  // Imprimir

    // Ctrl+C when no text box holds a selection: the day's reading as plain
    // text on the clipboard, exactly what `tzolkin` prints for the date.
    // A screen reader hears "Lectura copiada". With no date shown it copies
    // nothing and says nothing.
    void Copiar_lectura();

    // The day's kin card (tarjeta.h), from the context menu: saved where a
    // file dialog says, in the shape and format chosen there (a failure is
    // told), or copied square, as PNG with its SVG beside. With no date
    // shown both are disabled and do nothing.
    void Guardar_tarjeta();
    void Copiar_tarjeta();

    // The count over time, in the window the program hands in with
    // Fijar_paginas: the page on `fecha`, today when empty. The window's
    // context menu and Ctrl+L, Ctrl+M, Ctrl+O open its pages on the last day
    // read; without a window handed in they do nothing.
    void Fijar_paginas(Abrir_pagina abrir);
    void Abrir_tiempo(Pagina_tiempo pagina, std::optional<Fecha> fecha = std::nullopt);

    // A day asked for from elsewhere: its three boxes filled and Calcular
    // pressed, in the main view, the window shown and raised.
    void Mostrar_dia(const Fecha& f);

    // Procedures of a calculation; they take and give window-level values.
    void Inicio_calculo();        // one pass, chosen by `pasada`
    void Procedimiento_zorvel();  // the seal and tone glyphs of C2 and C1
    void Oraculo();               // the oracle cross of the day
    void Meditacion();            // the affirmation into `inter`

protected:
    void keyPressEvent(QKeyEvent* evento) override;              // Ctrl+C on a button or the window
    bool eventFilter(QObject* objeto, QEvent* evento) override;  // Ctrl+C in a text box
    void contextMenuEvent(QContextMenuEvent* evento) override;   // the pages of the count

private:
    // The layout tables (disposicion.cpp) name the controls below.
    struct Disposicion;

    // The three images of one seal: 0 the large glyph, 1 the centre of the
    // oracle cross, 2 the oracle glyph that the cross moves to its places.
    using Arreglo_sello = std::array<Imagen*, 3>;

    void Adelantar_imagenes();
    void Crear_ventana();
    void Crear_etiquetas();
    void Crear_imagenes();
    void Crear_cajas();
    void Crear_botones();
    void Crear_orden_tabulacion();
    void Crear_menu();

    void Fijar_fondo(const QColor& color);
    void Fijar_tamano_exterior(QSize exterior);  // twips, frame included
    void Mostrar_vista(bool creditos);           // the credits view, or the main one
    void Ocultar_creditos();                     // what only the credits view shows
    bool Seleccion_en_caja() const;              // some text box holds a selection
    void Anunciar_lectura();                     // after Calcular: screen readers speak the kin

    // The image array of a seal 1..20; 0 is `Sol` like 20. Null outside 0..20.
    Arreglo_sello* Arreglo_de(int sello);
    Imagen* Imagen_de(int sello, int elemento);

    Efectos& efectos_;
    // The language of every text the window shows, in its own spellings
    // (Palabras_dia); the kin card it saves is written in Palabras_ventana.
    const Palabras& palabras_;

    // Luna, Módulo armónico, Onda encantada: the context menu, with their shortcuts.
    QList<QAction*> acciones_tiempo_;
    Abrir_pagina abrir_pagina_;
    // Guardar tarjeta…, Copiar tarjeta: after the pages in the context menu.
    QList<QAction*> acciones_tarjeta_;
    void Menu_contextual(QMenu& menu);  // the pages and the card, the card only with a date
    std::optional<Fecha> leida_;  // the last day Calcular read

    // The description of the day last accepted by Calcular.
    Lectura_dia lectura_{};

    // Controls. Text boxes:
    QLineEdit* dia = nullptr;
    QLineEdit* mes = nullptr;
    QLineEdit* año = nullptr;
    // Buttons:
    Boton* Boton1 = nullptr;
    Boton* Boton2 = nullptr;
    Boton* Boton3 = nullptr;
    Boton* Boton4 = nullptr;
    Boton* Boton5 = nullptr;
    Boton* Command1 = nullptr;
    // Labels that receive the computed texts, and the banner:
    Etiqueta* fecha = nullptr;
    Etiqueta* a_maya = nullptr;
    Etiqueta* nombre = nullptr;
    Etiqueta* Onda_encantada = nullptr;
    Etiqueta* inter = nullptr;
    Etiqueta* diafueradeltiempo = nullptr;
    // Fixed caption labels, the backdrop `Label9` and the credits:
    Etiqueta* Label1 = nullptr;
    Etiqueta* Label2 = nullptr;
    Etiqueta* Label3 = nullptr;
    Etiqueta* Label4 = nullptr;
    Etiqueta* Label5 = nullptr;
    Etiqueta* Label6 = nullptr;
    Etiqueta* Label7 = nullptr;
    Etiqueta* Label8 = nullptr;
    Etiqueta* Label9 = nullptr;
    Etiqueta* creado1 = nullptr;
    Etiqueta* creado2 = nullptr;
    Etiqueta* creado3 = nullptr;
    Etiqueta* creado4 = nullptr;
    Etiqueta* creado5 = nullptr;
    // Image arrays: the tone numerals, elements 1..13 (element 0 does not
    // exist and stays null), and one array per seal, named as in sellos.def:
    // Dragon, Viento, ... Sol.
    std::array<Imagen*, 14> tono{};
#define SELLO(n, arreglo, maya) Arreglo_sello arreglo{};
#include "sellos.def"
#undef SELLO

    // Window-level values. They keep their contents between commands; the
    // next calculation overwrites them.
    int dia1 = 0, mes1 = 0;  // the entered date, as read from the text boxes
    std::int64_t año_maya = 0;
    int pasada = 0;                        // 0 counts the entered date, 1 the year bearer's
    int dia_calculo = 0, mes_calculo = 0;  // the date the current pass counts
    std::int64_t año_calculo = 0;
    int kin_calculo = 0;
    int C1 = 0;                                    // tone of the current pass
    int C2 = 0;                                    // seal of the current pass
    std::string_view color_m, color_f;             // colour words of C2
    int tono_dia = 0, sello_dia = 0, kin_dia = 0;  // the entered date's, from pass 0
    int sello_onda = 0;                            // wavespell seal 0..20 of pass 0
    std::string_view castillo;                     // castle line of pass 0
    int sello_guia = 0;  // guide seal of the last calculation; 0 before the first
};

}  // namespace talmiroc
