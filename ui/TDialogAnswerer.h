// Who answers the window's questions, name prompts and colour and font choices: the skinned
// modal boxes and Qt's dialogs in the program, a queue of prepared answers in tests.
#pragma once

#include <QColor>
#include <QString>

#include <optional>

namespace sudoku {

// A font as the font dialog offers it: the name and the colour (the grid keeps no size).
struct TFontChoice {
    QString Name;
    QColor Colour;
};

class TDialogAnswerer {
public:
    virtual ~TDialogAnswerer() = default;
    // Yes/no question; true when the first button was chosen.
    virtual bool MsgDlg(const QString& text, const QString& firstCaption,
                        const QString& secondCaption) = 0;
    // Text entry; the edited text when the first button (or Enter) closed it, else empty.
    virtual QString EditDlg(const QString& prompt, const QString& firstCaption,
                            const QString& secondCaption, const QString& text) = 0;
    // The colour dialog preset with a colour; nothing when cancelled.
    virtual std::optional<QColor> ColorDlg(const QColor& colour) = 0;
    // The font dialog preset with a font name and colour; nothing when cancelled.
    virtual std::optional<TFontChoice> FontDlg(const TFontChoice& font) = 0;
};

} // namespace sudoku
