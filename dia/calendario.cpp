#include "calendario.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>

#include "apoyo_qt.h"
#include "boton.h"
#include "disposicion.h"
#include "efectos.h"
#include "etiqueta.h"
#include "fuentes.h"
#include "idioma_qt.h"
#include "imagen.h"
#include "lector.h"
#include "mensajes.h"
#include "tarjeta.h"

namespace talmiroc {

namespace {

const QColor blanco(255, 255, 255);

// The credits' lines under "Creado en:": the kins of the day it was made.
const char* const lineas_creditos[] = {
    QT_TRANSLATE_NOOP("talmiroc::Calendario", "Año de la Luna Planetaria Roja"),
    QT_TRANSLATE_NOOP("talmiroc::Calendario", "Luna Planetaria del Perro"),
    QT_TRANSLATE_NOOP("talmiroc::Calendario", "Enlazador de mundos resonante blanco"),
    "Kin 46",
};

// The window as a screen reader sees it. Qt's own interface lists every
// child widget, the seventy-odd hidden glyphs included, each only marked
// "not showing"; a reader walking the tree would announce them all. This one
// lists, in stacking order, the controls that are shown and have something
// to say: a label with no text (the backdrop `Label9`, a cleared caption)
// is left out.
class Acceso_ventana final : public QAccessibleWidget {
public:
    explicit Acceso_ventana(QWidget* ventana) : QAccessibleWidget(ventana, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(Expuestos().size()); }

    QAccessibleInterface* child(int i) const override {
        const QList<QWidget*> hijos = Expuestos();
        return i >= 0 && i < hijos.size() ? QAccessible::queryAccessibleInterface(hijos[i])
                                          : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* hijo) const override {
        if (!hijo || !hijo->object()) return -1;
        return static_cast<int>(Expuestos().indexOf(hijo->object()));
    }

private:
    QList<QWidget*> Expuestos() const {
        QList<QWidget*> hijos;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (!w || w->isWindow() || !w->isVisibleTo(widget())) continue;
            if (const auto* l = qobject_cast<const QLabel*>(w); l && l->text().isEmpty()) continue;
            hijos.append(w);
        }
        return hijos;
    }
};

QAccessibleInterface* Acceso_de(const QString& clase, QObject* objeto) {
    if (clase == QLatin1String(Calendario::staticMetaObject.className()) && objeto->isWidgetType())
        return new Acceso_ventana(static_cast<QWidget*>(objeto));
    return nullptr;
}

}  // namespace

Calendario::Calendario(Efectos& efectos, QWidget* parent)
    : QWidget(parent), efectos_(efectos), palabras_(Palabras_dia(Palabras_ventana())) {
    static const bool acceso_instalado = (QAccessible::installFactory(Acceso_de), true);
    (void)acceso_instalado;
    Instalar_sustituciones_fuentes();
    Crear_ventana();
    Crear_etiquetas();
    Crear_imagenes();
    Crear_cajas();
    Crear_botones();
    Crear_orden_tabulacion();
    Crear_menu();
    Form_Load();
    Avisar_visibilidad(this);
    Adelantar_imagenes();
}

// The glyphs today's reading shows are rendered on another thread while the
// window is shown and its text drawn: its first paint finds them made.
void Calendario::Adelantar_imagenes() {
    QList<Cache_svg::Pedido> pedidos;
    for (const Imagen* imagen : findChildren<Imagen*>(Qt::FindDirectChildrenOnly))
        if (imagen->isVisibleTo(this)) pedidos.append(imagen->Pedido(devicePixelRatioF()));
    Cache_svg::Adelantar(std::move(pedidos));
}

Calendario::~Calendario() = default;

void Calendario::Abrir() {
    if (const QScreen* pantalla = screen()) {
        move(pantalla->availableGeometry().center() - rect().center());
    }
    show();
    activateWindow();  // without a window manager nobody else gives it the keyboard
    dia->setFocus();
}

// ---------------------------------------------------------------------------
// Start-up and Calcular

void Calendario::Form_Load() {
    Fijar_fondo(blanco);
    Boton2_Click();
    const QDate hoy = efectos_.Hoy();
    dia->setText(QString::number(hoy.day()));
    mes->setText(QString::number(hoy.month()));
    año->setText(QString::number(hoy.year()));
    Boton1_Click();
}

