#include "ui/analysis/TahminTablosu.h"

#include "rules/BolgeselMetin.h"

#include <QBrush>
#include <QLocale>
#include <QPalette>

TahminTablosu::TahminTablosu(Duzenleme duzenleme, QObject* ust)
    : QAbstractTableModel(ust), m_duzenleme(std::move(duzenleme))
{
}

void TahminTablosu::Goster(const QVector<KayitliFaaliyet>& faaliyetler, const QHash<QString, UcNoktaTahmini>& tahminler)
{
    beginResetModel();
    m_faaliyetler = faaliyetler;
    m_tahminler = tahminler;
    endResetModel();
}

std::optional<UcNoktaTahmini> TahminTablosu::Kayitli(int satir) const
{
    const auto bulunan = m_tahminler.constFind(m_faaliyetler.at(satir).kodu);
    return bulunan == m_tahminler.cend() ? std::nullopt : std::optional(*bulunan);
}

std::optional<UcNoktaTahmini> TahminTablosu::Gecerli(int satir) const
{
    if (const auto kayitli = Kayitli(satir))
        return kayitli;
    const auto& sure = m_faaliyetler.at(satir).sure.deger;
    return sure ? std::optional(UcNoktaTahmini{*sure, *sure, *sure}) : std::nullopt;
}

int TahminTablosu::rowCount(const QModelIndex& ust) const
{
    return ust.isValid() ? 0 : int(m_faaliyetler.size());
}

int TahminTablosu::columnCount(const QModelIndex& ust) const
{
    return ust.isValid() ? 0 : SutunSayisi;
}

QVariant TahminTablosu::data(const QModelIndex& yer, int rol) const
{
    if (!yer.isValid())
        return {};
    const KayitliFaaliyet& f = m_faaliyetler.at(yer.row());
    const int sutun = yer.column();
    if (rol == Qt::TextAlignmentRole)
        return int((sutun >= Sure ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    if (rol == Qt::ForegroundRole && sutun >= Iyimser && !Kayitli(yer.row()))
        return QBrush(QPalette().color(QPalette::Disabled, QPalette::Text));
    if (rol == Qt::ToolTipRole && sutun >= Iyimser)
        return Kayitli(yer.row()) ? QStringLiteral("Tahmini kaldırmak için hücreyi boşaltın.")
                                  : QStringLiteral("Tahmin yok: üçü de öngörülen süre sayılır.");
    if (rol != Qt::DisplayRole && rol != Qt::EditRole)
        return {};
    switch (sutun) {
    case Kodu: return f.kodu;
    case Adi: return f.adi;
    case Sure: return BolgeselMetin::SureMetni(f.sure);
    default: break;
    }
    const auto tahmin = Gecerli(yer.row());
    if (!tahmin)
        return QString();
    const qint32 gun = sutun == Iyimser ? tahmin->iyimser : sutun == Olasi ? tahmin->olasi : tahmin->kotumser;
    return QLocale().toString(gun);
}

bool TahminTablosu::setData(const QModelIndex& yer, const QVariant& deger, int rol)
{
    if (!yer.isValid() || rol != Qt::EditRole || yer.column() < Iyimser)
        return false;
    if (deger.toString() != data(yer, Qt::EditRole).toString() || (deger.toString().isEmpty() && Kayitli(yer.row())))
        m_duzenleme(yer.row(), yer.column(), deger.toString());
    return false;
}

Qt::ItemFlags TahminTablosu::flags(const QModelIndex& yer) const
{
    Qt::ItemFlags bayraklar = QAbstractTableModel::flags(yer);
    if (yer.isValid() && yer.column() >= Iyimser && Gecerli(yer.row()))
        bayraklar |= Qt::ItemIsEditable;
    return bayraklar;
}

QVariant TahminTablosu::headerData(int bolum, Qt::Orientation yon, int rol) const
{
    if (rol != Qt::DisplayRole || yon != Qt::Horizontal)
        return {};
    static const QStringList basliklar{QStringLiteral("Kodu"),    QStringLiteral("Faaliyet Adı"),
                                       QStringLiteral("Süre"),    QStringLiteral("İyimser"),
                                       QStringLiteral("En Olası"), QStringLiteral("Kötümser")};
    return basliklar.value(bolum);
}
