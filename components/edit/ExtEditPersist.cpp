// Persistence of the value: read at start-up, written when the edit goes. A password is
// never kept, and a stored value passes the edit type's check as any SetText does.
#include <memory>

#include "components/edit/ExtEdit.h"
#include "platform/controls/application.h"
#include "platform/core/files.h"
#include "platform/core/inifile.h"
#include "platform/core/registry.h"

namespace {
constexpr const char* kMissing = "@";

// An empty key names an INI file after the program, in the user's configuration folder (the
// program's own folder is not writable once installed).
std::unique_ptr<TCustomIniFile> OpenStore(const TPersistence& persistence) {
  if (persistence.Location == plRegistry) return std::make_unique<TRegIniFile>(persistence.Key);
  AnsiString key = persistence.Key;
  if (key.empty()) key = ExtractFileName(ChangeFileExt(Application->ExeName(), ".INI"));
  return std::make_unique<TIniFile>(key);
}
}  // namespace

void TExtEdit::LoadPersist() {
  if (!persistence_->Enable || editType_ == etPassword) return;
  AnsiString stored = OpenStore(*persistence_)->ReadString(persistence_->Section, Name, kMissing);
  if (stored == kMissing) return;
  // The stored text is the window text; its frame comes off as the value's does.
  SetText(WithoutFrame(stored));
}

void TExtEdit::SavePersist() {
  if (!persistence_->Enable || editType_ == etPassword) return;
  OpenStore(*persistence_)->WriteString(persistence_->Section, Name, prefix_ + GetText() + suffix_);
}
