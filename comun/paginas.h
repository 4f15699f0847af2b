// The pages of the count over time, as the windows ask each other for them.
// The day window opens them from its menu and shortcuts without knowing the
// window that shows them: the program hands it an Abrir_pagina.
#pragma once

#include <functional>
#include <optional>

#include "tzolkin.h"

namespace talmiroc {

// The pages, in their order.
enum class Pagina_tiempo : int { luna = 0, modulo = 1, onda = 2, como = 3, personas = 4 };

// Shows `pagina` on a date (today when empty), e.g. the moon of 13 Nov 2013:
// abrir(Pagina_tiempo::luna, Fecha{13, 11, 2013}).
using Abrir_pagina = std::function<void(Pagina_tiempo, std::optional<Fecha>)>;

}  // namespace talmiroc
