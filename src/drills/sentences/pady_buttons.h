#pragma once

#include <QImage>
#include <QLabel>

namespace vz {

// The two option buttons of a case drill row, drawn as one picture: a left
// end, the left button's face, a middle piece between the buttons, the right
// button's face and a right end. Each piece has a plain and a pressed look
// (at most one button of a row is pressed); the faces stretch a slice one
// pixel wide to the width of the buttons.
class OptionButtonPictures {
public:
    enum class Pressed { None, Left, Right };

    static constexpr int kHeight = 27;
    static constexpr int kLeastWidth = 80;

    // Reads the pieces "bmp\03b_*.bmp" from the resource folder. Without
    // all of them the buttons are drawn plainly, so the game stays playable.
    static OptionButtonPictures load();
    bool hasPieces() const { return complete; }

    // One button's width: room for the longer of the two texts in a 16-pixel
    // font, at least kLeastWidth.
    static int buttonWidth(const QString& left, const QString& right);

    // Both buttons side by side, each `width` wide, with their texts: black
    // on a plain button, white on the pressed one.
    QImage pair(int width, const QString& left, const QString& right, Pressed pressed) const;

private:
    void drawPieces(QImage& picture, int width, Pressed pressed) const;
    static void drawPlain(QImage& picture, int width, Pressed pressed);

    bool complete = false;
    QImage leftEnd[2];
    QImage rightEnd[2];
    QImage face[2];
    QImage middle[3]; // neither pressed, the right one, the left one
};

// An option button: shows its part of the row's picture and reports a press
// of the left button with its Tag (-row for the left button, row for the right).
class TOptionButton : public QLabel {
    Q_OBJECT
public:
    TOptionButton(QWidget* parent, int tag);
    const int Tag;

signals:
    void pressed(int tag);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace vz
