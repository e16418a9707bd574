#pragma once

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <functional>

class QPageLayout;
class QPaintDevice;

// Draws page after page in points (1/72 inch) with fonts sized in those points, so the
// same measures hold on a PDF writer's 1200 dpi and on any printer. Every page gets
// "Kavrion – " and the project's name and its number at its foot, below `alan`.
class SayfaBoyacisi {
public:
    // `yazi`: the pages' font, sized in pixels, which on the pages are points.
    SayfaBoyacisi(QPaintDevice& aygit, const QPageLayout& duzen, const std::function<void()>& yeniSayfa,
                  const QString& proje, const QFont& yazi);
    ~SayfaBoyacisi();
    SayfaBoyacisi(const SayfaBoyacisi&) = delete;
    SayfaBoyacisi& operator=(const SayfaBoyacisi&) = delete;

    // The part of each page of `duzen` drawn on, in points, above the foot `yazi` takes.
    static QRectF Alan(const QPageLayout& duzen, const QFont& yazi);

    QPainter& boyaci() { return m_boyaci; }
    const QRectF& alan() const { return m_alan; }
    const QFont& yazi() const { return m_yazi; }
    double satir() const { return m_satir; }
    void YeniSayfa();

private:
    void Altlik();

    std::function<void()> m_yeniSayfa;
    QString m_proje;
    QFont m_yazi;
    QPainter m_boyaci;
    QRectF m_alan;
    double m_satir = 0;
    int m_sayfa = 1;
};
