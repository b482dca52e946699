#include "platform/controls/text_drag_drop.h"

#include <QString>
#include <cstring>

#include "platform/core/qt/qt_text.h"

namespace {
// Texts with their terminating zero; the Unicode form takes two bytes a character.
HGLOBAL TextBlock(const AnsiString& text) { return GlobalCopy(text.c_str(), text.size() + 1); }

HGLOBAL WideBlock(const AnsiString& text) {
  const QString wide = ToQString(text);
  return GlobalCopy(wide.utf16(), (static_cast<std::size_t>(wide.size()) + 1) * 2);
}

HGLOBAL IntBlock(int value) {
  const int32_t bits = value;
  return GlobalCopy(&bits, sizeof bits);
}

FORMATETC EntryOf(unsigned cf) {
  FORMATETC entry;
  entry.cfFormat = static_cast<uint16_t>(cf);
  return entry;
}
}  // namespace

void TDragFormatSet::Register() {
  if (!RTFId) RTFId = RegisterClipboardFormat("Rich Text Format");
  if (!ColName.empty() && !ColId) ColId = RegisterClipboardFormat(ColName);
}

TDragFormatReader::TDragFormatReader(IDataObject& DataObject, TDragFormatSet& Formats)
    : data_(DataObject), formats_(Formats) {
  if (data_.EnumFormatEtc(DATADIR_GET, enumerator_) != S_OK) enumerator_.reset();
  formats_.Register();
}

TDragFormatReader::~TDragFormatReader() { FreeMedium(); }

void TDragFormatReader::FreeMedium() { ReleaseStgMedium(medium_); }

bool TDragFormatReader::Next() {
  uint32_t fetched = 0;
  valid_ = enumerator_ && enumerator_->Next(1, &current_, &fetched) == S_OK && fetched == 1;
  ++index_;
  return valid_;
}

bool TDragFormatReader::Reset() {
  valid_ = false;
  index_ = 0;
  return enumerator_ && enumerator_->Reset() == S_OK;
}

bool TDragFormatReader::HasFormat(unsigned cf) {
  if (!Reset()) return false;
  // A format listed but not given counts as missing.
  while (Next())
    if (current_.cfFormat == cf) return data_.QueryGetData(current_) == S_OK;
  return false;
}

HGLOBAL TDragFormatReader::Handle(DWORD tymed) {
  if (!valid_ || (current_.tymed & tymed) != tymed) return nullptr;
  FORMATETC wanted = current_;
  wanted.tymed = tymed;
  FreeMedium();
  if (data_.GetData(wanted, medium_) != S_OK) return nullptr;
  return medium_.hGlobal;
}

AnsiString TDragFormatReader::SomeText(unsigned cf) {
  if (!cf || !HasFormat(cf)) return {};
  const std::vector<uint8_t> bytes = GlobalBytes(GlobalHandle());
  const char* text = reinterpret_cast<const char*>(bytes.data());
  return AnsiString(text, strnlen(text, bytes.size()));
}

int TDragFormatReader::SomeInt(unsigned cf) {
  if (!cf || !HasFormat(cf)) return -1;
  const std::vector<uint8_t> bytes = GlobalBytes(GlobalHandle());
  if (bytes.size() < sizeof(int32_t)) return -1;
  int32_t value;
  std::memcpy(&value, bytes.data(), sizeof value);
  return value;
}

bool TDragFormatReader::SomeFiles(TStrings& List) {
  List.Clear();
  for (const AnsiString& name : DropFilesNames(GlobalBytes(GlobalHandle()))) List.Add(name);
  return List.Count() > 0;
}

TSourceData::TSourceData(TDragFormatSet& Formats, AnsiString Text, AnsiString RTF, int Col)
    : Text(std::move(Text)), RTF(std::move(RTF)), Col(Col), formats_(Formats) {
  formats_.Register();
}

HRESULT TSourceData::QueryGetData(const FORMATETC& format) {
  if (format.dwAspect != DVASPECT_CONTENT || format.tymed != TYMED_HGLOBAL) return DV_E_FORMATETC;
  const bool textOffered = !formats_.TextOnlyWhenFilled || !Text.empty();
  const unsigned cf = format.cfFormat;
  if ((cf == CF_TEXT || cf == CF_UNICODETEXT) && textOffered) return S_OK;
  if (cf == formats_.RTFId && formats_.RTFAware && textOffered) return S_OK;
  if (formats_.ColId && cf == formats_.ColId && Col != -1) return S_OK;
  return DV_E_FORMATETC;
}

HRESULT TSourceData::GetData(const FORMATETC& format, STGMEDIUM& medium) {
  medium = STGMEDIUM();
  if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
  const unsigned cf = format.cfFormat;
  HGLOBAL block = cf == CF_TEXT          ? TextBlock(Text)
                  : cf == CF_UNICODETEXT ? WideBlock(Text)
                  : cf == formats_.RTFId ? TextBlock(RTF)
                                         : IntBlock(Col);
  if (!block) return DV_E_FORMATETC;
  medium.tymed = TYMED_HGLOBAL;
  medium.hGlobal = block;
  return S_OK;
}

