#pragma once

#include <functional>
#include <vector>

#include <QAbstractTableModel>
#include <QStringList>

#include "apoyo_qt.h"
#include "celdas.h"
#include "celdas_tiempo.h"
#include "tzolkin.h"
#include "ventana_tiempo.h"

namespace talmiroc {

// The days of one moon: 4 heptads of 7 plasmas, and under them a band of
// one cell for the moon's special day: 29 February in the eighth moon of a
// year that has it, 25 July under the thirteenth. The band's row has no
// heading of its own: its cell names the day.
class Modelo_luna final : public QAbstractTableModel {
public:
    Modelo_luna(const Palabras& p, QObject* padre) : QAbstractTableModel(padre), p_(p) {}

    // Who has a kin return on a date: their names mark the day.
    void Fijar_regresos(std::function<QStringList(const Fecha&)> regresos) {
        regresos_ = std::move(regresos);
    }

    void Fijar(Lectura_luna luna, const Fecha& hoy, const Fecha& seleccion) {
        beginResetModel();
        luna_ = std::move(luna);
        nombres_.clear();
        for (const Dia_de_luna& d : luna_.dias) {
            nombres_.push_back(regresos_ ? regresos_(d.fecha) : QStringList());
        }
        hoy_ = hoy;
        seleccion_ = seleccion;
        especial_ = -1;
        for (std::size_t n = 0; n < luna_.dias.size(); ++n) {
            if (luna_.dias[n].especial != Dia_especial::ninguno) especial_ = static_cast<int>(n);
        }
        endResetModel();
    }
    const Lectura_luna& Luna() const { return luna_; }

    int rowCount(const QModelIndex& padre = {}) const override {
        return padre.isValid() ? 0 : 4 + (especial_ >= 0 ? 1 : 0);
    }
    int columnCount(const QModelIndex& padre = {}) const override {
        return padre.isValid() ? 0 : 7;
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
            case Qt::ToolTipRole: {
                const QStringList& quienes = Regresos(*d);
                return quienes.isEmpty()
                           ? Texto(d->nombre)
                           : Ventana_tiempo::tr("%1, vuelve el kin de %2")
                                 .arg(Texto(d->nombre), quienes.join(QStringLiteral(", ")));
            }
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
                       (d->fecha == seleccion_ ? marca_seleccion : 0) |
                       (Regresos(*d).isEmpty() ? 0 : marca_regreso);
            case Qt::UserRole:
                return d->kin.valor;
            default:
                return {};
        }
    }

    QVariant headerData(int seccion, Qt::Orientation o, int rol) const override {
        if (rol != Qt::DisplayRole && rol != Qt::AccessibleTextRole) return {};
        if (o == Qt::Horizontal) return Texto(En(p_.plasmas, seccion + 1));
        if (seccion == 4) return QString();
        return Ventana_tiempo::tr("Héptada %1").arg(seccion + 1);
    }

private:
    const QStringList& Regresos(const Dia_de_luna& d) const {
        static const QStringList nadie;
        const auto n = static_cast<std::size_t>(&d - luna_.dias.data());
        return n < nombres_.size() ? nombres_[n] : nadie;
    }

    // The day's place in luna_.dias, -1 for none: days 1..28 in order, the
    // special day wherever the description puts it.
    int Indice(int fila, int columna) const {
        if (fila == 4) return columna == 0 ? especial_ : -1;
        const int n = fila * 7 + columna;  // day n + 1
        return especial_ >= 0 && n >= especial_ ? n + 1 : n;
    }

    const Palabras& p_;
    Lectura_luna luna_;
    std::function<QStringList(const Fecha&)> regresos_;
    std::vector<QStringList> nombres_;  // by day of luna_.dias
    Fecha hoy_{}, seleccion_{};
    int especial_ = -1;  // the special day's place in luna_.dias
};

}  // namespace talmiroc
