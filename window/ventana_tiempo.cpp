#include "ventana_tiempo.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QBoxLayout>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>

#include "apoyo_qt.h"
#include "celdas.h"
#include "efectos.h"
#include "lector.h"
#include "papel.h"
#include "idioma_qt.h"

namespace talmiroc {

namespace {

// What a cell carries besides its text, for the painter.
enum Rol : int {
    rol_forma = Qt::UserRole + 1,  // Forma
    rol_sello,                     // resource of the seal's picture
    rol_tono,                      // resource of the tone's numeral
    rol_fecha,                     // "13 nov"
    rol_mes,                       // "noviembre" on the 1st
    rol_marcas,                    // Marca flags
    rol_color,                     // the seal's Color, as int
};

enum class Forma { luna = 1, modulo, kin_onda };

Fecha Fecha_de(QDate d) {
    return {d.day(), d.month(), d.year()};
}

// The seal colours as cell fills, light enough for black text.
QColor Relleno(Color c) {
    switch (c) {
        case Color::rojo:
            return QColor(0xf4, 0xa3, 0xa3);
        case Color::blanco:
            return QColor(0xff, 0xff, 0xff);
        case Color::azul:
            return QColor(0xa8, 0xc8, 0xf0);
        case Color::amarillo:
            return QColor(0xf5, 0xe8, 0x7c);
    }
    return Qt::white;
}

}  // namespace

// ---------------------------------------------------------------------------
// Models

// The days of one moon: 4 heptads of 7 plasmas; a column for 29 February
// between Dali and Seli in the moon that has it, and a row for 25 July
// under the thirteenth moon.
class Modelo_luna final : public QAbstractTableModel {
public:
    Modelo_luna(const Palabras& p, QObject* padre) : QAbstractTableModel(padre), p_(p) {}

    void Fijar(Lectura_luna luna, const Fecha& hoy, const Fecha& seleccion) {
        beginResetModel();
        luna_ = std::move(luna);
        hoy_ = hoy;
        seleccion_ = seleccion;
        hunab_ku_ = fuera_ = false;
        for (const Dia_de_luna& d : luna_.dias) {
            hunab_ku_ |= d.especial == Dia_especial::hunab_ku;
            fuera_ |= d.especial == Dia_especial::fuera_del_tiempo;
        }
        endResetModel();
    }
    const Lectura_luna& Luna() const { return luna_; }
    bool Fuera() const { return fuera_; }

    int rowCount(const QModelIndex& padre = {}) const override {
        return padre.isValid() ? 0 : 4 + (fuera_ ? 1 : 0);
    }
    int columnCount(const QModelIndex& padre = {}) const override {
        return padre.isValid() ? 0 : 7 + (hunab_ku_ ? 1 : 0);
    }

    // The day shown in a cell, or null for an empty cell.
    const Dia_de_luna* Dia(const QModelIndex& i) const {
        if (!i.isValid()) return nullptr;
        const int n = Indice(i.row(), i.column());
        return n >= 0 && n < static_cast<int>(luna_.dias.size())
                   ? &luna_.dias[static_cast<std::size_t>(n)]
                   : nullptr;
    }

    QModelIndex Indice_de(const Fecha& f) const {
        for (int r = 0; r < rowCount(); ++r) {
            for (int c = 0; c < columnCount(); ++c) {
                if (const Dia_de_luna* d = Dia(index(r, c)); d && d->fecha == f) return index(r, c);
            }
        }
        return {};
    }

