#include "Bolumler.h"

#include "export/CsvYazimi.h"
#include "export/JsonYazimi.h"
#include "store/GeciciBaglanti.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

constexpr int Tekrar = 41;

// Milliseconds from the start of the program until it has ended, its output thrown
// away; negative when it could not be started or failed.
double SüreçSüresi(const QStringList& komut)
{
    std::vector<QByteArray> metinler;
    for (const QString& parça : komut)
        metinler.push_back(parça.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& m : metinler)
        argv.push_back(m.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t eylemler;
    posix_spawn_file_actions_init(&eylemler);
    posix_spawn_file_actions_addopen(&eylemler, 1, "/dev/null", O_WRONLY, 0);
    QElapsedTimer saat;
    saat.start();
    pid_t süreç = 0;
    int durum = -1;
    const bool başladı = posix_spawn(&süreç, argv[0], &eylemler, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&eylemler);
    if (!başladı || waitpid(süreç, &durum, 0) != süreç || !WIFEXITED(durum) || WEXITSTATUS(durum) != 0)
        return -1;
    return double(saat.nsecsElapsed()) / 1e6;
}

} // namespace

void RaporBölümü(Tablo& tablo, const Deney::Veritabanı& vt)
{
    tablo.Bölüm(QStringLiteral("Dışa aktarma ve kavrion-rapor"));
    const QString ayrıntıSonu = QStringLiteral(", %1 faaliyet").arg(Deney::FaaliyetSayısı);
    for (AğBiçimi biçim : Deney::Biçimler) {
        Rapor rapor;
        {
            const GeçiciBağlantı bağlantı(vt.yol, ProjeDeposu::Açılış::SaltOku);
            if (const DepoHatası hata = bağlantı.hata() ? bağlantı.hata()
                                                      : RaporuOku(bağlantı.depo(), Deney::BiçimProjesi(biçim), rapor)) {
                tablo.Not(QStringLiteral("Dışa aktarma ölçülmedi: %1").arg(hata.açıklama));
                return;
            }
        }
        const QString ayrıntı = BiçimAdı(biçim) + ayrıntıSonu;
        tablo.Satır(QStringLiteral("CsvYaz"), ayrıntı, SüreÖlç(201, nullptr, [&] { CsvYaz(rapor, QLocale()); }),
                    QStringLiteral("ms"), 1.0);
        tablo.Satır(QStringLiteral("JsonYaz"), ayrıntı, SüreÖlç(201, nullptr, [&] { JsonYaz(rapor); }),
                    QStringLiteral("ms"), 1.0);
    }

    // Whole processes, taking turns so that a busy moment of the machine falls on all alike.
    const QString bin = QCoreApplication::applicationDirPath();
    const QString rapor = bin + QStringLiteral("/kavrion-rapor");
    QTemporaryDir klasör;
    const QString proje = Deney::BiçimProjesi(AğBiçimi::Rastgele);
    const QVector<std::pair<QString, QStringList>> programlar{
        {QStringLiteral("boş Qt Core programı, bir satır yazar"), {bin + QStringLiteral("/kavrion-bos-komut")}},
        {QStringLiteral("kavrion-rapor çizelge"), {rapor, "--veritabani", vt.yol, "çizelge", proje}},
        {QStringLiteral("kavrion-rapor gantt, SVG"),
         {rapor, "--veritabani", vt.yol, "gantt", proje, "--cikti", klasör.filePath(QStringLiteral("g.svg"))}},
    };
    for (const auto& program : programlar)
        SüreçSüresi(program.second); // from disk into the page cache
    std::vector<std::vector<double>> süreler(programlar.size());
    std::vector<double> oranlar;
    for (int tur = 0; tur < Tekrar; ++tur) {
        std::vector<double> bu;
        for (const auto& program : programlar)
            bu.push_back(SüreçSüresi(program.second));
        if (std::any_of(bu.begin(), bu.end(), [](double süre) { return süre < 0; }))
            continue;
        for (size_t i = 0; i < bu.size(); ++i)
            süreler[i].push_back(bu[i]);
        oranlar.push_back(bu[1] / bu[0]);
    }
    if (oranlar.empty()) {
        tablo.Not(QStringLiteral("kavrion-rapor ölçülmedi: bir program başlamadı ya da hatayla bitti."));
        return;
    }
    const QString ayrıntı = QStringLiteral("başlatmadan bitişe, %1 faaliyet, %2")
                                .arg(Deney::FaaliyetSayısı).arg(Deney::ProjeSayısı(vt.projeSayısı));
    for (int i = 0; i < programlar.size(); ++i)
        tablo.Satır(programlar.at(i).first, i == 0 ? QStringLiteral("başlatmadan bitişe") : ayrıntı,
                    Özetle(süreler[size_t(i)]), QStringLiteral("ms"));
    tablo.Satır(QStringLiteral("oran"), QStringLiteral("kavrion-rapor çizelge / boş Qt Core programı, aynı tur"),
                Özetle(oranlar), QStringLiteral("kat"), 1.5);
}
