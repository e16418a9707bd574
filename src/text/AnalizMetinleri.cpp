#include "text/AnalizMetinleri.h"

#include "text/BagMetinleri.h"
#include "text/CizelgeMetinleri.h"
#include "text/TakvimMetinleri.h"

#include "rules/BolgeselMetin.h"

namespace {

QString Tarih(const QDate& tarih)
{
    return tarih.isValid() ? BolgeselMetin::TarihYaz(tarih) : QString();
}

QString Gun(qint64 gun)
{
    return QStringLiteral("%1 gün").arg(gun);
}

// The holidays lost between two dates, a run of days off under one exception name as one.
QVector<TatilDonemi> Donemler(const IsTakvimi& takvim, const QDate& ilk, const QDate& son)
{
    QVector<TatilDonemi> donemler;
    for (const TatilDonemi& d : takvim.KayipTatiller(ilk, son)) {
        if (!d.resmi && !donemler.isEmpty() && !donemler.last().resmi && donemler.last().ad == d.ad
            && takvim.IsGunuSay(donemler.last().son.addDays(1), d.ilk) == 0)
            donemler.last().son = d.son;
        else
            donemler.append(d);
    }
    return donemler;
}

// A sentence names this many holidays; the rest are counted.
constexpr int AdiGecenTatil = 3;

// "B, Kurban Bayramı (27–30 Mayıs) nedeniyle 2 Haziran'da bitiyor": what kept the work from
// `ilk` to `son` from finishing sooner. Empty when no holiday fell in it, as under "Her gün".
QString TatilCumlesi(const IsTakvimi& takvim, const QString& ozne, const QDate& ilk, const QDate& son)
{
    const QVector<TatilDonemi> donemler = Donemler(takvim, ilk, son);
    if (donemler.isEmpty())
        return QString();
    QStringList adlar;
    for (int i = 0; i < donemler.size() && i < AdiGecenTatil; ++i)
        adlar << TakvimMetinleri::DonemAdi(takvim, donemler.at(i));
    if (donemler.size() > AdiGecenTatil)
        adlar << QStringLiteral("%1 tatil daha").arg(donemler.size() - AdiGecenTatil);
    const QString sonuncu = adlar.takeLast();
    const QString hepsi = adlar.isEmpty() ? sonuncu : adlar.join(QStringLiteral(", ")) + QStringLiteral(" ve ") + sonuncu;
    return QStringLiteral("%1, %2 nedeniyle %3 bitiyor").arg(ozne, hepsi, TakvimMetinleri::GunAyda(son));
}

// Link k as its rule reads; plain when it is finish-to-start without lag.
BagAyrintisi Bagi(const AgAnalizi& analiz, int k)
{
    return {analiz.faaliyetler.at(analiz.ag.onceki.at(k)).kodu, analiz.ag.tur.at(k), qint32(analiz.ag.gecikme.at(k))};
}

// Why row i is critical or how far it may slip. A link that is not plain is told by its rule.
QString KritikNedeni(const AgAnalizi& analiz, int i)
{
    const FaaliyetAnalizi& f = analiz.faaliyetler.at(i);
    const auto kod = [&](int satir) { return analiz.faaliyetler.at(satir).kodu; };
    if (!f.kritik) {
        QString sinir = f.neden.ardil < 0
                            ? QStringLiteral("projenin bitişi")
                            : QStringLiteral("%1 faaliyetinin en geç başlaması").arg(kod(f.neden.ardil));
        if (f.neden.ardilBagi >= 0 && !Bagi(analiz, f.neden.ardilBagi).Duz())
            sinir = QStringLiteral("%1 ile bağı (%2)")
                        .arg(kod(f.neden.ardil), BagMetinleri::KuralCumlesi(kod(f.neden.ardil), Bagi(analiz, f.neden.ardilBagi)));
        return QStringLiteral("%1 gün kayabilir; en geç bitişini %2 belirliyor.")
            .arg(QString::number(f.toplamBolluk), sinir);
    }
    QString baslama = f.neden.onceki < 0
                          ? QStringLiteral("hiçbir önceki faaliyeti beklemeden 0. günde başlıyor")
                          : QStringLiteral("%1 bitince başlıyor").arg(kod(f.neden.onceki));
    if (f.neden.oncekiBagi >= 0 && !Bagi(analiz, f.neden.oncekiBagi).Duz())
        baslama = BagMetinleri::KuralCumlesi(f.kodu, Bagi(analiz, f.neden.oncekiBagi));
    const QString etki = f.neden.ardil < 0
                             ? QStringLiteral("gecikirse proje de gecikir")
                             : QStringLiteral("gecikirse %1 faaliyeti de gecikir").arg(kod(f.neden.ardil));
    QString cumle = QStringLiteral("Kritik: %1; %2.").arg(baslama, etki);
    if (f.neden.uzadikcaKisaltir)
        cumle += QStringLiteral(" %1 uzarsa başlangıcı öne çekilir ve üzerinden geçen kritik yol kısalır; kısalırsa "
                                "proje uzar.")
                     .arg(f.kodu);
    return cumle;
}

} // namespace

