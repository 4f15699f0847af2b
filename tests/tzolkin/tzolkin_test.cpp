#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QDate>
#include <QProcess>

#include "tzolkin_cli.h"

namespace talmiroc::cli {
namespace {

struct Corrida {
    int estado;
    std::string salida, errores;
};

// Runs the command in-process with the given standard input (a batch when
// `terminal` is false) and SOURCE_DATE_EPOCH.
Corrida Correr(std::vector<std::string> args, std::string entrada = {}, bool terminal = true,
               const char* source_date_epoch = nullptr, const Palabras* idioma = &palabras_es) {
    std::istringstream in(entrada);
    std::ostringstream out, err;
    Entorno e{in, terminal, out, err, 9, 4, 2003, 0, source_date_epoch, idioma};
    const int estado = Ejecutar(args, e);
    return {estado, out.str(), err.str()};
}

QJsonObject Objeto(const std::string& linea) {
    QJsonParseError error{};
    const QJsonDocument d = QJsonDocument::fromJson(QByteArray::fromStdString(linea), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << linea;
    return d.object();
}

std::vector<std::string> Lineas(const std::string& s) {
    std::vector<std::string> r;
    std::istringstream in(s);
    for (std::string l; std::getline(in, l);) r.push_back(l);
    return r;
}

TEST(Tzolkin, TextoDeUnaFecha) {
    const Corrida c = Correr({"9", "4", "2003"});
    EXPECT_EQ(c.estado, salida_aceptada);
    EXPECT_EQ(c.salida,
              "Fecha Gregoriana: 9-4-2003\n"
              "13 Lunas: Limi 6, Luna Planetaria del Perro (NS1.15.10.6)\n"
              "* Kin 46: Enlazador de Mundos Resonante  Blanco\n <Cimi Uuk> \n"
              "* Año de la Luna Planetaria Roja Kin 49\n <Muluc Lahum> \n"
              "* Onda encantada del Sol\n* Castillo Rojo Este del Girar\n"
              "Kin Guia: Espejo\nKin Antípoda: Guerrero\nKin Análogo: Caminante del Cielo\n"
              "Kin Oculto: Aguila\n"
              "Canalizo con el fin de igualar\nInspirando la oportunidad\n"
              "Sello el almacen de la muerte\nCon el tono Resonante de la armonización\n"
              "Me guía el poder del sinfín\n");
    EXPECT_EQ(c.salida.find('\r'), std::string::npos);
    EXPECT_TRUE(c.errores.empty());
}

TEST(Tzolkin, BannerDel25DeJulio) {
    const Corrida c = Correr({"25", "07", "2003"});
    EXPECT_EQ(c.estado, salida_aceptada);
    const auto l = Lineas(c.salida);
    ASSERT_FALSE(l.empty());
    EXPECT_EQ(l[1], "13 Lunas: Día fuera del tiempo");
    EXPECT_EQ(l[2], "* Kin 153: Caminante del Cielo Planetario  Rojo");
    EXPECT_EQ(l.back(), "Dia Verde, del Perdón Universal o de la Libertad Galáctica");
    EXPECT_EQ(l[l.size() - 2], "Soy un portal de activación galáctico, entra en mí");
    EXPECT_EQ(Correr({"24", "7", "2003"}).salida.find("Dia Verde"), std::string::npos);
}

TEST(Tzolkin, SinArgumentosEsHoy) {
    EXPECT_EQ(Correr({}).salida, Correr({"9", "4", "2003"}).salida);
    EXPECT_EQ(Correr({"--json"}).salida, Correr({"--json", "9", "4", "2003"}).salida);
}

TEST(Tzolkin, JsonDeUnaFecha) {
    const Corrida c = Correr({"--json", "09", "04", "2003"});
    EXPECT_EQ(c.estado, salida_aceptada);
    const auto lineas = Lineas(c.salida);
    ASSERT_EQ(lineas.size(), 1u);
    const QJsonObject o = Objeto(lineas[0]);
    const QStringList campos = {"kin",
                                "tono",
                                "sello",
                                "nombre",
                                "fecha",
                                "onda_encantada",
                                "a_maya",
                                "inter",
                                "oraculo",
                                "portador",
                                "dia_fuera_del_tiempo",
                                "trece_lunas",
                                "nombre_kin",
                                "linea_trece_lunas",
                                "familia_terrestre"};
    EXPECT_EQ(o.keys().size(), campos.size());
    for (const QString& k : campos) EXPECT_TRUE(o.contains(k)) << k.toStdString();
    EXPECT_EQ(o["kin"].toInt(), 46);
    EXPECT_EQ(o["tono"].toInt(), 7);
    EXPECT_EQ(o["familia_terrestre"].toString(), "Cardinal");
    EXPECT_EQ(o["sello"].toInt(), 6);
    EXPECT_EQ(o["portador"].toInt(), 49);
    EXPECT_EQ(o["fecha"].toString(), "Fecha Gregoriana: 9-4-2003");
    EXPECT_EQ(o["nombre_kin"].toString(), "Enlazador de Mundos Resonante Blanco");
    EXPECT_EQ(o["linea_trece_lunas"].toString(),
              "13 Lunas: Limi 6, Luna Planetaria del Perro (NS1.15.10.6)");
    EXPECT_EQ(o["nombre"].toString(),
              QString::fromUtf8("* Kin 46: Enlazador de Mundos Resonante  Blanco\r\n <Cimi Uuk> "));
    EXPECT_EQ(o["a_maya"].toString(),
              QString::fromUtf8("* Año de la Luna Planetaria Roja Kin 49\r\n <Muluc Lahum> "));
    EXPECT_TRUE(o["inter"].toString().endsWith("\r\n"));
    EXPECT_FALSE(o["dia_fuera_del_tiempo"].toBool());
    const QJsonObject oraculo = o["oraculo"].toObject();
    EXPECT_EQ(oraculo["guia"].toInt(), 18);
    EXPECT_EQ(oraculo["antipoda"].toInt(), 16);
    EXPECT_EQ(oraculo["analogo"].toInt(), 13);
    EXPECT_EQ(oraculo["oculto"].toInt(), 15);
}

struct FilaRechazo {
    std::vector<std::string> args;
    const char* error;
    const char* icono;
};

TEST(Tzolkin, Rechazos) {
    const FilaRechazo filas[] = {
        {{"30", "2", "2004"},
         "Fecha incorrecta. Debe introducir una fecha correcta",
         "informacion"},
        {{"1", "1", "37"},
         "Lo siento, por ahora los valores del año solo pueden estar de 38 en adelante",
         "error"},
        {{"", "4", "2003"}, "Fecha incorrecta. Debe introducir una fecha correcta", "informacion"},
        {{"  ", "4", "2003"},
         "Fecha incorrecta. Debe introducir una fecha correcta",
         "informacion"},
        {{"abc", "4", "2003"},
         "Fecha incorrecta. Debe introducir una fecha correcta",
         "informacion"},
        {{"-5", "4", "2003"},
         "Fecha incorrecta. Debe introducir una fecha correcta",
         "informacion"},
    };
    for (const auto& f : filas) {
        std::vector<std::string> json = {"--json"};
        json.insert(json.end(), f.args.begin(), f.args.end());
        const Corrida c = Correr(json);
        EXPECT_EQ(c.estado, salida_rechazada) << f.args[0];
        const QJsonObject o = Objeto(Lineas(c.salida).at(0));
        EXPECT_EQ(o.keys(), (QStringList{"error", "icono"}));
        EXPECT_EQ(o["error"].toString(), QString::fromUtf8(f.error)) << f.args[0];
        EXPECT_EQ(o["icono"].toString(), f.icono) << f.args[0];

        const Corrida texto = Correr(f.args);
        EXPECT_EQ(texto.estado, salida_rechazada);
        EXPECT_TRUE(texto.salida.empty());
        EXPECT_EQ(texto.errores, std::string("Tzolkin: ") + f.error + "\n");
    }
}

TEST(Tzolkin, ErroresDeUso) {
    const std::vector<std::string> filas[] = {{"9"},
                                              {"9", "4"},
                                              {"9", "4", "2003", "1"},
                                              {"--xml"},
                                              {"--json", "9", "4"},
                                              {"--idioma"},
                                              {"--idioma", "xx", "9", "4", "2003"},
                                              {"--kin", "300"},
                                              {"--desde", "1", "1", "2000"}};
    // Said in the environment's language, each its own words.
    for (const Palabras* idioma : idiomas) {
        for (const auto& args : filas) {
            const Corrida c = Correr(args, {}, true, nullptr, idioma);
            EXPECT_EQ(c.estado, salida_uso) << args[0];
            EXPECT_TRUE(c.errores.ends_with(" (tzolkin --help)\n")) << c.errores;
            EXPECT_EQ(std::count(c.errores.begin(), c.errores.end(), '\n'), 1) << c.errores;
            EXPECT_TRUE(c.salida.empty()) << args[0];
            if (idioma == idiomas.front()) continue;
            EXPECT_NE(c.errores, Correr(args).errores) << idioma->idioma;
            // --idioma counts for a word before it too.
            std::vector<std::string> con = args;
            con.insert(con.end(), {"--idioma", std::string(idioma->idioma)});
            if (args[0] != "--idioma") {
                EXPECT_EQ(Correr(con).errores, c.errores) << idioma->idioma;
            }
        }
        EXPECT_NE(Correr({"--help"}, {}, true, nullptr, idioma).salida.find("--idioma es|"),
                  std::string::npos);
        if (idioma != idiomas.front()) {
            EXPECT_NE(Correr({"--help"}, {}, true, nullptr, idioma).salida, Correr({"--help"}).salida);
        }
    }
    EXPECT_EQ(Correr({"--help"}).estado, salida_aceptada);
    // "--" ends the options, so a day may start with a dash.
    EXPECT_EQ(Correr({"--", "--5", "4", "2003"}).estado, salida_rechazada);
}

TEST(Tzolkin, LoteConUnaLineaRechazadaEnMedio) {
    const std::string entrada =
        "9 4 2003\n"
        "30/2/2004\n"
        "25/07/2003\r\n"
        "1 1 20\n"
        "\n"
        "1 2 3 4\n" +
        // Longer than any date: that line's error, whatever it ends with.
        std::string(100'000, ' ') + "9 4 2003\n"
        "28 7 2004\n";
    const Corrida c = Correr({"--json"}, entrada, false);
    EXPECT_EQ(c.estado, salida_rechazada);
    const auto lineas = Lineas(c.salida);
    ASSERT_EQ(lineas.size(), 8u);
    EXPECT_EQ(Objeto(lineas[0])["kin"].toInt(), 46);
    EXPECT_EQ(Objeto(lineas[1])["icono"].toString(), "informacion");
    EXPECT_EQ(Objeto(lineas[2])["kin"].toInt(), 153);
    EXPECT_TRUE(Objeto(lineas[2])["dia_fuera_del_tiempo"].toBool());
    EXPECT_EQ(Objeto(lineas[3])["icono"].toString(), "error");
    EXPECT_EQ(Objeto(lineas[4])["icono"].toString(), "informacion");
    EXPECT_EQ(Objeto(lineas[5])["icono"].toString(), "informacion");
    EXPECT_EQ(Objeto(lineas[6])["icono"].toString(), "informacion");
    EXPECT_EQ(Objeto(lineas[7])["kin"].toInt(), 1);

    EXPECT_EQ(Correr({"--json"}, "9 4 2003\n26/7/2003\n", false).estado, salida_aceptada);
    EXPECT_EQ(Correr({"--json"}, "", false).estado, salida_aceptada);
}

// A batch in every format: one header, one calendar; a refused line on
// standard error by its number (JSON writes it in place), the rest written.
TEST(Tzolkin, LoteEnCadaFormato) {
    const std::string
        entrada = "9 4 2003\nabc\n31 4 2003\n25 7 2003\n",
        abc = "tzolkin: línea 2: Fecha incorrecta. Debe introducir una fecha correcta\n",
        real =
            "tzolkin: línea 3: 31-4-2003 no es una fecha del calendario; CSV e "
            "iCalendar piden una fecha real\n";
    const struct {
        const char* formato;
        std::string_view marca;
        int veces;
        std::string errores;
    } filas[] = {
        {"texto", "Fecha Gregoriana: ", 3, abc}, {"csv", "fecha_iso,", 1, abc + real},
        {"csv", "\r\n2003-", 2, abc + real},     {"ics", "BEGIN:VCALENDAR", 1, abc + real},
        {"ics", "BEGIN:VEVENT", 2, abc + real},   {"linea", "\nKin ", 2, abc},
    };
    for (const auto& f : filas) {
        const Corrida c = Correr({"--formato", f.formato}, entrada, false);
        EXPECT_EQ(c.estado, salida_rechazada) << f.formato;
        int veces = 0;
        for (auto i = c.salida.find(f.marca); i != c.salida.npos;
             i = c.salida.find(f.marca, i + 1)) {
            ++veces;
        }
        EXPECT_EQ(veces, f.veces) << f.formato << " " << f.marca;
        EXPECT_EQ(c.errores, f.errores) << f.formato;
    }
    EXPECT_EQ(Correr({}, "9 4 2003\n25 7 2003\n", false).salida,
              Correr({"9", "4", "2003"}).salida + "\n" + Correr({"25", "7", "2003"}).salida);
    // A refused line in one language, its number's prefix too.
    for (const Palabras* idioma : idiomas) {
        EXPECT_EQ(Correr({}, "abc\n", false, nullptr, idioma).errores,
                  "tzolkin: " + Componer(Textos_de(*idioma).linea, {"1"}) +
                      std::string(Palabras_dia(*idioma).mensaje_fecha) + "\n");
    }
    // An iCalendar needs an event: nothing written when no line gives one.
    const Corrida vacio = Correr({"--formato", "ics"}, "9 4 2003 1\nabc\n", false);
    EXPECT_EQ(vacio.salida + vacio.errores.substr(vacio.errores.find("\ntzolkin: ") + 1),
              abc + "tzolkin: ninguna fecha válida en la entrada\n");
}

// SOURCE_DATE_EPOCH stamps iCalendar, or is refused on one line (status 2,
// nothing written); the text format stamps nothing and never reads it.
TEST(Tzolkin, SourceDateEpoch) {
    const struct {
        const char* valor;
        const char* formato;
        std::string_view contiene;  // in the output, or in the refusal
    } filas[] = {
        {"0", "ics", "DTSTAMP:19700101T000000Z\r\n"},
        {"253402300799", "ics", "DTSTAMP:99991231T235959Z\r\n"},
        {"abc", "texto", "Fecha Gregoriana: 9-4-2003\n"},
        {"253402300800", "ics", "=\"253402300800\" pasa del año 9999"},
        {"99999999999999999999", "ics", "pasa del año 9999"},
        {"abc", "ics", "=\"abc\" no es un número de segundos desde 1970\n"},
        {"5x", "ics", "no es un número"},
        {"-1", "ics", "no es un número"},
        {"+1", "ics", "no es un número"},
        {"", "ics", "=\"\" no es un número"},
        {"1\n2\x01", "ics", "=\"1\\n2\\x01\" no es un número"},  // one line always
    };
    for (const auto& f : filas) {
        const Corrida c = Correr({"--formato", f.formato, "9", "4", "2003"}, "", true, f.valor);
        const bool malo = c.estado == salida_uso;
        EXPECT_EQ(malo, !f.contiene.starts_with("DTSTAMP") && !f.contiene.starts_with("Fecha"));
        EXPECT_NE((malo ? c.errores : c.salida).find(f.contiene), std::string::npos) << f.valor;
        EXPECT_EQ(c.salida.empty(), malo) << f.valor;
        EXPECT_EQ(std::count(c.errores.begin(), c.errores.end(), '\n'), malo ? 1 : 0) << f.valor;
    }
}

TEST(Tzolkin, CamposDeLinea) {
    const struct {
        std::string_view linea;
        bool legible;
        const char *d, *m, *a;
    } filas[] = {
        {"9 4 2003", true, "9", "4", "2003"},
        {"9/4/2003", true, "9", "4", "2003"},
        {" 9 / 4 / 2003 ", true, "9", "4", "2003"},
        {"9\t4\t2003", true, "9", "4", "2003"},
        {"9 4", true, "9", "4", ""},
        {"", true, "", "", ""},
        {"1 2 3 4", false, "", "", ""},
        {"a b c", true, "a", "b", "c"},
    };
    for (const auto& f : filas) {
        std::string d = "x", m = "x", a = "x";
        EXPECT_EQ(Campos_linea(f.linea, d, m, a), f.legible) << f.linea;
        if (f.legible) {
            EXPECT_EQ(d, f.d) << f.linea;
            EXPECT_EQ(m, f.m) << f.linea;
            EXPECT_EQ(a, f.a) << f.linea;
        }
    }
}

// One line a day for a status bar: a date, the day out of time, Hunab Ku, a
// range, in each language asked for.
TEST(Tzolkin, LineaDeEstado) {
    const struct {
        std::vector<std::string> args;
        std::string salida;
    } filas[] = {
        {{"--formato", "linea", "26", "7", "2003"},
         "Kin 154 · Mago Espectral Blanco · Dali 1 · NS1.16.1.1\n"},
        {{"--formato", "linea", "25", "7", "2003"},
         "Kin 153 · Caminante del Cielo Planetario Rojo · Día fuera del tiempo\n"},
        {{"--formato", "linea", "29", "2", "2004"}, "Kin 111 · Mono Resonante Azul · 0.0 Hunab Ku\n"},
        {{"--formato", "linea", "--desde", "24", "7", "2003", "--hasta", "26", "7", "2003"},
         "Kin 152 · Humano Solar Amarillo · Silio 28 · NS1.15.13.28\n"
         "Kin 153 · Caminante del Cielo Planetario Rojo · Día fuera del tiempo\n"
         "Kin 154 · Mago Espectral Blanco · Dali 1 · NS1.16.1.1\n"},
        {{"--formato", "linea", "--idioma", "en", "25", "7", "2003"},
         "Kin 153 · Red Planetary Skywalker · Day Out of Time\n"},
        {{"--formato", "linea", "--idioma", "pt", "26", "7", "2003"},
         "Kin 154 · Mago Espectral Branco · Dali 1 · NS1.16.1.1\n"},
    };
    for (const auto& f : filas) {
        const Corrida c = Correr(f.args);
        EXPECT_EQ(c.estado, salida_aceptada) << f.args.back();
        EXPECT_EQ(c.salida, f.salida);
    }
}

// Every format writes its values in the language asked for; keys, column
// names and UIDs stay as they are.
TEST(Tzolkin, IdiomaEnCadaFormato) {
    const struct {
        std::vector<std::string> args;
        std::vector<std::string_view> partes;
    } filas[] = {
        {{"--idioma", "en", "25", "7", "2003"},
         {"* Kin 153: Red Planetary Skywalker\n", "Guide Kin: Dragon\n", "\nGreen Day: day of "}},
        {{"--idioma", "pt", "--json", "25", "7", "2003"},
         {"\"nombre\":\"Dia Fora do Tempo\"", "\"a_maya\":\"* Ano da Lua Planetária Vermelha"}},
        {{"--idioma", "en", "--formato", "csv", "9", "4", "2003"},
         {"fecha_iso,kin,sello,", "White Resonant Worldbridger,", ",Planetary Dog Moon,",
          ",Limi,Cardinal\r\n"}},
        {{"--idioma", "pt", "--formato", "ics", "9", "4", "2003"},
         {"UID:kin-20030409@talmiroc", "SUMMARY:Kin 46 · Enlaçador de Mundos Ressonante Branco",
          "CATEGORIES:Branco\r\n",
          "DESCRIPTION:Data gregoriana: 9-4-2003\\n13 Luas: Limi 6\\, Lua Plan"}},
    };
    for (const auto& f : filas) {
        const Corrida c = Correr(f.args);
        EXPECT_EQ(c.estado, salida_aceptada) << f.args[1];
        for (const auto parte : f.partes) {
            EXPECT_NE(c.salida.find(parte), std::string::npos) << parte << "\n" << c.salida;
        }
    }
    EXPECT_EQ(Correr({"--idioma", "pt", "30", "2", "2004"}).errores,
              "Tzolkin: Data inválida. Digite uma data válida.\n");
}

// The real executable: exit status and a batch through a pipe.
TEST(TzolkinProceso, EstadoDeSalidaYLote) {
    const struct {
        QStringList args;
        int estado;
    } filas[] = {{{"9", "4", "2003"}, 0},
                 {{"30", "2", "2004"}, 1},
                 {{"9"}, 2},
                 {{"--json", "25", "7", "2003"}, 0}};
    for (const auto& f : filas) {
        QProcess p;
        p.start(TZOLKIN_BIN, f.args);
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.exitCode(), f.estado) << f.args.join(' ').toStdString();
    }
    // Under cron or systemd standard input is /dev/null: no date is today.
    const QDate hoy = QDate::currentDate();
    QProcess nulo, fecha, sello;
    nulo.setStandardInputFile(QProcess::nullDevice());
    sello.setStandardInputFile(QProcess::nullDevice());
    nulo.start(TZOLKIN_BIN, {"--json"});
    fecha.start(TZOLKIN_BIN,
                {"--json", hoy.toString("d"), hoy.toString("M"), hoy.toString("yyyy")});
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert("SOURCE_DATE_EPOCH", "5x");
    sello.setProcessEnvironment(entorno);
    sello.start(TZOLKIN_BIN, {"--formato", "ics"});
    for (QProcess* p : {&nulo, &fecha, &sello}) ASSERT_TRUE(p->waitForFinished(10000));
    EXPECT_EQ(nulo.readAllStandardOutput(), fecha.readAllStandardOutput());
    EXPECT_EQ(sello.exitCode(), 2);
    QProcess p;
    p.start(TZOLKIN_BIN, {"--json"});
    ASSERT_TRUE(p.waitForStarted(10000));
    p.write("9 4 2003\nabc\n25 7 2003\n");
    p.closeWriteChannel();
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitCode(), 1);
    const QList<QByteArray> lineas = p.readAllStandardOutput().trimmed().split('\n');
    ASSERT_EQ(lineas.size(), 3);
    EXPECT_EQ(QJsonDocument::fromJson(lineas[0]).object()["kin"].toInt(), 46);
    EXPECT_TRUE(QJsonDocument::fromJson(lineas[1]).object().contains("error"));
    EXPECT_EQ(QJsonDocument::fromJson(lineas[2]).object()["kin"].toInt(), 153);
}

// The language comes from the environment unless --idioma names one.
TEST(TzolkinProceso, IdiomaDelEntorno) {
    const struct {
        QStringList entorno, args;
        const char* primera;
    } filas[] = {
        {{"LANG=en_US.UTF-8"}, {}, "Gregorian date: 9 April 2003"},
        {{"LANGUAGE=pt_BR:en"}, {}, "Data gregoriana: 9-4-2003"},
        {{"LANG=en_US.UTF-8"}, {"--idioma", "es"}, "Fecha Gregoriana: 9-4-2003"},
    };
    for (const auto& f : filas) {
        QProcessEnvironment entorno;  // nothing else set
        for (const QString& v : f.entorno) entorno.insert(v.section('=', 0, 0), v.section('=', 1));
        QProcess p;
        p.setProcessEnvironment(entorno);
        p.start(TZOLKIN_BIN, f.args + QStringList{"9", "4", "2003"});
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.readAllStandardOutput().split('\n').value(0).toStdString(), f.primera)
            << f.entorno.join(' ').toStdString();
    }
}

}  // namespace
}  // namespace talmiroc::cli
