#pragma once

#include "../store/results.h"
#include "stage_form.h"

#include <QLabel>
#include <array>
#include <memory>

namespace vz {

class TBMPLabel;
class TClickLabel;

// The ten best results of the current game. While the window is open the
// game's table is out of TabList; it goes back when the window is released.
class TwndTab : public TStageForm {
    Q_OBJECT
public:
    explicit TwndTab(QWidget* stage);
    ~TwndTab() override;

    void LoadTable();
    // Grades the current game's counts, sorts them into the table and writes
    // the log record. The table is back in TabList before the log is written.
    void RecordResult();
    void FillTable();
    // The table background of the current game.
    void loadBackground();

    // Waits a moment, then releases the window; a second press does nothing.
    void back();

    // Labels of row r (0 ... 9): rank, name, right, wrong, grade.
    QLabel* cell(int row, int column) const { return labels[row][column]; }
    TBMPLabel* backButton;
    TClickLabel* lbNadpis;

private:
    std::unique_ptr<ResultsTable> table;
    QVector<GradeBand> bands;
    std::array<std::array<QLabel*, 5>, 10> labels{};
};

} // namespace vz
