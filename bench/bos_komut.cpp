// The yardstick for kavrion-rapor's start: a bare Qt Core program that prints one line.
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication uygulama(argc, argv);
    QTextStream(stdout) << "Projeler" << Qt::endl;
    return 0;
}
