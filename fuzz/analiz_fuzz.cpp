// The analysis over arbitrary rows, as another program might have stored them: one
// row per line, code, name, duration and predecessors separated by tabs. It must end,
// agree with the main window, and its figures must hold together.
#include "Dogrula.h"
#include "analysis/AgAnalizi.h"
#include "rules/BolgeselMetin.h"
#include "schedule/Cizelge.h"

#include <QLocale>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boy)
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    const QString metin = QString::fromUtf8(reinterpret_cast<const char*>(veri), qsizetype(boy));
    QVector<KayıtlıFaaliyet> faaliyetler;
    QVector<ÇizelgeSatırı> satırlar;
    for (const QString& satır : metin.split(QLatin1Char('\n'))) {
        const QStringList alan = satır.split(QLatin1Char('\t'));
        bool sayı = false;
        const qint32 süre = alan.value(2).toInt(&sayı);
        Saklı<qint32> saklı{alan.value(2), sayı ? std::optional<qint32>(süre) : std::nullopt};
        faaliyetler.append({alan.value(0), alan.value(1), saklı, alan.value(3)});
        satırlar.append({alan.value(0), alan.value(1), BölgeselMetin::SüreMetni(saklı), alan.value(3), {}, {}});
    }
    KayıtlıProje proje{QStringLiteral("P"), {QDate(2026, 3, 1), QDate(2026, 3, 1)}, {QDate(2026, 3, 11), QDate(2026, 3, 11)}};
    const AğAnalizi analiz = AnaliziHesapla(faaliyetler, proje);
    const ÇizelgeSonucu çizelge = ÇizelgeyiHesapla(satırlar);

    if (!analiz.hesaplanamıyor.isEmpty()) {
        Doğrula(analiz.hesaplanamıyor.startsWith(QStringLiteral("Hesaplanamıyor: ")) && analiz.faaliyetler.isEmpty());
        if (satırlar.size() > 1 && !çizelge.projeBitişGünü)
            Doğrula(analiz.hesaplanamıyor == çizelge.kritikYol);
        return 0;
    }
    Doğrula(satırlar.size() == 1 || analiz.anaPenceredekiYol == çizelge.kritikYol);
    for (int i = 0; i < satırlar.size(); ++i) {
        const FaaliyetAnalizi& f = analiz.faaliyetler.at(i);
        Doğrula(BölgeselMetin::TamSayıOku(satırlar.at(i).es) == f.es);
        Doğrula(BölgeselMetin::TamSayıOku(satırlar.at(i).ef) == f.ef);
        Doğrula(f.toplamBolluk >= 0 && f.serbestBolluk >= 0);
        Doğrula(qint64(f.ls) - f.es == qint64(f.lf) - f.ef && f.kritik == (f.toplamBolluk == 0));
        Doğrula(f.lf <= analiz.projeBitişGünü && !f.neden.isEmpty());
    }
    Doğrula(!analiz.kritikYollar.isEmpty() && analiz.kritikYollar.size() <= KritikYolSınırı);
    // A code stored twice is ordered by its row, so only unique codes list in plain code order.
    QStringList kodlar;
    for (const ÇizelgeSatırı& s : satırlar)
        kodlar << s.kodu;
    kodlar.removeDuplicates();
    if (kodlar.size() == satırlar.size())
        Doğrula(std::is_sorted(analiz.kritikYollar.begin(), analiz.kritikYollar.end()));
    Doğrula(!analiz.kalanYollar.isEmpty() ||
            analiz.kritikYolSayısı == QString::number(analiz.kritikYollar.size()));
    return 0;
}
