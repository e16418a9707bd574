// Times what a Kavrion user waits for, on databases it makes itself, and prints
// every figure as the median, the least and the most over repeated runs.
#include "Bolumler.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QSysInfo>
#include <cstdio>

int main(int argc, char* argv[])
{
    // Without an X display the windows are measured off screen; start-up needs X.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication uygulama(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    QTextStream cikti(stdout);

    // Other work on the machine shows in every figure; the table says how busy it was.
    const auto yuk = [] {
        QFile dosya(QStringLiteral("/proc/loadavg"));
        if (!dosya.open(QIODevice::ReadOnly))
            return QStringLiteral("?");
        return QString::fromLatin1(dosya.readAll().split(' ').value(0));
    };
    const QString baslangicYuku = yuk();

    QTemporaryDir klasor;
    cikti << "Veritabanları üretiliyor (" << klasor.path() << ")..." << Qt::endl;
    const QVector<Deney::Veritabani> vtler = Deney::Uret(klasor.path());

    // Naming parts on the command line runs only those, e.g. under a profiler.
    const QStringList secilen = QCoreApplication::arguments().mid(1);
    auto calissin = [&](const char* ad) { return secilen.isEmpty() || secilen.contains(QString::fromUtf8(ad)); };
    Tablo tablo;
    if (calissin("liste"))
        ProjeleriEkleBolumu(tablo, vtler);
    if (calissin("seçim")) {
        SecimBolumu(tablo, vtler);
        UzunOncekiListesiBolumu(tablo, klasor.path());
    }
    if (calissin("geçiş"))
        IleriGecisBolumu(tablo);
    if (calissin("analiz"))
        AnalizBolumu(tablo, vtler.first(), klasor.path());
    if (calissin("risk"))
        RiskBolumu(tablo);
    if (calissin("içe aktarma"))
        IceAktarimBolumu(tablo, vtler.first(), klasor.path());
    if (calissin("görsel"))
        GorselBolumu(tablo);
    if (calissin("rapor"))
        RaporBolumu(tablo, vtler.last());
    if (calissin("komut"))
        KomutBolumu(tablo, vtler.last());
    if (calissin("başlatma"))
        BaslatmaBolumu(tablo, vtler.last());
    if (calissin("sunucu")) {
        // An empty database on a server that scripts/benchmark.sh starts for the run.
        const QString metin = qEnvironmentVariable("KAVRION_BENCH_SUNUCU");
        SunucuAdresi adres;
        if (metin.isEmpty()) {
            tablo.Not(QStringLiteral("Sunucu bölümü çalışmadı: KAVRION_BENCH_SUNUCU ayarlı değil"
                                     " (scripts/benchmark.sh bir sunucu başlatıp ayarlar)."));
        } else if (DepoHatasi hata = SunucuAdresiniOku(metin, adres)) {
            std::fprintf(stderr, "KAVRION_BENCH_SUNUCU: %s\n", qPrintable(hata.aciklama));
            return 1;
        } else {
            cikti << "Sunucuda veritabanı üretiliyor (" << GosterilecekAdres(adres) << ")..." << Qt::endl;
            SunucuBolumu(tablo, adres, Deney::SunucudaUret(adres));
        }
    }

    tablo.Not(QStringLiteral("Makine: %1, %2 çekirdek, yük ortalaması başta %3, sonda %4; Qt %5, platform %6.")
                  .arg(QSysInfo::prettyProductName()).arg(QThread::idealThreadCount())
                  .arg(baslangicYuku, yuk(), QString::fromLatin1(qVersion()), QGuiApplication::platformName()));
    tablo.Not(QStringLiteral("Adı \"çizimle\" biten satırlar pencere yeniden çizilene dek geçen süredir, öbürleri"
                             " işlev ya da düğme dönene dek. Yazan komutlar diske kalıcı yazmayı (fsync) da içerir."));
    cikti << Qt::endl << tablo.Metin();
    if (tablo.AsilanHedefSayisi() > 0)
        cikti << tablo.AsilanHedefSayisi() << " hedef aşıldı." << Qt::endl;
    return 0;
}
