// The worksheets as a reader gets them: every sheet is written to PDF and read
// back with pdftotext (poppler-utils), so the checks see what is on the paper,
// not what the drawing code meant to put there.

#include "printing/pdf_output.h"
#include "printing/registry.h"
#include "screens/game_catalogue.h"
#include "store/app_error.h"
#include "store/data_files.h"
#include "store/section_reader.h"

#include <QLibrary>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace vz;
using namespace vz::printing;

namespace {

const QString kStage = QStringLiteral(VZ_STAGE_DIR);

struct Word {
    int page;
    QRectF box;
    QString text;
};

struct PdfText {
    QSizeF pageSize;
    int pages = 0;
    QVector<Word> words; // line by line, left to right
};

PdfText readPdf(const QString& pdf) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        qFatal("pdftotext failed");
    const QString html = QString::fromUtf8(tool.readAllStandardOutput());
    PdfText text;
    static const QRegularExpression tag(
        QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">|<word xMin=\"([\\d.]+)\" "
                       "yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">(.*?)</word>"));
    for (const auto& m : tag.globalMatch(html)) {
        if (!m.captured(1).isEmpty()) {
            text.pageSize = {m.captured(1).toDouble(), m.captured(2).toDouble()};
            ++text.pages;
            continue;
        }
        QString word = m.captured(7).normalized(QString::NormalizationForm_KC);
        word.replace("&amp;", "&")
            .replace("&lt;", "<")
            .replace("&gt;", ">")
            .replace("&quot;", "\"")
            .replace("&apos;", "'");
        text.words << Word{text.pages,
                           QRectF(QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()),
                                  QPointF(m.captured(5).toDouble(), m.captured(6).toDouble())),
                           word};
    }
    std::stable_sort(text.words.begin(), text.words.end(), [](const Word& a, const Word& b) {
        if (a.page != b.page)
            return a.page < b.page;
        if (qAbs(a.box.top() - b.box.top()) > 2)
            return a.box.top() < b.box.top();
        return a.box.left() < b.box.left();
    });
    return text;
}

double mmToPt(double mm) {
    return mm * 72 / 25.4;
}

// The numbered items of the sheet and of the key, as read from the paper: an
// item starts with "N." at the left margin followed by its indented text.
struct ReadItems {
    QStringList sheet, key;
    int keyPage = 0;
    bool inOrder = true;      // numbered 1, 2, 3 … on the sheet and in the key
    QVector<int> pageNumbers; // "Strana N" read at the foot of each page
};

ReadItems readItems(const PdfText& pdf) {
    ReadItems items;
    const double left = mmToPt(kPageMarginsMm.left());
    static const QRegularExpression number(QStringLiteral("^\\d+\\.$"));
    QStringList* part = &items.sheet;
    QString* current = nullptr;
    for (int i = 0; i < pdf.words.size(); ++i) {
        const Word& w = pdf.words[i];
        const bool bodySize = w.box.height() < 14; // not a heading
        const bool startsItem = number.match(w.text).hasMatch() && w.box.left() < left + 3 &&
                                bodySize && i + 1 < pdf.words.size() &&
                                pdf.words[i + 1].box.left() > left + 18;
        // The page number at the foot, below everything else: no part of an item.
        const bool atFoot = w.box.top() > pdf.pageSize.height() * 0.9 &&
                            w.text == QStringLiteral("Strana") && i + 1 < pdf.words.size() &&
                            pdf.words[i + 1].page == w.page &&
                            qAbs(pdf.words[i + 1].box.top() - w.box.top()) < 2;
        if (atFoot) {
            items.pageNumbers << pdf.words[++i].text.toInt();
            continue;
        }
        if (w.text == QStringLiteral("Riešenie") && w.box.left() < left + 3) {
            part = &items.key;
            items.keyPage = w.page;
            current = nullptr;
        } else if (startsItem) {
            items.inOrder &= w.text == QString::number(part->size() + 1) + '.';
            *part << QString();
            current = &part->last();
        } else if (current) {
            *current += (current->isEmpty() ? "" : " ") + w.text;
        }
    }
    return items;
}