void Calendario::Boton1_Click() {
    Fijar_fondo(blanco);
    diafueradeltiempo->hide();
    // The name tables are the engine's constants; there is nothing to fill.

    const std::string texto_dia = dia->text().toStdString();
    const std::string texto_mes = mes->text().toStdString();
    const std::string texto_año = año->text().toStdString();
    año_calculo = año_maya = Lectura_inicial(texto_año);
    // At most two characters each, so the readings fit an int.
    mes_calculo = mes1 = static_cast<int>(Lectura_inicial(texto_mes));
    dia_calculo = dia1 = static_cast<int>(Lectura_inicial(texto_dia));

    const Veredicto veredicto = Comprobar_fecha(texto_dia, texto_mes, texto_año, palabras_);
    if (const auto* rechazo = std::get_if<Rechazo>(&veredicto)) {
        efectos_.Mensaje(Texto(rechazo->mensaje), Texto(palabras_.titulo_fecha), rechazo->icono);
        Boton2_Click();
        return;
    }
    leida_ = std::get<Fecha>(veredicto);
    lectura_ = Describir_dia(*leida_, palabras_);

    pasada = 0;
    Inicio_calculo();
    pasada = 1;
    Inicio_calculo();

    a_maya->Fijar_caption(Texto(lectura_.a_maya));
    if (lectura_.dia_fuera_del_tiempo) diafueradeltiempo->show();
}

// One pass: 0 the entered date, 1 the year bearer's 26 July. The counts and
// captions are the description's; a pass only moves them into the window.
void Calendario::Inicio_calculo() {
    const Kin kin = pasada == 0 ? lectura_.kin : lectura_.portador;
    if (pasada == 0 && mes_calculo == 2 && dia_calculo == 29) dia_calculo = 28;
    kin_calculo = kin.valor;
    C1 = kin.tono().valor;
    C2 = kin.sello().valor;

    if (pasada == 0) {
        Boton2_Click();
        Procedimiento_zorvel();
    }

    const Palabras_color colores = Palabras_de(Color_sello(kin.sello()), palabras_);
    color_m = colores.m;
    color_f = colores.f;
    if (pasada == 0) {
        const QColor color = Qcolor(lectura_.color);
        inter->Fijar_color(color);
        nombre->Fijar_color(color);

        tono_dia = C1;
        sello_dia = C2;
        kin_dia = kin_calculo;
        nombre->Fijar_caption(Texto(lectura_.nombre));
        // The date line shows the day as entered: 29 February stays 29.
        fecha->Fijar_caption(Texto(lectura_.fecha));
        fecha->setToolTip(Texto(lectura_.linea_trece_lunas));
        // Heard with its thirteen-moon reading, which the eye finds in the tip.
        fecha->setAccessibleName(
            Texto(Para_oir(lectura_.fecha + "\r\n" + lectura_.linea_trece_lunas)));
        Label9->show();
        Oraculo();
        sello_onda = lectura_.sello_onda.valor;
        castillo = Castillo(lectura_.sello_onda, palabras_);
        Onda_encantada->Fijar_caption(Texto(lectura_.onda_encantada));

        dia_calculo = 26;
        mes_calculo = 7;
        año_calculo = Año_portador(dia1, mes1, año_maya);
    }
    Meditacion();
}

// ---------------------------------------------------------------------------
// Glyphs, oracle and affirmation

void Calendario::Procedimiento_zorvel() {
    if (Arreglo_sello* arreglo = Arreglo_de(C2)) {
        (*arreglo)[0]->setAccessibleName(Texto(lectura_.nombre_sello));
        (*arreglo)[1]->setAccessibleName(Texto(lectura_.nombre_centro));
        (*arreglo)[0]->show();
        (*arreglo)[1]->show();
    }
    if (C1 >= 1 && C1 <= 13) {
        tono[static_cast<std::size_t>(C1)]->setAccessibleName(Texto(lectura_.nombre_tono));
        tono[static_cast<std::size_t>(C1)]->show();
    }
}

