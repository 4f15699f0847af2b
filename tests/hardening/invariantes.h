// What must hold of the window at any moment, as text: each check returns the
// first fault it sees, or an empty string. The random sessions run them after
// every key and click; the sweep of whole years compares the window with the
// engine's description of each date.
#pragma once

#include <string>
#include <vector>

#include "calendario_prueba.h"

namespace talmiroc::prueba {

inline std::string U8(const QString& s) {
    return s.toStdString();
}
inline std::string Nombre(const QObject* o) {
    return o ? U8(o->objectName()) : "nada";
}

// Whether a text holds only whole characters: no half of a surrogate pair.
inline bool Caracteres_enteros(const QString& s) {
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
            ++i;
        } else if (s[i].isSurrogate()) {
            return false;
        }
    }
    return true;
}

// Everything the window shows for an accepted date, against the engine.
inline std::string Como_el_motor(const Controles& v, const Lectura_dia& l) {
    const auto caption = [](const Etiqueta* e, const std::string& esperado) -> std::string {
        if (U8(e->Caption()) == esperado) return {};
        return Nombre(e) + " dice \"" + U8(e->Caption()) + "\", el motor \"" + esperado + "\"";
    };
    if (U8(v.fecha->toolTip()) != l.linea_trece_lunas) {
        return "fecha lleva la nota \"" + U8(v.fecha->toolTip()) + "\", el motor \"" +
               l.linea_trece_lunas + "\"";
    }
    for (const std::string& falta : {caption(v.fecha, l.fecha), caption(v.nombre, l.nombre),
                                     caption(v.Onda_encantada, l.onda_encantada),
                                     caption(v.a_maya, l.a_maya), caption(v.inter, l.inter)}) {
        if (!falta.empty()) return falta;
    }
    const QColor color(l.color.r, l.color.g, l.color.b);
    if (v.nombre->Color() != color || v.inter->Color() != color) {
        return "color de nombre " + U8(v.nombre->Color().name()) + " e inter " +
               U8(v.inter->Color().name()) + ", el motor " + U8(color.name());
    }
    if (v.diafueradeltiempo->isVisible() != l.dia_fuera_del_tiempo) {
        return std::string("el letrero del dia fuera del tiempo ") +
               (l.dia_fuera_del_tiempo ? "no se ve" : "se ve");
    }
    const Controles::Arreglo_sello& propio = *v.Arreglo_de(l.kin.sello());
    if (v.Visibles(0) != std::vector<Imagen*>{propio[0]} || propio[0]->pos() != lugar_grande) {
        return "el glifo grande no es " + Nombre(propio[0]) + " en su lugar";
    }
    if (v.Visibles(1) != std::vector<Imagen*>{propio[1]} || propio[1]->pos() != lugar_centro ||
        propio[1]->Recurso() != propio[0]->Recurso()) {
        return "el glifo del centro no es " + Nombre(propio[1]) + " en su lugar";
    }
    Imagen* tono = v.tono[static_cast<std::size_t>(l.kin.tono().valor)];
    if (v.Tonos_visibles() != std::vector<Imagen*>{tono}) {
        return "el tono visible no es " + Nombre(tono);
    }
    // What a screen reader calls each glyph: the description's name for it.
    const auto nombrado = [](const Imagen* glifo, const std::string& nombre) -> std::string {
        if (U8(glifo->accessibleName()) == nombre) return {};
        return Nombre(glifo) + " se llama \"" + U8(glifo->accessibleName()) + "\", el motor \"" +
               nombre + "\"";
    };
    for (const std::string& falta :
         {nombrado(propio[0], l.nombre_sello), nombrado(propio[1], l.nombre_centro),
          nombrado(tono, l.nombre_tono)}) {
        if (!falta.empty()) return falta;
    }
    const std::pair<Sello, QPoint> cruz[] = {{l.oraculo.guia, lugar_guia},
                                             {l.oraculo.antipoda, lugar_antipoda},
                                             {l.oraculo.analogo, lugar_analogo},
                                             {l.oraculo.oculto, lugar_oculto}};
    for (std::size_t i = 0; i < std::size(cruz); ++i) {
        const auto& [sello, lugar] = cruz[i];
        const Imagen* glifo = (*v.Arreglo_de(sello))[2];
        if (!glifo->isVisible() || glifo->pos() != lugar) {
            return "el oraculo no muestra " + Nombre(glifo) + " en (" + std::to_string(lugar.x()) +
                   "," + std::to_string(lugar.y()) + ")";
        }
        if (std::string falta = nombrado(glifo, l.nombres_oraculo[i]); !falta.empty()) {
            return falta;
        }
    }
    if (v.Visibles(2).size() != 4) return "el oraculo muestra mas de cuatro glifos";
    return {};
}

