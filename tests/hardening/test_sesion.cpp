// Long random sessions through the real window: a seeded stream of keys,
// clicks and pastes, as a person at the keyboard and mouse would give them,
// with the window's invariants checked after every single key and click.
//
// Replay a failing session with the seed and the action count it prints:
//   TALMIROC_SEMILLA=3 TALMIROC_ACCIONES=1234 talmiroc_hardening_tests
//       --gtest_filter='Sesiones/*'
#include <cstdlib>
#include <deque>
#include <map>
#include <random>
#include <sstream>

#include <QClipboard>
#include <QKeySequence>

#include "invariantes.h"
#include "mensajes.h"

namespace talmiroc::prueba {
namespace {

// Actions per seed; four seeds make 100,000. Fast enough for the sanitizer
// build too (about ten seconds a seed there).
constexpr long acciones_por_sesion = 25'000;

// ---------------------------------------------------------------------------
// Actions

// As the failure report writes them:
//   escribir dia "3a"      click the place of a box, type the text
//   fecha "25" "07" "2003" for each box: click its place, Ctrl+A, type
//   clic 123 45            left click at a point of the main view's area
//   boton Boton4           left click at the middle of a button's place
//   tecla Alt+C, tecla Tab a key to whatever has the focus
//   pegar "12"             the text to the clipboard, then Ctrl+V
// Text: printable ASCII as it is, any other character as \u{hex}; control
// characters are typed as their keys (Tab, Return, Ctrl and a letter...).
enum class Tipo { escribir, fecha, clic, boton, alt, tecla, pegar };

struct Accion {
    Tipo tipo{};
    int caja = 0;                 // escribir: 0 dia, 1 mes, 2 año
    std::vector<QString> textos;  // escribir and pegar: one; fecha: day, month, year
    QPoint punto;                 // clic, in window pixels
    int boton = 0;                // index into `botones`
    Qt::Key tecla = Qt::Key_unknown;
    Qt::KeyboardModifiers mod;
};

// The text boxes and the buttons, where a person aims: at the centre of
// each one's place in the layout, shown or not.
const char* const cajas[] = {"dia", "mes", "año"};
const char* const botones[] = {"Boton1", "Boton2", "Boton3", "Boton4", "Boton5", "Command1"};

// A text in a replayable form: printable ASCII as it is, the rest as \u{...}.
std::string Escapado(const QString& s) {
    std::ostringstream o;
    o << '"';
    for (char32_t c : s.toUcs4()) {
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
            o << static_cast<char>(c);
        } else {
            o << "\\u{" << std::hex << std::uppercase << static_cast<std::uint32_t>(c) << std::dec
              << '}';
        }
    }
    o << '"';
    return o.str();
}

std::string Describir(const Accion& a) {
    switch (a.tipo) {
        case Tipo::escribir:
            return std::string("escribir ") + cajas[a.caja] + " " + Escapado(a.textos[0]);
        case Tipo::fecha:
            return "fecha " + Escapado(a.textos[0]) + " " + Escapado(a.textos[1]) + " " +
                   Escapado(a.textos[2]);
        case Tipo::clic:
            return "clic " + std::to_string(a.punto.x()) + " " + std::to_string(a.punto.y());
        case Tipo::boton:
            return std::string("boton ") + botones[a.boton];
        case Tipo::alt:
        case Tipo::tecla:
            return "tecla " + U8(QKeySequence(QKeyCombination(a.mod, a.tecla)).toString());
        case Tipo::pegar:
            return "pegar " + Escapado(a.textos[0]);
    }
    return {};
}

// The stream of actions of one seed. It depends on the seed only, never on
// what the window does, so a seed always gives the same list.
class Generador {
public:
    explicit Generador(std::uint32_t semilla) : rng_(semilla) {}

