// The worksheets as a reader gets them: every sheet is written to PDF and read
// back with pdftotext (poppler-utils), so the checks see what is on the paper,
// not what the drawing code meant to put there.

#include "printing/pdf_output.h"
#include "printing/registry.h"
#include "screens/game_catalogue.h"
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
            .replace("&quot;", "\"");
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
    bool inOrder = true; // numbered 1, 2, 3 … on the sheet and in the key
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
        for (int i = 0; i < count; ++i) {
            const WorksheetItem& item = sheet.items[i];
            QCOMPARE(items.sheet[i], simplified(printedTask(item)));
            QVERIFY2(!items.sheet[i].contains(item.answer) || !item.choices.isEmpty(),
                     qPrintable(items.sheet[i])); // the sheet does not give the answer away
            QVERIFY2(keyAgreesWithContent(code, data, items.key[i], item.answer),
                     qPrintable(items.key[i]));
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
