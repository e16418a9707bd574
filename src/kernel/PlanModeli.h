#pragma once

#include "kernel/PlanAgi.h"
#include "store/Kayitlar.h"

#include <QHash>
#include <QString>
#include <QStringView>
#include <QVector>
#include <array>

// A plan's rows as stored, kept for what the windows show (a duration another program left as
// text among them), and its one graph: each predecessor code read once into the row it names.
// A code names the first row stored with it, and only when that row stands above the row that
// names it. The first row's list is not read: it starts the project whatever it lists.
class PlanModeli {
public:
    explicit PlanModeli(const QVector<KayitliFaaliyet>& satirlar);
    // The same plan with other durations (a what-if): `satirlar` are this model's rows with
    // only their durations changed, so the graph and the code index are shared, not built again.
    PlanModeli BaskaSurelerle(const QVector<KayitliFaaliyet>& satirlar) const;

    int Boyut() const { return int(m_satirlar.size()); }
    const QVector<KayitliFaaliyet>& Satirlar() const { return m_satirlar; }
    // Row i's links come from the rows above it that its list names, each once, in the order
    // first listed (a row named again changes neither the largest finish nor which one comes
    // first), up to the first code that names no row above; each with the type and lag that
    // the row's details give its code (finish-to-start without lag where they give none).
    const PlanAgi& Ag() const { return m_ag; }
    // Whether row i's list names a code with no row above it.
    bool Eksik(int satir) const { return m_eksik.at(satir); }
    // That code, read again only to explain the fault; empty when there is none.
    QString TanimsizKod(int satir) const;
    // The row of the code among the rows above `satir`; -1 when there is none.
    int YukaridakiSatir(QStringView kod, int satir) const;
    // The first row stored with the code, wherever it stands; -1 when there is none.
    int IlkSatir(QStringView kod) const;

private:
    void KodlariDiz();

    QVector<KayitliFaaliyet> m_satirlar;
    PlanAgi m_ag;
    QVector<bool> m_eksik;

    // A predecessor list names one character per code. Kavrion's own codes are one ASCII
    // letter or digit, found by their character; other one-character codes by the
    // character's number: both much cheaper than hashing a megabyte of "A,A,…" as strings.
    // Longer codes, which only a path's text names, by their text.
    static constexpr int AsciiSayisi = 128;
    std::array<int, AsciiSayisi> m_asciiSatir;
    QHash<char16_t, int> m_tekKarakterliSatir;
    QHash<QString, int> m_uzunKodluSatir;
};
