#pragma once

#include "analysis/AgAnalizi.h"

#include <QAbstractTableModel>

// The analysis table's rows as text cells, critical rows tinted; nothing is editable.
class AnalizTablosu : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void Göster(const AğAnalizi& analiz);

    int rowCount(const QModelIndex& üst = QModelIndex()) const override;
    int columnCount(const QModelIndex& üst = QModelIndex()) const override;
    QVariant data(const QModelIndex& yer, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int bölüm, Qt::Orientation yön, int rol = Qt::DisplayRole) const override;

private:
    QVector<FaaliyetAnalizi> m_faaliyetler;
};
