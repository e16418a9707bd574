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
double SurecSuresi(const QStringList& komut)
{
    std::vector<QByteArray> metinler;
    for (const QString& parca : komut)
        metinler.push_back(parca.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& m : metinler)
        argv.push_back(m.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t eylemler;
    posix_spawn_file_actions_init(&eylemler);
    posix_spawn_file_actions_addopen(&eylemler, 1, "/dev/null", O_WRONLY, 0);
    QElapsedTimer saat;
    saat.start();
    pid_t surec = 0;
    int durum = -1;
    const bool basladi = posix_spawn(&surec, argv[0], &eylemler, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&eylemler);
    if (!basladi || waitpid(surec, &durum, 0) != surec || !WIFEXITED(durum) || WEXITSTATUS(durum) != 0)
        return -1;
    return double(saat.nsecsElapsed()) / 1e6;
}

} // namespace

void RaporBolumu(Tablo& tablo, const Deney::Veritabani& vt)
{
    tablo.Bolum(QStringLiteral("Dışa aktarma ve kavrion-rapor"));
    const QString ayrintiSonu = QStringLiteral(", %1 faaliyet").arg(Deney::FaaliyetSayisi);
    for (AgBicimi bicim : Deney::Bicimler) {
        Rapor rapor;
        {
            const GeciciBaglanti baglanti(vt.yol, ProjeDeposu::Acilis::SaltOku);
            if (const DepoHatasi hata = baglanti.hata() ? baglanti.hata()
                                                      : RaporuOku(baglanti.depo(), Deney::BicimProjesi(bicim), rapor)) {
                tablo.Not(QStringLiteral("Dışa aktarma ölçülmedi: %1").arg(hata.aciklama));
                return;
            }
        }
        const QString ayrinti = BicimAdi(bicim) + ayrintiSonu;
        tablo.Satir(QStringLiteral("CsvYaz"), ayrinti, SureOlc(201, nullptr, [&] { CsvYaz(rapor, QLocale()); }),
                    QStringLiteral("ms"), 1.0);
        tablo.Satir(QStringLiteral("JsonYaz"), ayrinti, SureOlc(201, nullptr, [&] { JsonYaz(rapor); }),
                    QStringLiteral("ms"), 1.0);
    }

    // Whole processes, taking turns so that a busy moment of the machine falls on all alike.
    const QString bin = QCoreApplication::applicationDirPath();
    const QString rapor = bin + QStringLiteral("/kavrion-rapor");
    QTemporaryDir klasor;
    const QString proje = Deney::BicimProjesi(AgBicimi::Rastgele);
    const QVector<std::pair<QString, QStringList>> programlar{
        {QStringLiteral("boş Qt Core programı, bir satır yazar"), {bin + QStringLiteral("/kavrion-bos-komut")}},
        {QStringLiteral("kavrion-rapor çizelge"), {rapor, "--veritabani", vt.yol, "çizelge", proje}},
        {QStringLiteral("kavrion-rapor gantt, SVG"),
         {rapor, "--veritabani", vt.yol, "gantt", proje, "--cikti", klasor.filePath(QStringLiteral("g.svg"))}},
    };
    for (const auto& program : programlar)
        SurecSuresi(program.second); // from disk into the page cache
    std::vector<std::vector<double>> sureler(programlar.size());
    std::vector<double> oranlar;
    for (int tur = 0; tur < Tekrar; ++tur) {
        std::vector<double> bu;
        for (const auto& program : programlar)
            bu.push_back(SurecSuresi(program.second));
        if (std::any_of(bu.begin(), bu.end(), [](double sure) { return sure < 0; }))
            continue;
        for (size_t i = 0; i < bu.size(); ++i)
            sureler[i].push_back(bu[i]);
        oranlar.push_back(bu[1] / bu[0]);
    }
    if (oranlar.empty()) {
        tablo.Not(QStringLiteral("kavrion-rapor ölçülmedi: bir program başlamadı ya da hatayla bitti."));
        return;
    }
    const QString ayrinti = QStringLiteral("başlatmadan bitişe, %1 faaliyet, %2")
                                .arg(Deney::FaaliyetSayisi).arg(Deney::ProjeSayisi(vt.projeSayisi));
    for (int i = 0; i < programlar.size(); ++i)
        tablo.Satir(programlar.at(i).first, i == 0 ? QStringLiteral("başlatmadan bitişe") : ayrinti,
                    Ozetle(sureler[size_t(i)]), QStringLiteral("ms"));
    tablo.Satir(QStringLiteral("oran"), QStringLiteral("kavrion-rapor çizelge / boş Qt Core programı, aynı tur"),
                Ozetle(oranlar), QStringLiteral("kat"), 1.5);
}
