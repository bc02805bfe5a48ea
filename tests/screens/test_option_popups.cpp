#include "app/application.h"
#include "screens/option_popups.h"
#include "support/fakes.h"

#include <QSignalSpy>
#include <QTest>

using namespace vz;

class TestOptionPopups : public QObject {
    Q_OBJECT
private slots:
    void init() {
        stage = std::make_unique<QWidget>();
        stage->resize(640, 480);
        stage->show();
    }
    void cleanup() { stage.reset(); }

    void clickedItemGoesToItsRowAndTheListHides() {
        auto* list = new TwndMoznosti(stage.get());
        QCOMPARE(list->size(), QSize(199, 65));
        list->resize(120, list->height());
        list->setItems({"bin", "bist", "ist"});
        list->Row = 3;
        list->show();
        QCOMPARE(list->items[2]->width(), 118);
        QSignalSpy chosen(list, &TwndMoznosti::itemChosen);
        QTest::mouseClick(list->items[1], Qt::LeftButton);
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen[0][0].toInt(), 3);
        QCOMPARE(chosen[0][1].toString(), QString("bist"));
        QVERIFY(!list->isVisible());
    }

    void pressOutsideHidesWithoutChoosing() {
        auto* list = new TwndMoznosti(stage.get());
        list->setItems({"a", "b", "c"});
        list->show();
        QSignalSpy chosen(list, &TwndMoznosti::itemChosen);
        QTest::mousePress(stage.get(), Qt::LeftButton, {}, QPoint(600, 400));
        QVERIFY(!list->isVisible());
        QCOMPARE(chosen.size(), 0);
    }

    void fourItemListHandsOverThePressPoint() {
        auto* list = new TwndMoznosti2(stage.get());
        QCOMPARE(list->size(), QSize(199, 87));
        list->setItems({"kann", "muss", "darf", "will"});
        list->Row = 2;
        list->show();
        QSignalSpy pressed(list, &TwndMoznosti2::itemPressed);
        QTest::mousePress(list->items[3], Qt::LeftButton, {}, QPoint(12, 7));
        QCOMPARE(pressed.size(), 1);
        QCOMPARE(pressed[0][0].toInt(), 2);
        QCOMPARE(pressed[0][1].toString(), QString("will"));
        QCOMPARE(pressed[0][2].toPoint(), QPoint(12, 7));
        QCOMPARE(pressed[0][3].toInt(), 66);
        QVERIFY(!list->isVisible());
    }

private:
    std::unique_ptr<QWidget> stage;
};

VZ_GUI_TEST_MAIN(TestOptionPopups)
#include "test_option_popups.moc"
