#include "platform/controls/ole_dragdrop.h"

#include <QApplication>
#include <QCursor>
#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <cstring>
#include <vector>

#include "platform/controls/application.h"
#include "platform/controls/qt/qt_mime_formats.h"
#include "platform/controls/wincontrol.h"
#include "platform/core/qt/qt_file_name.h"
#include "platform/core/qt/qt_text.h"

namespace {
int oleInitCount = 0;

// The bytes of one format of a data object; empty when it has none.
std::vector<uint8_t> FormatBytes(IDataObject& data, unsigned format) {
  FORMATETC wanted;
  wanted.cfFormat = static_cast<uint16_t>(format);
  STGMEDIUM medium;
  if (data.GetData(wanted, medium) != S_OK) return {};
  std::vector<uint8_t> bytes = GlobalBytes(medium.hGlobal);
  ReleaseStgMedium(medium);
  return bytes;
}

AnsiString UpToZero(const std::vector<uint8_t>& bytes) {
  const char* text = reinterpret_cast<const char*>(bytes.data());
  return AnsiString(text, strnlen(text, bytes.size()));
}

QString WideUpToZero(const uint8_t* bytes, std::size_t size) {
  QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes),
                                    static_cast<qsizetype>(size / 2));
  return text.left(text.indexOf(QChar(0)));
}

QList<QUrl> FileUrls(const std::vector<uint8_t>& block) {
  QList<QUrl> urls;
  for (const AnsiString& name : DropFilesNames(block))
    urls.append(QUrl::fromLocalFile(FileNameToQString(name)));
  return urls;
}

// What a data object offers, as MIME data other programs read.
std::unique_ptr<QMimeData> MimeOf(IDataObject& data) {
  auto mime = std::make_unique<QMimeData>();
  std::shared_ptr<IEnumFORMATETC> formats;
  if (data.EnumFormatEtc(DATADIR_GET, formats) != S_OK || !formats) return mime;
  FORMATETC format;
  uint32_t fetched = 0;
  bool ansiText = false;
  while (formats->Next(1, &format, &fetched) == S_OK && fetched == 1) {
    if (data.QueryGetData(format) != S_OK) continue;
    std::vector<uint8_t> bytes = FormatBytes(data, format.cfFormat);
    if (format.cfFormat == CF_TEXT) {
      SetMimeText(*mime, UpToZero(bytes));
      ansiText = true;
    } else if (format.cfFormat == CF_UNICODETEXT) {
      if (!ansiText) mime->setText(WideUpToZero(bytes.data(), bytes.size()));
    } else if (format.cfFormat == CF_HDROP) {
      mime->setUrls(FileUrls(bytes));
    } else if (QString type = MimeOfFormat(format.cfFormat); !type.isEmpty()) {
      // Rich text and HTML travel without the terminating zero.
      if (type.startsWith(QLatin1String("text/"))) bytes.resize(UpToZero(bytes).size());
      mime->setData(type, QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                     static_cast<qsizetype>(bytes.size())));
    }
  }
  return mime;
}

// A list of formats handed out one by one.
class FormatList : public IEnumFORMATETC {
 public:
  explicit FormatList(std::vector<FORMATETC> formats) : formats_(std::move(formats)) {}
  HRESULT Next(uint32_t count, FORMATETC* elements, uint32_t* fetched) override {
    uint32_t given = 0;
    while (given < count && index_ < formats_.size()) elements[given++] = formats_[index_++];
    if (fetched) *fetched = given;
    return given == count ? HRESULT(S_OK) : HRESULT(S_FALSE);
  }
  HRESULT Skip(uint32_t count) override {
    index_ += count;
    if (index_ <= formats_.size()) return S_OK;
    index_ = formats_.size();
    return S_FALSE;
  }
  HRESULT Reset() override {
    index_ = 0;
    return S_OK;
  }
  HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& enumerator) override {
    enumerator = std::make_shared<FormatList>(formats_);
    return S_OK;
  }

 private:
  std::vector<FORMATETC> formats_;
  std::size_t index_ = 0;
};

