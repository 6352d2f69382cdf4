// Who answers the window's questions, name prompts, colour and font choices, file dialogs and
// print set-up: the skinned modal boxes and Qt's dialogs in the program, prepared answers in
// tests.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;

namespace sudoku {

// A font as the font dialog offers it: the name and the colour (the grid keeps no size).
struct TFontChoice {
    QString Name;
    QColor Colour;
};

// A file to open (it must exist) or to save to (an existing file is overwritten only after the
// dialog's own question). Filters are "Description (*.ext ...)" texts, the first one selected;
// a file name typed without extension gets the first extension of the filter in force.
struct TFileDialogRequest {
    bool Save = false;
    QString Title{};
    QString Folder{};
    QString FileName{};
    QStringList Filters{};
};

// The chosen file with its full path, empty when the dialog was cancelled, and the index of
// the filter it was chosen under.
struct TFileDialogAnswer {
    QString FileName{};
    int Filter = 0;
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
    // Open and save dialogs.
    virtual TFileDialogAnswer FileDlg(const TFileDialogRequest& request) = 0;
    // Print set-up of an installed printer, with a PDF file offered beside the printers; true
    // when confirmed, with the printer set as chosen.
    virtual bool PrintDlg(QPrinter& printer) = 0;
};

} // namespace sudoku
