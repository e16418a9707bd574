#include "import/CsvOkuma.h"

#include "import/AraPlan.h"
#include "import/CsvKayitlari.h"
#include "import/DosyaOkuma.h"
#include "import/HucreOkuma.h"
#include "rules/BolgeselMetin.h"
#include "rules/FaaliyetKurallari.h"
#include "text/BagMetinleri.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <cmath>
#include <limits>

namespace {

enum Sutun { Kod, Kimlik, Ad, Sure, Onceki, Baslangic, Bitis, Es, Seviye, AnahatNo, Iyimser, Olasi, Kotumser, SutunSayisi };

constexpr double GunlukSaat = 8; // Microsoft Project's and ProjectLibre's default working day

// The header names each column goes by: Kavrion's own, then those ProjectLibre,
// GanttProject and Microsoft Project write in English and in Turkish. Microsoft Project's
// PERT fields: "Expected" is the most likely estimate there, not the mean.
const QVector<QStringList>& Basliklar()
{
    static const QVector<QStringList> adlar{
        {"Kodu", "Kod"},
        {"ID", "Kimlik", "Numara"},
        {"Faaliyet Adı", "Name", "Task Name", "Ad", "Adı", "İsim", "Görev Adı"},
        {"Süre", "Duration"},
        {"Öncekiler", "Predecessors", "Öncüller", "Önceki"},
        {"Başlangıç", "Start", "Begin date", "Start Date", "Başlangıç tarihi"},
        {"Bitiş", "Finish", "End date", "Finish Date", "Bitiş tarihi", "Bitim tarihi"},
        {"ES"},
        {"Outline Level", "Anahat Düzeyi"},
        {"Outline Number", "Anahat Numarası"},
        {"İyimser", "Optimistic Duration", "Optimistic Dur.", "İyimser Süre"},
        {"En Olası", "Most Likely Duration", "Expected Duration", "Expected Dur.", "En Olası Süre"},
        {"Kötümser", "Pessimistic Duration", "Pessimistic Dur.", "Kötümser Süre"}};
    return adlar;
}

// A header as compared: case folded, "İ" and "ı" both as "i", blanks around left out.
QString Katla(const QString& metin)
{
    QString katli = metin.trimmed().toCaseFolded();
    katli.remove(QChar(0x0307));
    katli.replace(QChar(0x0131), QLatin1Char('i'));
    return katli;
}

// Kavrion's export puts an apostrophe before a text a spreadsheet would run as a
// formula, also behind apostrophes of its own: exactly one comes off (see CsvYaz).
QString NotrAl(const QString& metin)
{
    qsizetype i = 0;
    while (i < metin.size() && metin.at(i) == QLatin1Char('\''))
        ++i;
    if (i == 0 || i == metin.size() || !QStringLiteral("=+-@\t\r").contains(metin.at(i)))
        return metin;
    return metin.mid(1);
}

QString AyiriciAdi(QChar ayrac)
{
    return ayrac == QLatin1Char(';')   ? QStringLiteral("noktalı virgül (;)")
           : ayrac == QLatin1Char(',') ? QStringLiteral("virgül (,)")
                                       : QStringLiteral("sekme");
}

class Okuyucu {
public:
    explicit Okuyucu(const QLocale& yerel) : m_yerel(yerel) {}

