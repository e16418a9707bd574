#include "ui/activity/FaaliyetAlanlari.h"

#include "ui/Mesaj.h"
#include "ui/OdakKaybi.h"
#include "rules/FaaliyetKurallari.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

FaaliyetAlanları::FaaliyetAlanları(QWidget* pencere, const FaaliyetAlanDenetimleri& alanlar)
    : m_pencere(pencere), m_alanlar(alanlar)
{
    // It has no label of its own; it shows what the drop-down list above it has built.
    m_alanlar.ÖncekiFaaliyetlerKutusu->setAccessibleName(QStringLiteral("Seçilen Önceki Faaliyetler"));

    OdakKaybındaÇalıştır(m_alanlar.ÖngörülenSüreKutusu, [this] { ÖngörülenSüreKutusu_LostFocus(); });
    QObject::connect(m_alanlar.EklemeDüğmesi, &QPushButton::clicked, m_pencere, [this] { EklemeDüğmesi_Click(); });
    QObject::connect(m_alanlar.SilDüğmesi, &QPushButton::clicked, m_pencere, [this] { SilDüğmesi_Click(); });
}

void FaaliyetAlanları::ÖngörülenSüreKutusu_LostFocus()
{
    m_alanlar.ÖngörülenSüreKutusu->setText(SüreKuralı(m_alanlar.ÖngörülenSüreKutusu->text()));
}

void FaaliyetAlanları::EklemeDüğmesi_Click()
{
    const QString kod = m_alanlar.ÖncekiFaaliyetleriSeçmeKutusu->currentText();
    if (kod.isEmpty())
        return;
    if (const auto öncekiler = ÖncekilereEkle(m_alanlar.ÖncekiFaaliyetlerKutusu->text(), kod)) {
        m_alanlar.ÖncekiFaaliyetlerKutusu->setText(*öncekiler);
        return;
    }
    Uyar(QStringLiteral("Bir faaliyeti 2 kez ekleyemezsiniz!"), m_alanlar.ÖncekiFaaliyetleriSeçmeKutusu);
}

void FaaliyetAlanları::SilDüğmesi_Click()
{
    m_alanlar.ÖncekiFaaliyetlerKutusu->clear();
}

void FaaliyetAlanları::KodListesiniDoldur(const QStringList& kodlar)
{
    m_alanlar.ÖncekiFaaliyetleriSeçmeKutusu->clear();
    m_alanlar.ÖncekiFaaliyetleriSeçmeKutusu->addItems(kodlar);
    m_alanlar.ÖncekiFaaliyetleriSeçmeKutusu->setCurrentIndex(-1);
}

bool FaaliyetAlanları::Giriliyor() const
{
    return m_alanlar.Çerçeve->isEnabledTo(m_pencere);
}

std::optional<Faaliyet> FaaliyetAlanları::KaydedilecekFaaliyet(const ProjeDeposu& depo, const QString& proje,
                                                               const QString& kod, bool öncekilerGerekli)
{
    OdaktakiAlanınKuralınıÇalıştır(m_pencere);
    const AlanHatası hata = AlanlarıDenetle(m_alanlar.FaaliyetAdıKutusu->text(), m_alanlar.ÖngörülenSüreKutusu->text(),
                                            m_alanlar.ÖncekiFaaliyetlerKutusu->text(), öncekilerGerekli);
    switch (hata) {
    case AlanHatası::AdBoş:
        Uyar(AlanHatasıMetni(hata), m_alanlar.FaaliyetAdıKutusu);
        return std::nullopt;
    case AlanHatası::SüreBoş:
        Uyar(AlanHatasıMetni(hata), m_alanlar.ÖngörülenSüreKutusu);
        return std::nullopt;
    case AlanHatası::ÖncekilerBoş:
        Uyar(AlanHatasıMetni(hata), m_alanlar.ÖncekiFaaliyetleriSeçmeKutusu);
        return std::nullopt;
    case AlanHatası::Yok:
        break;
    }

    // The schedule can only use a predecessor added before the activity; a code
    // deleted since it was picked is no predecessor either. A project that is gone
    // is reported as such rather than as predecessors it no longer has.
    KayıtlıProje kayıtlı;
    QStringList kodlar;
    DepoHatası depoHatası = depo.ProjeOku(proje, kayıtlı);
    if (!depoHatası)
        depoHatası = depo.KodlarıOku(proje, kodlar);
    if (depoHatası) {
        Mesaj::HatayıGöster(m_pencere, depoHatası);
        return std::nullopt;
    }
    if (const auto yersiz = YersizÖnceki(m_alanlar.ÖncekiFaaliyetlerKutusu->text(), ÖncekiOlabilecekKodlar(kodlar, kod))) {
        Uyar(QStringLiteral("ÖNCEKİ FAALİYETLER yalnızca bu faaliyetten önce eklenmiş faaliyetleri içerebilir: "
                            "\"%1\" bunlardan biri değil.").arg(*yersiz),
             m_alanlar.ÖncekiFaaliyetleriSeçmeKutusu);
        return std::nullopt;
    }
    QString neden;
    const auto süre = KaydedilecekSüre(m_alanlar.ÖngörülenSüreKutusu->text(), &neden);
    if (!süre) {
        Mesaj::HatayıGöster(m_pencere, DepoHatası::yeni(DepoHatası::Uyumsuz, neden));
        return std::nullopt;
    }
    return Faaliyet{kod, m_alanlar.FaaliyetAdıKutusu->text(), *süre, m_alanlar.ÖncekiFaaliyetlerKutusu->text()};
}

void FaaliyetAlanları::Uyar(const QString& metin, QWidget* odak)
{
    Mesaj::Göster(m_pencere, metin, Mesaj::Tür::Bilgi);
    odak->setFocus();
}
