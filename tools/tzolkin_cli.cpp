#include "tzolkin_cli.h"

#include <istream>
#include <ostream>

#include <QJsonDocument>
#include <QString>

namespace talmiroc::cli {

namespace {

constexpr std::string_view uso =
    "Uso: tzolkin [DIA MES AÑO]\n"
    "     tzolkin --json [DIA MES AÑO]\n"
    "     tzolkin --json < fechas      (una fecha por línea: DIA MES AÑO o DIA/MES/AÑO)\n"
    "Sin fecha, calcula el día de hoy.\n";

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::string Linea_json(const QJsonObject& o) {
    return QJsonDocument(o).toJson(QJsonDocument::Compact).toStdString();
}

// Reports one verdict; returns whether the date was accepted.
bool Informar(const Veredicto& v, bool json, std::ostream& out, std::ostream& err) {
    if (json) {
        out << Linea_json(Json_veredicto(v)) << '\n';
    } else if (const auto* f = std::get_if<Fecha>(&v)) {
        out << Texto_dia(Describir_dia(*f));
    } else {
        err << titulo_fecha << ": " << std::get<Rechazo>(v).mensaje << '\n';
    }
    return std::holds_alternative<Fecha>(v);
}

int Lote(Entorno& e) {
    bool todas = true;
    std::string linea;
    while (std::getline(e.entrada, linea)) {
        if (!linea.empty() && linea.back() == '\r') linea.pop_back();
        std::string d, m, a;
        const Veredicto v = Campos_linea(linea, d, m, a)
                                ? Comprobar_fecha(d, m, a)
                                : Veredicto{Rechazo{mensaje_fecha, Icono::informacion}};
        todas = Informar(v, true, e.salida, e.errores) && todas;
    }
    e.salida.flush();
    return todas ? salida_aceptada : salida_rechazada;
}

}  // namespace

QJsonObject Json_veredicto(const Veredicto& v) {
    QJsonObject o;
    if (const auto* r = std::get_if<Rechazo>(&v)) {
        o["error"] = Q(r->mensaje);
        o["icono"] = r->icono == Icono::error ? "error" : "informacion";
        return o;
    }
    const Lectura_dia l = Describir_dia(std::get<Fecha>(v));
    o["kin"] = l.kin.valor;
    o["tono"] = l.kin.tono().valor;
    o["sello"] = l.kin.sello().valor;
    o["nombre"] = Q(l.nombre);
    o["fecha"] = Q(l.fecha);
    o["onda_encantada"] = Q(l.onda_encantada);
    o["a_maya"] = Q(l.a_maya);
    o["inter"] = Q(l.inter);
    o["oraculo"] = QJsonObject{{"guia", l.oraculo.guia.valor},
                               {"antipoda", l.oraculo.antipoda.valor},
                               {"analogo", l.oraculo.analogo.valor},
                               {"oculto", l.oraculo.oculto.valor}};
    o["portador"] = l.portador.valor;
    o["dia_fuera_del_tiempo"] = l.dia_fuera_del_tiempo;
    const Fecha_trece_lunas& t = l.trece_lunas;
    const bool luna = t.especial == Dia_especial::ninguno;
    const auto numero = [luna](int n) { return luna ? QJsonValue(n) : QJsonValue(); };
    o["trece_lunas"] =
        QJsonObject{{"ns", luna ? QJsonValue(Q(Notacion_ns(t))) : QJsonValue()},
                    {"luna", numero(t.luna)},
                    {"nombre", Q(Nombre_trece_lunas(t))},
                    {"dia", numero(t.dia)},
                    {"heptada", numero(t.heptada)},
                    {"plasma", luna ? QJsonValue(Q(Plasma_trece_lunas(t))) : QJsonValue()}};
    return o;
}

bool Campos_linea(std::string_view linea, std::string& dia, std::string& mes, std::string& año) {
    std::string* campos[] = {&dia, &mes, &año};
    for (auto* c : campos) c->clear();
    std::size_t n = 0;
    std::size_t i = 0;
    const auto separador = [](char c) { return c == ' ' || c == '\t' || c == '/'; };
    while (i < linea.size()) {
        while (i < linea.size() && separador(linea[i])) ++i;
        if (i == linea.size()) break;
        if (n == 3) return false;
        const std::size_t inicio = i;
        while (i < linea.size() && !separador(linea[i])) ++i;
        campos[n++]->assign(linea.substr(inicio, i - inicio));
    }
    return true;
}

int Ejecutar(const std::vector<std::string>& argumentos, Entorno& e) {
    bool json = false;
    std::vector<std::string> fecha;
    bool opciones = true;
    for (const std::string& a : argumentos) {
        const bool parece_opcion = a.size() > 1 && a[0] == '-' && !(a[1] >= '0' && a[1] <= '9');
        if (opciones && a == "--") {
            opciones = false;
        } else if (opciones && a == "--json") {
            json = true;
        } else if (opciones && (a == "--help" || a == "-h")) {
            e.salida << uso;
            return salida_aceptada;
        } else if (opciones && parece_opcion) {
            e.errores << "tzolkin: opción desconocida: " << a << '\n' << uso;
            return salida_uso;
        } else {
            fecha.push_back(a);
        }
    }
    if (!fecha.empty() && fecha.size() != 3) {
        e.errores << "tzolkin: se esperan tres valores: DIA MES AÑO\n" << uso;
        return salida_uso;
    }
    if (fecha.empty() && json && !e.entrada_es_terminal) return Lote(e);
    if (fecha.empty()) {
        fecha = {std::to_string(e.dia_hoy), std::to_string(e.mes_hoy), std::to_string(e.año_hoy)};
    }
    const bool aceptada =
        Informar(Comprobar_fecha(fecha[0], fecha[1], fecha[2]), json, e.salida, e.errores);
    e.salida.flush();
    return aceptada ? salida_aceptada : salida_rechazada;
}

}  // namespace talmiroc::cli
