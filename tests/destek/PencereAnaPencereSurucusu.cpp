#include "destek/PencereAnaPencereSurucusu.h"

#include "ui/main/TemelForm.h"
#include "ui/widgets/ListeKutusu.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>

void ProjeyiSec(TemelForm& ana, const QString& ad)
{
    const int satir = ana.ProjeListesi->Bul(ad);
    QVERIFY2(satir >= 0, qPrintable(ad));
    ana.ProjeListesi->Sec(satir);
}

void SatiriSec(TemelForm& ana, const QString& kod)
{
    const QList<QTreeWidgetItem*> satirlar = ana.FaaliyetlerListesi->findItems(kod, Qt::MatchExactly, 0);
    QVERIFY2(!satirlar.isEmpty(), qPrintable(kod));
    ana.FaaliyetlerListesi->setCurrentItem(satirlar.first());
}

QStringList ListedekiSatirlar(const TemelForm& ana)
{
    QStringList satirlar;
    for (int i = 0; i < ana.FaaliyetlerListesi->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* s = ana.FaaliyetlerListesi->topLevelItem(i);
        satirlar << QStringLiteral("%1 %2 %3 %4 %5/%6")
                        .arg(s->text(0), s->text(1), s->text(2), s->text(3), s->text(4), s->text(5));
    }
    return satirlar;
}

QStringList ProjeAlanlari(const TemelForm& ana)
{
    return {ana.BaslamaTarihiKutusu->text(),   ana.BitisTarihiKutusu->text(),     ana.TahminiGunSayisiKutusu->text(),
            ana.EnGecGunSayisiKutusu->text(), ana.EnErkenGunSayisiKutusu->text(), ana.KritikYolKutusu->text()};
}

bool OneGetirVeBekle(QWidget* pencere)
{
    pencere->show();
    pencere->activateWindow();
    return QTest::qWaitFor([pencere] { return QApplication::activeWindow() == pencere; }, 30000);
}

QWidget* Odak()
{
    return QApplication::focusWidget();
}

QString ErisilebilirAd(QWidget* denetim)
{
    // A combo box's interface on Linux gives its current item as its name; its label is its accessible name.
    const QString ad = denetim->accessibleName();
    return ad.isEmpty() ? QAccessible::queryAccessibleInterface(denetim)->text(QAccessible::Name) : ad;
}

QStringList SekmeyleGez(int kez)
{
    QStringList adlar;
    for (int i = 0; i < kez; ++i) {
        QTest::keyClick(Odak(), Qt::Key_Tab);
        adlar << ErisilebilirAd(Odak());
    }
    return adlar;
}

void Tusla(QWidget* alan, const QString& metin)
{
    // QTest knows keys only for Latin-1 letters; "ı" and "ğ" arrive as a keyboard
    // layout would send them, as text on an unknown key.
    for (const QChar harf : metin) {
        if (harf.unicode() < 0x80)
            QTest::keyClick(alan, harf.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, alan, Qt::Key_unknown, QString(harf), Qt::NoModifier);
    }
}

void Yaz(QLineEdit* alan, const QString& metin)
{
    QTest::mouseClick(alan, Qt::LeftButton);
    QTest::keyClick(alan, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(alan, Qt::Key_Delete);
    Tusla(alan, metin);
}

void Yapistir(QLineEdit* alan, const QString& metin)
{
    QApplication::clipboard()->setText(metin);
    QTest::mouseClick(alan, Qt::LeftButton);
    QTest::keyClick(alan, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(alan, Qt::Key_V, Qt::ControlModifier);
}

void ErisimTusu(QWidget* pencere, Qt::Key harf)
{
    // An access key presses the button at once and clicks it a moment later.
    QList<QPointer<QAbstractButton>> dugmeler;
    for (QAbstractButton* dugme : pencere->findChildren<QAbstractButton*>())
        dugmeler << dugme;
    QTest::keyClick(pencere, harf, Qt::AltModifier);
    QTRY_VERIFY_WITH_TIMEOUT(std::none_of(dugmeler.begin(), dugmeler.end(),
                                          [](const QPointer<QAbstractButton>& d) { return d && d->isDown(); }),
                             30000);
}
