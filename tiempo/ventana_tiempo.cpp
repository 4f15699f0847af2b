#include "ventana_tiempo.h"

#include <algorithm>

#include <QAction>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>

#include "apoyo_qt.h"
#include "efectos.h"
#include "idioma_qt.h"
#include "lector.h"
#include "modelo_luna.h"
#include "modelo_modulo.h"
#include "modelo_onda.h"
#include "pagina_personas.h"
#include "papel.h"
#include "pintor_celdas.h"

namespace talmiroc {

namespace {

Fecha Fecha_de(QDate d) {
    return {d.day(), d.month(), d.year()};
}

// The days the count accepts: from 1 January 38, the first the day window
// reads, to 25 July of año_maximo, which ends the last thirteen-moon year
// whose moons stay in range.
constexpr Fecha primera_fecha{1, 1, 38};
constexpr Fecha ultima_fecha{25, 7, año_maximo};

// The largest year the day window's year box holds: four digits.
constexpr std::int64_t año_maximo_dia = 9999;

}  // namespace

// ---------------------------------------------------------------------------
// The window

Ventana_tiempo::Ventana_tiempo(Efectos& efectos, std::function<void(const Fecha&)> mostrar_dia,
                               QWidget* parent)
    : QWidget(parent),
      efectos_(efectos),
      palabras_(Palabras_ventana()),
      mostrar_dia_(std::move(mostrar_dia)) {
    setWindowTitle(tr("Talmiroc: la cuenta en el tiempo"));
    setObjectName(QStringLiteral("Ventana_tiempo"));
    Crear_paginas();
    // Its pages' controls are shown and hidden with each page.
    Avisar_visibilidad(this);
    hoy_ = seleccion_ = Fecha_de(efectos_.Hoy());
    resize(880, 700);
}

void Ventana_tiempo::Ajustar_a_pantalla() {
    // The screen's free area, less the frame the window manager adds; the
    // frame is known once shown, guessed before.
    const QScreen* pantalla = screen();
    if (!pantalla) return;
    const QRect libre = pantalla->availableGeometry();
    QSize marco = frameGeometry().size() - geometry().size();
    if (!isVisible() || marco.isEmpty()) marco = QSize(16, 48);
    const QSize cabe = (libre.size() - marco).expandedTo(minimumSizeHint());
    resize(size().boundedTo(cabe));
    QRect donde = frameGeometry();
    if (!libre.contains(donde)) {
        donde.moveLeft(qBound(libre.left(), donde.left(), libre.right() - donde.width() + 1));
        donde.moveTop(qBound(libre.top(), donde.top(), libre.bottom() - donde.height() + 1));
        move(donde.topLeft());
    }
}

Ventana_tiempo::~Ventana_tiempo() = default;

void Ventana_tiempo::Crear_paginas() {
    paginas_ = new QTabWidget(this);
    paginas_->setObjectName(QStringLiteral("paginas"));
    paginas_->addTab(Crear_pagina_luna(), tr("&Luna"));
    paginas_->addTab(Crear_pagina_modulo(), tr("&Módulo armónico"));
    paginas_->addTab(Crear_pagina_onda(), tr("&Onda encantada"));
    paginas_->addTab(Crear_pagina_como(), tr("&Cómo se cuenta"));
    personas_ = new Pagina_personas(efectos_, palabras_);
    // The people page scrolls as the rules do, so the window stays usable small.
    auto* rollo_personas = new QScrollArea;
    rollo_personas->setWidget(personas_);
    rollo_personas->setWidgetResizable(true);
    rollo_personas->setFrameShape(QFrame::NoFrame);
    paginas_->addTab(rollo_personas, tr("Pe&rsonas"));
    // The moon marks the people's kin returns, and follows their book.
    modelo_luna_->Fijar_regresos([this](const Fecha& f) { return personas_->Regresan_el(f); });
    connect(personas_, &Pagina_personas::cambiado, this, [this] {
        modelo_luna_->Fijar(modelo_luna_->Luna(), hoy_, seleccion_);
    });
    auto* capas = new QVBoxLayout(this);
    capas->addWidget(paginas_);
    capas->addLayout(Crear_botones_impresion());
    // The day window's shortcuts reach the same pages from here.
    const QKeySequence atajos[] = {QKeySequence(Qt::CTRL | Qt::Key_L),
                                   QKeySequence(Qt::CTRL | Qt::Key_M),
                                   QKeySequence(Qt::CTRL | Qt::Key_O)};
    for (int i = 0; i < 3; ++i) {
        auto* accion = new QAction(this);
        accion->setShortcut(atajos[i]);
        connect(accion, &QAction::triggered, this, [this, i] {
            paginas_->setCurrentIndex(i);
            Enfocar_pagina();
        });
        addAction(accion);
    }
    // Ctrl+Page Up / Page Down: the page before or after, as in a browser,
    // wherever the keyboard is in the window.
    for (const int paso : {-1, 1}) {
        auto* accion = new QAction(this);
        accion->setShortcut(
            QKeySequence(Qt::CTRL | (paso < 0 ? Qt::Key_PageUp : Qt::Key_PageDown)));
        accion->setShortcutContext(Qt::WindowShortcut);
        connect(accion, &QAction::triggered, this, [this, paso] {
            const int n = paginas_->count();
            paginas_->setCurrentIndex((paginas_->currentIndex() + n + paso) % n);
            Enfocar_pagina();
        });
        addAction(accion);
    }
}

void Ventana_tiempo::Enfocar_pagina() {
    QWidget* pagina = paginas_->currentWidget();
    if (auto* rejilla = pagina->findChild<QTableView*>()) {
        rejilla->setFocus();
    } else if (auto* texto = pagina->findChild<QLabel*>(QStringLiteral("como"))) {
        texto->setFocus();
    }
}

QLayout* Ventana_tiempo::Crear_botones_impresion() {
    imprimir_ = new QPushButton(tr("&Imprimir…"));
    imprimir_->setObjectName(QStringLiteral("imprimir"));
    imprimir_->setToolTip(tr("La página que se ve, en papel"));
    guardar_pdf_ = new QPushButton(tr("Guardar &PDF…"));
    guardar_pdf_->setObjectName(QStringLiteral("guardar_pdf"));
    guardar_pdf_->setToolTip(tr("La página que se ve, en un archivo PDF"));
    connect(imprimir_, &QPushButton::clicked, this, &Ventana_tiempo::Imprimir);
    connect(guardar_pdf_, &QPushButton::clicked, this, &Ventana_tiempo::Guardar_pdf);
    connect(paginas_, &QTabWidget::currentChanged, this, [this](int pagina) {
        const bool en_papel = pagina != static_cast<int>(Pagina_tiempo::como);
        imprimir_->setEnabled(en_papel);
        guardar_pdf_->setEnabled(en_papel);
    });
    auto* barra = new QHBoxLayout;
    barra->addStretch(1);
    barra->addWidget(imprimir_);
    barra->addWidget(guardar_pdf_);
    return barra;
}

QTableView* Ventana_tiempo::Crear_rejilla(const QString& nombre, const QString& accesible) {
    auto* vista = new QTableView;
    vista->setObjectName(nombre);
    vista->setAccessibleName(accesible);
    vista->setItemDelegate(new Pintor_celdas(vista));
    vista->setSelectionMode(QAbstractItemView::SingleSelection);
    vista->setSelectionBehavior(QAbstractItemView::SelectItems);
    vista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vista->setTabKeyNavigation(false);  // Tab leaves the grid for the buttons
    vista->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    vista->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // Smaller than its cells' readable minimum, the grid scrolls.
    vista->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    vista->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    vista->installEventFilter(this);
    connect(vista, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        if (i.flags() & Qt::ItemIsEnabled) Mostrar_seleccion();
    });
    return vista;
}

