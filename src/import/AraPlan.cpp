#include "import/AraPlan.h"

#include "kernel/Sira.h"
#include "rules/FaaliyetKurallari.h"
#include "text/BagMetinleri.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace {

constexpr int KodSayisi = 62; // "A" to "~"
constexpr double Pay = 1e-9;  // what minutes turned into days may leave behind

const QString BaslangicAdi = QStringLiteral("Başlangıç");

// The kinds of lag conversion, each reported on one line.
enum Cevrim { KesirliGun, SaatCevrimi, GecenGunCevrimi, YuzdeCevrimi, CevrimSayisi };

// What the user must accept, gathered per task so that each gets one line.
struct Onay {
    QStringList satirlar;
    bool kesir = false, ikinciBag = false;

    QString Metin() const
    {
        QStringList olacaklar;
        if (ikinciBag)
            olacaklar << QStringLiteral("aynı iki görev arasındaki ikinci bağlar atılır");
        if (kesir)
            olacaklar << QStringLiteral("kesirli süreler bir üst tam güne yuvarlanır");
        return olacaklar.isEmpty() ? QString()
                                   : QStringLiteral("Kabul ediyorum: ") + olacaklar.join(QStringLiteral("; ")) + QLatin1Char('.');
    }
};

} // namespace

AktarimSonucu Reddet(const QString& neden)
{
    return {std::nullopt, neden};
}

QString GorevAdi(const AraGorev& gorev)
{
    if (gorev.ad.trimmed().isEmpty())
        return QStringLiteral("adsız görev (%1)").arg(gorev.etiket);
    if (gorev.ad.size() <= 60)
        return QStringLiteral("«%1»").arg(gorev.ad);
    const int kesim = gorev.ad.at(59).isHighSurrogate() ? 59 : 60; // half an emoji is no character
    return QStringLiteral("«%1…»").arg(gorev.ad.left(kesim));
}

QString GunMetni(double gun)
{
    return QString::number(gun, 'g', 12).replace(QLatin1Char('.'), QLatin1Char(','));
}