QString simplified(const QString& text) {
    return text.simplified();
}

// The solved line as the content says it, independent of the builders.
bool keyAgreesWithContent(const QString& code, const QStringList& data, const QString& key,
                          const QString& answer) {
    if (code == QLatin1String("7e")) {
        return data.contains(key.section(" = ", 0, 0) + " | " + answer) &&
               key.endsWith(" = " + answer);
    }
    // The sorting games: the answer names the column section that holds the
    // word; the key is the word solved as each game prints it.
    using Solve = QString (*)(const QString& line, const QString& answer);
    static const QHash<QString, Solve> sorted{
        {"3a", [](const QString& noun, const QString& article) { return article + ' ' + noun; }},
        {"7a", [](const QString& phrase,
                  const QString& negation) { return QString(phrase).replace("...", negation); }},
        {"4d",
         [](const QString& phrase, const QString& question) { return phrase + " – " + question; }}};
    if (sorted.contains(code)) {
        for (const QString& line : readSection(data, "[" + code + "-" + answer + "]"))
            if (sorted[code](line, answer) == key)
                return true;
        return false;
    }
    if (code == QLatin1String("1d") || code == QLatin1String("3d")) { // "der Hund|Hunde"
        const QString shown = key.section(" – ", 0, 0);
        const QString form = code == QLatin1String("3d") ? answer.mid(4) : answer;
        return key == shown + " – " + answer &&
               readSection(data, "[" + code + "]").contains(shown + '|' + form) &&
               (code != QLatin1String("3d") || answer.startsWith("die "));
    }
    if (code == QLatin1String("2c")) { // "@2 Wen|besuchst du morgen?"
        for (const QString& line : readSection(data, "[2c]"))
            if (line.startsWith('@') && line.mid(3).section('|', 0, 0) == answer &&
                QString(line.mid(3)).replace('|', ' ') == key)
                return true;
        return false;
    }
    // The verb sheets: a sentence solved is its parts joined by spaces, a
    // punctuation mark glued to the word before it.
    const auto solved = [](QStringList parts) {
        parts.removeAll(QString());
        return parts.join(' ').replace(QRegularExpression(" ([.,!?;:])"), "\\1");
    };
    if (code == QLatin1String("1b")) { // "Wir|jetzt Englisch." + "lernen|lernen"
        const QStringList section = readSection(data, "[1b]");
        for (int i = 0; i + 1 < section.size(); i += 2)
            if (section[i + 1].section('|', 1).trimmed() == answer &&
                solved({section[i].section('|', 0, 0).trimmed(), answer,
                        section[i].section('|', 1).trimmed()}) == key)
                return true;
        return false;
    }
    if (code == QLatin1String("1c")) { // "Intro.$Er|noch nicht lesen.#note" + "können|kann"
        const QStringList section = readSection(data, "[1c]");
        for (int i = 0; i + 1 < section.size(); i += 2) {
            const QString line = section[i].section('#', 0, 0);
            const QString intro = line.contains('$') ? line.section('$', 0, 0).trimmed() : "";
            const QStringList sentence = line.section('$', -1).split('|');
            const QString form = answer.contains('/') ? '[' + answer + ']' : answer;
            if (section[i + 1].section('|', 1).trimmed().compare(answer, Qt::CaseInsensitive) ==
                    0 &&
                solved({intro, sentence[0].trimmed(), form, sentence.value(1).trimmed()}) == key)
                return sentence[0].trimmed().isEmpty() == answer[0].isUpper();
        }
        return false;
    }
    if (code == QLatin1String("1e")) { // "-|$ soll …" + "$,|auf, …!" + "steh/stehe"
        QString names[2];
        for (const int kind : {0, 1}) {
            QStringList list = readSection(data, kind ? "[1e-%]" : "[1e-$]");
            for (QString& name : list)
                name = QRegularExpression::escape(name.mid(2));
            names[kind] = "(?:" + list.join('|') + ')';
        }
        const QStringList section = readSection(data, "[1e]");
        for (int i = 0; i + 2 < section.size(); i += 3) {
            const QStringList sentence = section[i + 1].split('|');
            const QString form = answer.contains('/') ? '[' + answer + ']' : answer;
            const QString pattern =
                QRegularExpression::escape(
                    solved({section[i].section('|', 1).trimmed(), sentence[0].trimmed(), form,
                            sentence.value(1).trimmed()}))
                    .replace("\\$", names[0])
                    .replace("\\%", names[1]);
            if (section[i + 2].trimmed() == answer &&
                QRegularExpression('^' + pattern + '$').match(key).hasMatch())
                return true;
        }
        return false;
    }
    if (code == QLatin1String("1f")) { // "Ich|jeden Tag|." + "auf$stehe|stehe|auf"
        const QStringList section = readSection(data, "[1f]");
        for (int i = 0; i + 1 < section.size(); i += 2) {
            const QStringList sentence = section[i].split('|');
            QStringList held = section[i + 1].split('|').mid(1);
            for (QString& slot : held)
                slot = slot.trimmed() == "-" ? QString() : slot.trimmed();
            if (answer == (held[0].isEmpty() ? "–" : held[0]) + " … " +
                              (held[1].isEmpty() ? "–" : held[1]) &&
                solved({sentence[0].trimmed(), held[0], sentence[1].trimmed(), held[1],
                        sentence[2].trimmed()}) == key)
                return true;
        }
        return false;
    }
    if (code == QLatin1String("7c")) { // "groß|klein"; key "groß – dick: nie, klein"
        const QString word = key.section(" – ", 0, 0);
        const QString shown = key.section(" – ", 1).section(": ", 0, 0);
        const bool pair = answer == QStringLiteral("áno");
        const QString antonym = pair ? shown : answer.section("nie, ", 1);
        const QStringList section = readSection(data, "[7c]");
        return key == word + " – " + shown + ": " + answer && !antonym.isEmpty() &&
               section.contains(word + '|' + antonym) &&
               (pair || !antonym.split('/').contains(shown));
    }
    if (QStringList{"2a", "2b", "3b", "4a", "4b", "5a", "5b"}.contains(code)) {
        // A sentence line "before|after" (or "before|middle|after") solved.
        const auto filled = [](const QString& sentence, const QStringList& answers) {
            const QStringList pieces = sentence.split('|');
            QString text = pieces[0].trimmed();
            for (int k = 0; k < answers.size(); ++k) {
                const QString next = pieces.value(k + 1).trimmed();
                text += (text.isEmpty() ? "" : " ") + answers[k];
                if (!next.isEmpty())
                    text += (QStringLiteral(".,!?").contains(next[0]) ? "" : " ") + next;
            }
            return text;
        };
        const QStringList records = readSection(data, "[" + code + "]");
        if (code == QLatin1String("2a") || code == QLatin1String("4b")) { // "1 a <wrong> one|right"
            for (const QString& line : records) {
                const QString text = line.mid(2).section('|', 0, 0).trimmed();
                const QString wrong = text.section('<', 1).section('>', 0, 0);
                const QString right = line.section('|', 1).trimmed();
                const bool error = line.startsWith('1');
                if (key == (error ? QString(text).replace('<' + wrong + '>', right) + " (" + wrong +
                                        " → " + right + ')'
                                  : text + " (bez chyby)"))
                    return answer == (error ? "áno, " + right : QString("nie"));
            }
            return false;
        }
        if (code == QLatin1String("5a")) { // "Ich|wohne|&heute|hier|."
            for (const QString& line : records) {
                QString sentence;
                for (const QString& word : QString(line).remove('&').trimmed().split('|'))
                    sentence += (QStringLiteral(".,!?").contains(word[0]) ? "" : " ") + word;
                sentence = sentence.trimmed();
                if (key == sentence && answer == sentence)
                    return true;
            }
            return false;
        }
        static const QHash<QString, int> recordLines{{"2b", 3}, {"3b", 6}, {"4a", 3}, {"5b", 4}};
        const int size = recordLines.value(code);
        for (int i = 0; i + size <= records.size(); i += size) {
            const QStringList r = records.mid(i, size);
            if (code == QLatin1String("2b")) { // context, "before|after", "stem|ending" ("-": none)
                const QString pronoun = QString(r[2]).remove(' ').remove("|-").remove('|');
                if (answer == pronoun && key == r[0].trimmed() + ' ' + filled(r[1], {pronoun}))
                    return true;
            } else if (code == QLatin1String("3b")) { // "before|after", five "right|wrong"
                for (const QString& pair : r.mid(1))
                    if (answer == pair.section('|', 0, 0).trimmed() &&
                        key == filled(r[0], {answer}))
                        return true;
            } else if (code == QLatin1String("4a")) { // model question, sentence, "first,second"
                QStringList answers = r[2].split(',');
                for (QString& a : answers)
                    a = a.trimmed();
                if (answer == answers.join(", ") &&
                    key == r[0].trimmed() + " – " + filled(r[1], answers))
                    return true;
            } else { // 5b: question, the suitable reply, two others
                if (QStringList{"a", "b", "c"}.contains(answer) &&
                    key == r[0].trimmed() + " – " + answer + ") " + r[1].trimmed())
                    return true;
            }
        }
        return false;
    }
    if (code == QLatin1String("6a")) // "dreiundzwanzig|23"
        return readSection(data, "[6a]").contains(QString(key).replace(" – ", "|")) &&
               key.endsWith(" – " + answer);
    if (code == QLatin1String("6c")) { // "8.15|acht Uhr fünfzehn|zwanzig Uhr fünfzehn"
        for (const QString& line : readSection(data, "[6c]")) {
            const QStringList wordings = line.section('|', 1).split('|');
            if (key == line.section('|', 0, 0).replace('.', ':') + " – " + wordings.join(" / ") &&
                wordings.contains(answer))
                return true;
        }
        return false;
    }
    if (code == QLatin1String("6d")) { // "zwanzig nach eins|zehn vor halb zwei", key "1:20 – …"
        static const QRegularExpression time("^(1[0-2]|[1-9]):[0-5]\\d – ");
        const QStringList section = readSection(data, "[6d]");
        const bool listed = std::any_of(section.begin(), section.end(), [&](const QString& line) {
            return line.split('|').contains(answer);
        });
        return listed && time.match(key).hasMatch() && key.section(" – ", 1) == answer;
    }
    if (code == QLatin1String("7b")) { // the group "odd|w2|w3|w4"
        for (const QString& line : readSection(data, "[7b]"))
            if (!line.startsWith('@') && line.section('|', 0, 0) == answer)
                return key == "Do radu nepatrí: '" + answer + "'";
        return false;
    }
    if (code == QLatin1String("7d")) { // the words of the row, each in the answer's section
        const QStringList group = readSection(data, "[7d-" + answer + "]");
        const QStringList words = key.section(" – ", 0, 0).split(", ");
        return key.endsWith(" – " + answer) && words.size() == 3 &&
               std::all_of(words.begin(), words.end(),
                           [&](const QString& word) { return group.contains(word); });
    }
    const QStringList section = readSection(data, "[" + code + "]");
    for (int i = 0; i + 1 < section.size(); i += 2) {
        const QStringList parts = section[i].split('|');
        if (section[i + 1].section('|', 0, 0).trimmed() != answer || parts.size() != 2)
            continue;
        const QString after = parts[1].trimmed();
        const bool glued = !after.isEmpty() && QStringLiteral(".,!?;:").contains(after[0]);
        if ((parts[0].trimmed() + ' ' + answer + (glued ? "" : " ") + after).trimmed() == key)
            return true;
    }
    return false;
}

} // namespace