QWidget* Ventana_tiempo::Crear_pagina_luna() {
    auto* pagina = new QWidget;
    const auto boton = [this](const char* nombre, const QString& texto, const QString& accesible,
                              auto accion) {
        auto* b = new QPushButton(texto);
        b->setObjectName(QString::fromUtf8(nombre));
        b->setAccessibleName(accesible);
        b->setToolTip(accesible);
        const QFontMetrics m = b->fontMetrics();
        b->setMinimumWidth(m.horizontalAdvance(texto) + 2 * m.height());
        b->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
        connect(b, &QPushButton::clicked, this, accion);
        return b;
    };
    auto* barra = new QHBoxLayout;
    barra->addWidget(boton("año_anterior", tr("«"), tr("Año anterior (Mayús+Re Pág)"),
                           [this] { Mover_lunas(-13); }));
    barra->addWidget(
        boton("luna_anterior", tr("‹"), tr("Luna anterior (Re Pág)"), [this] { Mover_lunas(-1); }));
    titulo_luna_ = new QLabel;
    titulo_luna_->setObjectName(QStringLiteral("titulo_luna"));
    titulo_luna_->setAlignment(Qt::AlignCenter);
    // A long title wraps: it never widens the window, so a shorter one
    // after it leaves the window as it was.
    titulo_luna_->setWordWrap(true);
    titulo_luna_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QFont grande = titulo_luna_->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.15);
    titulo_luna_->setFont(grande);
    barra->addWidget(titulo_luna_, 1);
    barra->addWidget(boton("luna_siguiente", tr("›"), tr("Luna siguiente (Av Pág)"),
                           [this] { Mover_lunas(1); }));
    barra->addWidget(boton("año_siguiente", tr("»"), tr("Año siguiente (Mayús+Av Pág)"),
                           [this] { Mover_lunas(13); }));
    barra->addWidget(boton("hoy", tr("&Hoy"), tr("Hoy (Inicio)"), [this] { Ir_a_hoy(); }));

    vista_luna_ = Crear_rejilla(QStringLiteral("luna"), tr("Días de la luna"));
    modelo_luna_ = new Modelo_luna(palabras_, vista_luna_);
    vista_luna_->setModel(modelo_luna_);
    vista_luna_->horizontalHeader()->setMinimumSectionSize(72);
    vista_luna_->verticalHeader()->setMinimumSectionSize(88);
    connect(vista_luna_, &QTableView::clicked, this, &Ventana_tiempo::Luna_pulsada);

    auto* leyenda =
        new QLabel(tr("Marco verde: portal de activación galáctica · número blanco sobre "
                      "negro: hoy · marco azul: el día seleccionado · Intro: leer el día"));
    leyenda->setWordWrap(true);

    auto* capas = new QVBoxLayout(pagina);
    capas->addLayout(barra);
    capas->addWidget(vista_luna_, 1);
    capas->addWidget(leyenda);
    titulo_luna_->setBuddy(vista_luna_);
    return pagina;
}

