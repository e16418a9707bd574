#include "ui/analysis/AnalizTablosu.h"

#include "analysis/AnalizMetinleri.h"

#include <QColor>

void AnalizTablosu::Göster(const AğAnalizi& analiz)
{
    beginResetModel();
    m_faaliyetler = analiz.faaliyetler;
    endResetModel();
}

int AnalizTablosu::rowCount(const QModelIndex& üst) const
{
    return üst.isValid() ? 0 : int(m_faaliyetler.size());
}

int AnalizTablosu::columnCount(const QModelIndex& üst) const
{
    return üst.isValid() ? 0 : int(AnalizMetinleri::Başlıklar().size());
}

QVariant AnalizTablosu::data(const QModelIndex& yer, int rol) const
{
    if (!yer.isValid())
        return {};
    const FaaliyetAnalizi& f = m_faaliyetler.at(yer.row());
    switch (rol) {
    case Qt::DisplayRole:
        return AnalizMetinleri::Hücre(f, yer.column());
    case Qt::TextAlignmentRole:
        return int((AnalizMetinleri::SayısalSütun(yer.column()) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return f.kritik ? QVariant(QColor(255, 214, 214)) : QVariant();
    case Qt::ForegroundRole:
        return f.kritik ? QVariant(QColor(Qt::black)) : QVariant();
    default:
        return {};
    }
}

QVariant AnalizTablosu::headerData(int bölüm, Qt::Orientation yön, int rol) const
{
    if (rol != Qt::DisplayRole)
        return {};
    if (yön == Qt::Horizontal)
        return AnalizMetinleri::Başlıklar().value(bölüm);
    return bölüm + 1;
}
