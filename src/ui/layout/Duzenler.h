#pragma once

#include "ui/layout/PencereDuzeni.h"

class DüzÇerçeve;
class ListeKutusu;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// The controls of each window that code works with, filled from its layout.

struct TemelFormDenetimleri {
    ListeKutusu* ProjeListesi = nullptr;
    QGroupBox* Çerçeve = nullptr;
    QLineEdit* BaşlamaTarihiKutusu = nullptr;
    QLineEdit* BitişTarihiKutusu = nullptr;
    QLineEdit* TahminiGünSayısıKutusu = nullptr;
    QLineEdit* KritikYolKutusu = nullptr;
    QLineEdit* EnGeçGünSayısıKutusu = nullptr;
    QLineEdit* EnErkenGünSayısıKutusu = nullptr;
    QTreeWidget* FaaliyetlerListesi = nullptr;
    QPushButton* ProjeEkleDüğmesi = nullptr;
    QPushButton* ProjeDeğiştirDüğmesi = nullptr;
    QPushButton* ProjeSilDüğmesi = nullptr;
    QPushButton* FaaliyetEkleDüğmesi = nullptr;
    QPushButton* FaaliyetDeğiştirDüğmesi = nullptr;
    QPushButton* SonFaaliyetiSilDüğmesi = nullptr;
    QPushButton* TümKayıtlarıSilDüğmesi = nullptr;
    QPushButton* ÇıkışDüğmesi = nullptr;
};

// The frame and fields both project dialogs share.
struct ProjeAlanDenetimleri {
    QGroupBox* Çerçeve = nullptr;
    QLineEdit* ProjeninAdıKutusu = nullptr;
    QLineEdit* BaşlamaTarihiKutusu = nullptr;
    QLineEdit* BitişTarihiKutusu = nullptr;
    QLineEdit* TahminiGünSayısıKutusu = nullptr;
};

struct ProjeEklemeDenetimleri : ProjeAlanDenetimleri {
    QPushButton* EkleKaydetDüğmesi = nullptr;
    QPushButton* VazgeçDüğmesi = nullptr;
    QPushButton* KapatDüğmesi = nullptr;
};

struct ProjeDeğiştirDenetimleri : ProjeAlanDenetimleri {
    QPushButton* KaydetDüğmesi = nullptr;
    QPushButton* VazgeçDüğmesi = nullptr;
};

// The frame and fields both activity dialogs share.
struct FaaliyetAlanDenetimleri {
    QGroupBox* Çerçeve = nullptr;
    QLineEdit* FaaliyetKoduKutusu = nullptr;
    QLineEdit* FaaliyetAdıKutusu = nullptr;
    QLineEdit* ÖngörülenSüreKutusu = nullptr;
    QComboBox* ÖncekiFaaliyetleriSeçmeKutusu = nullptr;
    QPushButton* EklemeDüğmesi = nullptr;
    QPushButton* SilDüğmesi = nullptr;
    QLineEdit* ÖncekiFaaliyetlerKutusu = nullptr;
};

struct FaaliyetEklemeDenetimleri : FaaliyetAlanDenetimleri {
    QPushButton* EkleKaydetDüğmesi = nullptr;
    QPushButton* VazgeçDüğmesi = nullptr;
    QPushButton* KapatDüğmesi = nullptr;
};

struct FaaliyetDeğiştirmeDenetimleri : FaaliyetAlanDenetimleri {
    QPushButton* KaydetDüğmesi = nullptr;
    QPushButton* VazgeçDüğmesi = nullptr;
};

namespace Düzenler {
const TürlüDüzen<TemelFormDenetimleri>& TemelForm();
const TürlüDüzen<ProjeEklemeDenetimleri>& ProjeEklemeFormu();
const TürlüDüzen<ProjeDeğiştirDenetimleri>& ProjeDeğiştirFormu();
const TürlüDüzen<FaaliyetEklemeDenetimleri>& FaaliyetEklemeFormu();
const TürlüDüzen<FaaliyetDeğiştirmeDenetimleri>& FaaliyetDeğiştirmeFormu();
// All five, for what concerns every window alike.
std::vector<const PencereDüzeni*> Tümü();
// Columns of the main window's activity list, left to right.
const std::vector<SütunDüzeni>& FaaliyetlerListesiSütunları();
} // namespace Düzenler
