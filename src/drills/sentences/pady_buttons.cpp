#include "pady_buttons.h"

#include "../../app/resources.h"
#include "../../app/stage_image.h"
#include "../../controls/fonts.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace vz {
namespace {

constexpr int kTextMargin = 8; // on each side of a button's text

QImage piece(const char* name) {
    return tryLoadPicture(resourceFile(QStringLiteral("bmp\\03b_%1.bmp").arg(QLatin1String(name))));
}

void drawTexts(QImage& picture, int width, const QString& left, const QString& right,
               OptionButtonPictures::Pressed pressed) {
    QPainter painter(&picture);
    painter.setFont(screenFont(16));
    const bool leftDown = pressed == OptionButtonPictures::Pressed::Left;
    const bool rightDown = pressed == OptionButtonPictures::Pressed::Right;
    // A plain key's face covers rows 1 ... 24; a pressed key sits 2 pixels lower.
    const auto face = [width](int side, bool down) {
        return QRect(side * width, down ? 3 : 1, width, OptionButtonPictures::kHeight - 3);
    };
    painter.setPen(leftDown ? Qt::white : Qt::black);
    painter.drawText(face(0, leftDown), Qt::AlignCenter, left.trimmed());
    painter.setPen(rightDown ? Qt::white : Qt::black);
    painter.drawText(face(1, rightDown), Qt::AlignCenter, right.trimmed());
}

} // namespace

OptionButtonPictures OptionButtonPictures::load() {
    OptionButtonPictures pictures;
    pictures.leftEnd[0] = piece("l_0");
    pictures.leftEnd[1] = piece("l_1");
    pictures.rightEnd[0] = piece("r_0");
    pictures.rightEnd[1] = piece("r_1");
    pictures.face[0] = piece("e_0");
    pictures.face[1] = piece("e_1");
    pictures.middle[0] = piece("m_00");
    pictures.middle[1] = piece("m_01");
    pictures.middle[2] = piece("m_10");
    pictures.complete = true;
    for (const QImage* image : {&pictures.leftEnd[0], &pictures.leftEnd[1], &pictures.rightEnd[0],
                                &pictures.rightEnd[1], &pictures.face[0], &pictures.face[1],
                                &pictures.middle[0], &pictures.middle[1], &pictures.middle[2]})
        pictures.complete = pictures.complete && !image->isNull();
    return pictures;
}

int OptionButtonPictures::buttonWidth(const QString& left, const QString& right) {
    const QFontMetrics metrics(screenFont(16));
    const int widest =
        qMax(metrics.horizontalAdvance(left.trimmed()), metrics.horizontalAdvance(right.trimmed()));
    return qMax(kLeastWidth, widest + 2 * kTextMargin);
}

QImage OptionButtonPictures::pair(int width, const QString& left, const QString& right,
                                  Pressed pressed) const {
    QImage picture = stageCanvas(QSize(2 * width, kHeight));
    picture.fill(Qt::transparent);
    if (complete)
        drawPieces(picture, width, pressed);
    else
        drawPlain(picture, width, pressed);
    drawTexts(picture, width, left, right, pressed);
    return picture;
}

void OptionButtonPictures::drawPieces(QImage& picture, int width, Pressed pressed) const {
    const int leftDown = pressed == Pressed::Left ? 1 : 0;
    const int rightDown = pressed == Pressed::Right ? 1 : 0;
    const QImage& start = leftEnd[leftDown];
    const QImage& end = rightEnd[rightDown];
    const QImage& between = middle[leftDown ? 2 : rightDown];
    const int startWidth = stageSize(start).width();
    const int endWidth = stageSize(end).width();
    const int middleLeft = width - stageSize(between).width() / 2;
    const int middleRight = middleLeft + stageSize(between).width();
    QPainter painter(&picture);
    // The stretched faces first, a unit wider on each side, the pieces over
    // them: where a join falls inside a screen pixel (at 1.6, say) no gap
    // opens between a face and its neighbour.
    painter.drawImage(QRect(startWidth - 1, 0, middleLeft - startWidth + 2, kHeight),
                      face[leftDown]);
    painter.drawImage(QRect(middleRight - 1, 0, 2 * width - endWidth - middleRight + 2, kHeight),
                      face[rightDown]);
    painter.drawImage(0, 0, start);
    painter.drawImage(middleLeft, 0, between);
    painter.drawImage(2 * width - endWidth, 0, end);
}

void OptionButtonPictures::drawPlain(QImage& picture, int width, Pressed pressed) {
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int side = 0; side < 2; ++side) {
        const bool down = pressed == (side == 0 ? Pressed::Left : Pressed::Right);
        painter.setPen(QColor(60, 60, 60));
        painter.setBrush(down ? QColor(33, 89, 140) : QColor(240, 240, 240));
        painter.drawRoundedRect(
            QRectF(side * width + 1.5, down ? 3.5 : 1.5, width - 3, kHeight - 5), 5, 5);
    }
}

TOptionButton::TOptionButton(QWidget* parent, int tag) : QLabel(parent), Tag(tag) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void TOptionButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton)
        emit pressed(Tag);
}

} // namespace vz
