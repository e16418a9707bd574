#pragma once

#include "store/SunucuAdresi.h"

#include <QStringList>
#include <QTest>

// A fresh database of its own on the test server, dropped with everything in it at
// destruction, with the login roles made for it. The server is the one ctest starts for
// a test declared with kavrion_sunucu_testi() (tests/CMakeLists.txt), which finds its
// superuser's connection string in KAVRION_TEST_SUNUCU.
class SunucuVeritabani {
public:
    SunucuVeritabani();
    ~SunucuVeritabani();
    SunucuVeritabani(const SunucuVeritabani&) = delete;
    SunucuVeritabani& operator=(const SunucuVeritabani&) = delete;

    // False when KAVRION_TEST_SUNUCU is not set (a test program started by hand): skip.
    bool ayarli() const { return m_ayarli; }
    // Why the database could not be made; empty when it is there.
    const QString& hata() const { return m_hata; }
    const QString& ad() const { return m_adres.veritabani; }
    // This database, reached as the superuser.
    const SunucuAdresi& adres() const { return m_adres; }

    // A new login role with this password (scram-sha-256): its name; empty on failure.
    QString RolOlustur(const QString& parola);
    // A name for a role that something else makes, dropped with the database all the same.
    QString YeniRolAdi();
    // Runs statements as the superuser on this database: the first failure's text, or empty.
    QString Calistir(const QStringList& komutlar) const;

private:
    bool m_ayarli = false;
    QString m_hata;
    SunucuAdresi m_yonetici; // the superuser on the server's own database
    SunucuAdresi m_adres;
    QStringList m_roller;
};

// Runs statements through a QPSQL connection of its own to `adres`: the connection's or
// the first failing statement's error text, or empty.
QString SunucudaCalistir(const SunucuAdresi& adres, const QStringList& komutlar);

// Declares `vt`, a fresh database; skips the test without a server, fails it when the
// database cannot be made.
#define SUNUCU_VERITABANI(vt)                                                                                         \
    SunucuVeritabani vt;                                                                                              \
    if (!vt.ayarli())                                                                                                 \
        QSKIP("KAVRION_TEST_SUNUCU ayarlı değil: sunucu testleri ctest ile çalışır");                                \
    QVERIFY2(vt.hata().isEmpty(), qPrintable(vt.hata()))
