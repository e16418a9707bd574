#include "Bolumler.h"
#include "XGozcusu.h"
#include "ui/layout/Kurucu.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

namespace {

using Saat = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int Tekrar = 15;
// Long enough for a started program to settle before its memory is read.
constexpr auto BoştaBekleme = 1000ms;

struct Program {
    QString ad;
    QString yol;
    QStringList argümanlar;
    QByteArray boyanmışYama; // what the window shows once painted, learnt from a first run
};

struct Koşu {
    double ilkBoyamaMs = -1;
    double bellekMiB = -1;
};

double YerleşikBellekMiB(pid_t süreç)
{
    QFile durum(QStringLiteral("/proc/%1/status").arg(süreç));
    if (!durum.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& satır : durum.readAll().split('\n')) {
        if (satır.startsWith("VmRSS:"))
            return satır.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

pid_t Başlat(const Program& program)
{
    QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
    ortam.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    std::vector<QByteArray> metinler{QFile::encodeName(program.yol)};
    for (const QString& a : program.argümanlar)
        metinler.push_back(a.toLocal8Bit());
    std::vector<QByteArray> ortamMetinleri;
    for (const QString& o : ortam.toStringList())
        ortamMetinleri.push_back(o.toLocal8Bit());
    std::vector<char*> argv, envp;
    for (QByteArray& m : metinler)
        argv.push_back(m.data());
    argv.push_back(nullptr);
    for (QByteArray& o : ortamMetinleri)
        envp.push_back(o.data());
    envp.push_back(nullptr);

    pid_t süreç = 0;
    if (posix_spawn(&süreç, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0)
        return 0;
    return süreç;
}

void Bitir(pid_t süreç)
{
    kill(süreç, SIGTERM);
    waitpid(süreç, nullptr, 0);
}

// One start of the program: from the moment it is started until its window shows
// painted pixels, then its resident memory once it has been idle for a while.
// Without a known painted patch, it waits for the window to settle and learns it.
Koşu Çalıştır(XGözcüsü& gözcü, Program& program, QSize boyut)
{
    Koşu koşu;
    gözcü.Sıfırla();
    const auto başla = Saat::now();
    const pid_t süreç = Başlat(program);
    if (!süreç)
        return koşu;
    QPoint yer;
    const XGözcüsü::Pencere pencere = gözcü.EşlenmeyiBekle(boyut, 20s, &yer);
    if (pencere && program.boyanmışYama.isEmpty()) {
        QThread::sleep(2);
        const QByteArray boyalı = gözcü.Yama(pencere);
        Bitir(süreç);
        // A window that painted what lay under it already could not be told from an unpainted one.
        gözcü.Sıfırla();
        if (boyalı != gözcü.Yama(gözcü.kök(), yer + QPoint(2, 2)))
            program.boyanmışYama = boyalı;
        return koşu;
    }
    if (pencere) {
        const auto son = Saat::now() + 20s;
        QByteArray yama;
        while ((yama = gözcü.Yama(pencere)) != program.boyanmışYama && !yama.isEmpty() && Saat::now() < son)
            QThread::usleep(100);
        if (yama == program.boyanmışYama)
            koşu.ilkBoyamaMs = std::chrono::duration<double, std::milli>(Saat::now() - başla).count();
        QThread::msleep(std::chrono::milliseconds(BoştaBekleme).count());
        koşu.bellekMiB = YerleşikBellekMiB(süreç);
    }
    Bitir(süreç);
    return koşu;
}

// Copies the program into the folder, so that it finds the Proje.mdb placed there.
QString Kopyala(const QString& program, const QString& klasör)
{
    const QString hedef = QDir(klasör).filePath(QFileInfo(program).fileName());
    QFile::copy(program, hedef);
    return hedef;
}

Ölçüm OranÖlçümü(const std::vector<double>& pay, const std::vector<double>& payda)
{
    std::vector<double> oranlar;
    for (size_t i = 0; i < pay.size() && i < payda.size(); ++i)
        oranlar.push_back(pay[i] / payda[i]);
    return Özetle(std::move(oranlar));
}

} // namespace

void BaşlatmaBölümü(Tablo& tablo, const Deney::Veritabanı& vt)
{
    tablo.Bölüm(QStringLiteral("Başlatma, dışarıdan ölçülür, %1 listede").arg(Deney::ProjeSayısı(vt.projeSayısı)));
    XGözcüsü gözcü;
    if (!gözcü.bağlı()) {
        tablo.Not(QStringLiteral("Başlatma ölçülmedi: X sunucusu yok (DISPLAY). Betik xvfb-run altında çalıştırır."));
        return;
    }
    QTemporaryDir klasör;
    const QString bin = QCoreApplication::applicationDirPath();
    QFile::copy(vt.yol, VeritabanıYolu(klasör.path()));
    const QSize boyut(Piksel(Düzenler::TemelForm().genişlik), Piksel(Düzenler::TemelForm().yükseklik));
    Program kavrion{QStringLiteral("Kavrion"), Kopyala(bin + QStringLiteral("/kavrion"), klasör.path()), {}, {}};
    Program boş{QStringLiteral("boş Qt penceresi"), Kopyala(bin + QStringLiteral("/kavrion-bos-pencere"), klasör.path()),
                {QString::number(boyut.width()), QString::number(boyut.height())}, {}};

    // The first start of each loads the files from disk and learns the painted window.
    for (Program* program : {&kavrion, &boş}) {
        Çalıştır(gözcü, *program, boyut);
        if (program->boyanmışYama.isEmpty()) {
            tablo.Not(QStringLiteral("Başlatma ölçülmedi: %1 penceresini göstermedi.").arg(program->ad));
            return;
        }
    }

    std::vector<double> kSüre, bSüre, kBellek, bBellek;
    for (int i = 0; i < Tekrar; ++i) {
        // Taking turns, so a busy moment of the machine falls on both alike.
        const Koşu k = Çalıştır(gözcü, kavrion, boyut);
        const Koşu b = Çalıştır(gözcü, boş, boyut);
        if (k.ilkBoyamaMs < 0 || b.ilkBoyamaMs < 0 || k.bellekMiB < 0 || b.bellekMiB < 0)
            continue;
        kSüre.push_back(k.ilkBoyamaMs);
        bSüre.push_back(b.ilkBoyamaMs);
        kBellek.push_back(k.bellekMiB);
        bBellek.push_back(b.bellekMiB);
    }
    const QString ilk = QStringLiteral("başlatmadan ilk boyamaya");
    tablo.Satır(QStringLiteral("Kavrion"), ilk, Özetle(kSüre), QStringLiteral("ms"));
    tablo.Satır(QStringLiteral("boş Qt penceresi"), ilk, Özetle(bSüre), QStringLiteral("ms"));
    tablo.Satır(QStringLiteral("oran"), QStringLiteral("Kavrion / boş pencere, aynı tur"), OranÖlçümü(kSüre, bSüre),
                QStringLiteral("kat"), 1.3);
    const QString bellek = QStringLiteral("boştayken yerleşik bellek");
    tablo.Satır(QStringLiteral("Kavrion"), bellek, Özetle(kBellek), QStringLiteral("MiB"));
    tablo.Satır(QStringLiteral("boş Qt penceresi"), bellek, Özetle(bBellek), QStringLiteral("MiB"));
    tablo.Satır(QStringLiteral("oran"), QStringLiteral("Kavrion / boş pencere, aynı tur"), OranÖlçümü(kBellek, bBellek),
                QStringLiteral("kat"), 1.3);
    if (int(kSüre.size()) < Tekrar)
        tablo.Not(QStringLiteral("Başlatma: %1 turdan %2 tanesi tamamlandı.").arg(Tekrar).arg(kSüre.size()));
}
