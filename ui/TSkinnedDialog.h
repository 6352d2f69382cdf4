// Common body of the two skinned modal boxes: a plain cream surface in a 1-pixel frame, the
// message label and two large buttons, at the size of the main window's screen layout; it
// raises itself and puts the pointer on its second button when it becomes active.
#pragma once

#include <QDialog>

class QLabel;

namespace sudoku {

class TBaseBtn;

class TSkinnedDialog : public QDialog {
    Q_OBJECT
public:
    // MessageHeight is the height of MsgLbl (55 with an edit field, 90 without); layout is the
    // screen layout the box is sized for.
    TSkinnedDialog(QWidget* owner, int messageHeight, int layout);

    // Translates the box's own texts (its section of the language file), then shows the text
    // and the two captions; a button with an empty caption is hidden.
    void SetTexts(const QString& text, const QString& firstCaption, const QString& secondCaption);
    int Layout() const { return ScreenLayout; }

    QWidget* Background = nullptr;
    QLabel* MsgLbl = nullptr;
    TBaseBtn* OkBtn = nullptr;
    TBaseBtn* CancelBtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int ScreenLayout;
};

} // namespace sudoku
