// The calendar engine, whole: the count (cuenta.h), dates and the
// thirteen-moon year (fechas.h), the words of each language (palabras.h),
// the checks of a typed date (entrada.h), the description of a day
// (descripcion.h) and of moons and wavespells (descripcion_tiempo.h). No Qt.
#pragma once

#include "cuenta.h"
#include "descripcion.h"
#include "descripcion_tiempo.h"
#include "entrada.h"
#include "fechas.h"
#include "palabras.h"
#include "relaciones.h"
