#include "store/DosyaDegisimDenetimi.h"

#include "store/Sema.h"
#include "store/SqlHatasi.h"

#include <QHash>
#include <QSqlDatabase>
#include <mutex>

namespace {

// Every checked connection's file, by connection name.
std::mutex acikDosyalarKilidi;
QHash<QString, DosyaDegisimDenetimi::AcikDosya> acikDosyalar;

} // namespace

void DosyaDegisimDenetimi::KimligiKaydet(const QString& baglanti, const QString& yol)
{
    const auto kimlik = DosyaKimliginiOku(yol);
    const std::lock_guard<std::mutex> kilitli(acikDosyalarKilidi);
    if (kimlik)
        acikDosyalar.insert(baglanti, {yol, *kimlik});
}

void DosyaDegisimDenetimi::Unut(const QString& baglanti)
{
    const std::lock_guard<std::mutex> kilitli(acikDosyalarKilidi);
    acikDosyalar.remove(baglanti);
}

DosyaDegisimDenetimi::DosyaDegisimDenetimi(const QString& baglanti) : m_baglanti(baglanti)
{
    {
        const std::lock_guard<std::mutex> kilitli(acikDosyalarKilidi);
        const auto bulunan = acikDosyalar.constFind(baglanti);
        if (bulunan == acikDosyalar.cend())
            return;
        m_dosya = *bulunan;
    }
    const auto simdi = DosyaKimliginiOku(m_dosya->yol);
    if (!simdi || !simdi->AyniDosya(m_dosya->kimlik)) {
        // Another file now stands at the path, or none: the file we opened is gone.
        hata = MotorHatasi(TasinmisDosya);
        m_dosya.reset();
        return;
    }
    if (simdi->Degismemis(m_dosya->kimlik))
        return;
    QSqlDatabase vt = QSqlDatabase::database(baglanti, false);
    vt.close();
    hata = vt.open() ? Sema::Denetle(vt) : SqlHatasi(vt.lastError());
    if (hata)
        m_dosya.reset(); // no write goes to a file that failed the check
}

DosyaDegisimDenetimi::~DosyaDegisimDenetimi()
{
    if (m_dosya)
        KimligiKaydet(m_baglanti, m_dosya->yol);
}