void Calendario::Oraculo() {
    using namespace disposicion;
    const Oraculo_kin& oraculo = lectura_.oraculo;
    sello_guia = oraculo.guia.valor;
    for (int sello = 1; sello <= 20; ++sello) {
        Imagen_de(sello, 2)->Mover(lugar_guia.x(), lugar_guia.y());
    }
    // Each glyph is named by its place, and described by its place's caption tip.
    const auto mostrar = [this](Sello sello, QPoint lugar, std::size_t i, const Etiqueta* titulo) {
        if (Imagen* imagen = Imagen_de(sello.valor, 2)) {
            imagen->Mover(lugar.x(), lugar.y());
            // Only changes are told: a reader flooded with events drops some.
            if (const QString n = Texto(lectura_.nombres_oraculo[i]); n != imagen->accessibleName())
                imagen->setAccessibleName(n);
            if (titulo->toolTip() != imagen->accessibleDescription())
                imagen->setAccessibleDescription(titulo->toolTip());
            imagen->show();
        }
    };
    mostrar(oraculo.guia, lugar_guia, 0, Label4);
    mostrar(oraculo.antipoda, lugar_antipoda, 1, Label5);
    mostrar(oraculo.oculto, lugar_oculto, 3, Label7);
    mostrar(oraculo.analogo, lugar_analogo, 2, Label6);
}

void Calendario::Meditacion() {
    inter->Fijar_caption(Texto(lectura_.inter));
}

// ---------------------------------------------------------------------------
// Limpiar, Salir, Acerca de, Aceptar, Imprimir

void Calendario::Boton2_Click() {
    diafueradeltiempo->hide();
    Onda_encantada->Fijar_caption({});
    a_maya->Fijar_caption({});
    fecha->Fijar_caption({});
    fecha->setToolTip({});
    dia->clear();
    mes->clear();
    año->clear();
    nombre->Fijar_caption({});
    inter->Fijar_caption({});
    Label9->hide();
    for (int elemento = 0; elemento < 3; ++elemento) {
        for (int sello = 1; sello <= 20; ++sello) Imagen_de(sello, elemento)->hide();
    }
    for (int t = 1; t <= 13; ++t) tono[static_cast<std::size_t>(t)]->hide();
    Ocultar_creditos();
}

void Calendario::Boton3_Click() {
    QCoreApplication::quit();
}

void Calendario::Boton4_Click() {
    QStringList lineas;
    for (const char* linea : lineas_creditos) lineas << tr(linea);
    creado2->Fijar_caption(lineas.join(QStringLiteral("\r\n")));
    Fijar_fondo(blanco);
    Fijar_tamano_exterior(disposicion::creditos_exterior);
    Boton2_Click();
    Mostrar_vista(true);
    // Hiding the pressed button moved the focus on along the tab order, to
    // Imprimir, which lies outside the credits view: it belongs on Aceptar.
    Boton5->setFocus();
}

void Calendario::Boton5_Click() {
    Fijar_tamano_exterior(disposicion::principal_exterior);
    Boton2_Click();
    Mostrar_vista(false);
    // Aceptar hid itself and the focus fell on Imprimir: back to the first box.
    dia->setFocus();
}

void Calendario::Command1_Click() {
    if (fecha->Caption().isEmpty()) {
        efectos_.Mensaje(Traducido(mensaje_sin_fecha), Traducido(titulo_imprimir),
                         Icono::informacion);
        return;
    }
    efectos_.Imprimir(*this, QStringLiteral("Talmiroc Kin %1").arg(kin_dia));
}

// ---------------------------------------------------------------------------
// Copying the reading, and what screen readers are told

void Calendario::Copiar_lectura() {
    if (fecha->Caption().isEmpty()) return;  // no date shown: nothing to copy
    QGuiApplication::clipboard()->setText(Texto(Texto_dia(lectura_)));
    Anunciar(this, tr("Lectura copiada"));  // heard as Calcular's kin is, once
}

bool Calendario::Seleccion_en_caja() const {
    return dia->hasSelectedText() || mes->hasSelectedText() || año->hasSelectedText();
}

void Calendario::keyPressEvent(QKeyEvent* evento) {
    if (evento->matches(QKeySequence::Copy)) {
        if (!Seleccion_en_caja()) Copiar_lectura();
        return;
    }
    QWidget::keyPressEvent(evento);
}

