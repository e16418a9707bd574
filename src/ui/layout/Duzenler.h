#pragma once

#include "ui/layout/PencereDuzeni.h"

class DuzCerceve;
class ListeKutusu;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;

// The controls of each window that code works with, filled from its layout.

struct TemelFormDenetimleri {
    ListeKutusu* ProjeListesi = nullptr;
    QGroupBox* Cerceve = nullptr;
    QLineEdit* BaslamaTarihiKutusu = nullptr;
    QLineEdit* BitisTarihiKutusu = nullptr;
    QLineEdit* TahminiGunSayisiKutusu = nullptr;
    QLineEdit* KritikYolKutusu = nullptr;
    QLineEdit* EnGecGunSayisiKutusu = nullptr;
    QLineEdit* EnErkenGunSayisiKutusu = nullptr;
    QTreeWidget* FaaliyetlerListesi = nullptr;
    QPushButton* ProjeEkleDugmesi = nullptr;
    QPushButton* ProjeDegistirDugmesi = nullptr;
    QPushButton* ProjeSilDugmesi = nullptr;
    QPushButton* FaaliyetEkleDugmesi = nullptr;
    QPushButton* FaaliyetDegistirDugmesi = nullptr;
    QPushButton* SonFaaliyetiSilDugmesi = nullptr;
    QPushButton* TumKayitlariSilDugmesi = nullptr;
    QPushButton* CikisDugmesi = nullptr;
};

// The frame and fields both project dialogs share.
struct ProjeAlanDenetimleri {
    QGroupBox* Cerceve = nullptr;
    QLineEdit* ProjeninAdiKutusu = nullptr;
    QLineEdit* BaslamaTarihiKutusu = nullptr;
    QLineEdit* BitisTarihiKutusu = nullptr;
    QLineEdit* TahminiGunSayisiKutusu = nullptr;
};

struct ProjeEklemeDenetimleri : ProjeAlanDenetimleri {
    QPushButton* EkleKaydetDugmesi = nullptr;
    QPushButton* VazgecDugmesi = nullptr;
    QPushButton* KapatDugmesi = nullptr;
};

struct ProjeDegistirDenetimleri : ProjeAlanDenetimleri {
    QPushButton* KaydetDugmesi = nullptr;
    QPushButton* VazgecDugmesi = nullptr;
};

// The frame and fields both activity dialogs share.
struct FaaliyetAlanDenetimleri {
    QGroupBox* Cerceve = nullptr;
    QLineEdit* FaaliyetKoduKutusu = nullptr;
    QLineEdit* FaaliyetAdiKutusu = nullptr;
    QLineEdit* OngorulenSureKutusu = nullptr;
    QComboBox* OncekiFaaliyetleriSecmeKutusu = nullptr;
    QComboBox* BagTuruKutusu = nullptr; // the type and lag of the predecessor being added
    QSpinBox* GecikmeKutusu = nullptr;
    QPushButton* EklemeDugmesi = nullptr;
    QPushButton* SilDugmesi = nullptr;
    QLineEdit* OncekiFaaliyetlerKutusu = nullptr;
    QLabel* BagKuraliEtiketi = nullptr; // that link's rule in words
};

struct FaaliyetEklemeDenetimleri : FaaliyetAlanDenetimleri {
    QPushButton* EkleKaydetDugmesi = nullptr;
    QPushButton* VazgecDugmesi = nullptr;
    QPushButton* KapatDugmesi = nullptr;
};

struct FaaliyetDegistirmeDenetimleri : FaaliyetAlanDenetimleri {
    QPushButton* KaydetDugmesi = nullptr;
    QPushButton* VazgecDugmesi = nullptr;
};

// Where a PostgreSQL server is; the password is asked only when the server wants one.
struct SunucuyaBaglanDenetimleri {
    QGroupBox* Cerceve = nullptr;
    QLineEdit* SunucuKutusu = nullptr;
    QLineEdit* PortKutusu = nullptr;
    QLineEdit* VeritabaniKutusu = nullptr;
    QLineEdit* KullaniciKutusu = nullptr;
    QComboBox* TlsKipiKutusu = nullptr;
    QPushButton* BaglanDugmesi = nullptr;
    QPushButton* VazgecDugmesi = nullptr;
};

namespace Duzenler {
const TurluDuzen<TemelFormDenetimleri>& TemelForm();
const TurluDuzen<ProjeEklemeDenetimleri>& ProjeEklemeFormu();
const TurluDuzen<ProjeDegistirDenetimleri>& ProjeDegistirFormu();
const TurluDuzen<FaaliyetEklemeDenetimleri>& FaaliyetEklemeFormu();
const TurluDuzen<FaaliyetDegistirmeDenetimleri>& FaaliyetDegistirmeFormu();
const TurluDuzen<SunucuyaBaglanDenetimleri>& SunucuyaBaglanFormu();
// All six, for what concerns every window alike.
std::vector<const PencereDuzeni*> Tumu();
// Columns of the main window's activity list, left to right.
const std::vector<SutunDuzeni>& FaaliyetlerListesiSutunlari();
} // namespace Duzenler
