#include "ui/progress/IlerlemeReddi.h"

#include "plan/PlanBelgesi.h"
#include "text/IlerlemeMetinleri.h"
#include "ui/Mesaj.h"

void IlerlemeReddiniGoster(QWidget* pencere, PlanBelgesi& belge, const KomutHatasi& hata)
{
    if (hata.ilerleme)
        Mesaj::Goster(pencere, IlerlemeMetinleri::RedMetni(hata.ilerleme), Mesaj::Tur::Bilgi);
    else if (hata)
        Mesaj::ReddiGoster(pencere, hata.depo, [&belge] { belge.Sec(belge.seciliProje()); });
}
