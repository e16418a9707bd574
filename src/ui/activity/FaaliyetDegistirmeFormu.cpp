#include "ui/activity/FaaliyetDegistirmeFormu.h"

#include "ui/Mesaj.h"
#include "rules/FaaliyetKurallari.h"
#include "rules/BolgeselMetin.h"
#include "ui/layout/Kurucu.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <algorithm>

FaaliyetDegistirmeFormu::FaaliyetDegistirmeFormu(const DiyalogBaglami& baglam, const QString& proje,
                                                 const QString& kod)
    : Diyalog(baglam),
      FaaliyetDegistirmeDenetimleri(PencereyiKur(this, Duzenler::FaaliyetDegistirmeFormu())),
      FaaliyetAlanlari(this, *this)
{
    connect(KaydetDugmesi, &QPushButton::clicked, this, &FaaliyetDegistirmeFormu::KaydetDugmesi_Click);
    connect(VazgecDugmesi, &QPushButton::clicked, this, &FaaliyetDegistirmeFormu::VazgecDugmesi_Click);
    connect(&belge(), &PlanBelgesi::planDegisti, this, &FaaliyetDegistirmeFormu::BaskaYerdeDegistiyse);
    Form_Load(proje, kod);
}

void FaaliyetDegistirmeFormu::Form_Load(const QString& proje, const QString& kod)
{
    if (kod == QLatin1String("A"))
        return;
    QStringList kodlar;
    if (auto hata = belge().KodlariOku(proje, kodlar)) {
        Mesaj::HatayiGoster(this, hata);
        return;
    }
    KodListesiniDoldur(OncekiOlabilecekKodlar(kodlar, kod));
}

void FaaliyetDegistirmeFormu::Doldur(const QString& proje, const KayitliFaaliyet& satir)
{
    m_proje = proje;
    m_satir = satir;
    FaaliyetKoduKutusu->setText(satir.kodu);
    FaaliyetAdiKutusu->setText(satir.adi);
    OngorulenSureKutusu->setText(BolgeselMetin::SureMetni(satir.sure));
    OncekileriGoster(satir.oncekiler, satir.baglar);
}

void FaaliyetDegistirmeFormu::KaydetDugmesi_Click()
{
    if (!m_satir)
        return;
    const QScopedValueRollback<bool> kaydediyor(m_kaydediyor, true);
    const auto faaliyet = KaydedilecekFaaliyet(m_satir->kodu, m_satir->kodu != QLatin1String("A"));
    if (!faaliyet)
        return;
    if (const KomutHatasi hata = belge().Calistir(FaaliyetDegistirKomutu{m_proje, *m_satir, *faaliyet})) {
        KomutHatasiniGoster(hata, [this] { GuncelHaliniGoster(); });
        return;
    }
    VazgecDugmesi_Click();
}

void FaaliyetDegistirmeFormu::GuncelHaliniGoster()
{
    // As the box says: the main window and the fields show the row as the file holds
    // it, and the next save is compared with that; a row no longer stored closes. The
    // list is read again too: a project renamed elsewhere is no longer listed, rather
    // than read once more for a second box.
    ProjeleriYenile(m_proje);
    QVector<KayitliFaaliyet> satirlar;
    if (!belge().FaaliyetleriOku(m_proje, satirlar)) {
        for (const KayitliFaaliyet& satir : std::as_const(satirlar)) {
            if (satir.kodu == m_satir->kodu) {
                Form_Load(m_proje, satir.kodu);
                Doldur(m_proje, satir);
                return;
            }
        }
    }
    close();
}

void FaaliyetDegistirmeFormu::BaskaYerdeDegistiyse()
{
    const auto& plan = belge().plan();
    if (m_kaydediyor || !m_satir || !plan || plan->proje.ad != m_proje)
        return;
    const auto simdi = std::find_if(plan->faaliyetler.cbegin(), plan->faaliyetler.cend(),
                                    [this](const KayitliFaaliyet& f) { return f.kodu == m_satir->kodu; });
    const bool var = simdi != plan->faaliyetler.cend();
    if (var && *simdi == *m_satir)
        return;
    const QString faaliyet = QStringLiteral("\"%1\" projesinin %2 faaliyeti").arg(m_proje, m_satir->kodu);
    // Filled (or emptied) before the box is shown: a change that arrives while it is open
    // is shown in turn, and the next save is compared with the newest, not with this one.
    if (var)
        Doldur(m_proje, *simdi);
    else
        m_satir.reset();
    Mesaj::Goster(this, var ? faaliyet + QStringLiteral(" bu pencere açıldıktan sonra başka bir yerde değiştirildi; "
                                                        "alanlar güncel halini gösteriyor.")
                            : faaliyet + QStringLiteral(" bu pencere açıldıktan sonra başka bir yerde silindi."),
                  Mesaj::Tur::Bilgi);
    if (!var)
        close();
}

void FaaliyetDegistirmeFormu::VazgecDugmesi_Click()
{
    close();
}
