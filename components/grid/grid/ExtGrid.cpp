// TExtStringGrid: construction, the settings it holds, and the window and component life.
#include "components/grid/grid/ExtGrid.h"

#include <algorithm>

#include "components/grid/controls/ExtXPVS.h"
#include "components/grid/core/ColumnMap.h"
#include "components/grid/core/FindFilterState.h"
#include "components/grid/core/GridUtil.h"
#include "components/grid/core/SortState.h"
#include "components/grid/grid/ExtGridCheck.h"
#include "components/grid/grid/ExtGridCoreState.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/FormResize.h"
#include "components/grid/grid/cells/LineState.h"
#include "components/grid/grid/dragdrop/OleDrag.h"
#include "components/grid/grid/dragdrop/esgdd.h"
#include "components/grid/grid/editing/GridEditors.h"
#include "components/grid/grid/files/ClipState.h"
#include "components/grid/grid/input/InputState.h"
#include "components/grid/grid/input/Mouse.h"
#include "components/grid/grid/paint/PaintState.h"
#include "components/grid/grid/printing/PrintState.h"
#include "components/grid/html/HTMLHintWindow.h"
#include "platform/controls/application.h"
#include "platform/winapi/system_metrics.h"

namespace {
constexpr int kTimerId = 111;
constexpr int kTimerMilliseconds = 500;
}  // namespace

TExtStringGrid::Private::Private()
    : edit(std::make_unique<TGridEditState>()),
      editors(std::make_unique<TGridEditors>()),
      core(std::make_unique<CoreState>()),
      paint(std::make_unique<PaintState>()),
      lines(std::make_unique<LineState>()),
      input(std::make_unique<InputState>()),
      clip(std::make_unique<ClipState>()),
      sort(std::make_unique<TSortState>()),
      columns(std::make_unique<TColumnMap>()),
      find(std::make_unique<TFindFilterState>()),
      print(std::make_unique<TPrintState>()) {}

TExtStringGrid::Private::~Private() = default;

TExtStringGrid::TExtStringGrid(TComponent* AOwner)
    : TBaseGrid(AOwner),
      ScrollWidth(GetSystemMetrics(SM_CXVSCROLL)),
      IsWinXP(ThemeAvailable()),
      WheelLines(WheelScrollLines()),
      d_(std::make_unique<Private>()) {
  // Both are owned by the grid as its children; the state keeps them for the grid's files.
  d_->paint->FooterPanel = new TFooterPanel(this, this);
  d_->input->HintWindow = new THTMLHintWindow(this);
  const TNotifyEvent repaint = [this](TObject*) { Invalidate(); };
  for (TGridSettings* settings : std::initializer_list<TGridSettings*>{
           &SortSettings, &ControlLook, &CellNode, &Bands, &BackGround})
    settings->OnChange = repaint;
  ColumnHeaders.OnChange = [this](TObject*) { ShowColumnHeaders(); };
  RowHeaders.OnChange = [this](TObject*) { ShowRowHeaders(); };
  d_->paint->FixedFont->SetName("Tahoma");
  d_->paint->FixedFont->OnChange = repaint;
  GetFont()->SetName("Tahoma");
  d_->paint->ActiveCellFont->SetStyle(fsBold);
  d_->paint->ActiveCellFont->OnChange = repaint;
  SetDefaultRowHeight(21);
  d_->paint->FooterPanel->SetParent(this);
  FormResize(*this).TakeOver();
  OleDrag(*this).InitOleDragDrop();
}

TExtStringGrid::~TExtStringGrid() {
  if (ColumnSize.Save) Application->HandleEvent([this] { SaveColSizes(); });
  FormResize(*this).HandBack();
  Mouse(*this).EndMoveDisplay();  // freed during a move: the drag cursor must not outlive it
}

const TGridEditors& TExtStringGrid::GetEditors() const { return *d_->editors; }
TGridOleState& TExtStringGrid::OleState() { return *d_->ole; }

int TExtStringGrid::GetFixedRowsEx() const {
  return GetFixedRows() == 0 && FixedRowAlways ? 1 : GetFixedRows();
}

int TExtStringGrid::GetFixedColsEx() const {
  return GetFixedCols() == 0 && FixedColAlways ? 1 : GetFixedCols();
}

void TExtStringGrid::RegisterNotifier(TGridChangeNotifier* Notifier) {
  if (!Notifier || std::find(d_->core->Notifiers.begin(), d_->core->Notifiers.end(), Notifier) !=
                       d_->core->Notifiers.end())
    return;
  d_->core->Notifiers.push_back(Notifier);
  Notifier->FreeNotification(this);
}

void TExtStringGrid::UnRegisterNotifier(TGridChangeNotifier* Notifier) {
  if (std::erase(d_->core->Notifiers, Notifier) > 0) Notifier->RemoveFreeNotification(this);
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
    std::erase_if(d_->core->Notifiers, [AComponent](TGridChangeNotifier* n) {
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
  if (d_->lines->IntegralHeight && rowHeight > 0) {
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
