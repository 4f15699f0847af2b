#include "pagina_personas.h"

#include <cstring>
#include <ctime>

#include <QBoxLayout>
#include <QDialog>
#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QTableView>

#include "apoyo_qt.h"
#include "efectos.h"
#include "importar.h"
#include "modelo_personas.h"
#include "regresos.h"
#include "archivo.h"
#include "tarjeta.h"

namespace talmiroc {

namespace {

using personas::Cambio;
using personas::Persona;

Kin Kin_de(const Fecha& f) {
    return Calculo_kin(f.dia, f.mes, f.año).kin;
}

QString Html(std::string_view s) {
    return Texto(s).toHtmlEscaped();
}

// The system's reason for a failed write, in its words.
QString Razon(int error) {
    return error == salida::error_no_regular
               ? Pagina_personas::tr("no es un archivo normal")
               : QString::fromLocal8Bit(salida::Razon_del_sistema(error).c_str());
}

}  // namespace

// ---------------------------------------------------------------------------
// Building the page

Pagina_personas::Pagina_personas(Efectos& efectos, const Palabras& palabras, std::string ruta,
                                 QWidget* parent)
    : QWidget(parent), efectos_(efectos), palabras_(palabras) {
    setObjectName(QStringLiteral("pagina_personas"));
    if (ruta.empty()) {
        ruta = personas::Ruta_libro(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    }
    libro_ = std::make_unique<personas::Libro>(ruta);
    libro_->Abrir();
    const QDate hoy = efectos_.Hoy();
    hoy_ = {hoy.day(), hoy.month(), hoy.year()};

    buscar_ = new QLineEdit;
    buscar_->setObjectName(QStringLiteral("buscar_persona"));
    buscar_->setPlaceholderText(tr("Buscar por nombre"));
    buscar_->setAccessibleName(tr("Buscar por nombre"));
    buscar_->setClearButtonEnabled(true);

    modelo_ = new Modelo_personas(palabras_, this);
    filtro_ = new QSortFilterProxyModel(this);
    filtro_->setSourceModel(modelo_);
    filtro_->setSortRole(Modelo_personas::rol_orden);
    filtro_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    filtro_->setFilterKeyColumn(Modelo_personas::nombre);
    connect(buscar_, &QLineEdit::textChanged, filtro_, &QSortFilterProxyModel::setFilterFixedString);

    lista_ = new QTableView;
    lista_->setObjectName(QStringLiteral("lista_personas"));
    lista_->setAccessibleName(tr("Personas"));
    lista_->setModel(filtro_);
    lista_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista_->setSortingEnabled(true);
    lista_->sortByColumn(Modelo_personas::nombre, Qt::AscendingOrder);
    lista_->setTabKeyNavigation(false);
    lista_->verticalHeader()->hide();
    lista_->horizontalHeader()->setSectionResizeMode(Modelo_personas::nombre, QHeaderView::Stretch);
    lista_->horizontalHeader()->setSectionResizeMode(Modelo_personas::nacimiento,
                                                     QHeaderView::ResizeToContents);
    lista_->horizontalHeader()->setSectionResizeMode(Modelo_personas::kin,
                                                     QHeaderView::ResizeToContents);
    connect(lista_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Pagina_personas::Mostrar_detalle);
    connect(lista_, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        Dialogo(filtro_->mapToSource(i).row());
    });

    // The chosen person's kin card, from the list's menu, as the day
    // window's menu offers a day's.
    acciones_tarjeta_ = Acciones_tarjeta(*this, efectos_, [this]() -> std::optional<Tarjeta> {
        const std::vector<int> elegidas = Seleccionadas();
        if (elegidas.size() != 1) return std::nullopt;
        const Persona& p = libro_->Personas()[static_cast<std::size_t>(elegidas.front())];
        return Tarjeta_persona(Texto(p.nombre), p.nacimiento, palabras_);
    });
    acciones_tarjeta_[0]->setObjectName(QStringLiteral("guardar_tarjeta"));
    acciones_tarjeta_[1]->setObjectName(QStringLiteral("copiar_tarjeta"));
    lista_->setContextMenuPolicy(Qt::ActionsContextMenu);
    lista_->addActions(acciones_tarjeta_);

    aviso_ = new QLabel;
    aviso_->setObjectName(QStringLiteral("aviso_libro"));
    aviso_->setWordWrap(true);
    aviso_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    aviso_->setStyleSheet(QStringLiteral("QLabel { background: #fff3cd; padding: 6px; }"));
    libro_nuevo_ = new QPushButton(tr("Empezar un libro &nuevo"));
    libro_nuevo_->setObjectName(QStringLiteral("libro_nuevo"));
    connect(libro_nuevo_, &QPushButton::clicked, this, &Pagina_personas::Empezar_de_nuevo);
    auto* barra_aviso = new QHBoxLayout;
    barra_aviso->addWidget(aviso_, 1);
    barra_aviso->addWidget(libro_nuevo_);

    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(buscar_);
    izquierda->addWidget(lista_, 1);
    izquierda->addLayout(Crear_botones());
    auto* cuerpo = new QHBoxLayout;
    cuerpo->addLayout(izquierda, 1);
    cuerpo->addWidget(Crear_detalle(), 1);
    auto* capas = new QVBoxLayout(this);
    capas->addLayout(barra_aviso);
    capas->addLayout(cuerpo, 1);

    // Another window's change shows here too: the book is replaced by a
    // rename, so the folder is watched.
    vigia_ = new QFileSystemWatcher(this);
    const QString carpeta = QFileInfo(QString::fromStdString(libro_->Ruta())).absolutePath();
    if (QFileInfo::exists(carpeta)) vigia_->addPath(carpeta);
    connect(vigia_, &QFileSystemWatcher::directoryChanged, this, &Pagina_personas::Recargar);

    auto* atajo = new QShortcut(QKeySequence::Undo, this);
    connect(atajo, &QShortcut::activated, this, &Pagina_personas::Deshacer);
    auto* borrar = new QShortcut(QKeySequence::Delete, lista_);
    connect(borrar, &QShortcut::activated, this, &Pagina_personas::Quitar);
    Mostrar_libro();
}

Pagina_personas::~Pagina_personas() = default;

QBoxLayout* Pagina_personas::Crear_botones() {
    const auto boton = [this](const char* nombre, const QString& texto, const QString& ayuda,
                              auto accion) {
        auto* b = new QPushButton(texto);
        b->setObjectName(QString::fromUtf8(nombre));
        b->setToolTip(ayuda);
        connect(b, &QPushButton::clicked, this, accion);
        return b;
    };
    añadir_ = boton("añadir_persona", tr("&Añadir…"), tr("Una persona nueva en el libro"),
                    [this] { Dialogo(-1); });
    importar_ = boton("importar_personas", tr("Impor&tar…"),
                      tr("Las personas de una libreta de direcciones (vCard) o de una tabla CSV "
                         "(nombre, día, mes, año)"),
                      [this] { Elegir_importacion(); });
    editar_ = boton("editar_persona", tr("&Editar…"), tr("El nombre o la fecha de la persona elegida"),
                    [this] {
                        const std::vector<int> v = Seleccionadas();
                        if (v.size() == 1) Dialogo(v.front());
                    });
    quitar_ = boton("quitar_persona", tr("&Quitar"), tr("Quita del libro a las personas elegidas (Supr)"),
                    [this] { Quitar(); });
    deshacer_boton_ = boton("deshacer_persona", tr("&Deshacer"),
                            tr("Deshace el último cambio del libro (Ctrl+Z)"), [this] { Deshacer(); });
    calendario_ = boton("calendario_personas", tr("Guardar ca&lendario…"),
                        tr("Los 10 próximos regresos del kin de cada persona, como iCalendar"),
                        [this] { Guardar_calendario(); });
    // The book's changes on one row; what comes in and goes out under them,
    // so the list stays as narrow as before and the kin beside it whole.
    auto* cambios = new QHBoxLayout;
    for (QPushButton* b : {añadir_, editar_, quitar_, deshacer_boton_}) cambios->addWidget(b);
    cambios->addStretch(1);
    auto* archivos = new QHBoxLayout;
    archivos->addWidget(importar_);
    archivos->addWidget(calendario_);
    archivos->addStretch(1);
    auto* barra = new QVBoxLayout;
    barra->addLayout(cambios);
    barra->addLayout(archivos);
    return barra;
}

QWidget* Pagina_personas::Crear_detalle() {
    // The birth kin's glyph, then its oracle's four, each over its place.
    glifos_ = new QWidget;
    auto* rejilla = new QGridLayout(glifos_);
    rejilla->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 5; ++i) {
        auto* glifo = new QLabel;
        glifo->setAlignment(Qt::AlignCenter);
        glifo->setFixedSize(44, 44);
        auto* lugar = new QLabel;
        lugar->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        lugar->setTextFormat(Qt::PlainText);
        oraculo_.push_back(glifo);
        lugares_.push_back(lugar);
        rejilla->addWidget(glifo, 0, i, Qt::AlignHCenter);
        rejilla->addWidget(lugar, 1, i);
    }
    rejilla->setColumnStretch(5, 1);
    detalle_ = new QLabel;
    detalle_->setObjectName(QStringLiteral("detalle_persona"));
    detalle_->setWordWrap(true);
    detalle_->setTextFormat(Qt::RichText);
    detalle_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    detalle_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    detalle_->setFocusPolicy(Qt::StrongFocus);  // a screen reader's user can land on it
    auto* dentro = new QWidget;
    auto* capas = new QVBoxLayout(dentro);
    capas->addWidget(glifos_);
    capas->addWidget(detalle_, 1);
    auto* marco = new QScrollArea;
    marco->setWidgetResizable(true);
    marco->setWidget(dentro);
    return marco;
}

