// The floor for the tray's idle figures: a bare QSystemTrayIcon program,
// an icon from a plain pixmap, a tooltip and a menu of as many entries as
// the tray's, nothing else.
#include <QApplication>
#include <QMenu>
#include <QPixmap>
#include <QSystemTrayIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::darkRed);
    QMenu menu;
    for (const char* texto : {"Lectura de hoy", "Luna de hoy", "Módulo armónico"})
        menu.addAction(QString::fromUtf8(texto));
    menu.addSeparator();
    for (const char* texto : {"Notificar cada día", "Iniciar con la sesión"})
        menu.addAction(QString::fromUtf8(texto))->setCheckable(true);
    menu.addSeparator();
    QObject::connect(menu.addAction(QStringLiteral("Salir")), &QAction::triggered, &app,
                     &QApplication::quit);
    QSystemTrayIcon icono{QIcon(pixmap)};
    icono.setToolTip(QStringLiteral("Kin 46 · Enlazador de Mundos Resonante Blanco"));
    icono.setContextMenu(&menu);
    icono.show();
    return app.exec();
}