    Qt::ItemFlags flags(const QModelIndex& i) const override {
        return Dia(i) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    QVariant data(const QModelIndex& i, int rol) const override {
        const Dia_de_luna* d = Dia(i);
        if (!d) return {};
        switch (rol) {
            case Qt::DisplayRole:
                return d->especial == Dia_especial::ninguno ? Texto(d->numero) : QString();
            case Qt::AccessibleTextRole:
            case Qt::ToolTipRole:
                return Texto(d->nombre);
            case Qt::AccessibleDescriptionRole:
                return d->fecha == hoy_ ? Ventana_tiempo::tr("hoy") : QString();
            case rol_forma:
                return static_cast<int>(Forma::luna);
            case rol_sello:
                return Recurso_sello(d->kin.sello());
            case rol_tono:
                return Recurso_tono(d->kin.tono());
            case rol_fecha:
                return Texto(d->fecha_corta);
            case rol_mes:
                return d->especial == Dia_especial::ninguno ? Texto(d->mes)
                                                            : Texto(Nombre_especial(*d, p_));
            case rol_marcas:
                return (d->fecha == hoy_ ? marca_hoy : 0) | (d->portal ? marca_portal : 0) |
                       (d->especial != Dia_especial::ninguno ? marca_especial : 0) |
                       (d->fecha == seleccion_ ? marca_seleccion : 0);
            case Qt::UserRole:
                return d->kin.valor;
            default:
                return {};
        }
    }

    QVariant headerData(int seccion, Qt::Orientation o, int rol) const override {
        if (rol != Qt::DisplayRole && rol != Qt::AccessibleTextRole) return {};
        if (o == Qt::Horizontal) {
            if (hunab_ku_ && seccion == 1) return Texto(p_.nombre_hunab_ku);
            const int plasma = hunab_ku_ && seccion > 1 ? seccion : seccion + 1;
            return Texto(En(p_.plasmas, plasma));
        }
        if (seccion == 4) return Texto(p_.nombre_fuera_del_tiempo);
        return Ventana_tiempo::tr("Héptada %1").arg(seccion + 1);
    }

private:
    int Indice(int fila, int columna) const {
        const int ultimo = static_cast<int>(luna_.dias.size()) - 1;
        if (fila == 4) return fuera_ && columna == 0 ? ultimo : -1;
        int plasma = columna;  // 0..6
        if (hunab_ku_) {
            if (columna == 1) return fila == 3 ? 22 : -1;
            if (columna > 1) plasma = columna - 1;
        }
        const int dia = fila * 7 + plasma + 1;
        return hunab_ku_ && dia >= 23 ? dia : dia - 1;
    }

    const Palabras& p_;
    Lectura_luna luna_;
    Fecha hoy_{}, seleccion_{};
    bool hunab_ku_ = false, fuera_ = false;
};

// The 260 kins in 13 columns of 20, with today, the selected kin, its
// oracle and its wavespell marked.
class Modelo_modulo final : public QAbstractTableModel {
public:
    Modelo_modulo(const Palabras& p, QObject* padre) : QAbstractTableModel(padre), p_(p) {}

    void Fijar(Kin hoy, Kin seleccion) {
        hoy_ = hoy;
        seleccion_ = seleccion;
        oraculo_ = Oraculo_en_kines(seleccion);
        onda_ = Onda_de(seleccion);
        emit dataChanged(index(0, 0), index(19, 12));
    }

    int rowCount(const QModelIndex& padre = {}) const override { return padre.isValid() ? 0 : 20; }
    int columnCount(const QModelIndex& padre = {}) const override {
        return padre.isValid() ? 0 : 13;
    }
    static Kin Kin_en(const QModelIndex& i) { return Kin_en_modulo(i.column() + 1, i.row() + 1); }
    QModelIndex Indice_de(Kin k) const { return index(Fila_modulo(k) - 1, Columna_modulo(k) - 1); }

    QVariant data(const QModelIndex& i, int rol) const override {
        if (!i.isValid()) return {};
        const Kin k = Kin_en(i);
        switch (rol) {
            case Qt::DisplayRole:
                return k.valor;
            case Qt::AccessibleTextRole:
            case Qt::ToolTipRole:
                return Texto(Titulo_kin(k, p_));
            case Qt::AccessibleDescriptionRole:
                return Descripcion(k);
            case rol_forma:
                return static_cast<int>(Forma::modulo);
            case rol_color:
                return static_cast<int>(Color_sello(k.sello()));
            case rol_marcas:
                return Marcas(k);
            case Qt::UserRole:
                return k.valor;
            default:
                return {};
        }
    }

