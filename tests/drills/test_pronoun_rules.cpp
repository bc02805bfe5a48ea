#include "controls/lchset.h"
#include "drills/content_check.h"
#include "drills/pronouns/oszajm_rules.h"
#include "drills/pronouns/tazzajm_rules.h"
#include "store/app_error.h"

#include <QSet>
#include <QTest>

using namespace vz;

class TestPronounRules : public QObject {
    Q_OBJECT
private slots:
    void errorLinesAreReadAndAnswered() {
        const ErrorRow wrong = oszajm::parseLine("1 Hallo Jana, wie geht es <du>? | dir ");
        QVERIFY(wrong.hasError && wrong.wrongWord == "du" && wrong.correctWord == "dir");
        QCOMPARE(oszajm::answerFirstLine(wrong),
                 QString("Vo vete je chyba. Nesprávne je slovo: du"));
        QCOMPARE(oszajm::answerSecondLine(wrong), QString("Hallo Jana, wie geht es dir?"));
        QStringList shown;
        for (const SentenceToken& token : oszajm::tokens(wrong.sentence))
            shown << token.caption + (token.punctuation ? "." : "") + (token.wrong ? "!" : "");
        QCOMPARE(shown.join(' '), QString("Hallo Jana ,. wie geht es du! ?."));
        const ErrorRow right = oszajm::parseLine("0 Es regnet.");
        QVERIFY(!right.hasError && right.wrongWord.isEmpty() && right.correctWord.isEmpty());
        QCOMPARE(oszajm::answerFirstLine(right), QString("Vo vete nie je žiadna chyba."));
    }