// ---------------------------------------------------------------------------
// The book

void Pagina_personas::Mostrar_libro() {
    const std::vector<int> antes = Seleccionadas();
    modelo_->Fijar(libro_->Personas());
    kines_.clear();
    for (const Persona& p : libro_->Personas()) kines_.push_back(Kin_de(p.nacimiento));
    const bool solo_lectura = libro_->Solo_lectura();
    QString aviso;
    if (solo_lectura) {
        aviso = tr("El libro de personas %1 no se puede leer (%2). Se conserva tal cual y no se "
                   "cambiará: está en solo lectura hasta que empiece uno nuevo, que guardará el "
                   "viejo aparte.")
                    .arg(QString::fromStdString(libro_->Ruta()), Texto_defecto(libro_->Lectura()));
    } else if (libro_->Pendientes() > 0) {
        aviso = tr("Cambios sin guardar en el libro %1: %2. Se guardarán con el próximo.")
                    .arg(QString::fromStdString(libro_->Ruta()))
                    .arg(libro_->Pendientes());
    }
    aviso_->setText(aviso);
    aviso_->setVisible(!aviso.isEmpty());
    libro_nuevo_->setVisible(solo_lectura);
    añadir_->setEnabled(!solo_lectura);
    importar_->setEnabled(!solo_lectura);
    deshacer_boton_->setEnabled(!solo_lectura && !deshacer_.empty());
    calendario_->setEnabled(!libro_->Personas().empty());
    Seleccionar(antes);
    Mostrar_detalle();
    emit cambiado();
}

