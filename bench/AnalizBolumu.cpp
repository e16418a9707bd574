#include "Agler.h"
#include "Bolumler.h"
#include "OlculenPencere.h"

#include "analysis/AgAnalizi.h"
#include "analysis/AgYerlesimi.h"
#include "analysis/IlerlemeAnalizi.h"
#include "export/MspdiYazimi.h"
#include "kernel/OncekiListesi.h"
#include "kernel/TarihEsleme.h"
#include "ui/analysis/AnalizPenceresi.h"
#include "ui/analysis/DenemePaneli.h"

#include <QComboBox>
#include <QSpinBox>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTabWidget>
#include <QWindow>

namespace {

QVector<KayitliFaaliyet> Okunmus(const QVector<Faaliyet>& faaliyetler)
{
    QVector<KayitliFaaliyet> okunan;
    okunan.reserve(faaliyetler.size());
    for (const Faaliyet& f : faaliyetler)
        okunan.append({f.kodu, f.adi, {f.sure, f.sure}, f.oncekiler});
    return okunan;
}

// The analysis under the Monday–Friday calendar with Türkiye's holidays, and what it adds to
// the same under "Her gün": timed in pairs, one right after the other, so the difference is
// the dates' mapping and not the machine's drift.
void TakvimSatirlari(Tablo& tablo, const QVector<KayitliFaaliyet>& faaliyetler, KayitliProje proje, const QString& ayrinti)
{
    const int tekrar = faaliyetler.size() >= 6200 ? 21 : 201;
    KayitliProje isGunleri = proje;
    isGunleri.takvim.tur = TakvimTuru::PazartesiCuma;
    std::vector<double> sureler, farklar;
    QElapsedTimer saat;
    for (int i = 0; i < tekrar; ++i) {
        saat.start();
        AnaliziHesapla(faaliyetler, proje);
        const double herGun = saat.nsecsElapsed() / 1e6;
        saat.start();
        AnaliziHesapla(faaliyetler, isGunleri);
        sureler.push_back(saat.nsecsElapsed() / 1e6);
        farklar.push_back(sureler.back() - herGun);
    }
    const bool buyuk = faaliyetler.size() >= 6200;
    tablo.Satir(QStringLiteral("AnaliziHesapla, Türkiye, Pazartesi–Cuma"), ayrinti, Ozetle(sureler), QStringLiteral("ms"),
                buyuk ? 10.0 : 0.2);
    tablo.Satir(QStringLiteral("AnaliziHesapla, iş günü takviminin eklediği"), ayrinti, Ozetle(farklar),
                QStringLiteral("ms"), buyuk ? 2.0 : 0.05);
}

// About half of every activity's links given a random type and a lag of −10 to +10 days.
QVector<KayitliFaaliyet> KarisikBagli(QVector<KayitliFaaliyet> faaliyetler, std::mt19937& uretec)
{
    for (KayitliFaaliyet& f : faaliyetler) {
        for (const QString& kod : OncekiKodlari(f.oncekiler)) {
            if (uretec() % 2)
                f.baglar.append({kod, BagTuru(uretec() % 4), qint32(uretec() % 21) - 10});
        }
    }
    return faaliyetler;
}

// The forecast from a status date a third of the way through, under the Monday–Friday
// calendar: what started before it half done (finished when planned to finish before it),
// and the plan's own dates kept as the compared baseline.
void IlerlemeSatiri(Tablo& tablo, const QVector<KayitliFaaliyet>& faaliyetler, KayitliProje proje, const QString& ayrinti)
{
    proje.takvim.tur = TakvimTuru::PazartesiCuma;
    const AgAnalizi analiz = AnaliziHesapla(faaliyetler, proje);
    const QDate durum = GununTarihi(analiz.takvim, analiz.ilkIsGunu, analiz.projeBitisGunu / 3);
    ProjeIlerlemesi ilerleme{durum, {}};
    TabanPlani taban{0, QStringLiteral("Taban"), analiz.ilkIsGunu, analiz.ilkIsGunu, analiz.plan.enErkenBitis, {}};
    for (const FaaliyetAnalizi& f : analiz.faaliyetler) {
        taban.satirlar.append({f.kodu, f.baslama, f.bitis, f.ef - f.es});
        if (f.baslama <= durum)
            ilerleme.faaliyetler.insert(f.kodu, {f.baslama, f.bitis < durum ? f.bitis : QDate(), 50, -1});
    }
    const bool buyuk = faaliyetler.size() >= 6200;
    const Olcum olcum = SureOlc(buyuk ? 21 : 201, nullptr, [&] { IlerlemeyiHesapla(analiz, ilerleme, &taban); });
    tablo.Satir(QStringLiteral("IlerlemeyiHesapla, durum tarihinden tahmin ve taban planı"), ayrinti, olcum,
                QStringLiteral("ms"), buyuk ? 15.0 : 0.3);
}

// A plan as sites write them: a main line of work, every other activity a side task after
// some step of it that nothing follows, and every loose end tied to a finish milestone, so
// that thousands of links run from early columns to the last one.
QVector<KayitliFaaliyet> UclariBitiseBagli(int faaliyetSayisi, std::mt19937& uretec)
{
    QVector<KayitliFaaliyet> faaliyetler;
    QStringList uclar;
    for (int i = 0; i + 1 < faaliyetSayisi; ++i) {
        const qint32 sure = qint32(1 + uretec() % 20);
        KayitliFaaliyet f{Kod(i), QStringLiteral("Faaliyet %1").arg(i + 1), {sure, sure}, {}};
        // The main line is the odd rows (and row 0 before them); a side task hangs on one of them.
        if (i > 0)
            f.oncekiler = Kod(i % 2 ? std::max(0, i - 2) : int(uretec() % unsigned(i)) | 1);
        if (i % 2 == 0 && i > 0)
            uclar << Kod(i);
        faaliyetler.append(f);
    }
    uclar << Kod(faaliyetSayisi % 2 ? faaliyetSayisi - 2 : faaliyetSayisi - 3);
    faaliyetler.append({Kod(faaliyetSayisi - 1), QStringLiteral("Teslim"), {0, 0}, uclar.join(QLatin1Char(','))});
    return faaliyetler;
}

// Each activity after the one before it and the one 400 rows above: thousands of links each
// passing 400 columns, more than the layout threads between the boxes.
QVector<KayitliFaaliyet> UzunBagli(int faaliyetSayisi)
{
    QVector<KayitliFaaliyet> faaliyetler;
    for (int i = 0; i < faaliyetSayisi; ++i) {
        QStringList oncekiler;
        for (int j : {i - 1, i - 400}) {
            if (j >= 0)
                oncekiler << Kod(j);
        }
        faaliyetler.append({Kod(i), QStringLiteral("Faaliyet %1").arg(i + 1), {2, 2}, oncekiler.join(QLatin1Char(','))});
    }
    return faaliyetler;
}

void HesaplamaSatirlari(Tablo& tablo)
{
    std::mt19937 uretec(20260312);
    const QDate baslama(2026, 3, 1), bitis(2026, 6, 1);
    const KayitliProje proje{QStringLiteral("P"), {baslama, baslama}, {bitis, bitis}};
    for (AgBicimi bicim : Deney::Bicimler) {
        for (int satirSayisi : {62, 6200}) {
            const QVector<KayitliFaaliyet> faaliyetler = Okunmus(AgKur(bicim, satirSayisi, uretec));
            const Olcum olcum = SureOlc(satirSayisi >= 6200 ? 21 : 201, nullptr,
                                        [&] { AnaliziHesapla(faaliyetler, proje); });
            tablo.Satir(QStringLiteral("AnaliziHesapla"), QStringLiteral("%1, %2 satır").arg(BicimAdi(bicim)).arg(satirSayisi),
                        olcum, QStringLiteral("ms"), satirSayisi >= 6200 ? 10.0 : 0.2);
            TakvimSatirlari(tablo, faaliyetler, proje, QStringLiteral("%1, %2 satır").arg(BicimAdi(bicim)).arg(satirSayisi));
            // A generator of its own, so that the networks of the rows above stay as they were.
            std::mt19937 bagUretec(satirSayisi);
            const QVector<KayitliFaaliyet> bagli = KarisikBagli(faaliyetler, bagUretec);
            const Olcum karisik = SureOlc(satirSayisi >= 6200 ? 21 : 201, nullptr, [&] { AnaliziHesapla(bagli, proje); });
            tablo.Satir(QStringLiteral("AnaliziHesapla, karışık bağ türleri ve gecikmeler"),
                        QStringLiteral("%1, %2 satır").arg(BicimAdi(bicim)).arg(satirSayisi), karisik, QStringLiteral("ms"),
                        satirSayisi >= 6200 ? 12.0 : 0.2);
            // The network diagram's layout of the same, its analysis done beforehand.
            const AgAnalizi bagliAnaliz = AnaliziHesapla(bagli, proje);
            const Olcum yerlesim = SureOlc(satirSayisi >= 6200 ? 21 : 201, nullptr, [&] { AgiYerlestir(bagliAnaliz); });
            tablo.Satir(QStringLiteral("AgiYerlestir, karışık bağ türleri ve gecikmeler"),
                        QStringLiteral("%1, %2 satır").arg(BicimAdi(bicim)).arg(satirSayisi), yerlesim, QStringLiteral("ms"),
                        satirSayisi >= 6200 ? 1000.0 : 5.0);
            IlerlemeSatiri(tablo, bagli, proje, QStringLiteral("%1, %2 satır").arg(BicimAdi(bicim)).arg(satirSayisi));
            // The same network written as Microsoft Project XML, the analysis done beforehand.
            const Rapor rapor{proje, AnaliziHesapla(faaliyetler, proje), {}};
            QByteArray xml;
            const Olcum yazim = SureOlc(satirSayisi >= 6200 ? 21 : 201, nullptr, [&] { MspdiYaz(rapor, xml); });
            tablo.Satir(QStringLiteral("MspdiYaz"), QStringLiteral("%1, %2 satır").arg(BicimAdi(bicim)).arg(satirSayisi),
                        yazim, QStringLiteral("ms"), satirSayisi >= 6200 ? 100.0 : 1.0);
        }
    }
    for (int satirSayisi : {62, 6200}) {
        const AgAnalizi analiz = AnaliziHesapla(UclariBitiseBagli(satirSayisi, uretec), proje);
        const Olcum yerlesim = SureOlc(satirSayisi >= 6200 ? 21 : 201, nullptr, [&] { AgiYerlestir(analiz); });
        tablo.Satir(QStringLiteral("AgiYerlestir"), QStringLiteral("dağınık uçlar bitiş kilometre taşında, %1 satır").arg(satirSayisi),
                    yerlesim, QStringLiteral("ms"), satirSayisi >= 6200 ? 1000.0 : 5.0);
    }
    const AgAnalizi uzun = AnaliziHesapla(UzunBagli(6200), proje);
    tablo.Satir(QStringLiteral("AgiYerlestir"), QStringLiteral("her faaliyet 400 öncekine de bağlı, 6200 satır"),
                SureOlc(21, nullptr, [&] { AgiYerlestir(uzun); }), QStringLiteral("ms"), 1000.0);
}

// Runs the events until the window is on screen and painted.
void Cizilene(QWidget* pencere)
{
    while (!pencere->windowHandle() || !pencere->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EkraniTamamla();
}

void Kapat(TemelForm& ana)
{
    if (AnalizPenceresi* acik = ana.AcikAnalizPenceresi())
        acik->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EkraniTamamla();
}

// The network diagram's tab shown, a selection made in turn on two activities in the middle:
// the table, the main window and the diagram follow it, and the diagram redraws the two boxes.
void AgSecimiSatiri(Tablo& tablo, AnalizPenceresi& pencere, const QString& ayrinti)
{
    QTabWidget* sekmeler = pencere.sekmeler();
    sekmeler->setCurrentIndex(sekmeler->count() - 1);
    EkraniTamamla();
    int sira = 0;
    const Olcum secim = SureOlc(101, nullptr, [&] {
        pencere.SatiriSec(Deney::FaaliyetSayisi / 2 + ++sira % 2);
        EkraniTamamla();
    });
    tablo.Satir(QStringLiteral("Ağ Diyagramı: seçim, çizimle"), ayrinti, secim, QStringLiteral("ms"), 16.0);
    sekmeler->setCurrentIndex(0);
    EkraniTamamla();
}

// A status date, then progress entered again and again on an activity in the middle: the
// window's refresh that follows each entry, painted. The project is left as it was.
void IlerlemeYenilemeSatiri(Tablo& tablo, TemelForm& ana, const QString& ayrinti)
{
    PlanBelgesi& belge = ana.belge();
    const QString proje = belge.seciliProje();
    const QDate durum = belge.plan()->proje.baslama.deger.value_or(QDate(2026, 1, 5)).addDays(10);
    belge.Calistir(DurumTarihiKomutu{proje, belge.plan()->proje.ilerleme.durumTarihi, durum});
    const QString kod = belge.plan()->faaliyetler.at(Deney::FaaliyetSayisi / 2).kodu;
    std::optional<FaaliyetIlerlemesi> onceki;
    int yuzde = 0;
    const Olcum yenileme = SureOlc(
        101,
        [&] {
            const FaaliyetIlerlemesi yeni{durum, QDate(), ++yuzde % 90 + 5, -1};
            belge.Calistir(IlerlemeKomutu{proje, kod, onceki, yeni});
            onceki = yeni;
        },
        [&] {
            ana.AcikAnalizPenceresi()->Yenile();
            EkraniTamamla();
        });
    tablo.Satir(QStringLiteral("İlerleme girişinden sonra Ağ Analizi penceresini yenileme, çizimle"), ayrinti, yenileme,
                QStringLiteral("ms"), 16.0); // one frame at 60 Hz
    belge.Calistir(IlerlemeKomutu{proje, kod, onceki, std::nullopt});
    belge.Calistir(DurumTarihiKomutu{proje, durum, QDate()});
}

} // namespace

void AnalizBolumu(Tablo& tablo, const Deney::Veritabani& vt, const QString& klasor)
{
    // The window keeps its place in settings; the benchmark's go to its own folder.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, klasor);
    tablo.Bolum(QStringLiteral("Ağ analizi ve Gantt şeması"));
    HesaplamaSatirlari(tablo);

    const QString ayrintiSonu = QStringLiteral(", %1 faaliyet, %2").arg(Deney::FaaliyetSayisi).arg(Deney::ProjeSayisi(vt.projeSayisi));
    for (AgBicimi bicim : Deney::Bicimler) {
        OlculenPencere olculen(vt.yol);
        TemelForm& ana = olculen.pencere();
        const int satir = olculen.Satir(Deney::BicimProjesi(bicim));
        const QString ayrinti = BicimAdi(bicim) + ayrintiSonu;
        olculen.Sec(satir);
        EkraniTamamla();
        const Olcum acilis = SureOlc(21, [&] { Kapat(ana); }, [&] {
            ana.AnalizPenceresiniAc();
            Cizilene(ana.AcikAnalizPenceresi());
        });
        tablo.Satir(QStringLiteral("Ağ Analizi penceresini açma, çizimle"), ayrinti, acilis, QStringLiteral("ms"), 50.0);

        // Today's selection alone, then with the analysis window open and following it.
        Kapat(ana);
        const auto sec = [&] {
            olculen.Sec(satir);
            EkraniTamamla();
        };
        const Olcum yalniz = SureOlc(101, [&] { olculen.SecimiKaldir(); }, sec);
        ana.AnalizPenceresiniAc();
        Cizilene(ana.AcikAnalizPenceresi());
        const Olcum birlikte = SureOlc(101, [&] { olculen.SecimiKaldir(); }, sec);
        tablo.Satir(QStringLiteral("ProjeListesi_Click, çizimle"), ayrinti, yalniz, QStringLiteral("ms"));
        tablo.Satir(QStringLiteral("ProjeListesi_Click, analiz penceresi açık, çizimle"), ayrinti, birlikte,
                    QStringLiteral("ms"), 16.0); // one frame at 60 Hz
        olculen.Sec(satir);
        EkraniTamamla();
        // The window painted whole with nothing changed: a selection changes nearly all
        // it shows, so this is about the least it can add to the selection alone.
        const Olcum boyama = SureOlc(101, nullptr, [&] {
            ana.AcikAnalizPenceresi()->repaint();
            EkraniTamamla();
        });
        tablo.Satir(QStringLiteral("Ağ Analizi penceresini yeniden çizme"),
                    ayrinti + QStringLiteral(", değişiklik yok"), boyama, QStringLiteral("ms"));

        AgSecimiSatiri(tablo, *ana.AcikAnalizPenceresi(), ayrinti);

        // A what-if: a slip for an activity in the middle, tried on the document's scenario,
        // the window repainted with the trial.
        DenemePaneli* deneme = ana.AcikAnalizPenceresi()->deneme();
        int gecikme = 0;
        const Olcum dene = SureOlc(101, nullptr, [&] {
            deneme->faaliyet()->setCurrentIndex(Deney::FaaliyetSayisi / 2);
            deneme->gecikme()->setValue(++gecikme % 7 + 1);
            deneme->Dene();
            EkraniTamamla();
        });
        tablo.Satir(QStringLiteral("Ne olur?: Dene, çizimle"), ayrinti, dene, QStringLiteral("ms"), 5.0);
        deneme->Sifirla();
        if (bicim == Deney::Bicimler[0])
            IlerlemeYenilemeSatiri(tablo, ana, ayrinti + QStringLiteral(", durum tarihiyle"));
        Kapat(ana);
    }
}