    void errorRowsAreJudged_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("choice"); // 0 unset, 1 yes (an error), 2 no
        QTest::addColumn<QList<int>>("underlined");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        // Kommt ihr heute ? Wir warten auf ihr .  (tokens 0 ... 8; the second "ihr" is wrong)
        const QString twice = "1 Kommt ihr heute? Wir warten auf <ihr>.|euch";
        QTest::newRow("all three right") << twice << 1 << QList<int>{7} << "euch" << true;
        QTest::newRow("same word, other place") << twice << 1 << QList<int>{1} << "euch" << false;
        QTest::newRow("trailing space") << twice << 1 << QList<int>{7} << "euch " << false;
        QTest::newRow("empty") << twice << 1 << QList<int>{7} << "" << false;
        QTest::newRow("very long") << twice << 1 << QList<int>{7} << QString(5000, 'e') << false;
        QTest::newRow("switch at no") << twice << 2 << QList<int>{7} << "euch" << false;
        QTest::newRow("switch never set") << twice << 0 << QList<int>{7} << "euch" << false;
        const QString phrase = "1 Papa bringt mich <zu Hause>.|nach Hause";
        QTest::newRow("a phrase") << phrase << 1 << QList<int>{3, 4} << "nach Hause" << true;
        QTest::newRow("half a phrase") << phrase << 1 << QList<int>{3} << "nach Hause" << false;
        const QString fine = "0 Es regnet schon den ganzen Tag.";
        QTest::newRow("right sentence") << fine << 2 << QList<int>{} << "" << true;
        QTest::newRow("right, spaces typed") << fine << 2 << QList<int>{} << "  " << false;
        QTest::newRow("right, underlined") << fine << 2 << QList<int>{0} << "" << false;
        QTest::newRow("right, switch yes") << fine << 1 << QList<int>{} << "" << false;
    }
    void errorRowsAreJudged() {
        QFETCH(QString, line);
        QFETCH(int, choice);
        QFETCH(QList<int>, underlined);
        QFETCH(QString, typed);
        const ErrorRow row = oszajm::parseLine(line);
        QVector<bool> flags(oszajm::tokens(row.sentence).size(), false);
        for (int k : underlined)
            flags[k] = true;
        QTEST(oszajm::isRight(row, ErrorSwitch(choice), flags, typed), "right");
    }

    void questionsAreShownAndJudged() {
        const QuestionRow row =
            tazzajm::parseExample(" &1Anna|hilft|&2ihrer Mutter|. ", "@2 Wem | hilft Anna? ");
        QCOMPARE(row.askedPart, 2);
        QCOMPARE(row.questionWord, QString("Wem"));
        QCOMPARE(row.questionRest, QString("hilft Anna?"));
        QStringList shown;
        for (const StatementToken& token : tazzajm::statementTokens(row))
            shown << token.text + (token.asked ? "!" : "") + (token.attached ? "_" : "");
        QCOMPARE(shown.join(' '), QString("Anna hilft ihrer Mutter! ._"));
        QVERIFY(tazzajm::isRight(row, "  wEM "));
        for (const char* wrong : {"", "   ", "Wen", "Wem?", "W em"})
            QVERIFY2(!tazzajm::isRight(row, wrong), wrong);
    }

    // Questions about different statements while the section allows; used
    // ones again only when no fresh ones are left; too little content ends
    // the drawing instead of searching forever.
    void questionPagesAreDrawnFairly() {
        QStringList section;
        for (int g = 0; g < 6; ++g)
            section << QString("&1S%1|is|&2here|.").arg(g) << "@1 Wer|ist hier?"
                    << "# a comment"
                    << "@2 Wo|ist er?";
        QCOMPARE(tazzajm::exampleCount(section), 12);
        QCOMPARE(gameExampleCount("2c", QStringList{"[2c]"} + section), 12);
        QRandomGenerator random(3);
        TLChSet used(48), page(12);
        QSet<QString> statements;
        for (const QuestionRow& row : tazzajm::dealPage(section, 5, used, page, random, "[2c]"))
            statements << row.statement;
        QCOMPARE(statements.size(), 5);
        for (int i = 0; i < section.size(); ++i) {
            if (page.Contains(i))
                QVERIFY(section[i].startsWith('@'));
            if (section[i].startsWith('@') && !page.Contains(i))
                used.Add(i);
        }
        TLChSet second(12);
        tazzajm::dealPage(section, 5, used, second, random, "[2c]");
        for (int index : second.Members())
            QVERIFY(!used.Contains(index)); // the five never used come first
        TLChSet third(12);
        QVERIFY_THROWS_EXCEPTION(
            AppError, tazzajm::dealPage(section.mid(0, 8), 5, used, third, random, "[2c]"));
    }

    void contentFaultsAreFound_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QStringList>("body");
        QTest::addColumn<int>("faultyLine"); // -2: sound
        const QString ok = "0 Ich sehe dich.";
        QTest::newRow("2a sound") << "[2a]" << QStringList{ok, "1 Ich helfe <dich>.|dir"} << -2;
        QTest::newRow("4b read too") << "[4b]" << QStringList{ok, "1 Ich sehe <dich.>|dich"} << 1;
        QTest::newRow("error without mark") << "[2a]" << QStringList{ok, "1 Ich helfe.|dir"} << 1;
        QTest::newRow("right with mark") << "[2a]" << QStringList{"0 Ich sehe <dich>."} << 0;
        QTest::newRow("part of a word") << "[2a]" << QStringList{ok, "1 Ich se<he> dich.|x"} << 1;
        QTest::newRow("correction same") << "[2a]" << QStringList{ok, "1 Er <ist>.|ist"} << 1;
        QTest::newRow("corrected repeats")
            << "[2a]" << QStringList{ok, "1 Ich sehe <dir>.|dich"} << 1;
        const QString head = "&1Anna|hilft|&2ihrer Mutter|.";
        QTest::newRow("2c sound") << "[2c]" << QStringList{head, "@1 Wer|hilft?", "@2 Wem|x?"}
                                  << -2;
        QTest::newRow("unmarked part") << "[2c]" << QStringList{head, "@3 Wo|hilft Anna?"} << 1;
        QTest::newRow("same part twice")
            << "[2c]" << QStringList{head, "@1 Wer|a?", "@1 Wer|b?"} << 2;
        QTest::newRow("question first") << "[2c]" << QStringList{"@1 Wer|a?", head, "@1 W|b"} << 0;
        QTest::newRow("no question") << "[2c]" << QStringList{"&1Er|geht|.", head, "@1 W|b"} << 0;
        QTest::newRow("bad part") << "[2c]" << QStringList{"&xEr|geht|.", "@1 W|b"} << 0;
    }
    void contentFaultsAreFound() {
        QFETCH(QString, header);
        QFETCH(QStringList, body);
        QFETCH(int, faultyLine);
        const ContentProblems problems = checkContentSection(header, body);
        if (faultyLine == -2) {
            QVERIFY2(problems.isEmpty(), qPrintable(problems.value(0).what));
            return;
        }
        QVERIFY(!problems.isEmpty());
        QCOMPARE(problems.first().line, faultyLine);
    }
};

QTEST_GUILESS_MAIN(TestPronounRules)
#include "test_pronoun_rules.moc"
