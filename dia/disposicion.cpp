// The window's layout: the controls it is built from, in stacking order, with
// their boxes, faces, colours and captions; the lists of what each of the two
// views shows; the tab order. Procedures live in calendario.cpp.
#include "disposicion.h"

#include <iterator>

#include <QIcon>
#include <QIconEngine>
#include <QImageReader>
#include <QLineEdit>
#include <QPalette>
#include <QValidator>

#include "apoyo_qt.h"
#include "boton.h"
#include "calendario.h"
#include "etiqueta.h"
#include "imagen.h"

namespace talmiroc {

namespace {

// The window's icon, read when first asked for. Only a window system that
// shows icons asks (X does, as the window is made); elsewhere, offscreen
// for one, the pictures are never read.
class Icono_diferido final : public QIconEngine {
public:
    QIconEngine* clone() const override { return new Icono_diferido; }
    QString key() const override { return QStringLiteral("talmiroc-diferido"); }
    // Never null: the pictures are compiled in, and the SVG stands behind them.
    bool isNull() override { return false; }
    void paint(QPainter* pintor, const QRect& caja, QIcon::Mode modo, QIcon::State estado) override {
        Leido().paint(pintor, caja, Qt::AlignCenter, modo, estado);
    }
    QPixmap pixmap(const QSize& tam, QIcon::Mode modo, QIcon::State estado) override {
        return Leido().pixmap(tam, modo, estado);
    }
    QSize actualSize(const QSize& tam, QIcon::Mode modo, QIcon::State estado) override {
        return Leido().actualSize(tam, modo, estado);
    }
    QList<QSize> availableSizes(QIcon::Mode modo, QIcon::State estado) override {
        return Leido().availableSizes(modo, estado);
    }

private:
    // Read as PNG and nothing else: left to guess, Qt loads every image
    // format plugin it has to ask each whether the file is theirs.
    const QIcon& Leido() {
        if (leido_) return icono_;
        leido_ = true;
        for (const QString& png : {QStringLiteral(":/icono/talmiroc-16.png"),
                                   QStringLiteral(":/icono/talmiroc-32.png")}) {
            QImageReader lector(png, "png");
            lector.setAutoDetectImageFormat(false);
            const QImage imagen = lector.read();
            if (!imagen.isNull()) icono_.addPixmap(QPixmap::fromImage(imagen));
        }
        if (icono_.isNull()) icono_ = QIcon(QStringLiteral(":/icono/talmiroc.svg"));
        return icono_;
    }

    bool leido_ = false;
    QIcon icono_;
};

}  // namespace

namespace {

// Keeps a text box to whole characters. With one place left in a box, the
// maximum length would cut a character beyond the BMP (two UTF-16 units)
// in half and keep the first half; any half is dropped instead.
class Caracteres_enteros final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& texto, int& cursor) const override {
        for (qsizetype i = texto.size(); i-- > 0;) {
            const QChar c = texto[i];
            bool entero = true;
            if (c.isHighSurrogate()) {
                entero = i + 1 < texto.size() && texto[i + 1].isLowSurrogate();
            } else if (c.isLowSurrogate()) {
                entero = i > 0 && texto[i - 1].isHighSurrogate();
            }
            if (!entero) {
                texto.remove(i, 1);
                if (cursor > i) --cursor;
            }
        }
        return Acceptable;
    }
};

constexpr Fuente sans_negrita{"MS Sans Serif", 9.75, QFont::Bold};
constexpr Fuente times_12_negrita{"Times New Roman", 12, QFont::Bold};

}  // namespace

struct Calendario::Disposicion {
    // The seal image arrays in seal order; entry 0 is `Sol`, like entry 20.
#define SELLO(n, arreglo, maya) &Calendario::arreglo,
    static constexpr std::array<Arreglo_sello Calendario::*, 21> arreglos = {
        &Calendario::Sol,
#include "sellos.def"
    };
#undef SELLO

