// Start-up floor: a bare Qt window of the same size, with the same controls
// as the real one, that quits at its first paint.
//
// Same kinds, counts and visibility: 20 labels (14 shown) in the real boxes,
// wrapped where the real ones wrap and showing a day's texts (those of
// 9 December 2026, written out here), 3 empty text boxes, 6 buttons (5 shown)
// with the window's captions and 73 image boxes (7 shown). What it leaves out
// is what the window adds on top of a bare Qt program: its faces (the default
// font here), its pictures (a flat fill here), its icon and the calendar.
//
// Built with INICIO_BASE_CONTENIDO (the program inicio_base_contenido), it
// draws what the window draws: the labels in the window's faces, sizes and
// weights, and the seven visible image boxes, in the window's places and
// sizes, painting that day's pictures rendered from their SVG. That is the
// floor for the window's look: it tells what Qt needs for the faces and the
// pictures from what the window's own code adds.
#include <iterator>
#include <utility>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStringList>
#ifdef INICIO_BASE_CONTENIDO
#include <QSvgRenderer>
#endif

#include "primera_pintura.h"

using namespace Qt::StringLiterals;

namespace {

// An image box that paints a flat colour, the least an image can do; or,
// given a picture, renders it from its SVG at the box's size and draws it.
class Caja : public QWidget {
public:
    Caja(QWidget* parent, QString recurso) : QWidget(parent), recurso_(std::move(recurso)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter pintor(this);
        if (recurso_.isEmpty()) {
            pintor.fillRect(rect(), Qt::darkYellow);
            return;
        }
#ifdef INICIO_BASE_CONTENIDO
        QPixmap pixmap(size() * devicePixelRatioF());
        pixmap.setDevicePixelRatio(devicePixelRatioF());
        pixmap.fill(Qt::transparent);
        QPainter en_pixmap(&pixmap);
        en_pixmap.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer(recurso_).render(&en_pixmap, QRectF(QPointF(0, 0), QSizeF(size())));
        en_pixmap.end();
        pintor.drawPixmap(QPoint(0, 0), pixmap);
#endif
    }

private:
    QString recurso_;
};

struct Dibujo {
    QRect caja;
    const char* recurso;
};

// The seven pictures of kin 105 in the window's boxes: tone 1, the seal large
// and at the centre of the cross, and the four oracle seals (the guide of a
// tone 1 is the seal itself).
// clang-format off
constexpr Dibujo dibujos[] = {
    {{64, 120, 105, 25}, ":/tonos/1.svg"},
    {{32, 152, 165, 145}, ":/sellos/Serpiente.svg"},
    {{552, 264, 67, 67}, ":/sellos/Serpiente.svg"},
    {{552, 184, 67, 67}, ":/sellos/Serpiente.svg"},
    {{456, 264, 67, 67}, ":/sellos/Mago.svg"},
    {{648, 264, 67, 67}, ":/sellos/Aguila.svg"},
    {{552, 344, 67, 67}, ":/sellos/Guerrero.svg"},
};
// clang-format on

struct Etiqueta_base {
    QRect caja;
    bool visible;
    bool ajuste;  // wraps at word boundaries
    QString texto;
    int cara;  // as in the window: 0 sans bold 9.75, 1 serif bold 12, 2 oracle title, 3 hidden
};

#ifdef INICIO_BASE_CONTENIDO
QFont Cara(int cara) {
    QFont f(QStringLiteral("Liberation Sans"));
    switch (cara) {
        case 0:
            f.setPointSizeF(9.75);
            f.setWeight(QFont::Bold);
            break;
        case 1:
            f = QFont(QStringLiteral("Liberation Serif"));
            f.setPointSizeF(12);
            f.setWeight(QFont::Bold);
            break;
        case 2:
            f.setFamilies({QStringLiteral("OCRA"), QStringLiteral("DejaVu Sans")});
            f.setPointSizeF(18);
            f.setWeight(QFont::Medium);
            break;
        default:
            f = QFont(QStringLiteral("Liberation Serif"));
            f.setPointSizeF(15.75);
            break;
    }
    return f;
}
#endif

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget ventana;
    ventana.setWindowTitle(QStringLiteral("Base"));
    ventana.setFixedSize(758, 442);
    ventana.setAutoFillBackground(true);
    ventana.setPalette(QPalette(Qt::white));