    Accion Siguiente() {
        Accion a;
        if (calcular_) {  // a date was just typed: most of the time Calcular follows
            calcular_ = false;
            if (Con(75)) {
                if (Con(80)) {
                    a.tipo = Tipo::boton;
                    a.boton = 0;
                } else {
                    a.tipo = Tipo::alt;
                    a.tecla = Qt::Key_C;
                    a.mod = Qt::AltModifier;
                }
                return a;
            }
        }
        const int r = Entre(0, 99);
        if (r < 12) {
            a.tipo = Tipo::fecha;
            a.textos = Fecha_tecleada();
            calcular_ = true;
        } else if (r < 34) {
            a.tipo = Tipo::escribir;
            a.caja = Entre(0, 2);
            a.textos = {Basura(Entre(1, 6))};
        } else if (r < 52) {
            a.tipo = Tipo::boton;
            a.boton = De({30, 15, 4, 15, 18, 18});
        } else if (r < 67) {
            a.tipo = Tipo::clic;
            a.punto = QPoint(Entre(0, vista_principal.width() - 1),
                             Entre(0, vista_principal.height() - 1));
        } else if (r < 77) {
            a.tipo = Tipo::alt;
            a.mod = Qt::AltModifier;
            static const Qt::Key letras[] = {Qt::Key_C, Qt::Key_L, Qt::Key_A, Qt::Key_I, Qt::Key_S};
            const int i = De({20, 20, 20, 20, 3, 17});
            a.tecla = i < 5 ? letras[i]
                            : static_cast<Qt::Key>(Con(70) ? Qt::Key_A + Entre(0, 25)
                                                           : Qt::Key_0 + Entre(0, 9));
        } else if (r < 95) {
            a.tipo = Tipo::tecla;
            static const std::pair<Qt::Key, Qt::KeyboardModifiers> teclas[] = {
                {Qt::Key_Tab, Qt::NoModifier},       {Qt::Key_Tab, Qt::ShiftModifier},
                {Qt::Key_Space, Qt::NoModifier},     {Qt::Key_Return, Qt::NoModifier},
                {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_Escape, Qt::NoModifier},
                {Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_Delete, Qt::NoModifier},
                {Qt::Key_Left, Qt::NoModifier},      {Qt::Key_Home, Qt::NoModifier},
                {Qt::Key_End, Qt::ShiftModifier}};
            const auto& [tecla, mod] = teclas[De({35, 10, 12, 10, 5, 5, 8, 5, 4, 3, 3})];
            a.tecla = tecla;
            a.mod = mod;
        } else {
            a.tipo = Tipo::pegar;
            a.textos = {Basura(Entre(0, 8))};
        }
        return a;
    }

private:
    int Entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng_); }
    bool Con(int por_ciento) { return Entre(0, 99) < por_ciento; }
    int De(std::initializer_list<double> pesos) {
        return std::discrete_distribution<int>(pesos)(rng_);
    }

    // Any characters: digits and blanks most, then letters, Spanish and other
    // scripts, characters beyond the BMP, and control characters.
    QString Basura(int largo) {
        static const std::u32string grupos[] = {
            U"0123456789",
            U" +-\t",
            U"aZxO.,/:;'\"!?()*#@&%",
            U"ñÑáéíóúü¿¡º°\u00A0",
            U"\u0663\uFF15\u20AC\u6F22\u0301\u200D\u202E\uFEFF\uFFFD\uFFFF",
            U"\U0001F600\U0001D7D9\U00010348",
            U"\x01\x03\x08\x0D\x16\x18\x1A\x1B\x1F\x7F\x00",
        };
        QString s;
        for (int i = 0; i < largo; ++i) {
            const std::u32string& g = grupos[De({35, 10, 15, 10, 10, 10, 10})];
            const char32_t c = g[static_cast<std::size_t>(Entre(0, int(g.size()) - 1))];
            s += QString::fromUcs4(&c, 1);
        }
        return s;
    }

    // Dates that make calculations happen: any accepted date, 25 July,
    // 29 February, the years 38 and 9999, and near misses; sometimes written
    // with a leading zero, blank or sign.
    std::vector<QString> Fecha_tecleada() {
        int d = 0, m = Entre(1, 12), y = Entre(38, 9999);
        d = Entre(1, m == 2 ? 29 : 31);
        static const std::array<int, 3> casi[] = {{30, 2, 2004}, {31, 2, 1999}, {1, 1, 37},
                                                  {5, 13, 2003}, {32, 1, 2003}, {0, 5, 2003},
                                                  {9, 4, 3}};
        const int caso = De({40, 12, 12, 12, 12, 12});
        if (caso == 1) d = 25, m = 7;
        if (caso == 2) d = 29, m = 2;
        if (caso == 3) y = 38;
        if (caso == 4) y = 9999;
        if (caso == 5) {
            const auto& c = casi[Entre(0, 6)];
            d = c[0], m = c[1], y = c[2];
        }
        const auto numero = [this](int n) {
            const QString s = QString::number(n);
            static const char* const antes[] = {"", "0", " ", "+"};
            return s.size() > 1 ? s : QString::fromLatin1(antes[De({70, 18, 7, 5})]) + s;
        };
        QString año = QString::number(y);
        if (Con(10)) año = año.rightJustified(4, QLatin1Char('0'));
        return {numero(d), numero(m), año};
    }

    std::mt19937 rng_;
    bool calcular_ = false;
};