QString Pagina_personas::Texto_defecto(const personas::Estado_lectura& e) {
    const QString persona = QString::number(e.persona);
    switch (e.defecto) {
        case personas::Defecto::ninguno:
            return {};
        case personas::Defecto::no_se_lee:
            return tr("el sistema no deja leerlo: %1").arg(Texto(e.detalle));
        case personas::Defecto::no_json:
            return tr("no es JSON válido o está cortado, en la línea %1").arg(e.linea);
        case personas::Defecto::no_es_libro:
            return tr("no es un libro de personas");
        case personas::Defecto::version:
            return tr("su versión, %1, es de otro programa").arg(Texto(e.detalle));
        case personas::Defecto::persona:
            return tr("la persona %1 no tiene justo nombre, dia, mes y año").arg(persona);
        case personas::Defecto::nombre:
            return tr("el nombre de la persona %1 está vacío, es demasiado largo o tiene "
                      "caracteres de control")
                .arg(persona);
        case personas::Defecto::fecha:
            return tr("la fecha de la persona %1 no es válida").arg(persona);
    }
    return {};
}

void Pagina_personas::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    Avisar_una_vez();
}

void Pagina_personas::Avisar_una_vez() {
    if (avisado_) return;
    avisado_ = true;
    const QString ruta = QString::fromStdString(libro_->Ruta());
    if (libro_->Solo_lectura()) {
        efectos_.Mensaje(aviso_->text(), tr("Libro de personas"), Icono::error);
    } else if (libro_->Legible_por_otros()) {
        efectos_.Mensaje(tr("Otros usuarios de esta máquina pueden leer el libro de personas %1. "
                            "Para que solo usted pueda: chmod 600 '%1'")
                             .arg(ruta),
                         tr("Libro de personas"), Icono::informacion);
    }
}

