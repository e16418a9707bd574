#pragma once

#include "analysis/AgAnalizi.h"
#include "analysis/IlerlemeAnalizi.h"

#include <QAbstractTableModel>

// The analysis table's rows as text cells, critical rows tinted; nothing is editable. Under a
// working-day calendar a date of a year whose bayram dates are estimated says so. A project
// with a status date has the progress columns after the analysis's own.
class AnalizTablosu : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // `ilerleme` (may be null) is the forecast of the same rows, `gercek` what was entered.
    void Goster(const AgAnalizi& analiz, const IlerlemeAnalizi* ilerleme = nullptr,
                const ProjeIlerlemesi* gercek = nullptr);

    int rowCount(const QModelIndex& ust = QModelIndex()) const override;
    int columnCount(const QModelIndex& ust = QModelIndex()) const override;
    QVariant data(const QModelIndex& yer, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int bolum, Qt::Orientation yon, int rol = Qt::DisplayRole) const override;

private:
    void IlerlemeyiKoy(const AgAnalizi& analiz, const IlerlemeAnalizi* ilerleme, const ProjeIlerlemesi* gercek);
    QVariant IlerlemeVerisi(int satir, int sutun, int rol) const;
    // The date in cell `sutun` of f when its year is an estimate, else invalid.
    QDate TahminiTarih(const FaaliyetAnalizi& f, int sutun) const;

    QVector<FaaliyetAnalizi> m_faaliyetler;
    bool m_ilerlemeli = false; // the progress columns are shown
    // Row by row beside m_faaliyetler; empty without a status date.
    QVector<FaaliyetTahmini> m_tahminler;
    QVector<FaaliyetIlerlemesi> m_gercekler;
    IsTakvimi m_takvim;
};
