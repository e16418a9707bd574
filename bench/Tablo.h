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
    void Bölüm(const QString& başlık);
    // `hedef` is the most the median may be, in the figure's unit.
    void Satır(const QString& işlem, const QString& ayrıntı, const Ölçüm& ölçüm, const QString& birim,
               std::optional<double> hedef = std::nullopt);
    // A line printed under the table: how a figure was taken, or why one is missing.
    void Not(const QString& metin) { m_notlar << metin; }

    QString Metin() const;
    int AşılanHedefSayısı() const { return m_aşılan; }

private:
    struct Kayıt {
        bool bölüm = false;
        QStringList hücreler;
    };
    QVector<Kayıt> m_kayıtlar;
    QStringList m_notlar;
    int m_aşılan = 0;
};
