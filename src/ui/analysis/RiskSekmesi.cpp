#include "ui/analysis/RiskSekmesi.h"

#include "plan/PlanBelgesi.h"
#include "rules/FaaliyetKurallari.h"
#include "ui/Mesaj.h"
#include "ui/analysis/TahminTablosu.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

RiskSekmesi::RiskSekmesi(PlanBelgesi& belge, QWidget* ust) : QWidget(ust), m_belge(belge)
{
    auto* duzen = new QVBoxLayout(this);
    m_durum = new QLabel(this);
    m_durum->setWordWrap(true);
    duzen->addWidget(m_durum);
    m_model = new TahminTablosu([this](int satir, int sutun, const QString& metin) { Duzenlendi(satir, sutun, metin); },
                                this);
    m_tablo = new QTableView(this);
    m_tablo->setModel(m_model);
    m_tablo->setAccessibleName(QStringLiteral("Tahminler"));
    m_tablo->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_tablo->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tablo->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::AnyKeyPressed);
    m_tablo->setTabKeyNavigation(false);
    m_tablo->verticalHeader()->hide();
    m_tablo->horizontalHeader()->setStretchLastSection(true);
    auto* etiket = new QLabel(QStringLiteral("Üç &noktalı tahminler (iyimser, en olası, kötümser; gün; F2 ile düzenlenir):"),
                              this);
    etiket->setBuddy(m_tablo);
    duzen->addWidget(etiket);
    duzen->addWidget(m_tablo, 1);
    Yenile();
}

void RiskSekmesi::Yenile()
{
    // Following every selection with a table no one sees would cost the selection.
    m_eskidi = !isVisible();
    if (m_eskidi)
        return;
    QHash<QString, UcNoktaTahmini> tahminler;
    const DepoHatasi hata = m_belge.Tahminler(tahminler);
    const auto& plan = m_belge.plan();
    m_durum->setText(!plan ? QStringLiteral("Seçili proje yok.")
                     : hata ? QStringLiteral("Tahminler okunamadı: %1").arg(HataMetni(hata))
                            : QString());
    m_durum->setVisible(!m_durum->text().isEmpty());
    const int satir = m_tablo->currentIndex().row(), sutun = m_tablo->currentIndex().column();
    m_model->Goster(plan ? plan->faaliyetler : QVector<KayitliFaaliyet>(), tahminler);
    // The cell being worked on stays current when the same plan comes back.
    if (satir >= 0 && satir < m_model->rowCount())
        m_tablo->setCurrentIndex(m_model->index(satir, sutun));
}

void RiskSekmesi::showEvent(QShowEvent* olay)
{
    QWidget::showEvent(olay);
    if (m_eskidi)
        Yenile();
}

void RiskSekmesi::Duzenlendi(int satir, int sutun, const QString& metin)
{
    const auto gecerli = m_model->Gecerli(satir);
    const auto kayitli = m_model->Kayitli(satir);
    std::optional<UcNoktaTahmini> yeni;
    QString neden;
    if (!gecerli)
        return;
    if (!DuzenlenenTahmin(*gecerli, TahminGunu(sutun - TahminTablosu::Iyimser), metin, yeni, neden)) {
        Mesaj::Goster(this, neden, Mesaj::Tur::Bilgi);
        return;
    }
    if (!yeni && !kayitli)
        return;
    const TahminDegistirKomutu komut{m_belge.seciliProje(), m_model->Faaliyet(satir).kodu, kayitli, yeni};
    if (const KomutHatasi hata = m_belge.Calistir(komut))
        Mesaj::ReddiGoster(this, hata.depo, [this] { m_belge.Sec(m_belge.seciliProje()); });
}
