#include "ui/Mesaj.h"

#include <QAbstractButton>
#include <utility>

namespace Mesaj {
namespace {

Gosterici& Yerine()
{
    static Gosterici gosterici;
    return gosterici;
}

QMessageBox::StandardButton Kutu(QWidget* sahibi, const QString& metin, QMessageBox::Icon simge,
                                 const QString& ayrinti = QString())
{
    const QString baslik = QStringLiteral("Kavrion");
    if (Yerine())
        return Yerine()(sahibi, baslik, metin, simge, ayrinti);

    QMessageBox kutu(simge, baslik, metin, QMessageBox::NoButton, sahibi);
    kutu.setDetailedText(ayrinti);
    if (simge == QMessageBox::Question) {
        kutu.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        kutu.setDefaultButton(QMessageBox::Yes);
    } else if (simge == QMessageBox::Warning) {
        kutu.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        kutu.setDefaultButton(QMessageBox::Save);
        kutu.button(QMessageBox::Save)->setText(QStringLiteral("&Uygula"));
        kutu.button(QMessageBox::Discard)->setText(QStringLiteral("&Bırak"));
        kutu.button(QMessageBox::Cancel)->setText(QStringLiteral("&Vazgeç"));
    } else {
        kutu.setStandardButtons(QMessageBox::Ok);
    }
    const auto yanit = static_cast<QMessageBox::StandardButton>(kutu.exec());
    // Give the keyboard back to the window the box came from: the rules that showed it put
    // the focus on a field there, and without a window manager nothing else would.
    if (sahibi)
        sahibi->window()->activateWindow();
    return yanit;
}

} // namespace

QMessageBox::StandardButton Goster(QWidget* sahibi, const QString& metin, Tur tur)
{
    switch (tur) {
    case Tur::Soru:
        return Kutu(sahibi, metin, QMessageBox::Question);
    case Tur::Hata:
        return Kutu(sahibi, metin, QMessageBox::Critical);
    case Tur::Uygulanmamis:
        return Kutu(sahibi, metin, QMessageBox::Warning);
    case Tur::Bilgi:
        break;
    }
    return Kutu(sahibi, metin, QMessageBox::Information);
}

bool Onayla(QWidget* sahibi, const QString& metin)
{
    return Goster(sahibi, metin, Tur::Soru) != QMessageBox::No;
}

void HatayiGoster(QWidget* sahibi, const DepoHatasi& hata)
{
    Kutu(sahibi, HataMetni(hata), QMessageBox::Critical, hata.ayrinti);
}

void GostericiKur(Gosterici gosterici)
{
    Yerine() = std::move(gosterici);
}

void ReddiGoster(QWidget* sahibi, const DepoHatasi& hata, const std::function<void()>& yenile)
{
    HatayiGoster(sahibi, hata);
    if (hata.numara == DepoHatasi::Bulunamadi)
        yenile();
}

} // namespace Mesaj
