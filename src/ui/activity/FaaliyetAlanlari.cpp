#include "ui/activity/FaaliyetAlanlari.h"

#include "ui/Mesaj.h"
#include "ui/OdakKaybi.h"
#include "rules/FaaliyetKurallari.h"
#include "text/BagMetinleri.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

FaaliyetAlanlari::FaaliyetAlanlari(QWidget* pencere, const FaaliyetAlanDenetimleri& alanlar)
    : m_pencere(pencere), m_alanlar(alanlar)
{
    // It has no label of its own; it shows what the drop-down list above it has built.
    m_alanlar.OncekiFaaliyetlerKutusu->setAccessibleName(QStringLiteral("Seçilen Önceki Faaliyetler"));
    for (const BagTuru tur : {BagTuru::BitisBaslama, BagTuru::BaslamaBaslama, BagTuru::BitisBitis, BagTuru::BaslamaBitis})
        m_alanlar.BagTuruKutusu->addItem(
            QStringLiteral("%1 (%2)").arg(BagMetinleri::Ad(tur), BagMetinleri::KisaAd(tur)), int(tur));
    m_alanlar.GecikmeKutusu->setRange(-GecikmeSiniri, GecikmeSiniri);
    // Codes are the user's text: never read as markup.
    m_alanlar.BagKuraliEtiketi->setTextFormat(Qt::PlainText);
    m_alanlar.BagKuraliEtiketi->setWordWrap(true);

    OdakKaybindaCalistir(m_alanlar.OngorulenSureKutusu, [this] { OngorulenSureKutusu_LostFocus(); });
    QObject::connect(m_alanlar.EklemeDugmesi, &QPushButton::clicked, m_pencere, [this] { EklemeDugmesi_Click(); });
    QObject::connect(m_alanlar.SilDugmesi, &QPushButton::clicked, m_pencere, [this] { SilDugmesi_Click(); });
    const auto kural = [this] { KuraliGoster(); };
    QObject::connect(m_alanlar.OncekiFaaliyetleriSecmeKutusu, &QComboBox::currentTextChanged, m_pencere, kural);
    QObject::connect(m_alanlar.BagTuruKutusu, &QComboBox::currentIndexChanged, m_pencere, kural);
    QObject::connect(m_alanlar.GecikmeKutusu, &QSpinBox::valueChanged, m_pencere, kural);
    QObject::connect(m_alanlar.FaaliyetKoduKutusu, &QLineEdit::textChanged, m_pencere, kural);
}

void FaaliyetAlanlari::OngorulenSureKutusu_LostFocus()
{
    m_alanlar.OngorulenSureKutusu->setText(SureKurali(m_alanlar.OngorulenSureKutusu->text()));
}

void FaaliyetAlanlari::EklemeDugmesi_Click()
{
    const QString kod = m_alanlar.OncekiFaaliyetleriSecmeKutusu->currentText();
    if (kod.isEmpty())
        return;
    if (const auto oncekiler = OncekilereEkle(m_oncekiler, kod)) {
        QVector<BagAyrintisi> baglar = m_baglar;
        if (const BagAyrintisi bag = SecilenBag(kod); !bag.Duz())
            baglar.append(bag);
        OncekileriGoster(*oncekiler, baglar);
        BagSeciminiSifirla();
        return;
    }
    Uyar(QStringLiteral("Bir faaliyeti 2 kez ekleyemezsiniz!"), m_alanlar.OncekiFaaliyetleriSecmeKutusu);
}

void FaaliyetAlanlari::SilDugmesi_Click()
{
    OncekileriGoster(QString(), {});
}

void FaaliyetAlanlari::OncekileriGoster(const QString& oncekiler, const QVector<BagAyrintisi>& baglar)
{
    m_oncekiler = oncekiler;
    m_baglar = baglar;
    m_alanlar.OncekiFaaliyetlerKutusu->setText(BagMetinleri::OncekilerMetni(oncekiler, baglar));
}

void FaaliyetAlanlari::BagSeciminiSifirla()
{
    m_alanlar.BagTuruKutusu->setCurrentIndex(0);
    m_alanlar.GecikmeKutusu->setValue(0);
}

BagAyrintisi FaaliyetAlanlari::SecilenBag(const QString& onceki) const
{
    return {onceki, BagTuru(m_alanlar.BagTuruKutusu->currentData().toInt()), m_alanlar.GecikmeKutusu->value()};
}

void FaaliyetAlanlari::KuraliGoster()
{
    const QString onceki = m_alanlar.OncekiFaaliyetleriSecmeKutusu->currentText();
    m_alanlar.BagKuraliEtiketi->setText(
        onceki.isEmpty() ? QString()
                         : BagMetinleri::KuralCumlesi(m_alanlar.FaaliyetKoduKutusu->text(), SecilenBag(onceki)));
}

void FaaliyetAlanlari::KodListesiniDoldur(const QStringList& kodlar)
{
    m_alanlar.OncekiFaaliyetleriSecmeKutusu->clear();
    m_alanlar.OncekiFaaliyetleriSecmeKutusu->addItems(kodlar);
    m_alanlar.OncekiFaaliyetleriSecmeKutusu->setCurrentIndex(-1);
}

bool FaaliyetAlanlari::Giriliyor() const
{
    return m_alanlar.Cerceve->isEnabledTo(m_pencere);
}

std::optional<Faaliyet> FaaliyetAlanlari::KaydedilecekFaaliyet(const QString& kod, bool oncekilerGerekli)
{
    OdaktakiAlaninKuraliniCalistir(m_pencere);
    const AlanHatasi hata = AlanlariDenetle(m_alanlar.FaaliyetAdiKutusu->text(), m_alanlar.OngorulenSureKutusu->text(),
                                            m_oncekiler, oncekilerGerekli);
    switch (hata) {
    case AlanHatasi::AdBos:
        Uyar(AlanHatasiMetni(hata), m_alanlar.FaaliyetAdiKutusu);
        return std::nullopt;
    case AlanHatasi::SureBos:
        Uyar(AlanHatasiMetni(hata), m_alanlar.OngorulenSureKutusu);
        return std::nullopt;
    case AlanHatasi::OncekilerBos:
        Uyar(AlanHatasiMetni(hata), m_alanlar.OncekiFaaliyetleriSecmeKutusu);
        return std::nullopt;
    case AlanHatasi::Yok:
        break;
    }

    QString neden;
    const auto sure = KaydedilecekSure(m_alanlar.OngorulenSureKutusu->text(), &neden);
    if (!sure) {
        Mesaj::HatayiGoster(m_pencere, DepoHatasi::yeni(DepoHatasi::Uyumsuz, neden));
        return std::nullopt;
    }
    return Faaliyet{kod, m_alanlar.FaaliyetAdiKutusu->text(), *sure, m_oncekiler, m_baglar};
}

void FaaliyetAlanlari::KomutHatasiniGoster(const KomutHatasi& hata, const std::function<void()>& yenile)
{
    if (!hata.yersizOnceki.isEmpty())
        Uyar(QStringLiteral("ÖNCEKİ FAALİYETLER yalnızca bu faaliyetten önce eklenmiş faaliyetleri içerebilir: "
                            "\"%1\" bunlardan biri değil.").arg(hata.yersizOnceki),
             m_alanlar.OncekiFaaliyetleriSecmeKutusu);
    else
        Mesaj::ReddiGoster(m_pencere, hata.depo, yenile);
}

void FaaliyetAlanlari::Uyar(const QString& metin, QWidget* odak)
{
    Mesaj::Goster(m_pencere, metin, Mesaj::Tur::Bilgi);
    odak->setFocus();
}
