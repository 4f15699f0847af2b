// Ends the event loop right after a widget's first paint, so a whole process
// can be timed from exec() to the first picture on screen.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

class Primera_pintura : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !vista_) {
            vista_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool vista_ = false;
};

inline void Salir_en_la_primera_pintura(QWidget& w) {
    w.installEventFilter(new Primera_pintura(&w));
}
