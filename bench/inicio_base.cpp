// Start-up floor: a bare Qt window of the same size, with the same controls
// as the real one, that quits at its first paint.
//
// Same kinds, counts and visibility: 20 labels (14 shown, in the real boxes,
// with as many lines and characters as a day's texts, wrapped where the real
// ones wrap), 3 empty text boxes, 6 buttons (5 shown) and 73 image boxes
// (7 shown). What it leaves out is what the window adds on top of a bare Qt
// program: its faces (the default font here), its pictures (a flat fill
// here), its icon and the calendar.
//
// Built with INICIO_BASE_CARAS (the program inicio_base_caras), the labels
// are set in the window's faces, sizes and weights, and the oracle title
// reads "Oráculo" as in the window: the floor for drawing the window's text
// in those faces, which tells Qt's cost for the faces from the window's own.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStringList>

#include "primera_pintura.h"

namespace {

// An image box that paints a flat colour, the least an image can do.
class Caja : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::darkYellow); }
};

// Filler text: one line of each given length, of short words.
QString Relleno(std::initializer_list<int> lineas) {
    const QString palabras = QStringLiteral("texto de una etiqueta para medir el arranque ");
    QStringList r;
    for (int largo : lineas) {
        QString linea;
        while (linea.size() < largo) linea += palabras;
        r << linea.left(largo);
    }
    return r.join(QLatin1Char('\n'));
}

// The oracle title: in the window its accent comes from another face.
QString Oraculo() {
#ifdef INICIO_BASE_CARAS
    return QStringLiteral("Oráculo");
#else
    return Relleno({7});
#endif
}

struct Etiqueta_base {
    QRect caja;
    bool visible;
    bool ajuste;  // wraps at word boundaries
    QString texto;
    int cara;  // in the window: 0 sans bold 9.75, 1 serif bold 12, 2 oracle title, 3 other
};

#ifdef INICIO_BASE_CARAS
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
        {{208, 96, 178, 15}, true, false, Relleno({27}), 0},
        {{208, 120, 233, 57}, true, true, Relleno({39, 15}), 0},
        {{208, 176, 223, 48}, true, true, Relleno({37, 15}), 0},
        {{208, 224, 239, 56}, true, true, Relleno({32, 31}), 0},
        {{8, 304, 401, 137}, true, true, Relleno({32, 21, 35, 35, 33, 0}), 0},
        {{8, 408, 497, 33}, false, true, Relleno({58}), 3},
        {{64, 32, 25, 16}, true, false, Relleno({3}), 0},
        {{104, 32, 30, 16}, true, false, Relleno({3}), 0},
        {{160, 32, 28, 16}, true, false, Relleno({3}), 0},
        {{544, 120, 120, 33}, true, true, Oraculo(), 2},
        {{549, 160, 73, 17}, true, true, Relleno({8}), 1},
        {{448, 232, 94, 25}, true, true, Relleno({12}), 1},
        {{640, 232, 105, 25}, true, true, Relleno({11}), 1},
        {{552, 416, 81, 25}, true, true, Relleno({10}), 1},
        {{40, 40, 257, 33}, false, true, Relleno({10}), 3},
        {{181, 72, 7, 23}, false, false, {}, 3},
        {{64, 172, 57, 33}, false, true, Relleno({4}), 3},
        {{64, 208, 305, 57}, false, true, Relleno({33}), 3},
        {{64, 288, 297, 65}, false, true, Relleno({100}), 3},
    };
    // clang-format on
    for (const Etiqueta_base& e : etiquetas) {
        auto* l = new QLabel(e.texto, &ventana);
#ifdef INICIO_BASE_CARAS
        l->setFont(Cara(e.cara));
#endif
        l->setTextFormat(Qt::PlainText);
        l->setWordWrap(e.ajuste);
        l->setGeometry(e.caja);
        l->setVisible(e.visible);
    }
    for (int i = 0; i < 3; ++i) (new QLineEdit(&ventana))->setGeometry(56 + i * 48, 56, 33, 25);
    for (int i = 0; i < 6; ++i) {
        auto* b = new QPushButton(QStringLiteral("Boton %1").arg(i), &ventana);
        b->setGeometry(224 + i * 72, 48, 73, 33);
        b->setVisible(i != 4);
    }
    constexpr int imagenes = 73, visibles = 7;
    for (int i = 0; i < imagenes; ++i) {
        auto* c = new Caja(&ventana);
        c->setGeometry(30 + (i % 7) * 100, 150 + (i / 7) % 3 * 90, 67, 67);
        c->setVisible(i < visibles);
    }
    Salir_en_la_primera_pintura(ventana);
    ventana.show();
    return app.exec();
}
