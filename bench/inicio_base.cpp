// Start-up floor: a bare Qt window of the same size with as many labels, text
// boxes, buttons and images as the real one, that quits at its first paint.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "primera_pintura.h"

namespace {

// An image box that paints a flat colour, the least an image can do.
class Caja : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::darkYellow); }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget ventana;
    ventana.setWindowTitle("Base");
    ventana.setFixedSize(758, 442);
    ventana.setAutoFillBackground(true);
    ventana.setPalette(QPalette(Qt::white));

    constexpr int etiquetas = 20, cajas_texto = 3, botones = 6, imagenes = 73, visibles = 7;
    for (int i = 0; i < etiquetas; ++i) {
        auto* l = new QLabel(QStringLiteral("Etiqueta %1").arg(i), &ventana);
        l->setGeometry(10 + (i % 4) * 180, 10 + (i / 4) * 80, 170, 70);
    }
    for (int i = 0; i < cajas_texto; ++i) new QLineEdit(&ventana);
    for (int i = 0; i < botones; ++i) {
        auto* b = new QPushButton(QStringLiteral("Boton %1").arg(i), &ventana);
        b->move(200 + i * 80, 48);
    }
    for (int i = 0; i < imagenes; ++i) {
        auto* c = new Caja(&ventana);
        c->setGeometry(30 + (i % 7) * 100, 150 + (i / 7) % 3 * 90, 67, 67);
        c->setVisible(i < visibles);
    }
    Salir_en_la_primera_pintura(ventana);
    ventana.show();
    return app.exec();
}
