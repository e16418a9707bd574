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

int main(int argc, char* argv[])
{
    // Without an X display the windows are measured off screen; start-up needs X.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication uygulama(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    QTextStream çıktı(stdout);

    // Other work on the machine shows in every figure; the table says how busy it was.
    const auto yük = [] {
        QFile dosya(QStringLiteral("/proc/loadavg"));
        if (!dosya.open(QIODevice::ReadOnly))
            return QStringLiteral("?");
        return QString::fromLatin1(dosya.readAll().split(' ').value(0));
    };
    const QString başlangıçYükü = yük();

    QTemporaryDir klasör;
    çıktı << "Veritabanları üretiliyor (" << klasör.path() << ")..." << Qt::endl;
    const QVector<Deney::Veritabanı> vtler = Deney::Üret(klasör.path());

    // Naming parts on the command line runs only those, e.g. under a profiler.
    const QStringList seçilen = QCoreApplication::arguments().mid(1);
    auto çalışsın = [&](const char* ad) { return seçilen.isEmpty() || seçilen.contains(QString::fromUtf8(ad)); };
    Tablo tablo;
    if (çalışsın("liste"))
        ProjeleriEkleBölümü(tablo, vtler);
    if (çalışsın("seçim")) {
        SeçimBölümü(tablo, vtler);
        UzunÖncekiListesiBölümü(tablo, klasör.path());
    }
    if (çalışsın("geçiş"))
        İleriGeçişBölümü(tablo);
    if (çalışsın("analiz"))
        AnalizBölümü(tablo, vtler.first(), klasör.path());
    if (çalışsın("görsel"))
        GörselBölümü(tablo);
    if (çalışsın("rapor"))
        RaporBölümü(tablo, vtler.last());
    if (çalışsın("komut"))
        KomutBölümü(tablo, vtler.last());
    if (çalışsın("başlatma"))
        BaşlatmaBölümü(tablo, vtler.last());

    tablo.Not(QStringLiteral("Makine: %1, %2 çekirdek, yük ortalaması başta %3, sonda %4; Qt %5, platform %6.")
                  .arg(QSysInfo::prettyProductName()).arg(QThread::idealThreadCount())
                  .arg(başlangıçYükü, yük(), QString::fromLatin1(qVersion()), QGuiApplication::platformName()));
    tablo.Not(QStringLiteral("Adı \"çizimle\" biten satırlar pencere yeniden çizilene dek geçen süredir, öbürleri"
                             " işlev ya da düğme dönene dek. Yazan komutlar diske kalıcı yazmayı (fsync) da içerir."));
    çıktı << Qt::endl << tablo.Metin();
    if (tablo.AşılanHedefSayısı() > 0)
        çıktı << tablo.AşılanHedefSayısı() << " hedef aşıldı." << Qt::endl;
    return 0;
}
