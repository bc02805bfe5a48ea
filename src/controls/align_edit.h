#pragma once

#include <QLineEdit>

namespace vz {

// The answer field of the drills: a one-line field whose text can be left-,
// right- or centre-aligned, and in which Enter moves on to the next field.
class TAlignEdit : public QLineEdit {
    Q_OBJECT
public:
    enum class TextAlignment { Left, Right, Centre };

    explicit TAlignEdit(QWidget* parent = nullptr);

    TextAlignment Alignment() const { return alignment; }
    void setAlignment(TextAlignment value);

    bool ExitOnEnterKey() const { return exitOnEnterKey; }
    void setExitOnEnterKey(bool value);

    // With MultiLine on, Enter inserts a line break (CR LF) into the text.
    // Switching it off joins the lines again.
    bool MultiLine() const { return multiLine; }
    void setMultiLine(bool value);

    // Kept for forms that set it; a one-line field scrolls rather than wraps.
    bool WordWrap() const { return wordWrap; }
    void setWordWrap(bool value) { wordWrap = value; }

    // Select the whole text whenever the field receives the focus.
    bool AutoSelect = true;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    TextAlignment alignment = TextAlignment::Left;
    bool exitOnEnterKey = true;
    bool multiLine = false;
    bool wordWrap = false;
};

} // namespace vz
