// A pie gauge: a disc filled clockwise from the top in proportion to its position; the clock
// animates it while the engine works.
#pragma once

#include <QWidget>

namespace sudoku {

class TPieGauge : public QWidget {
    Q_OBJECT
public:
    explicit TPieGauge(QWidget* parent = nullptr);

    int MaxValue() const { return Max; }
    void SetMaxValue(int value);
    int Progress() const { return Position; }
    void SetProgress(int value); // kept within 0..MaxValue

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int Max = 60;
    int Position = 0;
};

} // namespace sudoku
