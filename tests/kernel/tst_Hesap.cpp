#include "destek/RastgelePlan.h"
#include "kernel/Hesap.h"

#include <QTest>
#include <algorithm>

namespace {

// The passes as the main window and the analysis worked them out before the kernel, over
// the same links: kept to hold the engine to them while the callers move onto it.
Sonuc OnceHesaplanan(const QVector<int>& basi, const QVector<int>& oncekiler, const QVector<qint64>& sure)
{
    const int n = int(sure.size());
    Sonuc s;
    s.es.resize(n);
    s.ef.resize(n);
    for (int i = 0; i < n; ++i) {
        qint64 es = 0;
        for (int k = basi[i]; k < basi[i + 1]; ++k)
            es = std::max(es, s.ef[oncekiler[k]]);
        s.es[i] = es;
        s.ef[i] = es + sure[i];
        s.bitis = i == 0 ? s.ef[0] : std::max(s.bitis, s.ef[i]);
    }
    s.ls.resize(n);
    s.lf.resize(n);
    s.serbestBolluk.resize(n);
    for (int i = n - 1; i >= 0; --i) {
        qint64 lf = s.bitis, enErken = s.bitis;
        for (int j = i + 1; j < n; ++j) {
            for (int k = basi[j]; k < basi[j + 1]; ++k) {
                if (oncekiler[k] == i) {
                    lf = std::min(lf, s.ls[j]);
                    enErken = std::min(enErken, s.es[j]);
                }
            }
        }
        s.lf[i] = lf;
        s.ls[i] = lf - (s.ef[i] - s.es[i]);
        s.serbestBolluk[i] = enErken - s.ef[i];
    }
    return s;
}

} // namespace

class tst_Hesap : public QObject {
    Q_OBJECT

private slots:
    // On random plans, negative durations among them, every figure is what it was.
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
            const Sonuc beklenen = OnceHesaplanan(analiz.ag.girenBasi, analiz.ag.onceki, senaryo.sure);
            const Sonuc sonuc = Hesapla(AgKur(n, baglar), senaryo);
            QCOMPARE(sonuc.hata, HesapHatasi::Yok);
            QCOMPARE(sonuc.bitis, beklenen.bitis);
            QCOMPARE(sonuc.es, beklenen.es);
            QCOMPARE(sonuc.ef, beklenen.ef);
            QCOMPARE(sonuc.ls, beklenen.ls);
            QCOMPARE(sonuc.lf, beklenen.lf);
            QCOMPARE(sonuc.serbestBolluk, beklenen.serbestBolluk);
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
