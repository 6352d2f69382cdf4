// Answers the window's questions with the skinned modal boxes and Qt's dialogs, or on standard
// error headless.
#include "TModalDialogAnswerer.h"

#include "TConsoleAnswerer.h"
#include "TEditDlgBox.h"
#include "TFontColourDialog.h"
#include "TMsgDlgBox.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QRegularExpression>

namespace sudoku {

bool TModalDialogAnswerer::Headless() {
    const QString platform = QGuiApplication::platformName();
    return platform == QStringLiteral("offscreen") || platform == QStringLiteral("minimal");
}

bool TModalDialogAnswerer::MsgDlg(const QString& text, const QString& firstCaption,
                                  const QString& secondCaption) {
    if (Headless()) {
        return TConsoleAnswerer().MsgDlg(text, firstCaption, secondCaption);
    }
    return TMsgDlgBox::MsgDlg(text, firstCaption, secondCaption, Owner, Layout());
}

QString TModalDialogAnswerer::EditDlg(const QString& prompt, const QString& firstCaption,
                                      const QString& secondCaption, const QString& text) {
    if (Headless()) {
        return TConsoleAnswerer().EditDlg(prompt, firstCaption, secondCaption, text);
    }
    return TEditDlgBox::EditDlg(prompt, firstCaption, secondCaption, text, Owner, Layout());
}

std::optional<QColor> TModalDialogAnswerer::ColorDlg(const QColor& colour) {
    if (Headless()) {
        return TConsoleAnswerer().ColorDlg(colour);
    }
    const QColor chosen = QColorDialog::getColor(colour, Owner);
    return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
}

std::optional<TFontChoice> TModalDialogAnswerer::FontDlg(const TFontChoice& font) {
    if (Headless()) {
        return TConsoleAnswerer().FontDlg(font);
    }
    QFont initial(font.Name);
    initial.setPointSize(8);
    TFontColourDialog dialog(initial, font.Colour, Owner);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return TFontChoice{dialog.SelectedFont().family(), dialog.SelectedColour()};
}

namespace {

// "rsf" of "Sudoku Atelier File (*.rsf)": the first extension the filter names.
QString FirstSuffix(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([^ )]+)"));
    return pattern.match(filter).captured(1);
}

} // namespace

TFileDialogAnswer TModalDialogAnswerer::FileDlg(const TFileDialogRequest& request) {
    if (Headless()) {
        return TConsoleAnswerer().FileDlg(request);
    }
    QFileDialog dialog(Owner, request.Title, request.Folder);
    dialog.setNameFilters(request.Filters);
    dialog.setAcceptMode(request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.Filters.isEmpty()) {
        dialog.setDefaultSuffix(FirstSuffix(request.Filters.front()));
    }
    // Another file type also gives the proposed name of a save dialog its extension.
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &request](const QString& filter) {
            const QString suffix = FirstSuffix(filter);
            dialog.setDefaultSuffix(suffix);
            const QFileInfo chosen(dialog.selectedFiles().value(0));
            if (request.Save && !chosen.suffix().isEmpty() && !suffix.isEmpty())
                dialog.selectFile(chosen.completeBaseName() + QLatin1Char('.') + suffix);
        });
    if (!request.FileName.isEmpty()) {
        dialog.selectFile(request.FileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    const auto filter = request.Filters.indexOf(dialog.selectedNameFilter());
    return {dialog.selectedFiles().front(), filter < 0 ? 0 : static_cast<int>(filter)};
}

bool TModalDialogAnswerer::PrintDlg(QPrinter& printer) {
    if (Headless()) {
        return TConsoleAnswerer().PrintDlg(printer);
    }
    QPrintDialog dialog(&printer, Owner);
    // One page: no range or copies to collate; a PDF file is offered beside the printers.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace sudoku
