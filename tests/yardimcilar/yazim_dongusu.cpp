// Drives the store's real write commands, undo and redo included, on a Proje.mdb in an endless seeded loop,
// to be killed at a random moment. Before each command it prints the command and its
// values on one line ("B", tab, fields joined by tabs), after it "K" when it was
// carried out, or "H", tab, number and text when it was refused (then it stops):
// whoever kills it knows what was done and what was under way.
//   yazim-dongusu <dosya> <tohum>
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

bool Sonuc(const DepoHatasi& hata)
{
    Soyle(hata ? QStringList{"H", QString::number(hata.numara), hata.aciklama} : QStringList{"K"});
    return !hata;
}

class Dongu {
public:
    Dongu(ProjeDeposu depo, quint32 tohum) : m_depo(std::move(depo)), m_uretec(tohum), m_tohum(tohum) {}

    // Picks a command that fits what is stored now, says it, runs it and says how it went.
    bool Adim()
    {
        QStringList projeler;
        if (auto hata = m_depo.ProjeleriOku(projeler))
            return Sonuc(hata);
        ++m_sira;
        const int zar = int(m_uretec.bounded(100));
        if (projeler.isEmpty() || (zar < 10 && projeler.size() < 5)) {
            const Proje p{Ad(QStringLiteral("PROJE Ç")), Tarih(), Tarih()};
            Soyle({"B", "ProjeEkle", p.ad, Metin(p.baslama), Metin(p.bitis)});
            return Sonuc(m_depo.ProjeEkle(p));
        }
        if (zar >= 35 && zar < 45) { // now and then the latest step undone, or the earliest undone redone
            const bool geri = zar < 41;
            Soyle({"B", geri ? "GeriAl" : "Yinele"});
            GecmisAdimi adim;
            return Sonuc(geri ? m_depo.GeriAl(adim) : m_depo.Yinele(adim));
        }
        const QString ad = projeler.at(int(m_uretec.bounded(projeler.size())));
        KayitliProje proje;
        QVector<KayitliFaaliyet> fs;
        if (auto hata = m_depo.ProjeOku(ad, proje); hata || (hata = m_depo.FaaliyetleriOku(ad, fs)))
            return Sonuc(hata);
        if (zar < 30) {
            const Proje yeni{Ad(QStringLiteral("PROJE Ş")), Tarih(), Tarih()};
            Soyle({"B", "ProjeDeğiştir", ad, yeni.ad, Metin(yeni.baslama), Metin(yeni.bitis)});
            return Sonuc(m_depo.ProjeDegistir(proje, yeni));
        }
        if (zar < 35) {
            Soyle({"B", "ProjeSil", ad});
            return Sonuc(m_depo.ProjeSil(proje));
        }
        if (zar >= 92 && !fs.isEmpty()) {
            Soyle({"B", "TümFaaliyetleriSil", ad});
            return Sonuc(m_depo.TumFaaliyetleriSil(ad, fs));
        }
        if (!fs.isEmpty() && (zar >= 80 || fs.size() >= 8)) { // codes go up in the order added
            Soyle({"B", "SonFaaliyetiSil", ad, fs.last().kodu});
            return Sonuc(m_depo.SonFaaliyetiSil(ad, fs.last()));
        }
        const bool ekle = zar < 65 || fs.isEmpty();
        const int yer = ekle ? int(fs.size()) : int(m_uretec.bounded(fs.size()));
        const QString kod = ekle ? QString(QChar(u'A' + yer)) : fs.at(yer).kodu;
        QStringList oncekiler; // "A" has none; any other follows some of those before it, at least one
        for (int i = 0; i < yer; ++i) {
            if (oncekiler.isEmpty() || m_uretec.bounded(3) == 0)
                oncekiler << fs.at(i).kodu;
        }
        const Faaliyet f{kod, Ad(QStringLiteral("iş ")), qint32(m_uretec.bounded(1, 30)), oncekiler.join(',')};
        Soyle({"B", ekle ? "FaaliyetEkle" : "FaaliyetDeğiştir", ad, f.kodu, f.adi, QString::number(f.sure), f.oncekiler});
        return Sonuc(ekle ? m_depo.FaaliyetEkle(ad, f) : m_depo.FaaliyetDegistir(ad, fs.at(yer), f));
    }

private:
    QString Ad(const QString& on) const { return QStringLiteral("%1%2-%3").arg(on).arg(m_tohum).arg(m_sira); }
    QDate Tarih() { return QDate(2026, 1, 1).addDays(m_uretec.bounded(365)); }
    static QString Metin(const QDate& tarih) { return tarih.toString(Qt::ISODate); }

    ProjeDeposu m_depo;
    QRandomGenerator m_uretec;
    quint32 m_tohum;
    int m_sira = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication uygulama(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const QStringList argumanlar = QCoreApplication::arguments();
    if (argumanlar.size() != 3)
        return 2;
    if (auto hata = ProjeDeposu::Ac(argumanlar.at(1), QStringLiteral("döngü")))
        return Sonuc(hata) ? 0 : 1;
    Dongu dongu(ProjeDeposu(QStringLiteral("döngü")), argumanlar.at(2).toUInt());
    Soyle({"hazır"});
    while (dongu.Adim()) {
    }
    return 3;
}
