// The skinned question and text-entry boxes: their texts and buttons, and the headless answer.
#include "TBaseBtn.h"
#include "TEditDlgBox.h"
#include "TModalDialogAnswerer.h"
#include "TMsgDlgBox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

namespace sudoku {
namespace {

TEST(DialogBoxes, ShowTheirTextsAndHideButtonsWithoutCaption) {
    const std::pair<const char*, const char*> cases[] = {
        {"Yes", "No"}, {"Ok", ""}, {"", "Cancel"}, {"", ""}};
    for (const auto& [first, second] : cases) {
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

TEST(DialogBoxes, FirstButtonAcceptsAndEverythingElseCancels) {
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