    QVariant headerData(int seccion, Qt::Orientation o, int rol) const override {
        if (rol != Qt::DisplayRole && rol != Qt::AccessibleTextRole) return {};
        if (o == Qt::Vertical) return Texto(Nombre_sello(Sello(seccion + 1), p_));
        if (seccion + 1 == columna_central && rol == Qt::AccessibleTextRole)
            return Ventana_tiempo::tr("Columna %1, central").arg(seccion + 1);
        return seccion + 1 == columna_central ? Ventana_tiempo::tr("%1 ·").arg(seccion + 1)
                                              : QString::number(seccion + 1);
    }

private:
    int Marcas(Kin k) const {
        int m = 0;
        if (k == hoy_) m |= marca_hoy;
        if (k == seleccion_) m |= marca_seleccion;
        if (Es_portal(k)) m |= marca_portal;
        if (En_columna_central(k)) m |= marca_central;
        if (k == oraculo_.guia) m |= marca_guia;
        if (k == oraculo_.antipoda) m |= marca_antipoda;
        if (k == oraculo_.analogo) m |= marca_analogo;
        if (k == oraculo_.oculto) m |= marca_oculto;
        if (k.valor >= onda_[0].valor && k.valor <= onda_[12].valor) m |= marca_onda;
        return m;
    }

    QString Descripcion(Kin k) const {
        const int m = Marcas(k);
        QStringList partes;
        if (m & marca_hoy) partes << Ventana_tiempo::tr("hoy");
        if (m & marca_central) partes << Ventana_tiempo::tr("columna central");
        if (m & marca_guia) partes << Ventana_tiempo::tr("guía del seleccionado");
        if (m & marca_antipoda) partes << Ventana_tiempo::tr("antípoda del seleccionado");
        if (m & marca_analogo) partes << Ventana_tiempo::tr("análogo del seleccionado");
        if (m & marca_oculto) partes << Ventana_tiempo::tr("oculto del seleccionado");
        if (m & marca_onda) partes << Ventana_tiempo::tr("en la onda encantada del seleccionado");
        return partes.join(QStringLiteral(", "));
    }

    const Palabras& p_;
    Kin hoy_{1}, seleccion_{1};
    Kines_oraculo oraculo_{};
    std::array<Kin, 13> onda_{};
};

// The 13 kins of a wavespell: the kin, its tone, its date.
class Modelo_onda final : public QAbstractTableModel {
public:
    Modelo_onda(const Palabras& p, QObject* padre) : QAbstractTableModel(padre), p_(p) {}

    void Fijar(Lectura_onda onda, const Fecha& hoy) {
        onda_ = std::move(onda);
        hoy_ = hoy;
        emit dataChanged(index(0, 0), index(12, 2));
    }
    const Lectura_onda& Onda() const { return onda_; }

    int rowCount(const QModelIndex& padre = {}) const override { return padre.isValid() ? 0 : 13; }
    int columnCount(const QModelIndex& padre = {}) const override {
        return padre.isValid() ? 0 : 3;
    }

    QVariant data(const QModelIndex& i, int rol) const override {
        if (!i.isValid()) return {};
        const Kin_de_onda& k = onda_.kines[static_cast<std::size_t>(i.row())];
        const int columna = i.column();
        switch (rol) {
            case Qt::DisplayRole:
            case Qt::AccessibleTextRole:
                if (columna == 0) return Texto(Titulo_kin(k.kin, p_));
                if (columna == 1)
                    return QStringLiteral("%1 %2").arg(i.row() + 1).arg(Texto(k.tono));
                return Texto(k.cuando);
            case Qt::AccessibleDescriptionRole:
                return k.fecha == hoy_ ? Ventana_tiempo::tr("hoy") : QString();
            case rol_forma:
                return columna == 0 ? static_cast<int>(Forma::kin_onda) : 0;
            case rol_sello:
                return Recurso_sello(k.kin.sello());
            case rol_tono:
                return Recurso_tono(k.kin.tono());
            case rol_marcas:
                if (columna != 0) return 0;
                return (k.fecha == hoy_ ? marca_hoy : 0) | (Es_portal(k.kin) ? marca_portal : 0);
            case Qt::UserRole:
                return k.kin.valor;
            default:
                return {};
        }
    }