// A text box takes Ctrl+C for itself even with nothing selected, and copies
// nothing; then the window copies the reading instead.
bool Calendario::eventFilter(QObject* objeto, QEvent* evento) {
    // A text box's own menu, with the pages of the count after its edits.
    if (evento->type() == QEvent::ContextMenu) {
        if (auto* caja = qobject_cast<QLineEdit*>(objeto)) {
            const std::unique_ptr<QMenu> menu(caja->createStandardContextMenu());
            menu->addSeparator();
            Menu_contextual(*menu);
            menu->exec(static_cast<QContextMenuEvent*>(evento)->globalPos());
            return true;
        }
    }
    if (evento->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(evento)->matches(QKeySequence::Copy) && !Seleccion_en_caja()) {
        Copiar_lectura();
        return true;
    }
    return QWidget::eventFilter(objeto, evento);
}

// ---------------------------------------------------------------------------
// The count over time

void Calendario::Crear_menu() {
    const struct {
        QString texto;
        QKeySequence atajo;
        Pagina_tiempo pagina;
    } filas[] = {
        {tr("&Luna"), QKeySequence(Qt::CTRL | Qt::Key_L), Pagina_tiempo::luna},
        {tr("&Módulo armónico"), QKeySequence(Qt::CTRL | Qt::Key_M), Pagina_tiempo::modulo},
        {tr("&Onda encantada"), QKeySequence(Qt::CTRL | Qt::Key_O), Pagina_tiempo::onda},
    };
    for (const auto& f : filas) {
        auto* accion = new QAction(f.texto, this);
        accion->setShortcut(f.atajo);
        const Pagina_tiempo pagina = f.pagina;
        // On the last day read; today when none has been.
        connect(accion, &QAction::triggered, this,
                [this, pagina] { Abrir_tiempo(pagina, leida_); });
        acciones_tiempo_.append(accion);
    }
    addActions(acciones_tiempo_);  // the shortcuts work wherever the focus is

    acciones_tarjeta_ = Acciones_tarjeta(*this, efectos_, [this]() -> std::optional<Tarjeta> {
        if (fecha->Caption().isEmpty()) return std::nullopt;
        return Tarjeta_dia(lectura_.entrada, Palabras_ventana());
    });
}

void Calendario::Menu_contextual(QMenu& menu) {
    menu.addActions(acciones_tiempo_);
    menu.addSeparator();
    const bool con_fecha = !fecha->Caption().isEmpty();
    for (QAction* a : acciones_tarjeta_) a->setEnabled(con_fecha);
    menu.addActions(acciones_tarjeta_);
}

void Calendario::contextMenuEvent(QContextMenuEvent* evento) {
    QMenu menu(this);
    Menu_contextual(menu);
    menu.exec(evento->globalPos());
}

// ---------------------------------------------------------------------------
// The kin card

void Calendario::Guardar_tarjeta() {
    acciones_tarjeta_.at(0)->trigger();
}

void Calendario::Copiar_tarjeta() {
    acciones_tarjeta_.at(1)->trigger();
}

void Calendario::Fijar_paginas(Abrir_pagina abrir) {
    abrir_pagina_ = std::move(abrir);
}

void Calendario::Abrir_tiempo(Pagina_tiempo pagina, std::optional<Fecha> fecha) {
    if (abrir_pagina_) abrir_pagina_(pagina, fecha);
}

void Calendario::Mostrar_dia(const Fecha& f) {
    if (Boton5->isVisibleTo(this)) Boton5_Click();  // from the credits, back to the main view
    dia->setText(QString::number(f.dia));
    mes->setText(QString::number(f.mes));
    año->setText(QString::number(f.año));
    Boton1_Click();
    if (!isVisible()) {
        Abrir();
    } else {
        raise();
        activateWindow();
    }
}

// A person who sees the window reads the answer at once; a screen reader
// speaks its essentials once, and the focus stays on Calcular. A refused date
// has its message box instead.
void Calendario::Anunciar_lectura() {
    if (!fecha->Caption().isEmpty()) Anunciar(this, Texto(lectura_.anuncio));
}

}  // namespace talmiroc
