#include "destek/RastgelePlan.h"
#include "kernel/Hesap.h"

#include <QTest>
#include <algorithm>

namespace {

// What each figure is by definition, read from row i's links alone: no activity starts before
// day 0 or before a predecessor finishes; none finishes after F or after a successor must start.
void TanimaUyar(const PlanAgi& ag, const Senaryo& senaryo, const Sonuc& s, int i)
{
    qint64 es = 0, lf = s.bitis, enErken = s.bitis;
    for (int k = ag.girenBasi[i]; k < ag.girenBasi[i + 1]; ++k)
        es = std::max(es, s.ef[ag.onceki[k]]);
    for (int c = ag.cikanBasi[i]; c < ag.cikanBasi[i + 1]; ++c) {
        const int ardil = ag.ardil[ag.cikanBaglar[c]];
        lf = std::min(lf, s.ls[ardil]);
        enErken = std::min(enErken, s.es[ardil]);
    }
    QCOMPARE(s.es[i], es);
    QCOMPARE(s.ef[i], es + senaryo.sure[i]);
    QCOMPARE(s.lf[i], lf);
    QCOMPARE(s.ls[i], lf - senaryo.sure[i]);
    QCOMPARE(s.serbestBolluk[i], enErken - s.ef[i]);
}

} // namespace

class tst_Hesap : public QObject {
    Q_OBJECT

private slots:
    // On random plans, negative durations among them, every figure is what its definition says.
    void oncekiHesaplaAyni()
    {
        std::mt19937 uretec(3201);
        for (int plan = 0; plan < 400; ++plan) {
            const AgAnalizi analiz = RastgelePlan(uretec).analiz;
            const int n = int(analiz.faaliyetler.size());
            QVector<Bag> baglar;
            for (int i = 0; i < n; ++i) {
                for (int k = analiz.ag.girenBasi[i]; k < analiz.ag.girenBasi[i + 1]; ++k)
                    baglar.append({analiz.ag.onceki[k], i});
            }
            Senaryo senaryo;
            for (int i = 0; i < n; ++i)
                senaryo.sure.append(qint64(uretec() % 41) - 10);
            const PlanAgi ag = AgKur(n, baglar);
            const Sonuc sonuc = Hesapla(ag, senaryo);
            QCOMPARE(sonuc.hata, HesapHatasi::Yok);
            QCOMPARE(sonuc.bitis, *std::max_element(sonuc.ef.cbegin(), sonuc.ef.cend()));
            for (int i = 0; i < n; ++i)
                TanimaUyar(ag, senaryo, sonuc, i);
        }
    }

    // A link running up the rows has no order to compute in; a figure beyond 32 bits is
    // named by its row and kind, the first in row order.
    void hatalar()
    {
        QCOMPARE(Hesapla(AgKur(2, {{1, 0}}), Senaryo{{1, 1}}).hata, HesapHatasi::SiraDisiBag);
        Sonuc s = Hesapla(AgKur(3, {{0, 1}, {0, 2}}), Senaryo{{2147483647, -2147483647, -2147483647}});
        OtuzIkiBiteSigdir(s);
        QCOMPARE(s.hata, HesapHatasi::SinirDisi);
        QCOMPARE(s.hataSatiri, 1);
        QCOMPARE(s.hataAlani, SinirDisiAlan::EnGecBaslama);
    }
};

QTEST_GUILESS_MAIN(tst_Hesap)
#include "tst_Hesap.moc"
