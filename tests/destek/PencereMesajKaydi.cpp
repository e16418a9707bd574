#include "destek/PencereMesajKaydi.h"

#include "ui/Mesaj.h"

MesajKaydı::MesajKaydı()
{
    Mesaj::GöstericiKur([this](QWidget*, const QString& başlık, const QString& metin, QMessageBox::Icon simge,
                               const QString& ayrıntı) {
        m_kutular.append({başlık, metin, simge, ayrıntı});
        if (m_açıkken)
            m_açıkken();
        if (!m_yanıtlar.isEmpty())
            return m_yanıtlar.dequeue();
        return simge == QMessageBox::Question ? QMessageBox::Yes : QMessageBox::Ok;
    });
}

MesajKaydı::~MesajKaydı()
{
    Mesaj::GöstericiKur({});
}

QStringList MesajKaydı::hatalar() const
{
    QStringList metinler;
    for (const Kutu& kutu : m_kutular) {
        if (kutu.simge == QMessageBox::Critical)
            metinler << kutu.metin;
    }
    return metinler;
}
