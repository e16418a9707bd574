#pragma once

#include "store/Kayitlar.h"
#include "store/ProjeDeposu.h"
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
    // Adds the picked code to the predecessor text, at most once.
    void EklemeDugmesi_Click();
    // Empties the whole predecessor text.
    void SilDugmesi_Click();

    // Whether an activity is being entered: the frame is open for typing.
    bool Giriliyor() const;

protected:
    // Offers these codes in the drop-down list, none of them picked.
    void KodListesiniDoldur(const QStringList& kodlar);

    // The checks before saving activity `kod` of `proje`: the three field checks,
    // then that every predecessor is an activity of the project added before it.
    // The first that fails shows its message and takes the focus to its field.
    // Then the activity the fields hold. A project no longer stored (deleted or renamed
    // elsewhere) is said in one box, after which `yenile` shows what is stored.
    std::optional<Faaliyet> KaydedilecekFaaliyet(const ProjeDeposu& depo, const QString& proje, const QString& kod,
                                                  bool oncekilerGerekli, const std::function<void()>& yenile);

private:
    void Uyar(const QString& metin, QWidget* odak);

    QWidget* m_pencere;
    const FaaliyetAlanDenetimleri& m_alanlar;
};
