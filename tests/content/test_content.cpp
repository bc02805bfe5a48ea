// The German content as built into data.dat: every game's section parses and
// holds enough examples for the largest count its set-up page offers.

#include "drills/verbs/vyber_rules.h"
#include "screens/game_catalogue.h"
#include "store/data_files.h"
#include "store/section_reader.h"

#include <QSet>
#include <QTest>

using namespace vz;

class TestContent : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { data = loadScrambledLines(QStringLiteral(VZ_DATA_DIR "/data.dat")); }

    void chooseTheFormSectionsAreSound_data() {
        QTest::addColumn<QString>("code");
        for (const GameInfo& game : GameCatalogue()) {
            if (game.form == QLatin1String("TwndVyber"))
                QTest::newRow(qPrintable(game.code())) << game.code();
        }
    }
    void chooseTheFormSectionsAreSound() {
        QFETCH(QString, code);
        const QStringList body = readSection(data, "[" + code + "]");
        QCOMPARE(body.size() % 2, 0);
        QSet<QString> sentences;
        int examples = 0;
        for (int i = 0; i + 1 < body.size(); i += 2) {
            const QString where =
                QStringLiteral("[%1] line %2: %3").arg(code).arg(i + 1).arg(body[i]);
            QVERIFY2(!body[i].startsWith('#') && !body[i].startsWith('['), qPrintable(where));
            QVERIFY2(body[i].count('|') == 1, qPrintable(where));
            QVERIFY2(body[i + 1].count('|') == 2, qPrintable(where));
            const VyberRow row = vyber::parseExample(body[i], body[i + 1]);
            QVERIFY2(!row.before.isEmpty() || !row.after.isEmpty(), qPrintable(where));
            QSet<QString> forms;
            for (const QString& form : row.offered) {
                QVERIFY2(!form.isEmpty(), qPrintable(where));
                forms << form;
            }
            QVERIFY2(forms.size() == 3, qPrintable(where)); // exactly one form can be right
            QVERIFY2(!sentences.contains(body[i]), qPrintable("repeated: " + where));
            sentences << body[i];
            ++examples;
        }
        // The largest count offered (30), with room so that pages stay varied.
        QVERIFY2(examples >= 60, qPrintable(QString::number(examples)));
    }

private:
    QStringList data;
};

QTEST_GUILESS_MAIN(TestContent)
#include "test_content.moc"
