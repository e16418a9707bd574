#include "ui/activity/FaaliyetAlanlari.h"

#include "ui/Mesaj.h"
#include "ui/OdakKaybi.h"
#include "ui/activity/FaaliyetKurallari.h"
#include "ui/main/TemelForm.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

FaaliyetAlanları::FaaliyetAlanları(TemelForm& anaPencere, const PencereDüzeni& düzen)
    : Diyalog(&anaPencere, düzen), m_anaPencere(anaPencere)
{
    const KurulmuşPencere& k = denetimler();
    Çerçeve = k.al<QGroupBox>("Çerçeve");
    FaaliyetKoduKutusu = k.al<QLineEdit>("FaaliyetKoduKutusu");
    FaaliyetAdıKutusu = k.al<QLineEdit>("FaaliyetAdıKutusu");
    ÖngörülenSüreKutusu = k.al<QLineEdit>("ÖngörülenSüreKutusu");
    ÖncekiFaaliyetleriSeçmeKutusu = k.al<QComboBox>("ÖncekiFaaliyetleriSeçmeKutusu");
    EklemeDüğmesi = k.al<QPushButton>("EklemeDüğmesi");
    SilDüğmesi = k.al<QPushButton>("SilDüğmesi");
    ÖncekiFaaliyetlerKutusu = k.al<QLineEdit>("ÖncekiFaaliyetlerKutusu");
    // It has no label of its own; it shows what the drop-down list above it has built.
    ÖncekiFaaliyetlerKutusu->setAccessibleName(QStringLiteral("Seçilen Önceki Faaliyetler"));

    OdakKaybındaÇalıştır(ÖngörülenSüreKutusu, [this] { ÖngörülenSüreKutusu_LostFocus(); });
    connect(EklemeDüğmesi, &QPushButton::clicked, this, &FaaliyetAlanları::EklemeDüğmesi_Click);
    connect(SilDüğmesi, &QPushButton::clicked, this, &FaaliyetAlanları::SilDüğmesi_Click);
}

void FaaliyetAlanları::ÖngörülenSüreKutusu_LostFocus()
{
    ÖngörülenSüreKutusu->setText(SüreKuralı(ÖngörülenSüreKutusu->text()));
}

void FaaliyetAlanları::EklemeDüğmesi_Click()
{
    const QString kod = ÖncekiFaaliyetleriSeçmeKutusu->currentText();
    if (kod.isEmpty())
        return;
    if (const auto öncekiler = ÖncekilereEkle(ÖncekiFaaliyetlerKutusu->text(), kod)) {
        ÖncekiFaaliyetlerKutusu->setText(*öncekiler);
        return;
    }
    Uyar(QStringLiteral("Bir faaliyeti 2 kez ekleyemezsiniz!"), ÖncekiFaaliyetleriSeçmeKutusu);
}

void FaaliyetAlanları::SilDüğmesi_Click()
{
    ÖncekiFaaliyetlerKutusu->clear();
}

void FaaliyetAlanları::KodListesiniDoldur(const QStringList& kodlar)
{
    ÖncekiFaaliyetleriSeçmeKutusu->clear();
    ÖncekiFaaliyetleriSeçmeKutusu->addItems(kodlar);
    ÖncekiFaaliyetleriSeçmeKutusu->setCurrentIndex(-1);
}

Faaliyet FaaliyetAlanları::Alanlar() const
{
    return {FaaliyetKoduKutusu->text(), FaaliyetAdıKutusu->text(), ÖngörülenSüreKutusu->text(),
            ÖncekiFaaliyetlerKutusu->text()};
}

bool FaaliyetAlanları::KaydetmedenDenetle(const QString& proje, const QString& kod, bool öncekilerGerekli)
{
    const AlanHatası hata = AlanlarıDenetle(FaaliyetAdıKutusu->text(), ÖngörülenSüreKutusu->text(),
                                            ÖncekiFaaliyetlerKutusu->text(), öncekilerGerekli);
    switch (hata) {
    case AlanHatası::AdBoş:
        Uyar(AlanHatasıMetni(hata), FaaliyetAdıKutusu);
        return false;
    case AlanHatası::SüreBoş:
        Uyar(AlanHatasıMetni(hata), ÖngörülenSüreKutusu);
        return false;
    case AlanHatası::ÖncekilerBoş:
        Uyar(AlanHatasıMetni(hata), ÖncekiFaaliyetleriSeçmeKutusu);
        return false;
    case AlanHatası::Yok:
        break;
    }

    // The schedule can only use a predecessor added before the activity; a code
    // deleted since it was picked is no predecessor either. A project that is gone
    // is reported as such rather than as predecessors it no longer has.
    ProjeBilgisi bilgi;
    QStringList kodlar;
    DepoHatası depoHatası = m_anaPencere.Depo().ProjeOku(proje, bilgi);
    if (!depoHatası)
        depoHatası = m_anaPencere.Depo().KodlarıOku(proje, kodlar);
    if (depoHatası) {
        Mesaj::HatayıGöster(this, depoHatası);
        return false;
    }
    if (const auto yersiz = YersizÖnceki(ÖncekiFaaliyetlerKutusu->text(), ÖncekiOlabilecekKodlar(kodlar, kod))) {
        Uyar(QStringLiteral("ÖNCEKİ FAALİYETLER yalnızca bu faaliyetten önce eklenmiş faaliyetleri içerebilir: "
                            "\"%1\" bunlardan biri değil.").arg(*yersiz),
             ÖncekiFaaliyetleriSeçmeKutusu);
        return false;
    }
    return true;
}

void FaaliyetAlanları::Uyar(const QString& metin, QWidget* odak)
{
    Mesaj::Göster(this, metin, Mesaj::Tür::Bilgi);
    odak->setFocus();
}
