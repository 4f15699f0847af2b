// A push button of the window. It is never a default button: Enter in a text
// box presses nothing. Like Space, Enter presses the button that has the focus.
#pragma once

#include <QKeyEvent>
#include <QPushButton>

namespace talmiroc {

class Boton : public QPushButton {
public:
    Boton(QWidget* parent, const QString& nombre, const QString& caption)
        : QPushButton(caption, parent) {
        setObjectName(nombre);
        setAutoDefault(false);
        setDefault(false);
    }

protected:
    void keyPressEvent(QKeyEvent* evento) override {
        const bool enter = evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter;
        const bool sin_modificador = (evento->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (enter && sin_modificador && !evento->isAutoRepeat()) {
            click();
            return;
        }
        QPushButton::keyPressEvent(evento);
    }
};

}  // namespace talmiroc
