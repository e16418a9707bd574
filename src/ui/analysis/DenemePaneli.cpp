#include "ui/analysis/DenemePaneli.h"

#include "export/Rapor.h"
#include "text/AnalizMetinleri.h"
#include "plan/PlanBelgesi.h"
#include "rules/BolgeselMetin.h"
#include "rules/FaaliyetKurallari.h"
#include "ui/Mesaj.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

DenemePaneli::DenemePaneli(PlanBelgesi& belge, QWidget* ust) : QWidget(ust), m_belge(belge)
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
    m_gecikme->installEventFilter(this);
    connect(m_sifirla, &QPushButton::clicked, this, &DenemePaneli::Sifirla);
    connect(m_uygula, &QPushButton::clicked, this, &DenemePaneli::PlanaUygula);
    UyariyiGuncelle();
}

void DenemePaneli::PlaniGoster()
{
    // The window may refresh beneath the question: the answer decides what is shown.
    if (m_soruluyor)
        return;
    const Deneme& deneme = m_belge.deneme();
    if (!deneme.sureler.isEmpty() && m_belge.seciliProje() != deneme.proje) {
        const QString proje = deneme.proje;
        const auto yanit = UygulansinMi();
        if (yanit == QMessageBox::Discard)
            m_belge.DenemeyiBirak();
        else if (yanit != QMessageBox::Save || !Yaz())
            m_belge.SecimeDon(proje); // kept, so its project is shown again in every window
    }
    ListeyiDoldur();
    m_belge.DenemeGosterildi();
    UyariyiGuncelle();
}

void DenemePaneli::ListeyiDoldur()
{
    m_plan = m_belge.plan();
    const auto& plan = m_plan;
    QStringList maddeler;
    for (const KayitliFaaliyet& f : plan ? plan->faaliyetler : QVector<KayitliFaaliyet>())
        maddeler << f.kodu + QStringLiteral(" – ") + f.adi.left(40);
    // The list is filled again only when the activities changed, and keeps its pick.
    if (maddeler == m_maddeler)
        return;
    m_maddeler = maddeler;
    const QString secili = m_faaliyet->currentData().toString();
    m_faaliyet->clear();
    for (int i = 0; i < maddeler.size(); ++i)
        m_faaliyet->addItem(maddeler.at(i), plan->faaliyetler.at(i).kodu);
    m_faaliyet->setCurrentIndex(std::max(0, m_faaliyet->findData(secili)));
}

bool DenemePaneli::Kapanabilir()
{
    if (m_belge.deneme().sureler.isEmpty())
        return true;
    switch (UygulansinMi()) {
    case QMessageBox::Save:
        return Yaz();
    case QMessageBox::Discard:
        m_belge.DenemeyiBirak();
        return true;
    default:
        return false;
    }
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
            Mesaj::Goster(this, SureDegilNedeni(m_sure->text(), std::numeric_limits<qint32>::min()), Mesaj::Tur::Bilgi);
            return;
        }
    } else if (m_gecikme->value() == 0) {
        // Nothing to try: the trial would only say that a duration stays what it is.
        Mesaj::Goster(this, QStringLiteral("Denemek için yeni bir süre ya da bir gecikme girin."), Mesaj::Tur::Bilgi);
        m_sure->setFocus(Qt::OtherFocusReason);
        return;
    } else {
        const Deneme& deneme = m_belge.deneme();
        const auto simdiki = deneme.proje == plan->proje.ad && deneme.sureler.contains(f.kodu)
                                 ? std::optional(deneme.sureler.value(f.kodu))
                                 : f.sure.deger;
        if (!simdiki)
            return;
        sure = qint64(*simdiki) + m_gecikme->value();
    }
    if (*sure < std::numeric_limits<qint32>::min() || *sure > std::numeric_limits<qint32>::max())
        return;
    m_sure->clear();
    m_gecikme->setValue(0);
    m_belge.SureyiDene(f, qint32(*sure));
}

void DenemePaneli::Sifirla()
{
    m_belge.DenemeyiBirak();
}

void DenemePaneli::PlanaUygula()
{
    if (!m_belge.deneme().sureler.isEmpty())
        Yaz();
}

bool DenemePaneli::Yaz()
{
    const KomutHatasi hata = m_belge.DenemeyiUygula();
    if (hata)
        Mesaj::ReddiGoster(this, hata.depo, [this] { m_belge.Sec(m_belge.seciliProje()); });
    return !hata;
}

QMessageBox::StandardButton DenemePaneli::UygulansinMi()
{
    m_soruluyor = true;
    const auto yanit = Mesaj::Goster(this,
                                     QStringLiteral("\"%1\" projesinin denemesi plana uygulanmadı: %2.\n"
                                                    "Plana uygulansın mı? Bırakılırsa kaydedilmeden atılır.")
                                         .arg(m_belge.deneme().proje.left(AnalizMetinleri::AdSiniri),
                                              DenemeOzeti(m_belge.denemePlani(), m_belge.deneme())),
                                     Mesaj::Tur::Uygulanmamis);
    m_soruluyor = false;
    return yanit;
}

bool DenemePaneli::eventFilter(QObject* nesne, QEvent* olay)
{
    // Enter in the slip field tries, as it does in the duration field; the spin box has
    // not yet read what was typed.
    if (nesne == m_gecikme && olay->type() == QEvent::KeyPress) {
        const int tus = static_cast<QKeyEvent*>(olay)->key();
        if (tus == Qt::Key_Return || tus == Qt::Key_Enter) {
            m_gecikme->interpretText();
            Dene();
            return true;
        }
    }
    return QWidget::eventFilter(nesne, olay);
}

void DenemePaneli::UyariyiGuncelle()
{
    const bool var = m_belge.Denemede();
    m_uyari->setText(var ? QStringLiteral("%1: %2").arg(DenemeIsareti(), DenemeOzeti(*m_belge.plan(), m_belge.deneme()))
                         : QString());
    m_uyari->setVisible(var);
    m_sifirla->setVisible(var);
    m_uygula->setVisible(var);
}
