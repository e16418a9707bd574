#pragma once

#include <QHash>
#include <QLabel>

// A word-wrapped label whose text can be selected and copied. Qt lays such a text out as a
// document twice for every height a layout asks of it, even for a width it asked a moment
// before, and a window's layouts ask three times or more after each change of text; the
// heights are kept here until the text or the font changes.
class SarilanEtiket : public QLabel {
public:
    explicit SarilanEtiket(QWidget* ebeveyn = nullptr);

    int heightForWidth(int genislik) const override;

protected:
    void changeEvent(QEvent* olay) override;

private:
    // setText is not virtual: the text the heights were measured for is compared instead.
    mutable QString m_olculenMetin;
    mutable QHash<int, int> m_yukseklikler;
};
