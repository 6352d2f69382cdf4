// A pie gauge: a disc filled clockwise from the top in proportion to its position; the clock
// animates it while the engine works.
#pragma once

#include <QColor>
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
    // Colour of the filled part (black for the clock, red under a time limit).
    QColor Color() const { return Fill; }
    void SetColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int Max = 60;
    int Position = 0;
    QColor Fill{0x2E, 0x5E, 0x7E};
};

} // namespace sudoku
