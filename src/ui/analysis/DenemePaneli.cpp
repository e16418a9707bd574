#include "ui/analysis/DenemePaneli.h"

#include "plan/PlanBelgesi.h"
#include "rules/BolgeselMetin.h"
#include "ui/Mesaj.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

DenemePaneli::DenemePaneli(PlanBelgesi& belge, std::function<void()> degisti, QWidget* ust)
    : QWidget(ust), m_belge(belge), m_degisti(std::move(degisti))
{
    auto* duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(0, 0, 0, 0);
    auto* satir = new QHBoxLayout;
    duzen->addLayout(satir);
    const auto etiketli = [&](const QString& metin, QWidget* alan) {
        auto* etiket = new QLabel(metin, this);
        etiket->setBuddy(alan);
        satir->addWidget(etiket);
        satir->addWidget(alan);
    };
    satir->addWidget(new QLabel(QStringLiteral("<b>Ne olur?</b>"), this));
    m_faaliyet = new QComboBox(this);
    etiketli(QStringLiteral("&Faaliyet:"), m_faaliyet);
    m_sure = new QLineEdit(this);
    m_sure->setPlaceholderText(QStringLiteral("gün"));
    etiketli(QStringLiteral("Yeni &süre:"), m_sure);
    m_gecikme = new QSpinBox(this);
    m_gecikme->setRange(-100000, 100000);
    m_gecikme->setSuffix(QStringLiteral(" gün"));
    etiketli(QStringLiteral("ya da &gecikme:"), m_gecikme);
    auto* dene = new QPushButton(QStringLiteral("&Dene"), this);
    satir->addWidget(dene);
    satir->addStretch(1);

    auto* uyariSatiri = new QHBoxLayout;
    duzen->addLayout(uyariSatiri);
    m_uyari = new QLabel(this);
    m_uyari->setWordWrap(true);
    m_uyari->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    m_sifirla = new QPushButton(QStringLiteral("Sıfırl&a"), this);
    m_uygula = new QPushButton(QStringLiteral("Plana &Uygula"), this);
    uyariSatiri->addWidget(m_uyari, 1);
    uyariSatiri->addWidget(m_sifirla);
    uyariSatiri->addWidget(m_uygula);
    connect(dene, &QPushButton::clicked, this, &DenemePaneli::Dene);
    connect(m_sure, &QLineEdit::returnPressed, this, &DenemePaneli::Dene);
    connect(m_sifirla, &QPushButton::clicked, this, &DenemePaneli::Sifirla);
    connect(m_uygula, &QPushButton::clicked, this, &DenemePaneli::PlanaUygula);
    UyariyiGuncelle();
}

void DenemePaneli::PlaniGoster()
{
    m_plan = m_belge.plan();
    const auto& plan = m_plan;
    QStringList maddeler;
    for (const KayitliFaaliyet& f : plan ? plan->faaliyetler : QVector<KayitliFaaliyet>())
        maddeler << f.kodu + QStringLiteral(" – ") + f.adi.left(40);
    // The list is filled again only when the activities changed, and keeps its pick.
    if (maddeler != m_maddeler) {
        m_maddeler = maddeler;
        const QString secili = m_faaliyet->currentData().toString();
        m_faaliyet->clear();
        for (int i = 0; i < maddeler.size(); ++i)
            m_faaliyet->addItem(maddeler.at(i), plan->faaliyetler.at(i).kodu);
        m_faaliyet->setCurrentIndex(std::max(0, m_faaliyet->findData(secili)));
    }
    // What the trial changes must still be there, in this project, to be shown.
    bool dusur = !plan || m_deneme.proje != plan->proje.ad;
    for (auto i = m_deneme.sureler.cbegin(); !dusur && i != m_deneme.sureler.cend(); ++i)
        dusur = m_faaliyet->findData(i.key()) < 0;
    if (dusur && !m_deneme.sureler.isEmpty())
        m_deneme = Deneme();
    UyariyiGuncelle();
}

void DenemePaneli::Dene()
{
    const auto& plan = m_plan;
    const int i = m_faaliyet->currentIndex();
    if (!plan || i < 0)
        return;
    const KayitliFaaliyet& f = plan->faaliyetler.at(i);
    std::optional<qint64> sure;
    if (!m_sure->text().trimmed().isEmpty()) {
        sure = BolgeselMetin::TamSayiOku(m_sure->text());
        if (!sure) {
            Mesaj::Goster(this, QStringLiteral("\"%1\" bir süre değil: bir tam sayı girin.").arg(m_sure->text()),
                          Mesaj::Tur::Bilgi);
            return;
        }
    } else {
        const auto simdiki = m_deneme.sureler.contains(f.kodu) ? std::optional(m_deneme.sureler.value(f.kodu))
                                                                : f.sure.deger;
        if (!simdiki)
            return;
        sure = qint64(*simdiki) + m_gecikme->value();
    }
    if (*sure < std::numeric_limits<qint32>::min() || *sure > std::numeric_limits<qint32>::max())
        return;
    m_deneme.proje = plan->proje.ad;
    m_deneme.sureler.insert(f.kodu, qint32(*sure));
    m_sure->clear();
    m_gecikme->setValue(0);
    UyariyiGuncelle();
    m_degisti();
}

void DenemePaneli::Sifirla()
{
    m_deneme = Deneme();
    UyariyiGuncelle();
    m_degisti();
}

void DenemePaneli::PlanaUygula()
{
    const auto& plan = m_plan;
    if (!plan || m_deneme.sureler.isEmpty())
        return;
    const SureleriDegistirKomutu komut = DenemeKomutu(*plan, m_deneme);
    // A refused write keeps the trial: the user may still want it.
    if (!komut.eskiler.isEmpty()) {
        if (const KomutHatasi hata = m_belge.Calistir(komut)) {
            Mesaj::ReddiGoster(this, hata.depo, [this] { m_belge.Sec(m_belge.seciliProje()); });
            return;
        }
    }
    Sifirla();
}

void DenemePaneli::UyariyiGuncelle()
{
    const auto& plan = m_plan;
    const bool var = plan && !m_deneme.sureler.isEmpty();
    m_uyari->setText(var ? QStringLiteral("Deneme – kaydedilmedi: %1").arg(DenemeOzeti(*plan, m_deneme)) : QString());
    m_uyari->setVisible(var);
    m_sifirla->setVisible(var);
    m_uygula->setVisible(var);
}