    AktarimSonucu Oku(const QByteArray& icerik, const QString& projeAdi)
    {
        if (icerik.size() > EnBuyukAktarimDosyasi)
            return Reddet(BuyukDosyaNedeni(QStringLiteral("Dosya")));
        QStringDecoder cozucu(QStringDecoder::Utf8);
        QString metin = cozucu.decode(icerik);
        if (cozucu.hasError())
            return Reddet(QStringLiteral("Dosya UTF-8 değil: Kavrion CSV'yi UTF-8 okur. Dosyayı kaynak programda ya da "
                                         "hesap tablosunda \"CSV UTF-8\" olarak kaydedip yeniden deneyin."));
        if (metin.startsWith(QChar(0xFEFF)))
            metin.remove(0, 1);
        m_ara.proje.ad = projeAdi;
        m_ara.okuma << (icerik.startsWith("\xEF\xBB\xBF") ? QStringLiteral("Kodlama: UTF-8, bayt sırası işaretiyle (BOM).")
                                                          : QStringLiteral("Kodlama: UTF-8, bayt sırası işareti (BOM) yok."));
        const QChar ayrac = AyiriciBul(metin);
        QString hata;
        const auto kayitlar = CsvKayitlari(metin, ayrac, hata);
        if (!kayitlar)
            return Reddet(hata + QStringLiteral(" Dosya aktarılmadı."));
        if (kayitlar->isEmpty())
            return Reddet(QStringLiteral("Dosya boş: aktarılacak bir plan bulunamadı."));
        if (!Basligi(kayitlar->first()))
            return Reddet(m_ret);
        for (qsizetype r = 1; r < kayitlar->size() && m_ret.isEmpty(); ++r) {
            // GanttProject writes its resources below the tasks, under a header of their own.
            if (Taninan(kayitlar->at(r).alanlar).size() >= 2) {
                m_ara.okuma << QStringLiteral("%1. satırda ikinci bir tablo başlıyor (GanttProject kaynakları görevlerin "
                                              "altına yazar): oradan sonrası okunmadı.")
                                   .arg(kayitlar->at(r).satir);
                break;
            }
            Satir(kayitlar->at(r), int(r));
        }
        if (!m_ret.isEmpty())
            return Reddet(m_ret);
        Sonuclar();
        return Donustur(m_ara);
    }

private:
    // The separator under which the header names the most known columns; Excel's
    // "sep=;" line says it outright and is then no record.
    QChar AyiriciBul(QString& metin)
    {
        static const QRegularExpression sep(QStringLiteral("^sep=([;,\\t])\\r?\\n"));
        if (const QRegularExpressionMatch e = sep.match(metin); e.hasMatch()) {
            metin.replace(0, e.capturedLength() - 1, QString()); // the line's break stays, so lines keep their numbers
            m_ara.okuma << QStringLiteral("Ayırıcı: %1, dosyanın «sep=» satırından.").arg(AyiriciAdi(e.captured(1).at(0)));
            return e.captured(1).at(0);
        }
        QChar enIyi = QLatin1Char(',');
        std::pair<int, qsizetype> enIyiSayi{-1, 0};
        for (QChar ayrac : {QLatin1Char(';'), QLatin1Char(','), QLatin1Char('\t')}) {
            QString hata;
            const auto ilk = CsvKayitlari(metin, ayrac, hata, 1);
            if (!ilk || ilk->isEmpty())
                continue;
            const std::pair<int, qsizetype> sayi{int(Taninan(ilk->first().alanlar).size()), ilk->first().alanlar.size()};
            if (sayi > enIyiSayi)
                enIyi = ayrac, enIyiSayi = sayi;
        }
        m_ara.okuma << QStringLiteral("Ayırıcı: %1.").arg(AyiriciAdi(enIyi));
        return enIyi;
    }

    // Which known column each header cell is; the first of a kind counts.
    static QVector<std::pair<int, int>> Taninan(const QStringList& basliklar)
    {
        QVector<std::pair<int, int>> bulunan; // (column kind, cell)
        QVector<bool> var(SutunSayisi);
        for (int j = 0; j < basliklar.size(); ++j) {
            const QString katli = Katla(basliklar.at(j));
            for (int k = 0; k < SutunSayisi; ++k) {
                if (var[k])
                    continue;
                for (const QString& ad : Basliklar().at(k))
                    if (Katla(ad) == katli) {
                        bulunan.append({k, j});
                        var[k] = true;
                    }
            }
        }
        return bulunan;
    }

