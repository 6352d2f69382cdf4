// The "Options" page of the notebook.
#include "TOptionsSheet.h"

#include "TBaseBtn.h"
#include "TDisplaySets.h"
#include "TFormBuilder.h"
#include "TPageLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTimeEdit>

namespace sudoku {

namespace {

// A colour sample: the sample text on the colour, framed.
void ColourSample(QLabel* sample, const QColor& colour) {
    sample->setFrameShape(QFrame::Box);
    sample->setAlignment(Qt::AlignCenter);
    sample->setAutoFillBackground(true);
    QPalette palette = sample->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    sample->setPalette(palette);
}

} // namespace

TOptionsSheet::TOptionsSheet(QWidget* parent, int layout) : QWidget(parent) {
    setObjectName(QString::fromLatin1(PageName));
    setWindowTitle(QString::fromLatin1(PageName));
    using K = TFormBuilder::TButtonKind;
    const TFormBuilder form(this, layout);
    const QString sampleText = QStringLiteral("ABC abc 1 2 3");

    OptionsHeaderLbl = form.Label(QStringLiteral("OptionsHeaderLbl"), 810,
                                  QStringLiteral("Options"), TPageLayout::Header(), 13, true);

    // Left column: the colours, the font and the display set; each group a caption above its
    // sample and its "Select..." button.
    const auto groupCaption = [&](const char* name, int tag, const char* caption, int y,
                                  int x = 0) {
        return form.Label(QString::fromLatin1(name), tag, QString::fromLatin1(caption),
                          QRect(x, y, 190, 14), 8, true);
    };
    const auto sample = [&](const char* name, int y) {
        return form.Label(QString::fromLatin1(name), 0, sampleText, QRect(0, y, 100, 18), 8);
    };
    const auto select = [&](const char* name, int tag, int y) {
        return form.Button(QString::fromLatin1(name), tag, QStringLiteral("Select..."), QString(),
                           QRect(106, y + 1, 85, 15), K::Small);
    };
    OptionsBackgroundColorLbl =
        groupCaption("OptionsBackgroundColorLbl", 820, "Background Color", 28);
    OptionsBackgroundColor = sample("OptionsBackgroundColor", 43);
    OptionsBackgroundColorBtn = select("OptionsBackgroundColorBtn", 821, 43);
    OptionsContrastColorLbl = groupCaption("OptionsContrastColorLbl", 830, "Contrast Color", 68);
    OptionsContrastColor = sample("OptionsContrastColor", 83);
    OptionsContrastColorBtn = select("OptionsContrastColorBtn", 831, 83);
    OptionsContrastPuzzleChkBox =
        form.CheckBox(QStringLiteral("OptionsContrastPuzzleChkBox"), 832,
                      QStringLiteral("Contrast Puzzle"), QRect(0, 103, 190, 16));
    OptionsRulerColorLbl = groupCaption("OptionsRulerColorLbl", 840, "Ruler Color", 126);
    OptionsRulerColor = sample("OptionsRulerColor", 141);
    OptionsRulerColorBtn = select("OptionsRulerColorBtn", 841, 141);
    OptionsShowRulerChkBox = form.CheckBox(QStringLiteral("OptionsShowRulerChkBox"), 842,
                                           QStringLiteral("Ruler Visible"), QRect(0, 161, 190, 16));
    OptionsFontLbl = groupCaption("OptionsFontLbl", 850, "Font", 184);
    OptionsFont = form.Label(QStringLiteral("OptionsFont"), 0, QStringLiteral("Verdana"),
                             QRect(0, 199, 100, 18), 8);
    OptionsFont->setFrameShape(QFrame::Box);
    OptionsFont->setAlignment(Qt::AlignCenter);
    OptionsFontBtn = select("OptionsFontBtn", 851, 199);
    OptionsDisplaySetLbl = groupCaption("OptionsDisplaySetLbl", 855, "Display Set", 224);
    OptionsDisplaySetList = form.ComboBox(QStringLiteral("OptionsDisplaySetList"), 0,
                                          TDisplaySets::BuiltInNames, QRect(0, 239, 191, 20));
    OptionsShowProgramShortcutOnDesktopChkBox =
        form.CheckBox(QStringLiteral("OptionsShowProgramShortcutOnDesktopChkBox"), 870,
                      QStringLiteral("Show Shortcut On Desktop"), QRect(0, 268, 200, 16));

    ColourSample(OptionsBackgroundColor, QColor(0xFF, 0xFF, 0xFF));
    ColourSample(OptionsContrastColor, QColor(0xB9, 0xB9, 0xDC));
    ColourSample(OptionsRulerColor, QColor(0xE6, 0xE6, 0xF0));
    for (QLabel* label :
         {OptionsBackgroundColor, OptionsContrastColor, OptionsRulerColor, OptionsFont}) {
        QFont font(QStringLiteral("Verdana"));
        font.setPointSize(8);
        label->setFont(font);
    }

    // Right column: level and solving aids, language, screen size.
    const int right = 210;
    OptionsLevelLbl = groupCaption("OptionsLevelLbl", 860, "Level", 28, right);
    OptionsLevelList = form.ComboBox(QStringLiteral("OptionsLevelList"), 860,
                                     {QStringLiteral("Rookie"), QStringLiteral("Normal"),
                                      QStringLiteral("Skilled"), QStringLiteral("Expert")},
                                     QRect(right, 43, 191, 20));
    const auto aid = [&](const char* name, int tag, const char* caption, int y, int w = 191) {
        return form.CheckBox(QString::fromLatin1(name), tag, QString::fromLatin1(caption),
                             QRect(right, y, w, 16));
    };
    OptionsShowHintsChkBox = aid("OptionsShowHintsChkBox", 865, "Hints", 69);
    OptionsShowErrorsChkBox = aid("OptionsShowErrorsChkBox", 866, "Errors", 87);
    OptionsShowAlternativesChkBox = aid("OptionsShowAlternativesChkBox", 867, "Alternatives", 105);
    OptionsTimeLimitedChkBox = aid("OptionsTimeLimitedChkBox", 868, "Time Limited", 123, 112);
    OptionsTimeLimitedTime = new QTimeEdit(this);
    OptionsTimeLimitedTime->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    form.Adopt(OptionsTimeLimitedTime, QStringLiteral("OptionsTimeLimitedTime"), 869,
               QRect(right + 116, 121, 75, 20));
    OptionsLanguageLbl = groupCaption("OptionsLanguageLbl", 880, "Language", 150, right);
    OptionsLanguageList =
        form.ComboBox(QStringLiteral("OptionsLanguageList"), 881, {}, QRect(right, 165, 191, 20));
    OptionsScreenSizeLbl = groupCaption("OptionsScreenSizeLbl", 885, "Screen Size", 192, right);
    OptionsScreenModeList = form.ComboBox(QStringLiteral("OptionsScreenModeList"), 886,
                                          {QStringLiteral("Automatic"), QStringLiteral("Ignore"),
                                           QStringLiteral("640 x 480"), QStringLiteral("800 x 600"),
                                           QStringLiteral("1024 x 768")},
                                          QRect(right, 207, 191, 20));
    OptionsDefaultOptionsBtn = form.Button(
        QStringLiteral("OptionsDefaultOptionsBtn"), 890, QStringLiteral("Default Options"),
        QString(), QRect(TPageLayout::PageWidth - 85, 270, 85, 15), K::Small);

    // The start values: level Normal with its aids, a 60-minute limit, the digit set.
    OptionsLevelList->setCurrentIndex(1);
    OptionsShowRulerChkBox->setChecked(true);
    OptionsShowHintsChkBox->setChecked(true);
    OptionsShowErrorsChkBox->setChecked(true);
    OptionsTimeLimitedChkBox->setChecked(true);
    OptionsTimeLimitedTime->setTime(QTime(1, 0, 0));
}

} // namespace sudoku