namespace {

// The tasks with their summaries flattened: a summary is no activity, its leaves take
// its links, and a link to it goes to its leaves.
struct Duzlem {
    const QVector<AraGorev>& g;
    std::vector<bool> ozet;
    QHash<QString, int> dizin;          // task by key
    QVector<QVector<int>> altYapraklar; // per task: a summary's leaves
    QVector<int> yapraklar;             // per leaf: its task, in the file's order
    QVector<int> yaprakSirasi;          // per task: its place among the leaves, -1 for a summary
    QVector<QVector<AraBag>> baglar;    // per leaf: its own links and its summaries'
};

// What the leaves become: their predecessors among the leaves and whole-day durations.
struct Yapraklar {
    QVector<QVector<int>> onceki;
    QVector<QVector<BagAyrintisi>> baglar; // beside onceki: each link's type and lag
    QVector<qint32> sureler;
    Onay onay;
    QVector<QStringList> cevrimler = QVector<QStringList>(CevrimSayisi); // the lags converted, by kind
};

int YaprakSayisi(const QVector<AraGorev>& g, std::vector<bool>& ozet)
{
    const int n = int(g.size());
    ozet.assign(g.size(), false);
    int yaprakSayisi = 0;
    for (int i = 0; i < n; ++i) {
        ozet[i] = i + 1 < n && g[i + 1].seviye > g[i].seviye;
        yaprakSayisi += ozet[i] ? 0 : 1;
    }
    return yaprakSayisi;
}

QString KodSiniri()
{
    return QStringLiteral("Kavrion bir projede en çok %1 faaliyet tutar (kodları \"A\" ile \"~\" arası); "
                          "planı kaynak programda bölüp parça parça aktarın.").arg(KodSayisi);
}

// Empty when every key names one task; otherwise why not.
QString DiziniKur(Duzlem& d)
{
    for (int i = 0; i < int(d.g.size()); ++i) {
        if (const auto yer = d.dizin.constFind(d.g[i].anahtar); yer != d.dizin.cend())
            return QStringLiteral("%1 ile %2 aynı kimliği (%3) taşıyor: bağların hangisini gösterdiği bilinemez.")
                .arg(GorevAdi(d.g[*yer]), GorevAdi(d.g[i]), d.g[i].anahtar);
        d.dizin.insert(d.g[i].anahtar, i);
    }
    return QString();
}

void Duzle(Duzlem& d, QStringList& rapor)
{
    const QVector<AraGorev>& g = d.g;
    const int n = int(g.size());
    d.altYapraklar.resize(n);
    d.yaprakSirasi.fill(-1, n);
    QVector<int> ustler;
    for (int i = 0; i < n; ++i) {
        while (!ustler.isEmpty() && g[ustler.last()].seviye >= g[i].seviye)
            ustler.removeLast();
        if (d.ozet[i]) {
            ustler.append(i);
            continue;
        }
        QVector<AraBag> b = g[i].bagli;
        for (int ust : ustler) {
            d.altYapraklar[ust].append(i);
            b += g[ust].bagli;
        }
        d.yaprakSirasi[i] = int(d.yapraklar.size());
        d.yapraklar.append(i);
        d.baglar.append(b);
    }
    for (int i = 0; i < n; ++i) {
        if (d.ozet[i])
            rapor << QStringLiteral("%1 özet görevi faaliyet olmadı: altındaki %2 görev faaliyet oldu; özete "
                                    "giden ve özetten çıkan bağlar bu görevlere uygulandı.")
                         .arg(GorevAdi(g[i]))
                         .arg(d.altYapraklar[i].size());
    }
}

// A link's lag in whole working days, rounded up, a conversion noted; nothing when it
// is beyond what a link holds.
std::optional<qint32> GecikmeGunu(const AraBag& bag, const AraGorev& gorev, const AraGorev& hedef, Yapraklar& s)
{
    const double gun = bag.birim == GecikmeBirimi::Yuzde ? bag.gecikme / 100 * hedef.sure : bag.gecikme;
    const double tam = std::ceil(gun - Pay);
    if (!(std::abs(tam) <= GecikmeSiniri))
        return std::nullopt;
    const bool kesir = std::abs(gun - std::round(gun)) > Pay;
    const Cevrim tur = bag.birim == GecikmeBirimi::Saat       ? SaatCevrimi
                       : bag.birim == GecikmeBirimi::GecenGun ? GecenGunCevrimi
                       : bag.birim == GecikmeBirimi::Yuzde    ? YuzdeCevrimi
                                                              : KesirliGun;
    if (tur != KesirliGun || kesir)
        s.cevrimler[tur] << QStringLiteral("%1 ← %2: %3 → %4 iş günü")
                                .arg(GorevAdi(gorev), GorevAdi(hedef),
                                     bag.yazilan.isEmpty() ? GunMetni(gun) + QStringLiteral(" gün") : bag.yazilan)
                                .arg(qint32(tam));
    return qint32(tam);
}

// Adds the link from leaf p to leaf y. One link a pair is kept: of two of one type the
// larger lag binds, of two types the first stays and the second is noted.
void BagEkle(Yapraklar& s, int y, int p, const BagAyrintisi& bag, const QString& hedefAdi, QStringList& olacaklar)
{
    const qsizetype j = s.onceki[y].indexOf(p);
    if (j < 0) {
        s.onceki[y].append(p);
        s.baglar[y].append(bag);
    } else if (s.baglar[y][j].tur == bag.tur) {
        s.baglar[y][j].gecikme = std::max(s.baglar[y][j].gecikme, bag.gecikme);
    } else {
        olacaklar << QStringLiteral("%1 ile ikinci bağı (%2) atılacak").arg(hedefAdi, BagMetinleri::KisaAd(bag.tur));
        s.onay.ikinciBag = true;
    }
}

// Leaf y's predecessors with their links; empty, or why a link is refused.
QString OnculleriOku(const Duzlem& d, int y, Yapraklar& s, QStringList& olacaklar)
{
    const AraGorev& gorev = d.g[d.yapraklar[y]];
    for (const AraBag& bag : d.baglar[y]) {
        const auto bulunan = d.dizin.constFind(bag.onceki);
        if (bulunan == d.dizin.cend())
            return QStringLiteral("%1 görevinin öncülü (%2) dosyada yok: bağ hiçbir görevi göstermiyor.")
                .arg(GorevAdi(gorev), bag.onceki);
        const AraGorev& hedef = d.g[*bulunan];
        const std::optional<qint32> gecikme = GecikmeGunu(bag, gorev, hedef, s);
        if (!gecikme)
            return QStringLiteral("%1 görevinin %2 ile bağındaki gecikme (%3) Kavrion'un tutabileceği bir gecikme "
                                  "değil: gecikme −%4 ile +%4 iş günü arasında olmalı.")
                .arg(GorevAdi(gorev), GorevAdi(hedef),
                     bag.yazilan.isEmpty() ? GunMetni(bag.gecikme) + QStringLiteral(" gün") : bag.yazilan)
                .arg(GecikmeSiniri);
        for (int h : d.ozet[*bulunan] ? d.altYapraklar[*bulunan] : QVector<int>{*bulunan})
            BagEkle(s, y, d.yaprakSirasi[h], {QString(), bag.tur, *gecikme}, GorevAdi(hedef), olacaklar);
    }
    return QString();
}

// One report line for each kind of lag conversion, naming every link it changed.
void CevrimleriYaz(const Yapraklar& s, QStringList& rapor)
{
    static const char* const nedenler[CevrimSayisi] = {
        "kesirli gün olarak verilmiş",
        "saat olarak verilmiş (günlük çalışma saatiyle güne çevrildi)",
        "geçen süre (takvim günü) olarak verilmiş (takvim günleri iş günü sayıldı)",
        "öncülün süresinin yüzdesi olarak verilmiş (öncülün süresiyle güne çevrildi)"};
    for (int tur = 0; tur < CevrimSayisi; ++tur)
        if (!s.cevrimler[tur].isEmpty())
            rapor << QStringLiteral("%1 bağın gecikmesi %2; Kavrion gecikmeyi projenin takviminin tam iş günleriyle "
                                    "sayar, kesirli olan bir üst tam güne yuvarlandı: %3.")
                         .arg(s.cevrimler[tur].size())
                         .arg(QString::fromUtf8(nedenler[tur]), s.cevrimler[tur].join(QStringLiteral("; ")));
}

// Leaf y's duration in whole days, a fraction noted; empty, or why the duration is refused.
QString SureyiOku(const AraGorev& gorev, int y, Yapraklar& s, QStringList& olacaklar)
{
    QVector<qint32>& sureler = s.sureler;
    if (gorev.sure < 0 || !(gorev.sure <= std::numeric_limits<qint32>::max()))
        return QStringLiteral("%1 görevinin süresi (%2 gün) Kavrion'un tutabileceği bir süre değil: süre 0 "
                              "ile %3 gün arasında olmalı.")
            .arg(GorevAdi(gorev), GunMetni(gorev.sure))
            .arg(std::numeric_limits<qint32>::max());
    sureler[y] = qint32(std::ceil(gorev.sure - Pay));
    if (std::abs(gorev.sure - std::round(gorev.sure)) > Pay) {
        olacaklar << QStringLiteral("%1 günlük süresi %2 güne yuvarlanacak").arg(GunMetni(gorev.sure)).arg(sureler[y]);
        s.onay.kesir = true;
    }
    return QString();
}

// Empty when every leaf's links and duration can be taken; otherwise the first refusal.
QString YapraklariOku(const Duzlem& d, Yapraklar& s)
{
    const int m = int(d.yapraklar.size());
    s.onceki.resize(m);
    s.baglar.resize(m);
    s.sureler.resize(m);
    for (int y = 0; y < m; ++y) {
        const AraGorev& gorev = d.g[d.yapraklar[y]];
        QStringList olacaklar;
        QString red = OnculleriOku(d, y, s, olacaklar);
        if (red.isEmpty())
            red = SureyiOku(gorev, y, s, olacaklar);
        if (!red.isEmpty())
            return red;
        if (!olacaklar.isEmpty())
            s.onay.satirlar << GorevAdi(gorev) + QStringLiteral(": ") + olacaklar.join(QStringLiteral("; ")) + QLatin1Char('.');
    }
    return QString();
}

QString DonguReddi(const Duzlem& d, const QVector<int>& dongu)
{
    QStringList adlar;
    for (int y : dongu)
        adlar << GorevAdi(d.g[d.yapraklar[y]]);
    return QStringLiteral("Bağlar bir döngü kuruyor: %1. Bir faaliyet öncüllerinden önce bitemez; "
                          "döngüyü kaynak programda kaldırıp yeniden aktarın.")
        .arg(adlar.join(QStringLiteral(" → ")));
}

// Codes from "A" in the order `sira`, after the start activity when there is one.
// The task's progress and baseline rows under its new code; a row of a baseline the project does
// not list adds that baseline, its dates to come from its rows.
void IlerlemeyiKodla(const AraGorev& gorev, const QString& kod, AktarimPlani& plan)
{
    if (gorev.ilerleme)
        plan.ilerleme.faaliyetler.insert(kod, *gorev.ilerleme);
    for (auto satir = gorev.tabanlar.cbegin(); satir != gorev.tabanlar.cend(); ++satir) {
        auto taban = std::find_if(plan.tabanlar.planlar.begin(), plan.tabanlar.planlar.end(),
                                  [&](const TabanPlani& t) { return t.numara == satir.key(); });
        if (taban == plan.tabanlar.planlar.end()) {
            plan.tabanlar.planlar.append(TabanPlani{satir.key(), {}, {}, {}, {}, {}});
            taban = plan.tabanlar.planlar.end() - 1;
        }
        taban->satirlar.append(*satir);
        taban->satirlar.last().kodu = kod;
    }
}

void Kodla(const Duzlem& d, const Yapraklar& s, const QVector<int>& sira, const QStringList& koksuzler,
           bool baslangic, AktarimPlani& plan)
{
    const QVector<AraGorev>& g = d.g;
    const int m = int(sira.size());
    QString kod;
    QVector<QString> kodlar(m);
    if (baslangic) {
        kod = *SonrakiKod(kod);
        plan.faaliyetler.append({kod, BaslangicAdi, 0, QString()});
        plan.rapor << QStringLiteral("%1 (A, 0 gün) eklendi: öncülü olmayan %2 faaliyet (%3) onu izliyor. Değiştirme "
                                     "penceresi ilkinden sonraki her faaliyette bir öncül ister; böylece plan öncül "
                                     "uydurmadan düzenlenebilir.")
                          .arg(QStringLiteral("«%1»").arg(BaslangicAdi))
                          .arg(koksuzler.size())
                          .arg(koksuzler.join(QStringLiteral(", ")));
    }
    for (int sirada = 0; sirada < m; ++sirada) {
        const int y = sira[sirada];
        const AraGorev& gorev = g[d.yapraklar[y]];
        kod = *SonrakiKod(kod);
        kodlar[y] = kod;
        QStringList oncekiKodlari;
        QVector<BagAyrintisi> baglar;
        for (int j = 0; j < s.onceki[y].size(); ++j) {
            oncekiKodlari << kodlar[s.onceki[y][j]];
            if (!s.baglar[y][j].Duz())
                baglar.append({oncekiKodlari.last(), s.baglar[y][j].tur, s.baglar[y][j].gecikme});
        }
        if (baslangic && oncekiKodlari.isEmpty())
            oncekiKodlari << QStringLiteral("A");
        plan.faaliyetler.append({kod, gorev.ad, s.sureler[y], oncekiKodlari.join(QLatin1Char(',')), baglar});
        if (gorev.tahmin)
            plan.tahminler.insert(kod, *gorev.tahmin);
        IlerlemeyiKodla(gorev, kod, plan);
        if (y != sirada)
            plan.rapor << QStringLiteral("%1 faaliyetler arasında %2. sıradaydı, %3. sıraya alındı: öncülleri üstünde "
                                         "olmalı (ileri geçiş yalnız üstteki satırları okur).")
                              .arg(GorevAdi(gorev))
                              .arg(y + 1)
                              .arg(sirada + 1);
    }
}

} // namespace

