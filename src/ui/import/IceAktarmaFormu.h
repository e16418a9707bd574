#pragma once

#include "import/Aktarim.h"
#include "import/AktarimDenetimi.h"
#include "ui/Diyalog.h"
#include "ui/layout/Duzenler.h"
#include "ui/project/ProjeAlanlari.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QVBoxLayout;

// The preview of an import: what the file holds that Kavrion cannot (to accept before
// anything else), the project or projects with their activities as they will be
// stored, how the file was read and every conversion. What "Aktar" would refuse (a taken
// name, a missing date, dates without a day between them) is said as soon as it is so,
// and a taken name comes with a free one in its place. Nothing is written before
// "Aktar", which writes it all as one command; "Vazgeç" leaves everything as it was.
class IceAktarmaFormu : public Diyalog, public ProjeAlanDenetimleri, public ProjeAlanlari {
public:
    IceAktarmaFormu(const DiyalogBaglami& baglam, const QString& dosya, const Aktarim& aktarim);

    void AktarDugmesi_Click();

    QCheckBox* onay() const { return m_onay; }
    QTreeWidget* projeListesi() const { return m_projeler; }
    QTreeWidget* faaliyetListesi() const { return m_faaliyetler; }
    QLabel* bulgular() const { return m_bulgular; } // what the shown project's fields lack
    QLabel* tahminNotu() const { return m_tahminNotu; }
    QPlainTextEdit* rapor() const { return m_rapor; }
    QPushButton* aktarDugmesi() const { return m_aktar; }

private:
    struct Metinler {
        QString ad, baslama, bitis;
        // When the file's name was taken here: that name, and the free one offered in its place.
        QString kayitliAd, onerilen;
    };
    void Kur(const QString& dosya);
    void OnayiKur(QVBoxLayout* duzen, QWidgetList& sira);
    void ProjeListesiniKur(QVBoxLayout* duzen, QWidgetList& sira);
    void FaaliyetlerVeRaporuKur(QVBoxLayout* duzen);
    QPushButton* DugmeleriKur(QVBoxLayout* duzen);
    // The fields show the project of that row; what was typed for the one before is kept.
    void ProjeyiGoster(int satir);
    void AlanlariSakla();
    void AktarilabilirligiGuncelle();
    // Checks every project against the store and the others chosen, as its fields are now.
    void BulgulariGuncelle();
    QStringList AlinmisAdlar(int satir) const;
    QString Durum(int satir, const AktarimBulgulari& bulgular) const;
    void AlanlariIsaretle(const AktarimBulgulari& bulgular);

    Aktarim m_aktarim;
    QVector<Metinler> m_metinler;
    int m_gosterilen = -1;
    bool m_dolduruluyor = false; // the fields are being filled with another project
    QCheckBox* m_onay = nullptr;
    QTreeWidget* m_projeler = nullptr;
    QTreeWidget* m_faaliyetler = nullptr;
    QLabel* m_tahminNotu = nullptr; // whether the project shown brings three-point estimates
    QLabel* m_bulgular = nullptr;
    QPlainTextEdit* m_rapor = nullptr;
    QPushButton* m_aktar = nullptr;
};