namespace AnalizMetinleri {

const QStringList& Basliklar()
{
    static const QStringList basliklar{
        QStringLiteral("Kodu"), QStringLiteral("Faaliyet Adı"), QStringLiteral("Süre"),
        QStringLiteral("ES"), QStringLiteral("EF"), QStringLiteral("LS"), QStringLiteral("LF"),
        QStringLiteral("Toplam Bolluk"), QStringLiteral("Serbest Bolluk"), QStringLiteral("Kritik"),
        QStringLiteral("Başlangıç"), QStringLiteral("Bitiş")};
    return basliklar;
}

QString Hucre(const FaaliyetAnalizi& f, int sutun)
{
    switch (sutun) {
    case 0: return f.kodu;
    case 1: return f.adi;
    case 2: return QString::number(qint64(f.ef) - f.es);
    case 3: return QString::number(f.es);
    case 4: return QString::number(f.ef);
    case 5: return QString::number(f.ls);
    case 6: return QString::number(f.lf);
    case 7: return QString::number(f.toplamBolluk);
    case 8: return QString::number(f.serbestBolluk);
    case 9: return f.kritik ? QStringLiteral("Evet") : QStringLiteral("Hayır");
    case 10: return Tarih(f.baslama);
    case 11: return Tarih(f.bitis);
    default: return QString();
    }
}

QString Ipucu(const FaaliyetAnalizi& f)
{
    QStringList satirlar{
        QStringLiteral("%1 – %2").arg(f.kodu, f.adi),
        QStringLiteral("Süre: %1").arg(Gun(qint64(f.ef) - f.es)),
        QStringLiteral("En erken başlama (ES): %1, en erken bitirme (EF): %2").arg(f.es).arg(f.ef),
        QStringLiteral("En geç başlama (LS): %1, en geç bitirme (LF): %2").arg(f.ls).arg(f.lf),
        QStringLiteral("Toplam bolluk: %1, serbest bolluk: %2").arg(Gun(f.toplamBolluk), Gun(f.serbestBolluk)),
    };
    // The finish is the last day of work; a zero-day activity's one date is its start and its finish.
    if (f.baslama.isValid() && f.ef == f.es)
        satirlar << QStringLiteral("Kilometre taşı (0 gün): %1").arg(Tarih(f.baslama));
    else if (f.baslama.isValid())
        satirlar << QStringLiteral("Başlangıç: %1, bitiş: %2%3")
                        .arg(Tarih(f.baslama), Tarih(f.bitis), f.ef > f.es ? QStringLiteral(" (son iş günü)") : QString());
    satirlar << (f.kritik ? QStringLiteral("Kritik yol üzerinde") : QStringLiteral("Kritik değil"));
    return satirlar.join(QLatin1Char('\n'));
}

QString KritikYollar(const AgAnalizi& analiz)
{
    QStringList satirlar;
    satirlar << (analiz.kritikYollar.size() == 1 ? QStringLiteral("Kritik yol:")
                                                  : QStringLiteral("Kritik yollar (%1):").arg(analiz.kritikYolSayisi));
    for (int i = 0; i < analiz.kritikYollar.size(); ++i)
        satirlar << KritikYolSatiri(analiz, i);
    if (!analiz.kalanYolSayisi.isEmpty())
        satirlar << KalanYollar(analiz);
    satirlar << YolNotu(analiz);
    return satirlar.join(QLatin1Char('\n'));
}

QString KalanYollar(const AgAnalizi& analiz)
{
    if (analiz.kalanYolSayisi.isEmpty())
        return QString();
    QString kalan = QStringLiteral("ve %1 yol daha").arg(analiz.kalanYolSayisi);
    // A listing cut shorter than the analysis's (a page heading) may leave out the main window's one.
    if (analiz.anaPenceredekiYolSirasi >= analiz.kritikYollar.size())
        kalan += QStringLiteral(" (ana penceredeki kritik yol %1.)").arg(analiz.anaPenceredekiYolSirasi + 1);
    return kalan;
}

QString YolNotu(const AgAnalizi& analiz)
{
    QString not_ = analiz.kritikYolSayisi == QLatin1String("1")
                       ? QStringLiteral("Projenin tek kritik yolu var.")
                       : QStringLiteral("Projenin %1 kritik yolu var: eşit süren yollar birlikte kritik.")
                             .arg(analiz.kritikYolSayisi);
    // The main window computes nothing for a project of one activity.
    if (analiz.anaPenceredekiYol.isEmpty())
        return not_ + QStringLiteral(" Ana penceredeki \"Hesaplanan Kritik Yol\" tek faaliyetli projede boş kalır.");
    if (analiz.anaPenceredekiYolKritik)
        return not_ + QStringLiteral(" Ana penceredeki \"Hesaplanan Kritik Yol\" (%1) bunlardan biri.")
                          .arg(analiz.anaPenceredekiYol);
    return not_ + QStringLiteral(" Ana penceredeki \"Hesaplanan Kritik Yol\" (%1) bunlardan biri değil: en geç "
                                 "biten önceki faaliyetlerden geriye yürüyerek bulunur ve burada başlamayı "
                                 "belirlemeyen ya da kritik olmayan bir faaliyetten geçiyor.")
                      .arg(analiz.anaPenceredekiYol);
}

QString KritikYolSatiri(const AgAnalizi& analiz, int i)
{
    QString yol = QStringLiteral("%1. %2").arg(i + 1).arg(analiz.kritikYollar.at(i).join(QStringLiteral(" → ")));
    if (i == analiz.anaPenceredekiYolSirasi)
        yol += QStringLiteral("   (ana penceredeki kritik yol)");
    return yol;
}

QString Neden(const AgAnalizi& analiz, int i)
{
    const FaaliyetAnalizi& f = analiz.faaliyetler.at(i);
    const QString tatil = TatilCumlesi(analiz.takvim, f.kodu, f.baslama, f.bitis);
    return tatil.isEmpty() ? KritikNedeni(analiz, i) : KritikNedeni(analiz, i) + QLatin1Char(' ') + tatil + QLatin1Char('.');
}

QString PlanDurumu(const PlanKarsilastirmasi& plan)
{
    if (plan.eksikTarih != EksikTarih::Yok) {
        const QString hangisi = plan.eksikTarih == EksikTarih::Baslama ? QStringLiteral("başlama") : QStringLiteral("bitiş");
        if (plan.eksikTarihYerine.isEmpty())
            return QStringLiteral("Projenin %1 tarihi girilmemiş.").arg(hangisi);
        return QStringLiteral("Projenin %1 tarihi \"%2\" bir tarih değil.").arg(hangisi, plan.eksikTarihYerine);
    }
    if (!plan.pay)
        return QString();
    return *plan.pay >= 0 ? QStringLiteral("%1 gün pay").arg(*plan.pay)
                          : QStringLiteral("%1 gün gecikme").arg(-*plan.pay);
}

QString Plan(const AgAnalizi& analiz)
{
    const PlanKarsilastirmasi& plan = analiz.plan;
    QString metin = QStringLiteral("Proje süresi (F): %1").arg(Gun(analiz.projeBitisGunu));
    if (plan.enErkenBitis.isValid())
        metin += QStringLiteral(", en erken bitiş %1").arg(Tarih(plan.enErkenBitis));
    if (plan.tahminiGunSayisi)
        metin += QStringLiteral("; tahmini gün sayısı %1").arg(*plan.tahminiGunSayisi);
    metin += QStringLiteral(": ") + PlanDurumu(plan);
    // The project's own span: from its day 0, the first row's start, to its finish.
    const QString tatil = analiz.faaliyetler.isEmpty()
                              ? QString()
                              : TatilCumlesi(analiz.takvim, QStringLiteral("Proje"), analiz.faaliyetler.first().baslama,
                                             plan.enErkenBitis);
    if (tatil.isEmpty())
        return metin;
    return metin + (metin.endsWith(QLatin1Char('.')) ? QStringLiteral(" ") : QStringLiteral(". ")) + tatil + QLatin1Char('.');
}

QString Hesaplanamiyor(const AgAnalizi& analiz)
{
    return analiz.hata.Var() ? CizelgeMetinleri::Hesaplanamiyor(analiz.hata, analiz.hataliSatirlar) : QString();
}

} // namespace AnalizMetinleri
