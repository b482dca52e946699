// What a cell shows besides its text: a bitmap, an icon, a check box, a tree node's button, a
// radio group and the other kinds of TCellType. The graphic is owned by the cell's
// properties object, which frees it, so it moves with the cell. A graphic that created its
// object itself (CellCreated) owns and frees it too; an image index list is always owned.
//
// The fields are plain so that a stream can write and read them directly; the objects are
// not copied by Assign.
#pragma once

#include <cstdint>

#include "components/grid/core/IntList.h"
#include "platform/core/object.h"
#include "platform/core/text.h"
#include "platform/graphics/color.h"
#include "platform/graphics/geometry.h"

class TBitmap;
class TFilePicture;
class TIcon;
class TPicture;

enum TCellType : uint8_t {
  ctBitmap,
  ctIcon,
  ctNone,
  ctImageList,
  ctCheckBox,
  ctDataCheckBox,
  ctRotated,
  ctDataImage,
  ctNode,
  ctRadio,
  ctEmpty,
  ctImages,
  ctPicture,
  ctFilePicture,
  ctValue,
  ctProgress,
  ctComment,
  ctButton,
  ctBitButton
};
enum TCellVAlign : uint8_t { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TCellHAlign : uint8_t { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TStretchMode : uint8_t {
  noStretch,
  Stretch,
  StretchWithAspectRatio,
  Shrink,
  ShrinkWithAspectRatio
};

class TCellGraphic : public TObject {
 public:
  TCellGraphic() = default;
  TCellGraphic(const TCellGraphic&) = delete;
  TCellGraphic& operator=(const TCellGraphic&) = delete;
  ~TCellGraphic() override;

  // Everything but the objects.
  void Assign(const TCellGraphic& Source);

  // Each sets the type, its fields and the alignment; the caller keeps ownership of the
  // objects given unless CellCreated is set.
  void SetBitmap(TBitmap* Bitmap, bool Transparent, TCellHAlign HAlign, TCellVAlign VAlign);
  void SetIcon(TIcon* Icon, TCellHAlign HAlign, TCellVAlign VAlign);
  void SetImageIdx(int Idx, TCellHAlign HAlign, TCellVAlign VAlign);
  // Idx is added to the cell's integer value.
  void SetDataImage(int Idx, TCellHAlign HAlign, TCellVAlign VAlign);
  // A new index list of its own for the cell, horizontal for Dir 0, telling Notifier of each
  // change.
  void SetMultiImage(int Col, int Row, int Dir, TCellHAlign HAlign, TCellVAlign VAlign,
                     TImageChangeEvent Notifier);
  void SetCheckBox(bool Value, bool Data, bool Transparent, TCellHAlign HAlign, TCellVAlign VAlign);
  void SetButton(int W, int H, const AnsiString& Caption, TCellHAlign HAlign, TCellVAlign VAlign);
  void SetBitButton(int W, int H, const AnsiString& Caption, TBitmap* Glyph, TCellHAlign HAlign,
                    TCellVAlign VAlign);
  void SetPicture(TPicture* Picture, bool Transparent, TStretchMode StretchMode, int Value,
                  TCellHAlign HAlign, TCellVAlign VAlign);
  void SetFilePicture(TFilePicture* Picture, bool Transparent, TStretchMode StretchMode, int Value,
                      TCellHAlign HAlign, TCellVAlign VAlign);
  // The angle in 0..360: -90 is 270, 720 is 360.
  void SetAngle(int Angle);

  // The size a picture or file picture takes in a cell of that size by its stretch mode;
  // 0 x 0 for other kinds.
  TSize GetPictureSize(int CellWidth, int CellHeight) const;

  // The objects by kind; null when the graphic is of another kind.
  TBitmap* GetBitmap() const;  // ctBitmap, or the glyph of ctBitButton
  TIcon* GetIcon() const;
  TPicture* GetPicture() const;
  TFilePicture* GetFilePicture() const;
  TIntList* GetImages() const;
  TStretchMode GetStretchMode() const { return static_cast<TStretchMode>(CellAngle); }
  // The button's size as SetButton packs it into CellIndex.
  int ButtonWidth() const { return CellIndex & 0xFFFF; }
  int ButtonHeight() const { return (CellIndex >> 16) & 0xFFFF; }

  TCellType CellType = ctNone;
  // The bitmap, picture, file picture, radio captions or image index list.
  TObject* CellBitmap = nullptr;
  TObject* CellIcon = nullptr;
  TCellVAlign CellVAlign = vaTop;
  TCellHAlign CellHAlign = haLeft;
  // Image index; button size (width low, height high 16 bits); a picture's value; the
  // progress text colour (extended form); the selected radio item; a node's span.
  int32_t CellIndex = 0;
  bool CellTransparent = false;
  bool CellCreated = false;
  // Checked; node contracted; button down; images or radio horizontal; progress extended.
  bool CellBoolean = false;
  // Degrees; a picture's stretch mode; the progress background text colour (extended form);
  // the radio item count.
  int32_t CellAngle = 0;
  double CellValue = 0;  // a button's offset in its cell: x low, y high 16 bits
  int16_t CellErrFrom = 0;
  int16_t CellErrLen = 0;
  AnsiString CellText;  // button caption, comment
  // A progress bar's colour and the colour of the rest of the bar.
  TColor CellColor = clNone;
  TColor CellColor2 = clNone;

 private:
  void Place(TCellType Type, TCellHAlign HAlign, TCellVAlign VAlign);
};
