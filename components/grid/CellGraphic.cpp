#include "components/grid/CellGraphic.h"

TCellGraphic::~TCellGraphic() {
  if (CellType == ctImages) delete CellBitmap;  // its index list is always its own
  if (!CellCreated) return;
  switch (CellType) {
    case ctBitmap:
    case ctRadio:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton:
      delete CellBitmap;
      break;
    case ctIcon:
      delete CellIcon;
      break;
    default:
      break;
  }
}

void TCellGraphic::Assign(const TCellGraphic& Source) {
  CellType = Source.CellType;
  CellVAlign = Source.CellVAlign;
  CellHAlign = Source.CellHAlign;
  CellIndex = Source.CellIndex;
  CellTransparent = Source.CellTransparent;
  CellCreated = Source.CellCreated;
  CellBoolean = Source.CellBoolean;
  CellAngle = Source.CellAngle;
  CellValue = Source.CellValue;
  CellErrFrom = Source.CellErrFrom;
  CellErrLen = Source.CellErrLen;
  CellText = Source.CellText;
}
