#include "ui/import/IceAktarim.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace IceAktarim {
namespace {

Sorucu& KurulanSorucu()
{
    static Sorucu sorucu;
    return sorucu;
}

// The filters in the order of AktarimKaynagi.
const QStringList& Suzgecler()
{
    static const QStringList suzgecler{QStringLiteral("Microsoft Project XML (MSPDI) (*.xml)"),
                                       QStringLiteral("CSV (*.csv)"),
                                       QStringLiteral("Kavrion veritabanı (*.mdb)")};
    return suzgecler;
}

} // namespace

std::optional<Secim> DosyaSor(QWidget* sahibi)
{
    if (KurulanSorucu())
        return KurulanSorucu()(sahibi);
    // Where documents are kept, where there is such a folder.
    const QString belgeler = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog pencere(sahibi, QStringLiteral("İçe Aktar"), QDir(belgeler).exists() ? belgeler : QDir::homePath());
    pencere.setOption(QFileDialog::DontUseNativeDialog);
    pencere.setAcceptMode(QFileDialog::AcceptOpen);
    pencere.setFileMode(QFileDialog::ExistingFile);
    pencere.setNameFilters(Suzgecler());
    if (pencere.exec() != QDialog::Accepted || pencere.selectedFiles().isEmpty())
        return std::nullopt;
    const QString yol = pencere.selectedFiles().first();
    const int suzgec = std::max(0, int(Suzgecler().indexOf(pencere.selectedNameFilter())));
    return Secim{yol, KaynagiBul(yol).value_or(AktarimKaynagi(suzgec))};
}

void SorucuKur(Sorucu sorucu)
{
    KurulanSorucu() = std::move(sorucu);
}

} // namespace IceAktarim
