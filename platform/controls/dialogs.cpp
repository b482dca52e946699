#include "platform/controls/dialogs.h"

#include <algorithm>

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "platform/controls/application.h"
#include "platform/controls/qt/qt_print_dialog.h"
#include "platform/core/files.h"
#include "platform/graphics/qt/qt_color.h"
#include "platform/core/qt/qt_text.h"

namespace {

// The buttons in the program's language, as its class library and Windows label them.
struct ButtonMap {
  TMsgDlgBtn button;
  QMessageBox::StandardButton qt;
  int result;
  const char* text;  // UTF-8
};

constexpr ButtonMap kButtons[] = {
    {mbYes, QMessageBox::Yes, mrYes, "&Ja"},
    {mbNo, QMessageBox::No, mrNo, "&Nein"},
    {mbOK, QMessageBox::Ok, mrOk, "OK"},
    {mbCancel, QMessageBox::Cancel, mrCancel, "Abbrechen"},
    {mbAbort, QMessageBox::Abort, mrAbort, "&Abbrechen"},
    {mbRetry, QMessageBox::Retry, mrRetry, "&Wiederholen"},
    {mbIgnore, QMessageBox::Ignore, mrIgnore, "&Ignorieren"},
    {mbAll, QMessageBox::Apply, mrAll, "&Alle"},
    {mbNoToAll, QMessageBox::NoToAll, mrNoToAll, "N&ein f\xC3\xBCr alle"},
    {mbYesToAll, QMessageBox::YesToAll, mrYesToAll, "J&a f\xC3\xBCr alle"},
    {mbHelp, QMessageBox::Help, mrNone, "&Hilfe"}};

// The buttons of each MB_ type, in the order the dialog shows them, with their results.
TMsgDlgButtons MessageBoxButtons(unsigned flags) {
  switch (flags & 0xF) {
    case MB_OKCANCEL: return {mbOK, mbCancel};
    case MB_ABORTRETRYIGNORE: return {mbAbort, mbRetry, mbIgnore};
    case MB_YESNOCANCEL: return {mbYes, mbNo, mbCancel};
    case MB_YESNO: return {mbYes, mbNo};
    case MB_RETRYCANCEL: return {mbRetry, mbCancel};
    default: return {mbOK};
  }
}

std::vector<int> MessageBoxResults(unsigned flags) {
  switch (flags & 0xF) {
    case MB_OKCANCEL: return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE: return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO: return {IDYES, IDNO};
    case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
    default: return {IDOK};
  }
}

QString QtFilter(const AnsiString& filter) {
  // "Name|*.a;*.b|Other|*.c" becomes "Name (*.a *.b);;Other (*.c)".
  QStringList parts = ToQString(filter).split('|');
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    out << parts[i] + " (" + patterns.replace(';', ' ') + ")";
  }
  return out.join(";;");
}

int Show(QMessageBox::Icon icon, const AnsiString& caption, const AnsiString& text,
         TMsgDlgButtons buttons, int defaultResult) {
  QMessageBox box(icon, ToQString(caption), ToQString(text));
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
  for (const ButtonMap& m : kButtons) {
    if (!buttons.Contains(m.button)) continue;
    box.addButton(m.qt)->setText(QString::fromUtf8(m.text));
    if (m.result == defaultResult) defaultButton = m.qt;
  }
  if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
  int clicked = box.exec();
  for (const ButtonMap& m : kButtons)
    if (m.qt == clicked) return m.result;
  return mrCancel;
}

class QtDialogs : public DialogHandler {
 public:
  int MessageDlg(const AnsiString& text, TMsgDlgType type, TMsgDlgButtons buttons) override {
    static const char* const kCaptions[] = {"Warnung", "Fehler", "Information",
                                            "Best\xE4tigen", ""};
    static const QMessageBox::Icon kIcons[] = {QMessageBox::Warning, QMessageBox::Critical,
                                               QMessageBox::Information, QMessageBox::Question,
                                               QMessageBox::NoIcon};
    AnsiString caption = type == mtCustom ? Application->Title : kCaptions[type];
    return Show(kIcons[type], caption, text, buttons, DefaultMessageDlgResult(buttons));
  }

  int MessageBox(const AnsiString& text, const AnsiString& caption, unsigned flags) override {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (flags & 0xF0) {
      case MB_ICONERROR: icon = QMessageBox::Critical; break;
      case MB_ICONQUESTION: icon = QMessageBox::Question; break;
      case MB_ICONWARNING: icon = QMessageBox::Warning; break;
      case MB_ICONINFORMATION: icon = QMessageBox::Information; break;
    }
    TMsgDlgButtons buttons = MessageBoxButtons(flags);
    int defaultId = DefaultMessageBoxResult(flags);
    // Show() answers with modal results; they share their numbers with the IDs.
    int result = Show(icon, caption, text, buttons, defaultId);
    return result == mrNone ? IDCANCEL : result;
  }

