#include "icono_kin.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

#include "apoyo_qt.h"

namespace talmiroc {

namespace {

// The tile: white with rounded corners, the tone's numeral (133 x 52, drawn
// a little flatter) across its top, the seal (its own framed square) in the
// rest, as large as it fits; a margin of 1/32 all round.
void Pintar_kin(QPainter& p, const QRectF& caja, Kin kin) {
    const qreal lado = std::min(caja.width(), caja.height());
    const QRectF cuadro(caja.center().x() - lado / 2, caja.center().y() - lado / 2, lado, lado);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath fondo;
    fondo.addRoundedRect(cuadro, lado / 8, lado / 8);
    p.fillPath(fondo, Qt::white);
    const qreal margen = lado / 32;
    const QRectF dentro = cuadro.adjusted(margen, margen, -margen, -margen);
    const qreal alto_tono = dentro.width() * 52.0 / 133.0 * 0.62;
    const QRectF tono(dentro.left(), dentro.top(), dentro.width(), alto_tono);
    const QRectF sello(dentro.left(), tono.bottom(), dentro.width(), dentro.bottom() - tono.bottom());
    Pintar_recurso(p, tono, Recurso_tono(kin.tono()));
    Pintar_recurso(p, sello, Recurso_sello(kin.sello()));
    p.restore();
}

class Motor_kin final : public QIconEngine {
public:
    explicit Motor_kin(Kin kin) : kin_(kin) {}

    void paint(QPainter* p, const QRect& caja, QIcon::Mode, QIcon::State) override {
        Pintar_kin(*p, caja, kin_);
    }

    QPixmap pixmap(const QSize& tam, QIcon::Mode modo, QIcon::State estado) override {
        return scaledPixmap(tam, modo, estado, 1.0);
    }

    QPixmap scaledPixmap(const QSize& tam, QIcon::Mode, QIcon::State, qreal escala) override {
        return QPixmap::fromImage(Imagen_kin(kin_, std::min(tam.width(), tam.height()), escala));
    }

    QSize actualSize(const QSize& tam, QIcon::Mode, QIcon::State) override {
        const int lado = std::min(tam.width(), tam.height());
        return {lado, lado};
    }

    // What a tray that wants fixed sizes (a StatusNotifierItem's pixmaps) takes.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    }

    QIconEngine* clone() const override { return new Motor_kin(kin_); }
    QString key() const override { return QStringLiteral("talmiroc_kin"); }

private:
    Kin kin_;
};

}  // namespace

QIcon Icono_kin(Kin kin) {
    return QIcon(new Motor_kin(kin));
}

QImage Imagen_kin(Kin kin, int lado, qreal dpr) {
    QImage imagen(QSize(lado, lado) * dpr, QImage::Format_ARGB32_Premultiplied);
    imagen.setDevicePixelRatio(dpr);
    imagen.fill(Qt::transparent);
    QPainter p(&imagen);
    Pintar_kin(p, QRectF(0, 0, lado, lado), kin);
    return imagen;
}

}  // namespace talmiroc
