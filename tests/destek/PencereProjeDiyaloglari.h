#pragma once

// Driving the main window and its project dialogs as a user would, by mouse and keyboard.

#include "ui/widgets/ListeKutusu.h"
#include "ui/main/TemelForm.h"
#include "ui/project/ProjeDegistirFormu.h"
#include "ui/project/ProjeEklemeFormu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <algorithm>

// Shows a window, brings it to the front and waits until it has the keyboard. The main
// window counts as active while one of its dialogs is, so this waits for the window itself.
inline bool ÖneGetirVeBekle(QWidget* pencere)
{
    pencere->show();
    pencere->activateWindow();
    return QTest::qWaitFor([pencere] { return QApplication::activeWindow() == pencere; });
}

// Types a text key by key. QTest knows keys only for Latin-1 letters; "ı" and "ğ"
// arrive as a keyboard layout would send them, as text on an unknown key.
inline void Tuşla(QWidget* alan, const QString& metin)
{
    for (const QChar harf : metin) {
        if (harf.unicode() < 0x80)
            QTest::keyClick(alan, harf.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, alan, Qt::Key_unknown, QString(harf), Qt::NoModifier);
    }
}

// Clicks into a field and types over what it holds. Leaving the field is up to the caller.
inline void Yaz(QLineEdit* alan, const QString& metin)
{
    QTest::mouseClick(alan, Qt::LeftButton);
    QTest::keyClick(alan, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(alan, Qt::Key_Delete);
    Tuşla(alan, metin);
}

// Alt and a letter. A button's access key presses it at once and clicks a moment
// later, so this waits until no button of the window is down (or the window is gone).
inline void ErişimTuşu(QWidget* pencere, Qt::Key harf)
{
    QList<QPointer<QAbstractButton>> düğmeler;
    for (QAbstractButton* düğme : pencere->findChildren<QAbstractButton*>())
        düğmeler << düğme;
    QTest::keyClick(pencere, harf, Qt::AltModifier);
    QTRY_VERIFY(std::none_of(düğmeler.begin(), düğmeler.end(),
                             [](const QPointer<QAbstractButton>& d) { return d && d->isDown(); }));
}

// Types over the name and both dates, one after another; the end date keeps the focus.
inline void ProjeYaz(const ProjeAlanları& alanlar, const QString& ad, const QString& başlama, const QString& bitiş)
{
    Yaz(alanlar.ProjeninAdıKutusu, ad);
    Yaz(alanlar.BaşlamaTarihiKutusu, başlama);
    Yaz(alanlar.BitişTarihiKutusu, bitiş);
}

inline QWidget* Odak()
{
    return QApplication::focusWidget();
}

// Presses Tab `kez` times and names each control the focus lands on.
inline QStringList SekmeyleGez(int kez)
{
    QStringList adlar;
    for (int i = 0; i < kez; ++i) {
        QTest::keyClick(Odak(), Qt::Key_Tab);
        adlar << Odak()->objectName();
    }
    return adlar;
}

// Selects the named project in the main window's list, as a click would.
inline void ProjeSeç(TemelForm& form, const QString& ad)
{
    const int satır = form.ProjeListesi->Bul(ad);
    QVERIFY(satır >= 0);
    form.ProjeListesi->Seç(satır);
}

inline QStringList Projeler(const TemelForm& form)
{
    return form.ProjeListesi->Metinler();
}
