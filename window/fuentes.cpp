#include "fuentes.h"

#include <QFont>

namespace talmiroc {

void Instalar_sustituciones_fuentes() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Westminster"), QStringLiteral("OCRA"));
    QFont::insertSubstitution(QStringLiteral("Old English Text MT"),
                              QStringLiteral("Blankenburg_UNZ1A"));
}

}  // namespace talmiroc
