// TExtStringGrid: construction, the settings it holds, and the window and component life.
#include "components/grid/grid/ExtGrid.h"

#include <algorithm>

#include "components/grid/grid/ExtGridCheck.h"
#include "components/grid/core/ColumnMap.h"
#include "components/grid/controls/ExtXPVS.h"
#include "components/grid/core/FindFilterState.h"
#include "components/grid/core/SortState.h"
#include "components/grid/html/HTMLHintWindow.h"
#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/dragdrop/esgdd.h"
#include "components/grid/grid/printing/PrintState.h"
#include "platform/controls/application.h"
#include "platform/winapi/system_metrics.h"

namespace {
constexpr int kTimerId = 111;
constexpr int kTimerMilliseconds = 500;
}  // namespace

TExtStringGrid::TExtStringGrid(TComponent* AOwner)
    : TBaseGrid(AOwner),
      ScrollWidth(GetSystemMetrics(SM_CXVSCROLL)),
      IsWinXP(ThemeAvailable()),
      WheelLines(WheelScrollLines()),
      fixedFont_(std::make_unique<TFont>()),
      activeCellFont_(std::make_unique<TFont>()),
      rowIndicator_(std::make_unique<TBitmap>()),
      sort_(std::make_unique<TSortState>()),
      columns_(std::make_unique<TColumnMap>()),
      find_(std::make_unique<TFindFilterState>()),
      footerPanel_(new TFooterPanel(this, this)),
      hintWindow_(new THTMLHintWindow(this)),
      print_(std::make_unique<TPrintState>()) {
  const TNotifyEvent repaint = [this](TObject*) { Invalidate(); };
  for (TGridSettings* settings : std::initializer_list<TGridSettings*>{
           &SortSettings, &ControlLook, &CellNode, &Bands, &BackGround})
    settings->OnChange = repaint;
  ColumnHeaders.OnChange = [this](TObject*) { ShowColumnHeaders(); };
  RowHeaders.OnChange = [this](TObject*) { ShowRowHeaders(); };
  fixedFont_->SetName("Tahoma");
  fixedFont_->OnChange = repaint;
  GetFont()->SetName("Tahoma");
  activeCellFont_->SetStyle(fsBold);
  activeCellFont_->OnChange = repaint;
  SetDefaultRowHeight(21);
  footerPanel_->SetParent(this);
  TakeOverFormResize();
  InitOleDragDrop();
}

TExtStringGrid::~TExtStringGrid() {
  if (ColumnSize.Save) Application->HandleEvent([this] { SaveColSizes(); });
  HandBackFormResize();
  EndMoveDisplay();  // freed during a move: the drag cursor must not outlive it
}

void TExtStringGrid::SetRowIndicator(const TBitmap* Value) {
  rowIndicator_->Assign(Value);
  RepaintCell(0, GetRow());
}

void TExtStringGrid::SetVAlignment(TVAlignment Value) {
  vAlignment_ = Value;
  if (!GetLockFlag()) Invalidate();
}

int TExtStringGrid::GetFixedRowsEx() const {
  return GetFixedRows() == 0 && FixedRowAlways ? 1 : GetFixedRows();
}

int TExtStringGrid::GetFixedColsEx() const {
  return GetFixedCols() == 0 && FixedColAlways ? 1 : GetFixedCols();
}

void TExtStringGrid::RegisterNotifier(TGridChangeNotifier* Notifier) {
  if (!Notifier || std::find(notifiers_.begin(), notifiers_.end(), Notifier) != notifiers_.end())
    return;
  notifiers_.push_back(Notifier);
  Notifier->FreeNotification(this);
}

void TExtStringGrid::UnRegisterNotifier(TGridChangeNotifier* Notifier) {
  if (std::erase(notifiers_, Notifier) > 0) Notifier->RemoveFreeNotification(this);
}

void TExtStringGrid::ShowColumnHeaders() {
  if (GetFixedRowsEx() <= 0) return;
  for (int i = 0; i < ColumnHeaders.Count() && i < GetColCount(); ++i)
    SetCells(i, 0, CLFToLF(ColumnHeaders.Strings(i)));
}

void TExtStringGrid::ShowRowHeaders() {
  if (GetFixedColsEx() <= 0) return;
  for (int i = 0; i < RowHeaders.Count() && i < GetRowCount(); ++i)
    SetCells(0, i, CLFToLF(RowHeaders.Strings(i)));
}

// --- window and component life -------------------------------------------------------------

void TExtStringGrid::CreateWnd() {
  TBaseGrid::CreateWnd();
  if (GetParent()) SetTimer(kTimerId, kTimerMilliseconds);
  if (ColumnSize.Save) LoadColSizes();
}

void TExtStringGrid::SetCellChecker(TExtStringGridCheck* Value) {
  if (CellChecker == Value) return;
  if (CellChecker) CellChecker->RemoveFreeNotification(this);
  CellChecker = Value;
  if (Value) Value->FreeNotification(this);
}

void TExtStringGrid::Notification(TComponent* AComponent, TOperation Operation) {
  TBaseGrid::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == CellChecker) CellChecker = nullptr;
  // A notifier being freed is a pointer only: it is found by its address.
  if (Operation == opRemove)
    std::erase_if(notifiers_, [AComponent](TGridChangeNotifier* n) {
      return static_cast<TComponent*>(n) == AComponent;
    });
}

void TExtStringGrid::Loaded() {
  TBaseGrid::Loaded();
  ShowColumnHeaders();
  ShowRowHeaders();
  if (ColumnSize.Save) LoadColSizes();
}

void TExtStringGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const int rowHeight = GetDefaultRowHeight();
  if (integralHeight_ && rowHeight > 0) {
    const int rest = AHeight % rowHeight;
    if (GetVisibleColCount() + GetFixedCols() >= GetColCount())
      AHeight += rowHeight - rest - 1 - GetSystemMetrics(SM_CYHSCROLL);
    else if (rest != rowHeight - 1)
      AHeight -= rest + 1;  // a height already rounded stays
  }
  TBaseGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TExtStringGrid::Click() {
  TBaseGrid::Click();
  ClickPending = false;
  InitValidate(GetCol(), GetRow());
}

void TExtStringGrid::DoEnter() {
  TBaseGrid::DoEnter();
  SelectCell(GetCol(), GetRow());
  InitValidate(GetCol(), GetRow());
}
