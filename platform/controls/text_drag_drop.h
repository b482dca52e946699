// Text drag and drop over the OLE layer, shared by the edits' and the grid's units: a reader
// of a dropped data object's formats, a data object offering text, rich text and a column
// index, a drop source that remembers whether the last feedback had an effect, and a drop
// target that sorts a drop into text, rich text, column and files.
#pragma once

#include <memory>
#include <vector>

#include "platform/controls/ole_dragdrop.h"
#include "platform/core/set.h"
#include "platform/core/strings.h"

// A unit's switches and registered formats. The RTF id is registered with the first reader;
// a column id of 0 means the unit has no column format.
struct TDragFormatSet {
  bool RTFAware = false;
  unsigned RTFId = 0;
  unsigned ColId = 0;
  AnsiString ColName;  // the column format's name, registered with the RTF id
  // Data objects offer text formats only while they hold text.
  bool TextOnlyWhenFilled = false;
  void Register();
};

// Reads the formats of a dropped data object. One that gives no format enumerator reads as
// offering nothing.
class TDragFormatReader {
 public:
  TDragFormatReader(IDataObject& DataObject, TDragFormatSet& Formats);
  ~TDragFormatReader();
  TDragFormatReader(const TDragFormatReader&) = delete;
  TDragFormatReader& operator=(const TDragFormatReader&) = delete;

  bool Next();
  bool Reset();
  // Leaves the current entry on the match.
  bool HasFormat(unsigned cf);
  // The data of the current entry in the medium (0 when it is not valid or lacks the medium);
  // the reader frees it.
  HGLOBAL Handle(DWORD tymed);
  HGLOBAL GlobalHandle() { return Handle(TYMED_HGLOBAL); }
  // The 8-bit text of a format, up to its first zero or the end of its memory.
  AnsiString SomeText(unsigned cf);
  // The file names of the current entry's file list; true when there is one at least.
  bool SomeFiles(TStrings& List);
  // The first four bytes of a format; -1 when it or its memory is missing.
  int SomeInt(unsigned cf);

  AnsiString Text() { return SomeText(CF_TEXT); }
  AnsiString RTF() { return SomeText(formats_.RTFId); }
  int Col() { return SomeInt(formats_.ColId); }
  bool HasText() { return HasFormat(CF_TEXT); }
  bool HasRTF() { return formats_.RTFId && HasFormat(formats_.RTFId); }
  bool HasFile() { return HasFormat(CF_HDROP); }
  bool HasCol() { return formats_.ColId && HasFormat(formats_.ColId); }
  TStringList* Files() const { return files_.get(); }

  DWORD GetAspect() const { return current_.dwAspect; }
  void SetAspect(DWORD Value) { current_.dwAspect = Value; }
  unsigned GetcfFormat() const { return current_.cfFormat; }
  void SetcfFormat(unsigned Value) { current_.cfFormat = static_cast<uint16_t>(Value); }
  int GetlIndex() const { return current_.lindex; }
  void SetlIndex(int Value) { current_.lindex = Value; }
  DWORD GetTymed() const { return current_.tymed; }
  void SetTymed(DWORD Value) { current_.tymed = Value; }

 private:
  void FreeMedium();

  IDataObject& data_;
  TDragFormatSet& formats_;
  std::shared_ptr<IEnumFORMATETC> enumerator_;
  FORMATETC current_;
  bool valid_ = false;
  int index_ = 0;
  STGMEDIUM medium_;
  std::unique_ptr<TStringList> files_ = std::make_unique<TStringList>();
};

// The data of a drag: Text as CF_TEXT and CF_UNICODETEXT, RTF while the unit is RTF-aware,
// and Col (-1 for none) in the unit's column format.
class TSourceData : public IDataObject {
 public:
  TSourceData(TDragFormatSet& Formats, AnsiString Text, AnsiString RTF, int Col = -1);
  HRESULT GetData(const FORMATETC& format, STGMEDIUM& medium) override;
  HRESULT QueryGetData(const FORMATETC& format) override;
  HRESULT EnumFormatEtc(DWORD direction, std::shared_ptr<IEnumFORMATETC>& enumerator) override;

