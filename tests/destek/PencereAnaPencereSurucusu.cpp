#include "destek/PencereAnaPencereSurucusu.h"

#include "ui/widgets/ListeKutusu.h"
#include "ui/main/TemelForm.h"

#include <QApplication>
#include <QTest>
#include <QTreeWidget>

void ProjeyiSeç(TemelForm& ana, const QString& ad)
{
    const int satır = ana.ProjeListesi->Bul(ad);
    QVERIFY2(satır >= 0, qPrintable(ad));
    ana.ProjeListesi->Seç(satır);
}

void SatırıSeç(TemelForm& ana, const QString& kod)
{
    const QList<QTreeWidgetItem*> satırlar = ana.FaaliyetlerListesi->findItems(kod, Qt::MatchExactly, 0);
    QVERIFY2(!satırlar.isEmpty(), qPrintable(kod));
    ana.FaaliyetlerListesi->setCurrentItem(satırlar.first());
}

QStringList ListedekiSatırlar(const TemelForm& ana)
{
    QStringList satırlar;
    for (int i = 0; i < ana.FaaliyetlerListesi->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* s = ana.FaaliyetlerListesi->topLevelItem(i);
        satırlar << QStringLiteral("%1 %2 %3 %4 %5/%6")
                        .arg(s->text(0), s->text(1), s->text(2), s->text(3), s->text(4), s->text(5));
    }
    return satırlar;
}

bool Etkinleştir(QWidget* pencere)
{
    pencere->show();
    pencere->activateWindow();
    return QTest::qWaitForWindowActive(pencere);
}