    bool Basligi(const CsvKaydi& baslik)
    {
        m_basliklar = baslik.alanlar;
        m_sutun.fill(-1, SutunSayisi);
        QStringList eslesen;
        for (const auto& [k, j] : Taninan(m_basliklar)) {
            m_sutun[k] = j;
            eslesen << QStringLiteral("«%1»").arg(m_basliklar.at(j));
        }
        m_kavrion = m_sutun[Kod] >= 0 && m_basliklar.at(m_sutun[Kod]) == QLatin1String("Kodu") && m_sutun[Ad] >= 0
                    && m_basliklar.at(m_sutun[Ad]) == QStringLiteral("Faaliyet Adı");
        if (m_sutun[Ad] < 0 || m_sutun[Sure] < 0) {
            QStringList gerekenler;
            for (int k : {int(Ad), int(Sure)})
                gerekenler << Basliklar().at(k).join(QStringLiteral(", "));
            m_ret = QStringLiteral("İlk satırda bir ad ve bir süre sütunu bulunamadı (tanınan adlar: %1; süre için: %2). "
                                   "İlk satır sütun adlarını taşımalı; dosya aktarılmadı.")
                        .arg(gerekenler.at(0), gerekenler.at(1));
            return false;
        }
        m_ara.okuma << QStringLiteral("Tanınan sütunlar: %1.").arg(eslesen.join(QStringLiteral(", ")));
        if (m_kavrion)
            m_ara.okuma << QStringLiteral("Kavrion'un kendi CSV'si: faaliyetler kodlarıyla birbirini gösteriyor; formül "
                                          "koruması için başa yazılan kesme işareti (') kaldırıldı.");
        else
            m_ara.okuma << (m_sutun[Kimlik] >= 0 ? QStringLiteral("Öncüller «%1» sütunundaki kimliklerle gösteriliyor.")
                                                       .arg(m_basliklar.at(m_sutun[Kimlik]))
                                                 : QStringLiteral("Kimlik sütunu yok: öncüller satır sırasıyla (1, 2, …) "
                                                                  "gösteriliyor sayıldı."));
        return true;
    }

    QString Hucre(const CsvKaydi& kayit, int sutun) const
    {
        if (m_sutun[sutun] < 0)
            return QString();
        const QString metin = kayit.alanlar.value(m_sutun[sutun]);
        return m_kavrion ? NotrAl(metin) : metin;
    }

    void Hata(const CsvKaydi& kayit, int sutun, const QString& neden)
    {
        m_ret = QStringLiteral("Satır %1, sütun %2 («%3»): «%4» %5. Okunamayan bir hücre ne bugüne ne sıfıra çevrilir; "
                               "dosya aktarılmadı.")
                    .arg(kayit.satir)
                    .arg(m_sutun[sutun] + 1)
                    .arg(m_basliklar.at(m_sutun[sutun]), Hucre(kayit, sutun).left(60), neden);
    }

    // Days, with what the cell said recorded; nothing (and m_ret set) when it is no duration.
    std::optional<double> Gun(const CsvKaydi& kayit, int sutun, const QString& metin)
    {
        const std::optional<SureHucresi> sure = SureHucresiOku(metin);
        if (!sure) {
            Hata(kayit, sutun, QStringLiteral("bir süre değil"));
            return std::nullopt;
        }
        if (!sure->ondalik.isNull())
            m_ondalik.insert(sure->ondalik);
        return sure->deger / (sure->saat ? (sure->gecen ? 24 : GunlukSaat) : 1);
    }

    QDate Tarih(const CsvKaydi& kayit, int sutun)
    {
        const QString metin = Hucre(kayit, sutun);
        if (metin.trimmed().isEmpty())
            return QDate();
        if (!m_tarihBicimi)
            m_tarihBicimi = TarihBicimiBul(metin, m_yerel);
        const QDate tarih = m_tarihBicimi ? TarihHucresiOku(metin, *m_tarihBicimi, m_yerel) : QDate();
        if (!tarih.isValid())
            Hata(kayit, sutun,
                 m_tarihBicimi ? QStringLiteral("dosyanın tarih biçimiyle (%1) bir tarih değil").arg(TarihBicimiAdi(*m_tarihBicimi, m_yerel))
                               : QStringLiteral("bir tarih değil (ISO, gg.aa.yyyy ya da bölgesel kısa biçim beklenir)"));
        return tarih;
    }

