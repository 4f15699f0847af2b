// The window's own messages: Imprimir's, both under one title. No date is
// shown; the print system refused the page.
#pragma once

#include <string_view>

namespace talmiroc {

inline constexpr std::string_view mensaje_sin_fecha = "Debe introducir una fecha";
inline constexpr std::string_view mensaje_impresion_fallida = "No se pudo imprimir la ventana";
inline constexpr std::string_view titulo_imprimir = "Quenabre";

}  // namespace talmiroc
