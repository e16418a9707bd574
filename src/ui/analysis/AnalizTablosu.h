#pragma once

#include "analysis/AgAnalizi.h"

#include <QAbstractTableModel>

// The analysis table's rows as text cells, critical rows tinted; nothing is editable. Under a
// working-day calendar a date of a year whose bayram dates are estimated says so.
class AnalizTablosu : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void Goster(const AgAnalizi& analiz);

    int rowCount(const QModelIndex& ust = QModelIndex()) const override;
    int columnCount(const QModelIndex& ust = QModelIndex()) const override;
    QVariant data(const QModelIndex& yer, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int bolum, Qt::Orientation yon, int rol = Qt::DisplayRole) const override;

private:
    // The date in cell `sutun` of f when its year is an estimate, else invalid.
    QDate TahminiTarih(const FaaliyetAnalizi& f, int sutun) const;

    QVector<FaaliyetAnalizi> m_faaliyetler;
    IsTakvimi m_takvim;
};