void Pagina_personas::Recargar() {
    const QString carpeta = QFileInfo(QString::fromStdString(libro_->Ruta())).absolutePath();
    if (!vigia_->directories().contains(carpeta) && QFileInfo::exists(carpeta)) {
        vigia_->addPath(carpeta);
    }
    if (libro_->Recargar()) Mostrar_libro();
}

void Pagina_personas::Aplicar(const Cambio& cambio) {
    const personas::Libro::Resultado r = libro_->Aplicar(cambio);
    if (!r.aplicado) return;
    deshacer_.push_back({personas::Inverso(cambio, r.lugar)});
    Aplicado(r);
}

void Pagina_personas::Aplicado(const personas::Libro::Resultado& r) {
    Recargar();  // the folder may be new
    Mostrar_libro();
    if (r.error != 0) {
        efectos_.Mensaje(
            libro_->Solo_lectura()
                ? aviso_->text()
                : tr("No se pudo guardar el libro de personas %1: %2. El cambio se ve aquí y se "
                     "guardará con el próximo.")
                      .arg(QString::fromStdString(libro_->Ruta()), Razon(r.error)),
            tr("Libro de personas"), Icono::error);
    }
}

bool Pagina_personas::Comprobar(const QString& nombre, const QString& dia, const QString& mes,
                                const QString& año, Persona& persona) {
    std::string n = nombre.toStdString();
    if (personas::Limpiar_nombre(n) != personas::Nombre_malo::ninguno) {
        efectos_.Mensaje(tr("El nombre lleva de 1 a 200 caracteres, sin saltos de línea."),
                         tr("Libro de personas"), Icono::informacion);
        return false;
    }
    // The day window's checks, and its message under its title.
    const Veredicto v =
        Comprobar_fecha(dia.toStdString(), mes.toStdString(), año.toStdString(), palabras_);
    if (const auto* r = std::get_if<Rechazo>(&v)) {
        efectos_.Mensaje(Texto(r->mensaje), Texto(palabras_.titulo_fecha), r->icono);
        return false;
    }
    persona = {std::move(n), std::get<Fecha>(v)};
    return true;
}

bool Pagina_personas::Añadir(const QString& nombre, const QString& dia, const QString& mes,
                             const QString& año) {
    Persona p;
    if (libro_->Solo_lectura() || !Comprobar(nombre, dia, mes, año, p)) return false;
    Cambio alta{Cambio::Tipo::añadir, Persona{}, std::move(p)};
    Aplicar(alta);
    return true;
}

bool Pagina_personas::Editar(int persona, const QString& nombre, const QString& dia,
                             const QString& mes, const QString& año) {
    const auto& lista = libro_->Personas();
    Persona p;
    if (libro_->Solo_lectura() || persona < 0 || persona >= static_cast<int>(lista.size()) ||
        !Comprobar(nombre, dia, mes, año, p)) {
        return false;
    }
    const Persona antes = lista[static_cast<std::size_t>(persona)];
    if (!(antes == p)) Aplicar({Cambio::Tipo::cambiar, antes, p});
    return true;
}

void Pagina_personas::Quitar() {
    if (libro_->Solo_lectura()) return;
    std::vector<Persona> quitar;
    for (const int i : Seleccionadas()) quitar.push_back(libro_->Personas()[static_cast<std::size_t>(i)]);
    for (const Persona& p : quitar) Aplicar({Cambio::Tipo::quitar, p, {}});
}