    // What only the main view shows, and what only the credits view shows.
    // The views switch in this order: the four buttons, Aceptar, the text
    // boxes, the labels, the credits.
    static constexpr Boton* Calendario::*botones_principal[] = {
        &Calendario::Boton1, &Calendario::Boton2, &Calendario::Boton3, &Calendario::Boton4};
    static constexpr QLineEdit* Calendario::*cajas[] = {&Calendario::dia, &Calendario::mes,
                                                        &Calendario::año};
    static constexpr Etiqueta* Calendario::*etiquetas_principal[] = {
        &Calendario::Onda_encantada, &Calendario::nombre, &Calendario::Label1, &Calendario::Label2,
        &Calendario::Label3,         &Calendario::Label4, &Calendario::Label5, &Calendario::Label6,
        &Calendario::Label7,         &Calendario::Label8};
    static constexpr Etiqueta* Calendario::*creditos[] = {
        &Calendario::creado1, &Calendario::creado2, &Calendario::creado3, &Calendario::creado4,
        &Calendario::creado5};
};

void Calendario::Crear_ventana() {
    setObjectName(QStringLiteral("Calendario"));
    setWindowTitle(QStringLiteral("Talmiroc"));
    setWindowIcon(QIcon(new Icono_diferido));
    Fijar_fondo(Qt::white);
    Fijar_tamano_exterior(disposicion::principal_exterior);
}

void Calendario::Crear_etiquetas() {
    using A = Etiqueta::Autoajuste;
    const QColor turquesa(0, 192, 192);
    const QColor rojo(255, 0, 0);
    const Qt::Alignment izquierda = Qt::AlignLeft | Qt::AlignTop;
    const Qt::Alignment centrada = Qt::AlignHCenter | Qt::AlignTop;
    struct Fila {
        Etiqueta* Calendario::*etiqueta;
        const char* nombre;
        QString caption;
        QRect caja;  // twips
        Fuente fuente;
        QColor color;
        Qt::Alignment alineacion;
        A autoajuste;
        QString tooltip;
    };
    // clang-format off
    // In stacking order: `Label9` lies under the glyphs, created later.
    const Fila filas[] = {
        {&Calendario::Label9, "Label9", {}, {330, 1560, 2775, 2895}, sans_negrita, {}, izquierda,
         A::no, {}},
        {&Calendario::fecha, "fecha", {}, {3120, 1440, 75, 240}, sans_negrita, turquesa, izquierda,
         A::borde_izquierdo, {}},
        {&Calendario::a_maya, "a_maya", {}, {3120, 1800, 3495, 855}, sans_negrita,
         QColor(0, 192, 0), centrada, A::no, {}},
        // Before the first calculation `nombre` has the colour of title-bar
        // text; Qt names no such role, the highlighted-text colour is closest.
        {&Calendario::nombre, "nombre", {}, {3120, 2640, 3345, 720}, sans_negrita,
         palette().color(QPalette::HighlightedText), centrada, A::no, {}},
        {&Calendario::Onda_encantada, "Onda_encantada", {}, {3120, 3360, 3585, 840}, sans_negrita,
         turquesa, izquierda, A::no, {}},
        {&Calendario::inter, "inter", {}, {120, 4560, 6015, 2055}, sans_negrita,
         QColor(192, 64, 0), izquierda, A::no, {}},
        {&Calendario::diafueradeltiempo, "diafueradeltiempo", Texto(palabras_.fuera_del_tiempo),
         {120, 6120, 7455, 495}, {"Old English Text MT", 15.75, QFont::Normal}, QColor(0, 128, 0),
         centrada, A::no, {}},
        {&Calendario::Label1, "Label1", tr("Dia"), {960, 480, 375, 240}, sans_negrita,
         turquesa, izquierda, A::borde_izquierdo, {}},
        {&Calendario::Label2, "Label2", tr("Mes"), {1560, 480, 450, 240}, sans_negrita,
         turquesa, izquierda, A::borde_izquierdo, {}},
        {&Calendario::Label3, "Label3", tr("Año"), {2400, 480, 420, 240}, sans_negrita,
         turquesa, izquierda, A::borde_izquierdo, {}},
        // `Label8` and `Label5` are wider than drawn (1215 and 1335): in the
        // substitute faces their one line would not fit and the word would be cut.
        {&Calendario::Label8, "Label8", tr("Oráculo"), {8160, 1800, 1800, 495},
         {"Westminster", 18, QFont::Medium}, turquesa, izquierda, A::no, {}},
        {&Calendario::Label4, "Label4", tr("Kin Guia"), {8240, 2400, 1095, 255},
         times_12_negrita, rojo, centrada, A::no,
         tr("Duplica el poder de la 5º fuerza")},
        {&Calendario::Label5, "Label5", tr("Kin Antípoda"), {6720, 3480, 1410, 375},
         times_12_negrita, rojo, izquierda, A::no, tr("Refuerza Memoria del Génesis")},
        {&Calendario::Label6, "Label6", tr("Kin Análogo"), {9600, 3480, 1575, 375},
         times_12_negrita, rojo, izquierda, A::no, tr("Da refuerzo, van juntas")},
        {&Calendario::Label7, "Label7", tr("Kin Oculto"), {8280, 6240, 1215, 375},
         times_12_negrita, rojo, izquierda, A::no, tr("Poder de lo inesperado")},
        {&Calendario::creado1, "creado1", tr("Creado en:"), {600, 600, 3855, 495},
         {"Times New Roman", 15.75, QFont::Bold}, rojo, izquierda, A::no, {}},
        {&Calendario::creado2, "creado2", {}, {2715, 1080, 105, 345},
         {"Times New Roman", 15.75, QFont::Normal}, rojo, centrada, A::centro, {}},
        {&Calendario::creado3, "creado3", tr("Por:"), {960, 2580, 855, 495},
         {"Times New Roman", 18, QFont::Bold}, rojo, izquierda, A::no, {}},
        {&Calendario::creado4, "creado4", tr("Brenoval Serpiente Eléctrica Roja"),
         {960, 3120, 4575, 855}, {"Times New Roman", 18, QFont::Normal}, rojo, centrada, A::no,
         {}},
        {&Calendario::creado5, "creado5",
         tr("Varnesca 9 de abril de 2003") + QString(64, QLatin1Char(' ')) +
             QStringLiteral("Ostrevana"),
         {960, 4320, 4455, 975}, {"Times New Roman", 14.25, QFont::Normal}, rojo, centrada, A::no,
         {}},
    };
    // clang-format on
    // The credits show only in their own view. Hidden from the start, they
    // leave their faces unloaded until it opens.
    const auto credito = [](Etiqueta* Calendario::*m) {
        return std::find(std::begin(Disposicion::creditos), std::end(Disposicion::creditos), m) !=
               std::end(Disposicion::creditos);
    };
    for (const Fila& f : filas) {
        auto* e = new Etiqueta(this, QString::fromLatin1(f.nombre), f.autoajuste);
        if (credito(f.etiqueta)) e->hide();
        e->setFont(Qfont(f.fuente));
        e->setAlignment(f.alineacion);
        if (f.color.isValid()) e->Fijar_color(f.color);
        if (!f.tooltip.isEmpty()) e->setToolTip(f.tooltip);
        e->Fijar_caption(f.caption);
        e->Fijar_caja(
            disposicion::Pixeles(f.caja));  // the stored box holds until the caption changes
        this->*f.etiqueta = e;
    }
    Label9->Fijar_fondo_opaco(palette().color(QPalette::HighlightedText));
}

