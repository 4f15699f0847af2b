#include "calendario.h"

#include <QCoreApplication>
#include <QIcon>
#include <QImageReader>
#include <QLineEdit>
#include <QPalette>
#include <QScreen>
#include <QValidator>

#include "boton.h"
#include "efectos.h"
#include "etiqueta.h"
#include "fuentes.h"
#include "imagen.h"
#include "twips.h"
#include "tzolkin.h"

namespace talmiroc {

namespace {

QString Texto(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QColor Qcolor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

const QColor blanco(255, 255, 255);

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

// Outer sizes of the two views, in twips, frame and title bar included.
constexpr int principal_ancho = 11460;
constexpr int principal_alto = 7005;
constexpr int creditos_ancho = 6270;
constexpr int creditos_alto = 6675;

// The seal image arrays in seal order; entry 0 is `Sol`, like entry 20.
struct Sello_imagenes {
    const char* nombre;  // array name, also the picture's resource name
    Calendario::Arreglo_sello Calendario::*arreglo;
};

constexpr std::array<Sello_imagenes, 21> arreglos_sello = {{
    {"Sol", &Calendario::Sol},
    {"Dragon", &Calendario::Dragon},
    {"Viento", &Calendario::Viento},
    {"Noche", &Calendario::Noche},
    {"Semilla", &Calendario::Semilla},
    {"Serpiente", &Calendario::Serpiente},
    {"Enlazador_mundos", &Calendario::Enlazador_mundos},
    {"Mano", &Calendario::Mano},
    {"Estrella", &Calendario::Estrella},
    {"Luna", &Calendario::Luna},
    {"Perro", &Calendario::Perro},
    {"Mono", &Calendario::Mono},
    {"Humano", &Calendario::Humano},
    {"Caminante_cielo", &Calendario::Caminante_cielo},
    {"Mago", &Calendario::Mago},
    {"Aguila", &Calendario::Aguila},
    {"Guerrero", &Calendario::Guerrero},
    {"Tierra", &Calendario::Tierra},
    {"Espejo", &Calendario::Espejo},
    {"Tormenta", &Calendario::Tormenta},
    {"Sol", &Calendario::Sol},
}};

// Places of the seal images, in twips (Left, Top, Width, Height).
constexpr QRect caja_grande(480, 2280, 2475, 2175);
constexpr QRect caja_centro(8280, 3960, 1005, 1005);
constexpr QRect caja_guia(8280, 2760, 1005, 1005);
constexpr QPoint lugar_antipoda(6840, 3960);
constexpr QPoint lugar_analogo(9720, 3960);
constexpr QPoint lugar_oculto(8280, 5160);

QRect Pixeles(const QRect& twips) {
    return Rect_twips(twips.x(), twips.y(), twips.width(), twips.height());
}

// Tone numerals share Left 960, Width 1575 and the bottom edge 2175; the
// height follows the rows of the numeral.
QRect Caja_tono(int t) {
    const int alto = t <= 5 ? 375 : t <= 10 ? 495 : 615;
    return Rect_twips(960, 2175 - alto, 1575, alto);
}

struct Fuente {
    const char* familia;
    double puntos;
    QFont::Weight peso;
};

constexpr Fuente sans_negrita{"MS Sans Serif", 9.75, QFont::Bold};
constexpr Fuente times_12_negrita{"Times New Roman", 12, QFont::Bold};

QFont Qfont(const Fuente& f) {
    const QStringList caras = Caras_pedidas(QString::fromLatin1(f.familia));
    QFont fuente(caras.first());
    if (caras.size() > 1) fuente.setFamilies(caras);
    fuente.setPointSizeF(f.puntos);
    fuente.setWeight(f.peso);
    return fuente;
}

const QStringList lineas_creditos = {
    QStringLiteral("Año de la Luna Planetaria Roja"),
    QStringLiteral("Luna Planetaria del Perro"),
    QStringLiteral("Enlazador de mundos resonante blanco"),
    QStringLiteral("Kin 46"),
};

}  // namespace

Calendario::Calendario(Efectos& efectos, QWidget* parent) : QWidget(parent), efectos_(efectos) {
    Instalar_sustituciones_fuentes();
    createWindow();
    createLabels();
    createImages();
    createInputs();
    createButtons();
    createTabOrder();
    Form_Load();
}

Calendario::~Calendario() = default;

void Calendario::createWindow() {
    setObjectName(QStringLiteral("Calendario"));
    setWindowTitle(QStringLiteral("Talmiroc"));
    // Read as PNG and nothing else: left to guess, Qt loads every image
    // format plugin it has to ask each whether the file is theirs.
    QIcon icono;
    for (const QString& png :
         {QStringLiteral(":/icono/talmiroc-16.png"), QStringLiteral(":/icono/talmiroc-32.png")}) {
        QImageReader lector(png, "png");
        lector.setAutoDetectImageFormat(false);
        const QImage imagen = lector.read();
        if (!imagen.isNull()) icono.addPixmap(QPixmap::fromImage(imagen));
    }
    if (icono.isNull()) icono = QIcon(QStringLiteral(":/icono/talmiroc.svg"));
    setWindowIcon(icono);
    Fijar_fondo(blanco);
    Fijar_tamano_exterior(principal_ancho, principal_alto);
}

void Calendario::createLabels() {
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
        {&Calendario::diafueradeltiempo, "diafueradeltiempo",
         QStringLiteral("Dia Verde, del Perdón Universal o de la Libertad Galáctica"),
         {120, 6120, 7455, 495}, {"Old English Text MT", 15.75, QFont::Normal}, QColor(0, 128, 0),
         centrada, A::no, {}},
        {&Calendario::Label1, "Label1", QStringLiteral("Dia"), {960, 480, 375, 240}, sans_negrita,
         turquesa, izquierda, A::borde_izquierdo, {}},
        {&Calendario::Label2, "Label2", QStringLiteral("Mes"), {1560, 480, 450, 240}, sans_negrita,
         turquesa, izquierda, A::borde_izquierdo, {}},
        {&Calendario::Label3, "Label3", QStringLiteral("Año"), {2400, 480, 420, 240}, sans_negrita,
         turquesa, izquierda, A::borde_izquierdo, {}},
        // `Label8` and `Label5` are wider than drawn (1215 and 1335): in the
        // substitute faces their one line would not fit and the word would be cut.
        {&Calendario::Label8, "Label8", QStringLiteral("Oráculo"), {8160, 1800, 1800, 495},
         {"Westminster", 18, QFont::Medium}, turquesa, izquierda, A::no, {}},
        {&Calendario::Label4, "Label4", QStringLiteral("Kin Guia"), {8240, 2400, 1095, 255},
         times_12_negrita, rojo, centrada, A::no,
         QStringLiteral("Duplica el poder de la 5º fuerza")},
        {&Calendario::Label5, "Label5", QStringLiteral("Kin Antípoda"), {6720, 3480, 1410, 375},
         times_12_negrita, rojo, izquierda, A::no, QStringLiteral("Refuerza Memoria del Génesis")},
        {&Calendario::Label6, "Label6", QStringLiteral("Kin Análogo"), {9600, 3480, 1575, 375},
         times_12_negrita, rojo, izquierda, A::no, QStringLiteral("Da refuerzo, van juntas")},
        {&Calendario::Label7, "Label7", QStringLiteral("Kin Oculto"), {8280, 6240, 1215, 375},
         times_12_negrita, rojo, izquierda, A::no, QStringLiteral("Poder de lo inesperado")},
        {&Calendario::creado1, "creado1", QStringLiteral("Creado en:"), {600, 600, 3855, 495},
         {"Times New Roman", 15.75, QFont::Bold}, rojo, izquierda, A::no, {}},
        {&Calendario::creado2, "creado2", {}, {2715, 1080, 105, 345},
         {"Times New Roman", 15.75, QFont::Normal}, rojo, centrada, A::centro, {}},
        {&Calendario::creado3, "creado3", QStringLiteral("Por:"), {960, 2580, 855, 495},
         {"Times New Roman", 18, QFont::Bold}, rojo, izquierda, A::no, {}},
        {&Calendario::creado4, "creado4", QStringLiteral("Brenoval Serpiente Eléctrica Roja"),
         {960, 3120, 4575, 855}, {"Times New Roman", 18, QFont::Normal}, rojo, centrada, A::no,
         {}},
        {&Calendario::creado5, "creado5",
         QStringLiteral("Varnesca 9 de abril de 2003") + QString(64, QLatin1Char(' ')) +
             QStringLiteral("Ostrevana"),
         {960, 4320, 4455, 975}, {"Times New Roman", 14.25, QFont::Normal}, rojo, centrada, A::no,
         {}},
    };
    // clang-format on
    // The credits show only in their own view. Hidden from the start, they
    // leave their faces unloaded until it opens.
    const auto credito = [](Etiqueta* Calendario::*m) {
        return m == &Calendario::creado1 || m == &Calendario::creado2 ||
               m == &Calendario::creado3 || m == &Calendario::creado4 || m == &Calendario::creado5;
    };
    for (const Fila& f : filas) {
        auto* e = new Etiqueta(this, QString::fromLatin1(f.nombre), f.autoajuste);
        if (credito(f.etiqueta)) e->hide();
        e->setFont(Qfont(f.fuente));
        e->setAlignment(f.alineacion);
        if (f.color.isValid()) e->Fijar_color(f.color);
        if (!f.tooltip.isEmpty()) e->setToolTip(f.tooltip);
        e->Fijar_caption(f.caption);
        e->Fijar_caja(Pixeles(f.caja));  // the stored box holds until the caption changes
        this->*f.etiqueta = e;
    }
    Label9->Fijar_fondo_opaco(palette().color(QPalette::HighlightedText));
}

void Calendario::createImages() {
    for (int t = 1; t <= 13; ++t) {
        auto* imagen = new Imagen(this, QStringLiteral("tono(%1)").arg(t),
                                  QStringLiteral(":/tonos/%1.svg").arg(t));
        imagen->setGeometry(Caja_tono(t));
        tono[t] = imagen;
    }
    const QRect cajas[3] = {Pixeles(caja_grande), Pixeles(caja_centro), Pixeles(caja_guia)};
    for (int elemento = 0; elemento < 3; ++elemento) {
        for (int sello = 1; sello <= 20; ++sello) {
            const QString nombre = QString::fromLatin1(arreglos_sello[sello].nombre);
            auto* imagen = new Imagen(this, QStringLiteral("%1(%2)").arg(nombre).arg(elemento),
                                      QStringLiteral(":/sellos/%1.svg").arg(nombre));
            imagen->setGeometry(cajas[elemento]);
            (this->*arreglos_sello[sello].arreglo)[elemento] = imagen;
        }
    }
}

void Calendario::createInputs() {
    struct Fila {
        QLineEdit* Calendario::*caja;
        QString nombre;
        QRect geometria;
        int maximo;
    };
    const Fila filas[] = {
        {&Calendario::dia, QStringLiteral("dia"), Rect_twips(840, 840, 495, 375), 2},
        {&Calendario::mes, QStringLiteral("mes"), Rect_twips(1560, 840, 495, 375), 2},
        {&Calendario::año, QStringLiteral("año"), Rect_twips(2280, 840, 615, 375), 4},
    };
    for (const Fila& f : filas) {
        auto* caja = new QLineEdit(this);
        caja->setObjectName(f.nombre);
        caja->setGeometry(f.geometria);
        caja->setMaxLength(f.maximo);
        caja->setValidator(new Caracteres_enteros(caja));
        this->*f.caja = caja;
    }
}

void Calendario::createButtons() {
    struct Fila {
        Boton* Calendario::*boton;
        const char* nombre;
        QString caption;
        QRect geometria;
        void (Calendario::*al_pulsar)();
    };
    const Fila filas[] = {
        {&Calendario::Boton1, "Boton1", QStringLiteral("&Calcular"),
         Rect_twips(3360, 720, 1095, 495), &Calendario::Boton1_Click},
        {&Calendario::Boton2, "Boton2", QStringLiteral("&Limpiar"),
         Rect_twips(4440, 720, 1095, 495), &Calendario::Boton2_Click},
        {&Calendario::Boton3, "Boton3", QStringLiteral("&Salir"), Rect_twips(5640, 720, 1095, 495),
         &Calendario::Boton3_Click},
        {&Calendario::Boton4, "Boton4", QStringLiteral("&Acerca de "),
         Rect_twips(6720, 720, 1095, 495), &Calendario::Boton4_Click},
        {&Calendario::Boton5, "Boton5", QStringLiteral("Aceptar"), Rect_twips(2760, 5640, 975, 375),
         &Calendario::Boton5_Click},
        {&Calendario::Command1, "Command1", QStringLiteral("&Imprimir"),
         Rect_twips(8160, 720, 1335, 495), &Calendario::Command1_Click},
    };
    for (const Fila& f : filas) {
        auto* boton = new Boton(this, QString::fromLatin1(f.nombre), f.caption);
        boton->setGeometry(f.geometria);
        connect(boton, &QPushButton::clicked, this, f.al_pulsar);
        this->*f.boton = boton;
    }
}

void Calendario::createTabOrder() {
    QWidget* const orden[] = {dia, mes, año, Boton1, Boton2, Boton3, Boton4, Boton5, Command1};
    for (std::size_t i = 0; i + 1 < std::size(orden); ++i) setTabOrder(orden[i], orden[i + 1]);
    dia->setFocus();
}

void Calendario::Abrir() {
    if (const QScreen* pantalla = screen()) {
        move(pantalla->availableGeometry().center() - rect().center());
    }
    show();
    activateWindow();  // without a window manager nobody else gives it the keyboard
    dia->setFocus();
}

void Calendario::Fijar_fondo(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(true);
}

void Calendario::Fijar_tamano_exterior(int ancho, int alto) {
    setFixedSize(Tamano_cliente(ancho, alto));
}

Calendario::Arreglo_sello* Calendario::Arreglo_de(int sello) {
    if (sello < 0 || sello > 20) return nullptr;
    return &(this->*arreglos_sello[static_cast<std::size_t>(sello)].arreglo);
}

Imagen* Calendario::Imagen_de(int sello, int elemento) {
    Arreglo_sello* arreglo = Arreglo_de(sello);
    return arreglo ? (*arreglo)[static_cast<std::size_t>(elemento)] : nullptr;
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

    const Veredicto veredicto = Comprobar_fecha(texto_dia, texto_mes, texto_año);
    if (const auto* rechazo = std::get_if<Rechazo>(&veredicto)) {
        efectos_.Mensaje(Texto(rechazo->mensaje), Texto(titulo_fecha), rechazo->icono);
        Boton2_Click();
        return;
    }
    const Fecha& aceptada = std::get<Fecha>(veredicto);
    const bool fuera_del_tiempo = Dia_fuera_del_tiempo(aceptada.dia, aceptada.mes);

    pasada = 0;
    Inicio_calculo();
    pasada = 1;
    Inicio_calculo();

    a_maya->Fijar_caption(QString::fromStdString(Lineas_portador(kin_calculo, C1, C2)));
    if (fuera_del_tiempo) diafueradeltiempo->show();
}

void Calendario::Inicio_calculo() {
    const Cuenta_kin cuenta = Calculo_kin(dia_calculo, mes_calculo, año_calculo);
    dia_calculo = cuenta.dia_cuenta;  // 29 February counts as 28
    kin_calculo = cuenta.kin;
    C1 = cuenta.tono;
    C2 = cuenta.sello;

    if (pasada == 0) {
        Boton2_Click();
        Procedimiento_zorvel();
    }

    const Palabras_color palabras = Palabras_de(Color_sello(C2));
    color_m = palabras.m;
    color_f = palabras.f;
    if (pasada == 0) {
        const QColor color = Qcolor(Color_etiqueta(C2));
        inter->Fijar_color(color);
        nombre->Fijar_color(color);

        tono_dia = C1;
        sello_dia = C2;
        kin_dia = kin_calculo;
        nombre->Fijar_caption(QString::fromStdString(Linea_nombre(kin_calculo, C1, C2)));
        // The date line shows the day as entered: 29 February stays 29.
        fecha->Fijar_caption(QString::fromStdString(Linea_fecha(dia1, mes1, año_maya)));
        Label9->show();
        Oraculo();
        sello_onda = Sello_onda(sello_dia, tono_dia);
        castillo = Castillo(sello_onda);
        Onda_encantada->Fijar_caption(QString::fromStdString(Lineas_onda(sello_onda)));

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
        (*arreglo)[0]->show();
        (*arreglo)[1]->show();
    }
    if (C1 >= 1 && C1 <= 13) tono[static_cast<std::size_t>(C1)]->show();
}

void Calendario::Oraculo() {
    const Oraculo_kin oraculo = Calculo_oraculo(C2, C1);
    sello_guia = oraculo.guia;
    for (int sello = 1; sello <= 20; ++sello) {
        Imagen_de(sello, 2)->Mover(caja_guia.x(), caja_guia.y());
    }
    const auto mostrar = [this](int sello, QPoint lugar) {
        if (Imagen* imagen = Imagen_de(sello, 2)) {
            imagen->Mover(lugar.x(), lugar.y());
            imagen->show();
        }
    };
    mostrar(oraculo.guia, caja_guia.topLeft());
    mostrar(oraculo.antipoda, lugar_antipoda);
    mostrar(oraculo.oculto, lugar_oculto);
    mostrar(oraculo.analogo, lugar_analogo);
}

void Calendario::Meditacion() {
    inter->Fijar_caption(
        QString::fromStdString(Texto_meditacion(kin_dia, tono_dia, sello_dia, sello_guia)));
}

// ---------------------------------------------------------------------------
// Limpiar, Salir, Acerca de, Aceptar, Imprimir

void Calendario::Boton2_Click() {
    diafueradeltiempo->hide();
    Onda_encantada->Fijar_caption({});
    a_maya->Fijar_caption({});
    fecha->Fijar_caption({});
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
    Boton5->hide();
    for (Etiqueta* e : {creado1, creado2, creado3, creado4, creado5}) e->hide();
}

void Calendario::Boton3_Click() {
    QCoreApplication::quit();
}

void Calendario::Boton4_Click() {
    creado2->Fijar_caption(lineas_creditos.join(QStringLiteral("\r\n")));
    Fijar_fondo(blanco);
    Fijar_tamano_exterior(creditos_ancho, creditos_alto);
    Boton2_Click();
    for (Boton* b : {Boton1, Boton2, Boton3, Boton4}) b->hide();
    Boton5->show();
    for (QLineEdit* caja : {dia, mes, año}) caja->hide();
    for (Etiqueta* e :
         {Onda_encantada, nombre, Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8}) {
        e->hide();
    }
    for (Etiqueta* e : {creado1, creado2, creado3, creado4, creado5}) e->show();
}

void Calendario::Boton5_Click() {
    Fijar_tamano_exterior(principal_ancho, principal_alto);
    Boton2_Click();
    for (Boton* b : {Boton1, Boton2, Boton3, Boton4}) b->show();
    Boton5->hide();
    for (QLineEdit* caja : {dia, mes, año}) caja->show();
    for (Etiqueta* e :
         {nombre, Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Onda_encantada}) {
        e->show();
    }
    for (Etiqueta* e : {creado1, creado2, creado3, creado4, creado5}) e->hide();
}

void Calendario::Command1_Click() {
    if (fecha->Caption().isEmpty()) {
        efectos_.Mensaje(QStringLiteral("Debe introducir una fecha"), QStringLiteral("Quenabre"),
                         Icono::informacion);
        return;
    }
    efectos_.Imprimir(*this, QStringLiteral("Talmiroc Kin %1").arg(kin_dia));
}

}  // namespace talmiroc
