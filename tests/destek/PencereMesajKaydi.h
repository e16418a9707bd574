#pragma once

#include "ui/Mesaj.h"

#include <QQueue>
#include <QStringList>
#include <QVector>
#include <functional>

// Stands in for the application's message boxes while it lives: records every box
// that would have been shown and answers it, so no test ever waits on a modal loop.
class MesajKaydı {
public:
    struct Kutu {
        QString başlık, metin;
        QMessageBox::Icon simge = QMessageBox::NoIcon;
        QString ayrıntı;
    };

    MesajKaydı()
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
    ~MesajKaydı() { Mesaj::GöstericiKur({}); }
    MesajKaydı(const MesajKaydı&) = delete;
    MesajKaydı& operator=(const MesajKaydı&) = delete;

    // The answers to give, in order; when none is queued, a question gets Yes and others OK.
    void Yanıtla(QMessageBox::StandardButton yanıt) { m_yanıtlar.enqueue(yanıt); }
    // Runs while each box is "open", e.g. to look at the focus at that moment.
    void AçıkkenÇalıştır(std::function<void()> iş) { m_açıkken = std::move(iş); }

    int sayı() const { return int(m_kutular.size()); }
    const QVector<Kutu>& kutular() const { return m_kutular; }
    Kutu son() const { return m_kutular.isEmpty() ? Kutu() : m_kutular.last(); }
    void Temizle() { m_kutular.clear(); }
    // The texts of the error boxes ("Hata N: ..."), confirmations and notices left out.
    QStringList hatalar() const
    {
        QStringList metinler;
        for (const Kutu& kutu : m_kutular) {
            if (kutu.simge == QMessageBox::Critical)
                metinler << kutu.metin;
        }
        return metinler;
    }

private:
    QVector<Kutu> m_kutular;
    QQueue<QMessageBox::StandardButton> m_yanıtlar;
    std::function<void()> m_açıkken;
};
