#pragma once

#include "risk/RiskHesabi.h"
#include "store/Kayitlar.h"

#include <QAbstractTableModel>
#include <QHash>
#include <functional>

// The activities with their three-point estimates: code, name and duration, then the
// optimistic, most likely and pessimistic days, which can be edited, and what the last
// simulation made of each: its criticality index and its sensitivity. An activity with no
// estimate shows its duration in all three, greyed. An edit is handed on, not kept: the
// table shows what is stored once the plan comes back.
class TahminTablosu : public QAbstractTableModel {
public:
    enum Sutun { Kodu, Adi, Sure, Iyimser, Olasi, Kotumser, Kritiklik, Duyarlilik, SutunSayisi };

    // Called with the row, the column (Iyimser..Kotumser) and the text typed.
    using Duzenleme = std::function<void(int satir, int sutun, const QString& metin)>;
    explicit TahminTablosu(Duzenleme duzenleme, QObject* ust = nullptr);

    // A new plan empties the simulation's columns until RiskleriGoster.
    void Goster(const QVector<KayitliFaaliyet>& faaliyetler, const QHash<QString, UcNoktaTahmini>& tahminler);
    void RiskleriGoster(const QVector<FaaliyetRiski>& riskler);
    // The row's estimate as shown: the stored one, or none.
    std::optional<UcNoktaTahmini> Kayitli(int satir) const;
    // What the row's three days are taken to be: the stored estimate, else its duration
    // in all three; none for a duration another program left as text.
    std::optional<UcNoktaTahmini> Gecerli(int satir) const;
    const KayitliFaaliyet& Faaliyet(int satir) const { return m_faaliyetler.at(satir); }

    int rowCount(const QModelIndex& ust = QModelIndex()) const override;
    int columnCount(const QModelIndex& ust = QModelIndex()) const override;
    QVariant data(const QModelIndex& yer, int rol = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& yer, const QVariant& deger, int rol = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& yer) const override;
    QVariant headerData(int bolum, Qt::Orientation yon, int rol = Qt::DisplayRole) const override;

private:
    Duzenleme m_duzenleme;
    QVector<KayitliFaaliyet> m_faaliyetler;
    QHash<QString, UcNoktaTahmini> m_tahminler;
    QVector<FaaliyetRiski> m_riskler;
};
