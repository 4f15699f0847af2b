// Speed of the window: one press of Calcular (both passes and every change to
// the controls, no painting), and the repaint that follows it.
//
// The window is the real `Calendario`, opened on a fixed day with the tests'
// recording effects. Each iteration types the next date of a round of dates
// (different seals and tones, 29 February, 25 July with its banner) into the
// three boxes. What is not being measured (typing, and the paint between two
// presses of Calcular) runs with the timer paused.
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <array>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>

#include "calendario.h"
#include "controles.h"
#include "efectos_grabados.h"
#include "etiqueta.h"
#include "imagen.h"
#include "principal_qt.h"

namespace talmiroc {
namespace {

struct Dia {
    const char* dia;
    const char* mes;
    const char* año;
};

constexpr std::array<Dia, 8> ronda = {{{"9", "4", "2003"},
                                       {"25", "7", "2003"},
                                       {"29", "2", "2004"},
                                       {"28", "7", "2004"},
                                       {"1", "1", "1990"},
                                       {"31", "12", "2099"},
                                       {"13", "3", "1957"},
                                       {"5", "11", "2024"}}};

class Ventana {
public:
    Ventana() : ventana_(efectos_), c(ventana_) {
        ventana_.Abrir();
        QCoreApplication::processEvents();
    }

    void Escribir(std::size_t i) {
        const Dia& d = ronda[i % ronda.size()];
        c.dia->setText(QString::fromUtf8(d.dia));
        c.mes->setText(QString::fromUtf8(d.mes));
        c.año->setText(QString::fromUtf8(d.año));
    }

    // Calculates every date of the round once and paints it, so that every
    // picture the round shows is in the cache.
    void Calentar() {
        for (std::size_t i = 0; i < ronda.size(); ++i) {
            Escribir(i);
            ventana_.Boton1_Click();
            QCoreApplication::processEvents();
        }
    }

    Calendario& operator*() { return ventana_; }

private:
    prueba::Efectos_grabados efectos_;
    Calendario ventana_;

public:
    prueba::Controles c;  // the window's controls, by name
};

// One press of Calcular: reading the boxes, both passes, every caption,
// colour, glyph and banner change. The window is painted between presses,
// with the timer paused, as it would be between two clicks.
void BM_Calcular(benchmark::State& state) {
    Ventana v;
    v.Calentar();
    std::size_t i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        v.Escribir(i++);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        (*v).Boton1_Click();
    }
    if (!v.c.fecha->isVisible() || v.c.fecha->Caption().isEmpty()) {
        state.SkipWithError("Calcular showed no date");
    }
}
BENCHMARK(BM_Calcular)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime()
    ->Iterations(400)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

// The repaint that follows a press of Calcular, with every picture already
// rendered: the window paints its changed labels and its seven glyphs.
// `svg_por_repintado` counts renderings from SVG per repaint (none are due).
void Repintar(benchmark::State& state, bool completo) {
    Ventana v;
    v.Calentar();
    const int antes = Cache_svg::Renderizados();
    std::size_t i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        v.Escribir(i++);
        (*v).Boton1_Click();
        state.ResumeTiming();
        if (completo) {
            (*v).repaint();
        } else {
            QCoreApplication::processEvents();
        }
    }
    state.counters["svg_por_repintado"] =
        benchmark::Counter(Cache_svg::Renderizados() - antes, benchmark::Counter::kAvgIterations);
}

void BM_Repintado_tras_Calcular(benchmark::State& state) {
    Repintar(state, false);
}
BENCHMARK(BM_Repintado_tras_Calcular)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime()
    ->Iterations(200)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

// The whole window repainted at once (repaint()), for comparison.
void BM_Repintado_completo(benchmark::State& state) {
    Repintar(state, true);
}
BENCHMARK(BM_Repintado_completo)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime()
    ->Iterations(200)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

// The same repaint with an empty picture cache: what rendering the seven
// glyphs from SVG would cost at every paint without the cache.
void BM_Repintado_sin_cache(benchmark::State& state) {
    Ventana v;
    v.Calentar();
    std::size_t i = 0;
    double renderizados = 0;
    for (auto _ : state) {
        state.PauseTiming();
        v.Escribir(i++);
        (*v).Boton1_Click();
        Cache_svg::Vaciar();
        state.ResumeTiming();
        QCoreApplication::processEvents();
        state.PauseTiming();
        renderizados += Cache_svg::Renderizados();
        state.ResumeTiming();
    }
    state.counters["svg_por_repintado"] =
        benchmark::Counter(renderizados, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Repintado_sin_cache)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime()
    ->Iterations(100)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace talmiroc

int main(int argc, char** argv) {
    return talmiroc::Principal_qt(argc, argv);
}