    QVariant headerData(int seccion, Qt::Orientation o, int rol) const override {
        if (rol != Qt::DisplayRole && rol != Qt::AccessibleTextRole) return {};
        if (o == Qt::Vertical) return QString::number(seccion + 1);
        switch (seccion) {
            case 0:
                return Ventana_tiempo::tr("Kin");
            case 1:
                return Ventana_tiempo::tr("Tono");
            default:
                return Ventana_tiempo::tr("Fecha");
        }
    }

private:
    const Palabras& p_;
    Lectura_onda onda_{};
    Fecha hoy_{};
};

// ---------------------------------------------------------------------------
// The painter of the cells

namespace {

class Pintor_celdas final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& op, const QModelIndex& i) const override {
        const auto forma = static_cast<Forma>(i.data(rol_forma).toInt());
        const int marcas = i.data(rol_marcas).toInt();
        const bool actual = op.state & QStyle::State_HasFocus;
        p->save();
        // Rectangles, lines and pictures on whole pixels: no antialiasing needed.
        const QRectF r(op.rect);
        switch (forma) {
            case Forma::luna:
                Dia(p, op, i, r, marcas);
                break;
            case Forma::modulo:
                Kin_modulo(p, op, i, r, marcas);
                break;
            case Forma::kin_onda:
                Kin_onda(p, op, i, r);
                break;
            default:
                if (!(i.flags() & Qt::ItemIsEnabled)) {
                    p->fillRect(r, op.palette.color(QPalette::Window));
                    break;
                }
                p->restore();
                QStyledItemDelegate::paint(p, op, i);
                p->save();
                break;
        }
        if (marcas & marca_hoy) {
            // A black corner, the same on every page.
            const qreal lado = qMin(r.width(), r.height()) * 0.22;
            QPainterPath esquina;
            esquina.moveTo(r.bottomRight());
            esquina.lineTo(r.bottomRight() - QPointF(lado, 0));
            esquina.lineTo(r.bottomRight() - QPointF(0, lado));
            esquina.closeSubpath();
            p->fillPath(esquina, Qt::black);
        }
        if ((marcas & marca_seleccion) || (op.state & QStyle::State_Selected)) {
            p->setPen(QPen(azul_seleccion, 3));
            p->setBrush(Qt::NoBrush);
            p->drawRect(r.adjusted(1.5, 1.5, -1.5, -1.5));
        }
        if (actual) {
            // Where the keyboard is, whatever else the cell shows.
            QPen foco(Qt::black, 1, Qt::DashLine);
            p->setPen(foco);
            p->setBrush(Qt::NoBrush);
            p->drawRect(r.adjusted(4.5, 4.5, -4.5, -4.5));
        }
        p->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& op, const QModelIndex& i) const override {
        switch (static_cast<Forma>(i.data(rol_forma).toInt())) {
            case Forma::luna:
                return QSize(96, 96);
            case Forma::modulo:
                return QSize(44, 24);
            case Forma::kin_onda:
                return QSize(360, 40);
            default:
                return QStyledItemDelegate::sizeHint(op, i);
        }
    }

private:
    static void Dia(QPainter* p, const QStyleOptionViewItem& op, const QModelIndex& i,
                    const QRectF& r, int marcas) {
        Pintar_dia(*p, r, op.font,
                   {i.data(Qt::DisplayRole).toString(), i.data(rol_fecha).toString(),
                    i.data(rol_mes).toString(),
                    Ventana_tiempo::tr("Kin %1").arg(i.data(Qt::UserRole).toInt()),
                    i.data(rol_sello).toString(), i.data(rol_tono).toString(), marcas});
    }

