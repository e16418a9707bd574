// Drives the plan's write commands, as the windows give them, and the store's undo and
// redo, in a seeded loop: on a Proje.mdb or a server, endless, to be killed at a random
// moment; or on a server as one of several planners, for a number of commands. Before each
// command it prints the command and its values on one line ("B", tab, fields joined by
// tabs; a change or delete ends with the rows it names as it read them, KayitMetni), after
// it "K" when it was carried out (an undo or redo adds the number of the step it took, 0
// for none), or "H", tab, number and text when it was refused ("Ö" and the code for a
// predecessor refused, which has no number): the endless loop stops there, the counted
// one goes on. Whoever kills it knows what was done and what was under way.
//   yazim-dongusu <dosya> <tohum>
//   yazim-dongusu --sunucu <bağlantı> <sahip> <tohum> [adet]
// With a count, the projects' names are a few that every planner uses: a new name is one
// the planner did not just read, so the planners meet on the same projects.
#include "destek/KayitMetni.h"
#include "plan/Komut.h"
#include "store/ProjeDeposu.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <cstdio>
#include <unistd.h>

namespace {

// Straight to the pipe (standard output is unbuffered), so nothing said is lost when the kill comes.
void Soyle(const QStringList& alanlar)
{
    const QByteArray satir = alanlar.join(QLatin1Char('\t')).toUtf8() + '\n';
    if (std::fwrite(satir.constData(), 1, size_t(satir.size()), stdout) != size_t(satir.size()))
        _exit(4);
}

bool Sonuc(const DepoHatasi& hata, qint64 adim = -1)
{
    QStringList satir = hata ? QStringList{"H", QString::number(hata.numara), hata.aciklama} : QStringList{"K"};
    if (!hata && adim >= 0)
        satir << QString::number(adim);
    Soyle(satir);
    return !hata;
}

bool Sonuc(const KomutHatasi& hata)
{
    if (hata.yersizOnceki.isEmpty())
        return Sonuc(hata.depo);
    Soyle({"H", "Ö", hata.yersizOnceki});
    return false;
}

class Dongu {
public:
    Dongu(ProjeDeposu depo, quint32 tohum, bool ortak)
        : m_depo(std::move(depo)), m_uretec(tohum), m_tohum(tohum), m_ortak(ortak)
    {
    }

