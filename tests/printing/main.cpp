// The printing tests need a QApplication and their own print system; listing
// them needs neither.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "cups.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    // Before Qt or anything else asks CUPS which printers there are.
    talmiroc::prueba::Preparar_sistema_privado();
    int resultado = 0;
    {
        const QTemporaryDir datos;  // the people book's folder: the run's own
        qputenv("XDG_DATA_HOME", datos.path().toLocal8Bit());
        QApplication app(argc, argv);
        resultado = RUN_ALL_TESTS();
    }
    talmiroc::prueba::Apagar_sistema_privado();
    return resultado;
}
