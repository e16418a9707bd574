#include "kernel/PlanModeli.h"

#include "kernel/OncekiListesi.h"

namespace {

// The link's type and lag as the row's details give them; plain when they name none. A
// detail naming a code the list does not name, or a code a second time, is not read here:
// the store's rules refuse such a row on writing, so the first detail for a code holds.
void AyrintiyiOku(const QVector<BagAyrintisi>& ayrintilar, QStringView kod, Bag& bag)
{
    for (const BagAyrintisi& a : ayrintilar) {
        if (a.onceki == kod) {
            bag.tur = a.tur;
            bag.gecikme = a.gecikme;
            return;
        }
    }
}

} // namespace

PlanModeli::PlanModeli(const QVector<KayitliFaaliyet>& satirlar) : m_satirlar(satirlar), m_eksik(satirlar.size())
{
    KodlariDiz();
    const int n = Boyut();
    QVector<Bag> baglar;
    QVector<int> sonAnan(n, -1); // the last row whose list named each row
    for (int i = 1; i < n; ++i) {
        OncekiKodlariniGez(m_satirlar.at(i).oncekiler, [&](QStringView kod) {
            if (m_eksik.at(i))
                return;
            const int onceki = YukaridakiSatir(kod, i);
            if (onceki < 0) {
                m_eksik[i] = true;
            } else if (sonAnan.at(onceki) != i) {
                sonAnan[onceki] = i;
                Bag bag{onceki, i};
                AyrintiyiOku(m_satirlar.at(i).baglar, kod, bag);
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