class TestWorksheets : public QObject {
    Q_OBJECT

    QStringList data;
    QTemporaryDir temp;

private slots:
    void initTestCase() {
        data = loadScrambledLines(kStage + "/data/data.dat");
        QVERIFY(!QStandardPaths::findExecutable("pdftotext").isEmpty());
    }

    void sheetOnPaper_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("name");
        const QString longName = QString(255, QChar(0x010D)); // 255 bytes in Windows-1250
        for (const SheetEntry& entry : sheetEntries()) {
            const QString code = entry.code();
            QTest::addRow("%s-10", qPrintable(code)) << code << 10 << "Jana Nováková";
            QTest::addRow("%s-30-long-name", qPrintable(code)) << code << 30 << longName;
        }
    }

    void sheetOnPaper() {
        QFETCH(QString, code);
        QFETCH(int, count);
        QFETCH(QString, name);
        const Worksheet sheet = makeWorksheet(code, count, data);
        const QString pdf = temp.filePath(code + ".pdf");
        writeWorksheetPdf(sheet, {name, QDate(2025, 3, 14)}, pdf);
        const PdfText text = readPdf(pdf);

        const ReadItems items = readItems(text);
        QVERIFY(items.inOrder);
        QCOMPARE(items.sheet.size(), count);
        QCOMPARE(items.key.size(), count);
        QVERIFY(items.keyPage > 1); // the key on a page of its own
        QCOMPARE(items.pageNumbers.size(), text.pages);
        for (int page = 1; page <= text.pages; ++page)
            QCOMPARE(items.pageNumbers[page - 1], page);
        for (int i = 0; i < count; ++i) {
            const WorksheetItem& item = sheet.items[i];
            QCOMPARE(items.sheet[i], simplified(printedTask(item)));
            // The sheet does not give the answer away: unless it lists choices, the answer
            // shows on it fewer times than in the solved line ("am" may be in "Samstag").
            QVERIFY2(!items.sheet[i].contains(item.answer) ||
                         items.sheet[i].count(item.answer) < items.key[i].count(item.answer) ||
                         !item.choices.isEmpty(),
                     qPrintable(items.sheet[i]));
            bool agrees = false;
            try { // an answer naming no section of the content fails this row only
                agrees = keyAgreesWithContent(code, data, items.key[i], item.answer);
            } catch (const AppError&) {
            }
            QVERIFY2(agrees, qPrintable(items.key[i]));
        }
        const QRectF printable(
            mmToPt(kPageMarginsMm.left()), mmToPt(kPageMarginsMm.top()),
            text.pageSize.width() - mmToPt(kPageMarginsMm.left() + kPageMarginsMm.right()),
            text.pageSize.height() - mmToPt(kPageMarginsMm.top() + kPageMarginsMm.bottom()));
        for (const Word& w : text.words)
            QVERIFY2(printable.adjusted(-0.5, -0.5, 0.5, 0.5).contains(w.box),
                     qPrintable(QString("%1 on page %2").arg(w.text).arg(w.page)));
    }

    void tooLittleContentIsRefused() {
        for (const SheetEntry& entry : sheetEntries()) {
            if (!entry.topics)
                QVERIFY_THROWS_EXCEPTION(WorksheetError, makeWorksheet(entry.code(), 255, data));
        }
        const QStringList oneTopic{slovicka_firstTopic()};
        try {
            makeWorksheet("7e", 30, data, oneTopic);
            QFAIL("one topic filled thirty rows");
        } catch (const WorksheetError& error) {
            QVERIFY(error.message().contains("viac tém"));
        }
    }

    // The library offers exactly one entry point per worksheet, named by the
    // game's place in the menu, and none for a game that is never printed.
    void exportedEntryPoints() {
        QProcess nm;
        nm.start("nm", {"-D", "--defined-only", kStage + "/res/libRavad.so"});
        QVERIFY(nm.waitForFinished());
        QStringList exported;
        for (const QString& line :
             QString(nm.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts))
            exported << line.section(' ', 2);
        QStringList expected;
        for (const SheetEntry& entry : sheetEntries()) {
            expected << entry.entryPoint();
            const GameInfo* game = findGame(entry.gameNumber);
            QVERIFY(game && (game->printable || entry.topics));
        }
        exported.sort();
        expected.sort();
        QCOMPARE(exported, expected);
    }

    // The real library in this process: each entry point opens its preview
    // and returns once it is closed, a 255-byte name included.
    void entryPointsOpenThePreview() {
        qputenv("VEVIDER_INI_DIR", kStage.toUtf8());
        QLibrary library(kStage + "/res/Ravad");
        QVERIFY(library.load());
        unsigned char name[256];
        name[0] = 255;
        std::fill(name + 1, name + 256, 0xE8); // "č"
        unsigned char topics[30] = {1, 0, 1};
        for (const SheetEntry& entry : sheetEntries()) {
            QString seen;
            QTimer::singleShot(0, this, [&] { closePreview(seen); });
            const QFunctionPointer address = library.resolve(qPrintable(entry.entryPoint()));
            QVERIFY(address);
            if (entry.topics)
                reinterpret_cast<void (*)(const unsigned char*, unsigned char, unsigned char,
                                          const unsigned char*)>(address)(name, 29, 20, topics);
            else
                reinterpret_cast<void (*)(const unsigned char*, unsigned char, unsigned char)>(
                    address)(name, entry.gameNumber, 10);
            QCOMPARE(seen, QString("QPrintPreviewDialog"));
        }
        // No topic ticked, or more words than the topics hold: a message, no preview.
        using VocabularyPrint =
            void (*)(const unsigned char*, unsigned char, unsigned char, const unsigned char*);
        const auto vocabulary = reinterpret_cast<VocabularyPrint>(library.resolve("Slovicka"));
        for (const int first : {0, 1}) {
            const unsigned char few[30] = {static_cast<unsigned char>(first)};
            QString seen;
            QTimer::singleShot(0, this, [&] { closePreview(seen); });
            vocabulary(name, 29, 255, few);
            QVERIFY2(seen.startsWith("QMessageBox: "), qPrintable(seen));
        }
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        const QString out = temp.filePath("cli.pdf");
        QTest::newRow("good") << QStringList{"--worksheet", "4c",  "--count",  "15",
                                             "--name",      "Ťuk", "--output", out}
                              << 0;
        QTest::newRow("name of 255")
            << QStringList{"--worksheet",     "1a",       "--count", "10", "--name",
                           QString(255, 'x'), "--output", out}
            << 0;
        QTest::newRow("name of 256")
            << QStringList{"--worksheet",     "1a",       "--count", "10", "--name",
                           QString(256, 'x'), "--output", out}
            << 2;
        QTest::newRow("unknown game")
            << QStringList{"--worksheet", "9z", "--count", "10", "--output", out} << 2;
        QTest::newRow("never printed")
            << QStringList{"--worksheet", "5c", "--count", "10", "--output", out} << 2;
        QTest::newRow("count zero")
            << QStringList{"--worksheet", "1a", "--count", "0", "--output", out} << 2;
        QTest::newRow("count word")
            << QStringList{"--worksheet", "1a", "--count", "ten", "--output", out} << 2;
        QTest::newRow("no output") << QStringList{"--worksheet", "1a", "--count", "10"} << 2;
        QTest::newRow("no value") << QStringList{"--worksheet", "1a", "--count"} << 2;
        QTest::newRow("more than content")
            << QStringList{"--worksheet", "3c", "--count", "250", "--output", out} << 1;
        QTest::newRow("unwritable")
            << QStringList{"--worksheet", "1a", "--count", "10", "--output", "/proc/vz/sheet.pdf"}
            << 1;
    }

    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFile::remove(temp.filePath("cli.pdf"));
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY"); // no window, no display needed
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        program.setProcessEnvironment(env);
        program.start(kStage + "/vevider", arguments);
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        const QString errors = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(errors.contains("vevider: "), status != 0);
        QCOMPARE(QFile::exists(temp.filePath("cli.pdf")), status == 0);
        if (status == 0)
            QCOMPARE(readItems(readPdf(temp.filePath("cli.pdf"))).key.size(), arguments[3].toInt());
    }

private:
    QString slovicka_firstTopic() const { return readSection(data, "[7e]").value(0).trimmed(); }

    // Closes whatever the library shows, noting what it was.
    void closePreview(QString& seen) {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) {
            QTimer::singleShot(20, this, [&] { closePreview(seen); });
            return;
        }
        seen = dialog->metaObject()->className();
        if (seen == QLatin1String("QMessageBox"))
            seen += ": " + static_cast<QMessageBox*>(dialog)->text();
        dialog->close();
    }
};

QTEST_MAIN(TestWorksheets)
#include "test_worksheets.moc"
