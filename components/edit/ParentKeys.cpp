#include "components/edit/ParentKeys.h"

void PostKeyToParent(TWinControl& Edit, WORD Key) {
  if (!Edit.GetParent()) return;
  PostMessage(Edit.GetParent()->GetHandle(), WM_KEYDOWN, Key, 0);
  PostMessage(Edit.GetParent()->GetHandle(), WM_KEYUP, Key, 0);
}
