// The about window: the about picture centred in a 1-pixel frame, the maker's button, a Close
// button and an "x", at the size of the main window's screen layout. It closes when it loses
// activation, on Enter or Escape, and on its buttons; the farewell at quitting shows it for
// two seconds without the buttons. Showing it translates its texts.
#pragma once

#include <QWidget>

namespace sudoku {

class TBaseBtn;
class TBkControl;

class TAboutBox : public QWidget {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr, int layout = 0);
    // Sizes the window, its picture and its buttons for another screen layout.
    void SetLayout(int layout);

    TBkControl* AboutboxImg = nullptr;
    TBaseBtn* MarlbrookSBtn = nullptr;
    TBaseBtn* CloseBtn = nullptr;
    TBaseBtn* HideBtn = nullptr;

signals:
    // The maker's button was pressed: the owner opens the home page and minimises.
    void HomePageRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void ApplyPictures();

    int ScreenLayout = 0;
};

} // namespace sudoku
