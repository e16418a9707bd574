#include "Bolumler.h"
#include "OlculenPencere.h"

#include "analysis/AgAnalizi.h"
#include "export/MspdiYazimi.h"
#include "ui/analysis/AnalizPenceresi.h"

#include <QCoreApplication>
#include <QSettings>
#include <QWindow>

namespace {

QVector<KayıtlıFaaliyet> Okunmuş(const QVector<Faaliyet>& faaliyetler)
{
    QVector<KayıtlıFaaliyet> okunan;
    okunan.reserve(faaliyetler.size());
    for (const Faaliyet& f : faaliyetler)
        okunan.append({f.kodu, f.adı, {f.süre, f.süre}, f.öncekiler});
    return okunan;
}

void HesaplamaSatırları(Tablo& tablo)
{
    std::mt19937 üreteç(20260312);
    const QDate başlama(2026, 3, 1), bitiş(2026, 6, 1);
    const KayıtlıProje proje{QStringLiteral("P"), {başlama, başlama}, {bitiş, bitiş}};
    for (AğBiçimi biçim : Deney::Biçimler) {
        for (int satırSayısı : {62, 6200}) {
            const QVector<KayıtlıFaaliyet> faaliyetler = Okunmuş(AğKur(biçim, satırSayısı, üreteç));
            const Ölçüm ölçüm = SüreÖlç(satırSayısı >= 6200 ? 21 : 201, nullptr,
                                        [&] { AnaliziHesapla(faaliyetler, proje); });
            tablo.Satır(QStringLiteral("AnaliziHesapla"), QStringLiteral("%1, %2 satır").arg(BiçimAdı(biçim)).arg(satırSayısı),
                        ölçüm, QStringLiteral("ms"), satırSayısı >= 6200 ? 10.0 : 0.2);
            // The same network written as Microsoft Project XML, the analysis done beforehand.
            const Rapor rapor{proje, AnaliziHesapla(faaliyetler, proje)};
            QByteArray xml;
            const Ölçüm yazım = SüreÖlç(satırSayısı >= 6200 ? 21 : 201, nullptr, [&] { MspdiYaz(rapor, başlama, xml); });
            tablo.Satır(QStringLiteral("MspdiYaz"), QStringLiteral("%1, %2 satır").arg(BiçimAdı(biçim)).arg(satırSayısı),
                        yazım, QStringLiteral("ms"), satırSayısı >= 6200 ? 100.0 : 1.0);
        }
    }
}

// Runs the events until the window is on screen and painted.
void Çizilene(QWidget* pencere)
{
    while (!pencere->windowHandle() || !pencere->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EkranıTamamla();
}

void Kapat(TemelForm& ana)
{
    if (AnalizPenceresi* açık = ana.AçıkAnalizPenceresi())
        açık->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EkranıTamamla();
}

} // namespace

void AnalizBölümü(Tablo& tablo, const Deney::Veritabanı& vt, const QString& klasör)
{
    // The window keeps its place in settings; the benchmark's go to its own folder.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, klasör);
    tablo.Bölüm(QStringLiteral("Ağ analizi ve Gantt şeması"));
    HesaplamaSatırları(tablo);

    const QString ayrıntıSonu = QStringLiteral(", %1 faaliyet, %2").arg(Deney::FaaliyetSayısı).arg(Deney::ProjeSayısı(vt.projeSayısı));
    for (AğBiçimi biçim : Deney::Biçimler) {
        ÖlçülenPencere ölçülen(vt.yol);
        TemelForm& ana = ölçülen.pencere();
        const int satır = ölçülen.Satır(Deney::BiçimProjesi(biçim));
        const QString ayrıntı = BiçimAdı(biçim) + ayrıntıSonu;
        ölçülen.Seç(satır);
        EkranıTamamla();
        const Ölçüm açılış = SüreÖlç(21, [&] { Kapat(ana); }, [&] {
            ana.AnalizPenceresiniAç();
            Çizilene(ana.AçıkAnalizPenceresi());
        });
        tablo.Satır(QStringLiteral("Ağ Analizi penceresini açma, çizimle"), ayrıntı, açılış, QStringLiteral("ms"), 50.0);

        // Today's selection alone, then with the analysis window open and following it.
        Kapat(ana);
        const auto seç = [&] {
            ölçülen.Seç(satır);
            EkranıTamamla();
        };
        const Ölçüm yalnız = SüreÖlç(101, [&] { ölçülen.SeçimiKaldır(); }, seç);
        ana.AnalizPenceresiniAç();
        Çizilene(ana.AçıkAnalizPenceresi());
        const Ölçüm birlikte = SüreÖlç(101, [&] { ölçülen.SeçimiKaldır(); }, seç);
        tablo.Satır(QStringLiteral("ProjeListesi_Click, çizimle"), ayrıntı, yalnız, QStringLiteral("ms"));
        tablo.Satır(QStringLiteral("ProjeListesi_Click, analiz penceresi açık, çizimle"), ayrıntı, birlikte,
                    QStringLiteral("ms"), yalnız.medyan + 5.0);
        Kapat(ana);
    }
}