    static void Kin_modulo(QPainter* p, const QStyleOptionViewItem& op, const QModelIndex& i,
                           const QRectF& r, int marcas) {
        Pintar_kin_modulo(*p, r, op.font,
                          {i.data(Qt::DisplayRole).toInt(),
                           Relleno(static_cast<Color>(i.data(rol_color).toInt())), marcas});
    }

    static void Kin_onda(QPainter* p, const QStyleOptionViewItem& op, const QModelIndex& i,
                         const QRectF& r) {
        p->fillRect(r, Qt::white);
        const int marcas = i.data(rol_marcas).toInt();
        if (marcas & marca_portal) Anillo_portal(*p, r);
        const qreal alto = r.height() - 6;
        Pintar_recurso(*p, QRectF(r.left() + 6, r.top() + 3, alto * 1.4, alto),
                       i.data(rol_tono).toString());
        Pintar_recurso(*p, QRectF(r.left() + 10 + alto * 1.4, r.top() + 3, alto, alto),
                       i.data(rol_sello).toString());
        p->setPen(Qt::black);
        p->setFont(op.font);
        p->drawText(r.adjusted(16 + alto * 2.4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft,
                    i.data(Qt::DisplayRole).toString());
    }
};

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
    createPages();
    // Its pages' controls are shown and hidden with each page.
    Avisar_visibilidad(this);
    hoy_ = seleccion_ = Fecha_de(efectos_.Hoy());
    resize(880, 700);
}

Ventana_tiempo::~Ventana_tiempo() = default;

void Ventana_tiempo::createPages() {
    paginas_ = new QTabWidget(this);
    paginas_->setObjectName(QStringLiteral("paginas"));
    paginas_->addTab(createLunaPage(), tr("&Luna"));
    paginas_->addTab(createModuloPage(), tr("&Módulo armónico"));
    paginas_->addTab(createOndaPage(), tr("&Onda encantada"));
    paginas_->addTab(createComoPage(), tr("&Cómo se cuenta"));
    auto* capas = new QVBoxLayout(this);
    capas->addWidget(paginas_);
    capas->addLayout(createPrintButtons());
    // The day window's shortcuts reach the same pages from here.
    const QKeySequence atajos[] = {QKeySequence(Qt::CTRL | Qt::Key_L),
                                   QKeySequence(Qt::CTRL | Qt::Key_M),
                                   QKeySequence(Qt::CTRL | Qt::Key_O)};
    for (int i = 0; i < 3; ++i) {
        auto* accion = new QAction(this);
        accion->setShortcut(atajos[i]);
        connect(accion, &QAction::triggered, this, [this, i] {
            paginas_->setCurrentIndex(i);
            if (auto* rejilla = paginas_->currentWidget()->findChild<QTableView*>())
                rejilla->setFocus();
        });
        addAction(accion);
    }
}

QLayout* Ventana_tiempo::createPrintButtons() {
    imprimir_ = new QPushButton(tr("&Imprimir…"));
    imprimir_->setObjectName(QStringLiteral("imprimir"));
    imprimir_->setToolTip(tr("La página que se ve, en papel"));
    guardar_pdf_ = new QPushButton(tr("Guardar &PDF…"));
    guardar_pdf_->setObjectName(QStringLiteral("guardar_pdf"));
    guardar_pdf_->setToolTip(tr("La página que se ve, en un archivo PDF"));
    connect(imprimir_, &QPushButton::clicked, this, &Ventana_tiempo::Imprimir);
    connect(guardar_pdf_, &QPushButton::clicked, this, &Ventana_tiempo::Guardar_pdf);
    connect(paginas_, &QTabWidget::currentChanged, this, [this](int pagina) {
        const bool en_papel = pagina == static_cast<int>(Pagina_tiempo::luna) ||
                              pagina == static_cast<int>(Pagina_tiempo::modulo);
        imprimir_->setEnabled(en_papel);
        guardar_pdf_->setEnabled(en_papel);
    });
    auto* barra = new QHBoxLayout;
    barra->addStretch(1);
    barra->addWidget(imprimir_);
    barra->addWidget(guardar_pdf_);
    return barra;
}

QTableView* Ventana_tiempo::createGrid(const QString& nombre, const QString& accesible) {
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
    vista->installEventFilter(this);
    connect(vista, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        if (i.flags() & Qt::ItemIsEnabled) Mostrar_seleccion();
    });
    return vista;
}

