#pragma once

#include "store/GeciciBaglanti.h"
#include "store/ProjeDeposu.h"

#include <QDate>
#include <QTemporaryDir>
#include <memory>

class SunucuVeritabani;

// A fresh Proje.mdb in its own temporary folder (or one the test prepared, e.g. on a
// small file system), opened on its own connection. A test declared to run on both
// engines (KAVRION_TEST_MOTORU=sunucu) gets a fresh database on the test server instead.
class GeciciVeritabani {
public:
    explicit GeciciVeritabani(const QString& klasor = QString());
    ~GeciciVeritabani();

    // Whether this run's databases are on the server.
    static bool Sunucuda();
    // The server database's address; only when Sunucuda().
    const SunucuAdresi& adres() const;
    // Another connection to the same database, as another program or planner would open it.
    std::unique_ptr<GeciciBaglanti> Baglan(ProjeDeposu::Acilis acilis = ProjeDeposu::Acilis::Ham,
                                           const QString& sahip = QStringLiteral("başka")) const;
    // Runs statements as another program would; false when one of them fails.
    bool Calistir(const QStringList& komutlar) const;
    GeciciVeritabani(const GeciciVeritabani&) = delete;
    GeciciVeritabani& operator=(const GeciciVeritabani&) = delete;

    ProjeDeposu depo() const { return m_baglanti->depo(); }
    const QString& klasor() const { return m_klasor; }
    QString yol() const { return VeritabaniYolu(m_klasor); }

    // Adds a project and its activities.
    void ProjeEkle(const QString& ad, const QDate& baslama = QDate(2026, 3, 1),
                   const QDate& bitis = QDate(2026, 3, 11), const QVector<Faaliyet>& faaliyetler = {}) const;
    // What is really stored, read through a second connection.
    QStringList Satirlar() const;
    // Every row of both tables of the file at `yol` through a connection of its own:
    // "P|name|start|end|" and "F|project|code|name|duration|predecessors"; empty when unreadable.
    static QStringList DosyadakiSatirlar(const QString& yol);
    // Every column of every row of the tables named, Kimlik order, each value with its
    // type ("qlonglong:5", "QString:5", "NULL"): what an undo must give back exactly.
    // A table the file lacks gives no rows.
    static const QStringList TumTablolar; // the two and the history's
    static QStringList Dokum(const QString& yol,
                             const QStringList& tablolar = {"ProjeTablosu", "FaaliyetlerTablosu", "TahminlerTablosu", "DagilimTablosu"});
    QStringList Dokum(const QStringList& tablolar = {"ProjeTablosu", "FaaliyetlerTablosu", "TahminlerTablosu", "DagilimTablosu",
                                                     "TakvimTablosu", "TakvimIstisnalariTablosu", "BaglarTablosu",
                                                     "DurumTablosu", "IlerlemeTablosu", "TabanPlanlariTablosu",
                                                     "TabanSatirlariTablosu"}) const;

private:
    static QStringList Satirlar(const QSqlDatabase& vt);
    static QStringList Dokum(const QSqlDatabase& vt, const QStringList& tablolar);

    std::unique_ptr<SunucuVeritabani> m_sunucu;
    QTemporaryDir m_dizin;
    QString m_klasor;
    std::unique_ptr<GeciciBaglanti> m_baglanti;
};

// Project ALFA (1–31 January 2026) with activities A, B (after A) and C (after A),
// and BETA (February) with A; C has the estimate 2, 4, 9 days. Seven steps.
void OrnekProjeler(const GeciciVeritabani& vt);
void OrnekProjeler(const ProjeDeposu& d);

// Runs statements on the file at `yol` through a connection of its own, as another
// program would; false when one of them fails.
bool DosyadaCalistir(const QString& yol, const QStringList& komutlar);

// Creates an empty database file from the schema at `yol`.
void SemadanOlustur(const QString& yol);
