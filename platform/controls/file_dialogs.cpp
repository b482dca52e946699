#include "platform/controls/file_dialogs.h"

#include "platform/controls/dialogs.h"

namespace {
AnsiString WithoutDot(const AnsiString& extension) {
  return !extension.empty() && extension[0] == '.' ? extension.substr(1) : extension;
}

// The extension of the name's last part, dot included; empty when it has none.
bool HasExtension(const AnsiString& name) {
  std::size_t slash = name.find_last_of("/\\");
  std::size_t dot = name.rfind('.');
  return dot != AnsiString::npos && (slash == AnsiString::npos || dot > slash);
}
}  // namespace

TOpenDialog::TOpenDialog(TComponent* AOwner) : TOpenDialog(AOwner, false) {}

TOpenDialog::TOpenDialog(TComponent* AOwner, bool save) : TComponent(AOwner), save_(save) {}

bool TOpenDialog::Execute() {
  FileDialogRequest request;
  request.save = save_;
  request.title = Title;
  request.filter = Filter;
  request.filterIndex = FilterIndex;
  request.initialDir = InitialDir;
  request.defaultExt = WithoutDot(DefaultExt);
  request.fileName = FileName;
  request.overwritePrompt = Options.Contains(ofOverwritePrompt);
  request.fileMustExist = Options.Contains(ofFileMustExist);
  if (!ExecuteFileDialog(request)) return false;
  FileName = request.fileName;
  if (!request.defaultExt.empty() && !HasExtension(FileName)) FileName += "." + request.defaultExt;
  FilterIndex = request.filterIndex;
  return true;
}

TSaveDialog::TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner, true) {}
