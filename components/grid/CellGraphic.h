// What a cell shows besides its text: a bitmap, an icon, a check box, a tree node's button, a
// radio group and the other kinds of TCellType. The graphic lives in the cell's properties
// object, which frees it, so it moves with the cell. A graphic that made its object itself
// (CellCreated) frees it too.
#pragma once

#include <cstdint>

#include "platform/core/object.h"
#include "platform/core/text.h"

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

class TCellGraphic : public TObject {
 public:
  TCellGraphic() = default;
  TCellGraphic(const TCellGraphic&) = delete;
  TCellGraphic& operator=(const TCellGraphic&) = delete;
  ~TCellGraphic() override;

  // Everything but the objects.
  void Assign(const TCellGraphic& Source);

  TCellType CellType = ctNone;
  TObject* CellBitmap = nullptr;  // the bitmap, picture, radio captions or image list
  TObject* CellIcon = nullptr;
  TCellVAlign CellVAlign = vaTop;
  TCellHAlign CellHAlign = haLeft;
  int32_t CellIndex = 0;
  bool CellTransparent = false;
  bool CellCreated = false;
  bool CellBoolean = false;
  int32_t CellAngle = 0;
  double CellValue = 0;
  int16_t CellErrFrom = 0;
  int16_t CellErrLen = 0;
  AnsiString CellText;
};
