#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include "apoyo_qt.h"
#include "celdas.h"
#include "celdas_tiempo.h"
#include "tzolkin.h"
#include "ventana_tiempo.h"

namespace talmiroc {

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

}  // namespace talmiroc
