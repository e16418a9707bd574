#include "Aktarma.h"

#include "Iletiler.h"
#include "TabloYazimi.h"
#include "import/AktarimDenetimi.h"
#include "plan/Komut.h"
#include "rules/BolgeselMetin.h"

#include <QFileInfo>
#include <QLocale>
#include <algorithm>

namespace {

bool Gelebilir(const AktarilacakProje& proje)
{
    return proje.ret.isEmpty();
}

// The file read as the window reads it; --ad names the one project it brings.
int Oku(const AktarmaKomutu& komut, Aktarim& aktarim)
{
    const QString dosya = QFileInfo(komut.girdi).fileName();
    QString ret;
    auto okunan = AktarimiOku(komut.girdi, komut.kaynak, QLocale(), ret);
    if (!okunan)
        return HataBildir(QStringLiteral("\"%1\" içe aktarılamıyor. %2").arg(dosya, ret));
    aktarim = std::move(*okunan);
    const auto gelen = std::count_if(aktarim.projeler.cbegin(), aktarim.projeler.cend(), Gelebilir);
    if (gelen == 0)
        return HataBildir(QStringLiteral("\"%1\" içe aktarılamıyor. \"%2\": %3")
                              .arg(dosya, aktarim.projeler.first().proje.proje.ad, aktarim.projeler.first().ret));
    if (komut.ad && gelen > 1)
        return HataBildir(QStringLiteral("\"%1\" %2 proje getiriyor; --ad yalnız tek proje getiren bir dosyayla "
                                         "verilir.").arg(dosya).arg(gelen));
    for (AktarilacakProje& p : aktarim.projeler)
        if (komut.ad && Gelebilir(p))
            p.proje.proje.ad = *komut.ad;
    return Cikis::Basarili;
}

// The preview's checks, which a user at the window would settle by typing: a taken name
// is refused with the free one to give with --ad, never taken silently.
int Denetle(const Aktarim& aktarim, const QVector<IlkAd>& adlar, QStringList alinmis)
{
    const auto tarih = [](const QDate& gun) { return gun.isValid() ? BolgeselMetin::TarihYaz(gun) : QString(); };
    const bool tekProje = std::count_if(aktarim.projeler.cbegin(), aktarim.projeler.cend(), Gelebilir) == 1;
    for (qsizetype i = 0; i < adlar.size(); ++i) {
        const IlkAd& ilk = adlar.at(i);
        if (!Gelebilir(aktarim.projeler.at(i)))
            continue;
        // --ad renames a file's only project; the projects of a larger file keep their names.
        if (!ilk.kayitliAd.isEmpty())
            return HataBildir(QStringLiteral("\"%1\" adıyla kayıtlı bir proje zaten var; boş bir ad: \"%2\"%3")
                                  .arg(ilk.kayitliAd, ilk.ad, tekProje ? QStringLiteral(" (--ad ile verin).")
                                                                   : QStringLiteral(".")));
        const Proje& proje = aktarim.projeler.at(i).proje.proje;
        const AktarimBulgulari bulgular =
            AktarimProjesiniDenetle({ilk.ad, tarih(proje.baslama), tarih(proje.bitis), QString()}, alinmis);
        QStringList cumleler;
        for (EksikBilgi eksik : bulgular.eksikler)
            cumleler << EksikBilgiMetni(eksik);
        if (!cumleler.isEmpty())
            return HataBildir(
                QStringLiteral("\"%1\" aktarılamıyor: %2").arg(ilk.ad, cumleler.join(QLatin1Char(' '))));
        alinmis.append(ilk.ad);
    }
    return Cikis::Basarili;
}

// What the window asks to be accepted before "Aktar" is refused without --kabul, with
// the list of what would change.
int KabulDenetle(const Aktarim& aktarim, bool kabul)
{
    if (kabul || aktarim.onaylanacaklar.isEmpty())
        return Cikis::Basarili;
    HataBildir(QStringLiteral("Dosyada Kavrion'un tutamadıkları var; --kabul verilmeden aktarılmaz. --kabul şunu "
                              "kabul eder: \"%1\" Değişecekler:").arg(aktarim.onayMetni));
    for (const QString& satir : aktarim.onaylanacaklar)
        HataBildir(QStringLiteral("  ") + satir);
    return Cikis::Hata;
}

// Every project that can come in, under the name checked, as one command.
IceAktarKomutu YazimKomutu(const Aktarim& aktarim, const QVector<IlkAd>& adlar)
{
    IceAktarKomutu komut;
    for (qsizetype i = 0; i < adlar.size(); ++i) {
        const AktarilacakProje& p = aktarim.projeler.at(i);
        if (!Gelebilir(p))
            continue;
        // Everything read goes in (progress and baselines too) under the name chosen.
        TamProje yazilacak = p.proje;
        yazilacak.proje.ad = adlar.at(i).ad;
        komut.projeler.append(yazilacak);
    }
    return komut;
}

// What was accepted, the preview's report, and what came in or was left out.
QByteArray RaporMetni(const Aktarim& aktarim, const IceAktarKomutu& komut)
{
    QStringList satirlar;
    if (!aktarim.onaylanacaklar.isEmpty())
        satirlar << QStringLiteral("Kavrion'un tutamadıkları:") << aktarim.onaylanacaklar << aktarim.onayMetni;
    satirlar += AktarimRaporu(aktarim);
    for (const AktarilacakProje& p : aktarim.projeler)
        if (!Gelebilir(p))
            satirlar << QStringLiteral("\"%1\" aktarılmadı: %2").arg(p.proje.proje.ad, p.ret);
    for (const TamProje& p : komut.projeler)
        satirlar << QStringLiteral("\"%1\" aktarıldı: %2 faaliyet.").arg(p.proje.ad).arg(p.faaliyetler.size());
    QByteArray metin;
    // A name from the file cannot steer the terminal.
    for (const QString& satir : std::as_const(satirlar))
        metin += Gorunur(satir).toUtf8() + '\n';
    return metin;
}

} // namespace

int Aktar(const AktarmaKomutu& komut)
{
    const auto baglanti = VeritabaniniAc(komut.vt, ProjeDeposu::Acilis::Denetle);
    if (!baglanti)
        return Cikis::Hata;
    Aktarim aktarim;
    if (const int durum = Oku(komut, aktarim))
        return durum;
    QStringList alinmis;
    if (const DepoHatasi hata = baglanti->depo().ProjeleriOku(alinmis))
        return VeritabaniHatasi(komut.vt, hata);
    const QVector<IlkAd> adlar = IlkAdlariBul(aktarim, alinmis);
    if (const int durum = Denetle(aktarim, adlar, alinmis))
        return durum;
    if (const int durum = KabulDenetle(aktarim, komut.kabul))
        return durum;
    const IceAktarKomutu yazilacak = YazimKomutu(aktarim, adlar);
    // The store checks the names again inside the write: another planner may have taken one since.
    if (const KomutHatasi hata = KomutuUygula(baglanti->depo(), yazilacak))
        return VeritabaniHatasi(komut.vt, hata.depo);
    // Written is written: a report that cannot be shown is said, but the import stands.
    CiktiyaYaz(RaporMetni(aktarim, yazilacak));
    return Cikis::Basarili;
}
