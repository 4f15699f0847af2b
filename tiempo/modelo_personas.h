#pragma once

#include <vector>

#include <QAbstractTableModel>
#include <QIcon>

#include "apoyo_qt.h"
#include "libro.h"
#include "tzolkin.h"

namespace talmiroc {

// The people of the book as a list: name, birth date, birth kin with its
// seal's glyph. Sorted by its view through a proxy; each row sorts by what
// it means (a date by the date, a kin by its number).
class Modelo_personas final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Columna { nombre = 0, nacimiento = 1, kin = 2 };
    static constexpr int rol_orden = Qt::UserRole + 1;

    Modelo_personas(const Palabras& p, QObject* padre) : QAbstractTableModel(padre), p_(p) {}

    void Fijar(const std::vector<personas::Persona>& personas) {
        beginResetModel();
        personas_ = personas;
        endResetModel();
    }
    const std::vector<personas::Persona>& Personas() const { return personas_; }

    int rowCount(const QModelIndex& padre = {}) const override {
        return padre.isValid() ? 0 : static_cast<int>(personas_.size());
    }
    int columnCount(const QModelIndex& padre = {}) const override { return padre.isValid() ? 0 : 3; }

    QVariant data(const QModelIndex& i, int rol) const override {
        if (!i.isValid() || i.row() >= rowCount()) return {};
        const personas::Persona& p = personas_[static_cast<std::size_t>(i.row())];
        const Fecha& f = p.nacimiento;
        const Kin k = Calculo_kin(f.dia, f.mes, f.año).kin;
        switch (rol) {
            case Qt::DisplayRole:
            case Qt::AccessibleTextRole:
                if (i.column() == nombre) return Texto(p.nombre);
                if (i.column() == nacimiento) return Texto(Fecha_escrita(f, p_));
                return rol == Qt::DisplayRole ? tr("Kin %1").arg(k.valor) : Texto(Titulo_kin(k, p_));
            case Qt::ToolTipRole:
                return i.column() == kin ? Texto(Titulo_kin(k, p_)) : QVariant();
            case Qt::DecorationRole:
                if (i.column() != kin) return {};
                return QIcon(Cache_svg::Pixmap(Recurso_sello(k.sello()), QSize(20, 20), 2.0));
            case rol_orden:
                if (i.column() == nombre) return Texto(p.nombre).toCaseFolded();
                if (i.column() == nacimiento) {  // any year of 18 digits in order
                    return QStringLiteral("%1%2%3")
                        .arg(static_cast<qlonglong>(f.año), 18, 10, QLatin1Char('0'))
                        .arg(f.mes, 2, 10, QLatin1Char('0'))
                        .arg(f.dia, 2, 10, QLatin1Char('0'));
                }
                return k.valor;
            default:
                return {};
        }
    }

    QVariant headerData(int seccion, Qt::Orientation o, int rol) const override {
        if (o != Qt::Horizontal || (rol != Qt::DisplayRole && rol != Qt::AccessibleTextRole)) {
            return {};
        }
        switch (seccion) {
            case nombre:
                return tr("Nombre");
            case nacimiento:
                return tr("Nacimiento");
            default:
                return tr("Kin de nacimiento");
        }
    }

private:
    const Palabras& p_;
    std::vector<personas::Persona> personas_;
};

}  // namespace talmiroc
