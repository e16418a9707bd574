#include "ui/widgets/AralikliSayiKutusu.h"

#include <utility>

AralikliSayiKutusu::AralikliSayiKutusu(Alinmadi alinmadi, QWidget* ust)
    : QSpinBox(ust), m_alinmadi(std::move(alinmadi))
{
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] {
        const QString metin = std::exchange(m_geriAlinan, QString());
        if (!metin.isEmpty())
            m_alinmadi(metin);
    });
}

void AralikliSayiKutusu::fixup(QString& metin) const
{
    QSpinBox::fixup(metin);
    // Qt asks for a fix only for a text that is no value in range, just before it takes it back.
    m_geriAlinan = metin;
}