QWidget* Ventana_tiempo::Crear_pagina_modulo() {
    auto* pagina = new QWidget;
    titulo_modulo_ = new QLabel;
    titulo_modulo_->setObjectName(QStringLiteral("titulo_modulo"));
    titulo_modulo_->setWordWrap(true);
    titulo_modulo_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    // Two lines always: a longer name must not move the grid and redraw it all.
    titulo_modulo_->setFixedHeight(titulo_modulo_->fontMetrics().lineSpacing() * 2 + 4);
    vista_modulo_ = Crear_rejilla(QStringLiteral("modulo"), tr("Módulo armónico"));
    modelo_modulo_ = new Modelo_modulo(palabras_, vista_modulo_);
    vista_modulo_->setModel(modelo_modulo_);
    vista_modulo_->horizontalHeader()->setMinimumSectionSize(34);
    vista_modulo_->verticalHeader()->setMinimumSectionSize(20);
    connect(vista_modulo_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &Ventana_tiempo::Modulo_pulsado);
    auto* leyenda = new QLabel(
        tr("Verde: portal de activación galáctica · columna 7 entre líneas: columna central · "
           "número blanco sobre negro: hoy · marco azul: el kin seleccionado · Gu guía, "
           "Ap antípoda, "
           "An análogo, Oc oculto · barra violeta: su onda encantada"));
    leyenda->setWordWrap(true);
    auto* capas = new QVBoxLayout(pagina);
    capas->addWidget(titulo_modulo_);
    capas->addWidget(vista_modulo_, 1);
    capas->addWidget(leyenda);
    return pagina;
}

