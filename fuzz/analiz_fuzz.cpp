// The analysis over arbitrary rows, as another program might have stored them: one
// row per line, code, name, duration and predecessors separated by tabs. It must end,
// agree with the main window, and its figures must hold together.
#include "Dogrula.h"
#include "analysis/AgAnalizi.h"
#include "kernel/Cizelge.h"
#include "text/AnalizMetinleri.h"
#include "text/CizelgeMetinleri.h"

#include <QLocale>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boy)
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    const QString metin = QString::fromUtf8(reinterpret_cast<const char*>(veri), qsizetype(boy));
    QVector<KayitliFaaliyet> faaliyetler;
    for (const QString& satir : metin.split(QLatin1Char('\n'))) {
        const QStringList alan = satir.split(QLatin1Char('\t'));
        bool sayi = false;
        const qint32 sure = alan.value(2).toInt(&sayi);
        Sakli<qint32> sakli{alan.value(2), sayi ? std::optional<qint32>(sure) : std::nullopt};
        faaliyetler.append({alan.value(0), alan.value(1), sakli, alan.value(3)});
    }
    KayitliProje proje{QStringLiteral("P"), {QDate(2026, 3, 1), QDate(2026, 3, 1)}, {QDate(2026, 3, 11), QDate(2026, 3, 11)}};
    const AgAnalizi analiz = AnaliziHesapla(faaliyetler, proje);
    const Cizelge gecis = CizelgeyiHesapla(faaliyetler);

    if (analiz.hata.Var()) {
        Dogrula(AnalizMetinleri::Hesaplanamiyor(analiz).startsWith(QStringLiteral("Hesaplanamıyor: ")) && analiz.faaliyetler.isEmpty());
        if (faaliyetler.size() > 1 && gecis.hata.Var())
            Dogrula(analiz.hata.tur == gecis.hata.tur && analiz.hata.satir == gecis.hata.satir);
        return 0;
    }
    Dogrula(analiz.anaPenceredekiYol == CizelgeMetinleri::Yol(gecis));
    for (int i = 0; i < faaliyetler.size(); ++i) {
        const FaaliyetAnalizi& f = analiz.faaliyetler.at(i);
        Dogrula(gecis.gunler.at(i).es == f.es && gecis.gunler.at(i).ef == f.ef);
        Dogrula(f.toplamBolluk >= 0 && f.serbestBolluk >= 0 && f.serbestBolluk <= f.toplamBolluk);
        // The finish is the last day of work; a milestone's is its start.
        Dogrula(f.baslama.daysTo(f.bitis) == (f.ef == f.es ? 0 : qint64(f.ef) - f.es - 1));
        Dogrula(qint64(f.ls) - f.es == qint64(f.lf) - f.ef && f.kritik == (f.toplamBolluk == 0));
        Dogrula(f.lf <= analiz.projeBitisGunu && !AnalizMetinleri::Neden(analiz, i).isEmpty());
    }
    Dogrula(!analiz.kritikYollar.isEmpty() && analiz.kritikYollar.size() <= KritikYolSiniri);
    // A code stored twice is ordered by its row, so only unique codes list in plain code order.
    QStringList kodlar;
    for (const KayitliFaaliyet& f : faaliyetler)
        kodlar << f.kodu;
    kodlar.removeDuplicates();
    if (kodlar.size() == faaliyetler.size())
        Dogrula(std::is_sorted(analiz.kritikYollar.begin(), analiz.kritikYollar.end()));
    Dogrula(!analiz.kalanYolSayisi.isEmpty() ||
            analiz.kritikYolSayisi == QString::number(analiz.kritikYollar.size()));
    return 0;
}
