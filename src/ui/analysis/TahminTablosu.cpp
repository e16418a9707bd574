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
    m_riskler.clear();
    endResetModel();
}

void TahminTablosu::RiskleriGoster(const QVector<FaaliyetRiski>& riskler)
{
    m_riskler = riskler.size() == m_faaliyetler.size() ? riskler : QVector<FaaliyetRiski>();
    if (!m_faaliyetler.isEmpty())
        emit dataChanged(index(0, Kritiklik), index(rowCount() - 1, Duyarlilik));
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
    if (rol == Qt::ForegroundRole && sutun >= Iyimser && sutun <= Kotumser && !Kayitli(yer.row()))
        return QBrush(QPalette().color(QPalette::Disabled, QPalette::Text));
    if (rol == Qt::ToolTipRole && sutun >= Kritiklik)
        return sutun == Kritiklik ? QStringLiteral("Benzetimlerin ne kadarında kritik (toplam bolluğu sıfır) olduğu.")
                                  : QStringLiteral("Süresiyle projenin bitişi arasındaki sıra ilişkisi (Spearman): "
                                                   "1'e yaklaştıkça bitişi o kadar belirler.");
    if (rol == Qt::ToolTipRole && sutun >= Iyimser)
        return Kayitli(yer.row()) ? QStringLiteral("Tahmini kaldırmak için hücreyi boşaltın.")
                                  : QStringLiteral("Tahmin yok: üçü de öngörülen süre sayılır.");
    if (rol != Qt::DisplayRole && rol != Qt::EditRole)
        return {};
    switch (sutun) {
    case Kodu: return f.kodu;
    case Adi: return f.adi;
    case Sure: return BolgeselMetin::SureMetni(f.sure);
    case Kritiklik:
        return m_riskler.isEmpty() ? QString()
                                   : QLatin1Char('%') + QLocale().toString(m_riskler.at(yer.row()).kritiklik * 100, 'f', 1);
    case Duyarlilik:
        return m_riskler.isEmpty() ? QString() : QLocale().toString(m_riskler.at(yer.row()).duyarlilik, 'f', 2);
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
    if (!yer.isValid() || rol != Qt::EditRole || yer.column() < Iyimser || yer.column() > Kotumser)
        return false;
    if (deger.toString() != data(yer, Qt::EditRole).toString() || (deger.toString().isEmpty() && Kayitli(yer.row())))
        m_duzenleme(yer.row(), yer.column(), deger.toString());
    return false;
}

Qt::ItemFlags TahminTablosu::flags(const QModelIndex& yer) const
{
    Qt::ItemFlags bayraklar = QAbstractTableModel::flags(yer);
    if (yer.isValid() && yer.column() >= Iyimser && yer.column() <= Kotumser && Gecerli(yer.row()))
        bayraklar |= Qt::ItemIsEditable;
    return bayraklar;
}

QVariant TahminTablosu::headerData(int bolum, Qt::Orientation yon, int rol) const
{
    if (rol != Qt::DisplayRole || yon != Qt::Horizontal)
        return {};
    static const QStringList basliklar{QStringLiteral("Kodu"),    QStringLiteral("Faaliyet Adı"),
                                       QStringLiteral("Süre"),    QStringLiteral("İyimser"),
                                       QStringLiteral("En Olası"), QStringLiteral("Kötümser"),
                                       QStringLiteral("Kritiklik"), QStringLiteral("Duyarlılık")};
    return basliklar.value(bolum);
}