QWidget* Ventana_tiempo::Crear_pagina_onda() {
    auto* pagina = new QWidget;
    titulo_onda_ = new QLabel;
    titulo_onda_->setObjectName(QStringLiteral("titulo_onda"));
    QFont grande = titulo_onda_->font();
    grande.setBold(true);
    titulo_onda_->setFont(grande);
    titulo_onda_->setWordWrap(true);
    titulo_onda_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    vista_onda_ = Crear_rejilla(QStringLiteral("onda"), tr("Onda encantada"));
    modelo_onda_ = new Modelo_onda(palabras_, vista_onda_);
    vista_onda_->setModel(modelo_onda_);
    vista_onda_->verticalHeader()->setMinimumSectionSize(32);
    vista_onda_->setSelectionBehavior(QAbstractItemView::SelectRows);
    vista_onda_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    vista_onda_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    vista_onda_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    connect(vista_onda_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &Ventana_tiempo::Onda_pulsada);
    auto* capas = new QVBoxLayout(pagina);
    capas->addWidget(titulo_onda_);
    capas->addWidget(vista_onda_, 1);
    return pagina;
}

QWidget* Ventana_tiempo::Crear_pagina_como() {
    auto* texto = new QLabel(
        tr("<p>Así lleva Talmiroc la cuenta:</p><ul>"
           "<li>El año de trece lunas empieza el 26 de julio, y el kin de ese día es el portador "
           "del año hasta el 25 de julio siguiente.</li>"
           "<li>Cada luna tiene 28 días, en cuatro héptadas de siete plasmas: Dali, Seli, Gamma, "
           "Kali, Alfa, Limi y Silio. La primera luna va del 26 de julio al 22 de agosto; la "
           "decimotercera, del 27 de junio al 24 de julio.</li>"
           "<li>El 25 de julio no pertenece a ninguna luna: es el Día fuera del tiempo.</li>"
           "<li>El 29 de febrero no avanza la cuenta: lleva el kin del 28 de febrero y se muestra "
           "como «0.0 Hunab Ku», entre los días 22 y 23 de la octava luna.</li>"
           "<li>La notación NS cuenta ciclos de 52 años desde el año que empezó el 26 de julio de "
           "1987: NS1.26.4.27 es el ciclo 1, año 26 del ciclo, luna 4, día 27.</li>"
           "<li>Los 52 portales de activación galáctica son los del módulo armónico; la columna "
           "central es la séptima, de los kines 121 a 140.</li></ul>"
           "<p>Otras calculadoras cuentan distinto el 29 de febrero o el 25 de julio; por eso "
           "sus kines pueden no coincidir con estos.</p>"));
    // A day to check another count against, and the portals, from the count.
    constexpr Fecha prueba{26, 7, 2013};
    QStringList portales;
    for (int k = 1; k <= 260; ++k) {
        if (Es_portal(Kin{k})) portales << QString::number(k);
    }
    texto->setText(texto->text() +
                   tr("<p>Para comprobar una cuenta: el %1 es el %2.</p>")
                       .arg(Texto(Fecha_escrita(prueba, palabras_)),
                            Texto(Titulo_kin(Calculo_kin(prueba.dia, prueba.mes, prueba.año).kin,
                                             palabras_))) +
                   tr("<p>Los %1 portales de activación galáctica son los kines %2.</p>")
                       .arg(portales.size())
                       .arg(portales.join(QStringLiteral(", "))));
    texto->setObjectName(QStringLiteral("como"));
    texto->setWordWrap(true);
    texto->setTextFormat(Qt::RichText);
    texto->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    texto->setFocusPolicy(Qt::StrongFocus);  // a screen reader's user can land on it
    texto->setContentsMargins(6, 6, 6, 6);
    // Where the keyboard is, as clear as on a grid's cell.
    texto->setStyleSheet(
        QStringLiteral("QLabel#como { border: 2px solid transparent; }"
                       "QLabel#como:focus { border: 2px solid #0d47a1; }"));
    auto* rollo = new QScrollArea;
    rollo->setWidget(texto);
    rollo->setWidgetResizable(true);
    rollo->setFrameShape(QFrame::NoFrame);
    rollo->setFocusPolicy(Qt::NoFocus);
    auto* pagina = new QWidget;
    auto* capas = new QVBoxLayout(pagina);
    capas->addWidget(rollo, 1);
    return pagina;
}

