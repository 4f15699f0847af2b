// A push button of the window. It is never a default button: Enter in a text
// box presses nothing. Like Space, Enter presses the button that has the focus,
// and Alt with the underlined letter presses it at once (Qt would wait for a
// 100 ms press animation first). A screen reader calls it by its caption,
// without the access-key marker: "&Acerca de " is "Acerca de".
#pragma once

#include <QKeyEvent>
#include <QPushButton>
#include <QShortcutEvent>

namespace talmiroc {

class Boton : public QPushButton {
    Q_OBJECT

public:
    Boton(QWidget* parent, const QString& nombre, const QString& caption)
        : QPushButton(caption, parent) {
        setObjectName(nombre);
        setAutoDefault(false);
        setDefault(false);
        QString nombre_accesible = caption;
        for (qsizetype i = 0; i < nombre_accesible.size(); ++i) {
            if (nombre_accesible[i] == QLatin1Char('&'))
                nombre_accesible.remove(i, 1);  // "&&" is "&"
        }
        setAccessibleName(nombre_accesible.trimmed());
    }

protected:
    bool event(QEvent* evento) override {
        if (evento->type() == QEvent::Shortcut &&
            !static_cast<QShortcutEvent*>(evento)->isAmbiguous()) {
            setFocus(Qt::ShortcutFocusReason);
            click();
            return true;
        }
        return QPushButton::event(evento);
    }

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
