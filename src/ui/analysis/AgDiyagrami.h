#pragma once

#include "drawing/AgCizimi.h"

#include <QWidget>
#include <functional>
#include <memory>

// The network diagram on screen, inside a scroll area: it paints what is exposed, zooms,
// and lets the keyboard move from box to box (right and left along the links or to the
// next column, up and down within a column; Enter or space picks the focused box). The
// window that holds it decides what a picked box means and selects it back through Sec.
class AgDiyagrami : public QWidget {
public:
    explicit AgDiyagrami(QWidget* ebeveyn = nullptr);
    ~AgDiyagrami() override;

    // The diagram of a computed analysis. It is laid out when first shown, so that a
    // window whose diagram is never looked at never pays for it.
    void Goster(const AgAnalizi& analiz);
    void Bosalt();

    // Highlights row i's box (-1 for none) and gives the keyboard focus to it.
    void Sec(int i);
    int secili() const { return m_secili; }
    int odak() const { return m_odak; }
    // Called with the row the user picked by click, Enter or space.
    void SecilinceCagir(std::function<void(int)> cagrilacak) { m_secilince = std::move(cagrilacak); }

    void Yakinlastir();
    void Uzaklastir();
    void GercekBoyut();
    double Olcek() const { return m_olcek; }

    // Row i's box in this widget's pixels; empty when it has none (yet).
    QRect KutuAlani(int i) const;
    AgSayimi SonCizilen() const { return m_sonCizilen; }

protected:
    void changeEvent(QEvent* olay) override;
    void showEvent(QShowEvent* olay) override;
    void paintEvent(QPaintEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;
    void mousePressEvent(QMouseEvent* olay) override;
    void wheelEvent(QWheelEvent* olay) override;
    void focusInEvent(QFocusEvent* olay) override;
    bool event(QEvent* olay) override;

private:
    void CizimiKur();
    void OlcegiKur(double olcek);
    // Moves the keyboard focus to row i's box, scrolls it into view and says what it holds.
    void OdakKoy(int i);
    // The top box of the first column; -1 when there is none.
    int IlkKutu() const;
    // The box the arrow key `tus` leads to from the focused one (the first box when none is
    // focused); -1 when there is none.
    int Komsu(int tus) const;
    void Yenile(int i);

    AgAnalizi m_analiz;
    std::unique_ptr<AgCizimi> m_cizim;
    bool m_kurulacak = false;
    QVector<QVector<int>> m_sutunlar; // each column's rows from the top
    double m_olcek = 1;
    int m_secili = -1;
    int m_odak = -1;
    std::function<void(int)> m_secilince;
    AgSayimi m_sonCizilen;
};
