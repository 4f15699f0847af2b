// Whether something asks the application to quit, seen from inside its event
// loop. The loop always ends: a request ends it, and otherwise a check queued
// after the action does.
#pragma once

#include <functional>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace talmiroc::prueba {

inline bool Pide_salir(const std::function<void()>& accion) {
    struct Filtro : QObject {
        bool pedido = false;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Quit) pedido = true;
            return false;
        }
    } filtro;
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(&filtro);
    QMetaObject::invokeMethod(app, accion, Qt::QueuedConnection);
    QMetaObject::invokeMethod(
        app,
        [&filtro] {
            if (!filtro.pedido) QCoreApplication::exit(1);
        },
        Qt::QueuedConnection);
    QCoreApplication::exec();
    app->removeEventFilter(&filtro);
    return filtro.pedido;
}

}  // namespace talmiroc::prueba
