#pragma once

#include <QProxyStyle>

// The main window's menu bar asks the style for its overflow button's icon as it is
// built. The common style names Qt's own PNG files, and an icon added from a file
// learns its format by asking every image format plugin, which loads them all (JPEG
// with libjpeg, GIF, ICO, SVG): about 300 KiB and a few milliseconds of every start-up
// for a button that shows only in a window too narrow for its menus. The same files
// read as PNG need none of them.
class TasmaSimgesiStili : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap simge, const QStyleOption* secenek, const QWidget* denetim) const override;
};