    // Picks a command that fits what is stored now, says it, runs it and says how it went.
    bool Adim()
    {
        QStringList projeler;
        if (auto hata = m_depo.ProjeleriOku(projeler))
            return Sonuc(hata);
        ++m_sira;
        const int zar = int(m_uretec.bounded(100));
        if (projeler.isEmpty() || (zar < 10 && projeler.size() < 5)) {
            const Proje p{ProjeAdi(QStringLiteral("PROJE Ç"), projeler), Tarih(), Tarih()};
            Soyle({"B", "ProjeEkle", p.ad, Metin(p.baslama), Metin(p.bitis)});
            return Sonuc(KomutuUygula(m_depo, ProjeEkleKomutu{p}));
        }
        if (zar >= 35 && zar < 45) { // now and then the latest step undone, or the earliest undone redone
            const bool geri = zar < 41;
            Soyle({"B", geri ? "GeriAl" : "Yinele"});
            GecmisAdimi adim;
            const DepoHatasi hata = geri ? m_depo.GeriAl(adim) : m_depo.Yinele(adim);
            return Sonuc(hata, adim.kimlik);
        }
        const QString ad = projeler.at(int(m_uretec.bounded(projeler.size())));
        KayitliProje proje;
        QVector<KayitliFaaliyet> fs;
        if (auto hata = m_depo.ProjeOku(ad, proje); hata || (hata = m_depo.FaaliyetleriOku(ad, fs)))
            return Sonuc(hata);
        if (zar < 30) {
            // Among several planners, mostly the dates under the same name.
            const Proje yeni{m_ortak && zar < 20 ? ad : ProjeAdi(QStringLiteral("PROJE Ş"), projeler), Tarih(), Tarih()};
            Soyle({"B", "ProjeDeğiştir", ad, yeni.ad, Metin(yeni.baslama), Metin(yeni.bitis), KayitMetni(proje)});
            return Sonuc(KomutuUygula(m_depo, ProjeDegistirKomutu{proje, yeni}));
        }
        if (zar < 35) {
            Soyle({"B", "ProjeSil", ad, KayitMetni(proje)});
            return Sonuc(KomutuUygula(m_depo, ProjeSilKomutu{proje}));
        }
        if (zar >= 92 && !fs.isEmpty()) {
            Soyle({"B", "TümFaaliyetleriSil", ad, KayitMetni(fs)});
            return Sonuc(KomutuUygula(m_depo, TumFaaliyetleriSilKomutu{ad, fs}));
        }
        int son = 0; // the greatest code; a new one is the next letter
        for (int i = 1; i < fs.size(); ++i)
            son = fs.at(i).kodu > fs.at(son).kodu ? i : son;
        if (!fs.isEmpty() && (zar >= 80 || fs.size() >= 8)) {
            Soyle({"B", "SonFaaliyetiSil", ad, fs.at(son).kodu, KayitMetni({fs.at(son)})});
            return Sonuc(KomutuUygula(m_depo, SonFaaliyetiSilKomutu{ad, fs}));
        }
        const bool ekle = zar < 65 || fs.isEmpty();
        const int yer = ekle ? int(fs.size()) : int(m_uretec.bounded(fs.size()));
        const QString kod = !ekle ? fs.at(yer).kodu
                            : fs.isEmpty() ? QStringLiteral("A") : QString(QChar(fs.at(son).kodu.at(0).unicode() + 1));
        QStringList oncekiler; // "A" has none; any other follows some of those before it, at least one
        for (int i = 0; i < yer; ++i) {
            if (oncekiler.isEmpty() || m_uretec.bounded(3) == 0)
                oncekiler << fs.at(i).kodu;
        }
        // A new one names the last too: another planner may be deleting that one meanwhile.
        if (ekle && !fs.isEmpty() && !oncekiler.contains(fs.at(son).kodu))
            oncekiler << fs.at(son).kodu;
        const Faaliyet f{kod, Ad(QStringLiteral("iş ")), qint32(m_uretec.bounded(1, 30)), oncekiler.join(',')};
        QStringList satir{"B", ekle ? "FaaliyetEkle" : "FaaliyetDeğiştir", ad, f.kodu, f.adi, QString::number(f.sure),
                          f.oncekiler};
        Soyle(ekle ? satir : satir << KayitMetni({fs.at(yer)}));
        return Sonuc(ekle ? KomutuUygula(m_depo, FaaliyetEkleKomutu{ad, f})
                          : KomutuUygula(m_depo, FaaliyetDegistirKomutu{ad, fs.at(yer), f}));
    }

private:
    QString Ad(const QString& on) const { return QStringLiteral("%1%2-%3").arg(on).arg(m_tohum).arg(m_sira); }
    // A name of its own; among several planners, one of six shared names not among those read.
    QString ProjeAdi(const QString& on, const QStringList& projeler)
    {
        if (!m_ortak)
            return Ad(on);
        const int ilk = int(m_uretec.bounded(6));
        for (int i = 0; i < 6; ++i) {
            const QString ad = QStringLiteral("ORTAK %1").arg((ilk + i) % 6);
            if (!projeler.contains(ad))
                return ad;
        }
        return QStringLiteral("ORTAK %1").arg(ilk);
    }
    QDate Tarih() { return QDate(2026, 1, 1).addDays(m_uretec.bounded(365)); }
    static QString Metin(const QDate& tarih) { return tarih.toString(Qt::ISODate); }

    ProjeDeposu m_depo;
    QRandomGenerator m_uretec;
    quint32 m_tohum;
    bool m_ortak;
    int m_sira = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication uygulama(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const QStringList argumanlar = QCoreApplication::arguments();
    const bool sunucu = argumanlar.value(1) == QLatin1String("--sunucu");
    if (sunucu ? argumanlar.size() < 5 || argumanlar.size() > 6 : argumanlar.size() != 3)
        return 2;
    SunucuAdresi adres;
    DepoHatasi hata;
    if (!sunucu)
        hata = ProjeDeposu::Ac(argumanlar.at(1), QStringLiteral("döngü"));
    else if (!(hata = SunucuAdresiniOku(argumanlar.at(2), adres)))
        hata = ProjeDeposu::SunucuyaBaglan(adres, QStringLiteral("döngü"), ProjeDeposu::Acilis::Denetle, argumanlar.at(3));
    if (hata)
        return Sonuc(hata) ? 0 : 1;
    const int adet = sunucu ? argumanlar.value(5, QStringLiteral("-1")).toInt() : -1;
    Dongu dongu(ProjeDeposu(QStringLiteral("döngü")), argumanlar.at(sunucu ? 4 : 2).toUInt(), adet >= 0);
    Soyle({"hazır"});
    if (adet < 0) {
        while (dongu.Adim()) {
        }
        return 3;
    }
    for (int i = 0; i < adet; ++i)
        dongu.Adim();
    return 0;
}
