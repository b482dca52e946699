#include "components/grid/html/PictureContainer.h"

TPictureItem::TPictureItem() : picture_(std::make_unique<THTMLPicture>()) {}

void TPictureItem::Assign(const TPictureItem& Source) {
  if (&Source == this) return;
  Name = Source.Name;
  Tag = Source.Tag;
  SetPicture(Source.GetPicture());
}

bool TPictureCollection::Animate() {
  bool changed = false;
  for (int i = 0; i < Count(); ++i) changed = GetItem(i)->GetPicture()->Step() || changed;
  return changed;
}

THTMLPicture* TPictureContainer::FindPicture(const AnsiString& Name) const {
  for (int i = 0; i < items_.Count(); ++i)
    if (UpperCase(items_.GetItem(i)->Name) == Name) return items_.GetItem(i)->GetPicture();
  return nullptr;
}
