#include "libro.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

#include <nlohmann/json.hpp>

#include "archivo.h"
#include "idiomas.h"

namespace talmiroc::personas {

namespace {

using json = nlohmann::json;

// ---------------------------------------------------------------------------
// UTF-8

// The code point at s[i] and its length, or length 0 when the bytes there
// are not well-formed UTF-8 (overlong forms and surrogates included).
std::pair<char32_t, std::size_t> Caracter(std::string_view s, std::size_t i) {
    const auto b = [&s](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    if (c < 0x80) return {c, 1};
    std::size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
    if (n == 0 || c > 0xF4 || i + n > s.size()) return {0, 0};
    char32_t v = c & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return {0, 0};
        v = v << 6 | (b(i + k) & 0x3F);
    }
    constexpr char32_t minimo[] = {0, 0, 0x80, 0x800, 0x10000};
    if (v < minimo[n] || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return {0, 0};
    return {v, n};
}

// Unicode's White_Space characters.
bool Es_blanco(char32_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

bool Es_control(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

// ---------------------------------------------------------------------------
// Files

std::string Carpeta(const std::string& ruta) {
    const std::size_t barra = ruta.rfind('/');
    return barra == std::string::npos ? "." : barra == 0 ? "/" : ruta.substr(0, barra);
}

// Makes the folder and any missing parent, each 0700. Returns 0 or errno.
int Hacer_carpeta(const std::string& carpeta) {
    for (std::size_t i = 1; i <= carpeta.size(); ++i) {
        if (i < carpeta.size() && carpeta[i] != '/') continue;
        const std::string parte = carpeta.substr(0, i);
        if (::mkdir(parte.c_str(), 0700) != 0 && errno != EEXIST) return errno;
    }
    return 0;
}

// The lock beside the book, held while it lives.
class Cerrojo {
public:
    explicit Cerrojo(const std::string& ruta) {
        fd_ = ::open((ruta + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd_ < 0) {
            error_ = errno;
            return;
        }
        while (::flock(fd_, LOCK_EX) != 0) {
            if (errno != EINTR) {
                error_ = errno;
                return;
            }
        }
    }
    ~Cerrojo() {
        if (fd_ >= 0) ::close(fd_);  // releases the lock
    }
    Cerrojo(const Cerrojo&) = delete;
    Cerrojo& operator=(const Cerrojo&) = delete;
    int Error() const { return error_; }

private:
    int fd_ = -1;
    int error_ = 0;
};

// Whole number in a JSON value, or false.
bool Entero(const json& v, std::int64_t& n) {
    if (v.is_number_integer()) {
        n = v.get<std::int64_t>();
        return !v.is_number_unsigned() || v.get<std::uint64_t>() <= INT64_MAX;
    }
    return false;
}

}  // namespace

// ---------------------------------------------------------------------------
// A person

std::size_t Primer_byte_malo(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = Caracter(s, i).second;
        if (n == 0) return i;
        i += n;
    }
    return s.size();
}

Nombre_malo Limpiar_nombre(std::string& nombre) {
    std::size_t inicio = std::string::npos, fin = 0;
    for (std::size_t i = 0; i < nombre.size();) {
        const auto [c, n] = Caracter(nombre, i);
        if (n == 0) return Nombre_malo::no_utf8;
        if (!Es_blanco(c)) {
            if (inicio == std::string::npos) inicio = i;
            fin = i + n;
        }
        i += n;
    }
    if (inicio == std::string::npos) return Nombre_malo::vacio;
    nombre = nombre.substr(inicio, fin - inicio);
    std::size_t caracteres = 0;
    for (std::size_t i = 0; i < nombre.size(); ++caracteres) {
        const auto [c, n] = Caracter(nombre, i);
        if (Es_control(c)) return Nombre_malo::control;  // a line break or tab inside
        i += n;
    }
    return caracteres > nombre_maximo ? Nombre_malo::largo : Nombre_malo::ninguno;
}

// ---------------------------------------------------------------------------
// The file

std::string Ruta_libro(const char* xdg_data_home, const char* home) {
    // The XDG rule: a relative XDG_DATA_HOME is invalid and ignored.
    if (xdg_data_home && xdg_data_home[0] == '/') {
        return std::string(xdg_data_home) + "/talmiroc/personas.json";
    }
    if (home && home[0] == '/') return std::string(home) + "/.local/share/talmiroc/personas.json";
    return {};
}

std::string Texto_libro(std::span<const Persona> personas) {
    std::string s = "{\"version\": 1, \"personas\": [";
    for (std::size_t i = 0; i < personas.size(); ++i) {
        const Persona& p = personas[i];
        s.append(i == 0 ? "\n  " : ",\n  ").append("{\"nombre\": ");
        s.append(json(p.nombre).dump(-1, ' ', false, json::error_handler_t::replace));
        Añadir_numero(s.append(", \"dia\": "), p.nacimiento.dia);
        Añadir_numero(s.append(", \"mes\": "), p.nacimiento.mes);
        Añadir_numero(s.append(", \"año\": "), p.nacimiento.año).push_back('}');
    }
    s.append(personas.empty() ? "]}\n" : "\n]}\n");
    return s;
}

std::vector<Persona> Leer_texto(std::string_view texto, Estado_lectura& e) {
    e = {};
    std::vector<Persona> personas;
    const auto malo = [&e, &personas](Defecto d, std::size_t persona = 0, std::string detalle = {}) {
        e.defecto = d;
        e.persona = persona;
        e.detalle = std::move(detalle);
        personas.clear();
        return personas;
    };
    json raiz;
    try {
        raiz = json::parse(texto);
    } catch (const json::parse_error& error) {
        const std::size_t hasta = std::min<std::size_t>(error.byte, texto.size());
        e.linea = 1 + static_cast<std::size_t>(
                          std::count(texto.begin(), texto.begin() + static_cast<std::ptrdiff_t>(hasta), '\n'));
        return malo(Defecto::no_json);
    }
    if (!raiz.is_object() || !raiz.contains("version") || !raiz.contains("personas") ||
        raiz.size() != 2 || !raiz["personas"].is_array()) {
        return malo(Defecto::no_es_libro);
    }
    if (std::int64_t v = 0; !Entero(raiz["version"], v) || v != 1) {
        return malo(Defecto::version, 0, raiz["version"].dump());
    }
    const json& lista = raiz["personas"];
    personas.reserve(lista.size());
    for (std::size_t i = 0; i < lista.size(); ++i) {
        const json& p = lista[i];
        std::int64_t d = 0, m = 0, a = 0;
        if (!p.is_object() || p.size() != 4 || !p.contains("nombre") || !p["nombre"].is_string() ||
            !p.contains("dia") || !Entero(p["dia"], d) || !p.contains("mes") ||
            !Entero(p["mes"], m) || !p.contains("año") || !Entero(p["año"], a)) {
            return malo(Defecto::persona, i + 1);
        }
        std::string nombre = p["nombre"].get<std::string>();
        if (Limpiar_nombre(nombre) != Nombre_malo::ninguno) return malo(Defecto::nombre, i + 1);
        const Veredicto v =
            Comprobar_fecha(std::to_string(d), std::to_string(m), std::to_string(a), palabras_es);
        if (const auto* r = std::get_if<Rechazo>(&v)) {
            return malo(Defecto::fecha, i + 1, std::string(r->mensaje));
        }
        personas.push_back({std::move(nombre), std::get<Fecha>(v)});
    }
    return personas;
}

std::string Texto_defecto(const Estado_lectura& e, const Textos_tzolkin& t) {
    return Componer(En(t.defectos_libro, static_cast<int>(e.defecto)),
                    {Numero(static_cast<std::int64_t>(e.persona)),
                     Numero(static_cast<std::int64_t>(e.linea)), e.detalle});
}

// ---------------------------------------------------------------------------
// A change

Cambio Inverso(const Cambio& c, std::size_t lugar) {
    switch (c.tipo) {
        case Cambio::Tipo::añadir:
            return {Cambio::Tipo::quitar, c.despues, {}, lugar};
        case Cambio::Tipo::quitar:
            return {Cambio::Tipo::añadir, {}, c.antes, lugar};
        case Cambio::Tipo::cambiar:
            break;
    }
    return {Cambio::Tipo::cambiar, c.despues, c.antes, lugar};
}

std::size_t Aplicar_a(std::vector<Persona>& personas, const Cambio& c) {
    const auto donde = std::find(personas.begin(), personas.end(), c.antes);
    const auto lugar = static_cast<std::size_t>(donde - personas.begin());
    switch (c.tipo) {
        case Cambio::Tipo::añadir: {
            const std::size_t en = std::min(c.lugar, personas.size());
            personas.insert(personas.begin() + static_cast<std::ptrdiff_t>(en), c.despues);
            return en;
        }
        case Cambio::Tipo::quitar:
            if (donde != personas.end()) personas.erase(donde);
            return lugar;
        case Cambio::Tipo::cambiar:
            if (donde == personas.end()) {
                personas.push_back(c.despues);
                return personas.size() - 1;
            }
            *donde = c.despues;
            return lugar;
    }
    return lugar;
}

// ---------------------------------------------------------------------------
// The book

Libro::Libro(std::string ruta, Escritor escritor)
    : ruta_(std::move(ruta)), escritor_(std::move(escritor)) {}

Libro::Huella Libro::Huella_actual() const {
    struct stat st {};
    if (::stat(ruta_.c_str(), &st) != 0) return {};
    return {st.st_dev, st.st_ino, st.st_size,
            std::int64_t{st.st_mtim.tv_sec} * 1'000'000'000 + st.st_mtim.tv_nsec};
}

void Libro::Leer() {
    disco_.clear();
    lectura_ = {};
    legible_por_otros_ = false;
    huella_ = Huella_actual();
    // Not blocking: a FIFO in the book's place must not hang the window.
    const int fd = ::open(ruta_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        // No file there (nor a folder for one): an empty book.
        if (errno != ENOENT && errno != ENOTDIR) {
            lectura_ = {Defecto::no_se_lee, 0, 0, std::strerror(errno)};
        }
        return;
    }
    struct stat st {};
    std::string texto;
    int error = ::fstat(fd, &st) == 0 ? 0 : errno;
    if (error == 0 && !S_ISREG(st.st_mode)) error = EINVAL;
    if (error == 0) {
        legible_por_otros_ = (st.st_mode & 077) != 0;
        char bloque[65536];
        for (;;) {
            const ssize_t n = ::read(fd, bloque, sizeof bloque);
            if (n > 0) {
                texto.append(bloque, static_cast<std::size_t>(n));
            } else if (n == 0) {
                break;
            } else if (errno != EINTR) {
                error = errno;
                break;
            }
        }
    }
    ::close(fd);
    if (error != 0) {
        lectura_ = {Defecto::no_se_lee, 0, 0,
                    error == EINVAL ? "no es un archivo normal" : std::strerror(error)};
        return;
    }
    disco_ = Leer_texto(texto, lectura_);
}

std::vector<Persona> Libro::Con_pendientes() const {
    std::vector<Persona> v = disco_;
    for (const Cambio& c : pendientes_) Aplicar_a(v, c);
    return v;
}

const Estado_lectura& Libro::Abrir() {
    Leer();
    personas_ = Con_pendientes();
    return lectura_;
}

bool Libro::Recargar() {
    if (Huella_actual() == huella_) return false;
    Leer();
    if (lectura_.ok()) personas_ = Con_pendientes();
    return true;
}

Libro::Resultado Libro::Aplicar(const Cambio& c) {
    return Aplicar_varios([&c](const std::vector<Persona>&) { return std::vector<Cambio>{c}; });
}

Libro::Resultado Libro::Aplicar_varios(const Cambios_de& elegir) {
    if (Solo_lectura()) return {};
    Resultado r{true, 0, 0};
    std::vector<Persona> nuevo;
    std::vector<Cambio> cambios;
    {
        r.error = Hacer_carpeta(Carpeta(ruta_));
        std::optional<Cerrojo> cerrojo;
        if (r.error == 0) {
            cerrojo.emplace(ruta_);
            r.error = cerrojo->Error();
        }
        // Under the lock, the book as it is on disk now.
        if (r.error == 0 && Huella_actual() != huella_) {
            Leer();
            if (!lectura_.ok()) {
                // Made unreadable in the meantime: kept as it is, and the
                // changes wait on screen for a new book.
                cambios = elegir(personas_);
                for (const Cambio& c : cambios) {
                    pendientes_.push_back(c);
                    r.lugar = Aplicar_a(personas_, c);
                }
                r.error = EIO;
                return r;
            }
        }
        nuevo = Con_pendientes();
        cambios = elegir(nuevo);
        for (const Cambio& c : cambios) r.lugar = Aplicar_a(nuevo, c);
        if (cambios.empty() && pendientes_.empty()) {
            personas_ = std::move(nuevo);
            return {false, r.error, 0};  // nothing to save
        }
        if (r.error == 0) r.error = escritor_(ruta_, Texto_libro(nuevo));
        if (r.error == 0) {
            disco_ = nuevo;
            pendientes_.clear();
            huella_ = Huella_actual();
        }
    }
    if (r.error != 0) pendientes_.insert(pendientes_.end(), cambios.begin(), cambios.end());
    personas_ = std::move(nuevo);
    return r;
}

int Libro::Empezar_de_nuevo(std::string& apartado, std::time_t ahora) {
    if (!Solo_lectura()) return 0;
    if (const int error = Hacer_carpeta(Carpeta(ruta_))) return error;
    Cerrojo cerrojo(ruta_);
    if (cerrojo.Error() != 0) return cerrojo.Error();
    std::tm t{};
    localtime_r(&ahora, &t);
    char hora[32];
    std::strftime(hora, sizeof hora, "%Y-%m-%dT%H%M%S", &t);
    const std::string base = Carpeta(ruta_) + "/personas-" + hora;
    apartado.clear();
    for (int n = 1; n < 100 && apartado.empty(); ++n) {
        std::string nombre = base;
        if (n > 1) nombre.append("-").append(std::to_string(n));
        nombre.append(".json");
        // A link never replaces a file of that name; then the book's name goes.
        if (::link(ruta_.c_str(), nombre.c_str()) == 0) {
            if (::unlink(ruta_.c_str()) != 0) {
                const int error = errno;
                ::unlink(nombre.c_str());
                return error;
            }
            apartado = nombre;
        } else if (errno == ENOENT) {
            break;  // nothing there to keep
        } else if (errno != EEXIST) {
            return errno;
        }
    }
    disco_.clear();
    lectura_ = {};
    const int error = escritor_(ruta_, Texto_libro(Con_pendientes()));
    if (error == 0) {
        disco_ = Con_pendientes();
        pendientes_.clear();
    }
    huella_ = Huella_actual();
    personas_ = Con_pendientes();
    return error;
}

// ---------------------------------------------------------------------------
// The writer

int Escribir_archivo(const std::string& ruta, std::string_view contenido) {
    salida::Escritura e(ruta, 0600);
    e.Escribir(contenido);
    return e.Terminar() ? 0 : e.Error();
}

}  // namespace talmiroc::personas