void Calendario::Crear_imagenes() {
    for (int t = 1; t <= 13; ++t) {
        auto* imagen = new Imagen(this, QStringLiteral("tono(%1)").arg(t), Recurso_tono(Tono(t)));
        imagen->setGeometry(disposicion::Pixeles(disposicion::Caja_tono(t)));
        tono[t] = imagen;
    }
    using namespace disposicion;
    const QRect cajas[3] = {Pixeles(caja_grande), Pixeles(caja_centro), Pixeles(caja_guia)};
    for (int elemento = 0; elemento < 3; ++elemento) {
        for (int sello = 1; sello <= 20; ++sello) {
            const QString nombre = Texto(arreglos_sello[static_cast<std::size_t>(sello)]);
            auto* imagen = new Imagen(this, QStringLiteral("%1(%2)").arg(nombre).arg(elemento),
                                      Recurso_sello(Sello(sello)));
            imagen->setGeometry(cajas[elemento]);
            (this->*Disposicion::arreglos[static_cast<std::size_t>(sello)])[elemento] = imagen;
        }
    }
}

void Calendario::Crear_cajas() {
    struct Fila {
        QLineEdit* Calendario::*caja;
        QString nombre;
        QRect geometria;
        int maximo;
        QString nombre_accesible;  // what a screen reader calls it
    };
    const Fila filas[] = {
        {&Calendario::dia, QStringLiteral("dia"), Rect_twips(840, 840, 495, 375), 2, tr("Día")},
        {&Calendario::mes, QStringLiteral("mes"), Rect_twips(1560, 840, 495, 375), 2,
         tr("Mes")},
        {&Calendario::año, QStringLiteral("año"), Rect_twips(2280, 840, 615, 375), 4,
         tr("Año")},
    };
    for (const Fila& f : filas) {
        auto* caja = new QLineEdit(this);
        caja->setObjectName(f.nombre);
        caja->setGeometry(f.geometria);
        caja->setMaxLength(f.maximo);
        caja->setValidator(new Caracteres_enteros(caja));
        caja->setAccessibleName(f.nombre_accesible);
        caja->installEventFilter(this);  // Ctrl+C with nothing selected copies the reading
        this->*f.caja = caja;
    }
}