void Pagina_personas::Deshacer() {
    if (deshacer_.empty() || libro_->Solo_lectura()) return;
    const std::vector<Cambio> paso = deshacer_.back();
    deshacer_.pop_back();
    const personas::Libro::Resultado r =
        libro_->Aplicar_varios([&paso](const std::vector<Persona>&) { return paso; });
    if (!r.aplicado) return;
    Aplicado(r);
    if (paso.size() == 1 && paso[0].tipo != Cambio::Tipo::quitar) {
        const auto& lista = libro_->Personas();
        const auto donde = std::find(lista.begin(), lista.end(), paso[0].despues);
        if (donde != lista.end()) Seleccionar({static_cast<int>(donde - lista.begin())});
    }
}

void Pagina_personas::Empezar_de_nuevo() {
    std::string apartado;
    const int error = libro_->Empezar_de_nuevo(apartado, std::time(nullptr));
    deshacer_.clear();
    Recargar();
    Mostrar_libro();
    if (error != 0) {
        efectos_.Mensaje(tr("No se pudo empezar un libro nuevo en %1: %2")
                             .arg(QString::fromStdString(libro_->Ruta()), Razon(error)),
                         tr("Libro de personas"), Icono::error);
    } else if (!apartado.empty()) {
        efectos_.Mensaje(tr("El libro que no se podía leer está ahora en %1.")
                             .arg(QString::fromStdString(apartado)),
                         tr("Libro de personas"), Icono::informacion);
    }
}

// ---------------------------------------------------------------------------
// The dialog

