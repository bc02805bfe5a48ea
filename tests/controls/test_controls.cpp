#include "app/application.h"
#include "app/globals.h"
#include "app/routines.h"
#include "controls/ext_image.h"
#include "controls/labels.h"
#include "support/fakes.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <ctime>

using namespace vz;
using namespace vz::test;

namespace {

QString makePicture(const QTemporaryDir& dir, const QString& name, QColor colour) {
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = dir.filePath(name);
    image.save(path, "BMP");
    return path;
}

QString makeSound(const QTemporaryDir& dir, const QString& name) {
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write("RIFF");
    return file.fileName();
}

void enter(QWidget* w) {
    QEnterEvent event(QPointF(1, 1), QPointF(1, 1), w->mapToGlobal(QPointF(1, 1)));
    QApplication::sendEvent(w, &event);
}

void leave(QWidget* w) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(w, &event);
}

} // namespace

class TestControls : public QObject {
    Q_OBJECT
private slots:
    void init() {
        fakes = std::make_unique<Fakes>();
        EnterSound = makeSound(dir, "enter.wav");
        ClickSound = makeSound(dir, "click.wav");
        parent = std::make_unique<QWidget>();
        parent->resize(200, 200);
        parent->show();
    }
    void cleanup() {
        parent.reset();
        fakes.reset();
    }

    void extImagePlaysItsSoundsAndReports() {
        auto* image = new TExtImage(parent.get());
        image->setGeometry(10, 10, 40, 20);
        image->OnZvuk = EnterSound;
        image->ClickZvuk = ClickSound;
        QSignalSpy entered(image, &TExtImage::mouseEntered);
        QSignalSpy left(image, &TExtImage::mouseLeft);
        QSignalSpy clicked(image, &TExtImage::clicked);
        enter(image);
        QTest::mouseClick(image, Qt::LeftButton);
        leave(image);
        QCOMPARE(fakes->sound->played, (QStringList{EnterSound, ClickSound}));
        QCOMPARE(entered.size(), 1);
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(left.size(), 1);
    }

    void disabledControlsStaySilentAndStill() {
        auto* image = new TExtImage(parent.get());
        image->OnZvuk = EnterSound;
        image->ClickZvuk = ClickSound;
        auto* label = new TBMPLabel(parent.get(), makePicture(dir, "h.bmp", Qt::red),
                                    makePicture(dir, "p.bmp", Qt::blue), 0, 0, 40, 20);
        QSignalSpy imageEvents(image, &TExtImage::mouseEntered);
        QSignalSpy labelEvents(label, &TXLabel::mouseEntered);
        QSignalSpy labelClicks(label, &TXLabel::clicked);
        image->setEnabled(false);
        label->setEnabled(false);
        for (QWidget* w : {static_cast<QWidget*>(image), static_cast<QWidget*>(label)}) {
            enter(w);
            QTest::mouseClick(w, Qt::LeftButton);
            leave(w);
        }
        QVERIFY(fakes->sound->played.isEmpty());
        QCOMPARE(imageEvents.size(), 0);
        QCOMPARE(labelEvents.size(), 0);
        QCOMPARE(labelClicks.size(), 0);
        QVERIFY(!label->shownPicture());
    }

    void extImageWithoutSoundsIsAPlainPicture() {
        auto* image = new TExtImage(parent.get());
        QSignalSpy clicked(image, &TExtImage::clicked);
        enter(image);
        QTest::mouseClick(image, Qt::LeftButton);
        QVERIFY(fakes->sound->played.isEmpty());
        QCOMPARE(clicked.size(), 1);
    }

    void releaseOutsideIsNoClick() {
        auto* label = new TXLabel(parent.get(), 0, 0, 40, 20);
        QSignalSpy clicked(label, &TXLabel::clicked);
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseClick(label, Qt::RightButton);
        QCOMPARE(clicked.size(), 0);
    }

    void bitmapLabelShowsHoverThenPlainPicture() {
        auto* label = new TBMPLabel(parent.get(), makePicture(dir, "h.bmp", Qt::red),
                                    makePicture(dir, "p.bmp", Qt::blue), 0, 0, 40, 20);
        label->show();
        enter(label);
        QCOMPARE(label->shownPicture()->pixelColor(1, 1), QColor(Qt::red));
        QCOMPARE(label->grab().toImage().pixelColor(5, 5), QColor(Qt::red));
        leave(label);
        QCOMPARE(label->shownPicture()->pixelColor(1, 1), QColor(Qt::blue));
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(label->shownPicture()->pixelColor(1, 1),
                 QColor(Qt::blue)); // a click changes nothing
        QCOMPARE(fakes->sound->played, (QStringList{EnterSound, ClickSound}));
        parent->hide();
        parent->show();
        QVERIFY(!label->shownPicture()); // the window's own background again
    }

    void bitmapLabelWithMissingHoverFileStillWorks() {
        auto* label = new TBMPLabel(parent.get(), dir.filePath("missing.bmp"),
                                    makePicture(dir, "p.bmp", Qt::blue), 0, 0, 40, 20);
        QVERIFY(label->EnterPicture.isNull());
        enter(label);
        QCOMPARE(fakes->sound->played, QStringList{EnterSound});
        leave(label);
        QCOMPARE(label->shownPicture()->pixelColor(1, 1), QColor(Qt::blue));
    }

    void missingSoundFilesAreSilentlySkipped() {
        EnterSound = dir.filePath("none.wav");
        ClickSound = QString();
        auto* label = new TXLabel(parent.get(), 0, 0, 40, 20);
        enter(label);
        QTest::mouseClick(label, Qt::LeftButton);
        PlayWave(dir.filePath("also-none.wav"));
        QVERIFY(fakes->sound->played.isEmpty());
    }

    void waitTicksZeroHandlesNoMessage() {
        bool ran = false;
        QTimer::singleShot(0, [&] { ran = true; });
        WaitTicks(0);
        QVERIFY(!ran);
        QTRY_VERIFY(ran);
    }

    void waitTicksKeepsHandlingEventsWithoutSpinning() {
        bool ran = false;
        QTimer::singleShot(10, [&] { ran = true; });
        QElapsedTimer wall;
        wall.start();
        const std::clock_t cpuBefore = std::clock();
        WaitTicks(300);
        const double cpuSeconds = double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
        QVERIFY(ran);
        QVERIFY(wall.elapsed() >= 290);
        // A busy wait would burn about 0.3 s of processor time here.
        QVERIFY2(cpuSeconds < 0.15, qPrintable(QString::number(cpuSeconds)));
    }

private:
    QTemporaryDir dir;
    std::unique_ptr<Fakes> fakes;
    std::unique_ptr<QWidget> parent;
};

VZ_GUI_TEST_MAIN(TestControls)
#include "test_controls.moc"