    void Satir(const CsvKaydi& kayit, int sira)
    {
        bool bos = true;
        for (int k = 0; k < SutunSayisi; ++k)
            bos = bos && Hucre(kayit, k).trimmed().isEmpty();
        if (bos)
            return;
        AraGorev g;
        g.ad = Hucre(kayit, Ad);
        g.etiket = QStringLiteral("satır %1").arg(kayit.satir);
        g.anahtar = m_kavrion ? Hucre(kayit, Kod) : m_sutun[Kimlik] >= 0 ? Hucre(kayit, Kimlik).trimmed() : QString::number(sira);
        const QString sureMetni = Hucre(kayit, Sure);
        const auto gun = Gun(kayit, Sure, sureMetni);
        if (!gun)
            return;
        g.sure = *gun;
        if (const auto sure = SureHucresiOku(sureMetni); sure->gecen)
            m_ara.rapor << GecenSureSatiri(g);
        else if (sure->saat)
            m_ara.rapor << SaatSatiri(g, sure->deger, GunlukSaat);
        if (!Oncekiler(kayit, g) || !TahminOku(kayit, g))
            return;
        if (!SeviyeOku(kayit, g))
            return;
        const QDate baslangic = Tarih(kayit, Baslangic), bitis = Tarih(kayit, Bitis);
        if (!m_ret.isEmpty())
            return;
        if (baslangic.isValid() && (!m_enErken.isValid() || baslangic < m_enErken))
            m_enErken = baslangic;
        if (bitis.isValid() && (!m_enGec.isValid() || bitis > m_enGec))
            m_enGec = bitis;
        HaftaSonlarinaBak(baslangic, bitis, g.sure);
        const QString es = Hucre(kayit, Es).trimmed();
        if (!es.isEmpty() && baslangic.isValid() && !m_esliBaslama.isValid()) {
            bool tamam = false;
            const qint64 gunSayisi = es.toLongLong(&tamam);
            if (!tamam)
                return Hata(kayit, Es, QStringLiteral("bir gün sayısı değil"));
            m_esliBaslama = baslangic.addDays(-gunSayisi);
        }
        m_ara.gorevler.append(g);
    }

    // Whether the dates look counted in working days: none on a weekend, and an activity
    // spanning one that lasts fewer days than its dates are apart.
    void HaftaSonlarinaBak(const QDate& baslangic, const QDate& bitis, double sure)
    {
        for (const QDate& gun : {baslangic, bitis})
            m_haftaSonuYok = m_haftaSonuYok && (!gun.isValid() || gun.dayOfWeek() < Qt::Saturday);
        if (baslangic.isValid() && bitis.isValid() && baslangic < bitis)
            m_haftaSonuAtlaniyor |= (bitis.dayOfWeek() < baslangic.dayOfWeek() || baslangic.daysTo(bitis) >= 7)
                                    && baslangic.daysTo(bitis) + 1 > sure;
    }

    bool Oncekiler(const CsvKaydi& kayit, AraGorev& g)
    {
        const QString liste = Hucre(kayit, Onceki);
        if (liste.trimmed().isEmpty())
            return true;
        if (m_kavrion)
            return KavrionBaglari(kayit, liste, g);
        // Microsoft Project writes "3", "3FS", "3SS+2 days", "3FS+50%", GanttProject "3-FS", "2-SS=P1D"; both
        // list them with ";" or ",". A Turkish Microsoft Project names the types BB, BaBa, BiBi and BaBi.
        static const QRegularExpression bag(
            QStringLiteral(R"(^\s*([\p{L}\p{N}_.]+?)\s*-?(FS|SS|FF|SF|BB|BaBa|BiBi|BaBi)?\s*)"
                           R"((?:=\s*(-?)P(-?)(\d+(?:[.,]\d+)?)D|([+-])\s*(.+))?\s*$)"),
            QRegularExpression::CaseInsensitiveOption);
        for (const QString& parca : liste.split(QRegularExpression(QStringLiteral("[;,]")), Qt::SkipEmptyParts)) {
            const QRegularExpressionMatch e = bag.match(parca);
            if (!e.hasMatch()) {
                Hata(kayit, Onceki, QStringLiteral("bir öncül listesi değil"));
                return false;
            }
            AraBag b{e.captured(1), BagTuruBul(e.captured(2))};
            if (e.capturedLength(5) > 0) { // GanttProject's ISO 8601 days
                b.gecikme = e.captured(5).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
                if (e.capturedLength(3) + e.capturedLength(4) == 1)
                    b.gecikme = -b.gecikme;
            } else if (e.capturedLength(6) > 0 && !GecikmeOku(kayit, e.captured(7), e.captured(6) == QLatin1String("-"), b)) {
                return false;
            }
            g.bagli.append(b);
        }
        return true;
    }

