// The yardstick for Kavrion's start-up and idle memory: a main window with the same
// controls as Kavrion's, built from the same layout at the same scale and style, its menu
// bar with the same menus, and nothing else: no store, no lock, no plan, no projects
// listed, no other library than Qt Widgets. What Kavrion costs beyond it is what Kavrion adds.
#include "ui/TasmaSimgesiStili.h"
#include "ui/layout/Duzenler.h"
#include "ui/layout/Kurucu.h"

#include <QApplication>
#include <QHeaderView>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStyleOptionHeader>
#include <QTreeWidget>

namespace {

// The activities' six columns, each header sized in the list's own font as Kavrion's is.
void SutunlariKoy(QTreeWidget* liste)
{
    const auto& sutunlar = Duzenler::FaaliyetlerListesiSutunlari();
    auto* baslik = new QTreeWidgetItem;
    QStyleOptionHeader olcu;
    olcu.initFrom(liste->header());
    int i = 0;
    for (const SutunDuzeni& sutun : sutunlar) {
        olcu.text = QString::fromUtf8(sutun.baslik);
        baslik->setText(i, olcu.text);
        baslik->setTextAlignment(i, sutun.hizalama | Qt::AlignVCenter);
        baslik->setData(i++, Qt::SizeHintRole,
                        liste->style()->sizeFromContents(QStyle::CT_HeaderSection, &olcu, QSize(), liste->header()));
    }
    liste->setColumnCount(i);
    liste->setHeaderItem(baslik);
    for (i = 0; i < liste->columnCount(); ++i)
        liste->setColumnWidth(i, Piksel(sutunlar[size_t(i)].genislik));
}

// The menus and their entries with their keys, doing nothing.
void MenuleriKoy(QMenuBar* cubuk)
{
    const std::pair<const char*, std::vector<std::pair<const char*, QKeySequence>>> menuler[] = {
        {"D&osya",
         {{"&Sunucuya Bağlan…", {}},
          {nullptr, {}},
          {"İçe &Aktar…", QKeySequence(Qt::CTRL | Qt::Key_I)},
          {"&Dışa Aktar…", QKeySequence(Qt::CTRL | Qt::Key_E)},
          {"&Yazdır…", QKeySequence::Print},
          {nullptr, {}},
          {"Çı&kış", {}}}},
        {"Dü&zen",
         {{"&Geri Al", QKeySequence(Qt::CTRL | Qt::Key_Z)}, {"&Yinele", QKeySequence(Qt::CTRL | Qt::Key_Y)},
          {nullptr, {}}, {"Geç&miş…", {}}}},
        {"&Analiz", {{"&Ağ Analizi ve Gantt Şeması…", QKeySequence(Qt::Key_F5)}}},
        {"&Yardım", {{"Kavrion &Hakkında", {}}}},
    };
    for (const auto& [ad, girdiler] : menuler) {
        QMenu* menu = cubuk->addMenu(QString::fromUtf8(ad));
        for (const auto& [girdi, tus] : girdiler) {
            if (girdi)
                menu->addAction(QString::fromUtf8(girdi), tus, [] {});
            else
                menu->addSeparator();
        }
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication uygulama(argc, argv);
    QApplication::setStyle(new TasmaSimgesiStili);
    if (const QScreen* ekran = QGuiApplication::primaryScreen())
        OlcegiKur(EkranaGoreOlcek(QApplication::font(), ekran->availableGeometry().size(), ekran->devicePixelRatio()));
    QMainWindow pencere;
    const TemelFormDenetimleri denetimler = PencereyiKur(&pencere, Duzenler::TemelForm());
    SutunlariKoy(denetimler.FaaliyetlerListesi);
    MenuleriKoy(pencere.menuBar());
    pencere.layout()->activate();
    Ortala(&pencere);
    pencere.show();
    return uygulama.exec();
}
