#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include "apoyo_qt.h"
#include "celdas.h"
#include "celdas_tiempo.h"
#include "tzolkin.h"
#include "ventana_tiempo.h"

namespace talmiroc {

// The 13 kins of a wavespell: the kin, its tone, its date.
class Modelo_onda final : public QAbstractTableModel {
public:
    Modelo_onda(const Palabras& p, QObject* padre) : QAbstractTableModel(padre), p_(p) {}

    // Today is the kin's place in the count, so that 29 February, which
    // shares 28 February's kin, marks the kin dated 28 February.
    void Fijar(Lectura_onda onda, const Fecha& hoy) {
        onda_ = std::move(onda);
        hoy_ = Fecha_en_ciclo(Calculo_kin(hoy.dia, hoy.mes, hoy.año).kin, hoy);
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
    Fecha hoy_{};  // today's kin's date in its round: 28 February on the 29th
};

}  // namespace talmiroc
