// The skinned question and text-entry boxes, the one-open-at-a-time rule, and the about and
// splash windows.
#include "TAboutBox.h"
#include "TBaseBtn.h"
#include "TEditDlgBox.h"
#include "TIntroForm.h"
#include "TMsgDlgBox.h"
#include "TScreenLayout.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace sudoku {
namespace {

struct CaptionCase {
    const char* First;
    const char* Second;
};

TEST(DialogBoxes, ShowTheirTextsAndHideButtonsWithoutCaption) {
    const CaptionCase cases[] = {{"Yes", "No"}, {"Ok", ""}, {"", "Cancel"}, {"", ""}};
    for (const CaptionCase& c : cases) {
        TMsgDlgBox question;
        question.SetTexts(QStringLiteral("Delete \"x\"?"), QString::fromLatin1(c.First),
                          QString::fromLatin1(c.Second));
        question.show();
        EXPECT_EQ(question.MsgLbl->text(), QStringLiteral("Delete \"x\"?"));
        EXPECT_EQ(question.OkBtn->Caption(), QString::fromLatin1(c.First));
        EXPECT_EQ(question.OkBtn->isVisible(), *c.First != '\0') << c.First;
        EXPECT_EQ(question.CancelBtn->isVisible(), *c.Second != '\0') << c.Second;
        question.close();
    }
}

TEST(DialogBoxes, HaveTheirSizesAndMessageHeights) {
    TMsgDlgBox question;
    TEditDlgBox entry;
    EXPECT_EQ(question.size(), QSize(400, 150));
    EXPECT_EQ(entry.size(), QSize(400, 150));
    EXPECT_EQ(question.MsgLbl->geometry(), QRect(20, 10, 360, 90));
    EXPECT_EQ(entry.MsgLbl->geometry(), QRect(20, 10, 360, 55));
    EXPECT_EQ(entry.Edit->geometry(), QRect(20, 70, 360, 22));
    EXPECT_EQ(question.OkBtn->geometry(), QRect(140, 100, 120, 35));
    EXPECT_EQ(question.CancelBtn->geometry(), QRect(260, 100, 120, 35));
    EXPECT_TRUE(question.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(question.MsgLbl->wordWrap());
    EXPECT_EQ(question.MsgLbl->textFormat(), Qt::PlainText);
}

struct CloseCase {
    const char* Way;
    int Result;
};

TEST(DialogBoxes, FirstButtonAcceptsAndEverythingElseCancels) {
    const CloseCase cases[] = {{"ok", QDialog::Accepted},
                               {"cancel", QDialog::Rejected},
                               {"escape", QDialog::Rejected},
                               {"enter in edit", QDialog::Accepted}};
    for (const CloseCase& c : cases) {
        TEditDlgBox entry;
        entry.SetTexts(QStringLiteral("Save SuDoku as..."), QStringLiteral("Ok"),
                       QStringLiteral("Cancel"));
        entry.Edit->setText(QStringLiteral("Monday"));
        entry.open();
        QCoreApplication::processEvents();
        const std::string way = c.Way;
        if (way == "ok") {
            QTest::mouseClick(entry.OkBtn, Qt::LeftButton);
        } else if (way == "cancel") {
            QTest::mouseClick(entry.CancelBtn, Qt::LeftButton);
        } else if (way == "escape") {
            QTest::keyClick(&entry, Qt::Key_Escape);
        } else {
            QTest::keyClicks(entry.Edit, QStringLiteral(" 2"));
            QTest::keyClick(entry.Edit, Qt::Key_Return);
        }
        EXPECT_FALSE(entry.isVisible()) << c.Way;
        EXPECT_EQ(entry.result(), c.Result) << c.Way;
    }
}

TEST(DialogBoxes, OnlyOneOfAKindIsOpenAndASecondCallReturnsAtOnce) {
    TMsgDlgBox question;
    question.SetTexts(QStringLiteral("first"), QStringLiteral("Yes"), QStringLiteral("No"));
    question.show();
    EXPECT_EQ(TMsgDlgBox::OpenBox(), &question);
    EXPECT_FALSE(
        TMsgDlgBox::MsgDlg(QStringLiteral("second"), QStringLiteral("Yes"), QStringLiteral("No")));
    EXPECT_EQ(question.MsgLbl->text(), QStringLiteral("first"));

    TEditDlgBox entry;
    entry.show();
    EXPECT_EQ(TEditDlgBox::OpenBox(), &entry);
    EXPECT_EQ(TEditDlgBox::EditDlg(QStringLiteral("name?"), QStringLiteral("Ok"),
                                   QStringLiteral("Cancel"), QStringLiteral("default")),
              QString());
    entry.close();
    question.close();
    EXPECT_EQ(TMsgDlgBox::OpenBox(), nullptr);
    EXPECT_EQ(TEditDlgBox::OpenBox(), nullptr);
}

TEST(AboutWindow, ClosesOnItsButtonsAndKeysAndAsksForTheHomePage) {
    const char* ways[] = {"x", "close", "enter", "escape", "maker"};
    for (const char* way : ways) {
        TAboutBox about;
        QSignalSpy home(&about, &TAboutBox::HomePageRequested);
        about.CloseBtn->show();
        about.show();
        QCoreApplication::processEvents();
        const std::string w = way;
        if (w == "x") {
            QTest::mouseClick(about.HideBtn, Qt::LeftButton);
        } else if (w == "close") {
            QTest::mouseClick(about.CloseBtn, Qt::LeftButton);
        } else if (w == "enter") {
            QTest::keyRelease(&about, Qt::Key_Return);
        } else if (w == "escape") {
            QTest::keyRelease(&about, Qt::Key_Escape);
        } else {
            QTest::mouseClick(about.MarlbrookSBtn, Qt::LeftButton);
        }
        EXPECT_FALSE(about.isVisible()) << way;
        EXPECT_EQ(home.count(), w == "maker" ? 1 : 0) << way;
    }
}

TEST(AboutWindow, KeysWithModifiersDoNotCloseIt) {
    TAboutBox about;
    about.show();
    QTest::keyRelease(&about, Qt::Key_Escape, Qt::ShiftModifier);
    QTest::keyRelease(&about, Qt::Key_A);
    EXPECT_TRUE(about.isVisible());
    EXPECT_EQ(about.size(), QSize(325, 325));
    EXPECT_EQ(TScreenLayout::BaseGeometry(about.MarlbrookSBtn), QRect(13, 276, 130, 40));
    EXPECT_EQ(TScreenLayout::BaseGeometry(about.CloseBtn), QRect(230, 300, 85, 15));
    EXPECT_FALSE(about.CloseBtn->isVisible());
    about.close();
}

TEST(SplashWindow, RecordsWhetherItExists) {
    EXPECT_FALSE(TIntroForm::Exists());
    {
        TIntroForm intro;
        EXPECT_TRUE(TIntroForm::Exists());
        EXPECT_EQ(intro.size(), QSize(280, 280));
        EXPECT_TRUE(intro.windowFlags().testFlag(Qt::FramelessWindowHint));
    }
    EXPECT_FALSE(TIntroForm::Exists());
}

} // namespace
} // namespace sudoku
