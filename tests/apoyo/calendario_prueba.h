// A window on a fixed day, shown without a display, and what the tests ask of it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "apoyo_qt.h"
#include "boton.h"
#include "calendario.h"
#include "controles.h"
#include "disposicion.h"
#include "efectos_grabados.h"
#include "enlace.h"
#include "etiqueta.h"
#include "idioma_qt.h"
#include "imagen.h"
#include "twips.h"
#include "idiomas.h"
#include "tzolkin.h"

namespace talmiroc::prueba {

// The layout's places and sizes in pixels, as the window shows them.
inline const QPoint lugar_grande = disposicion::Pixeles(disposicion::caja_grande.topLeft());
inline const QPoint lugar_centro = disposicion::Pixeles(disposicion::caja_centro.topLeft());
inline const QPoint lugar_guia = disposicion::Pixeles(disposicion::lugar_guia);
inline const QPoint lugar_antipoda = disposicion::Pixeles(disposicion::lugar_antipoda);
inline const QPoint lugar_analogo = disposicion::Pixeles(disposicion::lugar_analogo);
inline const QPoint lugar_oculto = disposicion::Pixeles(disposicion::lugar_oculto);
inline const QSize vista_principal = disposicion::principal;
inline const QSize vista_creditos = disposicion::creditos;

// A Gregorian date of the kin, found with the engine: the 260 days from
// 26 July 2003 hold every kin once.
inline QDate Fecha_de_kin(int kin) {
    for (QDate d(2003, 7, 26); d < QDate(2004, 7, 26); d = d.addDays(1)) {
        if (d.month() == 2 && d.day() == 29) continue;
        if (Calculo_kin(d.day(), d.month(), d.year()).kin == kin) return d;
    }
    return {};
}

// The windows speak another language for as long as this lives; Spanish again after.
class En_idioma {
public:
    explicit En_idioma(const Palabras& p) { Fijar_idioma(p); }
    ~En_idioma() { Fijar_idioma(palabras_es); }
    En_idioma(const En_idioma&) = delete;
    En_idioma& operator=(const En_idioma&) = delete;
};

class Ventana_en_dia {
public:
    explicit Ventana_en_dia(QDate hoy = QDate(2003, 4, 9))
        : efectos(hoy), ventana(std::make_unique<Calendario>(efectos)), c(*ventana) {
        Enlazar(*ventana, efectos);
        ventana->Abrir();
    }

    // Types the three texts into the empty boxes and clicks Calcular.
    void Calcular(const QString& d, const QString& m, const QString& a) {
        Escribir(d, m, a);
        QTest::mouseClick(c.Boton1, Qt::LeftButton);
    }
    void Calcular(QDate fecha) {
        Calcular(QString::number(fecha.day()), QString::number(fecha.month()),
                 QString::number(fecha.year()));
    }
    void Escribir(const QString& d, const QString& m, const QString& a) {
        QTest::keyClicks(c.dia, d);
        QTest::keyClicks(c.mes, m);
        QTest::keyClicks(c.año, a);
    }

    // Becomes the active window, so that the keyboard reaches it.
    bool Activar() { return QTest::qWaitForWindowActive(ventana.get()); }

    std::vector<Imagen*> Visibles(int elemento) const { return c.Visibles(elemento); }
    std::vector<Imagen*> Tonos_visibles() const { return c.Tonos_visibles(); }

    Efectos_grabados efectos;
    std::unique_ptr<Calendario> ventana;
    Controles c;  // the window's controls, by name
};

// Every caption that a calculation writes, and every glyph it shows, is gone.
inline void Esperar_limpia(const Controles& v) {
    for (const Etiqueta* e : {v.fecha, v.a_maya, v.nombre, v.Onda_encantada, v.inter}) {
        EXPECT_EQ(e->Caption(), QString()) << e->objectName().toStdString();
    }
    EXPECT_EQ(v.fecha->toolTip(), QString()) << "the moon reading goes with the date line";
    for (const QLineEdit* c : {v.dia, v.mes, v.año}) EXPECT_EQ(c->text(), QString());
    EXPECT_FALSE(v.diafueradeltiempo->isVisible());
    EXPECT_FALSE(v.Label9->isVisible());
    for (const Imagen* i : v.ventana->findChildren<Imagen*>()) {
        EXPECT_FALSE(i->isVisible()) << i->objectName().toStdString();
    }
}

}  // namespace talmiroc::prueba