  const AnsiString Text;
  const AnsiString RTF;
  const int Col;

 private:
  TDragFormatSet& formats_;
};

// Hands out CF_TEXT, CF_UNICODETEXT, the RTF format (listed even when the unit is not
// RTF-aware) and, with a column, the column format.
class TSourceFormats : public IEnumFORMATETC {
 public:
  TSourceFormats(const TDragFormatSet& Formats, bool WithCol) : formats_(Formats), withCol_(WithCol) {}
  HRESULT Next(uint32_t count, FORMATETC* elements, uint32_t* fetched) override;
  HRESULT Skip(uint32_t count) override;
  HRESULT Reset() override {
    index_ = 0;
    return S_OK;
  }
  HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& enumerator) override;

 private:
  uint32_t Count() const { return withCol_ ? 4 : 3; }
  const TDragFormatSet& formats_;
  bool withCol_;
  uint32_t index_ = 0;
};

// Ends a drag on Esc (cancel) or the left button's release (drop).
class TTextDropSource : public IDropSource {
 public:
  HRESULT QueryContinueDrag(bool escapePressed, DWORD keyState) override;
  HRESULT GiveFeedback(DWORD effect) override;
  bool NoEffect() const { return noEffect_; }

 protected:
  virtual void CurrentEffect(DWORD /*effect*/) {}
  virtual void QueryDrag() {}

 private:
  bool noEffect_ = false;
};

// DROPEFFECT_COPY with Ctrl, else DROPEFFECT_MOVE.
DWORD StandardDropEffect(DWORD keyState);

// Runs a drag of the data; a drag whose last feedback had no effect answers DRAGDROP_S_CANCEL.
HRESULT StartDataDoDragDrop(std::shared_ptr<TTextDropSource> Source, std::shared_ptr<TSourceData> Data,
                            DWORD AllowedEffects, DWORD& Effect);

enum TDropFormat { dfText, dfFile, dfCol, dfRTF };
using TDropFormats = Set<TDropFormat>;

// Takes text, files, rich text (while RTF-aware) and columns as its Accept switches say,
// decided when the drag enters; the drop goes to the virtual operations.
class TTextDropTarget : public IDropTarget {
 public:
  explicit TTextDropTarget(TDragFormatSet& Formats) : formats_(Formats) {}
  HRESULT DragEnter(IDataObject& data, DWORD keyState, TPoint point, DWORD& effect) override;
  HRESULT DragOver(DWORD keyState, TPoint point, DWORD& effect) override;
  HRESULT DragLeave() override;
  HRESULT Drop(IDataObject& data, DWORD keyState, TPoint point, DWORD& effect) override;

  bool AcceptText = true;
  bool AcceptFiles = true;
  bool AcceptCols = false;
  // The formats the entering drag offered, accepted or not.
  TDropFormats DropFormats;
  // The key state of the drag's last step, for the operations.
  DWORD KeyState = 0;

 protected:
  virtual void DropText(TPoint /*pt*/, const AnsiString& /*s*/) {}
  virtual void DropCol(TPoint /*pt*/, int /*Col*/) {}
  virtual void DropRTF(TPoint /*pt*/, const AnsiString& /*s*/) {}
  virtual void DropFiles(TPoint /*pt*/, TStrings* /*Files*/) {}
  virtual void DragMouseMove(TPoint /*pt*/, bool& /*Allow*/, TDropFormats /*Formats*/) {}
  virtual void DragMouseEnter() {}
  virtual void DragMouseLeave() {}
  bool Accepted() const { return accept_; }
  // An operation that took the dropped data says so; a drop nothing took answers no effect.
  void MarkTaken() { taken_ = true; }

 private:
  TDragFormatSet& formats_;
  bool accept_ = false;
  bool taken_ = false;
};
