// TPictureContainer: a component holding named pictures, which HTML text shows by name
// (<IMG SRC="NAME">).
#pragma once

#include <memory>

#include "components/grid/html/GridCollection.h"
#include "components/grid/html/HTMLPicture.h"
#include "platform/core/component.h"

class TPictureItem {
 public:
  TPictureItem();
  THTMLPicture* GetPicture() const { return picture_.get(); }
  void SetPicture(const THTMLPicture* Value) { picture_->Assign(Value); }
  // Name, Tag and the picture.
  void Assign(const TPictureItem& Source);

  AnsiString Name;
  int Tag = 0;

 private:
  std::unique_ptr<THTMLPicture> picture_;
};

class TPictureCollection {
 public:
  explicit TPictureCollection(TComponent* AOwner) : owner_(AOwner) {}
  TPictureItem* Add() { return items_.Add(); }
  TPictureItem* Insert(int Index) { return items_.Insert(Index); }
  int Count() const { return items_.Count(); }
  TPictureItem* GetItem(int Index) const { return items_.Items(Index); }
  void SetItem(int Index, const TPictureItem* Value) { GetItem(Index)->Assign(*Value); }
  void Delete(int Index) { items_.Delete(Index); }
  void Clear() { items_.Clear(); }
  TComponent* GetOwner() const { return owner_; }
  // One animation tick for every item's picture: true when any showed another frame.
  bool Animate();

 private:
  TComponent* owner_;
  TGridCollection<TPictureItem> items_;
};

class TPictureContainer : public TComponent {
 public:
  explicit TPictureContainer(TComponent* AOwner) : TComponent(AOwner), items_(this) {}

  TPictureCollection* GetItems() { return &items_; }
  // The first item's picture whose Name, upper-cased, is Name (which callers give in upper
  // case), or null.
  THTMLPicture* FindPicture(const AnsiString& Name) const;

 private:
  TPictureCollection items_;
};
