// What a window tells screen readers beyond its accessible tree, the way
// Orca (over AT-SPI) takes it. For any window of the program: call both from
// its constructor, after its controls are made.
#pragma once

#include <QString>

class QWidget;

namespace talmiroc {

// From now on, whenever a control of `ventana` (a widget inside it at any
// depth, present or added later, such as the controls of a page shown or
// hidden with the page) is shown or hidden, screen readers are told that both
// its visible and its showing states changed. Qt tells only the showing state;
// a reader that once read a control while it was hidden would otherwise keep
// it "not visible" for good, and leave it out of its review of the window
// after it is shown again.
//   Avisar_visibilidad(this);  // then glyph->show() is heard as shown
void Avisar_visibilidad(QWidget* ventana);

// Has screen readers speak `texto` once, as one notice, without moving the
// keyboard focus; an empty text says nothing. Nothing is drawn: the notice is
// a control of `ventana` without size that is shown and hidden at once, and
// that the window's accessible tree need not list.
//   Anunciar(this, "Kin 153: Caminante del Cielo Planetario Rojo");
void Anunciar(QWidget* ventana, const QString& texto);

}  // namespace talmiroc
