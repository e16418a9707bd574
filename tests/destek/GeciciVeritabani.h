#pragma once

#include "store/GeciciBaglanti.h"
#include "store/ProjeDeposu.h"

#include <QDate>
#include <QTemporaryDir>
#include <memory>

// A fresh Proje.mdb in its own temporary folder (or one the test prepared, e.g. on a
// small file system), opened on its own connection.
class GeçiciVeritabanı {
public:
    explicit GeçiciVeritabanı(const QString& klasör = QString());
    GeçiciVeritabanı(const GeçiciVeritabanı&) = delete;
    GeçiciVeritabanı& operator=(const GeçiciVeritabanı&) = delete;

    ProjeDeposu depo() const { return m_bağlantı->depo(); }
    const QString& klasör() const { return m_klasör; }
    QString yol() const { return VeritabanıYolu(m_klasör); }

    // Adds a project and its activities.
    void ProjeEkle(const QString& ad, const QDate& başlama = QDate(2026, 3, 1),
                   const QDate& bitiş = QDate(2026, 3, 11), const QVector<Faaliyet>& faaliyetler = {}) const;
    // What is really on disk, read through a second connection.
    QStringList Satırlar() const { return DosyadakiSatırlar(yol()); }
    // Every row of both tables of the file at `yol` through a connection of its own:
    // "P|name|start|end|" and "F|project|code|name|duration|predecessors"; empty when unreadable.
    static QStringList DosyadakiSatırlar(const QString& yol);

private:
    QTemporaryDir m_dizin;
    QString m_klasör;
    std::unique_ptr<GeçiciBağlantı> m_bağlantı;
};

// Project ALFA (1–31 January 2026) with activities A, B (after A) and C (after A),
// and BETA (February) with A.
void ÖrnekProjeler(const GeçiciVeritabanı& vt);

// Runs statements on the file at `yol` through a connection of its own, as another
// program would; false when one of them fails.
bool DosyadaÇalıştır(const QString& yol, const QStringList& komutlar);

// Creates an empty database file from the schema at `yol`.
void ŞemadanOluştur(const QString& yol);
