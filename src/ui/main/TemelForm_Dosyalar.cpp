// The plan files of the File menu: opening another, making a new one, the recent ones.
#include "ui/main/TemelForm.h"

#include "store/DosyaKimligi.h"
#include "store/YeniDosya.h"
#include "ui/Mesaj.h"
#include "ui/main/PlanDosyasi.h"
#include "ui/main/TekSurec.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

TemelForm::~TemelForm() = default;

void TemelForm::KilidiTut(std::unique_ptr<TekSurec> kilit)
{
    m_kilit = std::move(kilit);
    if (m_kilit)
        m_kilit->OneGetirilecek(this);
}

void TemelForm::DosyaAc()
{
    if (const auto yol = PlanDosyasi::Sor(this, PlanDosyasi::Islem::Ac))
        DosyayaGec(*yol);
}

void TemelForm::YeniDosya()
{
    // The windows of the file left go first: a new file is made only to be opened.
    const auto yol = PlanDosyasi::Sor(this, PlanDosyasi::Islem::Yeni);
    if (!yol || !PencereleriKapat())
        return;
    if (const DepoHatasi hata = YeniDosyaOlustur(*yol)) {
        Mesaj::HatayiGoster(this, hata);
        return;
    }
    DosyayaGec(*yol);
}

bool TemelForm::DosyayaGec(const QString& yol)
{
    // The file open already: its lock is this window's own, and nothing is to change.
    const auto yeni = DosyaKimliginiOku(yol);
    const auto acik = m_belge.sunucu() ? std::nullopt : DosyaKimliginiOku(m_belge.VeritabaniYolu());
    if (yeni && acik && yeni->AyniDosya(*acik))
        return true;
    auto kilit = std::make_unique<TekSurec>(yol);
    if (kilit->BaskasiAcik()) {
        Mesaj::Goster(this, QStringLiteral("\"%1\" başka bir Kavrion penceresinde açık; o pencere öne getirildi.")
                                .arg(QDir::toNativeSeparators(yol)),
                      Mesaj::Tur::Bilgi);
        return false;
    }
    if (!PencereleriKapat())
        return false;
    const QString birakilan = m_belge.sunucu() ? QString() : m_belge.VeritabaniYolu();
    if (const DepoHatasi hata = m_belge.DosyayaGec(yol)) {
        Mesaj::HatayiGoster(this, hata);
        return false;
    }
    KilidiTut(std::move(kilit));
    if (!birakilan.isEmpty())
        PlanDosyasi::SonDosyalaraEkle(birakilan);
    PlanDosyasi::SonDosyalaraEkle(yol);
    return true;
}

void TemelForm::SonDosyalarMenusunuKur()
{
    // Read as it opens: another Kavrion may have opened files since, or one may be gone.
    connect(m_sonDosyalar, &QMenu::aboutToShow, this, [this] {
        m_sonDosyalar->clear();
        const QString acik = m_belge.sunucu() ? QString() : QFileInfo(m_belge.VeritabaniYolu()).absoluteFilePath();
        int sira = 0;
        for (const QString& yol : PlanDosyasi::SonDosyalar()) {
            if (yol == acik)
                continue;
            const QString ad = QDir::toNativeSeparators(yol).replace(QLatin1Char('&'), QStringLiteral("&&"));
            m_sonDosyalar->addAction(QStringLiteral("&%1 %2").arg(++sira).arg(ad), this,
                                     [this, yol] { DosyayaGec(yol); });
        }
        if (sira == 0)
            m_sonDosyalar->addAction(QStringLiteral("(yok)"))->setEnabled(false);
    });
}