// ---------------------------------------------------------------------------
// The session: one window at a time, driven like a person drives it

struct Mensaje_del_sistema {
    const char* texto;
    const char* titulo;
    Icono icono;
};
const Mensaje_del_sistema mensajes_del_sistema[] = {
    {mensaje_fecha.data(), titulo_fecha.data(), Icono::informacion},
    {mensaje_año.data(), titulo_fecha.data(), Icono::error},
    {mensaje_sin_fecha.data(), titulo_imprimir.data(), Icono::informacion},
    {mensaje_impresion_fallida.data(), titulo_imprimir.data(), Icono::error},
};

class Sesion {
public:
    explicit Sesion(std::uint32_t semilla) : rng_dias_(semilla) { Arrancar(); }

    // Runs one action; stops at the first broken invariant.
    void Ejecutar(int indice, const Accion& a) {
        Anotar("#" + std::to_string(indice) + " " + Describir(a));
        switch (a.tipo) {
            case Tipo::escribir:
                if (Clic(Centro(cajas[a.caja]))) Teclear(a.textos[0]);
                break;
            case Tipo::fecha:
                for (std::size_t i = 0; i < 3; ++i) {
                    if (!Clic(Centro(cajas[i])) ||
                        !Tecla(Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01")) ||
                        !Teclear(a.textos[i])) {
                        break;
                    }
                }
                break;
            case Tipo::clic:
                Clic(a.punto);
                break;
            case Tipo::boton:
                Clic(Centro(botones[a.boton]));
                break;
            case Tipo::alt:
            case Tipo::tecla:
                Tecla(a.tecla, a.mod, {});
                break;
            case Tipo::pegar:
                QGuiApplication::clipboard()->setText(a.textos[0]);
                Tecla(Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
                break;
        }
    }

    std::string falta;  // the first broken invariant
    std::deque<std::string> historia;

    // What the session went through, so that a run that did nothing shows.
    int calculos = 0, rechazos_fecha = 0, rechazos_impresion = 0, impresiones = 0,
        vistas_creditos = 0, salidas = 0;

private:
    void Anotar(std::string linea) {
        historia.push_back(std::move(linea));
        if (historia.size() > 40) historia.pop_front();
    }

    // Starts the program on a day of its own; the first start and every
    // start after Salir.
    void Arrancar() {
        c_.reset();
        ventana_.reset();
        const int y = std::uniform_int_distribution<int>(38, 9999)(rng_dias_);
        const int m = std::uniform_int_distribution<int>(1, 12)(rng_dias_);
        const int d =
            std::uniform_int_distribution<int>(1, QDate(y, m, 1).daysInMonth())(rng_dias_);
        const QDate hoy =
            std::bernoulli_distribution(0.1)(rng_dias_) ? QDate(y, 7, 25) : QDate(y, m, d);
        Anotar("arranque " + U8(hoy.toString(QStringLiteral("d-M-yyyy"))));
        efectos_ = std::make_unique<Efectos_grabados>(hoy);
        mensajes_vistos_ = impresiones_vistas_ = 0;
        fecha_vista_.clear();
        ventana_ = std::make_unique<Calendario>(*efectos_);
        c_ = std::make_unique<Controles>(*ventana_);
        for (Boton* b : ventana_->findChildren<Boton*>()) {
            QObject::connect(b, &QAbstractButton::pressed, [this, b] {
                if (!b->isVisible() && falta.empty()) falta = Nombre(b) + " oculto fue pulsado";
            });
        }
        QObject::connect(c_->Boton3, &QAbstractButton::clicked, [this] { salio_ = true; });
        ventana_->Abrir();
        if (!QTest::qWaitForWindowActive(ventana_.get())) falta = "la ventana no se activa";
        Comprobar();
    }

    QPoint Centro(const char* nombre) const {
        return ventana_->findChild<QWidget*>(QString::fromUtf8(nombre))->geometry().center();
    }

    // A left click at a point of the window, received by whatever is drawn
    // there; a point outside the window belongs to another program.
    bool Clic(QPoint p) {
        Calendario& v = *ventana_;
        if (!v.rect().contains(p)) return true;
        QWidget* w = v.childAt(p);
        if (!w) w = &v;
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->mapFrom(&v, p));
        return Despues();
    }

    // One key, to the widget that has the keyboard focus.
    bool Tecla(Qt::Key tecla, Qt::KeyboardModifiers mod, const QString& texto) {
        QWidget* destino = QApplication::focusWidget();
        if (!destino) destino = ventana_.get();
        if (texto.isEmpty()) {
            QTest::keyClick(destino, tecla, mod);
        } else {
            QTest::sendKeyEvent(QTest::Click, destino, tecla, texto, mod);
        }
        return Despues();
    }

    // Types a text one character at a time, as a keyboard sends it: control
    // characters come as their keys (Tab, Return, Ctrl and a letter...).
    bool Teclear(const QString& texto) {
        static const std::map<char32_t, Qt::Key> propias = {
            {0x08, Qt::Key_Backspace}, {0x09, Qt::Key_Tab},    {0x0D, Qt::Key_Return},
            {0x1B, Qt::Key_Escape},    {0x7F, Qt::Key_Delete}};
        for (char32_t c : texto.toUcs4()) {
            const QString t = QString::fromUcs4(&c, 1);
            Qt::Key tecla = static_cast<Qt::Key>(QChar::toUpper(c));
            Qt::KeyboardModifiers mod = Qt::NoModifier;
            if (const auto i = propias.find(c); i != propias.end()) {
                tecla = i->second;
            } else if (c >= 0x01 && c <= 0x1A) {
                tecla = static_cast<Qt::Key>(Qt::Key_A + int(c) - 1);
                mod = Qt::ControlModifier;
            } else if (c < 0x20 || c > 0xFFFF) {
                tecla = Qt::Key_unknown;
            }
            if (!Tecla(tecla, mod, t)) return false;
        }
        return true;
    }

    // After every key and click: the checks, then a new program if Salir
    // ended this one. False ends the action.
    bool Despues() {
        Comprobar();
        if (!falta.empty()) return false;
        if (!salio_) return true;
        salio_ = false;
        ++salidas;
        Arrancar();
        return false;  // the rest of the action went to a program that had closed
    }

    void Comprobar() {
        if (!falta.empty()) return;
        const Controles& v = *c_;
        const QString fecha = v.fecha->Caption();
        for (; mensajes_vistos_ < efectos_->mensajes.size(); ++mensajes_vistos_) {
            const Mensaje_grabado& m = efectos_->mensajes[mensajes_vistos_];
            const Mensaje_del_sistema* conocido = nullptr;
            for (const Mensaje_del_sistema& s : mensajes_del_sistema) {
                if (m.texto == QString::fromUtf8(s.texto) &&
                    m.titulo == QString::fromUtf8(s.titulo) && m.icono == s.icono) {
                    conocido = &s;
                }
            }
            if (!conocido) {
                falta = "mensaje ajeno: \"" + U8(m.texto) + "\" titulado \"" + U8(m.titulo) + "\"";
                return;
            }
            if (!fecha.isEmpty()) {
                falta = std::string("\"") + conocido->texto + "\" con una fecha en pantalla";
                return;
            }
            if (m.titulo == QStringLiteral("Tzolkin")) {
                ++rechazos_fecha;
                for (const QLineEdit* c : {v.dia, v.mes, v.año}) {
                    if (!c->text().isEmpty())
                        falta = "tras rechazar la fecha, " + Nombre(c) + " no quedo vacia";
                }
            } else {
                ++rechazos_impresion;
            }
        }
        for (; impresiones_vistas_ < efectos_->impresiones.size(); ++impresiones_vistas_) {
            ++impresiones;
            if (fecha.isEmpty()) falta = "se imprimio sin fecha";
        }
        if (!falta.empty()) return;
        falta = Invariantes(v);
        if (!fecha.isEmpty() && fecha != fecha_vista_) ++calculos;
        fecha_vista_ = fecha;
        if (v.ventana->size() == vista_creditos && !en_creditos_) ++vistas_creditos;
        en_creditos_ = v.ventana->size() == vista_creditos;
    }

    std::mt19937 rng_dias_;  // days the program starts on; apart from the actions
    std::unique_ptr<Efectos_grabados> efectos_;
    std::unique_ptr<Calendario> ventana_;
    std::unique_ptr<Controles> c_;
    std::size_t mensajes_vistos_ = 0, impresiones_vistas_ = 0;
    QString fecha_vista_;
    bool en_creditos_ = false;
    bool salio_ = false;
};

// ---------------------------------------------------------------------------

long Entero_del_entorno(const char* nombre, long defecto) {
    const char* valor = std::getenv(nombre);
    return valor && *valor ? std::strtol(valor, nullptr, 10) : defecto;
}

std::vector<std::uint32_t> Semillas() {
    if (std::getenv("TALMIROC_SEMILLA")) {
        return {static_cast<std::uint32_t>(Entero_del_entorno("TALMIROC_SEMILLA", 1))};
    }
    return {1, 2, 3, 4};
}

class SesionTest : public testing::TestWithParam<std::uint32_t> {};

TEST_P(SesionTest, InvariantesTrasCadaTeclaYClic) {
    const std::uint32_t semilla = GetParam();
    const int acciones =
        static_cast<int>(Entero_del_entorno("TALMIROC_ACCIONES", acciones_por_sesion));
    Generador generador(semilla);
    Sesion sesion(semilla);
    int i = 0;
    for (; i < acciones && sesion.falta.empty(); ++i) {
        sesion.Ejecutar(i, generador.Siguiente());
        QCoreApplication::processEvents();  // the window repaints, as between a person's actions
    }

    if (!sesion.falta.empty()) {
        std::ostringstream o;
        o << "semilla " << semilla << ", "
          << (i == 0 ? std::string("al arrancar") : "accion " + std::to_string(i - 1)) << ": "
          << sesion.falta << "\nrepetir: TALMIROC_SEMILLA=" << semilla << " TALMIROC_ACCIONES=" << i
          << " talmiroc_hardening_tests --gtest_filter='Sesiones/*'\nultimas acciones:\n";
        for (const std::string& linea : sesion.historia) o << "  " << linea << "\n";
        ADD_FAILURE() << o.str();
        return;
    }
    // A session that never calculated, refused, printed or left proves little.
    if (acciones >= 1000) {
        EXPECT_GT(sesion.calculos, acciones / 50);
        EXPECT_GT(sesion.rechazos_fecha, 0);
        EXPECT_GT(sesion.rechazos_impresion, 0);
        EXPECT_GT(sesion.impresiones, 0);
        EXPECT_GT(sesion.vistas_creditos, 0);
        EXPECT_GT(sesion.salidas, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Sesiones, SesionTest, testing::ValuesIn(Semillas()),
                         [](const auto& info) { return "semilla_" + std::to_string(info.param); });

}  // namespace
}  // namespace talmiroc::prueba
