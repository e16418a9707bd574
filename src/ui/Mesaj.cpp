#include "ui/Mesaj.h"

#include <utility>

namespace Mesaj {
namespace {

Gösterici& Yerine()
{
    static Gösterici gösterici;
    return gösterici;
}

QMessageBox::StandardButton Kutu(QWidget* sahibi, const QString& metin, QMessageBox::Icon simge,
                                 const QString& ayrıntı = QString())
{
    const QString başlık = QStringLiteral("Kavrion");
    if (Yerine())
        return Yerine()(sahibi, başlık, metin, simge, ayrıntı);

    QMessageBox kutu(simge, başlık, metin, QMessageBox::NoButton, sahibi);
    kutu.setDetailedText(ayrıntı);
    if (simge == QMessageBox::Question) {
        kutu.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        kutu.setDefaultButton(QMessageBox::Yes);
    } else {
        kutu.setStandardButtons(QMessageBox::Ok);
    }
    const auto yanıt = static_cast<QMessageBox::StandardButton>(kutu.exec());
    // Give the keyboard back to the window the box came from: the rules that showed it put
    // the focus on a field there, and without a window manager nothing else would.
    if (sahibi)
        sahibi->window()->activateWindow();
    return yanıt;
}

} // namespace

QMessageBox::StandardButton Göster(QWidget* sahibi, const QString& metin, Tür tür)
{
    switch (tür) {
    case Tür::Soru:
        return Kutu(sahibi, metin, QMessageBox::Question);
    case Tür::Hata:
        return Kutu(sahibi, metin, QMessageBox::Critical);
    case Tür::Bilgi:
        break;
    }
    return Kutu(sahibi, metin, QMessageBox::Information);
}

bool Onayla(QWidget* sahibi, const QString& metin)
{
    return Göster(sahibi, metin, Tür::Soru) != QMessageBox::No;
}

void HatayıGöster(QWidget* sahibi, const DepoHatası& hata)
{
    Kutu(sahibi, HataMetni(hata), QMessageBox::Critical, hata.ayrıntı);
}

void GöstericiKur(Gösterici gösterici)
{
    Yerine() = std::move(gösterici);
}

void ReddiGöster(QWidget* sahibi, const DepoHatası& hata, const std::function<void()>& yenile)
{
    HatayıGöster(sahibi, hata);
    if (hata.numara == DepoHatası::Bulunamadı)
        yenile();
}

} // namespace Mesaj
