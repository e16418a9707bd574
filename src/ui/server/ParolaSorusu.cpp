#include "ui/server/ParolaSorusu.h"

#include <QInputDialog>
#include <QLineEdit>
#include <utility>

namespace ParolaSorusu {
namespace {

Sorucu& Yerine()
{
    static Sorucu sorucu;
    return sorucu;
}

std::optional<QString> Sor(QWidget* sahibi, const QString& baslik, const QString& metin)
{
    if (Yerine())
        return Yerine()(sahibi, baslik, metin);
    QInputDialog soru(sahibi);
    soru.setWindowTitle(baslik);
    soru.setLabelText(metin);
    soru.setTextEchoMode(QLineEdit::Password);
    soru.setOkButtonText(QStringLiteral("Bağlan"));
    soru.setCancelButtonText(QStringLiteral("Vazgeç"));
    if (soru.exec() != QDialog::Accepted)
        return std::nullopt;
    return soru.textValue();
}

} // namespace

Sonuc Iste(QWidget* sahibi, const DepoHatasi& hata, SunucuAdresi& adres)
{
    // libpq's own words tell a refused login from a refused statement (the store's
    // schema check, for a user who may not read it), which no password would change.
    const bool parolaIstedi = hata.numara == DepoHatasi::Yetki && hata.ayrinti.contains(QLatin1String("password"));
    if (!parolaIstedi || !adres.parola.isEmpty())
        return Sonuc::Reddedildi;
    const auto parola = Sor(sahibi, QStringLiteral("Sunucu Parolası"),
                            QStringLiteral("Sunucu bu bağlantı için parola istiyor:\n%1\n\nParola:")
                                .arg(GosterilecekAdres(adres)));
    if (!parola)
        return Sonuc::Vazgecildi;
    if (parola->isEmpty())
        return Sonuc::Reddedildi;
    adres.parola = *parola;
    return Sonuc::Verildi;
}

void SorucuKur(Sorucu sorucu)
{
    Yerine() = std::move(sorucu);
}

} // namespace ParolaSorusu
