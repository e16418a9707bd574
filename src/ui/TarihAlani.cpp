#include "ui/TarihAlani.h"

#include "ui/Mesaj.h"

#include <QLineEdit>

TarihKarari::Tur TarihAlaniniDenetle(QWidget* pencere, QLineEdit* alan)
{
    const TarihKarari karar = TarihMetniniDenetle(alan->text());
    switch (karar.tur) {
    case TarihKarari::Tur::Dokunma:
        break;
    case TarihKarari::Tur::Yaz:
        alan->setText(karar.metin);
        break;
    case TarihKarari::Tur::Reddet:
        Mesaj::Goster(pencere, QStringLiteral("Lüten tarihi DÜZGÜN giriniz!"), Mesaj::Tur::Bilgi);
        alan->clear();
        alan->setFocus(Qt::OtherFocusReason);
        break;
    }
    return karar.tur;
}
