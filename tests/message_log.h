// Test support: while a MessageLog lives, no dialog appears; every text that would be shown
// is recorded, and queued answers are given to the questions and dialogs in turn.
#pragma once

#include <deque>
#include <functional>
#include <variant>
#include <vector>

#include "platform/controls/dialogs.h"

class MessageLog : public DialogHandler {
 public:
  MessageLog();
  ~MessageLog() override;
  MessageLog(const MessageLog&) = delete;
  MessageLog& operator=(const MessageLog&) = delete;

  // A button result (mrYes, IDNO, mrCancel ...) or a text for an input or file dialog.
  void Answer(int result) { answers_.emplace_back(result); }
  void Answer(const AnsiString& text) { answers_.emplace_back(text); }
  // The colour a colour dialog chooses (mrCancel cancels it).
  void AnswerColor(TColor color) { answers_.emplace_back(ColorAnswer{color}); }
  // What the user does in a print or printer-setup dialog before pressing OK (mrOk: nothing,
  // mrCancel cancels it; a text chooses the printer of that name, which starts from its own
  // setup).
  using PrintChoice = std::function<void(PrintDialogRequest&)>;
  void AnswerPrint(PrintChoice choice) { answers_.emplace_back(std::move(choice)); }
  // Chooses the printer of that name in the dialog as the user does.
  static void ChoosePrinter(PrintDialogRequest& request, const AnsiString& name);

  std::vector<AnsiString> texts;     // message texts, prompts, dialog titles ("" for colours)
  std::vector<AnsiString> captions;  // the matching captions ("" where there is none)

  int MessageDlg(const AnsiString& text, TMsgDlgType type, TMsgDlgButtons buttons) override;
  int MessageBox(const AnsiString& text, const AnsiString& caption, unsigned flags) override;
  bool InputQuery(const AnsiString& caption, const AnsiString& prompt, AnsiString& value) override;
  bool FileDialog(FileDialogRequest& request) override;
  bool ColorDialog(TColor& color) override;
  bool PrintDialog(PrintDialogRequest& request) override;
  int printDialogs = 0;  // print and printer-setup dialogs shown

 private:
  struct ColorAnswer {
    TColor color;
  };
  std::deque<std::variant<int, AnsiString, ColorAnswer, PrintChoice>> answers_;
  DialogHandler* previous_;
  bool NextResult(int& result);
  bool NextText(AnsiString& text, bool& cancelled);
};
