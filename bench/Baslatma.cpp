#include "Bolumler.h"
#include "Deney.h"
#include "OlculenPencere.h"
#include "Uretim.h"
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
#include <random>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

namespace {

using Saat = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int Tekrar = 15;
// Long enough for a started program to settle before its memory is read.
constexpr auto BostaBekleme = 1000ms;

struct Program {
    QString ad;
    QString yol;
    QStringList argumanlar;
    QByteArray boyanmisYama; // what the window shows once painted, learnt from a first run
};

struct Kosu {
    double ilkBoyamaMs = -1;
    double bellekMiB = -1;
};

double YerlesikBellekMiB(pid_t surec)
{
    QFile durum(QStringLiteral("/proc/%1/status").arg(surec));
    if (!durum.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& satir : durum.readAll().split('\n')) {
        if (satir.startsWith("VmRSS:"))
            return satir.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

pid_t Baslat(const Program& program)
{
    QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
    ortam.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    std::vector<QByteArray> metinler{QFile::encodeName(program.yol)};
    for (const QString& a : program.argumanlar)
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

    pid_t surec = 0;
    if (posix_spawn(&surec, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0)
        return 0;
    return surec;
}

void Bitir(pid_t surec)
{
    kill(surec, SIGTERM);
    waitpid(surec, nullptr, 0);
}

// One start of the program: from the moment it is started until its window shows
// painted pixels, then its resident memory once it has been idle for a while.
// Without a known painted patch, it waits for the window to settle and learns it.
Kosu Calistir(XGozcusu& gozcu, Program& program, QSize boyut)
{
    Kosu kosu;
    gozcu.Sifirla();
    const auto basla = Saat::now();
    const pid_t surec = Baslat(program);
    if (!surec)
        return kosu;
    QPoint yer;
    const XGozcusu::Pencere pencere = gozcu.EslenmeyiBekle(boyut, 20s, &yer);
    if (pencere && program.boyanmisYama.isEmpty()) {
        QThread::sleep(2);
        const QByteArray boyali = gozcu.Yama(pencere);
        Bitir(surec);
        // A window that painted what lay under it already could not be told from an unpainted one.
        gozcu.Sifirla();
        if (boyali != gozcu.Yama(gozcu.kok(), yer + QPoint(2, 2)))
            program.boyanmisYama = boyali;
        return kosu;
    }
    if (pencere) {
        const auto son = Saat::now() + 20s;
        QByteArray yama;
        while ((yama = gozcu.Yama(pencere)) != program.boyanmisYama && !yama.isEmpty() && Saat::now() < son)
            QThread::usleep(100);
        if (yama == program.boyanmisYama)
            kosu.ilkBoyamaMs = std::chrono::duration<double, std::milli>(Saat::now() - basla).count();
        QThread::msleep(std::chrono::milliseconds(BostaBekleme).count());
        kosu.bellekMiB = YerlesikBellekMiB(surec);
    }
    Bitir(surec);
    return kosu;
}

// Copies the program into the folder, so that it finds the Proje.mdb placed there.
QString Kopyala(const QString& program, const QString& klasor)
{
    const QString hedef = QDir(klasor).filePath(QFileInfo(program).fileName());
    QFile::copy(program, hedef);
    return hedef;
}

Olcum OranOlcumu(const std::vector<double>& pay, const std::vector<double>& payda)
{
    std::vector<double> oranlar;
    for (size_t i = 0; i < pay.size() && i < payda.size(); ++i)
        oranlar.push_back(pay[i] / payda[i]);
    return Ozetle(std::move(oranlar));
}

} // namespace

void BaslatmaBolumu(Tablo& tablo, const Deney::Veritabani& vt)
{
    tablo.Bolum(QStringLiteral("Başlatma, dışarıdan ölçülür, %1 listede").arg(Deney::ProjeSayisi(vt.projeSayisi)));
    XGozcusu gozcu;
    if (!gozcu.bagli()) {
        tablo.Not(QStringLiteral("Başlatma ölçülmedi: X sunucusu yok (DISPLAY). Betik xvfb-run altında çalıştırır."));
        return;
    }
    QTemporaryDir klasor, bosKlasor;
    const QString bin = QCoreApplication::applicationDirPath();
    QFile::copy(vt.yol, VeritabaniYolu(klasor.path()));
    // The same program beside a file with no project: what the names cost, and what
    // the window, its libraries and its store cost without them.
    std::mt19937 uretec;
    Deney::Gerekli(VeritabaniUret(VeritabaniYolu(bosKlasor.path()), 0, {}, uretec),
                   QStringLiteral("Boş dosya üretilemedi"));
    // The main window's size with its menu bar, as this platform lays it out: the
    // yardsticks are made as large, and the started window is known by it.
    const QSize boyut = [&] {
        OlculenPencere olculen(vt.yol);
        return olculen.pencere().size();
    }();
    const QString bosPencere = Kopyala(bin + QStringLiteral("/kavrion-bos-pencere"), klasor.path());
    const QStringList boyutArgumani{QString::number(boyut.width()), QString::number(boyut.height())};
    // The yardstick: a window with the same controls and nothing else. Beside it a bare
    // window of that size, and the same with one line of text: what any program that
    // shows text pays before its first paint (the font set-up).
    std::vector<Program> programlar{
        {QStringLiteral("Kavrion"), Kopyala(bin + QStringLiteral("/kavrion"), klasor.path()), {}, {}},
        {QStringLiteral("Kavrion, boş dosyayla"), Kopyala(bin + QStringLiteral("/kavrion"), bosKlasor.path()), {}, {}},
        {QStringLiteral("aynı denetimli pencere"), bin + QStringLiteral("/kavrion-denetimli-pencere"), {}, {}},
        {QStringLiteral("boş Qt penceresi"), bosPencere, boyutArgumani, {}},
        {QStringLiteral("yazılı boş pencere"), bosPencere, boyutArgumani + QStringList{QStringLiteral("yazılı")}, {}},
    };

    // The first start of each loads the files from disk and learns the painted window;
    // on a busy machine that may take more than one try.
    for (Program& program : programlar) {
        for (int deneme = 0; deneme < 3 && program.boyanmisYama.isEmpty(); ++deneme)
            Calistir(gozcu, program, boyut);
        if (program.boyanmisYama.isEmpty()) {
            tablo.Not(QStringLiteral("Başlatma ölçülmedi: %1 penceresini göstermedi.").arg(program.ad));
            return;
        }
    }

    std::vector<std::vector<double>> sure(programlar.size()), bellek(programlar.size());
    for (int tur = 0; tur < Tekrar; ++tur) {
        // Taking turns, so a busy moment of the machine falls on all alike.
        std::vector<Kosu> kosular;
        for (Program& program : programlar)
            kosular.push_back(Calistir(gozcu, program, boyut));
        if (std::any_of(kosular.begin(), kosular.end(),
                        [](const Kosu& k) { return k.ilkBoyamaMs < 0 || k.bellekMiB < 0; }))
            continue;
        for (size_t i = 0; i < kosular.size(); ++i) {
            sure[i].push_back(kosular[i].ilkBoyamaMs);
            bellek[i].push_back(kosular[i].bellekMiB);
        }
    }
    auto satirlar = [&](const QString& ne, const std::vector<std::vector<double>>& degerler, const QString& birim) {
        for (size_t i = 0; i < programlar.size(); ++i)
            tablo.Satir(programlar[i].ad, ne, Ozetle(degerler[i]), birim);
        // What Kavrion adds to its window (store, lock, the list read, its other libraries)
        // is held to 5%; the bare windows show what the window itself costs.
        tablo.Satir(QStringLiteral("oran"), QStringLiteral("Kavrion / aynı denetimli pencere, aynı tur"),
                    OranOlcumu(degerler[0], degerler[2]), QStringLiteral("kat"), 1.05);
        tablo.Satir(QStringLiteral("oran"), QStringLiteral("boş dosyayla / aynı denetimli pencere, aynı tur"),
                    OranOlcumu(degerler[1], degerler[2]), QStringLiteral("kat"));
        tablo.Satir(QStringLiteral("oran"), QStringLiteral("Kavrion / yazılı boş pencere, aynı tur"),
                    OranOlcumu(degerler[0], degerler[4]), QStringLiteral("kat"));
    };
    satirlar(QStringLiteral("başlatmadan ilk boyamaya"), sure, QStringLiteral("ms"));
    satirlar(QStringLiteral("boştayken yerleşik bellek"), bellek, QStringLiteral("MiB"));
    if (int(sure[0].size()) < Tekrar)
        tablo.Not(QStringLiteral("Başlatma: %1 turdan %2 tanesi tamamlandı.").arg(Tekrar).arg(sure[0].size()));
}
