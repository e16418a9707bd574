#pragma once

#include <QHash>
#include <QString>
#include <QVector>
#include <optional>

// One row of the activity list, its six columns as text.
struct ÇizelgeSatırı {
    QString kodu;
    QString adı;
    QString süre;
    QString öncekiler; // "A,C"
    QString es;        // earliest start, filled by the forward pass
    QString ef;        // earliest finish, filled by the forward pass
};

// The three result fields of the main window.
struct ÇizelgeSonucu {
    QString enGeçGünSayısı;   // the largest EF
    QString enErkenGünSayısı; // the largest EF less the first activity's EF
    QString kritikYol;        // "A,C,D", or why the project cannot be computed
    std::optional<qint32> projeBitişGünü;
};

// Why a project cannot be computed, in the main window's words, so that the analysis
// of the same rows says exactly the same.
QString SüreSayıDeğil(const QString& kod, const QString& süre);
QString SayıSınırınıAşıyor(const QString& kod, const QString& neyi); // neyi: "bitiş günü", …
QString Hesaplanamıyor(const QString& neden);

// The forward pass over the rows as they stand: writes each row's ES and EF and
// gives the three results. A project that cannot be computed (a predecessor that
// is not defined above its activity, a number that does not fit in 32 bits) keeps
// the ES and EF that could be worked out and explains the first fault in kritikYol.
ÇizelgeSonucu ÇizelgeyiHesapla(QVector<ÇizelgeSatırı>& satırlar);

// Where each code first stands in the rows, so that finding a predecessor costs the
// same however long the list is, and each row's predecessor list read once into the
// rows it names: the pass and the critical path grow with the lists' length.
class KodDizini {
public:
    explicit KodDizini(const QVector<ÇizelgeSatırı>& satırlar);
    // The row of the code among the rows above `satır`; -1 when there is none.
    int YukarıdakiSatır(QStringView kod, int satır) const;
    // The rows above `satır` that its predecessor list names, each once, in the
    // order first listed; a code with no row above ends them as -1. A row named
    // again changes neither the largest finish nor which one comes first.
    const QVector<int>& ÖncekiSatırları(int satır) const { return m_öncekiSatırları.at(satır); }

private:
    QHash<QString, int> m_ilkSatır;
    QVector<QVector<int>> m_öncekiSatırları;
};

// The largest EF among the predecessors listed in öncekiler, 0 when none is larger,
// reading the EFs of the rows above `satır`. Without a value, `açıklama` says why.
std::optional<qint32> SüreBul(const QVector<ÇizelgeSatırı>& satırlar, const KodDizini& dizin, int satır,
                              QString* açıklama = nullptr);
// The same for one row alone.
std::optional<qint32> SüreBul(const QVector<ÇizelgeSatırı>& satırlar, int satır, QString* açıklama = nullptr);

// The critical path, traced back from the first row that finishes on projeBitişGünü,
// always to the predecessor that finishes latest (the first listed on a tie).
// Expects every row's EF to be worked out.
QString KritikYol(const QVector<ÇizelgeSatırı>& satırlar, const KodDizini& dizin, qint32 projeBitişGünü);
