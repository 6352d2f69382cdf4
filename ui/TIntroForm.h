// The splash window shown for two seconds at start: the intro picture centred on a borderless,
// stay-on-top square.
#pragma once

#include <QWidget>

namespace sudoku {

class TBkControl;

class TIntroForm : public QWidget {
    Q_OBJECT
public:
    explicit TIntroForm(QWidget* parent = nullptr);
    ~TIntroForm() override;

    // Whether a splash window exists at the moment.
    static bool Exists();

    TBkControl* IntroFormImg = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

} // namespace sudoku