  bool InputQuery(const AnsiString& caption, const AnsiString& prompt, AnsiString& value) override {
    QInputDialog dialog;
    dialog.setWindowTitle(ToQString(caption));
    dialog.setLabelText(ToQString(prompt));
    dialog.setTextValue(ToQString(value));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dialog.exec() != QDialog::Accepted) return false;
    value = FromQString(dialog.textValue());
    return true;
  }

  bool FileDialog(FileDialogRequest& r) override {
    QFileDialog dialog(nullptr, ToQString(r.title), ToQString(r.initialDir), QtFilter(r.filter));
    dialog.setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(r.save || !r.fileMustExist ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The program asks its own question (MayReplaceFile) instead of the dialog's.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!r.defaultExt.empty()) dialog.setDefaultSuffix(ToQString(r.defaultExt));
    if (!r.fileName.empty()) dialog.selectFile(ToQString(r.fileName));
    QStringList filters = dialog.nameFilters();
    if (r.filterIndex >= 1 && r.filterIndex <= filters.size())
      dialog.selectNameFilter(filters[r.filterIndex - 1]);
    for (;;) {
      if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
      r.fileName = FromQString(dialog.selectedFiles().first());
      if (!r.save || !r.overwritePrompt || MayReplaceFile(r.fileName)) break;
    }
    r.filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return true;
  }

  bool ColorDialog(TColor& color) override {
    QColorDialog dialog(ToQColor(color));
    if (dialog.exec() != QDialog::Accepted) return false;
    color = FromQColor(dialog.selectedColor());
    return true;
  }

  bool PrintDialog(PrintDialogRequest& request) override { return ShowPrintDialog(request); }
};

QtDialogs qtDialogs;
DialogHandler* handler = &qtDialogs;

}  // namespace

DialogHandler* SetDialogHandler(DialogHandler* next) {
  DialogHandler* previous = handler == &qtDialogs ? nullptr : handler;
  handler = next ? next : &qtDialogs;
  return previous;
}

int DefaultMessageDlgResult(TMsgDlgButtons buttons) {
  for (auto [button, result] : {std::pair{mbOK, mrOk}, {mbYes, mrYes}, {mbYesToAll, mrYesToAll},
                                {mbRetry, mrRetry}, {mbAbort, mrAbort}, {mbAll, mrAll},
                                {mbNo, mrNo}, {mbIgnore, mrIgnore}, {mbCancel, mrCancel}})
    if (buttons.Contains(button)) return result;
  return mrNone;
}

int DefaultMessageBoxResult(unsigned flags) {
  std::vector<int> ids = MessageBoxResults(flags);
  std::size_t index = (flags & MB_DEFBUTTON3) ? 2 : (flags & MB_DEFBUTTON2) ? 1 : 0;
  return ids[std::min(index, ids.size() - 1)];
}

void ShowMessage(const AnsiString& text) { handler->MessageBox(text, Application->Title, MB_OK); }

int MessageDlg(const AnsiString& text, TMsgDlgType type, TMsgDlgButtons buttons, int) {
  return handler->MessageDlg(text, type, buttons);
}

int MessageBox(const AnsiString& text, const AnsiString& caption, unsigned flags) {
  return handler->MessageBox(text, caption, flags);
}

AnsiString InputBox(const AnsiString& caption, const AnsiString& prompt, const AnsiString& fallback) {
  AnsiString value = fallback;
  return handler->InputQuery(caption, prompt, value) ? value : fallback;
}

bool InputQuery(const AnsiString& caption, const AnsiString& prompt, AnsiString& value) {
  return handler->InputQuery(caption, prompt, value);
}

bool ExecuteFileDialog(FileDialogRequest& request) { return handler->FileDialog(request); }

bool MayReplaceFile(const AnsiString& fileName) {
  return !FileExists(fileName) ||
         MessageDlg(fileName + " existiert bereits.\nSoll sie ersetzt werden?", mtConfirmation,
                    {mbYes, mbNo}) == mrYes;
}

bool ExecuteColorDialog(TColor& color) { return handler->ColorDialog(color); }

bool ExecutePrintDialog(PrintDialogRequest& request) { return handler->PrintDialog(request); }

TPrintSetup SetupForPrinter(const TPrintDeviceInfo& info, const TPrintSetup& chosen) {
  TPrintSetup setup = OwnSetup(info);
  setup.Orientation = chosen.Orientation;
  setup.Copies = std::clamp(chosen.Copies, 1, std::max(1, info.MaxCopies));
  setup.Collate = chosen.Collate;
  setup.FromPage = chosen.FromPage;
  setup.ToPage = chosen.ToPage;
  setup.Title = chosen.Title;
  return setup;
}
