// Drag and drop between controls and other programs, in the shape of the platform's OLE calls:
// data objects that offer formats, drop sources that steer a running drag, drop targets
// registered on a control's window, and DoDragDrop that runs the drag. Objects are shared,
// so a drag keeps them alive while it runs. Formats travel as Qt MIME types: the program's
// code-page text beside Unicode text, registered formats by name, file lists as URI lists.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/controls/clipboard.h"
#include "platform/controls/messages.h"
#include "platform/core/global_memory.h"
#include "platform/graphics/geometry.h"
#include "platform/winapi/theme.h"  // S_OK

class TWinControl;
class QMimeData;

using HRESULT = int32_t;
using DWORD = uint32_t;

enum : HRESULT {
  S_FALSE = 1,
  DRAGDROP_S_DROP = 0x40100, DRAGDROP_S_CANCEL = 0x40101, DRAGDROP_S_USEDEFAULTCURSORS = 0x40102,
  E_NOTIMPL = static_cast<HRESULT>(0x80004001),
  OLE_E_ADVISENOTSUPPORTED = static_cast<HRESULT>(0x80040003),
  DV_E_FORMATETC = static_cast<HRESULT>(0x80040064),
  DRAGDROP_E_ALREADYREGISTERED = static_cast<HRESULT>(0x80040101),
  DRAGDROP_E_INVALIDHWND = static_cast<HRESULT>(0x80040102)
};

enum : DWORD { DROPEFFECT_NONE = 0, DROPEFFECT_COPY = 1, DROPEFFECT_MOVE = 2, DROPEFFECT_LINK = 4 };
enum : DWORD { TYMED_HGLOBAL = 1 };
enum : DWORD { DVASPECT_CONTENT = 1 };
enum : DWORD { DATADIR_GET = 1, DATADIR_SET = 2 };
// The key state a drag reports: the mouse keys and modifiers of messages.h, and Alt.
enum : unsigned { MK_ALT = 0x20 };

inline bool Succeeded(HRESULT result) { return result >= 0; }

struct FORMATETC {
  uint16_t cfFormat = 0;
  void* ptd = nullptr;
  DWORD dwAspect = DVASPECT_CONTENT;
  int32_t lindex = -1;
  DWORD tymed = TYMED_HGLOBAL;
};

// The medium a format's data comes in; the receiver frees it with ReleaseStgMedium.
struct STGMEDIUM {
  DWORD tymed = 0;
  HGLOBAL hGlobal = nullptr;
};
void ReleaseStgMedium(STGMEDIUM& medium);

// A file list in global memory: the names follow at pFiles, each ended by a zero, the list by
// an empty name; in UTF-16 when fWide.
struct DROPFILES {
  DWORD pFiles = sizeof(DROPFILES);
  TPoint pt;
  int32_t fNC = 0;
  int32_t fWide = 0;
};

// A new global memory block holding a copy of the bytes.
HGLOBAL GlobalCopy(const void* bytes, std::size_t size);
// The bytes of a global memory block.
std::vector<uint8_t> GlobalBytes(HGLOBAL block);
// The names of a DROPFILES block as the file system spells them; names run to the block's
// end at most, so a damaged block ends the list early.
std::vector<AnsiString> DropFilesNames(const std::vector<uint8_t>& block);

class IEnumFORMATETC {
 public:
  virtual ~IEnumFORMATETC() = default;
  // Hands out up to count entries; S_OK when all count were given, else S_FALSE.
  virtual HRESULT Next(uint32_t count, FORMATETC* elements, uint32_t* fetched) = 0;
  virtual HRESULT Skip(uint32_t count) = 0;
  virtual HRESULT Reset() = 0;
  virtual HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& enumerator) = 0;
};

class IDataObject {
 public:
  virtual ~IDataObject() = default;
  virtual HRESULT GetData(const FORMATETC& format, STGMEDIUM& medium) = 0;
  virtual HRESULT GetDataHere(const FORMATETC&, STGMEDIUM&) { return DV_E_FORMATETC; }
  virtual HRESULT QueryGetData(const FORMATETC& format) = 0;
  virtual HRESULT GetCanonicalFormatEtc(const FORMATETC&, FORMATETC& out) {
    out.ptd = nullptr;
    return E_NOTIMPL;
  }
  virtual HRESULT SetData(const FORMATETC&, STGMEDIUM&, bool /*release*/) { return DV_E_FORMATETC; }
  virtual HRESULT EnumFormatEtc(DWORD direction, std::shared_ptr<IEnumFORMATETC>& enumerator) = 0;
};

class IDropSource {
 public:
  virtual ~IDropSource() = default;
  virtual HRESULT QueryContinueDrag(bool escapePressed, DWORD keyState) = 0;
  virtual HRESULT GiveFeedback(DWORD effect) = 0;
};

// Points are in screen pixels.
class IDropTarget {
 public:
  virtual ~IDropTarget() = default;
  virtual HRESULT DragEnter(IDataObject& data, DWORD keyState, TPoint point, DWORD& effect) = 0;
  virtual HRESULT DragOver(DWORD keyState, TPoint point, DWORD& effect) = 0;
  virtual HRESULT DragLeave() = 0;
  virtual HRESULT Drop(IDataObject& data, DWORD keyState, TPoint point, DWORD& effect) = 0;
};

// Counted per program; the first call answers S_OK, the others S_FALSE.
HRESULT OleInitialize(void* reserved = nullptr);
void OleUninitialize();

// Makes the control's window take drops through the target, until revoked or freed.
HRESULT RegisterDragDrop(TWinControl* control, std::shared_ptr<IDropTarget> target);
HRESULT RevokeDragDrop(TWinControl* control);

// Runs a drag of the data until it is dropped or cancelled: DRAGDROP_S_DROP with the effect
// the target chose, or DRAGDROP_S_CANCEL with DROPEFFECT_NONE.
HRESULT DoDragDrop(std::shared_ptr<IDataObject> data, std::shared_ptr<IDropSource> source,
                   DWORD okEffects, DWORD& effect);

// Where the mouse is, in screen pixels.
TPoint GetCursorPos();

// A running drag as its loop sees it: the data as MIME data, and the source to consult.
class TDragSession {
 public:
  TDragSession(IDataObject& data, IDropSource& source, DWORD okEffects);
  ~TDragSession();
  TDragSession(const TDragSession&) = delete;
  TDragSession& operator=(const TDragSession&) = delete;

  // The data as other programs see it; the loop may take it over.
  QMimeData* Mime() const { return mime_.get(); }
  QMimeData* TakeMime() { return mime_.release(); }
  DWORD OkEffects() const { return okEffects_; }
  HRESULT QueryContinue(bool escapePressed, DWORD keyState) {
    return source_.QueryContinueDrag(escapePressed, keyState);
  }
  void Feedback(DWORD effect) { source_.GiveFeedback(effect); }

 private:
  IDropSource& source_;
  DWORD okEffects_;
  std::unique_ptr<QMimeData> mime_;
};

// The loop that carries a drag: the desktop's by default; a test runs its own. It returns
// DoDragDrop's result and sets the effect.
using TDragLoop = std::function<HRESULT(TDragSession& Session, DWORD& Effect)>;
TDragLoop SetDragLoop(TDragLoop loop);  // returns the one it replaces
