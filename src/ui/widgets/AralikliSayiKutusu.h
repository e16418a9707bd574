#pragma once

#include <QSpinBox>
#include <functional>

// A spin box that does not take back a number out of its range in silence: when the field
// is left or Enter is pressed over a text it cannot take, `alinmadi` hears of that text,
// and the box shows its last value again, as any spin box does.
class AralikliSayiKutusu : public QSpinBox {
public:
    using Alinmadi = std::function<void(const QString& metin)>;
    explicit AralikliSayiKutusu(Alinmadi alinmadi, QWidget* ust = nullptr);

protected:
    void fixup(QString& metin) const override;

private:
    Alinmadi m_alinmadi;
    mutable QString m_geriAlinan; // what Qt is about to take back, until the edit ends
};