// The date that `fecha` shows, read back: "Fecha Gregoriana: 9-4-2003".
inline bool Leer_fecha(const QString& caption, Fecha& f) {
    static const QString prefijo = QStringLiteral("Fecha Gregoriana: ");
    if (!caption.startsWith(prefijo)) return false;
    const QStringList partes = caption.mid(prefijo.size()).split(QLatin1Char('-'));
    if (partes.size() != 3) return false;
    bool ok[3];
    f = Fecha{partes[0].toInt(&ok[0]), partes[1].toInt(&ok[1]), partes[2].toLongLong(&ok[2])};
    return ok[0] && ok[1] && ok[2];
}

// What holds after any key or click, in either view.
inline std::string Invariantes(const Controles& v) {
    const std::pair<const QLineEdit*, qsizetype> cajas[] = {{v.dia, 2}, {v.mes, 2}, {v.año, 4}};
    for (const auto& [caja, maximo] : cajas) {
        const QString t = caja->text();
        if (!Caracteres_enteros(t)) return Nombre(caja) + " guarda medio caracter";
        if (t.toUcs4().size() > maximo) {
            return Nombre(caja) + " guarda " + std::to_string(t.toUcs4().size()) + " caracteres";
        }
    }

    // Which glyphs and where: Como_el_motor, for the date shown.
    const bool sin_glifos = v.Visibles(0).empty() && v.Visibles(1).empty() &&
                            v.Visibles(2).empty() && v.Tonos_visibles().empty();
    if (v.fecha->Caption().isEmpty() != sin_glifos) {
        return sin_glifos ? "fecha sin glifos" : "glifos sin fecha";
    }
    if (v.Label9->isVisible() == sin_glifos) return "el fondo Label9 no sigue a los glifos";
    if (sin_glifos) {
        for (const Etiqueta* e : {v.nombre, v.a_maya, v.Onda_encantada, v.inter}) {
            if (!e->Caption().isEmpty()) return Nombre(e) + " escrita sin fecha";
        }
        if (v.diafueradeltiempo->isVisible()) return "letrero del dia fuera del tiempo sin fecha";
    }

    if (const QWidget* foco = QApplication::focusWidget(); foco && !foco->isVisible()) {
        return "el foco esta en " + Nombre(foco) + ", oculto";
    }

    const QSize tamano = v.ventana->size();
    const bool principal = tamano == vista_principal;
    if (!principal && tamano != vista_creditos) {
        return "ventana de " + std::to_string(tamano.width()) + "x" +
               std::to_string(tamano.height());
    }
    for (const QWidget* w : std::initializer_list<const QWidget*>{
             v.Boton1, v.Boton2, v.Boton3, v.Boton4, v.dia, v.mes, v.año, v.Label1}) {
        if (w->isVisible() != principal) return Nombre(w) + " no sigue a la vista";
    }
    for (const QWidget* w : std::initializer_list<const QWidget*>{
             v.Boton5, v.creado1, v.creado2, v.creado3, v.creado4, v.creado5}) {
        if (w->isVisible() == principal) return Nombre(w) + " no sigue a la vista";
    }
    if (!principal) {
        if (!sin_glifos) return "glifos en la vista de creditos";
        for (const QLineEdit* caja : {v.dia, v.mes, v.año}) {
            if (!caja->text().isEmpty()) return Nombre(caja) + " oculta guarda texto";
        }
    }

    if (!v.fecha->Caption().isEmpty()) {
        Fecha f{};
        if (!Leer_fecha(v.fecha->Caption(), f)) return "fecha ilegible: " + U8(v.fecha->Caption());
        const Veredicto veredicto = Comprobar_fecha(std::to_string(f.dia), std::to_string(f.mes),
                                                    std::to_string(f.año), Palabras_dia(Palabras_ventana()));
        if (!std::holds_alternative<Fecha>(veredicto)) return "fecha no aceptable en pantalla";
        return Como_el_motor(v, Describir_dia(f, Palabras_dia(Palabras_ventana())));
    }
    return {};
}

}  // namespace talmiroc::prueba
