#include "components/grid/html/HTMLPictureCache.h"

THTMLPicture* THTMLPictureCache::AddPicture() {
  return pictures_.emplace_back(std::make_unique<THTMLPicture>()).get();
}

THTMLPicture* THTMLPictureCache::FindPicture(const AnsiString& ID) const {
  for (const auto& picture : pictures_)
    if (picture->GetID() == ID) return picture.get();
  return nullptr;
}

void THTMLPictureCache::SetPicture(int Index, std::unique_ptr<THTMLPicture> Picture) {
  pictures_.at(Index) = std::move(Picture);
}

bool THTMLPictureCache::Animate() {
  bool changed = false;
  for (const auto& picture : pictures_) changed = picture->Step() || changed;
  return changed;
}
