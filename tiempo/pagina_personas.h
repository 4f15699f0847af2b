// The people page of the count over time: the book of birth kins (add,
// edit, remove with undo, search by name), what the selected person's kin
// holds, how two selected people's kins stand to each other in both
// directions, and their kin returns as an iCalendar file.
//
// The book is personas::Libro; its facts come from the engine
// (relaciones.h). Every text of the page goes through tr().
#pragma once

#include <memory>
#include <vector>

#include <QStringList>
#include <QWidget>

#include "libro.h"
#include "tzolkin.h"

class QAction;
class QFileSystemWatcher;
class QBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace talmiroc {

namespace personas {
struct Importacion;  // importar.h
}

class Efectos;
class Modelo_personas;

class Pagina_personas : public QWidget {
    Q_OBJECT

public:
    // The book at `ruta` (personas::Ruta_libro of the environment when
    // empty), read now. Controls are named for tests: `lista_personas`,
    // `buscar_persona`, `añadir_persona`, `editar_persona`, `quitar_persona`,
    // `deshacer_persona`, `calendario_personas`, `detalle_persona`,
    // `aviso_libro`, `libro_nuevo`, `importar_personas`; the list's menu
    // holds `guardar_tarjeta` and `copiar_tarjeta` for the one person chosen.
    Pagina_personas(Efectos& efectos, const Palabras& palabras, std::string ruta = {},
                    QWidget* parent = nullptr);
    ~Pagina_personas() override;

    const personas::Libro& Libro() const { return *libro_; }

    // The changes, as the buttons make them; false (and a message) when the
    // name or the date is refused or the book is read-only. Each can be
    // undone; a change the disk refused stays on screen, with a message.
    bool Añadir(const QString& nombre, const QString& dia, const QString& mes, const QString& año);
    bool Editar(int persona, const QString& nombre, const QString& dia, const QString& mes,
                const QString& año);  // persona: its place in the book
    void Quitar();                    // the selected people
    void Deshacer();

    // Selects people by their place in the book.
    void Seleccionar(const std::vector<int>& personas);
    std::vector<int> Seleccionadas() const;

    // The people whose birth kin returns on `dia`, for the moon page.
    QStringList Regresan_el(const Fecha& dia) const;

    // The next `cuantas` returns of everyone from today, as iCalendar text.
    std::string Calendario(int cuantas) const;

    // Today, for the returns and how today stands to each person.
    void Fijar_hoy(const Fecha& hoy);

    // Adds the people of a vCard or CSV file (importar.h) in one change,
    // undone at once; says what was added and what skipped and why, or
    // why the file cannot be imported (then nothing is added).
    void Importar(const QString& archivo);

    // What an import did, in the windows' language: "Añadidas: 3.
    // Omitidas: 1." and a line for each omitted card or line with why.
    static QStringList Resumen_importacion(const personas::Importacion& i);
    // Why file `archivo` cannot be imported, one line.
    static QString Fallo_importacion(const personas::Importacion& i, const QString& archivo);
    // Why a book cannot be read, as the page's notice says it.
    static QString Texto_defecto(const personas::Estado_lectura& e);

signals:
    // The book changed (here, or in another window): the moon's marks follow.
    void cambiado();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    QBoxLayout* Crear_botones();
    QWidget* Crear_detalle();
    void Aplicar(const personas::Cambio& cambio);
    void Aplicado(const personas::Libro::Resultado& r);  // shown, and a failed save said
    bool Comprobar(const QString& nombre, const QString& dia, const QString& mes,
                   const QString& año, personas::Persona& persona);
    void Dialogo(int persona);  // -1: a new one
    void Guardar_calendario();
    void Elegir_importacion();  // asks for the file
    void Empezar_de_nuevo();
    void Recargar();
    void Mostrar_libro();      // the list and the notice from the book
    void Mostrar_detalle();    // from the selection
    void Avisar_una_vez();     // a bad or open book, said once

    Efectos& efectos_;
    const Palabras& palabras_;
    std::unique_ptr<personas::Libro> libro_;
    std::vector<std::vector<personas::Cambio>> deshacer_;  // each step's changes
    std::vector<Kin> kines_;  // each person's birth kin, in the book's order
    Fecha hoy_{1, 1, 2000};
    bool avisado_ = false;

    Modelo_personas* modelo_ = nullptr;
    QSortFilterProxyModel* filtro_ = nullptr;
    QTableView* lista_ = nullptr;
    QLineEdit* buscar_ = nullptr;
    QPushButton* añadir_ = nullptr;
    QPushButton* importar_ = nullptr;
    QPushButton* editar_ = nullptr;
    QPushButton* quitar_ = nullptr;
    QPushButton* deshacer_boton_ = nullptr;
    QPushButton* calendario_ = nullptr;
    QPushButton* libro_nuevo_ = nullptr;
    QLabel* aviso_ = nullptr;
    QLabel* detalle_ = nullptr;
    QWidget* glifos_ = nullptr;
    std::vector<QLabel*> oraculo_;  // the birth kin and its four partners
    std::vector<QLabel*> lugares_;  // their places under them
    QFileSystemWatcher* vigia_ = nullptr;
    QList<QAction*> acciones_tarjeta_;  // Guardar tarjeta…, Copiar tarjeta
};

}  // namespace talmiroc