// MIME data that reached a control, as a data object: text in both forms, local files as a
// file list, and each registered format whose MIME type it carries.
class MimeDataObject : public IDataObject {
 public:
  explicit MimeDataObject(const QMimeData& mime) : mime_(mime) {
    // Qt reads a file list as text too; a file drag offers no text.
    if (mime.hasFormat(QStringLiteral("text/plain")) || mime.hasFormat(AnsiTextMime()))
      Offer({CF_TEXT, CF_UNICODETEXT});
    for (const QUrl& url : mime.urls())
      if (url.isLocalFile()) files_.push_back(FileNameFromQString(url.toLocalFile()));
    if (!files_.empty()) Offer({CF_HDROP});
    for (const QString& type : mime.formats())
      if (unsigned format = FormatOfMime(type)) Offer({format});
  }

  HRESULT GetData(const FORMATETC& format, STGMEDIUM& medium) override {
    medium = STGMEDIUM();
    if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
    std::vector<uint8_t> bytes = Bytes(format.cfFormat);
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = GlobalCopy(bytes.data(), bytes.size());
    return S_OK;
  }
  HRESULT QueryGetData(const FORMATETC& format) override {
    if (format.dwAspect != DVASPECT_CONTENT || !(format.tymed & TYMED_HGLOBAL)) return DV_E_FORMATETC;
    for (const FORMATETC& offered : formats_)
      if (offered.cfFormat == format.cfFormat) return S_OK;
    return DV_E_FORMATETC;
  }
  HRESULT EnumFormatEtc(DWORD direction, std::shared_ptr<IEnumFORMATETC>& enumerator) override {
    enumerator.reset();
    if (direction != DATADIR_GET) return E_NOTIMPL;
    enumerator = std::make_shared<FormatList>(formats_);
    return S_OK;
  }

 private:
  void Offer(std::initializer_list<unsigned> formats) {
    for (unsigned format : formats) {
      FORMATETC entry;
      entry.cfFormat = static_cast<uint16_t>(format);
      formats_.push_back(entry);
    }
  }

  std::vector<uint8_t> Bytes(unsigned format) const {
    if (format == CF_TEXT) {
      AnsiString text = MimeText(mime_);
      std::vector<uint8_t> bytes(text.begin(), text.end());
      bytes.push_back(0);
      return bytes;
    }
    if (format == CF_UNICODETEXT) {
      QString text = ToQString(MimeText(mime_));
      const auto* begin = reinterpret_cast<const uint8_t*>(text.utf16());
      std::vector<uint8_t> bytes(begin, begin + text.size() * 2);
      bytes.insert(bytes.end(), {0, 0});
      return bytes;
    }
    if (format == CF_HDROP) return FileBlock();
    QByteArray data = mime_.data(MimeOfFormat(format));
    std::vector<uint8_t> bytes(data.begin(), data.end());
    bytes.push_back(0);  // a text format ends with its zero, as it does in global memory
    return bytes;
  }

  std::vector<uint8_t> FileBlock() const {
    DROPFILES header;
    std::vector<uint8_t> bytes(sizeof header);
    std::memcpy(bytes.data(), &header, sizeof header);
    for (const AnsiString& name : files_) {
      bytes.insert(bytes.end(), name.begin(), name.end());
      bytes.push_back(0);
    }
    bytes.push_back(0);
    return bytes;
  }

  const QMimeData& mime_;
  std::vector<FORMATETC> formats_;
  std::vector<AnsiString> files_;
};

DWORD EffectOf(Qt::DropAction action) {
  switch (action) {
    case Qt::CopyAction: return DROPEFFECT_COPY;
    case Qt::MoveAction: case Qt::TargetMoveAction: return DROPEFFECT_MOVE;
    case Qt::LinkAction: return DROPEFFECT_LINK;
    default: return DROPEFFECT_NONE;
  }
}

Qt::DropAction ActionOf(DWORD effect) {
  if (effect & DROPEFFECT_MOVE) return Qt::MoveAction;
  if (effect & DROPEFFECT_COPY) return Qt::CopyAction;
  if (effect & DROPEFFECT_LINK) return Qt::LinkAction;
  return Qt::IgnoreAction;
}

Qt::DropActions ActionsOf(DWORD effects) {
  Qt::DropActions actions;
  if (effects & DROPEFFECT_COPY) actions |= Qt::CopyAction;
  if (effects & DROPEFFECT_MOVE) actions |= Qt::MoveAction;
  if (effects & DROPEFFECT_LINK) actions |= Qt::LinkAction;
  return actions;
}

