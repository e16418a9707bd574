#pragma once

#include "store/Kayitlar.h"

#include <QStringList>

// The rows a change or delete names, as one text: what a client logs of what it was
// shown, and what a replay compares with what it holds at that moment.
inline QString KayitMetni(const KayitliProje& p)
{
    return QStringList{p.ad, p.baslama.ham.toString(), p.bitis.ham.toString()}.join(QLatin1Char('|'));
}

inline QString KayitMetni(const QVector<KayitliFaaliyet>& fs)
{
    QStringList satirlar;
    for (const KayitliFaaliyet& f : fs)
        satirlar << QStringList{f.kodu, f.adi, f.sure.ham.toString(), f.oncekiler}.join(QLatin1Char('|'));
    return satirlar.join(QLatin1Char(';'));
}
