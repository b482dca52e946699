// THTMLPictureCache: the pictures of HTML text given by address, kept so that each address is
// loaded once. The cache owns its pictures.
#pragma once

#include <memory>
#include <vector>

#include "components/grid/html/HTMLPicture.h"

class THTMLPictureCache {
 public:
  // A new empty picture at the end.
  THTMLPicture* AddPicture();
  // The first picture whose identifier is ID exactly, or null.
  THTMLPicture* FindPicture(const AnsiString& ID) const;
  int Count() const { return static_cast<int>(pictures_.size()); }
  THTMLPicture* GetPicture(int Index) const { return pictures_.at(Index).get(); }
  // Puts the picture in place of the one at Index, which is freed.
  void SetPicture(int Index, std::unique_ptr<THTMLPicture> Picture);
  void ClearPictures() { pictures_.clear(); }
  // One animation tick for every picture: true when any showed another frame.
  bool Animate();

 private:
  std::vector<std::unique_ptr<THTMLPicture>> pictures_;
};