// ---------------------------------------------------------------------------
// Opening, selecting and moving

void Ventana_tiempo::Abrir(Pagina_tiempo pagina, std::optional<Fecha> fecha) {
    hoy_ = Fecha_de(efectos_.Hoy());
    paginas_->setCurrentIndex(static_cast<int>(pagina));
    Seleccionar(fecha.value_or(hoy_));
    if (!isVisible()) Ajustar_a_pantalla();
    show();
    if (!ajustada_) {
        ajustada_ = true;
        Ajustar_a_pantalla();  // now that the frame is known
    }
    raise();
    activateWindow();
    Enfocar_pagina();
}

void Ventana_tiempo::Seleccionar(const Fecha& fecha) {
    seleccion_ = std::clamp(fecha, primera_fecha, ultima_fecha);
    Actualizar();
}

void Ventana_tiempo::Seleccionar_kin(Kin kin) {
    if (!kin.ok() || kin == Calculo_kin(seleccion_.dia, seleccion_.mes, seleccion_.año).kin) return;
    Seleccionar(Fecha_en_ciclo(kin, seleccion_));
}

void Ventana_tiempo::Mover_dias(int dias) {
    Fecha f = seleccion_;
    for (; dias > 0; --dias) f = Siguiente(f);
    for (; dias < 0; ++dias) f = Anterior(f);
    Seleccionar(f);
}

void Ventana_tiempo::Mover_lunas(int lunas) {
    // The same day of the moon, or of the special day's neighbour.
    const Fecha_trece_lunas t = Calculo_trece_lunas(seleccion_.dia, seleccion_.mes, seleccion_.año);
    const int dia = t.especial == Dia_especial::hunab_ku           ? 22
                    : t.especial == Dia_especial::fuera_del_tiempo ? 28
                                                                   : t.dia;
    const Luna_del_año primera = Luna_de(primera_fecha), ultima = Luna_de(ultima_fecha);
    Luna_del_año luna = Luna_de(seleccion_);
    // Within the moons the count accepts, at both ends.
    for (; lunas > 0 && !(luna == ultima); --lunas) luna = Luna_mas(luna, 1);
    for (; lunas < 0 && !(luna == primera); ++lunas) luna = Luna_mas(luna, -1);
    Seleccionar(Fecha_de_luna(luna, dia));
}

void Ventana_tiempo::Mover_semana(int paso) {
    // Seven days of the moon, in the same plasma: 29 February and 25 July,
    // outside the heptads, are passed over (Left and Right reach them). From
    // one of them, Up reaches the day before it and Down the day a week after.
    const Fecha_trece_lunas t = Calculo_trece_lunas(seleccion_.dia, seleccion_.mes, seleccion_.año);
    Luna_del_año luna = Luna_de(seleccion_);
    int dia = t.dia;
    if (t.especial != Dia_especial::ninguno) {
        dia = t.especial == Dia_especial::hunab_ku ? 22 : 28;
        if (paso < 0) {
            Seleccionar(Fecha_de_luna(luna, dia));
            return;
        }
    }
    dia += paso;
    const Luna_del_año primera = Luna_de(primera_fecha), ultima = Luna_de(ultima_fecha);
    if (dia > 28) {
        if (luna == ultima) return;
        luna = Luna_mas(luna, 1);
        dia -= 28;
    } else if (dia < 1) {
        if (luna == primera) return;
        luna = Luna_mas(luna, -1);
        dia += 28;
    }
    Seleccionar(Fecha_de_luna(luna, dia));
}

