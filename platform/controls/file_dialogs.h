// The open and save dialogs as components: the filter, the proposed file name and folder, the
// default extension and the options are kept between showings; Execute shows the dialog through
// the dialog handler and takes the chosen name. The working folder stays as it is.
#pragma once

#include "platform/core/component.h"
#include "platform/core/set.h"

enum TOpenOption { ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp,
                   ofNoValidate, ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist,
                   ofFileMustExist, ofCreatePrompt, ofShareAware, ofNoReadOnlyReturn,
                   ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames, ofOldStyleDialog,
                   ofNoDereferenceLinks, ofEnableIncludeNotify, ofEnableSizing };
using TOpenOptions = Set<TOpenOption>;

class TOpenDialog : public TComponent {
 public:
  explicit TOpenDialog(TComponent* AOwner);

  // "Text files|*.txt|All files|*.*": pairs of a caption and its masks.
  AnsiString Filter;
  int FilterIndex = 1;
  // Added to a chosen name without an extension; a leading "." is not doubled.
  AnsiString DefaultExt;
  AnsiString FileName;
  AnsiString InitialDir;
  AnsiString Title;
  TOpenOptions Options{ofHideReadOnly, ofEnableSizing};

  // True when the user chose a file; FileName and FilterIndex then hold the choice.
  virtual bool Execute();

 protected:
  TOpenDialog(TComponent* AOwner, bool save);

 private:
  bool save_;
};

class TSaveDialog : public TOpenDialog {
 public:
  explicit TSaveDialog(TComponent* AOwner);
};
