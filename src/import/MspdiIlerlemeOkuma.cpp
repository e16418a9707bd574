#include "import/MspdiIlerlemeOkuma.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace {

constexpr double Pay = 1e-9; // what minutes turned into days may leave behind

QDate Gun(const QString& metin)
{
    return QDate::fromString(metin.trimmed().left(10), Qt::ISODate);
}

// Minutes of working time as whole days, a part of a day counted as a day still to do.
std::optional<qint32> Gunler(const QString& metin, int gunlukDakika)
{
    const std::optional<double> dakika = MspdiDakika(metin);
    if (!dakika || *dakika / gunlukDakika > double(std::numeric_limits<qint32>::max()))
        return std::nullopt;
    return qint32(std::ceil(*dakika / gunlukDakika - Pay));
}

} // namespace

std::optional<double> MspdiDakika(const QString& metin)
{
    static const QRegularExpression desen(QStringLiteral(
        R"(^P(?:(\d+(?:\.\d+)?)D)?(?:T(?:(\d+(?:\.\d+)?)H)?(?:(\d+(?:\.\d+)?)M)?(?:(\d+(?:\.\d+)?)S)?)?$)"));
    const QRegularExpressionMatch eslesme = desen.match(metin.trimmed());
    if (!eslesme.hasMatch() || metin.trimmed().size() < 2)
        return std::nullopt;
    return eslesme.captured(1).toDouble() * 1440 + eslesme.captured(2).toDouble() * 60 + eslesme.captured(3).toDouble()
           + eslesme.captured(4).toDouble() / 60;
}

QString IlerlemeyiCevir(const OkunanIlerleme& okunan, qint32 sure, int gunlukDakika, const QString& gorev,
                        std::optional<FaaliyetIlerlemesi>& ilerleme)
{
    FaaliyetIlerlemesi f;
    bool tamam = true;
    f.yuzde = okunan.yuzde.trimmed().isEmpty() ? 0 : okunan.yuzde.trimmed().toInt(&tamam);
    if (!tamam)
        return QStringLiteral("%1 görevinin tamamlanma yüzdesi (PercentComplete = %2) bir sayı değil; dosya aktarılmadı.")
            .arg(gorev, okunan.yuzde.trimmed().left(40));
    const std::pair<QDate*, const QString*> tarihler[] = {{&f.gercekBaslama, &okunan.gercekBaslama},
                                                         {&f.gercekBitis, &okunan.gercekBitis}};
    for (const auto& [tarih, metin] : tarihler) {
        *tarih = Gun(*metin);
        if (!tarih->isValid() && !metin->trimmed().isEmpty() && metin->trimmed() != QLatin1String("NA"))
            return QStringLiteral("%1 görevinin gerçekleşen tarihi (%2) bir tarih değil; tarih uydurulmaz, dosya "
                                  "aktarılmadı.").arg(gorev, metin->trimmed().left(40));
    }
    std::optional<qint32> kalan;
    if (!okunan.kalan.trimmed().isEmpty() && !(kalan = Gunler(okunan.kalan, gunlukDakika)))
        return QStringLiteral("%1 görevinin kalan süresi (RemainingDuration = %2) okunamadı; dosya aktarılmadı.")
            .arg(gorev, okunan.kalan.trimmed().left(40));
    // The remaining days count only where the percent does not already say them.
    if (kalan && !f.gercekBitis.isValid() && *kalan != KalanGun(sure, f))
        f.kalan = *kalan;
    // A task not yet begun has done nothing, whatever re-estimate of it the file holds.
    if (!f.gercekBaslama.isValid() && !f.gercekBitis.isValid()) {
        f.yuzde = 0;
        f.kalan = -1;
    }
    const bool var = f.gercekBaslama.isValid() || f.gercekBitis.isValid() || f.yuzde != 0 || f.kalan >= 0;
    ilerleme = var ? std::optional(f) : std::nullopt;
    return QString();
}

QMap<qint32, TabanSatiri> TabanlariCevir(const QVector<OkunanTaban>& okunanlar, int gunlukDakika, int& atlanan)
{
    QMap<qint32, TabanSatiri> satirlar;
    for (const OkunanTaban& o : okunanlar) {
        bool tamam = false;
        const int numara = o.numara.trimmed().toInt(&tamam);
        TabanSatiri satir{QString(), Gun(o.baslama), Gun(o.bitis), Gunler(o.sure, gunlukDakika).value_or(0)};
        if (!tamam || numara < 0 || numara >= TabanPlaniSiniri || !satir.baslama.isValid()) {
            ++atlanan;
            continue;
        }
        if (!satir.bitis.isValid())
            satir.bitis = satir.baslama;
        satirlar.insert(numara, satir);
    }
    return satirlar;
}

void TabanlariTamamla(TabanPlanlari& tabanlar, QStringList& rapor)
{
    if (tabanlar.planlar.isEmpty())
        return;
    std::sort(tabanlar.planlar.begin(), tabanlar.planlar.end(),
              [](const TabanPlani& a, const TabanPlani& b) { return a.numara < b.numara; });
    QStringList adlar;
    for (TabanPlani& taban : tabanlar.planlar) {
        taban.ad = taban.numara == 0 ? QStringLiteral("Taban Planı") : QStringLiteral("Taban Planı %1").arg(taban.numara);
        adlar << QStringLiteral("«%1»").arg(taban.ad);
        if (taban.baslama.isValid()) // the summary task gave them
            continue;
        for (const TabanSatiri& satir : std::as_const(taban.satirlar)) {
            if (!taban.baslama.isValid() || satir.baslama < taban.baslama)
                taban.baslama = satir.baslama;
            if (!taban.bitis.isValid() || satir.bitis > taban.bitis)
                taban.bitis = satir.bitis;
        }
    }
    rapor << QStringLiteral("%1 taban planı aktarıldı (%2): dosya taban planlarına ad ve kayıt tarihi vermez, "
                            "Microsoft Project'in adları verildi.")
                 .arg(tabanlar.planlar.size())
                 .arg(adlar.join(QStringLiteral(", ")));
}
