#include "controls/lchset.h"

#include <QTest>

using namespace vz;

class TestLChSet : public QObject {
    Q_OBJECT
private slots:
    void fullSetRefusesNewValuesButAcceptsMembers() {
        TLChSet set(12);
        for (int v = 0; v < 12; ++v)
            QVERIFY(set.Add(v * 3));
        QVERIFY(!set.Add(100));
        QVERIFY(!set.Contains(100));
        QVERIFY(set.Add(9)); // already a member
        for (int v = 0; v < 12; ++v)
            QVERIFY(set.Contains(v * 3));
    }

    void addingAMemberAgainUsesNoSecondSlot() {
        TLChSet set(2);
        QVERIFY(set.Add(5));
        QVERIFY(set.Add(5));
        QVERIFY(set.Add(6)); // the second slot is still free
        QVERIFY(!set.Add(7));
    }

    void clearFreesEverySlot() {
        TLChSet set(48);
        for (int v = 0; v < 48; ++v)
            set.Add(v);
        set.Clear();
        for (int v = 0; v < 48; ++v)
            QVERIFY(!set.Contains(v));
        for (int v = 100; v < 148; ++v)
            QVERIFY(set.Add(v));
    }

    void minusOneMeansAFreeSlotIsLeft() {
        TLChSet set(1);
        QVERIFY(set.Contains(-1));
        set.Add(0);
        QVERIFY(!set.Contains(-1));
    }

    void zeroCapacityHoldsNothing() {
        TLChSet set(0);
        QVERIFY(!set.Add(0));
        QVERIFY(!set.Contains(0));
        QVERIFY(!set.Contains(-1));
        QCOMPARE(set.capacity(), 0);
    }
};

QTEST_GUILESS_MAIN(TestLChSet)
#include "test_lchset.moc"
