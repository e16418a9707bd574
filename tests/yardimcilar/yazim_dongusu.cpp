// Drives the store's real write commands on a Proje.mdb in an endless seeded loop,
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
void Söyle(const QStringList& alanlar)
{
    const QByteArray satır = alanlar.join(QLatin1Char('\t')).toUtf8() + '\n';
    if (std::fwrite(satır.constData(), 1, size_t(satır.size()), stdout) != size_t(satır.size()))
        _exit(4);
}

bool Sonuç(const DepoHatası& hata)
{
    Söyle(hata ? QStringList{"H", QString::number(hata.numara), hata.açıklama} : QStringList{"K"});
    return !hata;
}

class Döngü {
public:
    Döngü(ProjeDeposu depo, quint32 tohum) : m_depo(std::move(depo)), m_üreteç(tohum), m_tohum(tohum) {}

    // Picks a command that fits what is stored now, says it, runs it and says how it went.
    bool Adım()
    {
        QStringList projeler;
        if (auto hata = m_depo.ProjeleriOku(projeler))
            return Sonuç(hata);
        ++m_sıra;
        const int zar = int(m_üreteç.bounded(100));
        if (projeler.isEmpty() || (zar < 10 && projeler.size() < 5)) {
            const Proje p{Ad(QStringLiteral("PROJE Ç")), Tarih(), Tarih()};
            Söyle({"B", "ProjeEkle", p.ad, Metin(p.başlama), Metin(p.bitiş)});
            return Sonuç(m_depo.ProjeEkle(p));
        }
        const QString ad = projeler.at(int(m_üreteç.bounded(projeler.size())));
        KayıtlıProje proje;
        QVector<KayıtlıFaaliyet> fs;
        if (auto hata = m_depo.ProjeOku(ad, proje); hata || (hata = m_depo.FaaliyetleriOku(ad, fs)))
            return Sonuç(hata);
        if (zar < 30) {
            const Proje yeni{Ad(QStringLiteral("PROJE Ş")), Tarih(), Tarih()};
            Söyle({"B", "ProjeDeğiştir", ad, yeni.ad, Metin(yeni.başlama), Metin(yeni.bitiş)});
            return Sonuç(m_depo.ProjeDeğiştir(proje, yeni));
        }
        if (zar < 35) {
            Söyle({"B", "ProjeSil", ad});
            return Sonuç(m_depo.ProjeSil(proje));
        }
        if (zar >= 92 && !fs.isEmpty()) {
            Söyle({"B", "TümFaaliyetleriSil", ad});
            return Sonuç(m_depo.TümFaaliyetleriSil(ad, fs));
        }
        if (!fs.isEmpty() && (zar >= 80 || fs.size() >= 8)) { // codes go up in the order added
            Söyle({"B", "SonFaaliyetiSil", ad, fs.last().kodu});
            return Sonuç(m_depo.SonFaaliyetiSil(ad, fs.last()));
        }
        const bool ekle = zar < 65 || fs.isEmpty();
        const int yer = ekle ? int(fs.size()) : int(m_üreteç.bounded(fs.size()));
        const QString kod = ekle ? QString(QChar(u'A' + yer)) : fs.at(yer).kodu;
        QStringList öncekiler; // "A" has none; any other follows some of those before it, at least one
        for (int i = 0; i < yer; ++i) {
            if (öncekiler.isEmpty() || m_üreteç.bounded(3) == 0)
                öncekiler << fs.at(i).kodu;
        }
        const Faaliyet f{kod, Ad(QStringLiteral("iş ")), qint32(m_üreteç.bounded(1, 30)), öncekiler.join(',')};
        Söyle({"B", ekle ? "FaaliyetEkle" : "FaaliyetDeğiştir", ad, f.kodu, f.adı, QString::number(f.süre), f.öncekiler});
        return Sonuç(ekle ? m_depo.FaaliyetEkle(ad, f) : m_depo.FaaliyetDeğiştir(ad, fs.at(yer), f));
    }

private:
    QString Ad(const QString& ön) const { return QStringLiteral("%1%2-%3").arg(ön).arg(m_tohum).arg(m_sıra); }
    QDate Tarih() { return QDate(2026, 1, 1).addDays(m_üreteç.bounded(365)); }
    static QString Metin(const QDate& tarih) { return tarih.toString(Qt::ISODate); }

    ProjeDeposu m_depo;
    QRandomGenerator m_üreteç;
    quint32 m_tohum;
    int m_sıra = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication uygulama(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const QStringList argümanlar = QCoreApplication::arguments();
    if (argümanlar.size() != 3)
        return 2;
    if (auto hata = ProjeDeposu::Aç(argümanlar.at(1), QStringLiteral("döngü")))
        return Sonuç(hata) ? 0 : 1;
    Döngü döngü(ProjeDeposu(QStringLiteral("döngü")), argümanlar.at(2).toUInt());
    Söyle({"hazır"});
    while (döngü.Adım()) {
    }
    return 3;
}
