// Skinned button: clicks from mouse events, and the rendered pixels of face, shadow and
// caption; the skinned question and text-entry boxes: their texts and buttons, and the headless
// answer.
#include "TBaseBtn.h"
#include "TEditDlgBox.h"
#include "TModalDialogAnswerer.h"
#include "TMsgDlgBox.h"
#include "UiTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <vector>

namespace sudoku {
namespace {

void SendMouse(QWidget& widget, QEvent::Type type, QPoint pos,
               Qt::MouseButton button = Qt::LeftButton) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::MouseButtons() : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(pos), QPointF(widget.mapToGlobal(pos)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// The button rendered on the background shows each colour at its point.
void ExpectPixels(TBaseBtn& button, const QColor& background,
                  std::initializer_list<std::pair<QPoint, QColor>> pixels) {
    const QImage image = test::RenderWidget(button, background);
    for (const auto& [point, colour] : pixels)
        EXPECT_EQ(image.pixelColor(point), colour) << point.x() << "," << point.y();
}

TEST(BaseBtn, ClickOnlyWhenReleasedOverTheButton) {
    const QEvent::Type press = QEvent::MouseButtonPress;
    const QEvent::Type release = QEvent::MouseButtonRelease;
    struct Step {
        QEvent::Type Type;
        QPoint Pos;
        Qt::MouseButton Button = Qt::LeftButton;
    };
    struct Case {
        const char* Name;
        std::vector<Step> Steps;
        int Clicks, DoubleClicks;
    };
    const QPoint at(10, 10);
    const Case cases[] = {
        {"press and release inside", {{press, at}, {release, {12, 12}}}, 1, 0},
        {"released outside", {{press, at}, {release, {130, 12}}}, 0, 0},
        {"released above", {{press, at}, {release, {10, -1}}}, 0, 0},
        {"right button", {{press, at, Qt::RightButton}, {release, at, Qt::RightButton}}, 0, 0},
        {"release without press", {{release, at}}, 0, 0},
        {"double click",
         {{press, at}, {release, at}, {QEvent::MouseButtonDblClick, at}, {release, at}},
         2,
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TBaseBtn button;
        QSignalSpy clicks(&button, &TBaseBtn::OnClick);
        QSignalSpy doubleClicks(&button, &TBaseBtn::OnDblClick);
        QSignalSpy downs(&button, &TBaseBtn::OnMouseDown);
        QSignalSpy ups(&button, &TBaseBtn::OnMouseUp);
        int releases = 0;
        for (const Step& s : c.Steps) {
            SendMouse(button, s.Type, s.Pos, s.Button);
            releases += s.Type == release;
        }
        EXPECT_EQ(clicks.count(), c.Clicks);
        EXPECT_EQ(doubleClicks.count(), c.DoubleClicks);
        EXPECT_EQ(downs.count(), qsizetype(c.Steps.size()) - releases);
        EXPECT_EQ(ups.count(), releases);
        EXPECT_FALSE(button.Pressed());
    }

    // Held down, the button shows sunk; disabling it lets go.
    TBaseBtn button;
    SendMouse(button, press, {5, 5});
    EXPECT_TRUE(button.ShowsDown());
    button.setEnabled(false);
    EXPECT_FALSE(button.Pressed());
    button.setEnabled(true);
    EXPECT_FALSE(button.ShowsDown());
}

TEST(BaseBtn, DrawnFaceShadowAndCaption) {
    TBaseBtn button;
    button.resize(100, 40);
    button.SetShadowXOffset(0.1);
    button.SetShadowYOffset(0.25);
    button.SetShadowColor(Qt::black);
    button.SetBrush(QBrush(Qt::red));
    button.SetPen(QPen(Qt::blue, 1));
    // Face (0,0)-(80,20) outlined in the pen; shadow (10,10)-(90,30).
    ExpectPixels(button, Qt::white,
                 {{{0, 0}, Qt::blue}, {{79, 19}, Qt::blue}, {{40, 10}, Qt::red}});
    ExpectPixels(button, Qt::white,
                 {{{85, 25}, Qt::black}, {{95, 35}, Qt::white}, {{5, 25}, Qt::white}});
    // Pressed, the face sinks onto the shadow and the shadow is gone.
    button.SetButtonIsDown(true);
    ExpectPixels(button, Qt::white, {{{85, 25}, Qt::red}, {{5, 5}, Qt::white}});
    button.SetButtonIsDown(false);

    // A caption of one full block glyph: its top-left follows the caption offsets.
    button.SetFaceVisible(false);
    QFont font = button.font();
    font.setPixelSize(20);
    button.setFont(font);
    button.SetCaption(QString(QChar(0x2588)));
    button.SetFontColor(Qt::green);
    button.SetCaptionXOffset(0.5);
    button.SetCaptionYOffset(0.25);
    ExpectPixels(button, Qt::white, {{{54, 20}, Qt::green}, {{45, 20}, Qt::white}});
    button.setEnabled(false); // the caption greys
    ExpectPixels(button, Qt::white,
                 {{{54, 20}, button.palette().color(QPalette::Disabled, QPalette::WindowText)}});
}

// Headless nobody could answer a box: the window's message, question and prompt write their
// text to standard error and take the second button's answer at once.
TEST(DialogBoxes, HeadlessRunWritesTheTextAndNeverWaits) {
    ASSERT_EQ(QApplication::platformName(), QStringLiteral("offscreen"));
    bool boxShown = false;
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [&boxShown] {
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            boxShown = true;
            box->reject();
        }
    });
    watchdog.start(10);
    TModalDialogAnswerer answerer(nullptr, [] { return 0; });
    testing::internal::CaptureStderr();
    const bool written = answerer.MsgDlg("Unable to write to /x/sudokus.ini", "Ok", QString());
    const bool quit = answerer.MsgDlg("Quit?", "Yes", "No");
    const QString name = answerer.EditDlg("Name?", "Ok", "Cancel", "mine");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Unable to write to /x/sudokus.ini\nQuit?\nName?\n");
    EXPECT_FALSE(boxShown);
    EXPECT_FALSE(written || quit);
    EXPECT_TRUE(name.isEmpty());
}

TEST(DialogBoxes, ShowTheirTextsHideButtonsWithoutCaptionAndTheFirstButtonAccepts) {
    const std::pair<const char*, const char*> captions[] = {
        {"Yes", "No"}, {"Ok", ""}, {"", "Cancel"}, {"", ""}};
    for (const auto& [first, second] : captions) {
        TMsgDlgBox question;
        question.SetTexts("Delete <b>\"x\"</b>?", first, second);
        question.show();
        EXPECT_EQ(question.MsgLbl->text(), "Delete <b>\"x\"</b>?");
        EXPECT_EQ(question.MsgLbl->textFormat(), Qt::PlainText); // names are shown as typed
        EXPECT_EQ(question.OkBtn->Caption(), first);
        EXPECT_EQ(question.OkBtn->isVisible(), *first != '\0') << first;
        EXPECT_EQ(question.CancelBtn->isVisible(), *second != '\0') << second;
        question.close();
    }
    // The first button accepts and everything else cancels.
    using Way = std::function<void(TEditDlgBox&)>;
    const std::tuple<const char*, Way, int> cases[] = {
        {"ok", [](TEditDlgBox& e) { QTest::mouseClick(e.OkBtn, Qt::LeftButton); },
         QDialog::Accepted},
        {"cancel", [](TEditDlgBox& e) { QTest::mouseClick(e.CancelBtn, Qt::LeftButton); },
         QDialog::Rejected},
        {"escape", [](TEditDlgBox& e) { QTest::keyClick(&e, Qt::Key_Escape); }, QDialog::Rejected},
        {"enter in edit", [](TEditDlgBox& e) { QTest::keyClick(e.Edit, Qt::Key_Return); },
         QDialog::Accepted}};
    for (const auto& [name, way, result] : cases) {
        TEditDlgBox entry;
        entry.SetTexts("Save SuDoku as...", "Ok", "Cancel");
        entry.Edit->setText("Monday");
        entry.open();
        QCoreApplication::processEvents();
        way(entry);
        EXPECT_FALSE(entry.isVisible()) << name;
        EXPECT_EQ(entry.result(), result) << name;
    }
}

} // namespace
} // namespace sudoku
