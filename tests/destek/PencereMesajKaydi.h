#pragma once

#include "ui/Mesaj.h"

#include <QQueue>
#include <QStringList>
#include <QVector>
#include <functional>

// Stands in for the application's message boxes while it lives: records every box
// that would have been shown and answers it, so no test ever waits on a modal loop.
class MesajKaydi {
public:
    struct Kutu {
        QString baslik, metin;
        QMessageBox::Icon simge = QMessageBox::NoIcon;
        QString ayrinti;
    };

    MesajKaydi()
    {
        Mesaj::GostericiKur([this](QWidget*, const QString& baslik, const QString& metin, QMessageBox::Icon simge,
                                   const QString& ayrinti) {
            m_kutular.append({baslik, metin, simge, ayrinti});
            if (m_acikken)
                m_acikken();
            if (!m_yanitlar.isEmpty())
                return m_yanitlar.dequeue();
            return simge == QMessageBox::Question ? QMessageBox::Yes : QMessageBox::Ok;
        });
    }
    ~MesajKaydi() { Mesaj::GostericiKur({}); }
    MesajKaydi(const MesajKaydi&) = delete;
    MesajKaydi& operator=(const MesajKaydi&) = delete;

    // The answers to give, in order; when none is queued, a question gets Yes and others OK.
    void Yanitla(QMessageBox::StandardButton yanit) { m_yanitlar.enqueue(yanit); }
    // Runs while each box is "open", e.g. to look at the focus at that moment.
    void AcikkenCalistir(std::function<void()> is) { m_acikken = std::move(is); }

    int sayi() const { return int(m_kutular.size()); }
    const QVector<Kutu>& kutular() const { return m_kutular; }
    Kutu son() const { return m_kutular.isEmpty() ? Kutu() : m_kutular.last(); }
    void Temizle() { m_kutular.clear(); }
    // The whole texts of every box, in order.
    QStringList metinler() const
    {
        QStringList metinler;
        for (const Kutu& kutu : m_kutular)
            metinler << kutu.metin;
        return metinler;
    }
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
    QQueue<QMessageBox::StandardButton> m_yanitlar;
    std::function<void()> m_acikken;
};
