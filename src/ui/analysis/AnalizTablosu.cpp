#include "ui/analysis/AnalizTablosu.h"

#include "text/AnalizMetinleri.h"
#include "text/TakvimMetinleri.h"

#include <QColor>

namespace {

// The columns of the start and finish dates.
constexpr int SutunBaslangic = 10;
constexpr int SutunBitis = 11;

} // namespace

void AnalizTablosu::Goster(const AgAnalizi& analiz)
{
    m_takvim = analiz.takvim;
    // As many rows as before (a trial, an edit): only their cells change, and the view
    // repaints them without laying anything out again.
    if (!m_faaliyetler.isEmpty() && m_faaliyetler.size() == analiz.faaliyetler.size()) {
        m_faaliyetler = analiz.faaliyetler;
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        return;
    }
    // The rows go and come, the columns stay: a reset would have the header measure and
    // paint its twelve captions again at every refresh.
    if (!m_faaliyetler.isEmpty()) {
        beginRemoveRows(QModelIndex(), 0, int(m_faaliyetler.size()) - 1);
        m_faaliyetler.clear();
        endRemoveRows();
    }
    if (!analiz.faaliyetler.isEmpty()) {
        beginInsertRows(QModelIndex(), 0, int(analiz.faaliyetler.size()) - 1);
        m_faaliyetler = analiz.faaliyetler;
        endInsertRows();
    }
}

int AnalizTablosu::rowCount(const QModelIndex& ust) const
{
    return ust.isValid() ? 0 : int(m_faaliyetler.size());
}

int AnalizTablosu::columnCount(const QModelIndex& ust) const
{
    return ust.isValid() ? 0 : int(AnalizMetinleri::Basliklar().size());
}

QVariant AnalizTablosu::data(const QModelIndex& yer, int rol) const
{
    if (!yer.isValid())
        return {};
    const FaaliyetAnalizi& f = m_faaliyetler.at(yer.row());
    switch (rol) {
    case Qt::DisplayRole:
        return TahminiTarih(f, yer.column()).isValid() ? TakvimMetinleri::TahminiTarih(AnalizMetinleri::Hucre(f, yer.column()))
                                                       : AnalizMetinleri::Hucre(f, yer.column());
    case Qt::ToolTipRole: {
        const QDate tarih = TahminiTarih(f, yer.column());
        return tarih.isValid() ? QVariant(TakvimMetinleri::TahminiYilNotu(tarih.year())) : QVariant();
    }
    case Qt::TextAlignmentRole:
        return int((AnalizMetinleri::SayisalSutun(yer.column()) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return f.kritik ? QVariant(QColor(255, 214, 214)) : QVariant();
    case Qt::ForegroundRole:
        return f.kritik ? QVariant(QColor(Qt::black)) : QVariant();
    default:
        return {};
    }
}

QDate AnalizTablosu::TahminiTarih(const FaaliyetAnalizi& f, int sutun) const
{
    const QDate tarih = sutun == SutunBaslangic ? f.baslama : sutun == SutunBitis ? f.bitis : QDate();
    return tarih.isValid() && m_takvim.Gun(tarih).tahmini ? tarih : QDate();
}

QVariant AnalizTablosu::headerData(int bolum, Qt::Orientation yon, int rol) const
{
    if (rol != Qt::DisplayRole)
        return {};
    if (yon == Qt::Horizontal)
        return AnalizMetinleri::Basliklar().value(bolum);
    return bolum + 1;
}
