// The window tests need a QApplication; listing them does not.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    // The people book and anything else of XDG_DATA_HOME: a folder of the
    // run's own, never the home folder's.
    const QTemporaryDir datos;
    qputenv("XDG_DATA_HOME", datos.path().toLocal8Bit());
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
