#include "Agler.h"
#include "Bolumler.h"
#include "Olcum.h"

#include "drawing/GorselCikti.h"

#include <QApplication>

void GorselBolumu(Tablo& tablo)
{
    tablo.Bolum(QStringLiteral("Dışa aktarma: resimler ve sayfalar"));
    std::mt19937 uretec(20261207);
    const QDate baslama(2026, 3, 1), bitis(2026, 6, 1);
    const QFont yazi = QApplication::font();
    for (int satirSayisi : {62, 6200}) {
        Rapor rapor;
        rapor.proje = {QStringLiteral("P"), {baslama, baslama}, {bitis, bitis}};
        QVector<KayitliFaaliyet> faaliyetler;
        for (const Faaliyet& f : AgKur(AgBicimi::Rastgele, satirSayisi, uretec))
            faaliyetler.append({f.kodu, f.adi, {f.sure, f.sure}, f.oncekiler});
        rapor.analiz = AnaliziHesapla(faaliyetler, rapor.proje);
        const int tekrar = satirSayisi >= 6200 ? 5 : 51;
        const QString ayrinti = QStringLiteral("rastgele ağ, %1 faaliyet").arg(satirSayisi);
        const std::pair<GorselBicim, const char*> bicimler[] = {
            {GorselBicim::Svg, "GörselYaz SVG"}, {GorselBicim::Png, "GörselYaz PNG"}, {GorselBicim::Pdf, "GörselYaz PDF"}};
        for (const auto& [bicim, ad] : bicimler) {
            const Olcum olcum = SureOlc(tekrar, nullptr, [&] { GorselYaz(rapor, bicim, yazi); });
            const bool hedefli = bicim == GorselBicim::Svg && satirSayisi == 62;
            tablo.Satir(QString::fromUtf8(ad), ayrinti, olcum, QStringLiteral("ms"),
                        hedefli ? std::optional<double>(20.0) : std::nullopt);
        }
        // The network diagram cut over pages with its page map: seconds at thousands, so timed once.
        const Olcum ag = SureOlc(satirSayisi >= 6200 ? 1 : 21, nullptr, [&] { AgGorseliYaz(rapor, GorselBicim::Pdf, yazi); });
        tablo.Satir(QStringLiteral("AgGorseliYaz PDF, sayfalara bölünmüş"), ayrinti, ag, QStringLiteral("ms"), std::nullopt);
    }
}
