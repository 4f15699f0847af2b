// The calendar engine, whole: the count (cuenta.h), dates and the
// thirteen-moon year (fechas.h), the words of each language (palabras.h),
// the checks of a typed date (entrada.h) and the description of a day
// (descripcion.h). No Qt.
#pragma once

#include "cuenta.h"
#include "descripcion.h"
#include "entrada.h"
#include "fechas.h"
#include "palabras.h"
