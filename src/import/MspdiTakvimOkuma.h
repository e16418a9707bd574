#pragma once

#include "export/MspdiTakvimi.h"

#include <QStringList>
#include <array>
#include <optional>

// A calendar as an MSPDI file has it.
struct OkunanTakvim {
    QString uid, ad, tabanUid;
    std::array<std::optional<bool>, 8> hafta; // by DayType: 1 Sunday … 7 Saturday; whether it works
    QVector<MspdiIstisnasi> istisnalar;       // in the file's order
    bool saatler = false;                     // it gives working times
    int yinelenen = 0;                        // exceptions that recur, which are not read
};

// The project's calendar in Kavrion from the file's calendar `uid` (its base calendar's
// week where it gives no day): the week Kavrion holds nearest the file's, then such
// exceptions that every day of the years baslama … bitis works or rests as the file
// has it. A holiday the file also has stays the official one; one it lacks becomes a
// worked day; the file's other days off and worked days become the project's exceptions
// under the file's names. Without such a calendar, "Her gün". Says in `okuma` what the
// calendar was, and in `rapor` each conversion.
ProjeTakvimi ProjeTakviminiCevir(const QVector<OkunanTakvim>& takvimler, const QString& uid, const QDate& baslama,
                                 const QDate& bitis, QStringList& okuma, QStringList& rapor);
