#include "destek/PencereAnaPencereSurucusu.h"

#include "ui/main/TemelForm.h"
#include "ui/widgets/ListeKutusu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>

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

QStringList ProjeAlanları(const TemelForm& ana)
{
    return {ana.BaşlamaTarihiKutusu->text(),   ana.BitişTarihiKutusu->text(),     ana.TahminiGünSayısıKutusu->text(),
            ana.EnGeçGünSayısıKutusu->text(), ana.EnErkenGünSayısıKutusu->text(), ana.KritikYolKutusu->text()};
}

bool ÖneGetirVeBekle(QWidget* pencere)
{
    pencere->show();
    pencere->activateWindow();
    return QTest::qWaitFor([pencere] { return QApplication::activeWindow() == pencere; });
}

QWidget* Odak()
{
    return QApplication::focusWidget();
}

QStringList SekmeyleGez(int kez)
{
    QStringList adlar;
    for (int i = 0; i < kez; ++i) {
        QTest::keyClick(Odak(), Qt::Key_Tab);
        adlar << Odak()->objectName();
    }
    return adlar;
}

void Tuşla(QWidget* alan, const QString& metin)
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
    Tuşla(alan, metin);
}

void Yapıştır(QLineEdit* alan, const QString& metin)
{
    QApplication::clipboard()->setText(metin);
    QTest::mouseClick(alan, Qt::LeftButton);
    QTest::keyClick(alan, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(alan, Qt::Key_V, Qt::ControlModifier);
}

void ErişimTuşu(QWidget* pencere, Qt::Key harf)
{
    // An access key presses the button at once and clicks it a moment later.
    QList<QPointer<QAbstractButton>> düğmeler;
    for (QAbstractButton* düğme : pencere->findChildren<QAbstractButton*>())
        düğmeler << düğme;
    QTest::keyClick(pencere, harf, Qt::AltModifier);
    QTRY_VERIFY(std::none_of(düğmeler.begin(), düğmeler.end(),
                             [](const QPointer<QAbstractButton>& d) { return d && d->isDown(); }));
}