DWORD EffectsOf(Qt::DropActions actions) {
  DWORD effects = DROPEFFECT_NONE;
  for (Qt::DropAction action : {Qt::CopyAction, Qt::MoveAction, Qt::LinkAction})
    if (actions & action) effects |= EffectOf(action);
  return effects;
}

DWORD KeyStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  DWORD state = 0;
  if (buttons & Qt::LeftButton) state |= MK_LBUTTON;
  if (buttons & Qt::RightButton) state |= MK_RBUTTON;
  if (buttons & Qt::MiddleButton) state |= MK_MBUTTON;
  if (modifiers & Qt::ShiftModifier) state |= MK_SHIFT;
  if (modifiers & Qt::ControlModifier) state |= MK_CONTROL;
  if (modifiers & Qt::AltModifier) state |= MK_ALT;
  return state;
}

// Carries Qt's drag events on a control's window to its drop target. The data object of a
// drag lives from its entry to its drop or leave.
class DropTargetFilter : public QObject {
 public:
  DropTargetFilter(QWidget* widget, std::shared_ptr<IDropTarget> target)
      : QObject(widget), widget_(widget), target_(std::move(target)) {
    setObjectName(kName);
  }
  static constexpr const char* kName = "kalvento-drop-target";

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != widget_) return false;
    switch (event->type()) {
      case QEvent::DragEnter: {
        auto* drag = static_cast<QDragEnterEvent*>(event);
        data_ = std::make_unique<MimeDataObject>(*drag->mimeData());
        Answer(*drag, [&](DWORD state, TPoint at, DWORD& effect) {
          target_->DragEnter(*data_, state, at, effect);
        });
        return true;
      }
      case QEvent::DragMove:
        if (data_)
          Answer(*static_cast<QDragMoveEvent*>(event), [&](DWORD state, TPoint at, DWORD& effect) {
            target_->DragOver(state, at, effect);
          });
        return true;
      case QEvent::DragLeave:
        if (data_) Application->HandleEvent([&] { target_->DragLeave(); });
        data_.reset();
        return true;
      case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        std::unique_ptr<MimeDataObject> data = std::move(data_);
        if (!data) data = std::make_unique<MimeDataObject>(*drop->mimeData());
        Answer(*drop, [&](DWORD state, TPoint at, DWORD& effect) {
          target_->Drop(*data, state, at, effect);
        });
        return true;
      }
      default: return false;
    }
  }

 private:
  template <typename Call>
  void Answer(QDropEvent& event, Call call) {
    const QPoint global = widget_->mapToGlobal(event.position().toPoint());
    DWORD effect = DROPEFFECT_NONE;
    Application->HandleEvent([&] {
      effect = EffectsOf(event.possibleActions());
      call(KeyStateOf(event.modifiers(), event.buttons()), TPoint(global.x(), global.y()), effect);
    });
    const Qt::DropAction action = ActionOf(effect);
    if (action == Qt::IgnoreAction) {
      event.setDropAction(Qt::IgnoreAction);
      event.ignore();
    } else {
      event.setDropAction(action);
      event.accept();
    }
  }

  QWidget* widget_;
  std::shared_ptr<IDropTarget> target_;
  std::unique_ptr<MimeDataObject> data_;
};


// Watches the keyboard while the desktop's drag runs, so that the source may cancel it.
class EscapeWatch : public QObject {
 public:
  explicit EscapeWatch(TDragSession& session) : session_(session) { qApp->installEventFilter(this); }
  ~EscapeWatch() override { qApp->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const DWORD state = KeyStateOf(key->modifiers(), QGuiApplication::mouseButtons());
    if (session_.QueryContinue(key->key() == Qt::Key_Escape, state) == DRAGDROP_S_CANCEL)
      QDrag::cancel();
    return false;
  }

 private:
  TDragSession& session_;
};

HRESULT DesktopDragLoop(TDragSession& session, DWORD& effect) {
  auto* drag = new QDrag(qApp);
  drag->setMimeData(session.TakeMime());
  QObject::connect(drag, &QDrag::actionChanged,
                   [&session](Qt::DropAction action) { session.Feedback(EffectOf(action)); });
  EscapeWatch watch(session);
  const DWORD okEffects = session.OkEffects();
  const Qt::DropAction action =
      drag->exec(ActionsOf(okEffects), ActionOf(okEffects & DROPEFFECT_MOVE ? DROPEFFECT_MOVE : okEffects));
  drag->deleteLater();
  effect = EffectOf(action) & okEffects;
  return action == Qt::IgnoreAction ? DRAGDROP_S_CANCEL : DRAGDROP_S_DROP;
}

