#include "store/cp1250.h"
#include "store/scramble.h"
#include "store/text_lines.h"

#include <QTest>

using namespace vz;

class TestCodepage : public QObject {
    Q_OBJECT
private slots:
    void slovakAndGermanLettersAreSingleBytes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("german") << QStringLiteral("ßäëöü") << QByteArray("\xDF\xE4\xEB\xF6\xFC");
        QTest::newRow("slovak") << QStringLiteral("čľšžô") << QByteArray("\xE8\xBE\x9A\x9E\xF4");
        QTest::newRow("capitals") << QStringLiteral("ČĽŠŽÄ") << QByteArray("\xC8\xBC\x8A\x8E\xC4");
        QTest::newRow("quotes") << QStringLiteral("„es“")
                                << QByteArray("\x84"
                                              "es\x93");
        QTest::newRow("no-break space") << QStringLiteral("s\u00A0o") << QByteArray("s\xA0o");
    }
    void slovakAndGermanLettersAreSingleBytes() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        bool ok = false;
        QCOMPARE(cp1250::encode(text, &ok), bytes);
        QVERIFY(ok);
        QCOMPARE(cp1250::decode(bytes), text);
    }

    void everyByteSurvivesARoundTrip() {
        for (int b = 0; b < 256; ++b) {
            const QByteArray one(1, static_cast<char>(b));
            const QString decoded = cp1250::decode(one);
            if (decoded == QString(QChar::ReplacementCharacter))
                continue; // the five bytes the code page leaves unused
            QCOMPARE(cp1250::encode(decoded), one);
        }
    }

    void charactersOutsideTheCodePageAreReportedNotHidden() {
        bool ok = true;
        const QByteArray bytes = cp1250::encode(QStringLiteral("Ωmega"), &ok);
        QVERIFY(!ok);
        QCOMPARE(bytes, QByteArray("?mega"));
        QVERIFY(!cp1250::canEncode(QStringLiteral("日本")));
        QVERIFY(cp1250::canEncode(QStringLiteral("Ťažký úloha")));
    }

    void scramblingTwiceGivesTheSameBytes() {
        QByteArray bytes;
        for (int b = 0; b < 256; ++b)
            bytes += static_cast<char>(b);
        QByteArray copy = bytes;
        ScrambleStream(copy);
        QCOMPARE(copy[0], char(0x3B));
        QCOMPARE(copy[0x3B], char(0));
        QVERIFY(copy != bytes);
        ScrambleStream(copy);
        QCOMPARE(copy, bytes);
        QByteArray empty;
        ScrambleStream(empty);
        QVERIFY(empty.isEmpty());
    }

    void linesEndAtCrLfLoneCrOrLoneLf_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("no final end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("lone cr and lf") << QByteArray("a\rb\nc") << QStringList{"a", "b", "c"};
        QTest::newRow("lf cr is two ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("empty lines kept")
            << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
        QTest::newRow("nul ends the text")
            << QByteArray("a\r\nb\0c\r\nd", 10) << QStringList{"a", "b"};
        QTest::newRow("zero bytes") << QByteArray() << QStringList{};
        QTest::newRow("spaces kept") << QByteArray("  x |y  \r\n") << QStringList{"  x |y  "};
    }
    void linesEndAtCrLfLoneCrOrLoneLf() {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, lines);
        QCOMPARE(splitLines(text), lines);
    }

    void joinedLinesAllEndInCrLf() {
        QCOMPARE(joinLines({"a", "", "ü"}), QByteArray("a\r\n\r\n\xFC\r\n"));
        QCOMPARE(joinLines({}), QByteArray());
        bool ok = true;
        joinLines({"ok", "Ω"}, &ok);
        QVERIFY(!ok);
    }
};

QTEST_GUILESS_MAIN(TestCodepage)
#include "test_codepage.moc"