void Pagina_personas::Dialogo(int persona) {
    if (libro_->Solo_lectura()) return;
    const auto& lista = libro_->Personas();
    const bool nueva = persona < 0 || persona >= static_cast<int>(lista.size());
    QDialog dialogo(this);
    dialogo.setWindowTitle(nueva ? tr("Añadir una persona") : tr("Editar una persona"));
    auto* nombre = new QLineEdit;
    auto* dia = new QLineEdit;
    auto* mes = new QLineEdit;
    auto* año = new QLineEdit;
    for (QLineEdit* e : {dia, mes}) e->setMaxLength(2);
    año->setMaxLength(18);
    if (!nueva) {
        const Persona& p = lista[static_cast<std::size_t>(persona)];
        nombre->setText(Texto(p.nombre));
        dia->setText(QString::number(p.nacimiento.dia));
        mes->setText(QString::number(p.nacimiento.mes));
        año->setText(QString::number(p.nacimiento.año));
    }
    auto* fecha = new QHBoxLayout;
    for (QLineEdit* e : {dia, mes, año}) fecha->addWidget(e);
    dia->setAccessibleName(tr("Día"));
    mes->setAccessibleName(tr("Mes"));
    año->setAccessibleName(tr("Año"));
    auto* formulario = new QFormLayout;
    formulario->addRow(tr("&Nombre:"), nombre);
    formulario->addRow(tr("Nacimiento (día, mes, año):"), fecha);
    auto* botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* capas = new QVBoxLayout(&dialogo);
    capas->addLayout(formulario);
    capas->addWidget(botones);
    connect(botones, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    connect(botones, &QDialogButtonBox::accepted, &dialogo, [&] {
        const bool hecho = nueva ? Añadir(nombre->text(), dia->text(), mes->text(), año->text())
                                 : Editar(persona, nombre->text(), dia->text(), mes->text(),
                                          año->text());
        if (hecho) dialogo.accept();  // a refusal keeps what was typed
    });
    dialogo.exec();
}

// ---------------------------------------------------------------------------
// The selection and what it shows

void Pagina_personas::Seleccionar(const std::vector<int>& personas) {
    QItemSelection seleccion;
    for (const int p : personas) {
        const QModelIndex i = filtro_->mapFromSource(modelo_->index(p, 0));
        if (i.isValid()) seleccion.select(i, i);
    }
    lista_->selectionModel()->select(
        seleccion, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (!seleccion.isEmpty()) {
        lista_->selectionModel()->setCurrentIndex(seleccion.indexes().first(),
                                                  QItemSelectionModel::NoUpdate);
    }
}

std::vector<int> Pagina_personas::Seleccionadas() const {
    std::vector<int> v;
    for (const QModelIndex& i : lista_->selectionModel()->selectedRows()) {
        v.push_back(filtro_->mapToSource(i).row());
    }
    std::sort(v.begin(), v.end());
    return v;
}

void Pagina_personas::Fijar_hoy(const Fecha& hoy) {
    if (hoy == hoy_) return;
    hoy_ = hoy;
    Mostrar_detalle();
}

void Pagina_personas::Mostrar_detalle() {
    const std::vector<int> elegidas = Seleccionadas();
    editar_->setEnabled(elegidas.size() == 1 && !libro_->Solo_lectura());
    quitar_->setEnabled(!elegidas.empty() && !libro_->Solo_lectura());
    glifos_->setVisible(elegidas.size() == 1);
    for (QAction* a : acciones_tarjeta_) a->setEnabled(elegidas.size() == 1);
    const auto& lista = libro_->Personas();
    QString html;
    const QString tras = Html(palabras_.tras_rotulo);  // after a label: ": ", " : "
    const auto relaciones = [this, &tras](const Persona& a, const Persona& b) {
        const auto v = Describir_relaciones(Kin_de(a.nacimiento), Kin_de(b.nacimiento), palabras_);
        QString s = QStringLiteral("<h3>%1</h3>")
                        .arg(tr("Lo que %1 es para %2").arg(Html(b.nombre), Html(a.nombre)));
        if (v.empty()) return s + QStringLiteral("<p>%1</p>").arg(tr("Ninguna relación."));
        s += QStringLiteral("<ul>");
        for (const Relacion_descrita& r : v) {
            s += QStringLiteral("<li><b>%1</b>%2%3</li>").arg(Html(r.nombre), tras, Html(r.regla));
        }
        return s + QStringLiteral("</ul>");
    };
    if (elegidas.empty()) {
        html = QStringLiteral("<p>%1</p>")
                   .arg(lista.empty() ? tr("El libro está vacío. Añada a alguien con Añadir.")
                                      : tr("Elija una persona para ver su kin, o dos (Ctrl+clic) "
                                           "para ver cómo se relacionan sus kines."));
    } else if (elegidas.size() == 2) {
        const Persona& a = lista[static_cast<std::size_t>(elegidas[0])];
        const Persona& b = lista[static_cast<std::size_t>(elegidas[1])];
        html = relaciones(a, b) + relaciones(b, a);
    } else if (elegidas.size() > 2) {
        html = QStringLiteral("<p>%1</p>").arg(tr("Elija una persona o dos."));
    } else {
        const Persona& p = lista[static_cast<std::size_t>(elegidas[0])];
        const Lectura_nacimiento l = Describir_nacimiento(p.nacimiento, hoy_, 5);
        const Lectura_dia dia = Describir_dia(p.nacimiento, palabras_);
        // The birth kin and its oracle, as glyphs with their places.
        const Kin kines[] = {l.kin, l.oraculo.guia, l.oraculo.antipoda, l.oraculo.analogo,
                             l.oraculo.oculto};
        const QString lugares[] = {tr("Nacimiento"), tr("Guía"), tr("Antípoda"), tr("Análogo"),
                                   tr("Oculto")};
        const qreal dpr = devicePixelRatioF();
        for (std::size_t i = 0; i < 5; ++i) {
            oraculo_[i]->setPixmap(
                Cache_svg::Pixmap(Recurso_sello(kines[i].sello()), QSize(40, 40), dpr));
            oraculo_[i]->setToolTip(QStringLiteral("%1%2%3").arg(
                lugares[i], tras, Texto(Titulo_kin(kines[i], palabras_))));
            oraculo_[i]->setAccessibleName(oraculo_[i]->toolTip());
            lugares_[i]->setText(tr("%1\nKin %2").arg(lugares[i]).arg(kines[i].valor));
        }
        QStringList regresos;
        for (const Fecha& f : l.regresos) regresos << Html(Fecha_escrita(f, palabras_));
        QString cumples;
        for (const Cumpleaños& c : l.cumpleaños) {
            cumples += QStringLiteral("<li>%1%2%3</li>")
                           .arg(Html(Fecha_escrita(c.fecha, palabras_)), tras,
                                Html(Titulo_kin(c.kin, palabras_)));
        }
        QString hoy;
        const auto hoy_rel = Describir_relaciones(l.kin, l.kin_hoy, palabras_);
        for (const Relacion_descrita& r : hoy_rel) {
            hoy += QStringLiteral("<li><b>%1</b>%2%3</li>").arg(Html(r.nombre), tras, Html(r.regla));
        }
        html = QStringLiteral("<h2>%1</h2><p>%2</p><p><b>%3</b></p>")
                   .arg(Html(p.nombre), Html(Fecha_escrita(p.nacimiento, palabras_)),
                        Html(Para_oir(dia.nombre)));
        html += QStringLiteral("<p>%1<br>%2</p>")
                    .arg(tr("Color: %1").arg(Html(dia.palabra_color)),
                         tr("Familia terrestre: %1").arg(Html(dia.familia_terrestre)));
        html += QStringLiteral("<h3>%1</h3><p>%2</p>")
                    .arg(tr("Próximos regresos de su kin (cada 260 días)"),
                         regresos.join(QStringLiteral(" · ")));
        html += QStringLiteral("<h3>%1</h3><ul>%2</ul><p>%3</p>")
                    .arg(tr("Cumpleaños"), cumples,
                         tr("Vive el año %1 de su ciclo %2 de 52 años: a los 52 años el kin "
                            "vuelve el día del cumpleaños.")
                             .arg(l.año_ciclo)
                             .arg(l.ciclo));
        html += QStringLiteral("<h3>%1</h3>")
                    .arg(tr("Hoy, %1").arg(Html(Titulo_kin(l.kin_hoy, palabras_))));
        html += hoy.isEmpty() ? QStringLiteral("<p>%1</p>").arg(tr("Ninguna relación con su kin."))
                              : QStringLiteral("<ul>%1</ul>").arg(hoy);
    }
    detalle_->setText(html);
}

QStringList Pagina_personas::Regresan_el(const Fecha& dia) const {
    // As personas::Regresan_el, from the kins kept: a moon asks 28 times.
    QStringList nombres;
    const Kin kin = Kin_de(dia);
    const auto& lista = libro_->Personas();
    for (std::size_t i = 0; i < lista.size() && i < kines_.size(); ++i) {
        if (kines_[i] == kin && lista[i].nacimiento < dia) nombres << Texto(lista[i].nombre);
    }
    return nombres;
}

// ---------------------------------------------------------------------------
// The calendar

std::string Pagina_personas::Calendario(int cuantas) const {
    const Fecha desde = hoy_;
    const auto regresos =
        personas::Proximos_regresos(libro_->Personas(), desde, cuantas, Fecha{31, 12, 9999});
    return personas::Calendario_regresos(regresos, std::time(nullptr), palabras_);
}

void Pagina_personas::Guardar_calendario() {
    const QString archivo = efectos_
                                .Archivo_guardar(*this, tr("Guardar calendario"),
                                                 tr("regresos-de-kin.ics"),
                                                 {tr("Calendarios iCalendar (*.ics)")},
                                                 Efectos::Carpeta::documentos)
                                .archivo;
    if (archivo.isEmpty()) return;
    // Through the one file writer: beside, flushed, renamed; a calendar is
    // no secret, so a new file gets the usual mode.
    salida::Escritura escritura(QFile::encodeName(archivo).toStdString());
    escritura.Escribir(Calendario(10));
    if (!escritura.Terminar()) {
        efectos_.Mensaje(
            tr("No se pudo escribir el archivo %1: %2").arg(archivo, Razon(escritura.Error())),
            tr("Guardar calendario"), Icono::error);
    }
}

// ---------------------------------------------------------------------------
// Import

void Pagina_personas::Elegir_importacion() {
    const QString archivo = efectos_.Archivo_abrir(
        *this, tr("Importar personas"),
        {tr("Libretas de direcciones y tablas (*.vcf *.vcard *.csv)"), tr("Todos los archivos (*)")});
    if (!archivo.isEmpty()) Importar(archivo);
}

void Pagina_personas::Importar(const QString& archivo) {
    if (libro_->Solo_lectura()) return;
    personas::Importacion i =
        personas::Leer_archivo_importacion(QFile::encodeName(archivo).toStdString(), palabras_);
    if (!i.ok()) {
        efectos_.Mensaje(Fallo_importacion(i, archivo), tr("Importar personas"), Icono::error);
        return;
    }
    libro_->Recargar();
    const personas::Libro::Resultado r = personas::Importar(*libro_, i);
    std::vector<Cambio> paso;
    for (const Persona& p : i.nuevas) paso.push_back({Cambio::Tipo::quitar, p, {}});
    if (r.aplicado && !paso.empty()) deshacer_.push_back(std::move(paso));
    Aplicado(r);
    efectos_.Mensaje(Resumen_importacion(i).join(QLatin1Char('\n')), tr("Importar personas"),
                     Icono::informacion);
}

QStringList Pagina_personas::Resumen_importacion(const personas::Importacion& i) {
    using personas::Motivo;
    QStringList lineas{tr("Añadidas: %1. Omitidas: %2.").arg(i.nuevas.size()).arg(i.omitidas.size())};
    for (const personas::Omitida& o : i.omitidas) {
        const QString nombre = QString::fromStdString(o.nombre);
        const QString detalle = QString::fromStdString(o.detalle);
        QString por;
        switch (o.motivo) {
            case Motivo::sin_nombre:
                por = tr("no tiene nombre");
                break;
            case Motivo::nombre_malo:
                por = tr("el nombre «%1» es demasiado largo o tiene caracteres de control").arg(nombre);
                break;
            case Motivo::sin_fecha:
                por = tr("%1 no tiene fecha de nacimiento").arg(nombre);
                break;
            case Motivo::sin_año:
                por = tr("la fecha de nacimiento de %1 no tiene año (%2), y sin año no hay kin")
                          .arg(nombre, detalle);
                break;
            case Motivo::fecha_ilegible:
                por = tr("la fecha de nacimiento de %1 no es una fecha completa (%2)").arg(nombre, detalle);
                break;
            case Motivo::fecha_rechazada:
                por = tr("la fecha de nacimiento de %1 no vale: %2").arg(nombre, detalle);
                break;
            case Motivo::campos:
                por = tr("se esperaban nombre, día, mes y año, y hay %1 campos").arg(detalle);
                break;
            case Motivo::codificacion:
                por = tr("%1 está en una codificación que no se lee (%2); expórtela en UTF-8")
                          .arg(nombre, detalle);
                break;
            case Motivo::repetida:
                por = tr("%1 ya estaba antes en el archivo, con la misma fecha").arg(nombre);
                break;
            case Motivo::ya_en_libro:
                por = tr("%1 ya está en el libro").arg(nombre);
                break;
        }
        lineas << (o.tarjeta > 0 ? tr("Tarjeta %1 (línea %2): %3").arg(o.tarjeta).arg(o.linea).arg(por)
                                 : tr("Línea %1: %2").arg(o.linea).arg(por));
    }
    return lineas;
}

QString Pagina_personas::Fallo_importacion(const personas::Importacion& i, const QString& archivo) {
    using personas::Fallo;
    QString por;
    switch (i.fallo) {
        case Fallo::ninguno:
            return {};
        case Fallo::no_se_lee:
            por = tr("el sistema no deja leerlo: %1").arg(QString::fromStdString(i.detalle));
            break;
        case Fallo::demasiado_grande:
            por = tr("pasa de 16 MiB, y ninguna libreta de direcciones es tan grande");
            break;
        case Fallo::no_utf8:
            por = tr("no es texto UTF-8 (línea %1)").arg(i.linea);
            break;
        case Fallo::vacio:
            por = tr("no tiene ninguna tarjeta vCard ni ninguna línea con personas");
            break;
        case Fallo::tarjeta_abierta:
            por = tr("la tarjeta vCard de la línea %1 no termina (falta END:VCARD)").arg(i.linea);
            break;
        case Fallo::fuera_de_tarjeta:
            por = tr("la línea %1 está fuera de toda tarjeta vCard").arg(i.linea);
            break;
        case Fallo::comillas:
            por = tr("las comillas que se abren en la línea %1 no se cierran").arg(i.linea);
            break;
    }
    return tr("No se pudo importar %1: %2. No se añadió a nadie.").arg(archivo, por);
}

}  // namespace talmiroc