void Ventana_tiempo::Ir_a_hoy() {
    hoy_ = Fecha_de(efectos_.Hoy());
    Seleccionar(hoy_);
}

void Ventana_tiempo::Mostrar_seleccion() {
    if (!mostrar_dia_) return;
    if (seleccion_.año > año_maximo_dia) {
        // Its year box holds four digits: the day would be read as another.
        efectos_.Mensaje(tr("La ventana del día lee años de hasta %1 cifras: "
                            "el %2 no se puede leer en ella.")
                             .arg(QString::number(año_maximo_dia).size())
                             .arg(Texto(Fecha_escrita(seleccion_, palabras_))),
                         windowTitle(), Icono::informacion);
        return;
    }
    mostrar_dia_(seleccion_);
}

namespace {

std::optional<Pedido_hojas> Pedido_de(int pagina, const Fecha& seleccion) {
    if (pagina == static_cast<int>(Pagina_tiempo::luna))
        return Pedido_hojas{Hojas::luna, seleccion};
    if (pagina == static_cast<int>(Pagina_tiempo::modulo))
        return Pedido_hojas{Hojas::modulo, seleccion};
    if (pagina == static_cast<int>(Pagina_tiempo::onda))
        return Pedido_hojas{Hojas::onda, seleccion};
    return std::nullopt;
}

}  // namespace

void Ventana_tiempo::Imprimir() {
    const std::optional<Pedido_hojas> pedido = Pedido_de(paginas_->currentIndex(), seleccion_);
    if (!pedido) return;
    efectos_.Imprimir_hojas(*this, Titulo_hojas(*pedido),
                            [p = *pedido](const QString& archivo, const QPageSize& papel) {
                                return Escribir_pdf(archivo, p, papel).isEmpty();
                            });
}

void Ventana_tiempo::Guardar_pdf() {
    const std::optional<Pedido_hojas> pedido = Pedido_de(paginas_->currentIndex(), seleccion_);
    if (!pedido) return;
    const Luna_del_año luna = Luna_de(seleccion_);
    const QString nombre =
        pedido->hojas == Hojas::luna
            ? tr("luna-%1.pdf").arg(Texto(Describir_luna(luna, palabras_).ns))  // luna-NS1.26.4.pdf
        : pedido->hojas == Hojas::onda
            ? tr("onda-kin-%1.pdf")
                  .arg(Calculo_kin(seleccion_.dia, seleccion_.mes, seleccion_.año).kin.valor)
            : tr("modulo-kin-%1.pdf")
                  .arg(Calculo_kin(seleccion_.dia, seleccion_.mes, seleccion_.año).kin.valor);
    const QString archivo =
        efectos_
            .Archivo_guardar(*this, tr("Guardar PDF"), nombre,
                             {QCoreApplication::translate("talmiroc::Papel", "Documentos PDF (*.pdf)")},
                             Efectos::Carpeta::documentos)
            .archivo;
    if (archivo.isEmpty()) return;
    const QString error = Escribir_pdf(archivo, *pedido, Papel_predeterminado());
    if (!error.isEmpty()) efectos_.Mensaje(error, tr("Guardar PDF"), Icono::error);
}

