// Drives the store's real write commands on a Proje.mdb in an endless seeded loop,
// to be killed at a random moment. Before each command it prints the command and
// its values on one line ("B", tab, fields joined by tabs), after it "K" when it was
// carried out, or "H", tab, number and text when it was refused (then it stops):
// whoever kills it knows what was done and what was under way.
//   yazim-dongusu <dosya> <tohum>
#include "store/ProjeDeposu.h"

#include <QCoreApplication>
#include <QDate>
#include <QRandomGenerator>
#include <QStringList>
#include <unistd.h>

namespace {

// Straight to the pipe, unbuffered, so nothing said is lost when the kill comes.
void Söyle(const QStringList& alanlar)
{
    const QByteArray satır = alanlar.join(QLatin1Char('\t')).toUtf8() + '\n';
    qint64 yazılan = 0;
    while (yazılan < satır.size()) {
        const ssize_t n = write(STDOUT_FILENO, satır.constData() + yazılan, size_t(satır.size() - yazılan));
        if (n <= 0)
            _exit(4);
        yazılan += n;
    }
}

class Döngü {
public:
    Döngü(ProjeDeposu depo, quint32 tohum) : m_depo(std::move(depo)), m_üreteç(tohum), m_tohum(tohum) {}

    // Picks a command that fits what is stored now, says it, runs it and says how it went.
    bool Adım()
    {
        QStringList projeler;
        if (auto hata = m_depo.ProjeleriOku(projeler))
            return Reddedildi(hata);
        ++m_sıra;
        if (projeler.isEmpty())
            return ProjeEkle();
        const QString proje = projeler.at(int(m_üreteç.bounded(projeler.size())));
        QStringList kodlar;
        if (auto hata = m_depo.KodlarıOku(proje, kodlar))
            return Reddedildi(hata);

        const int zar = int(m_üreteç.bounded(100));
        if (zar < 10 && projeler.size() < 5)
            return ProjeEkle();
        if (zar < 30) {
            const QString yeni = Ad(QStringLiteral("PROJE Ş"));
            const QString başlama = Tarih(), bitiş = Tarih();
            Söyle({"B", "ProjeDeğiştir", proje, yeni, başlama, bitiş});
            return Sonuç(m_depo.ProjeDeğiştir(proje, yeni, başlama, bitiş));
        }
        if (zar < 35) {
            Söyle({"B", "ProjeSil", proje});
            return Sonuç(m_depo.ProjeSil(proje));
        }
        if (zar < 65 || kodlar.isEmpty()) {
            if (kodlar.size() >= 8)
                return SonunuSil(proje);
            const QString kod = kodlar.isEmpty() ? QStringLiteral("A") : QString(QChar(kodlar.last().at(0).unicode() + 1));
            return Faaliyet(QStringLiteral("FaaliyetEkle"), proje, kod, kodlar);
        }
        if (zar < 80)
            return Faaliyet(QStringLiteral("FaaliyetDeğiştir"), proje, kodlar.at(int(m_üreteç.bounded(kodlar.size()))),
                            kodlar);
        if (zar < 92)
            return SonunuSil(proje);
        Söyle({"B", "TümFaaliyetleriSil", proje});
        return Sonuç(m_depo.TümFaaliyetleriSil(proje));
    }

private:
    QString Ad(const QString& ön) const { return QStringLiteral("%1%2-%3").arg(ön).arg(m_tohum).arg(m_sıra); }

    QString Tarih() { return QDate(2026, 1, 1).addDays(m_üreteç.bounded(365)).toString(Qt::ISODate); }

    bool ProjeEkle()
    {
        const QString ad = Ad(QStringLiteral("PROJE Ç"));
        const QString başlama = Tarih(), bitiş = Tarih();
        Söyle({"B", "ProjeEkle", ad, başlama, bitiş});
        return Sonuç(m_depo.ProjeEkle(ad, başlama, bitiş));
    }

    // "A" has no predecessors; any other activity follows some of those before it, at least one.
    bool Faaliyet(const QString& komut, const QString& proje, const QString& kod, const QStringList& kodlar)
    {
        QStringList öncekiler;
        for (const QString& önceki : kodlar) {
            if (önceki < kod && (öncekiler.isEmpty() || m_üreteç.bounded(3) == 0))
                öncekiler << önceki;
        }
        const ::Faaliyet faaliyet{kod, Ad(QStringLiteral("iş ")), QString::number(m_üreteç.bounded(1, 30)),
                                  öncekiler.join(QLatin1Char(','))};
        Söyle({"B", komut, proje, faaliyet.kodu, faaliyet.adı, faaliyet.süre, faaliyet.öncekiler});
        return Sonuç(komut == QLatin1String("FaaliyetEkle") ? m_depo.FaaliyetEkle(proje, faaliyet)
                                                           : m_depo.FaaliyetDeğiştir(proje, faaliyet));
    }

    bool SonunuSil(const QString& proje)
    {
        Söyle({"B", "SonFaaliyetiSil", proje});
        return Sonuç(m_depo.SonFaaliyetiSil(proje));
    }

    bool Sonuç(const DepoHatası& hata)
    {
        if (hata)
            return Reddedildi(hata);
        Söyle({"K"});
        return true;
    }

    bool Reddedildi(const DepoHatası& hata)
    {
        Söyle({"H", QString::number(hata.numara), hata.açıklama});
        return false;
    }

    ProjeDeposu m_depo;
    QRandomGenerator m_üreteç;
    quint32 m_tohum;
    int m_sıra = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication uygulama(argc, argv);
    const QStringList argümanlar = QCoreApplication::arguments();
    if (argümanlar.size() != 3)
        return 2;
    const QString bağlantı = QStringLiteral("döngü");
    if (auto hata = ProjeDeposu::Aç(argümanlar.at(1), bağlantı)) {
        Söyle({"H", QString::number(hata.numara), hata.açıklama});
        return 1;
    }
    Döngü döngü(ProjeDeposu(bağlantı), argümanlar.at(2).toUInt());
    Söyle({"hazır"});
    while (döngü.Adım()) {
    }
    return 3;
}
