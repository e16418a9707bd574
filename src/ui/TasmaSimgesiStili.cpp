#include "ui/TasmaSimgesiStili.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QStyleOption>

QIcon TasmaSimgesiStili::standardIcon(StandardPixmap simge, const QStyleOption* secenek, const QWidget* denetim) const
{
    if (simge != SP_ToolBarHorizontalExtensionButton)
        return QProxyStyle::standardIcon(simge, secenek, denetim);
    const bool sagdanSola = secenek ? secenek->direction == Qt::RightToLeft
                                    : QGuiApplication::layoutDirection() == Qt::RightToLeft;
    QIcon icon;
    for (int boy : {8, 16, 32}) {
        QImageReader okuyucu(QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-%1%2.png")
                                 .arg(sagdanSola ? QStringLiteral("rtl-") : QString())
                                 .arg(boy),
                             "png");
        okuyucu.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(okuyucu.read()));
    }
    return icon;
}
