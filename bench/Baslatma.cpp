#include "Bolumler.h"
#include "OlculenPencere.h"
#include "XGozcusu.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
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
    // The main window's size with its menu bar, as this platform lays it out: the
    // yardsticks are made as large, and the started window is known by it.
    const QSize boyut = [&] {
        ÖlçülenPencere ölçülen(vt.yol);
        return ölçülen.pencere().size();
    }();
    const QString boşPencere = Kopyala(bin + QStringLiteral("/kavrion-bos-pencere"), klasör.path());
    const QStringList boyutArgümanı{QString::number(boyut.width()), QString::number(boyut.height())};
    // The yardstick, and beside it the same window with one line of text: what any
    // program that shows text pays before its first paint (the font set-up).
    std::vector<Program> programlar{
        {QStringLiteral("Kavrion"), Kopyala(bin + QStringLiteral("/kavrion"), klasör.path()), {}, {}},
        {QStringLiteral("boş Qt penceresi"), boşPencere, boyutArgümanı, {}},
        {QStringLiteral("yazılı boş pencere"), boşPencere, boyutArgümanı + QStringList{QStringLiteral("yazılı")}, {}},
    };

    // The first start of each loads the files from disk and learns the painted window;
    // on a busy machine that may take more than one try.
    for (Program& program : programlar) {
        for (int deneme = 0; deneme < 3 && program.boyanmışYama.isEmpty(); ++deneme)
            Çalıştır(gözcü, program, boyut);
        if (program.boyanmışYama.isEmpty()) {
            tablo.Not(QStringLiteral("Başlatma ölçülmedi: %1 penceresini göstermedi.").arg(program.ad));
            return;
        }
    }

    std::vector<std::vector<double>> süre(programlar.size()), bellek(programlar.size());
    for (int tur = 0; tur < Tekrar; ++tur) {
        // Taking turns, so a busy moment of the machine falls on all alike.
        std::vector<Koşu> koşular;
        for (Program& program : programlar)
            koşular.push_back(Çalıştır(gözcü, program, boyut));
        if (std::any_of(koşular.begin(), koşular.end(),
                        [](const Koşu& k) { return k.ilkBoyamaMs < 0 || k.bellekMiB < 0; }))
            continue;
        for (size_t i = 0; i < koşular.size(); ++i) {
            süre[i].push_back(koşular[i].ilkBoyamaMs);
            bellek[i].push_back(koşular[i].bellekMiB);
        }
    }
    auto satırlar = [&](const QString& ne, const std::vector<std::vector<double>>& değerler, const QString& birim) {
        for (size_t i = 0; i < programlar.size(); ++i)
            tablo.Satır(programlar[i].ad, ne, Özetle(değerler[i]), birim);
        tablo.Satır(QStringLiteral("oran"), QStringLiteral("Kavrion / boş pencere, aynı tur"),
                    OranÖlçümü(değerler[0], değerler[1]), QStringLiteral("kat"), 1.3);
        tablo.Satır(QStringLiteral("oran"), QStringLiteral("Kavrion / yazılı boş pencere, aynı tur"),
                    OranÖlçümü(değerler[0], değerler[2]), QStringLiteral("kat"));
    };
    satırlar(QStringLiteral("başlatmadan ilk boyamaya"), süre, QStringLiteral("ms"));
    satırlar(QStringLiteral("boştayken yerleşik bellek"), bellek, QStringLiteral("MiB"));
    if (int(süre[0].size()) < Tekrar)
        tablo.Not(QStringLiteral("Başlatma: %1 turdan %2 tanesi tamamlandı.").arg(Tekrar).arg(süre[0].size()));
}