    // A type as Microsoft Project and GanttProject name it, or as Kavrion does; a link without one is FS.
    static BagTuru BagTuruBul(const QString& ad)
    {
        static const QHash<QString, BagTuru> turler{
            {"FS", BagTuru::BitisBaslama}, {"SS", BagTuru::BaslamaBaslama}, {"FF", BagTuru::BitisBitis},
            {"SF", BagTuru::BaslamaBitis}};
        for (BagTuru tur : {BagTuru::BitisBaslama, BagTuru::BaslamaBaslama, BagTuru::BitisBitis, BagTuru::BaslamaBitis})
            if (ad.compare(BagMetinleri::KisaAd(tur), Qt::CaseInsensitive) == 0)
                return tur;
        return turler.value(ad.toUpper(), BagTuru::BitisBaslama);
    }

    // A lag after its sign: a duration ("2 days", "4h", "3 edays") or a percentage of the predecessor's.
    bool GecikmeOku(const CsvKaydi& kayit, const QString& metin, bool eksi, AraBag& b)
    {
        b.yazilan = (eksi ? QStringLiteral("-") : QString()) + metin.trimmed();
        static const QRegularExpression yuzde(QStringLiteral(R"(^\s*(\d+(?:[.,]\d+)?)\s*%\s*$)"));
        if (const QRegularExpressionMatch e = yuzde.match(metin); e.hasMatch()) {
            b.birim = GecikmeBirimi::Yuzde;
            b.gecikme = e.captured(1).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
        } else {
            const auto gun = Gun(kayit, Onceki, metin);
            if (!gun)
                return false;
            const auto sure = SureHucresiOku(metin);
            b.birim = sure->gecen ? GecikmeBirimi::GecenGun : sure->saat ? GecikmeBirimi::Saat : GecikmeBirimi::IsGunu;
            b.gecikme = *gun;
        }
        if (eksi)
            b.gecikme = -b.gecikme;
        return true;
    }

    // Kavrion's own list: codes, each perhaps followed by its link, "A,C BaBa+2" (see CsvYaz).
    bool KavrionBaglari(const CsvKaydi& kayit, const QString& liste, AraGorev& g)
    {
        static const QRegularExpression bag(QStringLiteral(R"(^(BB|BaBa|BiBi|BaBi)(?:([+-])(\d+))?$)"));
        for (const QString& parca : liste.split(QLatin1Char(','))) {
            const QString ek = parca.mid(1).trimmed();
            const QRegularExpressionMatch e = bag.match(ek);
            if (!ek.isEmpty() && !e.hasMatch()) {
                Hata(kayit, Onceki, QStringLiteral("bir öncül listesi değil"));
                return false;
            }
            AraBag b{parca.left(1), ek.isEmpty() ? BagTuru::BitisBaslama : BagTuruBul(e.captured(1))};
            b.gecikme = (e.captured(2) == QLatin1String("-") ? -1 : 1) * e.captured(3).toDouble();
            g.bagli.append(b);
        }
        return true;
    }

    // The three estimate cells: all empty (no estimate), or each a whole number of days
    // in the duration's forms and the three in order; anything else stops the import.
    bool TahminOku(const CsvKaydi& kayit, AraGorev& g)
    {
        UcNoktaTahmini t;
        qint32* gunler[] = {&t.iyimser, &t.olasi, &t.kotumser};
        int dolu = 0;
        for (int k = Iyimser; k <= Kotumser; ++k) {
            const QString metin = Hucre(kayit, k);
            if (metin.trimmed().isEmpty())
                continue;
            ++dolu;
            const auto gun = Gun(kayit, k, metin);
            if (!gun)
                return false;
            if (!(*gun >= 0 && *gun <= std::numeric_limits<qint32>::max()) || std::abs(*gun - std::round(*gun)) > 1e-9) {
                Hata(kayit, k, QStringLiteral("bir tahmin değil: 0 ile %1 arasında tam gün olmalı")
                                   .arg(std::numeric_limits<qint32>::max()));
                return false;
            }
            *gunler[k - Iyimser] = qint32(std::round(*gun));
        }
        if (dolu == 0)
            return true;
        const QString neden = dolu < 3 ? QStringLiteral("Tahminin üç süresi (iyimser, en olası, kötümser) birlikte "
                                                        "verilmeli ya da üçü de boş bırakılmalı.")
                                       : TahminHatasi(t);
        if (!neden.isEmpty()) {
            m_ret = QStringLiteral("Satır %1: %2 Dosya aktarılmadı.").arg(kayit.satir).arg(neden);
            return false;
        }
        g.tahmin = t;
        return true;
    }

