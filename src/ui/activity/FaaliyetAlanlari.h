#pragma once

#include "plan/Komut.h"
#include "store/Kayitlar.h"
#include "ui/layout/Duzenler.h"

#include <functional>
#include <optional>

class QWidget;

// The rules of the frame and fields both activity dialogs show: the duration rule,
// the predecessor picker and the checks before a save.
class FaaliyetAlanlari {
public:
    FaaliyetAlanlari(QWidget* pencere, const FaaliyetAlanDenetimleri& alanlar);

    // Rewrites the duration as a whole number in the regional format.
    void OngorulenSureKutusu_LostFocus();
    // Adds the picked code to the predecessor text, at most once, with the type and lag
    // picked for it; then the next one starts plain again.
    void EklemeDugmesi_Click();
    // Empties the whole predecessor text, and the links with it.
    void SilDugmesi_Click();

    // Whether an activity is being entered: the frame is open for typing.
    bool Giriliyor() const;

protected:
    // Offers these codes in the drop-down list, none of them picked.
    void KodListesiniDoldur(const QStringList& kodlar);
    // The predecessors and those of their links that are not plain, as they are stored.
    void OncekileriGoster(const QString& oncekiler, const QVector<BagAyrintisi>& baglar);
    // The type and lag for the next predecessor back to plain finish-to-start.
    void BagSeciminiSifirla();

    // The field checks before saving activity `kod`, then the activity the fields hold.
    // The first check that fails shows its message and takes the focus to its field.
    std::optional<Faaliyet> KaydedilecekFaaliyet(const QString& kod, bool oncekilerGerekli);
    // A save the command refused: a predecessor not added before the activity takes the
    // focus to the picker; a store refusal is its box, after which `yenile` shows what
    // is stored when the file no longer holds what was shown.
    void KomutHatasiniGoster(const KomutHatasi& hata, const std::function<void()>& yenile);

private:
    void Uyar(const QString& metin, QWidget* odak);
    BagAyrintisi SecilenBag(const QString& onceki) const;
    void KuraliGoster();

    QWidget* m_pencere;
    const FaaliyetAlanDenetimleri& m_alanlar;
    // What is saved; the box shows it with the links in words.
    QString m_oncekiler;
    QVector<BagAyrintisi> m_baglar;
};
