// The people book: a person's list of names and birth dates, kept in one
// private file that the window and `tzolkin --personas` both read, and
// that only the window writes. No Qt.
//
// The file, `$XDG_DATA_HOME/talmiroc/personas.json`, is UTF-8 JSON with one
// person a line, so that a diff shows who changed:
//   {"version": 1, "personas": [
//     {"nombre": "Ana", "dia": 9, "mes": 4, "año": 2003}
//   ]}
// The folder is made 0700 and the file 0600. A file that cannot be read
// whole (not JSON, cut short, an unknown version, a bad date) is never
// written over: the book opens read-only until the person starts a new one,
// which first renames the old file aside with the time in its name.
//
// Every change is applied under a lock (flock on a file beside the book),
// to the book as it is on disk then: a change made by another window in the
// meantime is read first, so neither loses the other's. Then the whole book
// is written through the project's file writer (written beside, flushed,
// renamed), so a killed save leaves the book before or after it. A change
// that cannot be saved (a full disk, a folder that cannot be written) stays
// in memory, shown, and is saved with the next change.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "textos_tzolkin.h"
#include "tzolkin.h"

namespace talmiroc::personas {

// ---------------------------------------------------------------------------
// A person

struct Persona {
    std::string nombre;  // 1..200 characters of any script, trimmed
    Fecha nacimiento;    // accepted by the day window's checks
    friend bool operator==(const Persona&, const Persona&) = default;
};

inline constexpr std::size_t nombre_maximo = 200;  // characters (code points)

enum class Nombre_malo { ninguno, vacio, largo, no_utf8, control };

// Where `s` stops being well-formed UTF-8: the offset of the first bad
// byte, or s.size() when it is all good. Primer_byte_malo("a\xff") == 1.
std::size_t Primer_byte_malo(std::string_view s);

// Trims blanks (any Unicode space) from both ends and checks the rest:
// valid UTF-8, 1..200 characters, no control character. "  Ana " becomes
// "Ana" (ninguno); "   " is vacio.
Nombre_malo Limpiar_nombre(std::string& nombre);

// ---------------------------------------------------------------------------
// The file

// Where the book lives: `$XDG_DATA_HOME/talmiroc/personas.json` when that
// is an absolute path, else `$HOME/.local/share/talmiroc/personas.json`;
// "" when neither is usable. Ruta_libro("/x", nullptr) == "/x/talmiroc/personas.json".
std::string Ruta_libro(const char* xdg_data_home, const char* home);

// The file's text for a list of people, as above, ended by a line break.
std::string Texto_libro(std::span<const Persona> personas);

// What is wrong with a file that cannot be read as a book.
enum class Defecto {
    ninguno,
    no_se_lee,    // the system refused to read it (detalle: its reason)
    no_json,      // not JSON, or cut short (linea: where)
    no_es_libro,  // JSON, but not {"version": ..., "personas": [...]}
    version,      // a version this program does not know (detalle: it)
    persona,      // a person is not {"nombre", "dia", "mes", "año"} (persona: which)
    nombre,       // a person's name is refused (persona: which)
    fecha,        // a person's date is refused (persona: which; detalle: the message)
};

struct Estado_lectura {
    Defecto defecto = Defecto::ninguno;
    std::size_t persona = 0;  // 1.. in the file's order; 0 when no person is meant
    std::size_t linea = 0;    // 1.. of the file; 0 when no line is meant
    std::string detalle;
    bool ok() const { return defecto == Defecto::ninguno; }
};

// Reads a file's text: the people, or what is wrong (the people empty).
std::vector<Persona> Leer_texto(std::string_view texto, Estado_lectura& estado);

// The defect in one line, in tzolkin's words: Texto_defecto(e, tzolkin_es) ==
// "la persona 3 tiene una fecha rechazada: Fecha incorrecta. ...". The window
// has its own words.
std::string Texto_defecto(const Estado_lectura& e, const Textos_tzolkin& t);

// ---------------------------------------------------------------------------
// A change

struct Cambio {
    enum class Tipo { añadir, quitar, cambiar };
    Tipo tipo;
    Persona antes;    // who is removed or changed
    Persona despues;  // who is added, or what `antes` becomes
    // Where an added person goes (undoing a removal puts them back); past
    // the end means at the end.
    std::size_t lugar = static_cast<std::size_t>(-1);
};

// The change that undoes `c`: a removal for an addition, and so on.
Cambio Inverso(const Cambio& c, std::size_t lugar);

// Applies `c` to a list: a person to remove or change is found by value
// (the first equal one); one already gone is not removed twice, and a
// changed one that is gone is added as changed. Returns where it happened.
std::size_t Aplicar_a(std::vector<Persona>& personas, const Cambio& c);

// ---------------------------------------------------------------------------
// The book

// The file writer the book saves through: the whole of `contenido` into
// `ruta` (a new file with mode 0600), or nothing. Returns 0, or the errno
// of the failure.
using Escritor = std::function<int(const std::string& ruta, std::string_view contenido)>;

// The project's one file writer (salida::Escritura): a new file is 0600.
int Escribir_archivo(const std::string& ruta, std::string_view contenido);

class Libro {
public:
    explicit Libro(std::string ruta, Escritor escritor = Escribir_archivo);

