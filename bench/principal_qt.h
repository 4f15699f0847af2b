// The main of a benchmark program that drives Qt widgets: the offscreen
// platform unless QT_QPA_PLATFORM says otherwise, one QApplication, then
// every registered benchmark.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

namespace talmiroc {

inline int Principal_qt(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace talmiroc
