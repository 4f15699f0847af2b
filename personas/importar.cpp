#include "importar.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

namespace talmiroc::personas {

namespace {

char Minuscula(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool Igual_sin_caja(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Minuscula(x) == Minuscula(y); });
}

std::string_view Recortar(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool Digitos(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The file's lines, without their breaks (LF or CRLF), each with its number.
struct Linea {
    std::string_view texto;
    std::size_t numero;
};

std::vector<Linea> Lineas(std::string_view texto) {
    std::vector<Linea> v;
    std::size_t numero = 1;
    while (!texto.empty()) {
        const std::size_t fin = texto.find('\n');
        std::string_view l = texto.substr(0, fin);
        if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
        v.push_back({l, numero++});
        if (fin == std::string_view::npos) break;
        texto.remove_prefix(fin + 1);
    }
    return v;
}

// Takes a person read from the file through the book's checks, into the
// new ones or the omitted.
class Recogida {
public:
    Recogida(Importacion& i, const Palabras& p) : i_(i), p_(p) {}

    void Omitir(std::size_t tarjeta, std::size_t linea, std::string nombre, Motivo m,
                std::string detalle = {}) {
        i_.omitidas.push_back({tarjeta, linea, std::move(nombre), m, std::move(detalle)});
    }

    void Tomar(std::size_t tarjeta, std::size_t linea, std::string nombre, std::string_view dia,
               std::string_view mes, std::string_view año) {
        std::string limpio = nombre;
        const Nombre_malo malo = Limpiar_nombre(limpio);
        if (malo == Nombre_malo::vacio) return Omitir(tarjeta, linea, {}, Motivo::sin_nombre);
        if (malo != Nombre_malo::ninguno) {
            // Said as read, as far as it is text.
            nombre.resize(Primer_byte_malo(nombre));
            return Omitir(tarjeta, linea, nombre, Motivo::nombre_malo);
        }
        if (dia.empty() && mes.empty() && año.empty())
            return Omitir(tarjeta, linea, limpio, Motivo::sin_fecha);
        const Veredicto v = Comprobar_fecha(dia, mes, año, p_);
        if (const auto* r = std::get_if<Rechazo>(&v))
            return Omitir(tarjeta, linea, limpio, Motivo::fecha_rechazada, std::string(r->mensaje));
        Persona persona{std::move(limpio), std::get<Fecha>(v)};
        if (std::find(i_.nuevas.begin(), i_.nuevas.end(), persona) != i_.nuevas.end())
            return Omitir(tarjeta, linea, persona.nombre, Motivo::repetida);
        i_.nuevas.push_back(std::move(persona));
        i_.lugares.push_back({tarjeta, linea});
    }

private:
    Importacion& i_;
    const Palabras& p_;
};

// ---------------------------------------------------------------------------
// vCard

// A content line: [group.]NAME[;param...]:value, its name upper-cased and
// its parameters as written ("CHARSET=UTF-8", "TYPE=home").
struct Propiedad {
    std::string nombre;
    std::vector<std::string> parametros;
    std::string_view valor;
};

std::optional<Propiedad> Leer_propiedad(std::string_view l) {
    // The value starts at the first colon outside a quoted parameter value.
    bool comillas = false;
    std::size_t dos_puntos = std::string_view::npos;
    for (std::size_t k = 0; k < l.size(); ++k) {
        if (l[k] == '"') comillas = !comillas;
        else if (l[k] == ':' && !comillas) {
            dos_puntos = k;
            break;
        }
    }
    if (dos_puntos == std::string_view::npos) return std::nullopt;
    Propiedad p;
    p.valor = l.substr(dos_puntos + 1);
    std::string_view cabeza = l.substr(0, dos_puntos);
    std::vector<std::string> partes(1);
    comillas = false;
    for (char c : cabeza) {
        if (c == '"') comillas = !comillas;
        if (c == ';' && !comillas) partes.emplace_back();
        else partes.back().push_back(c);
    }
    std::string_view nombre = partes.front();
    if (const std::size_t punto = nombre.rfind('.'); punto != std::string_view::npos)
        nombre.remove_prefix(punto + 1);  // the group
    for (char c : nombre) p.nombre.push_back(static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c));
    p.parametros.assign(partes.begin() + 1, partes.end());
    return p;
}

// A parameter's value by its name ("CHARSET"), unquoted; a bare value
// (2.1's "QUOTED-PRINTABLE") answers to itself.
std::optional<std::string> Parametro(const Propiedad& p, std::string_view nombre) {
    for (const std::string& par : p.parametros) {
        const std::size_t igual = par.find('=');
        std::string_view clave = std::string_view(par).substr(0, igual);
        if (!Igual_sin_caja(Recortar(clave), nombre)) continue;
        if (igual == std::string::npos) return par;
        std::string_view v = Recortar(std::string_view(par).substr(igual + 1));
        if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
        return std::string(v);
    }
    return std::nullopt;
}

// A text value with its escapes undone: \, \; \\ and \n as a line break.
// Split at unescaped semicolons when `partes` is asked for (N's fields).
std::vector<std::string> Texto_vcard(std::string_view v, bool partes) {
    std::vector<std::string> r(1);
    for (std::size_t k = 0; k < v.size(); ++k) {
        if (v[k] == '\\' && k + 1 < v.size()) {
            const char c = v[++k];
            r.back().push_back(c == 'n' || c == 'N' ? '\n' : c);
        } else if (v[k] == ';' && partes) {
            r.emplace_back();
        } else {
            r.back().push_back(v[k]);
        }
    }
    return r;
}

// The name from N (family; given; additional; prefixes; suffixes), in the
// order it is said: "Dr. Ana María Pérez".
std::string Nombre_de_n(std::string_view v) {
    const std::vector<std::string> n = Texto_vcard(v, true);
    std::string nombre;
    for (std::size_t k : {3, 1, 2, 0, 4}) {
        if (k >= n.size()) continue;
        const std::string_view parte = Recortar(n[k]);
        if (parte.empty()) continue;
        if (!nombre.empty()) nombre.push_back(' ');
        nombre.append(parte);
    }
    return nombre;
}

// A card's parts that matter here, and what was wrong with them.
struct Tarjeta_vcard {
    std::size_t numero = 0, linea = 0;
    std::optional<std::string> fn, n;
    std::optional<Propiedad> bday;
    std::string codificacion;  // a charset or encoding this reader does not take
};

void Tomar_tarjeta(Recogida& r, const Tarjeta_vcard& t) {
    std::string nombre = t.fn ? *t.fn : t.n ? *t.n : std::string();
    if (!t.codificacion.empty())
        return r.Omitir(t.numero, t.linea, nombre, Motivo::codificacion, t.codificacion);
    if (!t.bday) {
        std::string limpio = nombre;
        if (Limpiar_nombre(limpio) == Nombre_malo::ninguno)
            return r.Omitir(t.numero, t.linea, limpio, Motivo::sin_fecha);
        return r.Tomar(t.numero, t.linea, nombre, {}, {}, {});  // the name's own reason
    }
    const std::string_view escrito = Recortar(t.bday->valor);
    // A date and time: the date; 4.0's text value is no date at all.
    std::string_view fecha = escrito.substr(0, escrito.find('T'));
    const std::optional<std::string> valor = Parametro(*t.bday, "VALUE");
    std::string limpio = nombre;
    if (Limpiar_nombre(limpio) != Nombre_malo::ninguno)
        return r.Tomar(t.numero, t.linea, nombre, {}, {}, {});  // the name's own reason
    if (fecha.starts_with("--"))
        return r.Omitir(t.numero, t.linea, limpio, Motivo::sin_año, std::string(escrito));
    std::string_view a, m, d;
    if (fecha.size() == 10 && fecha[4] == '-' && fecha[7] == '-') {
        a = fecha.substr(0, 4), m = fecha.substr(5, 2), d = fecha.substr(8, 2);
    } else if (fecha.size() == 8) {
        a = fecha.substr(0, 4), m = fecha.substr(4, 2), d = fecha.substr(6, 2);
    }
    if ((valor && Igual_sin_caja(*valor, "text")) || !Digitos(a) || !Digitos(m) || !Digitos(d))
        return r.Omitir(t.numero, t.linea, limpio, Motivo::fecha_ilegible, std::string(escrito));
    // An address book that keeps a birthday without its year writes a
    // stand-in year and names it.
    if (const auto omitido = Parametro(*t.bday, "X-APPLE-OMIT-YEAR"); omitido && *omitido == a)
        return r.Omitir(t.numero, t.linea, limpio, Motivo::sin_año, std::string(escrito));
    r.Tomar(t.numero, t.linea, nombre, d, m, a);
}

void Leer_vcard(const std::vector<Linea>& lineas, Importacion& i, Recogida& r) {
    // Unfolded: a line that starts with a space or a tab goes on the last.
    std::vector<std::pair<std::string, std::size_t>> logicas;
    for (const Linea& l : lineas) {
        if (!logicas.empty() && !l.texto.empty() && (l.texto[0] == ' ' || l.texto[0] == '\t')) {
            logicas.back().first.append(l.texto.substr(1));
        } else {
            logicas.emplace_back(std::string(l.texto), l.numero);
        }
    }
    std::optional<Tarjeta_vcard> t;
    std::size_t tarjetas = 0;
    const auto falla = [&i](Fallo f, std::size_t linea) {
        i.fallo = f;
        i.linea = linea;
    };
    for (const auto& [texto, numero] : logicas) {
        const std::string_view l = texto;
        if (Primer_byte_malo(l) < l.size() || l.find('\0') != std::string_view::npos)
            return falla(Fallo::no_utf8, numero);
        if (Recortar(texto).empty()) continue;
        const std::optional<Propiedad> p = Leer_propiedad(texto);
        if (!t) {
            if (!p || p->nombre != "BEGIN" || !Igual_sin_caja(Recortar(p->valor), "VCARD"))
                return falla(Fallo::fuera_de_tarjeta, numero);
            t = Tarjeta_vcard{++tarjetas, numero, {}, {}, {}, {}};
            continue;
        }
        if (!p) continue;  // a line this reader has no use for
        if (p->nombre == "BEGIN") return falla(Fallo::tarjeta_abierta, t->linea);
        if (p->nombre == "END") {
            Tomar_tarjeta(r, *t);
            t.reset();
            continue;
        }
        if (p->nombre != "FN" && p->nombre != "N" && p->nombre != "BDAY") continue;
        if (const auto c = Parametro(*p, "CHARSET"); c && !Igual_sin_caja(*c, "UTF-8"))
            t->codificacion = "CHARSET=" + *c;
        if (const auto e = Parametro(*p, "ENCODING"); e && !Igual_sin_caja(*e, "8bit"))
            t->codificacion = "ENCODING=" + *e;
        if (Parametro(*p, "QUOTED-PRINTABLE")) t->codificacion = "QUOTED-PRINTABLE";
        if (p->nombre == "FN" && !t->fn) t->fn = Texto_vcard(p->valor, false).front();
        if (p->nombre == "N" && !t->n) t->n = Nombre_de_n(p->valor);
        if (p->nombre == "BDAY" && !t->bday) t->bday = p;
    }
    if (t) return falla(Fallo::tarjeta_abierta, t->linea);
}

// ---------------------------------------------------------------------------
// CSV

struct Fila {
    std::vector<std::string> campos;
    std::vector<bool> citado;
    std::size_t linea;
};

// The rows of the text, quotes undone; false (and the line) for a quote
// never closed.
bool Filas_csv(std::string_view s, std::vector<Fila>& filas, std::size_t& abierta) {
    // Semicolons where the first line has no comma outside quotes.
    const std::string_view primera = s.substr(0, s.find('\n'));
    char separador = ',';
    {
        bool comillas = false, coma = false, punto_y_coma = false;
        for (char c : primera) {
            if (c == '"') comillas = !comillas;
            else if (!comillas && c == ',') coma = true;
            else if (!comillas && c == ';') punto_y_coma = true;
        }
        if (!coma && punto_y_coma) separador = ';';
    }
    std::size_t linea = 1;
    std::size_t k = 0;
    while (k < s.size()) {
        Fila f{{std::string()}, {false}, linea};
        bool fin = false;
        while (!fin) {
            std::string& campo = f.campos.back();
            if (k < s.size() && s[k] == '"' && Recortar(campo).empty()) {
                campo.clear();
                f.citado.back() = true;
                ++k;
                const std::size_t desde = linea;
                for (;;) {
                    if (k >= s.size()) {
                        abierta = desde;
                        return false;
                    }
                    if (s[k] == '"') {
                        if (k + 1 < s.size() && s[k + 1] == '"') {
                            campo.push_back('"');
                            k += 2;
                            continue;
                        }
                        ++k;
                        break;
                    }
                    if (s[k] == '\n') ++linea;
                    campo.push_back(s[k++]);
                }
                continue;
            }
            if (k >= s.size()) break;
            const char c = s[k++];
            if (c == separador) {
                f.campos.emplace_back();
                f.citado.push_back(false);
            } else if (c == '\n') {
                ++linea;
                fin = true;
            } else if (c != '\r' || (k < s.size() && s[k] != '\n')) {
                campo.push_back(c);
            }
        }
        filas.push_back(std::move(f));
    }
    return true;
}

void Leer_csv(std::string_view texto, Importacion& i, Recogida& r) {
    std::vector<Fila> filas;
    if (!Filas_csv(texto, filas, i.linea)) {
        i.fallo = Fallo::comillas;
        return;
    }
    const auto sin_cifras = [](const std::string& s) {
        return std::none_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    bool primera = true;
    for (Fila& f : filas) {
        for (std::size_t c = 0; c < f.campos.size(); ++c)
            if (!f.citado[c]) f.campos[c] = std::string(Recortar(f.campos[c]));
        while (f.campos.size() > 1 && f.campos.back().empty() && !f.citado.back()) {
            f.campos.pop_back();
            f.citado.pop_back();
        }
        if (f.campos.size() == 1 && f.campos[0].empty() && !f.citado[0]) continue;  // blank
        const bool cabecera = primera && f.campos.size() >= 2 &&
                              std::all_of(f.campos.begin() + 1, f.campos.end(), sin_cifras);
        primera = false;
        if (cabecera) continue;
        const std::vector<std::string>& c = f.campos;
        if (c.size() == 3 || (c.size() == 4 && c[3].empty() && !c[1].empty() && !c[2].empty())) {
            std::string limpio = c[0];
            if (Limpiar_nombre(limpio) == Nombre_malo::ninguno) {
                r.Omitir(0, f.linea, limpio, Motivo::sin_año, c[1] + "," + c[2]);
                continue;
            }
        }
        if (c.size() != 4) {
            r.Omitir(0, f.linea, c.size() > 1 ? c[0] : std::string(), Motivo::campos,
                     std::to_string(c.size()));
            continue;
        }
        r.Tomar(0, f.linea, c[0], c[1], c[2], c[3]);
    }
}

}  // namespace

Importacion Leer_importacion(std::string_view texto, const Palabras& p) {
    Importacion i;
    if (texto.starts_with("\xEF\xBB\xBF")) texto.remove_prefix(3);  // a byte-order mark
    // Where the text stops being UTF-8; a NUL is no text either.
    const std::size_t malo = std::min(Primer_byte_malo(texto), texto.find('\0'));
    const auto linea_de = [&texto](std::size_t k) {
        return 1 + static_cast<std::size_t>(
                       std::count(texto.begin(), texto.begin() + static_cast<std::ptrdiff_t>(k), '\n'));
    };
    const std::vector<Linea> lineas = Lineas(texto);
    const auto primera = std::find_if(lineas.begin(), lineas.end(),
                                      [](const Linea& l) { return !Recortar(l.texto).empty(); });
    Recogida r(i, p);
    if (primera != lineas.end()) {
        const std::optional<Propiedad> q = Leer_propiedad(Recortar(primera->texto));
        if (q && q->nombre == "BEGIN" && Igual_sin_caja(Recortar(q->valor), "VCARD")) {
            // Checked line by line once unfolded: a fold may fall inside a
            // character.
            i.formato = Formato_importar::vcard;
            Leer_vcard(lineas, i, r);
        } else if (malo < texto.size()) {
            i.fallo = Fallo::no_utf8;
            i.linea = linea_de(malo);
        } else {
            Leer_csv(texto, i, r);
        }
    }
    if (primera == lineas.end() && malo < texto.size()) {
        i.fallo = Fallo::no_utf8;
        i.linea = linea_de(malo);
    }
    if (i.ok() && i.nuevas.empty() && i.omitidas.empty()) i.fallo = Fallo::vacio;
    if (!i.ok()) {
        i.nuevas.clear();
        i.omitidas.clear();
    }
    return i;
}

Importacion Leer_archivo_importacion(const std::string& ruta, const Palabras& p) {
    Importacion i;
    // Not blocking: a FIFO named by mistake must not hang.
    const int fd = ::open(ruta.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        i.fallo = Fallo::no_se_lee;
        i.detalle = std::strerror(errno);
        return i;
    }
    struct stat st {};
    std::string texto;
    int error = ::fstat(fd, &st) == 0 ? 0 : errno;
    if (error == 0 && !S_ISREG(st.st_mode)) error = EINVAL;
    while (error == 0) {
        char bloque[65536];
        const ssize_t n = ::read(fd, bloque, sizeof bloque);
        if (n > 0) {
            texto.append(bloque, static_cast<std::size_t>(n));
            if (texto.size() > tamaño_maximo_importar) break;
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            error = errno;
        }
    }
    ::close(fd);
    if (error != 0) {
        i.fallo = Fallo::no_se_lee;
        i.detalle = error == EINVAL ? "no es un archivo normal" : std::strerror(error);
        return i;
    }
    if (texto.size() > tamaño_maximo_importar) {
        i.fallo = Fallo::demasiado_grande;
        return i;
    }
    return Leer_importacion(texto, p);
}

void Descartar_del_libro(Importacion& i, std::span<const Persona> libro) {
    std::vector<Persona> quedan;
    std::vector<std::pair<std::size_t, std::size_t>> lugares;
    for (std::size_t k = 0; k < i.nuevas.size(); ++k) {
        const auto [tarjeta, linea] = i.lugares.at(k);
        if (std::find(libro.begin(), libro.end(), i.nuevas[k]) != libro.end()) {
            i.omitidas.push_back({tarjeta, linea, i.nuevas[k].nombre, Motivo::ya_en_libro, {}});
        } else {
            quedan.push_back(std::move(i.nuevas[k]));
            lugares.push_back({tarjeta, linea});
        }
    }
    i.nuevas = std::move(quedan);
    i.lugares = std::move(lugares);
    std::stable_sort(i.omitidas.begin(), i.omitidas.end(),
                     [](const Omitida& a, const Omitida& b) { return a.linea < b.linea; });
}

Libro::Resultado Importar(Libro& libro, Importacion& i) {
    if (!i.ok() || libro.Solo_lectura()) return {};
    return libro.Aplicar_varios([&i](const std::vector<Persona>& actual) {
        Descartar_del_libro(i, actual);
        std::vector<Cambio> cambios;
        for (const Persona& p : i.nuevas) cambios.push_back({Cambio::Tipo::añadir, Persona{}, p});
        return cambios;
    });
}

}  // namespace talmiroc::personas
