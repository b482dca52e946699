// Test support: while a MessageLog lives, no dialog appears; every text that would be shown
// is recorded, and queued answers are given to the questions and dialogs in turn.
#pragma once

#include <deque>
#include <variant>
#include <vector>

#include "platform/dialogs.h"

class MessageLog : public DialogHandler {
 public:
  MessageLog();
  ~MessageLog() override;
  MessageLog(const MessageLog&) = delete;
  MessageLog& operator=(const MessageLog&) = delete;

  // A button result (mrYes, IDNO, mrCancel ...) or a text for an input or file dialog.
  void Answer(int result) { answers_.emplace_back(result); }
  void Answer(const AnsiString& text) { answers_.emplace_back(text); }

  std::vector<AnsiString> texts;     // message texts, prompts and file dialog titles
  std::vector<AnsiString> captions;  // the matching captions ("" where there is none)

  int MessageDlg(const AnsiString& text, TMsgDlgType type, TMsgDlgButtons buttons) override;
  int MessageBox(const AnsiString& text, const AnsiString& caption, unsigned flags) override;
  bool InputQuery(const AnsiString& caption, const AnsiString& prompt, AnsiString& value) override;
  bool FileDialog(FileDialogRequest& request) override;

 private:
  std::deque<std::variant<int, AnsiString>> answers_;
  DialogHandler* previous_;
  bool NextResult(int& result);
  bool NextText(AnsiString& text, bool& cancelled);
};
