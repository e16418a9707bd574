#pragma once

#include "analysis/IlerlemeAnalizi.h"
#include "export/Rapor.h"

#include <QByteArray>
#include <QFont>
#include <QPageLayout>
#include <QRectF>

class QPainter;

// The one-page status report: the project's name and status date, the finish then (the
// compared baseline's) and now (the forecast's) with the variance, the late activities
// (finish variance above zero, the latest first, as many as fit and "… ve N faaliyet daha"
// for the rest) and the schedule indices with what each means.

// Painted within `alan` of any painter (a PDF page, a printer's page, a picture), in `yazi`.
void DurumRaporunuCiz(QPainter& boyayici, const QRectF& alan, const Rapor& rapor, const IlerlemeAnalizi& ilerleme,
                      const QFont& yazi);

// Its page: A4 upright with margins of 15 mm, in a PDF and on a printer alike.
QPageLayout DurumRaporuSayfasi();

// The report as a one-page A4 PDF.
QByteArray DurumRaporuPdf(const Rapor& rapor, const IlerlemeAnalizi& ilerleme, const QFont& yazi);
