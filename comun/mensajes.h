// The windows' own messages: Imprimir's, all under one title. No date is
// shown; the print system refused the window, or a page. Written in Spanish, they are
// also the catalogues' source texts: the window shows them through
// Traducido, in its language.
#pragma once

#include <string_view>

#include <QCoreApplication>

namespace talmiroc {

inline constexpr std::string_view mensaje_sin_fecha =
    QT_TRANSLATE_NOOP("talmiroc::Calendario", "Debe introducir una fecha");
inline constexpr std::string_view mensaje_impresion_fallida =
    QT_TRANSLATE_NOOP("talmiroc::Calendario", "No se pudo imprimir la ventana");
inline constexpr std::string_view mensaje_hojas_fallidas =
    QT_TRANSLATE_NOOP("talmiroc::Calendario", "No se pudo imprimir la página");
inline constexpr std::string_view titulo_imprimir =
    QT_TRANSLATE_NOOP("talmiroc::Calendario", "Quenabre");

// One of the messages above in the windows' language.
inline QString Traducido(std::string_view mensaje) {
    return QCoreApplication::translate("talmiroc::Calendario", mensaje.data());
}

}  // namespace talmiroc
