#pragma once

#include "kernel/Ilerleme.h"
#include "ui/Diyalog.h"

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// "İlerleme": the selected project's status date, and what happened to one of its
// activities by then: its actual start and finish, and either its percent complete or its
// remaining days, the other worked out from the activity's duration. Each is written as one
// command, so that undo takes it back; a refusal says why and changes nothing.
class IlerlemePenceresi : public Diyalog {
public:
    explicit IlerlemePenceresi(const DiyalogBaglami& baglam);

    // The one progress window of the owner, opened or brought to the front, showing the
    // activity coded `kodu` when the selected project has it.
    static IlerlemePenceresi* Ac(const DiyalogBaglami& baglam, const QString& kodu = QString());
    // The owner's progress window while it is open; null when closed.
    static IlerlemePenceresi* Acik(const QWidget* sahip);

    // The selected project's status date and the chosen activity's progress as stored.
    void Yenile();
    void FaaliyetiSec(const QString& kodu);
    // Writes the status date in its field; an empty field removes it.
    void DurumTarihiDugmesi_Click();
    // Writes the chosen activity's progress as the fields give it, or removes it.
    void UygulaDugmesi_Click();
    void TemizleDugmesi_Click();

    // For tests: the parts as the user sees them.
    QLabel* durum() const { return m_durum; }
    QLineEdit* durumTarihiKutusu() const { return m_durumTarihi; }
    QComboBox* faaliyetKutusu() const { return m_faaliyet; }
    QLineEdit* baslamaKutusu() const { return m_baslama; }
    QLineEdit* bitisKutusu() const { return m_bitis; }
    QSpinBox* yuzdeKutusu() const { return m_yuzde; }
    QSpinBox* kalanKutusu() const { return m_kalan; }
    QLabel* turetilen() const { return m_turetilen; }
    QPushButton* uygulaDugmesi() const { return m_uygula; }

private:
    void Kur();
    QLayout* FaaliyetAlanlariniKur();
    void FaaliyetleriDoldur(const QString& secilecek);
    void AlanlariDoldur();
    // The percent or (kalanVerildi) the remaining days were given; the other follows from the duration.
    void GirilenDegisti(bool kalanVerildi);
    void TuretileniGoster();
    qint32 SeciliSure() const;
    QString SeciliKod() const;
    std::optional<FaaliyetIlerlemesi> KayitliIlerleme() const;
    // The progress the fields describe; none (after the date rule's box) when a date is no date.
    std::optional<FaaliyetIlerlemesi> AlanlardakiIlerleme();

    QString m_proje;
    bool m_kalanVerildi = false;

    QLabel* m_durum = nullptr;
    QLineEdit* m_durumTarihi = nullptr;
    QPushButton* m_durumUygula = nullptr;
    QComboBox* m_faaliyet = nullptr;
    QLineEdit* m_baslama = nullptr;
    QLineEdit* m_bitis = nullptr;
    QSpinBox* m_yuzde = nullptr;
    QSpinBox* m_kalan = nullptr;
    QLabel* m_turetilen = nullptr;
    QPushButton* m_uygula = nullptr;
    QPushButton* m_temizle = nullptr;
};
