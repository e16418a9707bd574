#pragma once

#include "Olcum.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// The benchmark's figures, printed as one table with a target column where the
// figure has one. A missed target is marked so that a reader cannot overlook it.
class Tablo {
public:
    void Bolum(const QString& baslik);
    // `hedef` is the most the median may be, in the figure's unit; `enCokHedefi` the most
    // the largest may be, for a figure whose every run counts.
    void Satir(const QString& islem, const QString& ayrinti, const Olcum& olcum, const QString& birim,
               std::optional<double> hedef = std::nullopt, std::optional<double> enCokHedefi = std::nullopt);
    // A line printed under the table: how a figure was taken, or why one is missing.
    void Not(const QString& metin) { m_notlar << metin; }

    QString Metin() const;
    int AsilanHedefSayisi() const { return m_asilan; }

private:
    struct Kayit {
        bool bolum = false;
        QStringList hucreler;
    };
    QVector<Kayit> m_kayitlar;
    QStringList m_notlar;
    int m_asilan = 0;
};
