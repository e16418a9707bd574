// Draws the scalable icon as a square PNG of one size, for the hicolor theme's fixed
// sizes; the SVG stays the one drawing of the icon.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char* argv[])
{
    bool sayi = false;
    const int boyut = argc == 4 ? QString::fromLocal8Bit(argv[2]).toInt(&sayi) : 0;
    if (!sayi || boyut <= 0) {
        QTextStream(stderr) << "Kullanım: simge-olustur SIMGE.svg BOYUT CIKTI.png\n";
        return 2;
    }
    QSvgRenderer cizim(QString::fromLocal8Bit(argv[1]));
    if (!cizim.isValid()) {
        QTextStream(stderr) << "simge-olustur: SVG okunamadı: " << argv[1] << '\n';
        return 1;
    }
    QImage resim(boyut, boyut, QImage::Format_ARGB32_Premultiplied);
    resim.fill(Qt::transparent);
    QPainter boya(&resim);
    cizim.render(&boya);
    boya.end();
    if (!resim.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        QTextStream(stderr) << "simge-olustur: yazılamadı: " << argv[3] << '\n';
        return 1;
    }
    return 0;
}
