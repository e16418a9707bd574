#pragma once

#include "ui/widgets/SecimiKoruyanListe.h"

#include <QListView>

class QStringListModel;

// A list of texts, one line each, that stays quick with thousands of rows: the
// texts live in one string list the view reads on demand, every row has the same
// height, and a text too long for the view ends in "…" and shows whole in a tool tip.
// One row at most is selected; the view's selection model reports changes.
// Keys and clicks keep the selection as SecimiKoruyanListe says.
class ListeKutusu : public SecimiKoruyanListe<QListView> {
public:
    explicit ListeKutusu(QWidget* ebeveyn = nullptr);

    // Replaces every row; nothing is selected afterwards.
    void Doldur(const QStringList& metinler);
    int Sayi() const;
    QStringList Metinler() const;
    QString Metin(int satir) const;
    // The first row with exactly this text, -1 when there is none.
    int Bul(const QString& metin) const;
    // Makes the row current and selected; -1 clears the selection.
    void Sec(int satir);
    // The selected row's text, empty when none is selected.
    QString SeciliMetin() const;

private:
    QStringListModel* m_metinler;
};