AktarimSonucu Donustur(const AraPlan& ara)
{
    Duzlem d{ara.gorevler, {}, {}, {}, {}, {}, {}};
    const int yaprakSayisi = YaprakSayisi(d.g, d.ozet);
    if (yaprakSayisi == 0)
        return Reddet(QStringLiteral("Dosyada hiç görev yok: aktarılacak bir plan bulunamadı."));
    if (yaprakSayisi > KodSayisi)
        return Reddet(QStringLiteral("Dosyada %1 görev var; ").arg(yaprakSayisi) + KodSiniri());
    if (const QString red = DiziniKur(d); !red.isEmpty())
        return Reddet(red);

    AktarimPlani plan{ara.proje, {}, ara.rapor, {}, {}, ara.okuma, {}, ara.takvim, {ara.ilerleme.durumTarihi, {}},
                      ara.tabanlar};
    Duzle(d, plan.rapor);
    Yapraklar s;
    if (const QString red = YapraklariOku(d, s); !red.isEmpty())
        return Reddet(red);
    CevrimleriYaz(s, plan.rapor);

    QVector<int> dongu;
    const QVector<int> sira = Sirala(s.onceki, dongu);
    if (sira.isEmpty())
        return Reddet(DonguReddi(d, dongu));

    const int m = int(d.yapraklar.size());
    QStringList koksuzler;
    for (int y : sira)
        if (s.onceki[y].isEmpty())
            koksuzler << GorevAdi(d.g[d.yapraklar[y]]);
    const bool baslangic = koksuzler.size() > 1;
    if (baslangic && m + 1 > KodSayisi)
        return Reddet(QStringLiteral("Dosyada %1 görev var ve %2 tanesinin öncülü yok; onları izleyecek bir başlangıç "
                                     "faaliyetiyle %3 faaliyet olur. ")
                          .arg(m)
                          .arg(koksuzler.size())
                          .arg(m + 1)
                      + KodSiniri());

    Kodla(d, s, sira, koksuzler, baslangic, plan);
    plan.onaylanacaklar = s.onay.satirlar;
    plan.onayMetni = s.onay.Metin();
    return {plan, QString()};
}

