#!/usr/bin/env bash
# Plants, one at a time, faults a developer could really make, and tells for each
# whether the unit tests catch it. Not part of the test command (only its dry run is):
# it rebuilds the tests once per fault. Works on a copy of the tree, so the working tree
# is never touched. Prints one table line per fault and the count at the end.
#
#   bash scripts/mutasyon.sh            every fault
#   bash scripts/mutasyon.sh 3 7 12     only these numbers
#   bash scripts/mutasyon.sh --kuru     only checks that each fault's text is still there
set -uo pipefail
cd "$(dirname "$0")/.."
kok="$(pwd)"
kopya="${KAVRION_MUTASYON_KLASORU:-/tmp/kavrion-mutasyon}"
export QT_QPA_PLATFORM=offscreen

# Each fault, its fields split by @@: layer, file, text as written, text with the fault,
# what the fault is.
# The layer says which tests are built and run first: "çekirdek" the tests of the core
# and the drawing code, "pencere" the window tests; a fault the first set misses is tried
# against every unit test before it counts as missed.
hatalar=(
"çekirdek@@src/store/ProjeDeposu_Ortak.h@@if (auto hata = std::forward<Adimlar>(adimlar)(yazim.vt()))@@if (auto hata = std::forward<Adimlar>(adimlar)(yazim.vt()); false)@@a failed step is committed with the rest"
"çekirdek@@src/store/ProjeDeposu_Ortak.cpp@@return sorgu.lastError().isValid() ? SqlHatasi(sorgu.lastError()) : DepoHatasi{};@@return DepoHatasi{};@@a row loop that fails part-way passes for the end of the rows"
"çekirdek@@src/store/ProjeDeposu_Projeler.cpp@@UPDATE FaaliyetlerTablosu SET Projesi = ? WHERE Projesi = ?@@UPDATE FaaliyetlerTablosu SET Projesi = Projesi WHERE ? IS NULL AND Projesi = ?@@a rename does not reach the activities"
"çekirdek@@src/store/ProjeDeposu_Projeler.cpp@@DELETE FROM FaaliyetlerTablosu WHERE Projesi = ?\"), {proje.ad}@@DELETE FROM FaaliyetlerTablosu WHERE Projesi = ? AND 0\"), {proje.ad}@@a deleted project leaves its activities"
"çekirdek@@src/store/ProjeDeposu_Projeler.cpp@@    if (ayni)
        return {};@@    if (true)
        return {};@@a project changed elsewhere is overwritten"
"çekirdek@@src/store/ProjeDeposu_Faaliyetler.cpp@@if (kayitli.first() != f)@@if (false)@@an activity changed elsewhere is overwritten"
"çekirdek@@src/store/ProjeDeposu_Faaliyetler.cpp@@if (sonKod.value(0).toString() != son.kodu)@@if (false)@@the last activity is deleted though a later one was added"
"çekirdek@@src/store/ProjeDeposu_Ortak.cpp@@return metin.isNull() ? QStringLiteral(\"\") : metin;@@return metin;@@an empty text is bound as NULL"
"çekirdek@@src/store/ProjeDeposu_Ortak.cpp@@hata = YazmaIzniniDenetle(m_vt);@@hata = {};@@a file made read-only is still written"
"çekirdek@@src/store/ProjeDeposu.cpp@@QStringLiteral(\"?mode=rw\")@@QStringLiteral(\"?mode=rwc\")@@a missing database is created"
"çekirdek@@src/store/ProjeDeposu_Projeler.cpp@@QDate::fromString(ham.toString(), Qt::ISODate);@@QDate::fromString(ham.toString(), Qt::TextDate);@@stored dates are not read"
"çekirdek@@src/store/DosyaDegisimDenetimi.cpp@@if (simdi->Degismemis(m_dosya->kimlik))@@if (true)@@a file copied in place is read from the old cache"
"çekirdek@@src/store/Sema.cpp@@if (!bulunan.contains(sunucu ? sutun.toLower() : sutun))@@if (false)@@a table lacking a column is accepted"
"çekirdek@@src/store/SqlHatasi.cpp@@if (motor.contains(QLatin1String(\"ProjeTablosu.ProjeAdi\")))@@if (false)@@a taken name is not explained"
"çekirdek@@src/kernel/Cizelge.cpp@@hazir = c.gunler.at(ag.onceki[k]).ef.has_value();@@hazir = true;@@a row after one that could not be worked out still shows a start"
"çekirdek@@src/kernel/Cizelge.cpp@@if (enIyi < 0 || baslama > enGec) {@@if (enIyi < 0 || baslama >= enGec) {@@the critical path takes the last predecessor on a tie"
"çekirdek@@src/kernel/Cizelge.cpp@@const qint64 enErken = c.hesap.bitis - c.hesap.ef[0];@@const qint64 enErken = c.hesap.bitis;@@the earliest finish day count forgets the first activity"
"çekirdek@@src/kernel/PlanModeli.cpp@@return ilk < satir ? ilk : -1;@@return ilk <= satir ? ilk : -1;@@an activity may name itself as predecessor"
"çekirdek@@src/rules/ProjeKurallari.cpp@@    buyuk.replace(QChar(0x0069), QChar(0x0130));
@@
@@i is upper-cased to I, not İ"
"çekirdek@@src/rules/BolgeselMetin.cpp@@ikiHane < 30 ? 2000 + ikiHane@@ikiHane < 50 ? 2000 + ikiHane@@two-digit years shift century at 50"
"çekirdek@@src/rules/ProjeKurallari.cpp@@if (!(gun >= 1.0))@@if (!(gun >= 0.0))@@a project of zero days is saved"
"çekirdek@@src/rules/FaaliyetKurallari.cpp@@std::round(OndekiSayi(metin))@@std::trunc(OndekiSayi(metin))@@durations are cut, not rounded"
"çekirdek@@src/rules/FaaliyetKurallari.cpp@@if (kod >= u'~')@@if (kod > u'~')@@a code past \"~\" is handed out"
"çekirdek@@src/rules/FaaliyetKurallari.cpp@@if (oncekiler.contains(kod, Qt::CaseSensitive))@@if (oncekiler.contains(kod, Qt::CaseInsensitive))@@\"a\" counts as \"A\" when predecessors are picked"
"çekirdek@@src/rules/FaaliyetKurallari.cpp@@if (oncekilerGerekli && oncekiler.isEmpty())@@if (false && oncekiler.isEmpty())@@a second activity is saved without predecessors"
"pencere@@src/ui/main/TemelForm.cpp@@    ProjeyiBosalt();
    const auto& plan = m_belge.plan();@@    const auto& plan = m_belge.plan();@@a failed read leaves the previous project on screen"
"pencere@@src/ui/activity/FaaliyetEklemeFormu.cpp@@FaaliyetEkleKomutu{m_proje, *faaliyet}@@FaaliyetEkleKomutu{belge().seciliProje(), *faaliyet}@@an activity goes to the project selected at save, not at entry"
"pencere@@src/ui/project/ProjeEklemeFormu.cpp@@    Cerceve->setEnabled(false);
    KapatDugmesi->setEnabled(true);@@    Cerceve->setEnabled(false);@@after Vazgeç the add dialog cannot be closed"
"çekirdek@@src/plan/PlanBelgesi.cpp@@const bool listeDegisti = ProjeKomutuMu(komut);@@const bool listeDegisti = false;@@a deleted, added or renamed project is not listed as stored"
"pencere@@src/ui/Mesaj.cpp@@if (hata.numara == DepoHatasi::Bulunamadi)@@if (false)@@after \"changed elsewhere\" the window keeps the old rows"
"pencere@@src/ui/layout/Kurucu.cpp@@            bekleyenEtiket->setBuddy(denetim);
@@
@@labels are not the buddies of their fields"
"pencere@@src/ui/project/ProjeAlanlari.cpp@@    OdakKaybindaCalistir(m_alanlar.ProjeninAdiKutusu, [this] { ProjeninAdiKutusu_LostFocus(); });
@@
@@the name is not upper-cased when left"
"pencere@@src/ui/Mesaj.cpp@@QStringLiteral(\"Kavrion\")@@QStringLiteral(\"Uyarı\")@@boxes are not titled Kavrion"
"çekirdek@@src/drawing/GorselCikti.cpp@@svg.setTitle(baslik.toHtmlEscaped());@@svg.setTitle(baslik);@@a name with & or < makes the SVG unreadable"
"çekirdek@@src/drawing/GorselCikti.cpp@@return XmlOlmayaniAt(tampon.data());@@return tampon.data();@@a control character in a name makes the SVG unreadable"
"çekirdek@@src/drawing/GorselCikti.cpp@@EnBuyukResimKenari / boyut.height()});@@1.0});@@a long plan's PNG is larger than viewers open"
"çekirdek@@src/export/GuvenliYazim.cpp@@if (VeritabaniDosyasi(yol, veritabani))@@if (false)@@an export may replace the database"
"çekirdek@@src/export/GuvenliYazim.cpp@@W_OK, AT_EACCESS)@@W_OK, 0)@@a read-only folder is judged by the real user's rights"
"pencere@@src/ui/export/DisaAktarim.cpp@@    if (uzanti.isEmpty())
        return {yol +@@    if (true)
        return {yol +@@a typed extension gets the filter's added"
"çekirdek@@src/export/CsvYazimi.cpp@@ && !metin.contains(QLatin1Char('\n'))@@@@a name with a line break is not quoted in CSV"
"çekirdek@@src/export/CsvYazimi.cpp@@? QLatin1Char(';') : QLatin1Char(',')@@? QLatin1Char(',') : QLatin1Char(',')@@CSV under a decimal comma is separated by commas"
"çekirdek@@src/export/JsonYazici.h@@if (u >= 0x20 && u != @@if (u >= 0x00 && u != @@control characters go into JSON unescaped"
"çekirdek@@src/export/MspdiYazimi.cpp@@QString::number(m_analiz.ag.onceki.at(k) + 1)@@QString::number(m_analiz.ag.onceki.at(k))@@MSPDI links point at the task before the predecessor"
"çekirdek@@src/export/MspdiIlerlemesi.cpp@@arg(gun * GunlukSaat)@@arg(gun * 24)@@MSPDI durations count 24-hour days"
"çekirdek@@src/analysis/PlanKarsilastirmasi.h@@return ef == es ? es : ef - 1;@@return ef == es ? es : ef;@@finish dates a day late, on the next activity's start (MSPDI too)"
"çekirdek@@tools/kavrion-rapor/Iletiler.cpp@@Cikis::Kullanim);@@Cikis::Hata);@@a usage error exits with the store error's status"
"çekirdek@@tools/kavrion-rapor/RaporOkuma.cpp@@if (hata.numara == DepoHatasi::Bulunamadi)@@if (false)@@an unknown project is reported as a store error"
"çekirdek@@src/analysis/AgAnalizi.cpp@@f.serbestBolluk = qint32(s.serbestBolluk[i]);@@f.serbestBolluk = qint32(s.ToplamBolluk(i));@@free float replaced by total float"
"çekirdek@@src/kernel/Hesap.cpp@@: ls[a] - ag.gecikme[k]);@@: es[a] - ag.gecikme[k]);@@the backward pass takes LF from the successors' ES instead of their LS"
"çekirdek@@src/kernel/Hesap.cpp@@: ef[onceki[k]] + ag.gecikme[k]);@@: es[onceki[k]] + ag.gecikme[k]);@@the forward pass starts a successor at its predecessor's start"
"çekirdek@@src/kernel/Hesap.h@@{ return ToplamBolluk(i) <= 0; }@@{ return serbestBolluk[i] <= 0; }@@critical judged by free float"
"çekirdek@@src/kernel/Hesap.cpp@@qint64 lf = s.bitis, enErken = s.bitis;@@qint64 lf = s.bitis, enErken = ag.cikanBasi[i] < ag.cikanBasi[i + 1] ? std::numeric_limits<qint64>::max() : s.bitis;@@free float not bounded by F, larger than total float"
"çekirdek@@src/analysis/KritikYollar.cpp@@s.Kritik(ag.ardil[k]) && Belirler(ag, s, k);@@s.Kritik(ag.ardil[k]);@@a link between critical activities that does not drive is a step of a path"
"çekirdek@@src/analysis/KritikYollar.cpp@@if (KritikBag(ag, s, k))@@if (s.Kritik(ag.ardil[k]))@@the path count takes links that do not drive"
"çekirdek@@src/analysis/PlanKarsilastirmasi.h@@return ef == es ? es : ef - 1;@@return ef - 1;@@a milestone's date the day before its start"
"çekirdek@@src/analysis/PlanKarsilastirmasi.cpp@@BitisTarihi(takvim, proje.baslama.deger.value_or(QDate()), 0, projeBitisGunu)@@GununTarihi(takvim, proje.baslama.deger.value_or(QDate()), projeBitisGunu)@@the project's finish date the day after its last day of work"
"çekirdek@@src/kernel/Cizelge.cpp@@    if (n < 2)@@    if (n < 1)@@one activity gets day counts and a path that the main window leaves empty"
"çekirdek@@src/export/CsvYazimi.cpp@@case '=': case '+': case '-': case '@':@@case '=': case '+': case '-':@@a CSV cell beginning with @ runs as a formula"
"çekirdek@@src/export/CsvYazimi.cpp@@(AnalizMetinleri::SayisalSutun(sutun) ? hucre : CsvAlani(hucre, ayrac))@@CsvAlani(hucre, ayrac)@@negative figures in CSV become text"
"çekirdek@@src/export/CsvYazimi.cpp@@alanlar << CsvAlani(IsoTarih(f.baslama), ayrac) << CsvAlani(IsoTarih(f.bitis), ayrac);@@alanlar << IsoTarih(f.baslama) << IsoTarih(f.bitis);@@a date with a sign runs as a formula in CSV"
"çekirdek@@src/export/Rapor.cpp@@if (tarih.year() >= 1 && tarih.year() <= 9999)@@if (tarih.year() >= 1)@@a date after the year 9999 is written as an empty text"
"pencere@@src/ui/widgets/SecimiKoruyanListe.h@@tus == Qt::Key_Up || tus == Qt::Key_Home || @@tus == Qt::Key_Up || @@Home as the first key in a list selects nothing"
"pencere@@src/ui/project/ProjeDegistirFormu.cpp@@            GuncelHaliniGoster();@@            ProjeleriYenile(QString());@@after \"changed elsewhere\" the window shows no project and the dialog keeps the old values"
"pencere@@src/ui/activity/FaaliyetDegistirmeFormu.cpp@@                Doldur(m_proje, satir);@@@@after \"changed elsewhere\" the activity dialog keeps the old values"
"pencere@@src/ui/analysis/GanttAlani.cpp@@    resize(0, 0);@@@@an uncomputable project keeps the previous chart's scroll range"
"pencere@@src/ui/analysis/AnalizPenceresi.cpp@@{QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}@@{QKeySequence(Qt::CTRL | Qt::Key_W)}@@Esc does not close the analysis window"
"pencere@@src/ui/layout/Kurucu.cpp@@    if (sigar(yazi, sonuc.olcek))
        return sonuc;@@    if (true)
        return sonuc;@@the main window is built at the font's scale whatever the screen"
"pencere@@src/ui/project/ProjeDegistirFormu.cpp@@    ProjeninAdiKutusu->setFocus();@@    ProjeninAdiKutusu->setFocus();
    setTabOrder(VazgecDugmesi, KaydetDugmesi);@@two buttons of the project change dialog swapped in the tab order"
"pencere@@src/ui/activity/FaaliyetAlanlari.cpp@@        Uyar(AlanHatasiMetni(hata), m_alanlar.OngorulenSureKutusu);
        return std::nullopt;@@        break;@@a duration of 0 or abc passes the activity dialogs' check"
"pencere@@src/store/ProjeDeposu_Projeler.cpp@@Projenin güncel hali gösteriliyor.@@Projenin yeni hali gösteriliyor.@@one word of the \"changed elsewhere\" box changed"
"pencere@@src/ui/layout/Kurucu.cpp@@    if (!pencere->parentWidget() && !alan.isEmpty())
        yer.moveTopLeft@@    if (false)
        yer.moveTopLeft@@a main window larger than the screen is centred with its title bar off the screen"
"çekirdek@@src/drawing/RaporSayfalari.cpp@@            ciz(eksen, sayfalar.y(), true);@@            (void)eksen;@@the PDF's later chart pages have no dates"
"çekirdek@@src/drawing/GanttCizimi.cpp@@        const double boy = m_satir * 0.7;@@        const double boy = 2;@@a milestone is a sliver, not a diamond"
"çekirdek@@src/drawing/GanttCizimi.cpp@@    const bool tahminSolda = tahmin && *m_tahminiGun < m_analiz.projeBitisGunu;@@    const bool tahminSolda = false;@@an estimate just before F writes its caption over F's"
"çekirdek@@src/drawing/RaporSayfalari.cpp@@constexpr int BaslikYolSiniri = 10;@@constexpr int BaslikYolSiniri = 1000;@@a thousand paths fill pages before the PDF's table"
"çekirdek@@src/export/MspdiYazimi.cpp@@rapor.proje.baslama.deger.value_or(QDate());@@rapor.proje.baslama.deger.value_or(QDate::currentDate());@@MSPDI silently starts a project without a start date today"
"çekirdek@@src/export/MspdiYazimi.cpp@@if (analiz.hata.Var() && !bos)@@if (analiz.hata.Var())@@an empty project is refused as MSPDI"
"çekirdek@@src/export/GuvenliYazim.cpp@@return bir && iki && bir->AyniDosya(*iki);@@return QFileInfo(yol).absoluteFilePath() == QFileInfo(veritabani).absoluteFilePath();@@the export guard compares path texts: a link named as the output replaces the database"
"pencere@@src/ui/export/DisaAktarim.cpp@@        if (VeritabaniDosyasi(dosya, veritabani)) {@@        if (false) {@@printing to a file named as the database replaces it"
"çekirdek@@src/export/CsvYazimi.cpp@@    while (i < metin.size() && metin.at(i) == QLatin1Char('\\''))
        ++i;
@@@@a name behind an apostrophe of its own comes back from CSV without it"
"çekirdek@@src/store/ProjeDeposu_Gecmis.cpp@@if (simdiVar ? !ayni : satirVar)@@if (simdiVar ? false : satirVar)@@an undo overwrites a row changed elsewhere since the step"
"çekirdek@@src/store/ProjeDeposu_Gecmis.cpp@@{bulunan.uygulandi ? 1 : 0, bulunan.kimlik}@@{1, bulunan.kimlik}@@an undone step stays marked done"
"çekirdek@@src/store/ProjeDeposu_Gecmis.cpp@@: QStringLiteral(\"INSERT INTO AcikAdim (Adim) SELECT max(Kimlik) FROM GecmisAdimlari\"));@@: QStringLiteral(\"SELECT 1\"));@@a write is recorded as a step without its rows"
"çekirdek@@src/store/ProjeDeposu_Gecmis.cpp@@if (surum > Sema::Surum)@@if (false)@@a file of a newer Kavrion is written"
"çekirdek@@src/plan/PlanBelgesi.cpp@@if (!listeDegisti && m_projeler.contains(proje))@@if (m_projeler.contains(proje))@@going back or forward over steps that add or delete projects leaves the list as it was"
"çekirdek@@src/plan/Komut.cpp@@YersizOnceki(oncekiler, OncekiOlabilecekKodlar(kodlar, kod))@@YersizOnceki(oncekiler, kodlar)@@a changed activity may name one added after it as predecessor"
"pencere@@src/ui/activity/FaaliyetEklemeFormu.cpp@@    if (!Giriliyor() || m_kaydediliyor || !plan || plan->proje.ad != m_proje)@@    if (true)@@an entry under way keeps the code an undo has freed"
"pencere@@src/ui/main/TemelForm_Menuler.cpp@@.replace(QLatin1Char('&'),@@.replace(QLatin1Char('%'),@@a project name with & loses it in the Edit menu"
"çekirdek@@src/store/ProjeDeposu_Projeler.cpp@@        if (bulundu)
            return DepoHatasi::yeni(DepoHatasi::Kisit,@@        if (false)
            return DepoHatasi::yeni(DepoHatasi::Kisit,@@an import adopts activity rows of no project left under its name"
"pencere@@src/ui/import/IceAktarmaFormu.cpp@@if (adlar.contains(proje->ad)) {@@if (false) {@@the preview lets a taken name through to the store"
"çekirdek@@src/store/ProjeDeposu_Ortak.h@@\"TahminlerTablosu\",  \"DagilimTablosu\",@@\"DagilimTablosu\",@@a renamed project loses its estimates"
"çekirdek@@src/store/ProjeDeposu_Tahminler.cpp@@        if (kayitli != eski)@@        if (false)@@an estimate changed elsewhere is overwritten"
"çekirdek@@src/store/ProjeDeposu_Gecmis.cpp@@surum < Sema::Surum && !sunucu ? Sema::GocKomutlari(surum)@@surum == 0 && !sunucu ? Sema::GocKomutlari(surum)@@a file with history but no estimates' table is not brought up to date"
"pencere@@src/import/KavrionOkuma.cpp@@    if (sakli.deger) {
        deger = *sakli.deger;@@    if (true) {
        deger = sakli.deger.value_or(T());@@a text duration or date of another Kavrion file comes in as zero or no date"
"çekirdek@@src/import/AraPlan.cpp@@const bool baslangic = koksuzler.size() > 1;@@const bool baslangic = koksuzler.size() > 2;@@an import with two activities that wait for nothing gets no start activity"
"çekirdek@@src/import/AraPlan.cpp@@sureler[y] = qint32(std::ceil(gorev.sure - Pay));@@sureler[y] = qint32(std::trunc(gorev.sure));@@an imported fractional day is cut, not rounded up"
"çekirdek@@src/import/MspdiOkuma.cpp@@if (!m_x.entityDeclarations().isEmpty())@@if (false)@@an MSPDI file that declares entities is read"
"çekirdek@@src/import/MspdiOkuma.cpp@@g.ara.sure = *dakika / (gecen ? 1440 : gunlukDakika);@@g.ara.sure = *dakika / gunlukDakika;@@elapsed MSPDI durations are read as working time"
"çekirdek@@src/import/CsvOkuma.cpp@@    return metin.mid(1);@@    return metin.mid(i);@@the CSV import takes every apostrophe off a formula-like name, not the one the export added"
"çekirdek@@src/kernel/Hesap.cpp@@qint64 lf = s.bitis, enErken = s.bitis;@@qint64 lf = std::numeric_limits<qint64>::max(), enErken = s.bitis;@@the backward pass forgets that nothing finishes after F: an activity without successors is never critical"
"çekirdek@@src/risk/Ornekleme.cpp@@Katsayilar(1 + 4 * m_tepe, m_d1, m_c1);@@Katsayilar(1 + 4 * (1 - m_tepe), m_d1, m_c1);@@beta-PERT draws with α taken for β: every estimate comes out symmetric"
"çekirdek@@src/risk/Ornekleme.cpp@@quint64 karisik = blok;@@quint64 karisik = 0;@@every block of iterations draws the same numbers"
"çekirdek@@src/risk/RiskHesabi.cpp@@Calistir(m, ayarlar.tohum, blok,@@Calistir(m, ayarlar.tohum + quint64(no), blok,@@each thread draws from a seed of its own, so the result depends on the number of threads"
"pencere@@src/plan/Deneme.cpp@@        if (sure != deneme.sureler.cend())
            f.sure = {*sure, *sure};@@        if (false)
            f.sure = {*sure, *sure};@@a what-if is not shown: the window keeps the stored durations"
"pencere@@src/rules/FaaliyetKurallari.cpp@@    if (metin.trimmed().isEmpty())
        return true;@@    if (false)
        return true;@@an emptied estimate cell is refused instead of removing the estimate"
"çekirdek@@src/store/ProjeDeposu_Projeler.cpp@@UPDATE %1 SET Projesi = ? WHERE Projesi = ?@@UPDATE %1 SET Projesi = Projesi WHERE ? IS NULL AND Projesi = ?@@a renamed project loses its distribution and calendar"
"çekirdek@@src/store/ProjeDeposu_Tahminler.cpp@@        if (saklanan != eski)@@        if (false)@@a distribution changed elsewhere is overwritten"
"pencere@@src/ui/analysis/RiskSekmesi.cpp@@if (m_eskidi || m_plandanEski ||@@if (m_eskidi ||@@risk charts of an older plan state are exported"
"çekirdek@@src/kernel/PlanModeli.cpp@@            m_tekKarakterliSatir.insert(kod.front().unicode(), i);@@            m_tekKarakterliSatir.insert(kod.front().unicode(), std::max(i, m_tekKarakterliSatir.value(kod.front().unicode(), i)));@@a code beyond ASCII stored twice keeps its lower row"
"çekirdek@@tools/veritabani_olustur.cpp@@[](const QString& a) { return a.startsWith(QLatin1Char('-')); }@@[](const QString&) { return false; }@@a mistyped option becomes the name of a new file"
"pencere@@src/ui/analysis/RiskSekmesi.cpp@@connect(m_tarih, &QLineEdit::returnPressed, this, tarihKurali);@@(void)tarihKurali;@@Enter in the risk tab's date does nothing"
"pencere@@src/ui/analysis/DenemePaneli.cpp@@if (tus == Qt::Key_Return || tus == Qt::Key_Enter) {@@if (false) {@@Enter in the what-if's slip field does not try"
"pencere@@src/ui/analysis/DenemePaneli.cpp@@m_belge.SecimeDon(proje);@@;@@a trial kept on another project's selection is no longer shown"
"pencere@@src/ui/analysis/AnalizPenceresi.cpp@@if (!m_deneme->Kapanabilir()) {@@if (false) {@@closing the analysis window drops an unapplied trial unasked"
"pencere@@src/ui/main/TemelForm.cpp@@if (cocuk->isWindow() && !cocuk->close())@@if (cocuk->isWindow() && !cocuk->close() && false)@@the main window closes though its analysis window was kept open"
"çekirdek@@src/import/MspdiOkuma.cpp@@ara.proje.bitis = m_tahminiBitis;@@ara.proje.bitis = ara.proje.bitis.isValid() ? ara.proje.bitis : m_tahminiBitis;@@an MSPDI file of Kavrion's own comes back with the computed finish as its end"
"çekirdek@@src/import/AktarimDenetimi.cpp@@    if (!metinler.ad.isEmpty() && alinmis.contains(metinler.ad))@@    if (false)@@the import preview says nothing of a taken name until Aktar"
"pencere@@src/ui/import/IceAktarmaFormu.cpp@@            satir->setText(0, BuyukHarfeCevir(metin.ad));@@            satir->setText(0, satir->text(0));@@the import preview's project list keeps a project's old name after a rename"
"çekirdek@@tools/veritabani_olustur.cpp@@return depo.IlkIcerikYaz({ornek});@@return depo.IceAktar({ornek});@@a new sample file starts with a step to undo"
"pencere@@src/ui/main/TemelForm_Menuler.cpp@@eylem->setShortcutContext(Qt::ApplicationShortcut);@@eylem->setShortcutContext(Qt::WindowShortcut);@@undo and redo keys act only in the main window"
"pencere@@src/ui/main/TemelForm.cpp@@if (faaliyetler.contains(plan->faaliyetler.at(i).kodu)) {@@if (false) {@@an undo selects the project but not the activity it brought back"
"pencere@@src/ui/history/GecmisPenceresi.cpp@@if (gezinti.atilan == 0)@@if (true)@@a walk through the history stopped part-way says nothing was written"
"pencere@@src/ui/export/DisaAktarim.cpp@@if (Grafik(bilgi.bicim) == Grafik(suzgec) && uzanti@@if (uzanti@@a typed extension changes the chart: histogram.png with the histogram's SVG filter writes the Gantt chart"
"çekirdek@@src/drawing/RaporSayfalari.cpp@@satiri, 2, yazi@@satiri, 2000, yazi@@the PDF heading writes a critical path of 2,000 activities in full: pages before the table"
"çekirdek@@src/drawing/RaporSayfalari.cpp@@yolsuz + 2, yazi@@yolsuz + 200, yazi@@the PDF heading's note names a path of 2,000 activities in full"
"çekirdek@@src/drawing/RiskCizimi.cpp@@if (etiketler.at(j).kutu.intersects(kutu)) {@@if (false) {@@the histogram's P-line captions are printed over each other when the finishes lie close together"
"çekirdek@@src/drawing/RiskCizimi.cpp@@        if (sayilar.at(i) == 0)
            continue;@@        if (false)
            continue;@@the histogram counts empty columns: a simulation whose every iteration ends alike has more than one bar"
"pencere@@src/rules/ProjeKurallari.cpp@@\"BAŞLAMA TARİHİ boş bırakılmaz!\"@@\"BAŞLANGIÇ TARİHİ boş bırakılmaz!\"@@the project dialogs' empty start date is told in other words"
"pencere@@src/ui/layout/Duzenler.cpp@@            {\"ProjeDeğiştirDüğmesi\", T::Dugme, \"Proje &Değiştir\", Pencerede, 270, 7440, 2355, 345, Ayar::Yok,
             &Yerlestir<D, &D::ProjeDegistirDugmesi>},
            {\"ProjeSilDüğmesi\", T::Dugme, \"Proje &Sil\", Pencerede, 270, 7860, 2355, 345, Ayar::Yok,
             &Yerlestir<D, &D::ProjeSilDugmesi>},
@@            {\"ProjeSilDüğmesi\", T::Dugme, \"Proje &Sil\", Pencerede, 270, 7860, 2355, 345, Ayar::Yok,
             &Yerlestir<D, &D::ProjeSilDugmesi>},
            {\"ProjeDeğiştirDüğmesi\", T::Dugme, \"Proje &Değiştir\", Pencerede, 270, 7440, 2355, 345, Ayar::Yok,
             &Yerlestir<D, &D::ProjeDegistirDugmesi>},
@@two buttons of the main window swapped in its layout, and so in its tab order"
"çekirdek@@src/rules/FaaliyetKurallari.cpp@@    if (tahmin.kotumser < 0)
        return QStringLiteral(\"Kötümser süre sıfırdan küçük olamaz.\");
@@@@a negative pessimistic day is blamed on the most likely one"
"pencere@@src/ui/widgets/AralikliSayiKutusu.cpp@@    m_geriAlinan = metin;@@    m_geriAlinan.clear();@@an iteration count out of range is taken back in silence"
"pencere@@src/ui/server/ParolaSorusu.cpp@@        return Sonuc::Vazgecildi;@@        return Sonuc::Reddedildi;@@Vazgeç in the password prompt answers with an error box"
"pencere@@src/ui/server/BaglantiHatasi.cpp@@    if (hata.numara != DepoHatasi::Ulasilamiyor)@@    if (true)@@an unreachable server's box names no host or port"
"çekirdek@@src/store/Sema.cpp@@(sunucu ? QStringLiteral(\"Sunucudaki@@(false ? QStringLiteral(\"Sunucudaki@@a server's database without the tables is called a file"
"pencere@@src/ui/layout/Kurucu.cpp@@    if (!anaPencere)@@    if (false)@@a dialog does not close with Ctrl+W"
"pencere@@src/ui/server/SunucuyaBaglanFormu.cpp@@    if (Denenen())@@    if (false)@@the server dialog opened again forgets the address that failed"
"pencere@@src/ui/main/TemelForm_ProjeKomutlari.cpp@@if (const KomutHatasi hata = m_belge.Calistir(ProjeSilKomutu{proje}))@@if (const KomutHatasi hata = m_belge.Calistir(ProjeSilKomutu{m_belge.plan() ? m_belge.plan()->proje : proje}))@@the project delete acts on what was read while its question was open"
"pencere@@src/ui/main/TemelForm_FaaliyetKomutlari.cpp@@QStringLiteral(\"Son faaliyeti SİLMEK istiyor musunuz?\")))
        return;
    if (const KomutHatasi hata = m_belge.Calistir(komut))@@QStringLiteral(\"Son faaliyeti SİLMEK istiyor musunuz?\")))
        return;
    if (const KomutHatasi hata = m_belge.Calistir(SonFaaliyetiSilKomutu{komut.proje, plan->faaliyetler}))@@the last-activity delete deletes one added while its question was open"
"pencere@@src/ui/analysis/RiskSekmesi.cpp@@const std::optional<Dagilim> gosterilen = m_gosterilenDagilim;@@Dagilim okunan = Dagilim::Pert; const std::optional<Dagilim> gosterilen = m_belge.ProjeDagilimi(okunan) ? std::nullopt : std::optional(okunan);@@a distribution pick is compared with the store's, not the one shown"
"pencere@@src/plan/PlanBelgesi_Deneme.cpp@@const SureleriDegistirKomutu komut = DenemeKomutu(m_denemePlani, m_deneme);@@const SureleriDegistirKomutu komut = DenemeKomutu(*m_plan, m_deneme);@@a trial is applied over the plan read since, not the one shown"
"pencere@@src/ui/analysis/RiskSekmesi.cpp@@const TahminDegistirKomutu komut{m_gosterilenProje,@@const TahminDegistirKomutu komut{m_belge.seciliProje(),@@an estimate's edit goes to the project selected since, not the one shown"
"pencere@@src/store/ProjeDeposu_Gecmis.cpp@@if (beklenen != 0 && bulunan.kimlik != beklenen)@@if (false)@@an undo takes a step written elsewhere since the menu named another"
"pencere@@src/ui/analysis/RiskSekmesi.cpp@@    m_sokuluyor = true;
@@@@the Risk tab destroyed with the keyboard in a field runs the field's rule on a half-destroyed tab"
"çekirdek@@tools/kavrion-aktar/Aktarma.cpp@@    if (kabul || aktarim.onaylanacaklar.isEmpty())@@    if (true)@@kavrion-aktar imports a file that needs acceptance without --kabul"
"çekirdek@@src/store/ProjeDeposu_Faaliyetler.cpp@@reddedildi = !kural(kodlar);@@reddedildi = !kural(kodlar) && false;@@an activity is written though its predecessors, checked inside the write, are not the project's"
"çekirdek@@src/kernel/PlanAgi.cpp@@std::priority_queue<int, std::vector<int>, std::greater<int>> hazir;@@std::priority_queue<int, std::vector<int>, std::less<int>> hazir;@@an imported plan's order strays from the file's where its links allow the file's"
"pencere@@src/ui/export/DisaAktarim.cpp@@rapor.deneme = surum == Surum::Deneme && belge.Denemede();@@rapor.deneme = false;@@during a trial the analysis window's export writes the stored plan, unmarked"
"pencere@@src/ui/export/DisaAktarim.cpp@@    if (yanit->surum && *yanit->surum != gosterilen)@@    if (false)@@the stored plan chosen in the export dialog during a trial writes the trial"
"çekirdek@@src/drawing/RaporSayfalari.cpp@@baslik.insert(1, DenemeIsareti());@@;@@a trial's Gantt picture does not say it is a trial"
"çekirdek@@src/kernel/Cizelge.cpp@@else if (model.IlkSatir(kod) > satir)@@else if (model.IlkSatir(kod) < 0)@@a predecessor stored below is reported as undefined, and one nowhere as stored below"
"çekirdek@@src/text/CizelgeMetinleri.cpp@@if (ef || satir != 0)@@if (ef || satir >= 0)@@the first row's duration another program left as text is not shown as its finish"
"çekirdek@@src/drawing/RaporSayfalari.cpp@@const QStringList yol = analiz.kritikYollar.at(i);@@const QStringList& yol = analiz.kritikYollar.at(i);@@a path in the heading is cut while the cut overwrites it"
"pencere@@src/store/YeniDosya.cpp@@yol.constData(), RENAME_NOREPLACE) == 0@@yol.constData(), 0) == 0@@\"Yeni…\" makes an empty plan over an existing file"
"pencere@@src/app/VeriKonumu.cpp@@if (dosyaVar || (yazilabilir && !sistemin))@@if (dosyaVar || yazilabilir)@@an installed program run by root looks for its file in /usr/bin"
"pencere@@src/ui/main/TemelForm_Dosyalar.cpp@@if (kilit->BaskasiAcik()) {@@if (false) {@@\"Aç…\" opens a file another Kavrion has open"
"çekirdek@@src/store/ProjeDeposu_Takvim.cpp@@        if (saklanan != eski)@@        if (false)@@a calendar changed elsewhere is overwritten"
"çekirdek@@src/store/ProjeDeposu_Projeler.cpp@@DELETE FROM %1 WHERE Projesi = ?\").arg@@DELETE FROM %1 WHERE Projesi = ? AND 0\").arg@@a deleted project leaves its distribution and calendar"
"çekirdek@@src/store/ProjeDeposu_Takvim.cpp@@else if (*e != *y)@@else if (false)@@an exception renamed or of another kind keeps its stored name and kind"
"çekirdek@@src/store/ProjeDeposu_Takvim.cpp@@            return Okunamadi(proje, tarih);@@            continue;@@an exception on no real day is dropped unseen"
"çekirdek@@src/store/ProjeDeposu_Projeler.cpp@@if (auto hata = TakvimYaz(vt, p.proje.ad, ProjeTakvimi(), p.takvim))@@if (auto hata = DepoHatasi{})@@an imported project loses its calendar"
"çekirdek@@src/rules/TakvimKurallari.cpp@@if (onceki.isValid() && istisna.tarih == onceki)@@if (false)@@two exceptions on one day reach the store"
"çekirdek@@src/risk/RiskHesabi.cpp@@return sonuc.Olasilik(takvim.IsGunuSay(baslama, ertesi));@@return sonuc.Olasilik(baslama.daysTo(tarih) + 1);@@the chance of finishing by a date counts calendar days, not working days"
"pencere@@src/ui/import/IceAktarmaFormu.cpp@@TamProje yazilacak = m_aktarim.projeler.at(i).proje;@@TamProje yazilacak{{}, m_aktarim.projeler.at(i).proje.faaliyetler, m_aktarim.projeler.at(i).proje.tahminler};@@an import from another Kavrion file drops the project's calendar"
"çekirdek@@src/drawing/GanttTakvimi.cpp@@        if (takvim.CalisilirMi(gun))@@        if (true)@@a working-day calendar's Gantt chart neither shades its days off nor stretches a bar over them"
"pencere@@src/ui/calendar/TakvimPenceresi.cpp@@} else if (planVar != m_planVar || kayitli != m_kayitli) {@@} else if (planVar != m_planVar) {@@the calendar window keeps showing a calendar an apply or an undo has replaced"
"pencere@@src/ui/main/TemelForm.cpp@@    if (takvim.HerGunCalisilir()) {@@    if (true) {@@the main window's estimated day count counts calendar days under a working-day calendar"
"pencere@@src/analysis/TakvimEtkisi.cpp@@etki.bitisKaymasi = yeni.takvim.IsGunuSay(@@etki.bitisKaymasi = eski.takvim.IsGunuSay(@@a calendar change's preview counts the finish's move in the old calendar's working days"
"çekirdek@@src/export/MspdiTakvimi.cpp@@isGunuAliyor |= HaftaninIsGunu(takvim.Tanim().tur, gun.dayOfWeek());@@isGunuAliyor = false;@@MSPDI writes no official holiday, so other planners schedule through the bayrams"
"çekirdek@@src/import/MspdiTakvimOkuma.cpp@@tanim.istisnalar.append({gun, calisilir ? IstisnaTuru::CalisilanGun : IstisnaTuru::Tatil, QString()});@@;@@an official holiday an MSPDI file lacks moves the imported plan's dates"
"çekirdek@@src/import/MspdiTakvimOkuma.cpp@@return arife > 0 && tatil == arife;@@return false;@@a file that rests on the arifes comes in with them worked, one exception each"
"çekirdek@@src/export/Rapor.cpp@@return IsTakvimi(takvim).HerGunCalisilir() ? QString()@@return false ? QString()@@an every-day project's CSV and JSON gain a calendar name"
"çekirdek@@src/kernel/IsTakvimi.cpp@@int(std::upper_bound(birikimli.cbegin(), birikimli.cend(), sira)@@int(std::lower_bound(birikimli.cbegin(), birikimli.cend(), sira)@@a year's first working day is looked up in the year before"
"çekirdek@@src/kernel/IsTakvimi.cpp@@if (o.sonBaslama != tarih)@@if (!o.sonBaslama.isValid())@@the first working day of one start is given for every other"
"çekirdek@@src/text/AnalizMetinleri.cpp@@i < donemler.size() && i < AdiGecenTatil;@@i < donemler.size() && i <= AdiGecenTatil;@@a holiday sentence names one holiday more than it counts"
"çekirdek@@src/export/MspdiYazimi.cpp@@QString::number(m_analiz.ag.gecikme.at(k) * MspdiGunlukGecikme)@@QString::number(m_analiz.ag.gecikme.at(k) * 480)@@MSPDI lags are written in minutes, not tenths of a minute"
"çekirdek@@src/export/MspdiYazimi.cpp@@{BagTuru::BaslamaBitis, 2}, {BagTuru::BaslamaBaslama, 3}@@{BagTuru::BaslamaBitis, 3}, {BagTuru::BaslamaBaslama, 2}@@MSPDI's start-to-finish and start-to-start numbers are swapped both ways"
"çekirdek@@src/import/AraPlan.cpp@@const double tam = std::ceil(gun - Pay);@@const double tam = std::trunc(gun);@@an imported lag in hours is cut to whole days, not rounded up"
"çekirdek@@src/import/AraPlan.cpp@@bag.gecikme / 100 * hedef.sure@@bag.gecikme / 100@@a percentage lag is taken of one day, not of the predecessor's duration"
"çekirdek@@src/import/AraPlan.cpp@@std::max(s.baglar[y][j].gecikme, bag.gecikme)@@bag.gecikme@@of two links of one type between two tasks the later lag is kept, not the binding one"
"çekirdek@@src/import/CsvOkuma.cpp@@if (e.capturedLength(3) + e.capturedLength(4) == 1)@@if (false)@@a GanttProject lead comes in as a lag"
"çekirdek@@src/export/JsonYazimi.cpp@@    if (baglar) {@@    if (true) {@@a plain plan's JSON gains the links' key"
"çekirdek@@src/export/CsvYazimi.cpp@@if (tur != BagTuru::BitisBaslama || gecikme != 0)@@if (tur != BagTuru::BitisBaslama)@@a finish-to-start lag goes into CSV without its type, and does not come back"
"çekirdek@@src/import/MspdiTakvimOkuma.cpp@@return ad.left(i);@@return ad.left(IstisnaAdiSiniri);@@an MSPDI exception name cut to the limit splits a surrogate pair"
"pencere@@src/ui/calendar/TakvimPenceresi.cpp@@m_duzenlenen = bekleyen.duzenlenen;@@;@@the calendar window drops an edit not applied when another project is selected"
"çekirdek@@src/store/SunucuSemasi.cpp@@    for (const QString& rol : roller) {@@    for (const QString& rol : QStringList()) {@@a server's update adds tables its planners' role may not write"
"çekirdek@@src/store/SunucuSemasi.cpp@@        if (eksik(QLatin1String(Tablolar[tablo].ad)))@@        if (false)@@a server's update adds tables without their history and announcement triggers"
"çekirdek@@src/kernel/Hesap.h@@return OncekininBaslamasi(tur) ? uc + oncekiSuresi : uc;@@return uc;@@a start-to-start link lets its predecessor finish no later than its successor starts"
"çekirdek@@src/kernel/Hesap.h@@return ArdilinBaslamasi(tur) ? uc : uc - ardilSuresi;@@return uc;@@a finish-to-finish link holds its successor's start, not its finish"
"çekirdek@@src/analysis/Nedenler.cpp@@(OncekininBaslamasi(ag.tur[k]) ? baslamadanCikan : bitistenCikan) = true;@@bitistenCikan = true;@@an activity whose lengthening shortens its path is not named"
"çekirdek@@src/risk/RiskHesabi.cpp@@gecikme *= qint64(1) << m.olcekUssu;@@gecikme *= 1;@@the simulation counts lags in ticks, not days"
"çekirdek@@src/kernel/PlanModeli.cpp@@yer = m_yer.value(QString::fromRawData(kod.data(), kod.size()), -1);@@yer = -1;@@a long list of links loses their types and lags"
"çekirdek@@src/drawing/GanttCizimi.cpp@@const bool bitise = tur == BagTuru::BitisBitis || tur == BagTuru::BaslamaBitis;@@const bool bitise = tur == BagTuru::BitisBitis;@@a start-to-finish arrow enters its successor at the start"
"pencere@@src/ui/activity/FaaliyetAlanlari.cpp@@if (const BagAyrintisi bag = SecilenBag(kod); !bag.Duz())@@if (const BagAyrintisi bag = SecilenBag(kod); false)@@an activity's dialog saves a start-to-start link as finish-to-start"
"çekirdek@@src/store/ProjeDeposu_Baglar.cpp@@f.baglar = ListeSirasiyla(f.oncekiler, *bulunan);@@f.baglar = *bulunan;@@links are read in the order stored, not in the predecessor list's"
"çekirdek@@src/store/ProjeDeposu_Baglar.cpp@@if (!MetindekiTur(BagTurleri, tur, bag.tur))@@if (!MetindekiTur(BagTurleri, tur, bag.tur) && false)@@a link of a type this build does not know is read as a plain one"
"çekirdek@@src/store/ProjeDeposu_Projeler.cpp@@if (auto hata = BagSatirlariEkle(vt, p.proje.ad, f))@@if (auto hata = DepoHatasi{})@@an import drops its links"
"çekirdek@@src/rules/BagKurallari.cpp@@if (bag.gecikme < -GecikmeSiniri || bag.gecikme > GecikmeSiniri)@@if (bag.gecikme < -GecikmeSiniri)@@a lag beyond the limit is not refused by its rule"
"çekirdek@@src/kernel/PlanAgi.cpp@@ag.bitisBaslamali = ag.bitisBaslamali && b.tur == BagTuru::BitisBaslama;@@ag.bitisBaslamali = true;@@a plan with richer links is computed as if every link were finish-to-start"
"çekirdek@@src/kernel/Cizelge.cpp@@if (!duz && enGec < es[satir])@@if (false)@@the main window's path walks on through an activity with float past a start held at day 0"
"pencere@@src/import/KavrionOkuma.cpp@@Faaliyet f{k.kodu, k.adi, 0, k.oncekiler, k.baglar};@@Faaliyet f{k.kodu, k.adi, 0, k.oncekiler};@@an import from another Kavrion file drops its links' types and lags"
"çekirdek@@src/import/MspdiOkuma.cpp@@else if (c.isSurrogate())@@else if (false)@@half a surrogate pair from a UTF-7 file reaches the store, which cannot hold it"
"çekirdek@@src/analysis/AgYerlesimi.cpp@@kolon[i] = std::max(kolon[i], kolon[ag.onceki[k]] + 1);@@kolon[i] = std::max(kolon[i], kolon[ag.onceki[k]]);@@the network diagram puts an activity in its predecessor's column"
"çekirdek@@src/analysis/AgYerlesimi.cpp@@return y[v] - AgYerlesimi::KutuYuksekligi / 2 - SatirArasi / 2 + (giris ? -KanalAyrimi : KanalAyrimi);@@return y[v] - SatirArasi / 2 + (giris ? -KanalAyrimi : KanalAyrimi);@@a link going round a box of the network diagram runs across it"
"çekirdek@@src/analysis/AgYerlesimi.cpp@@            if (sayi < enAz) {@@            if (true) {@@the network diagram keeps its last sweep's order, not the one with the fewest crossings"
"çekirdek@@src/drawing/AgCizimi.cpp@@for (int sutun : {0, 1, 3, 4, 2, 7, 5, 6})@@for (int sutun : {0, 1, 3, 4, 2, 7, 3, 6})@@a box of the network diagram shows ES for LS"
"pencere@@src/ui/analysis/AnalizPenceresi.cpp@@        m_baglam.belge->FaaliyetiSec(f.kodu);@@        {}@@an activity selected in the analysis window or its diagram is not selected in the main window"
"pencere@@src/ui/analysis/AgDiyagrami.cpp@@            m_secilince(m_odak);@@            {}@@Enter on the network diagram's focused box selects nothing"
"çekirdek@@src/drawing/AgSayfalari.cpp@@    SayfaHaritasi(sayfa, cizim, plan, dosya);@@    {}@@a network diagram's PDF over many pages has no page map"
"çekirdek@@src/analysis/IlerlemeAnalizi.cpp@@std::max(baslama, durumSonrasi) + t.kalan@@baslama + t.kalan@@started work's remaining days run from its actual start, not from the status date"
"çekirdek@@src/kernel/Hesap.cpp@@const int son = Sinirli && sabit[i] ? basi[i] : basi[i + 1];@@const int son = basi[i + 1];@@work already begun is moved by its predecessors' forecast"
"çekirdek@@src/analysis/IlerlemeAnalizi.cpp@@sonuc.spiT = at > 0 ? sonuc.kazanilmisTakvim / sonuc.gecenSure : tanimsiz;@@sonuc.spiT = sonuc.pv > 0 ? sonuc.ev / sonuc.pv : tanimsiz;@@SPI(t) is the cost-based SPI, which forgives a late finish"
"çekirdek@@src/risk/RiskHesabi.cpp@@            if (Ilerlemeli && m.sabit[i])@@            if (false)@@the simulation from a status date draws work already begun afresh from its start"
"pencere@@src/ui/analysis/AnalizPenceresi.cpp@@m_model->Goster(m_analiz, &belge.ilerlemeAnalizi(), &plan->proje.ilerleme);@@m_model->Goster(m_analiz);@@the analysis table never shows the progress columns"
"pencere@@src/drawing/GanttCizimi.cpp@@m_analiz(TahminliAnaliz(analiz, ilerleme))@@m_analiz(analiz)@@the Gantt chart draws the plan, not the forecast from the status date"
"çekirdek@@src/rules/IlerlemeKurallari.cpp@@if (son.isValid() && son > durumTarihi)@@if (false)@@an actual date after the status date is stored"
"çekirdek@@src/store/ProjeDeposu_Faaliyetler.cpp@@\"BaglarTablosu\", \"TahminlerTablosu\", \"IlerlemeTablosu\"}) {
            if (auto hata = Calistir(vt, QStringLiteral(\"DELETE FROM %1 WHERE Projesi = ?\")@@\"BaglarTablosu\", \"TahminlerTablosu\"}) {
            if (auto hata = Calistir(vt, QStringLiteral(\"DELETE FROM %1 WHERE Projesi = ?\")@@deleting every activity leaves their progress behind"
"çekirdek@@src/store/ProjeDeposu_Taban.cpp@@while (Bul(tabanlar, kaydedilen.numara))@@while (false)@@a new baseline takes a number already used"
"çekirdek@@src/store/ProjeDeposu_Taban.cpp@@if (tabanlar.karsilastirilan != eski.numara)@@if (true)@@deleting the compared baseline leaves its number compared, and the next one saved under it"
"çekirdek@@src/store/ProjeDeposu_Ilerleme.cpp@@return saklanan.durumTarihi == eski ? DepoHatasi{}@@return true ? DepoHatasi{}@@a status date changed elsewhere is overwritten"
"çekirdek@@src/export/MspdiIlerlemesi.cpp@@Oge(xml, \"RemainingDuration\", MspdiSuresi(KalanGun(sure, ilerleme)));@@Oge(xml, \"RemainingDuration\", MspdiSuresi(sure));@@MSPDI writes a started task's whole duration as its remaining duration"
"çekirdek@@src/import/MspdiOkuma.cpp@@if (const IlerlemeReddi ret = ProjeIlerlemesiniDenetle(plan.ilerleme, plan.tabanlar, kodlar))@@if (const IlerlemeReddi ret = IlerlemeReddi{})@@an MSPDI file's actual date after its status date comes in"
"çekirdek@@src/export/CsvYazimi.cpp@@const IlerlemeAnalizi ilerleme = RaporIlerlemesi(rapor);@@const IlerlemeAnalizi ilerleme;@@a project with a status date loses its CSV progress columns"
"çekirdek@@src/analysis/AgYerlesimi.cpp@@return paylasilan[v] & (sol ? 1 : 2) ? AgYerlesimi::KutuYuksekligi / 6 : 0;@@return 0;@@a link leaving a box of the network diagram where another enters it shares its line, and its type reads as the other's"
"çekirdek@@src/analysis/AgYerlesimi.cpp@@zincir.bas = std::min(zincir.bas, g.kolon[p] + 1);@@;@@a long link of the network diagram joins the line it shares in a column that line does not reach"
"çekirdek@@src/analysis/AgYerlesimi.cpp@@Gec(c, yy, ZincirYeri(z, c + 1), g.zincirler[z].kukla < 0 ? SeriteCikan : Arada);@@;@@a long link of the network diagram stops short of the line it shares with others"
"çekirdek@@src/analysis/AgYerlesimi.cpp@@if (toplam <= KuklaButcesi)@@if (true)@@a plan of very long links has them all threaded between the boxes, the layout's time and memory growing with their lengths"
"çekirdek@@src/analysis/AgYerlesimi.cpp@@return Kenar + serit * SeritAraligi;@@return Kenar;@@links over the boxes of the network diagram run on one lane into different boxes"
"çekirdek@@src/drawing/AgSayfalari.cpp@@kesim.yerler.append(sinir >= bos || !boslukta ? sinir : *(sonraki - 1));@@kesim.yerler.append(sinir);@@a network diagram's PDF over many pages cuts boxes in two at the pages' edges"
"çekirdek@@src/drawing/AgSayfalari.cpp@@if (kesim.arada || ilk == son) {@@if (true) {@@a network diagram's PDF cuts boxes in two where the boxes of a strip's columns stand at different heights"
"çekirdek@@src/drawing/AgSayfalari.cpp@@{&kutular, &yazilar}@@{&kutular}@@a network diagram's PDF over many pages cuts a link's type and lag in two between columns"
"çekirdek@@src/analysis/AgYerlesimi.cpp@@demet.kritikten = yer;@@demet.kritikten = 0;@@a line long links share is drawn critical from its start though its driving link joins it further on"
"çekirdek@@src/analysis/AgYerlesimi.cpp@@(giris ? -KanalAyrimi : KanalAyrimi);@@0;@@a link into a box's finish and one out of its start run over the box as one line"
"çekirdek@@src/analysis/AgYerlesimi.cpp@@Iz(c + 1, yy, Giris(a, false), Solda);@@Iz(c + 1, yy, Giris(a, false));@@a link into a box's finish runs along another link's stretch in the gap beside it"
"çekirdek@@src/analysis/AgYerlesimi.cpp@@Iz(c, yy, Kanal(p, false), Sagda);@@Iz(c, yy, Kanal(p, false));@@a link out of a box's start runs along another link's stretch in the gap before it"
"çekirdek@@src/analysis/AgYerlesimi.cpp@@{ Solda, SeriteCikan, Arada, SerittenInen, Sagda };@@{ Solda, SerittenInen, Arada, SeriteCikan, Sagda };@@a link coming down from a lane runs along one rising to a lane where boxes either side of a gap stand level"
"pencere@@src/ui/analysis/AnalizPenceresi.cpp@@    FaaliyetSecildi(m_baglam.belge->SeciliFaaliyet());@@    {}@@an analysis window opened after the main window selected an activity shows none selected"
"çekirdek@@src/drawing/AgSayfalari.cpp@@while (plan.parcalar.size() > EnCokParca) {@@while (false) {@@a network diagram PDF of a large plan runs to thousands of pages"
)

# Splits entry $1 into katman, dosya, ozgun, bozuk, aciklama.
ayir() {
    local kalan="$1"
    katman="${kalan%%@@*}"; kalan="${kalan#*@@}"
    dosya="${kalan%%@@*}"; kalan="${kalan#*@@}"
    ozgun="${kalan%%@@*}"; kalan="${kalan#*@@}"
    bozuk="${kalan%%@@*}"; aciklama="${kalan#*@@}"
}

# --kuru: builds nothing, only checks that each fault's text is written exactly once in
# its file of the working tree, so that an entry the code has outgrown fails loudly
# instead of being reported as not applicable. The test command runs it.
if [ "${1:-}" = "--kuru" ]; then
    bozulan=0
    for i in "${!hatalar[@]}"; do
        ayir "${hatalar[$i]}"
        kac=$(OZGUN="$ozgun" perl -0 -ne '$n = () = /\Q$ENV{OZGUN}\E/g; print $n' "$kok/$dosya" 2>/dev/null || echo 0)
        if [ "$kac" != 1 ]; then
            echo "Mutation $((i + 1)) ($dosya: $aciklama): its text is found ${kac:-0} times, not once" >&2
            bozulan=$((bozulan + 1))
        fi
    done
    echo "Mutation list: ${#hatalar[@]} faults, $bozulan not found exactly once"
    [ "$bozulan" -eq 0 ]
    exit
fi

testler() { # the test targets of the given folders of tests/
    for klasor in "$@"; do
        find "$kopya/kaynak/tests/$klasor" -name 'tst_*.cpp' -exec basename {} .cpp \;
    done | sort -u
}

# Builds the targets and runs them; true when every one passes.
gecer() {
    cmake --build "$kopya/build" -j"$(nproc)" --target "$@" > "$kopya/derleme.txt" 2>&1 || return 1
    local desen
    desen="^($(IFS='|'; echo "$*"))\$"
    ctest --test-dir "$kopya/build" -L birim -R "$desen" > "$kopya/sonuc.txt" 2>&1
}

# A fresh copy of the tree's files, with fresh times: nothing compiled from an earlier
# copy passes for up to date.
rm -rf "$kopya/kaynak"
mkdir -p "$kopya/kaynak"
git -C "$kok" ls-files -co --exclude-standard | tar -C "$kok" -cf - --ignore-failed-read -T - 2>/dev/null \
    | tar -xmf - -C "$kopya/kaynak"
cmake -S "$kopya/kaynak" -B "$kopya/build" -DCMAKE_BUILD_TYPE=Release -DKAVRION_TESTS=ON -DKAVRION_KUTUPHANE=SHARED > /dev/null
mapfile -t cekirdek < <(testler kernel store rules analysis export import drawing tools risk)
mapfile -t tumu < <(testler .)
mapfile -t pencere < <(testler ui app)
if ! gecer "${tumu[@]}"; then
    echo "The unit tests fail without any planted fault; see $kopya/sonuc.txt" >&2
    exit 1
fi

secilen=("$@")
yakalanan=0; kacan=0; uygulanamayan=0
printf '%-3s | %-8s | %-45s | %s\n' "No" "Sonuç" "Dosya" "Hata"
for i in "${!hatalar[@]}"; do
    no=$((i + 1))
    if [ ${#secilen[@]} -gt 0 ] && [[ ! " ${secilen[*]} " =~ " $no " ]]; then continue; fi
    ayir "${hatalar[$i]}"
    hedef="$kopya/kaynak/$dosya"
    cp "$hedef" "$hedef.ozgun"
    if ! OZGUN="$ozgun" BOZUK="$bozuk" perl -0 -i -pe '$n = s/\Q$ENV{OZGUN}\E/$ENV{BOZUK}/; END { exit($n ? 0 : 1) }' "$hedef"; then
        sonuc="yok"; uygulanamayan=$((uygulanamayan + 1))
    else
        if [ "$katman" = "çekirdek" ]; then ilk=("${cekirdek[@]}"); else ilk=("${pencere[@]}"); fi
        if ! gecer "${ilk[@]}" || ! gecer "${tumu[@]}"; then
            sonuc="yakalandı"; yakalanan=$((yakalanan + 1))
        else
            sonuc="KAÇTI"; kacan=$((kacan + 1))
        fi
    fi
    mv "$hedef.ozgun" "$hedef"
    printf '%-3s | %-8s | %-45s | %s\n' "$no" "$sonuc" "$dosya" "$aciklama"
done
echo "Mutations: caught $yakalanan, missed $kacan, not applicable $uygulanamayan"
