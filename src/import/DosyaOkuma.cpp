#include "import/DosyaOkuma.h"

#include <QFile>

QString BuyukDosyaNedeni(const QString& dosya)
{
    return QStringLiteral("%1 %2 MiB'tan büyük: Kavrion'un tutabileceği bir plan (en çok 62 faaliyet) bu kadar yer "
                          "tutmaz; dosya okunmadı.")
        .arg(dosya)
        .arg(EnBuyukAktarimDosyasi / (1024 * 1024));
}

std::optional<QByteArray> AktarimDosyasiniOku(const QString& yol, QString& neden)
{
    QFile dosya(yol);
    if (!dosya.open(QIODevice::ReadOnly)) {
        neden = QStringLiteral("\"%1\" açılamadı: %2").arg(yol, dosya.errorString());
        return std::nullopt;
    }
    // A pipe or a device has no size to judge by: read one byte past the limit at most.
    const qint64 boyut = dosya.size();
    QByteArray icerik = boyut > EnBuyukAktarimDosyasi ? QByteArray() : dosya.read(EnBuyukAktarimDosyasi + 1);
    if (boyut > EnBuyukAktarimDosyasi || icerik.size() > EnBuyukAktarimDosyasi) {
        neden = BuyukDosyaNedeni(QStringLiteral("\"%1\"").arg(yol));
        return std::nullopt;
    }
    if (dosya.error() != QFileDevice::NoError) {
        neden = QStringLiteral("\"%1\" okunamadı: %2").arg(yol, dosya.errorString());
        return std::nullopt;
    }
    return icerik;
}
