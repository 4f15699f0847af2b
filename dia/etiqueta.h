// A label of the window. It keeps its caption as the calendar writes it, with
// "\r\n" line breaks, and shows it as plain text: one line per break, and a
// name between angle brackets stays a name, never a markup tag. A screen
// reader hears the caption without the marks that dress it for the eye
// (Para_oir): "Kin 153, Caminante del Cielo Planetario Rojo, Ben Lahum".
#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

namespace talmiroc {

class Etiqueta : public QLabel {
    Q_OBJECT

public:
    // How a label follows its caption. `no`: the box is fixed, the text wraps
    // at word boundaries inside it and is clipped at its edges. The other two
    // take the size of their text whenever the caption changes, keeping
    // their left edge or their horizontal centre.
    enum class Autoajuste { no, borde_izquierdo, centro };

    Etiqueta(QWidget* parent, const QString& nombre, Autoajuste autoajuste);

    const QString& Caption() const { return caption_; }
    void Fijar_caption(const QString& caption);

    QColor Color() const;
    void Fijar_color(const QColor& color);

    // An opaque label fills its box with this colour; others draw only text.
    void Fijar_fondo_opaco(const QColor& color);

    // Places the box; the centre of an auto-size label is taken from here. An
    // auto-size label whose caption is wider than the box takes its text's size.
    void Fijar_caja(const QRect& caja);

    // An auto-size label that is hidden takes its size when it is shown:
    // measuring its text would load its face, which may never be needed.
    void setVisible(bool visible) override;

private:
    void Ajustar_tamano();

    QString caption_;
    Autoajuste autoajuste_;
    double centro_x_ = 0;
    bool ajuste_pendiente_ = false;
};

}  // namespace talmiroc