    // clang-format off
    const Etiqueta_base etiquetas[] = {
        {{22, 104, 185, 193}, true, true, {}, 0},
        {{208, 96, 178, 15}, true, false, u"Fecha Gregoriana: 9-12-2026"_s, 0},
        {{208, 120, 233, 57}, true, true, u"* Año de la Luna Galáctica Roja Kin 229\n <Muluc Uakac> "_s, 0},
        {{208, 176, 223, 48}, true, true, u"* Kin 105: Serpiente Magnética  Roja\n <Chicchan Hun> "_s, 0},
        {{208, 224, 239, 56}, true, true, u"* Onda encantada de la Serpiente\n* Castillo Azul Oeste del Quemar"_s, 0},
        {{8, 304, 401, 137}, true, true, u"Unifico con el fin de sobrevivir\nAtrayendo el instinto\n"
                                         "Sello el almacen de la fuerza vital\nCon el tono Magnético del propósito\n"
                                         "Me guia mi propio poder duplicado\n"_s, 0},
        {{8, 408, 497, 33}, false, true, u"Dia Verde, del Perdón Universal o de la Libertad Galáctica"_s, 3},
        {{64, 32, 25, 16}, true, false, u"Dia"_s, 0},
        {{104, 32, 30, 16}, true, false, u"Mes"_s, 0},
        {{160, 32, 28, 16}, true, false, u"Año"_s, 0},
        {{544, 120, 120, 33}, true, true, u"Oráculo"_s, 2},
        {{549, 160, 73, 17}, true, true, u"Kin Guia"_s, 1},
        {{448, 232, 94, 25}, true, true, u"Kin Antípoda"_s, 1},
        {{640, 232, 105, 25}, true, true, u"Kin Análogo"_s, 1},
        {{552, 416, 81, 25}, true, true, u"Kin Oculto"_s, 1},
        {{40, 40, 257, 33}, false, true, u"Creado en:"_s, 3},
        {{181, 72, 7, 23}, false, false, {}, 3},
        {{64, 172, 57, 33}, false, true, u"Por:"_s, 3},
        {{64, 208, 305, 57}, false, true, u"Brenoval Serpiente Eléctrica Roja"_s, 3},
        {{64, 288, 297, 65}, false, true, u"Varnesca 9 de abril de 2003"_s + QString(64, u' ') + u"Ostrevana"_s, 3},
    };
    // clang-format on
    for (const Etiqueta_base& e : etiquetas) {
        auto* l = new QLabel(e.texto, &ventana);
#ifdef INICIO_BASE_CONTENIDO
        l->setFont(Cara(e.cara));
#endif
        l->setTextFormat(Qt::PlainText);
        l->setWordWrap(e.ajuste);
        l->setGeometry(e.caja);
        l->setVisible(e.visible);
    }
    for (int i = 0; i < 3; ++i) (new QLineEdit(&ventana))->setGeometry(56 + i * 48, 56, 33, 25);
    const QString botones[] = {u"&Calcular"_s,   u"&Limpiar"_s, u"&Salir"_s,
                               u"&Acerca de "_s, u"Aceptar"_s,  u"&Imprimir"_s};
    for (int i = 0; i < 6; ++i) {
        auto* b = new QPushButton(botones[i], &ventana);
        b->setGeometry(224 + i * 72, 48, 73, 33);
        b->setVisible(i != 4);
    }
    constexpr int imagenes = 73, visibles = std::size(dibujos);
    for (int i = 0; i < imagenes; ++i) {
        const bool visible = i < visibles;
#ifdef INICIO_BASE_CONTENIDO
        auto* c = new Caja(&ventana, visible ? QString::fromLatin1(dibujos[i].recurso) : QString());
#else
        auto* c = new Caja(&ventana, {});
#endif
        c->setGeometry(visible ? dibujos[i].caja : QRect(30, 150, 67, 67));
        c->setVisible(visible);
    }
    Salir_en_la_primera_pintura(ventana);
    ventana.show();
    return app.exec();
}
