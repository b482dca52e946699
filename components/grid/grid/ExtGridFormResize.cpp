// TExtStringGrid: the owner form's OnResize, taken over while the grid lives. The form calls
// a hook that holds a link, not the grid: when the grid goes first, the link passes the call
// on to the handler the grid found, so a form with two grids keeps a sound chain whichever
// grid is freed first.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridCoreState.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/FormResize.h"
#include "platform/controls/forms.h"

class FormResizeLink {
 public:
  // gridResize: the grid's own resize, released by Detach when the grid goes.
  FormResizeLink(TNotifyEvent gridResize, TNotifyEvent previous)
      : gridResize_(std::move(gridResize)), previous_(std::move(previous)) {}

  void Resize(TObject* Sender) const {
    if (gridResize_)
      gridResize_(Sender);
    else if (previous_)
      previous_(Sender);
  }
  void RunPrevious(TObject* Sender) const {
    if (previous_) previous_(Sender);
  }
  const TNotifyEvent& Previous() const { return previous_; }
  void Detach() { gridResize_ = nullptr; }

 private:
  TNotifyEvent gridResize_;
  TNotifyEvent previous_;
};

namespace {

struct FormResizeHook {
  std::shared_ptr<FormResizeLink> link;
  void operator()(TObject* Sender) const { link->Resize(Sender); }
};

// The owner when it is a form; none while the owner is being freed (its events are gone).
TForm* OwnerForm(const TComponent& grid) {
  auto* form = dynamic_cast<TForm*>(grid.GetOwner());
  return form && !form->GetComponentState().Contains(csDestroying) ? form : nullptr;
}

}  // namespace

void TExtStringGrid::FormResize::TakeOver() {
  TForm* form = OwnerForm(g);
  if (!form || form->GetComponentState().Contains(csDesigning)) return;
  // The handler keeps the grid, not this object, which lives only for the call.
  g.d_->core->FormResize = std::make_shared<FormResizeLink>(
      [grid = &g](TObject* Sender) { grid->GridResize(Sender); }, form->OnResize);
  form->OnResize = FormResizeHook{g.d_->core->FormResize};
  g.d_->core->FormSize = {form->GetWidth(), form->GetHeight()};
}

void TExtStringGrid::FormResize::HandBack() {
  if (!g.d_->core->FormResize) return;
  g.d_->core->FormResize->Detach();
  TForm* form = OwnerForm(g);
  if (!form) return;
  const FormResizeHook* hook = form->OnResize.target<FormResizeHook>();
  if (hook && hook->link == g.d_->core->FormResize)
    form->OnResize = g.d_->core->FormResize->Previous();
}

// The grid takes up what the form gained or lost since its last resize; a size that would
// not stay positive is left.
void TExtStringGrid::GridResize(TObject* Sender) {
  auto* form = dynamic_cast<TForm*>(Sender);
  if (form && !GetComponentState().Contains(csDesigning)) {
    const TPoint size{form->GetWidth(), form->GetHeight()};
    if (SizeWithForm) {
      const int width = GetWidth() + size.x - d_->core->FormSize.x;
      const int height = GetHeight() + size.y - d_->core->FormSize.y;
      SetBounds(GetLeft(), GetTop(), width > 0 ? width : GetWidth(),
                height > 0 ? height : GetHeight());
    }
    d_->core->FormSize = size;
  }
  // The form's own handler must not stop the grid's resizing.
  try {
    if (d_->core->FormResize) d_->core->FormResize->RunPrevious(Sender);
  } catch (...) {
  }
  StretchColumn(ColumnSize.StretchColumn);
}
