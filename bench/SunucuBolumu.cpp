// The main window on a PostgreSQL server: the figures of the file's sections taken the
// same way, and how soon another planner's write shows in the window.
#include "Bolumler.h"
#include "PencereOlcumleri.h"
#include "plan/Komut.h"
#include "store/GeciciBaglanti.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <cstdlib>

namespace {

// What the server is and how it keeps a commit, for the note under the table.
QString SunucuBilgisi(const SunucuAdresi& adres)
{
    const GeciciBaglanti baglanti(adres);
    Deney::Gerekli(baglanti.hata(), GosterilecekAdres(adres));
    QSqlQuery sorgu(baglanti.vt());
    QStringList degerler;
    for (const char* ayar : {"server_version", "fsync", "synchronous_commit"}) {
        sorgu.exec(QStringLiteral("SHOW %1").arg(QLatin1String(ayar)));
        degerler << QStringLiteral("%1 %2").arg(QLatin1String(ayar), sorgu.next() ? sorgu.value(0).toString()
                                                                                    : QStringLiteral("?"));
    }
    return degerler.join(QStringLiteral(", "));
}

// Another planner (a connection of its own, under another owner) takes the last activity
// of Deney::EklenecekProje away or adds it back, `tekrar` changes in all, while the first
// planner's window shows that project. Each figure runs from the other planner's commit
// returning to the window showing the row count changed and repainted; beside it, how long
// the other planner's own write took.
void DegisiklikleriOlc(Tablo& tablo, const SunucuAdresi& adres, int tekrar)
{
    OlculenPencere olculen(adres);
    olculen.Sec(olculen.Satir(Deney::EklenecekProje));
    EkraniTamamla();
    const QTreeWidget* liste = olculen.pencere().FaaliyetlerListesi;

    const GeciciBaglanti diger(adres, ProjeDeposu::Acilis::Denetle, QStringLiteral("ikinci planlamacı"));
    Deney::Gerekli(diger.hata(), QStringLiteral("ikinci bağlantı"));
    const ProjeDeposu depo = diger.depo();

    // Wakes the wait below now and then, so that a change never shown ends the run.
    QTimer uyandirici;
    uyandirici.start(100);
    std::vector<double> gosterme, yazma;
    QElapsedTimer saat;
    for (int i = 0; i < tekrar; ++i) {
        QVector<KayitliFaaliyet> faaliyetler;
        Deney::Gerekli(depo.FaaliyetleriOku(Deney::EklenecekProje, faaliyetler));
        const int onceki = liste->topLevelItemCount();
        if (onceki != faaliyetler.size()) {
            std::fprintf(stderr, "Pencere %d faaliyet gösteriyor, sunucuda %d var\n", onceki, int(faaliyetler.size()));
            std::exit(1);
        }
        // A full project loses its last activity, the other gets it back.
        const bool sil = faaliyetler.size() == Deney::FaaliyetSayisi;
        const Faaliyet yeni{SonrakiKodu(faaliyetler).value_or(QString()), QStringLiteral("Başkasının faaliyeti"), 3,
                            QString()};
        saat.start();
        Deney::Gerekli(sil ? depo.SonFaaliyetiSil(Deney::EklenecekProje, faaliyetler.last())
                           : depo.FaaliyetEkle(Deney::EklenecekProje, yeni));
        const qint64 yazildi = saat.nsecsElapsed();
        while (liste->topLevelItemCount() == onceki) {
            if (saat.elapsed() > 10000) {
                std::fprintf(stderr, "Başka planlamacının %d. değişikliği 10 saniyede gösterilmedi\n", i + 1);
                std::exit(1);
            }
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        EkraniTamamla();
        yazma.push_back(double(yazildi) / 1e6);
        gosterme.push_back(double(saat.nsecsElapsed() - yazildi) / 1e6);
    }
    const QString ayrinti = QStringLiteral("gösterilen projenin %1. faaliyeti silinir ya da geri eklenir")
                                .arg(Deney::FaaliyetSayisi);
    tablo.Satir(QStringLiteral("Başkasının değişikliği: yazması"), ayrinti, Ozetle(std::move(yazma)),
                QStringLiteral("ms"));
    tablo.Satir(QStringLiteral("Başkasının değişikliği: pencerede, çizimle"),
                QStringLiteral("yazması döndükten sonra, ") + ayrinti, Ozetle(std::move(gosterme)),
                QStringLiteral("ms"), 100.0, 1000.0);
}

} // namespace

void SunucuBolumu(Tablo& tablo, const SunucuAdresi& adres, int projeSayisi)
{
    const QString ayrinti = Deney::ProjeSayisi(projeSayisi);
    tablo.Bolum(QStringLiteral("Sunucuda: PostgreSQL, yerel soket, %1").arg(ayrinti));
    {
        OlculenPencere olculen(adres);
        ListeyiOlc(tablo, olculen, ayrinti, 31, 50.0);
    }
    for (AgBicimi bicim : Deney::Bicimler) {
        OlculenPencere olculen(adres);
        SecimiOlc(tablo, olculen, bicim,
                  QStringLiteral("%1, %2 faaliyet").arg(BicimAdi(bicim)).arg(Deney::FaaliyetSayisi), 5.0);
    }
    {
        OlculenPencere olculen(adres);
        FaaliyetEklemeyiOlc(tablo, olculen, Deney::KomutTekrari, 10.0);
    }
    DegisiklikleriOlc(tablo, adres, 101);
    tablo.Not(QStringLiteral("Sunucu: %1.").arg(SunucuBilgisi(adres)));
}
