#include "message_log.h"

MessageLog::MessageLog() : previous_(SetDialogHandler(this)) {}

MessageLog::~MessageLog() { SetDialogHandler(previous_); }

bool MessageLog::NextResult(int& result) {
  if (answers_.empty() || !std::holds_alternative<int>(answers_.front())) return false;
  result = std::get<int>(answers_.front());
  answers_.pop_front();
  return true;
}

// A queued text answers with OK; a queued result of cancel (or no) cancels.
bool MessageLog::NextText(AnsiString& text, bool& cancelled) {
  cancelled = false;
  if (answers_.empty()) return false;
  if (std::holds_alternative<int>(answers_.front())) {
    int r = std::get<int>(answers_.front());
    cancelled = r == mrCancel || r == mrNo;
    answers_.pop_front();
    return false;
  }
  const auto* answer = std::get_if<AnsiString>(&answers_.front());
  if (!answer) return false;  // meant for another dialog
  text = *answer;
  answers_.pop_front();
  return true;
}

int MessageLog::MessageDlg(const AnsiString& text, TMsgDlgType, TMsgDlgButtons buttons) {
  texts.push_back(text);
  captions.emplace_back();
  int result;
  return NextResult(result) ? result : DefaultMessageDlgResult(buttons);
}

int MessageLog::MessageBox(const AnsiString& text, const AnsiString& caption, unsigned flags) {
  texts.push_back(text);
  captions.push_back(caption);
  int result;
  return NextResult(result) ? result : DefaultMessageBoxResult(flags);
}

bool MessageLog::InputQuery(const AnsiString& caption, const AnsiString& prompt, AnsiString& value) {
  texts.push_back(prompt);
  captions.push_back(caption);
  bool cancelled;
  AnsiString text;
  if (NextText(text, cancelled)) value = text;
  return !cancelled;
}

bool MessageLog::FileDialog(FileDialogRequest& request) {
  texts.push_back(request.title);
  captions.emplace_back();
  bool cancelled;
  AnsiString text;
  if (!NextText(text, cancelled)) return false;
  request.fileName = text;
  return true;
}

bool MessageLog::ColorDialog(TColor& color) {
  texts.emplace_back();
  captions.emplace_back();
  if (answers_.empty()) return false;
  if (const auto* answer = std::get_if<ColorAnswer>(&answers_.front())) {
    color = answer->color;
    answers_.pop_front();
    return true;
  }
  if (std::holds_alternative<int>(answers_.front())) answers_.pop_front();  // a button: cancel
  return false;
}

// A printer chosen by name starts from its own setup, as the dialog does.
void MessageLog::ChoosePrinter(PrintDialogRequest& request, const AnsiString& name) {
  for (size_t i = 0; i < request.printers.size(); ++i) {
    if (request.printers[i] != name || static_cast<int>(i) == request.printerIndex) continue;
    request.printerIndex = static_cast<int>(i);
    const TPrintDeviceInfo* info = request.infoOf ? request.infoOf(request.printerIndex) : nullptr;
    if (info) request.settings = SetupForPrinter(*info, request.settings);
  }
}

bool MessageLog::PrintDialog(PrintDialogRequest& request) {
  ++printDialogs;
  if (answers_.empty()) return false;
  auto answer = std::move(answers_.front());
  answers_.pop_front();
  if (auto* choice = std::get_if<PrintChoice>(&answer)) {
    (*choice)(request);
    return true;
  }
  if (auto* name = std::get_if<AnsiString>(&answer)) {
    ChoosePrinter(request, *name);
    return true;
  }
  const int* result = std::get_if<int>(&answer);
  return result && *result == mrOk;
}
