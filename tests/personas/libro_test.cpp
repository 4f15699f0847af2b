// The people book: its file read back, each bad file kept and reported,
// changes from two books at once, a save the disk refuses, privacy.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "carpeta.h"
#include "idiomas.h"
#include "libro.h"
#include "regresos.h"

namespace talmiroc::personas {
namespace {

using prueba::Carpeta;

Cambio Alta(std::string nombre, Fecha f) {
    return {Cambio::Tipo::añadir, {}, {std::move(nombre), f}};
}

std::vector<std::string> Nombres(const std::vector<Persona>& v) {
    std::vector<std::string> n;
    for (const Persona& p : v) n.push_back(p.nombre);
    return n;
}

TEST(Nombre, Comprobaciones) {
    const struct {
        std::string entrada;
        Nombre_malo malo;
        std::string limpio;
    } filas[] = {
        {"  Ana \t", Nombre_malo::ninguno, "Ana"},
        {"\u3000李小龍\u00a0", Nombre_malo::ninguno, "李小龍"},
        {"María José", Nombre_malo::ninguno, "María José"},
        {std::string(200, 'a'), Nombre_malo::ninguno, std::string(200, 'a')},
        {std::string(201, 'a'), Nombre_malo::largo, ""},
        {"ñ" + std::string(199, 'a'), Nombre_malo::ninguno, "ñ" + std::string(199, 'a')},
        {"", Nombre_malo::vacio, ""},
        {" \n ", Nombre_malo::vacio, ""},
        {"Ana\nLuis", Nombre_malo::control, ""},
        {"A\x7f", Nombre_malo::control, ""},
        {"Ana\xff", Nombre_malo::no_utf8, ""},
        {"\xc0\xaf", Nombre_malo::no_utf8, ""},      // overlong
        {"\xed\xa0\x80", Nombre_malo::no_utf8, ""},  // a surrogate
    };
    for (const auto& f : filas) {
        std::string n = f.entrada;
        EXPECT_EQ(Limpiar_nombre(n), f.malo) << f.entrada;
        if (f.malo == Nombre_malo::ninguno) {
            EXPECT_EQ(n, f.limpio);
        }
    }
}

TEST(Archivo, IdaYVuelta) {
    const std::vector<Persona> libro = {{"Ana", {9, 4, 2003}},
                                        {"Luis \"el\" \\ hermano", {29, 2, 2004}},
                                        {"李小龍", {27, 11, 1940}},
                                        {"Año máximo", {31, 12, 999'999'999'999'999'999}}};
    const std::string texto = Texto_libro(libro);
    EXPECT_TRUE(texto.starts_with(
        "{\"version\": 1, \"personas\": [\n  {\"nombre\": \"Ana\", \"dia\": 9, \"mes\": 4, "
        "\"año\": 2003},\n"))
        << texto;
    EXPECT_EQ(std::count(texto.begin(), texto.end(), '\n'), 6) << "one person a line";
    Estado_lectura e;
    EXPECT_EQ(Leer_texto(texto, e), libro);
    EXPECT_TRUE(e.ok()) << Texto_defecto(e, tzolkin_es);
    EXPECT_EQ(Texto_libro({}), "{\"version\": 1, \"personas\": []}\n");
    EXPECT_EQ(Leer_texto(Texto_libro({}), e).size(), 0u);
    EXPECT_TRUE(e.ok());
}

// Each bad file: the book opens read-only, says what is wrong, takes no
// change, and the file stays byte for byte.
TEST(Archivo, MaloSeConservaYSeDice) {
    const struct {
        const char* nombre;
        std::string texto;
        Defecto defecto;
        std::size_t persona, linea;
    } filas[] = {
        {"no JSON", "hola", Defecto::no_json, 0, 1},
        {"cut short", "{\"version\": 1, \"personas\": [\n  {\"nombre\": \"Ana\", \"di",
         Defecto::no_json, 0, 2},
        {"empty file", "", Defecto::no_json, 0, 1},
        {"not a book", "[1, 2]", Defecto::no_es_libro, 0, 0},
        {"unknown key", "{\"version\": 1, \"personas\": [], \"x\": 0}", Defecto::no_es_libro, 0, 0},
        {"version 2", "{\"version\": 2, \"personas\": []}", Defecto::version, 0, 0},
        {"version as text", "{\"version\": \"1\", \"personas\": []}", Defecto::version, 0, 0},
        {"person lacks a year",
         "{\"version\": 1, \"personas\": [{\"nombre\": \"A\", \"dia\": 1, \"mes\": 1}]}",
         Defecto::persona, 1, 0},
        {"day as text",
         "{\"version\": 1, \"personas\": [{\"nombre\": \"A\", \"dia\": 1, \"mes\": 1, \"año\": 2000}, "
         "{\"nombre\": \"B\", \"dia\": \"1\", \"mes\": 1, \"año\": 2000}]}",
         Defecto::persona, 2, 0},
        {"empty name",
         "{\"version\": 1, \"personas\": [{\"nombre\": \" \", \"dia\": 1, \"mes\": 1, \"año\": 2000}]}",
         Defecto::nombre, 1, 0},
        {"30 February",
         "{\"version\": 1, \"personas\": [{\"nombre\": \"A\", \"dia\": 30, \"mes\": 2, \"año\": 2000}]}",
         Defecto::fecha, 1, 0},
        {"year 37",
         "{\"version\": 1, \"personas\": [{\"nombre\": \"A\", \"dia\": 1, \"mes\": 1, \"año\": 37}]}",
         Defecto::fecha, 1, 0},
    };
    for (const auto& f : filas) {
        SCOPED_TRACE(f.nombre);
        Carpeta c;
        prueba::Escribir(c.Libro(), f.texto);
        Libro libro(c.Libro());
        const Estado_lectura e = libro.Abrir();
        EXPECT_EQ(e.defecto, f.defecto);
        EXPECT_EQ(e.persona, f.persona);
        if (f.linea) {
            EXPECT_EQ(e.linea, f.linea);
        }
        EXPECT_FALSE(Texto_defecto(e, tzolkin_es).empty());
        EXPECT_TRUE(libro.Solo_lectura());
        EXPECT_FALSE(libro.Aplicar(Alta("Ana", {9, 4, 2003})).aplicado);
        EXPECT_EQ(prueba::Leer(c.Libro()), f.texto) << "kept byte for byte";

        // A new book keeps the old file aside, whole, with the time in its name.
        std::string apartado;
        ASSERT_EQ(libro.Empezar_de_nuevo(apartado, 1'765'000'000), 0);
        EXPECT_NE(apartado.find("/personas-20"), std::string::npos) << apartado;
        EXPECT_EQ(prueba::Leer(apartado), f.texto);
        EXPECT_FALSE(libro.Solo_lectura());
        EXPECT_EQ(libro.Aplicar(Alta("Ana", {9, 4, 2003})).error, 0);
        EXPECT_EQ(Libro(c.Libro()).Abrir().defecto, Defecto::ninguno);
    }
}

// Two books on one file (two windows): each change is applied to the file as
// it is then, so neither loses the other's.
TEST(Libro, DosALaVezNoPierdenNada) {
    Carpeta c;
    Libro a(c.Libro()), b(c.Libro());
    ASSERT_TRUE(a.Abrir().ok());
    ASSERT_TRUE(b.Abrir().ok());
    EXPECT_EQ(a.Aplicar(Alta("Ana", {9, 4, 2003})).error, 0);
    EXPECT_EQ(b.Aplicar(Alta("Luis", {25, 7, 2003})).error, 0);
    EXPECT_EQ(a.Aplicar({Cambio::Tipo::quitar, {"Luis", {25, 7, 2003}}, {}}).error, 0);
    EXPECT_EQ(b.Aplicar(Alta("Eva", {1, 1, 1990})).error, 0);
    const std::vector<std::string> esperados = {"Ana", "Eva"};
    EXPECT_EQ(Nombres(b.Personas()), esperados);
    EXPECT_TRUE(a.Recargar());
    EXPECT_EQ(Nombres(a.Personas()), esperados);
}

// The folder 0700, the file 0600; a book others can read is told.
TEST(Libro, Privado) {
    Carpeta c;
    Libro libro(c.Libro());
    libro.Abrir();
    ASSERT_EQ(libro.Aplicar(Alta("Ana", {9, 4, 2003})).error, 0);
    EXPECT_EQ(prueba::Modo(c.Raiz() + "/talmiroc"), 0700u);
    EXPECT_EQ(prueba::Modo(c.Libro()), 0600u);
    EXPECT_FALSE(libro.Legible_por_otros());
    std::filesystem::permissions(c.Libro(), std::filesystem::perms::group_read,
                                 std::filesystem::perm_options::add);
    libro.Abrir();
    EXPECT_TRUE(libro.Legible_por_otros());
}

// A save the disk refuses: the change stays shown and waits; nothing on
// disk is lost; the next change saves both.
TEST(Libro, GuardadoRechazado) {
    Carpeta c;
    int fallo = ENOSPC;
    Libro libro(c.Libro(), [&fallo](const std::string& ruta, std::string_view texto) {
        return fallo ? fallo : Escribir_archivo(ruta, texto);
    });
    libro.Abrir();
    const Libro::Resultado r = libro.Aplicar(Alta("Ana", {9, 4, 2003}));
    EXPECT_TRUE(r.aplicado);
    EXPECT_EQ(r.error, ENOSPC);
    EXPECT_EQ(libro.Pendientes(), 1u);
    EXPECT_EQ(Nombres(libro.Personas()), std::vector<std::string>{"Ana"});
    EXPECT_FALSE(std::filesystem::exists(c.Libro()));
    fallo = 0;
    EXPECT_EQ(libro.Aplicar(Alta("Luis", {25, 7, 2003})).error, 0);
    EXPECT_EQ(libro.Pendientes(), 0u);
    Libro otro(c.Libro());
    otro.Abrir();
    EXPECT_EQ(Nombres(otro.Personas()), (std::vector<std::string>{"Ana", "Luis"}));

    // A folder that cannot be made (its parent is a file), even for root.
    Carpeta d;
    prueba::Escribir(d.Raiz() + "/archivo", "x");
    Libro sin_carpeta(d.Raiz() + "/archivo/talmiroc/personas.json");
    sin_carpeta.Abrir();
    EXPECT_EQ(sin_carpeta.Aplicar(Alta("Ana", {9, 4, 2003})).error, ENOTDIR);
    EXPECT_EQ(sin_carpeta.Pendientes(), 1u);
}

TEST(Regresos, CalendarioYBandeja) {
    const std::vector<Persona> libro = {{"Ana", {9, 4, 2003}}, {"Luis", {29, 2, 2004}}};
    const auto v = Proximos_regresos(libro, {10, 12, 2026}, 3, std::nullopt);
    ASSERT_EQ(v.size(), 6u);
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (i > 0) {
            EXPECT_LE(v[i - 1].fecha, v[i].fecha) << "in date order";
        }
        EXPECT_EQ(Regresan_el(libro, v[i].fecha).front(), v[i].persona);
    }
    EXPECT_TRUE(Regresan_el(libro, {10, 12, 2026}).empty());
    // The same person and date, the same UID, whatever the book's order.
    const std::vector<Persona> al_reves = {libro[1], libro[0]};
    const auto w = Proximos_regresos(al_reves, {10, 12, 2026}, 3, std::nullopt);
    for (std::size_t i = 0; i < v.size(); ++i) {
        EXPECT_EQ(Uid_regreso(*v[i].persona, v[i].kin, v[i].fecha),
                  Uid_regreso(*w[i].persona, w[i].kin, w[i].fecha));
    }
    EXPECT_NE(Uid_regreso(libro[0], Kin(46), {1, 1, 2030}), Uid_regreso(libro[1], Kin(46), {1, 1, 2030}));
}

}  // namespace
}  // namespace talmiroc::personas