QWidget* Ventana_tiempo::createLunaPage() {
    auto* pagina = new QWidget;
    const auto boton = [this](const char* nombre, const QString& texto, const QString& accesible,
                              auto accion) {
        auto* b = new QPushButton(texto);
        b->setObjectName(QString::fromUtf8(nombre));
        b->setAccessibleName(accesible);
        b->setToolTip(accesible);
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

    vista_luna_ = createGrid(QStringLiteral("luna"), tr("Días de la luna"));
    modelo_luna_ = new Modelo_luna(palabras_, vista_luna_);
    vista_luna_->setModel(modelo_luna_);
    connect(vista_luna_, &QTableView::clicked, this, &Ventana_tiempo::Luna_pulsada);

    auto* leyenda =
        new QLabel(tr("Marco verde: portal de activación galáctica · esquina negra: "
                      "hoy · marco azul: el día seleccionado · Intro: leer el día"));
    leyenda->setWordWrap(true);

    auto* capas = new QVBoxLayout(pagina);
    capas->addLayout(barra);
    capas->addWidget(vista_luna_, 1);
    capas->addWidget(leyenda);
    titulo_luna_->setBuddy(vista_luna_);
    return pagina;
}

QWidget* Ventana_tiempo::createModuloPage() {
    auto* pagina = new QWidget;
    titulo_modulo_ = new QLabel;
    titulo_modulo_->setObjectName(QStringLiteral("titulo_modulo"));
    titulo_modulo_->setWordWrap(true);
    // Two lines always: a longer name must not move the grid and redraw it all.
    titulo_modulo_->setFixedHeight(titulo_modulo_->fontMetrics().lineSpacing() * 2 + 4);
    vista_modulo_ = createGrid(QStringLiteral("modulo"), tr("Módulo armónico"));
    modelo_modulo_ = new Modelo_modulo(palabras_, vista_modulo_);
    vista_modulo_->setModel(modelo_modulo_);
    connect(vista_modulo_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &Ventana_tiempo::Modulo_pulsado);
    auto* leyenda = new QLabel(
        tr("Verde: portal de activación galáctica · columna 7 entre líneas: columna central · "
           "esquina negra: hoy · marco azul: el kin seleccionado · Gu guía, Ap antípoda, "
           "An análogo, Oc oculto · barra violeta: su onda encantada"));
    leyenda->setWordWrap(true);
    auto* capas = new QVBoxLayout(pagina);
    capas->addWidget(titulo_modulo_);
    capas->addWidget(vista_modulo_, 1);
    capas->addWidget(leyenda);
    return pagina;
}

QWidget* Ventana_tiempo::createOndaPage() {
    auto* pagina = new QWidget;
    titulo_onda_ = new QLabel;
    titulo_onda_->setObjectName(QStringLiteral("titulo_onda"));
    QFont grande = titulo_onda_->font();
    grande.setBold(true);
    titulo_onda_->setFont(grande);
    vista_onda_ = createGrid(QStringLiteral("onda"), tr("Onda encantada"));
    modelo_onda_ = new Modelo_onda(palabras_, vista_onda_);
    vista_onda_->setModel(modelo_onda_);
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

QWidget* Ventana_tiempo::createComoPage() {
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
    texto->setObjectName(QStringLiteral("como"));
    texto->setWordWrap(true);
    texto->setTextFormat(Qt::RichText);
    texto->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    texto->setFocusPolicy(Qt::StrongFocus);  // a screen reader's user can land on it
    auto* pagina = new QWidget;
    auto* capas = new QVBoxLayout(pagina);
    capas->addWidget(texto, 1);
    return pagina;
}

// ---------------------------------------------------------------------------
// Opening, selecting and moving

void Ventana_tiempo::Abrir(Pagina_tiempo pagina, std::optional<Fecha> fecha) {
    hoy_ = Fecha_de(efectos_.Hoy());
    paginas_->setCurrentIndex(static_cast<int>(pagina));
    Seleccionar(fecha.value_or(hoy_));
    show();
    raise();
    activateWindow();
    if (QWidget* rejilla = paginas_->currentWidget()->findChild<QTableView*>()) {
        rejilla->setFocus();
    }
}

void Ventana_tiempo::Seleccionar(const Fecha& fecha) {
    // The day window accepts years from 38 on.
    seleccion_ = fecha < Fecha{1, 1, 38} ? Fecha{1, 1, 38} : fecha;
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
    Seleccionar(Fecha_de_luna(Luna_mas(Luna_de(seleccion_), lunas), dia));
}

void Ventana_tiempo::Ir_a_hoy() {
    hoy_ = Fecha_de(efectos_.Hoy());
    Seleccionar(hoy_);
}

void Ventana_tiempo::Mostrar_seleccion() {
    if (mostrar_dia_) mostrar_dia_(seleccion_);
}

namespace {

std::optional<Pedido_hojas> Pedido_de(int pagina, const Fecha& seleccion) {
    if (pagina == static_cast<int>(Pagina_tiempo::luna))
        return Pedido_hojas{Hojas::luna, seleccion};
    if (pagina == static_cast<int>(Pagina_tiempo::modulo))
        return Pedido_hojas{Hojas::modulo, seleccion};
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
            ? tr("luna-%1-%2.pdf").arg(luna.año).arg(luna.luna, 2, 10, QLatin1Char('0'))
            : tr("modulo-kin-%1.pdf")
                  .arg(Calculo_kin(seleccion_.dia, seleccion_.mes, seleccion_.año).kin.valor);
    const QString archivo = efectos_.Archivo_pdf(*this, nombre);
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
        vista_luna_->clearSpans();
        if (modelo_luna_->Fuera()) vista_luna_->setSpan(4, 0, 1, modelo_luna_->columnCount());
        titulo_luna_->setText(Texto(modelo_luna_->Luna().titulo));
    } else {
        modelo_luna_->Fijar(modelo_luna_->Luna(), hoy_, seleccion_);
        vista_luna_->clearSpans();
        if (modelo_luna_->Fuera()) vista_luna_->setSpan(4, 0, 1, modelo_luna_->columnCount());
    }
    modelo_modulo_->Fijar(kin_hoy, kin);
    modelo_onda_->Fijar(Describir_onda(kin, seleccion_, palabras_), hoy_);
    titulo_modulo_->setText(tr("Seleccionado: %1 (%2) · Hoy: %3")
                                .arg(Texto(Titulo_kin(kin, palabras_)),
                                     Texto(Fecha_escrita(seleccion_, palabras_)),
                                     Texto(Titulo_kin(kin_hoy, palabras_))));
    titulo_onda_->setText(Texto(modelo_onda_->Onda().titulo));
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
            Mover_dias(tecla == Qt::Key_Up ? -7 : 7);
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
            if (mods == Qt::ControlModifier) {  // the page before or after, as in a browser
                const int n = paginas_->count();
                const int paso = tecla->key() == Qt::Key_PageUp ? n - 1 : 1;
                paginas_->setCurrentIndex((paginas_->currentIndex() + paso) % n);
                if (auto* rejilla = paginas_->currentWidget()->findChild<QTableView*>())
                    rejilla->setFocus();
                return true;
            }
            if (mods & ~Qt::ShiftModifier) return false;
            const int paso = mods & Qt::ShiftModifier ? 13 : 1;
            Mover_lunas(tecla->key() == Qt::Key_PageUp ? -paso : paso);
            return true;
        }
        if (mods == Qt::NoModifier && Tecla(vista, tecla->key())) return true;
    }
    return QWidget::eventFilter(objeto, evento);
}

}  // namespace talmiroc