    bool SeviyeOku(const CsvKaydi& kayit, AraGorev& g)
    {
        const QString duzey = Hucre(kayit, Seviye).trimmed(), numara = Hucre(kayit, AnahatNo).trimmed();
        if (!duzey.isEmpty()) {
            bool tamam = false;
            g.seviye = duzey.toInt(&tamam);
            if (!tamam || g.seviye < 0) {
                Hata(kayit, Seviye, QStringLiteral("bir düzey değil"));
                return false;
            }
        } else if (!numara.isEmpty()) {
            g.seviye = int(numara.count(QLatin1Char('.'))) + 1;
        }
        return true;
    }

    void Sonuclar()
    {
        QStringList ondalik;
        for (QChar isaret : m_ondalik)
            ondalik << (isaret == QLatin1Char(',') ? QStringLiteral("virgül") : QStringLiteral("nokta"));
        ondalik.sort();
        m_ara.okuma << (ondalik.isEmpty() ? QStringLiteral("Ondalık işareti: kesirli süre yok.")
                                          : QStringLiteral("Ondalık işareti: %1.").arg(ondalik.join(QStringLiteral(" ve "))));
        m_ara.okuma << (m_tarihBicimi ? QStringLiteral("Tarihler: %1.").arg(TarihBicimiAdi(*m_tarihBicimi, m_yerel))
                                      : QStringLiteral("Dosyada faaliyet tarihi yok."));
        if (m_esliBaslama.isValid()) {
            m_ara.proje.baslama = m_esliBaslama;
            m_ara.okuma << QStringLiteral("Projenin başlama tarihi ilk tarihli faaliyetin başlangıcından ES gün geri "
                                          "sayılarak bulundu: %1.").arg(BolgeselMetin::TarihYaz(m_esliBaslama));
        } else {
            m_ara.proje.baslama = m_enErken;
            m_ara.okuma << (m_enErken.isValid() ? QStringLiteral("Projenin başlama tarihi en erken başlangıç: %1.")
                                                      .arg(BolgeselMetin::TarihYaz(m_enErken))
                                                : QStringLiteral("Dosyada başlama tarihi yok: önizlemede girilmeli."));
        }
        m_ara.proje.bitis = m_enGec;
        if (m_haftaSonuYok && m_haftaSonuAtlaniyor)
            m_ara.okuma << QStringLiteral("Faaliyet tarihleri hafta sonlarını atlıyor, ama CSV takvim taşımaz: takvim "
                                          "tahmin edilmedi, proje «Her gün» takvimiyle gelir; tarihler için aktardıktan "
                                          "sonra projenin takvimini seçin.");
        m_ara.okuma << (m_enGec.isValid() ? QStringLiteral("Projenin bitiş tarihi en geç bitiş: %1.").arg(BolgeselMetin::TarihYaz(m_enGec))
                                          : QStringLiteral("Dosyada bitiş tarihi yok: önizlemede girilmeli."));
    }

    QLocale m_yerel;
    AraPlan m_ara;
    QString m_ret;
    QStringList m_basliklar;
    QVector<int> m_sutun;
    bool m_kavrion = false;
    std::optional<TarihBicimi> m_tarihBicimi;
    QSet<QChar> m_ondalik;
    QDate m_enErken, m_enGec, m_esliBaslama;
    bool m_haftaSonuYok = true, m_haftaSonuAtlaniyor = false;
};

} // namespace

AktarimSonucu CsvOku(const QByteArray& icerik, const QLocale& yerel)
{
    return Okuyucu(yerel).Oku(icerik, QString());
}

AktarimSonucu CsvDosyasiOku(const QString& yol, const QLocale& yerel)
{
    QString neden;
    const std::optional<QByteArray> icerik = AktarimDosyasiniOku(yol, neden);
    if (!icerik)
        return Reddet(neden);
    AktarimSonucu sonuc = Okuyucu(yerel).Oku(*icerik, QFileInfo(yol).completeBaseName());
    if (sonuc.plan)
        sonuc.plan->okuma << QStringLiteral("CSV proje adı taşımaz: proje dosyanın adıyla adlandırıldı.");
    return sonuc;
}