void Calendario::Crear_botones() {
    struct Fila {
        Boton* Calendario::*boton;
        const char* nombre;
        QString caption;
        QRect geometria;
        void (Calendario::*al_pulsar)();
    };
    const Fila filas[] = {
        {&Calendario::Boton1, "Boton1", tr("&Calcular"),
         Rect_twips(3360, 720, 1095, 495), &Calendario::Boton1_Click},
        {&Calendario::Boton2, "Boton2", tr("&Limpiar"),
         Rect_twips(4440, 720, 1095, 495), &Calendario::Boton2_Click},
        {&Calendario::Boton3, "Boton3", tr("&Salir"), Rect_twips(5640, 720, 1095, 495),
         &Calendario::Boton3_Click},
        {&Calendario::Boton4, "Boton4", tr("&Acerca de "),
         Rect_twips(6720, 720, 1095, 495), &Calendario::Boton4_Click},
        {&Calendario::Boton5, "Boton5", tr("Aceptar"), Rect_twips(2760, 5640, 975, 375),
         &Calendario::Boton5_Click},
        {&Calendario::Command1, "Command1", tr("&Imprimir"),
         Rect_twips(8160, 720, 1335, 495), &Calendario::Command1_Click},
    };
    for (const Fila& f : filas) {
        auto* boton = new Boton(this, QString::fromLatin1(f.nombre), f.caption);
        boton->setGeometry(f.geometria);
        connect(boton, &QPushButton::clicked, this, f.al_pulsar);
        this->*f.boton = boton;
    }
    connect(Boton1, &QPushButton::clicked, this, &Calendario::Anunciar_lectura);
}

void Calendario::Crear_orden_tabulacion() {
    QWidget* const orden[] = {dia, mes, año, Boton1, Boton2, Boton3, Boton4, Boton5, Command1};
    for (std::size_t i = 0; i + 1 < std::size(orden); ++i) setTabOrder(orden[i], orden[i + 1]);
    dia->setFocus();
}

void Calendario::Mostrar_vista(bool en_creditos) {
    for (Boton* Calendario::*b : Disposicion::botones_principal)
        (this->*b)->setVisible(!en_creditos);
    Boton5->setVisible(en_creditos);
    for (QLineEdit* Calendario::*c : Disposicion::cajas) (this->*c)->setVisible(!en_creditos);
    for (Etiqueta* Calendario::*e : Disposicion::etiquetas_principal) {
        (this->*e)->setVisible(!en_creditos);
    }
    for (Etiqueta* Calendario::*e : Disposicion::creditos) (this->*e)->setVisible(en_creditos);
}

void Calendario::Ocultar_creditos() {
    Boton5->hide();
    for (Etiqueta* Calendario::*e : Disposicion::creditos) (this->*e)->hide();
}

void Calendario::Fijar_fondo(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(true);
}

void Calendario::Fijar_tamano_exterior(QSize exterior) {
    setFixedSize(Tamano_cliente(exterior.width(), exterior.height()));
}

Calendario::Arreglo_sello* Calendario::Arreglo_de(int sello) {
    if (sello < 0 || sello > 20) return nullptr;
    return &(this->*Disposicion::arreglos[static_cast<std::size_t>(sello)]);
}

Imagen* Calendario::Imagen_de(int sello, int elemento) {
    Arreglo_sello* arreglo = Arreglo_de(sello);
    return arreglo ? (*arreglo)[static_cast<std::size_t>(elemento)] : nullptr;
}

}  // namespace talmiroc
