#include "table_window.h"

#include "../app/cursors.h"
#include "../app/globals.h"
#include "../app/resources.h"
#include "../controls/fonts.h"
#include "../controls/labels.h"

#include <QDateTime>

namespace vz {
namespace {

struct Column {
    int left;
    int width;
    Qt::Alignment alignment;
};

constexpr std::array<Column, 5> kColumns{{
    {32, 30, Qt::AlignRight},    // rank
    {110, 250, Qt::AlignLeft},   // name
    {390, 40, Qt::AlignHCenter}, // right
    {478, 40, Qt::AlignHCenter}, // wrong
    {558, 40, Qt::AlignHCenter}, // grade
}};

} // namespace

TwndTab::TwndTab(QWidget* stage) : TStageForm(stage) {
    setObjectName(QStringLiteral("wndTab"));
    lbNadpis = new TClickLabel(this, 6, 6, 225, 67);
    lbNadpis->setCursor(programCursor(kHelpCursor));
    backButton = new TBMPLabel(this, resourceFile(QStringLiteral("bmp\\mzpeth.bmp")),
                               resourceFile(QStringLiteral("bmp\\mzpet.bmp")), 546, 5, 91, 75);
    backButton->setObjectName(QStringLiteral("tabBack"));
    connect(backButton, &TXLabel::clicked, this, &TwndTab::back);
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 5; ++column) {
            auto* label = new QLabel(this);
            label->setGeometry(kColumns[column].left, 165 + 30 * row, kColumns[column].width, 20);
            label->setAlignment(kColumns[column].alignment | Qt::AlignVCenter);
            label->setFont(screenFont(16));
            label->setAttribute(Qt::WA_TranslucentBackground);
            labels[row][column] = label;
        }
    }
    bands = LoadGradeScale(DataDir + QStringLiteral("Znamky.dat"));
}

TwndTab::~TwndTab() = default; // the table goes back into TabList with it

void TwndTab::LoadTable() {
    table = std::make_unique<ResultsTable>(TabList, GameNumber);
    table->LoadTable();
}

void TwndTab::RecordResult() {
    table->RecordResult(PupilName, RightCount, WrongCount, bands);
    const TableRow& result = table->current();
    const QStringList record = logRecord(PupilName.trimmed(), GameNumber, result.right,
                                         result.wrong, result.grade, QDateTime::currentDateTime());
    table->SaveTable(); // the result is safe before the log is touched
    table->LoadTable();
    appendToLog(DataDir + QStringLiteral("Vysledky.dat"), record);
}

void TwndTab::FillTable() {
    for (int row = 0; row < 10; ++row) {
        const TableRow& entry = table->row(row);
        const bool filled = !entry.isEmpty();
        labels[row][0]->setText(filled ? QStringLiteral("%1.").arg(row + 1) : QString());
        labels[row][1]->setText(filled ? entry.name : QString());
        labels[row][2]->setText(filled ? QString::number(entry.right) : QString());
        labels[row][3]->setText(filled ? QString::number(entry.wrong) : QString());
        labels[row][4]->setText(filled ? QString::number(entry.grade) : QString());
    }
}

void TwndTab::loadBackground() {
    Background = loadPicture(
        resourceFile(QStringLiteral("bmp\\tab\\0%1%2.bmp").arg(GameGroup).arg(GameLetter)));
    drawIntoBackground(backButton, backButton->LeavePicture);
}

void TwndTab::back() {
    pauseThen(100, [this] {
        hide();
        deleteLater();
    });
}

} // namespace vz