    const std::string& Ruta() const { return ruta_; }

    // Reads the file; a missing file is an empty book. A file that cannot be
    // read makes the book read-only.
    const Estado_lectura& Abrir();

    // Reads the file again if it changed on disk since last read or
    // written; true when it did. Changes not yet saved stay applied.
    bool Recargar();

    // The people as shown: the file's, with the changes not yet saved.
    const std::vector<Persona>& Personas() const { return personas_; }

    // The file could not be read: it is kept as it is, and no change is
    // taken until Empezar_de_nuevo.
    bool Solo_lectura() const { return !lectura_.ok(); }
    const Estado_lectura& Lectura() const { return lectura_; }

    // The file was readable by others (group or world) when last read.
    bool Legible_por_otros() const { return legible_por_otros_; }

    struct Resultado {
        bool aplicado = false;  // the change is in the book (saved or not)
        int error = 0;          // errno of a failed save; 0 when saved
        std::size_t lugar = 0;  // where the change happened
    };
    // Applies a change as described above. Not applied on a read-only book.
    Resultado Aplicar(const Cambio& c);

    // Applies in one save the changes `cambios` chooses for the book as it
    // is then, under the lock (with the changes not yet saved): an import
    // leaves out who is already there. `lugar` is the last change's.
    using Cambios_de = std::function<std::vector<Cambio>(const std::vector<Persona>& libro)>;
    Resultado Aplicar_varios(const Cambios_de& cambios);

    // Changes shown but not yet saved.
    std::size_t Pendientes() const { return pendientes_.size(); }

    // For a read-only book: renames the unreadable file aside, as
    // "personas-2026-12-10T014500.json" beside it, and starts an empty book.
    // Returns 0 and the new name, or the errno.
    int Empezar_de_nuevo(std::string& apartado, std::time_t ahora);

private:
    struct Huella {  // what tells that the file changed
        dev_t dispositivo = 0;
        ino_t nodo = 0;
        off_t tamaño = -1;
        std::int64_t modificado = 0;  // nanoseconds
        friend bool operator==(const Huella&, const Huella&) = default;
    };
    void Leer();  // the file into disco_, lectura_ and huella_
    Huella Huella_actual() const;
    std::vector<Persona> Con_pendientes() const;

    std::string ruta_;
    Escritor escritor_;
    Estado_lectura lectura_;
    Huella huella_;
    bool legible_por_otros_ = false;
    std::vector<Persona> disco_;     // as last read or written
    std::vector<Cambio> pendientes_;  // applied on screen, not yet saved
    std::vector<Persona> personas_;  // disco_ with pendientes_
};

}  // namespace talmiroc::personas
