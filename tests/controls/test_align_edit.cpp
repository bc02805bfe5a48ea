#include "app/application.h"
#include "controls/align_edit.h"
#include "support/fakes.h"

#include <QTest>
#include <QVBoxLayout>

using namespace vz;

class TestAlignEdit : public QObject {
    Q_OBJECT
private slots:
    void enterMovesToTheNextFieldAndInsertsNothing() {
        QWidget form;
        auto* first = new TAlignEdit(&form);
        auto* second = new TAlignEdit(&form);
        auto* layout = new QVBoxLayout(&form);
        layout->addWidget(first);
        layout->addWidget(second);
        form.show();
        QApplication::setActiveWindow(&form);
        first->setFocus();
        QTRY_VERIFY(first->hasFocus());
        QTest::keyClicks(first, "ab");
        QTest::keyClick(first, Qt::Key_Return);
        QTRY_VERIFY(second->hasFocus());
        QCOMPARE(first->text(), QString("ab"));
        QVERIFY(first->ExitOnEnterKey());
        QVERIFY(!first->MultiLine());
    }

    void multiLineEnterInsertsALineBreak() {
        TAlignEdit edit;
        edit.setMultiLine(true);
        QVERIFY(!edit.ExitOnEnterKey());
        edit.show();
        QTest::keyClicks(&edit, "ab");
        QTest::keyClick(&edit, Qt::Key_Return);
        QTest::keyClicks(&edit, "cd");
        QCOMPARE(edit.text(), QString("ab\r\ncd"));
        edit.setMultiLine(false);
        QCOMPARE(edit.text(), QString("abcd"));
    }

    void exitOnEnterKeySwitchesMultiLineOff() {
        TAlignEdit edit;
        edit.setMultiLine(true);
        edit.setText("x\r\ny\r\nz");
        edit.setExitOnEnterKey(true);
        QVERIFY(!edit.MultiLine());
        QCOMPARE(edit.text(), QString("xyz"));
    }

    void enterWithNeitherOptionDoesNothing() {
        TAlignEdit edit;
        edit.setExitOnEnterKey(false);
        edit.show();
        QTest::keyClicks(&edit, "ab");
        QTest::keyClick(&edit, Qt::Key_Return);
        QCOMPARE(edit.text(), QString("ab"));
    }

    void alignmentTakesEffect() {
        TAlignEdit edit;
        QCOMPARE(edit.QLineEdit::alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        edit.setAlignment(TAlignEdit::TextAlignment::Centre);
        QCOMPARE(edit.QLineEdit::alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        edit.setAlignment(TAlignEdit::TextAlignment::Right);
        QCOMPARE(edit.QLineEdit::alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    }

    void focusSelectsTheWholeText() {
        QWidget form;
        auto* edit = new TAlignEdit(&form);
        auto* other = new TAlignEdit(&form);
        auto* layout = new QVBoxLayout(&form);
        layout->addWidget(other);
        layout->addWidget(edit);
        edit->setText("Hallo");
        form.show();
        QApplication::setActiveWindow(&form);
        other->setFocus();
        QTest::mouseClick(edit, Qt::LeftButton);
        QTRY_COMPARE(edit->selectedText(), QString("Hallo"));
    }
};

VZ_GUI_TEST_MAIN(TestAlignEdit)
#include "test_align_edit.moc"
