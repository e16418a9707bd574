#include "ui/main/PlanDosyasi.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace PlanDosyasi {
namespace {

Sorucu& KurulanSorucu()
{
    static Sorucu sorucu;
    return sorucu;
}

QSettings Ayarlar()
{
    return QSettings(QStringLiteral("Kavrion"), QStringLiteral("Kavrion"));
}

const QString SonAnahtari = QStringLiteral("SonDosyalar");

} // namespace

std::optional<QString> Sor(QWidget* sahibi, Islem islem)
{
    if (KurulanSorucu())
        return KurulanSorucu()(sahibi, islem);
    const QString belgeler = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const bool yeni = islem == Islem::Yeni;
    QFileDialog pencere(sahibi, yeni ? QStringLiteral("Yeni Plan Dosyası") : QStringLiteral("Plan Dosyası Aç"),
                        QDir(belgeler).exists() ? belgeler : QDir::homePath());
    pencere.setOption(QFileDialog::DontUseNativeDialog);
    pencere.setNameFilters({QStringLiteral("Kavrion veritabanı (*.mdb)"), QStringLiteral("Tüm dosyalar (*)")});
    if (yeni) {
        pencere.setAcceptMode(QFileDialog::AcceptSave);
        pencere.setDefaultSuffix(QStringLiteral("mdb"));
        // Its "replace?" would be answered in vain: an existing file is never made anew.
        pencere.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        pencere.setAcceptMode(QFileDialog::AcceptOpen);
        pencere.setFileMode(QFileDialog::ExistingFile);
    }
    if (pencere.exec() != QDialog::Accepted || pencere.selectedFiles().isEmpty())
        return std::nullopt;
    return pencere.selectedFiles().constFirst();
}

void SorucuKur(Sorucu sorucu)
{
    KurulanSorucu() = std::move(sorucu);
}

QStringList SonDosyalar()
{
    QStringList dosyalar;
    for (const QString& yol : Ayarlar().value(SonAnahtari).toStringList()) {
        if (QFileInfo::exists(yol) && dosyalar.size() < SonSinir)
            dosyalar << yol;
    }
    return dosyalar;
}

void SonDosyalaraEkle(const QString& yol)
{
    QStringList dosyalar = SonDosyalar();
    const QString tam = QFileInfo(yol).absoluteFilePath();
    dosyalar.removeAll(tam);
    dosyalar.prepend(tam);
    Ayarlar().setValue(SonAnahtari, dosyalar.mid(0, SonSinir));
}

} // namespace PlanDosyasi
