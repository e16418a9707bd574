#include "Agler.h"
#include "Bolumler.h"
#include "OlculenPencere.h"

#include "analysis/AgAnalizi.h"
#include "export/MspdiYazimi.h"
#include "import/MspdiOkuma.h"
#include "ui/import/IceAktarim.h"
#include "ui/import/IceAktarmaFormu.h"

#include <QCoreApplication>
#include <QFile>
#include <QWindow>

namespace {

// The network written as Microsoft Project XML to `yol`; its size in bytes.
qint64 MspdiDosyasi(const QString& yol, int faaliyetSayisi, std::mt19937& uretec)
{
    const QDate baslama(2026, 3, 1), bitis(2026, 6, 1);
    const KayitliProje proje{QStringLiteral("AKTARILAN"), {baslama, baslama}, {bitis, bitis}};
    QVector<KayitliFaaliyet> faaliyetler;
    for (const Faaliyet& f : AgKur(AgBicimi::Rastgele, faaliyetSayisi, uretec))
        faaliyetler.append({f.kodu, f.adi, {f.sure, f.sure}, f.oncekiler});
    QByteArray xml;
    MspdiYaz({proje, AnaliziHesapla(faaliyetler, proje), {}}, xml);
    QFile dosya(yol);
    if (!dosya.open(QIODevice::WriteOnly) || dosya.write(xml) != xml.size())
        return -1;
    return xml.size();
}

} // namespace

void IceAktarimBolumu(Tablo& tablo, const Deney::Veritabani& vt, const QString& klasor)
{
    tablo.Bolum(QStringLiteral("İçe aktarma"));
    std::mt19937 uretec(20261207);
    const QString kucuk = klasor + QStringLiteral("/aktarilan.xml");
    if (MspdiDosyasi(kucuk, Deney::FaaliyetSayisi, uretec) < 0) {
        tablo.Not(QStringLiteral("İçe aktarma ölçülmedi: %1 yazılamadı.").arg(kucuk));
        return;
    }
    {
        OlculenPencere olculen(vt.yol);
        TemelForm& ana = olculen.pencere();
        IceAktarim::SorucuKur([&](QWidget*) { return std::optional<IceAktarim::Secim>({kucuk, AktarimKaynagi::Mspdi}); });
        const auto kapat = [&] {
            if (IceAktarmaFormu* acik = ana.AcikIceAktarmaFormu())
                acik->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EkraniTamamla();
        };
        // From the file chosen in the open dialog to the preview painted on screen.
        const Olcum olcum = SureOlc(21, kapat, [&] {
            ana.IceAktar();
            IceAktarmaFormu* onizleme = ana.AcikIceAktarmaFormu();
            while (onizleme && (!onizleme->windowHandle() || !onizleme->windowHandle()->isExposed()))
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            EkraniTamamla();
        });
        kapat();
        IceAktarim::SorucuKur({});
        tablo.Satir(QStringLiteral("İçe Aktar, önizleme çizimle"),
                    QStringLiteral("MSPDI, %1 faaliyet").arg(Deney::FaaliyetSayisi), olcum, QStringLiteral("ms"), 50.0);
    }

    // A plan far beyond the 62 codes: read whole, then refused for its size.
    const QString buyuk = klasor + QStringLiteral("/buyuk.xml");
    const qint64 bayt = MspdiDosyasi(buyuk, 12100, uretec);
    const Olcum ret = SureOlc(5, nullptr, [&] { MspdiDosyasiOku(buyuk); });
    tablo.Satir(QStringLiteral("MspdiDosyasiOku, reddedilen"),
                QStringLiteral("%1 MB, 12.100 görev").arg(double(bayt) / 1e6, 0, 'f', 1), ret, QStringLiteral("ms"),
                1000.0);
    QFile::remove(buyuk);

    // A gigabyte (sparse: no disk is used) refused by its size, and the "billion laughs"
    // bomb of ten levels refused before any entity is expanded.
    const QString dev = klasor + QStringLiteral("/dev.xml");
    QFile devDosya(dev);
    if (devDosya.open(QIODevice::WriteOnly) && devDosya.resize(qint64(1) << 30)) {
        devDosya.close();
        tablo.Satir(QStringLiteral("MspdiDosyasiOku, reddedilen"), QStringLiteral("1 GiB"),
                    SureOlc(21, nullptr, [&] { MspdiDosyasiOku(dev); }), QStringLiteral("ms"), 1000.0);
    }
    QFile::remove(dev);
    QByteArray bomba = "<?xml version=\"1.0\"?><!DOCTYPE Project [<!ENTITY a0 \"lol\">";
    for (int i = 1; i <= 10; ++i)
        bomba += QStringLiteral("<!ENTITY a%1 \"%2\">").arg(i).arg(QStringLiteral("&a%1;").arg(i - 1).repeated(10)).toUtf8();
    bomba += "]><Project xmlns=\"http://schemas.microsoft.com/project\"><Name>&a10;</Name></Project>";
    tablo.Satir(QStringLiteral("MspdiOku, reddedilen"), QStringLiteral("varlık bombası, 10 düzey"),
                SureOlc(21, nullptr, [&] { MspdiOku(bomba); }), QStringLiteral("ms"), 1000.0);
}
