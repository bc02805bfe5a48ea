#include "hint_windows.h"

#include "../app/cursors.h"
#include "../app/resources.h"
#include "../app/stage_image.h"

namespace vz {
namespace {

QPixmap keyedPicture(const QString& name, QPoint keyPixel) {
    const QImage image = loadPicture(resourceFile(name));
    return QPixmap::fromImage(withTransparentColour(image, stagePixel(image, keyPixel)));
}

QLabel* pictureLabel(QWidget* parent, const QPixmap& picture, bool stretched) {
    auto* label = new QLabel(parent);
    label->setPixmap(picture);
    label->setScaledContents(stretched);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

} // namespace

THintWindow::THintWindow(QWidget* stage, QSize designSize, const QString& leftFile, int leftWidth,
                         const QString& middleFile, const QString& rightFile, int rightWidth)
    : QWidget(stage) {
    setWindowTitle(QStringLiteral("Správné"));
    setAttribute(Qt::WA_TranslucentBackground); // the bubble's corners show what lies below
    // The left cap is keyed by its bottom-left pixel, the others by pixel (1, 1).
    const QPixmap left = keyedPicture(leftFile, QPoint(0, designSize.height() - 1));
    LPozadi = pictureLabel(this, left, false);
    LPozadi->setCursor(Qt::PointingHandCursor);
    LPozadi->setFixedWidth(leftWidth);
    RPozadi = pictureLabel(this, keyedPicture(rightFile, QPoint(1, 1)), false);
    RPozadi->setFixedWidth(rightWidth);
    Pozadi = pictureLabel(this, keyedPicture(middleFile, QPoint(1, 1)), true);
    resize(designSize);
    layoutPieces();
    hide();
}

QLabel* THintWindow::addText(int left, int top) {
    auto* text = new QLabel(this);
    text->setAttribute(Qt::WA_TranslucentBackground);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(15);
    text->setFont(font);
    QPalette black = text->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    text->setPalette(black);
    text->move(left, top);
    text->raise();
    return text;
}

void THintWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutPieces();
}

void THintWindow::showEvent(QShowEvent* event) {
    // A width set while hidden reaches resizeEvent only later.
    layoutPieces();
    QWidget::showEvent(event);
}

void THintWindow::layoutPieces() {
    const int h = height();
    LPozadi->setGeometry(0, 0, LPozadi->width(), h);
    RPozadi->setGeometry(width() - RPozadi->width(), 0, RPozadi->width(), h);
    Pozadi->setGeometry(LPozadi->width(), 0, qMax(0, width() - LPozadi->width() - RPozadi->width()),
                        h);
    Pozadi->lower();
}

TwndHint::TwndHint(QWidget* stage)
    : THintWindow(stage, QSize(161, 34), QStringLiteral("bmp\\hint_1.bmp"), 10,
                  QStringLiteral("bmp\\hint_2.bmp"), QStringLiteral("bmp\\hint_3.bmp"), 17),
      Text(addText(10, 11)) {}

TwndHint2::TwndHint2(QWidget* stage)
    : THintWindow(stage, QSize(161, 55), QStringLiteral("bmp\\hint2_1.bmp"), 10,
                  QStringLiteral("bmp\\hint2_2.bmp"), QStringLiteral("bmp\\hint2_3.bmp"), 17),
      UpText(addText(10, 11)), DownText(addText(10, 32)) {}

TwndHintR::TwndHintR(QWidget* stage)
    : THintWindow(stage, QSize(161, 34), QStringLiteral("bmp\\hint_3R.bmp"), 17,
                  QStringLiteral("bmp\\hint_2.bmp"), QStringLiteral("bmp\\hint_1R.bmp"), 10),
      Text(addText(20, 11)) {}

} // namespace vz