TDragLoop& CurrentLoop() {
  static TDragLoop loop = DesktopDragLoop;
  return loop;
}
}  // namespace

struct OleDropWindow {
  static QWidget* Of(TWinControl* control) { return control ? control->ClientWidget() : nullptr; }
};

HGLOBAL GlobalCopy(const void* bytes, std::size_t size) {
  HGLOBAL block = GlobalAlloc(GHND, size);
  if (block && size > 0) std::memcpy(GlobalLock(block), bytes, size);
  GlobalUnlock(block);
  return block;
}

std::vector<uint8_t> GlobalBytes(HGLOBAL block) {
  const auto* bytes = static_cast<const uint8_t*>(GlobalLock(block));
  std::vector<uint8_t> out(bytes, bytes ? bytes + GlobalSize(block) : bytes);
  GlobalUnlock(block);
  return out;
}

std::vector<AnsiString> DropFilesNames(const std::vector<uint8_t>& block) {
  std::vector<AnsiString> names;
  if (block.size() < sizeof(DROPFILES)) return names;
  DROPFILES header;
  std::memcpy(&header, block.data(), sizeof header);
  for (std::size_t at = header.pFiles; at < block.size();) {
    AnsiString name;
    if (header.fWide) {
      const QString wide = WideUpToZero(block.data() + at, block.size() - at);
      name = FileNameFromQString(wide);
      at += (static_cast<std::size_t>(wide.size()) + 1) * 2;
    } else {
      name = UpToZero(std::vector<uint8_t>(block.begin() + static_cast<std::ptrdiff_t>(at), block.end()));
      at += name.size() + 1;
    }
    if (name.empty()) break;
    names.push_back(name);
  }
  return names;
}

void ReleaseStgMedium(STGMEDIUM& medium) {
  medium.hGlobal = GlobalFree(medium.hGlobal);
  medium.tymed = 0;
}

HRESULT OleInitialize(void*) { return oleInitCount++ == 0 ? HRESULT(S_OK) : HRESULT(S_FALSE); }

void OleUninitialize() {
  if (oleInitCount > 0) --oleInitCount;
}

HRESULT RegisterDragDrop(TWinControl* control, std::shared_ptr<IDropTarget> target) {
  QWidget* widget = OleDropWindow::Of(control);
  if (!widget || !target) return DRAGDROP_E_INVALIDHWND;
  if (widget->findChild<QObject*>(DropTargetFilter::kName, Qt::FindDirectChildrenOnly))
    return DRAGDROP_E_ALREADYREGISTERED;
  widget->installEventFilter(new DropTargetFilter(widget, std::move(target)));
  widget->setAcceptDrops(true);
  return S_OK;
}

HRESULT RevokeDragDrop(TWinControl* control) {
  QWidget* widget = OleDropWindow::Of(control);
  if (!widget) return DRAGDROP_E_INVALIDHWND;
  QObject* filter = widget->findChild<QObject*>(DropTargetFilter::kName, Qt::FindDirectChildrenOnly);
  if (!filter) return DRAGDROP_E_INVALIDHWND;
  delete filter;
  widget->setAcceptDrops(false);
  return S_OK;
}

TPoint GetCursorPos() {
  const QPoint at = QCursor::pos();
  return TPoint(at.x(), at.y());
}

TDragSession::TDragSession(IDataObject& data, IDropSource& source, DWORD okEffects)
    : source_(source), okEffects_(okEffects), mime_(MimeOf(data)) {}

TDragSession::~TDragSession() = default;

HRESULT DoDragDrop(std::shared_ptr<IDataObject> data, std::shared_ptr<IDropSource> source,
                   DWORD okEffects, DWORD& effect) {
  effect = DROPEFFECT_NONE;
  if (!data || !source) return E_FAIL;
  TDragSession session(*data, *source, okEffects);
  const HRESULT result = CurrentLoop()(session, effect);
  if (result != DRAGDROP_S_DROP) effect = DROPEFFECT_NONE;
  return result;
}

TDragLoop SetDragLoop(TDragLoop loop) {
  TDragLoop previous = std::move(CurrentLoop());
  CurrentLoop() = loop ? std::move(loop) : TDragLoop(DesktopDragLoop);
  return previous;
}