HRESULT TSourceData::EnumFormatEtc(DWORD direction, std::shared_ptr<IEnumFORMATETC>& enumerator) {
  enumerator.reset();
  if (direction != DATADIR_GET) return E_NOTIMPL;
  enumerator = std::make_shared<TSourceFormats>(formats_, formats_.ColId && Col != -1);
  return S_OK;
}

HRESULT TSourceFormats::Next(uint32_t count, FORMATETC* elements, uint32_t* fetched) {
  const unsigned order[] = {CF_TEXT, CF_UNICODETEXT, formats_.RTFId, formats_.ColId};
  uint32_t given = 0;
  while (given < count && index_ < Count()) elements[given++] = EntryOf(order[index_++]);
  if (fetched) *fetched = given;
  return given == count ? HRESULT(S_OK) : HRESULT(S_FALSE);
}

HRESULT TSourceFormats::Skip(uint32_t count) {
  index_ += count;
  if (index_ <= Count()) return S_OK;
  index_ = Count();
  return S_FALSE;
}

HRESULT TSourceFormats::Clone(std::shared_ptr<IEnumFORMATETC>& enumerator) {
  enumerator = std::make_shared<TSourceFormats>(formats_, withCol_);
  return S_OK;
}

HRESULT TTextDropSource::QueryContinueDrag(bool escapePressed, DWORD keyState) {
  HRESULT result = escapePressed              ? HRESULT(DRAGDROP_S_CANCEL)
                   : (keyState & MK_LBUTTON) ? HRESULT(S_OK)
                                             : HRESULT(DRAGDROP_S_DROP);
  QueryDrag();
  return result;
}

HRESULT TTextDropSource::GiveFeedback(DWORD effect) {
  noEffect_ = effect == DROPEFFECT_NONE;
  CurrentEffect(effect);
  return DRAGDROP_S_USEDEFAULTCURSORS;
}

DWORD StandardDropEffect(DWORD keyState) {
  return (keyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

HRESULT StartDataDoDragDrop(std::shared_ptr<TTextDropSource> Source, std::shared_ptr<TSourceData> Data,
                            DWORD AllowedEffects, DWORD& Effect) {
  HRESULT result = DoDragDrop(Data, Source, AllowedEffects, Effect);
  if (Source->NoEffect()) {
    Effect = DROPEFFECT_NONE;
    return DRAGDROP_S_CANCEL;
  }
  return result;
}

HRESULT TTextDropTarget::DragEnter(IDataObject& data, DWORD keyState, TPoint, DWORD& effect) {
  TDragFormatReader reader(data, formats_);
  DropFormats = TDropFormats();
  if (reader.HasText()) DropFormats << dfText;
  if (reader.HasFile()) DropFormats << dfFile;
  if (reader.HasRTF()) DropFormats << dfRTF;
  if (reader.HasCol()) DropFormats << dfCol;
  accept_ = (DropFormats.Contains(dfText) && AcceptText) ||
            (DropFormats.Contains(dfFile) && AcceptFiles) ||
            (DropFormats.Contains(dfRTF) && formats_.RTFAware && AcceptText) ||
            (DropFormats.Contains(dfCol) && AcceptCols);
  KeyState = keyState;
  effect = accept_ ? StandardDropEffect(keyState) : DROPEFFECT_NONE;
  DragMouseEnter();
  return S_OK;
}

HRESULT TTextDropTarget::DragOver(DWORD keyState, TPoint point, DWORD& effect) {
  KeyState = keyState;
  effect = accept_ ? StandardDropEffect(keyState) : DROPEFFECT_NONE;
  bool allow = effect != DROPEFFECT_NONE;
  DragMouseMove(point, allow, DropFormats);
  if (!allow) effect = DROPEFFECT_NONE;
  return S_OK;
}

HRESULT TTextDropTarget::DragLeave() {
  DragMouseLeave();
  return S_OK;
}

// A drop that none of the operations took answers DROPEFFECT_NONE, so the source keeps what
// was dragged.
HRESULT TTextDropTarget::Drop(IDataObject& data, DWORD keyState, TPoint point, DWORD& effect) {
  KeyState = keyState;
  if (!accept_) {
    effect = DROPEFFECT_NONE;
    return S_OK;
  }
  TDragFormatReader reader(data, formats_);
  taken_ = false;
  if (reader.HasCol())
    DropCol(point, reader.Col());
  else if (formats_.RTFAware && reader.HasRTF())
    DropRTF(point, reader.RTF());
  else if (reader.HasText())
    DropText(point, reader.Text());
  if (reader.HasFile() && reader.SomeFiles(*reader.Files())) DropFiles(point, reader.Files());
  effect = taken_ ? StandardDropEffect(keyState) : DROPEFFECT_NONE;
  return S_OK;
}