void Ventana_tiempo::Actualizar() {
    const Kin kin = Calculo_kin(seleccion_.dia, seleccion_.mes, seleccion_.año).kin;
    const Kin kin_hoy = Calculo_kin(hoy_.dia, hoy_.mes, hoy_.año).kin;
    const Luna_del_año luna = Luna_de(seleccion_);
    if (!(modelo_luna_->Luna().luna == luna) || modelo_luna_->Luna().dias.empty()) {
        modelo_luna_->Fijar(Describir_luna(luna, palabras_), hoy_, seleccion_);
        titulo_luna_->setText(Texto(modelo_luna_->Luna().titulo));
    } else {
        modelo_luna_->Fijar(modelo_luna_->Luna(), hoy_, seleccion_);
    }
    // A special day is a band of its own under the heptads: one cell.
    vista_luna_->clearSpans();
    if (modelo_luna_->rowCount() > 4) vista_luna_->setSpan(4, 0, 1, modelo_luna_->columnCount());
    modelo_modulo_->Fijar(kin_hoy, kin);
    modelo_onda_->Fijar(Describir_onda(kin, seleccion_, palabras_), hoy_);
    titulo_modulo_->setText(tr("Seleccionado: %1 (%2) · Hoy: %3")
                                .arg(Texto(Titulo_kin(kin, palabras_)),
                                     Texto(Fecha_escrita(seleccion_, palabras_)),
                                     Texto(Titulo_kin(kin_hoy, palabras_))));
    titulo_onda_->setText(Texto(modelo_onda_->Onda().titulo));
    personas_->Fijar_hoy(hoy_);
    Enfocar_seleccion();
}

void Ventana_tiempo::Enfocar_seleccion() {
    sincronizando_ = true;
    const Kin kin = Calculo_kin(seleccion_.dia, seleccion_.mes, seleccion_.año).kin;
    const auto poner = [](QTableView* vista, const QModelIndex& i) {
        if (i.isValid())
            vista->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
    };
    poner(vista_luna_, modelo_luna_->Indice_de(seleccion_));
    poner(vista_modulo_, modelo_modulo_->Indice_de(kin));
    poner(vista_onda_, modelo_onda_->index(kin.tono().valor - 1, 0));
    sincronizando_ = false;
}

void Ventana_tiempo::Luna_pulsada(const QModelIndex& indice) {
    if (const Dia_de_luna* d = modelo_luna_->Dia(indice)) Seleccionar(d->fecha);
}

void Ventana_tiempo::Modulo_pulsado(const QModelIndex& indice) {
    if (!sincronizando_ && indice.isValid()) Seleccionar_kin(Modelo_modulo::Kin_en(indice));
}

void Ventana_tiempo::Onda_pulsada(const QModelIndex& indice) {
    if (sincronizando_ || !indice.isValid()) return;
    Seleccionar(modelo_onda_->Onda().kines[static_cast<std::size_t>(indice.row())].fecha);
}

bool Ventana_tiempo::Tecla(QTableView* vista, int tecla) {
    const bool luna = vista == vista_luna_;
    switch (tecla) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Mostrar_seleccion();
            return true;
        case Qt::Key_Home:
            Ir_a_hoy();
            return true;
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return false;  // taken with their modifiers below
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (!luna) return false;
            Mover_dias(tecla == Qt::Key_Left ? -1 : 1);
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (!luna) return false;
            Mover_semana(tecla == Qt::Key_Up ? -7 : 7);
            return true;
        default:
            return false;
    }
}

bool Ventana_tiempo::eventFilter(QObject* objeto, QEvent* evento) {
    auto* vista = qobject_cast<QTableView*>(objeto);
    if (vista && evento->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        const Qt::KeyboardModifiers mods = tecla->modifiers() & ~Qt::KeypadModifier;
        if (tecla->key() == Qt::Key_PageUp || tecla->key() == Qt::Key_PageDown) {
            if (mods & ~Qt::ShiftModifier) return false;  // Ctrl: the window's pages
            const int paso = mods & Qt::ShiftModifier ? 13 : 1;
            Mover_lunas(tecla->key() == Qt::Key_PageUp ? -paso : paso);
            return true;
        }
        if (mods == Qt::NoModifier && Tecla(vista, tecla->key())) return true;
    }
    return QWidget::eventFilter(objeto, evento);
}

}  // namespace talmiroc