QString SaatSatiri(const AraGorev& gorev, double saat, double gunlukSaat)
{
    const double gun = saat / gunlukSaat;
    return QStringLiteral("%1 süresi saat olarak verilmiş: %2 saat, günde %3 saatle %4 gün%5.")
        .arg(GorevAdi(gorev), GunMetni(saat), GunMetni(gunlukSaat), GunMetni(gun),
             std::abs(gun - std::round(gun)) > Pay ? QStringLiteral("; kesirli gün, onaylanırsa bir üst tam güne yuvarlanır")
                                                   : QStringLiteral("; tam gün, yuvarlanmadı"));
}

QString GecenSureSatiri(const AraGorev& gorev, bool isGunu)
{
    if (isGunu)
        return QStringLiteral("%1 süresi geçen süre (takvim günü) olarak verilmiş: %2 takvim günü %2 iş günü sayıldı, "
                              "çünkü Kavrion süreleri projenin takviminin iş günleriyle sayar; bitişi dosyadakinden "
                              "geç olabilir.")
            .arg(GorevAdi(gorev), GunMetni(gorev.sure));
    return QStringLiteral("%1 süresi geçen süre (takvim günü) olarak verilmiş: %2 takvim günü %2 gün sayıldı, çünkü "
                          "Kavrion her günü iş günü sayar.")
        .arg(GorevAdi(gorev), GunMetni(gorev.sure));
}
