#include "ui/analysis/AnalizTablosu.h"

#include "text/AnalizMetinleri.h"
#include "text/DurumMetinleri.h"
#include "text/TakvimMetinleri.h"

#include <QColor>

namespace {

// The columns of the start and finish dates.
constexpr int SutunBaslangic = 10;
constexpr int SutunBitis = 11;

} // namespace

void AnalizTablosu::Goster(const AgAnalizi& analiz, const IlerlemeAnalizi* ilerleme, const ProjeIlerlemesi* gercek)
{
    m_takvim = analiz.takvim;
    const bool ilerlemeli = ilerleme && ilerleme->var && ilerleme->faaliyetler.size() == analiz.faaliyetler.size();
    // The progress columns come and go with the status date: the rare change of shape.
    if (ilerlemeli != m_ilerlemeli) {
        beginResetModel();
        m_ilerlemeli = ilerlemeli;
        m_faaliyetler = analiz.faaliyetler;
        IlerlemeyiKoy(analiz, ilerlemeli ? ilerleme : nullptr, gercek);
        endResetModel();
        return;
    }
    IlerlemeyiKoy(analiz, ilerlemeli ? ilerleme : nullptr, gercek);
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

void AnalizTablosu::IlerlemeyiKoy(const AgAnalizi& analiz, const IlerlemeAnalizi* ilerleme,
                                  const ProjeIlerlemesi* gercek)
{
    m_tahminler.clear();
    m_gercekler.clear();
    if (!ilerleme)
        return;
    m_tahminler = ilerleme->faaliyetler;
    m_gercekler.reserve(analiz.faaliyetler.size());
    for (const FaaliyetAnalizi& f : analiz.faaliyetler)
        m_gercekler.append(gercek ? gercek->faaliyetler.value(f.kodu) : FaaliyetIlerlemesi());
}

int AnalizTablosu::rowCount(const QModelIndex& ust) const
{
    return ust.isValid() ? 0 : int(m_faaliyetler.size());
}

int AnalizTablosu::columnCount(const QModelIndex& ust) const
{
    return ust.isValid() ? 0
                         : int(AnalizMetinleri::Basliklar().size())
                               + (m_ilerlemeli ? int(DurumMetinleri::Basliklar().size()) : 0);
}

QVariant AnalizTablosu::data(const QModelIndex& yer, int rol) const
{
    if (!yer.isValid())
        return {};
    const FaaliyetAnalizi& f = m_faaliyetler.at(yer.row());
    const int ilerlemeSutunu = yer.column() - int(AnalizMetinleri::Basliklar().size());
    if (ilerlemeSutunu >= 0)
        return IlerlemeVerisi(yer.row(), ilerlemeSutunu, rol);
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

QVariant AnalizTablosu::IlerlemeVerisi(int satir, int sutun, int rol) const
{
    switch (rol) {
    case Qt::DisplayRole:
        return DurumMetinleri::Hucre(m_tahminler.at(satir), m_gercekler.at(satir), sutun);
    case Qt::TextAlignmentRole:
        return int((DurumMetinleri::SayisalSutun(sutun) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return m_faaliyetler.at(satir).kritik ? QVariant(QColor(255, 214, 214)) : QVariant();
    case Qt::ForegroundRole:
        return m_faaliyetler.at(satir).kritik ? QVariant(QColor(Qt::black)) : QVariant();
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
    const int analizSutunu = int(AnalizMetinleri::Basliklar().size());
    if (yon == Qt::Horizontal)
        return bolum < analizSutunu ? AnalizMetinleri::Basliklar().value(bolum)
                                    : DurumMetinleri::Basliklar().value(bolum - analizSutunu);
    return bolum + 1;
}
