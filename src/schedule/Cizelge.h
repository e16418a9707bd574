#pragma once

#include "store/Kayitlar.h"

#include <QHash>
#include <QString>
#include <QVector>
#include <array>
#include <memory>
#include <optional>

// The two days the forward pass works out for a row; none where it could not.
struct Gunler {
    std::optional<qint32> es; // earliest start
    std::optional<qint32> ef; // earliest finish
};

// The three result fields of the main window.
struct CizelgeSonucu {
    QString enGecGunSayisi;   // the largest EF
    QString enErkenGunSayisi; // the largest EF less the first activity's EF
    QString kritikYol;        // "A,C,D", or why the project cannot be computed
    std::optional<qint32> projeBitisGunu;
};

// Why a project cannot be computed, in the main window's words, so that the analysis
// of the same rows says exactly the same.
QString SureSayiDegil(const QString& kod, const QString& sure);
QString SayiSiniriniAsiyor(const QString& kod, const QString& neyi); // neyi: "bitiş günü", …
QString Hesaplanamiyor(const QString& neden);

class KodDizini;

// The forward pass and its three results.
struct Cizelge {
    QVector<Gunler> gunler; // one per activity, in stored order
    CizelgeSonucu sonuc;
    // The index the pass read the predecessors by, for the analysis of the same rows;
    // none when there are no rows.
    std::shared_ptr<const KodDizini> dizin;
};

// The forward pass over the activities as stored: each row's ES and EF and the three
// results. A project that cannot be computed (a duration another program left as
// text, a predecessor that is not defined above its activity, a number that does not
// fit in 32 bits) keeps the ES and EF that could be worked out and explains the first
// fault in kritikYol.
Cizelge CizelgeyiHesapla(const QVector<KayitliFaaliyet>& faaliyetler);

// A row's two cells as the main window shows them: the first row finishes after its
// duration as stored, text another program left there included.
QString EsMetni(const Cizelge& cizelge, int satir);
QString EfMetni(const Cizelge& cizelge, const QVector<KayitliFaaliyet>& faaliyetler, int satir);

// Where each code first stands in the rows, so that finding a predecessor costs the
// same however long the list is, and each row's predecessor list read once into the
// rows it names: the pass and the critical path grow with the lists' length.
class KodDizini {
public:
    explicit KodDizini(const QVector<KayitliFaaliyet>& satirlar);
    // The row of the code among the rows above `satir`; -1 when there is none.
    int YukaridakiSatir(QStringView kod, int satir) const;
    // The rows above `satir` that its predecessor list names, each once, in the
    // order first listed; a code with no row above ends them as -1. A row named
    // again changes neither the largest finish nor which one comes first.
    const QVector<int>& OncekiSatirlari(int satir) const { return m_oncekiSatirlari.at(satir); }

private:
    int IlkSatir(QStringView kod) const;

    // A predecessor list names one character per code. Kavrion's own codes are one
    // ASCII letter or digit, found by their character; other one-character codes by
    // the character's number: both much cheaper than hashing a megabyte of "A,A,…"
    // as strings. Longer codes, which only a path's text names, by their text.
    static constexpr int AsciiSayisi = 128;
    std::array<int, AsciiSayisi> m_asciiSatir;
    QHash<char16_t, int> m_tekKarakterliSatir;
    QHash<QString, int> m_uzunKodluSatir;
    QVector<QVector<int>> m_oncekiSatirlari;
};

// The largest EF among the predecessors listed in oncekiler, 0 when none is larger,
// reading the EFs of the rows above `satir`. Without a value, `aciklama` says why.
std::optional<qint32> SureBul(const QVector<KayitliFaaliyet>& satirlar, const QVector<Gunler>& gunler,
                              const KodDizini& dizin, int satir, QString* aciklama = nullptr);

// The critical path, traced back from the first row that finishes on projeBitisGunu,
// always to the predecessor that finishes latest (the first listed on a tie).
// Expects every row's EF to be worked out.
QString KritikYol(const QVector<KayitliFaaliyet>& satirlar, const QVector<Gunler>& gunler, const KodDizini& dizin,
                  qint32 projeBitisGunu);
