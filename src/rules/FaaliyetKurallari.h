#pragma once

#include "store/Kayitlar.h"

#include <QString>
#include <QStringList>
#include <optional>

// The rules of the activity fields as plain functions on texts, so that they can
// be tried without any window.

// The number a text begins with: blanks, tabs and line feeds are skipped wherever
// they stand; then a sign, digits, a point and digits, an exponent ("E", a sign,
// digits), up to the first character that cannot continue the number. "&H" and
// "&O" start a hexadecimal or octal whole number. Only the point separates
// decimals, so "2,5" reads as 2. Without a digit the value is 0. A number too large
// for a double reads as an infinity.
double OndekiSayi(const QString& metin);

// The text as a whole number in the regional format, exactly as QLocale() writes
// it ("1.234" under tr_TR, "1,234" under en_US); nothing for any other text.
std::optional<qint64> BolgeselTamSayi(const QString& metin);

// The value of a duration text: a regional whole number keeps its value, so that
// the rule's own output reads back unchanged; anything else is its leading number.
double SureSayisi(const QString& metin);

// What the duration field shows after the user leaves it: its value rounded to a
// whole number, halves away from zero, in the regional format. A value beyond the
// range of a 64-bit whole number is no duration at all; its text stays as typed,
// and the store refuses it on saving.
QString SureKurali(const QString& metin);

// The code after the greatest stored code: "A" for a project without activities,
// then the next character, up to "~". Nothing after "~": the project has run out
// of codes.
std::optional<QString> SonrakiKod(const QString& koduBul);

// The predecessor text with `kod` added at its end; nothing when the text already
// names it. `kod` must not be empty.
std::optional<QString> OncekilereEkle(const QString& oncekiler, const QString& kod);

// The codes an activity may name as predecessors: those added before it, in the
// order added. For a code not (or no longer) among them, all of them.
QStringList OncekiOlabilecekKodlar(const QStringList& eklenisSirasiylaKodlar, const QString& kod);

// The first code of the predecessor text that is not among `izinliKodlar`.
std::optional<QString> YersizOnceki(const QString& oncekiler, const QStringList& izinliKodlar);

// The field checks before a save, in their order; the first that fails is given.
enum class AlanHatasi { Yok, AdBos, SureBos, OncekilerBos };
AlanHatasi AlanlariDenetle(const QString& ad, const QString& sure, const QString& oncekiler, bool oncekilerGerekli);
QString AlanHatasiMetni(AlanHatasi hata);

// The duration a save stores: a 32-bit whole number in plain or regional digits.
// Without one, `neden` says why, for the box.
std::optional<qint32> KaydedilecekSure(const QString& metin, QString* neden);

// Why `metin` is no duration: the whole numbers from `enAz` to the largest 32-bit one are,
// written in the regional format.
QString SureDegilNedeni(const QString& metin, qint32 enAz);

// Why a three-point estimate cannot be stored: none of its days may be below zero, the
// optimistic not above the most likely, nor the most likely above the pessimistic.
// Empty when it can.
QString TahminHatasi(const UcNoktaTahmini& tahmin);

// One of an estimate's three days typed over. `once` is what the row stood for: its
// estimate, or its duration in all three. An empty text removes the estimate (yeni
// none); a whole number of days in plain or regional digits replaces that day. False,
// and `neden` for the box, when the text is no such number or the order breaks.
enum class TahminGunu { Iyimser, Olasi, Kotumser };
bool DuzenlenenTahmin(const UcNoktaTahmini& once, TahminGunu gun, const QString& metin,
                      std::optional<UcNoktaTahmini>& yeni, QString& neden);
