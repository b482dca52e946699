#include <gtest/gtest.h>

#include "platform/controls/application.h"
#include "platform/controls/dialogs.h"
#include "message_log.h"
#include "scoped_application.h"

namespace {

TEST(MessageLog, RecordsEveryTextInOrder) {
  ScopedApplication scoped;
  scoped.app.Title = "Kalvento";
  MessageLog log;
  ShowMessage("first");
  MessageDlg("second", mtWarning, {mbOK});
  MessageBox("third", "Caption", MB_OK);
  InputBox("Input", "Prompt:", "");
  FileDialogRequest request;
  request.title = "Open";
  ExecuteFileDialog(request);
  EXPECT_EQ(log.texts, (std::vector<AnsiString>{"first", "second", "third", "Prompt:", "Open"}));
  EXPECT_EQ(log.captions, (std::vector<AnsiString>{"Kalvento", "", "Caption", "Input", ""}));
}

TEST(MessageLog, GivesTheQueuedAnswersInTurnThenTheDefaults) {
  MessageLog log;
  log.Answer(mrNo);
  log.Answer(IDCANCEL);
  EXPECT_EQ(MessageDlg("q1", mtConfirmation, {mbYes, mbNo}), mrNo);
  EXPECT_EQ(MessageBox("q2", "", MB_YESNOCANCEL), IDCANCEL);
  EXPECT_EQ(MessageDlg("q3", mtConfirmation, {mbYes, mbNo}), mrYes);
  EXPECT_EQ(MessageDlg("q4", mtConfirmation, {mbNo, mbCancel}), mrNo);
  EXPECT_EQ(MessageBox("q5", "", MB_YESNO | MB_DEFBUTTON2), IDNO);
  EXPECT_EQ(log.texts.size(), 5u);
}

TEST(MessageLog, InputAndFileDialogs) {
  MessageLog log;
  EXPECT_EQ(InputBox("c", "p", "fallback"), "fallback");
  log.Answer("typed");
  EXPECT_EQ(InputBox("c", "p", "fallback"), "typed");
  log.Answer(mrCancel);
  AnsiString value = "kept";
  EXPECT_FALSE(InputQuery("c", "p", value));
  EXPECT_EQ(value, "kept");

  FileDialogRequest request;
  request.fileName = "*.dba";
  EXPECT_FALSE(ExecuteFileDialog(request));  // nothing queued: cancelled
  log.Answer("/tmp/q.dba");
  EXPECT_TRUE(ExecuteFileDialog(request));
  EXPECT_EQ(request.fileName, "/tmp/q.dba");
}

TEST(MessageLog, AnInnerLogHandsBackToTheOuter) {
  MessageLog outer;
  {
    MessageLog inner;
    ShowMessage("inner");
    EXPECT_EQ(inner.texts.size(), 1u);
  }
  ShowMessage("outer");
  EXPECT_EQ(outer.texts, std::vector<AnsiString>{"outer"});
}

}  // namespace
