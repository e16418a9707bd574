#include "kernel/PlanModeli.h"

#include "kernel/OncekiListesi.h"

namespace {

// One row's link details by the code they name. A detail naming a code the list does not
// name, or a code a second time, is not read here: the store's rules refuse such a row on
// writing, so the first detail for a code holds.
class Ayrintilar {
public:
    explicit Ayrintilar(const QVector<BagAyrintisi>& liste) : m_liste(liste)
    {
        // A few are searched; a long list (a finish waiting for thousands) is indexed once.
        if (liste.size() <= DogrusalSinir)
            return;
        for (int j = int(liste.size()) - 1; j >= 0; --j)
            m_yer.insert(liste.at(j).onceki, j);
    }
    void Oku(QStringView kod, Bag& bag) const
    {
        int yer = -1;
        if (m_liste.size() > DogrusalSinir) {
            // The key only borrows the characters, as the code index does.
            yer = m_yer.value(QString::fromRawData(kod.data(), kod.size()), -1);
        } else {
            for (int j = 0; j < m_liste.size() && yer < 0; ++j)
                yer = m_liste.at(j).onceki == kod ? j : -1;
        }
        if (yer >= 0) {
            bag.tur = m_liste.at(yer).tur;
            bag.gecikme = m_liste.at(yer).gecikme;
        }
    }

private:
    static constexpr int DogrusalSinir = 8;
    const QVector<BagAyrintisi>& m_liste;
    QHash<QString, int> m_yer;
};

} // namespace

PlanModeli::PlanModeli(const QVector<KayitliFaaliyet>& satirlar) : m_satirlar(satirlar), m_eksik(satirlar.size())
{
    KodlariDiz();
    const int n = Boyut();
    QVector<Bag> baglar;
    QVector<int> sonAnan(n, -1); // the last row whose list named each row
    for (int i = 1; i < n; ++i) {
        const Ayrintilar ayrintilar(m_satirlar.at(i).baglar);
        OncekiKodlariniGez(m_satirlar.at(i).oncekiler, [&](QStringView kod) {
            if (m_eksik.at(i))
                return;
            const int onceki = YukaridakiSatir(kod, i);
            if (onceki < 0) {
                m_eksik[i] = true;
            } else if (sonAnan.at(onceki) != i) {
                sonAnan[onceki] = i;
                Bag bag{onceki, i};
                ayrintilar.Oku(kod, bag);
                baglar.append(bag);
            }
        });
    }
    m_ag = AgKur(n, baglar);
}

PlanModeli PlanModeli::BaskaSurelerle(const QVector<KayitliFaaliyet>& satirlar) const
{
    Q_ASSERT(satirlar.size() == m_satirlar.size());
    PlanModeli model(*this);
    model.m_satirlar = satirlar;
    return model;
}

void PlanModeli::KodlariDiz()
{
    // From the bottom up, so that a code stored twice keeps its upper row.
    m_asciiSatir.fill(-1);
    if (m_satirlar.size() > AsciiSayisi)
        m_tekKarakterliSatir.reserve(m_satirlar.size());
    for (int i = Boyut() - 1; i >= 0; --i) {
        const QString& kod = m_satirlar.at(i).kodu;
        if (kod.size() != 1)
            m_uzunKodluSatir.insert(kod, i);
        else if (kod.front().unicode() < AsciiSayisi)
            m_asciiSatir[kod.front().unicode()] = i;
        else
            m_tekKarakterliSatir.insert(kod.front().unicode(), i);
    }
}

QString PlanModeli::TanimsizKod(int satir) const
{
    for (const QString& kod : OncekiKodlari(m_satirlar.at(satir).oncekiler)) {
        if (YukaridakiSatir(kod, satir) < 0)
            return kod;
    }
    return QString();
}

int PlanModeli::IlkSatir(QStringView kod) const
{
    if (kod.size() == 1) {
        const char16_t karakter = kod.front().unicode();
        return karakter < AsciiSayisi ? m_asciiSatir[karakter] : m_tekKarakterliSatir.value(karakter, -1);
    }
    // The key only borrows the characters: a long list must not cost a string per code.
    return m_uzunKodluSatir.value(QString::fromRawData(kod.data(), kod.size()), -1);
}

int PlanModeli::YukaridakiSatir(QStringView kod, int satir) const
{
    const int ilk = IlkSatir(kod);
    // The first row of a code is above `satir` exactly when any row of it is.
    return ilk < satir ? ilk : -1;
}
