// The yardstick for Kavrion's start-up: a bare Qt Widgets window of the size given
// on the command line, placed as the main window places itself, and nothing else;
// with "yazılı" after the size, one line of text as well.
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication uygulama(argc, argv);
    const QStringList argumanlar = QCoreApplication::arguments();
    QWidget pencere;
    pencere.setFixedSize(argumanlar.value(1).toInt(), argumanlar.value(2).toInt());
    if (argumanlar.value(3) == QStringLiteral("yazılı"))
        (new QLabel(QStringLiteral("Projeler"), &pencere))->move(18, 18);
    QRect yer(QPoint(), pencere.size());
    yer.moveCenter(pencere.screen()->availableGeometry().center());
    pencere.move(yer.topLeft());
    pencere.show();
    return uygulama.exec();
}
