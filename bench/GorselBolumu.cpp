#include "Agler.h"
#include "Bolumler.h"
#include "Olcum.h"

#include "drawing/GorselCikti.h"

#include <QApplication>

void GörselBölümü(Tablo& tablo)
{
    tablo.Bölüm(QStringLiteral("Dışa aktarma: resimler ve sayfalar"));
    std::mt19937 üreteç(20261207);
    const QDate başlama(2026, 3, 1), bitiş(2026, 6, 1);
    const QFont yazı = QApplication::font();
    for (int satırSayısı : {62, 6200}) {
        Rapor rapor;
        rapor.proje = {QStringLiteral("P"), {başlama, başlama}, {bitiş, bitiş}};
        QVector<KayıtlıFaaliyet> faaliyetler;
        for (const Faaliyet& f : AğKur(AğBiçimi::Rastgele, satırSayısı, üreteç))
            faaliyetler.append({f.kodu, f.adı, {f.süre, f.süre}, f.öncekiler});
        rapor.analiz = AnaliziHesapla(faaliyetler, rapor.proje);
        const int tekrar = satırSayısı >= 6200 ? 5 : 51;
        const QString ayrıntı = QStringLiteral("rastgele ağ, %1 faaliyet").arg(satırSayısı);
        const std::pair<GörselBiçim, const char*> biçimler[] = {
            {GörselBiçim::Svg, "GörselYaz SVG"}, {GörselBiçim::Png, "GörselYaz PNG"}, {GörselBiçim::Pdf, "GörselYaz PDF"}};
        for (const auto& [biçim, ad] : biçimler) {
            const Ölçüm ölçüm = SüreÖlç(tekrar, nullptr, [&] { GörselYaz(rapor, biçim, yazı); });
            const bool hedefli = biçim == GörselBiçim::Svg && satırSayısı == 62;
            tablo.Satır(QString::fromUtf8(ad), ayrıntı, ölçüm, QStringLiteral("ms"),
                        hedefli ? std::optional<double>(20.0) : std::nullopt);
        }
    }
}
