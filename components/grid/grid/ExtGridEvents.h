// The event types of the full grid. Sender comes first in each; a parameter the handler may
// change is a reference. Events that may refuse carry a flag that starts true.
#pragma once

#include <cstdint>
#include <functional>

#include "components/grid/core/BaseGridTypes.h"
#include "components/grid/core/ExtGridTypes.h"
#include "platform/controls/control.h"
#include "platform/core/datetime.h"
#include "platform/graphics/geometry.h"
#include "platform/grids/grid_types.h"

class TBrush;
class TCanvas;
class TEditLink;
class TFont;
class TPen;

// Editors and their controls.
using TGetEditorTypeEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TEditorType& AEditor)>;
using TGetEditorPropEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TEditLink* AEditLink)>;
using TEllipsClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, AnsiString& S)>;
using TButtonClickEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TCheckBoxClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool State)>;
using TRadioClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AIdx)>;
using TComboChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex,
                                             const AnsiString& ASelection)>;
using TComboObjectChangeEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex,
                       const AnsiString& ASelection, TObject* AObject)>;
using TSpinClickEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown)>;
using TFloatSpinClickEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, double AValue, bool UpDown)>;
using TDateTimeSpinClickEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TDateTime AValue, bool UpDown)>;

// Rows and columns added, removed, moved and sized.
using TCanInsertRowEvent = std::function<void(TObject* Sender, int ARow, bool& CanInsert)>;
using TAutoInsertRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TCanAddRowEvent = std::function<void(TObject* Sender, bool& CanAdd)>;
using TAutoAddRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TCanDeleteRowEvent = std::function<void(TObject* Sender, int ARow, bool& CanDelete)>;
using TAutoDeleteRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TAutoInsertColEvent = std::function<void(TObject* Sender, int ACol)>;
using TColumnSizeEvent = std::function<void(TObject* Sender, int ACol, bool& Allow)>;
using TRowSizeEvent = std::function<void(TObject* Sender, int ARow, bool& Allow)>;
using TEndColumnSizeEvent = std::function<void(TObject* Sender, int ACol)>;
using TUpdateColumnSizeEvent = std::function<void(TObject* Sender, int ACol, int& AWidth)>;
using TEndRowSizeEvent = std::function<void(TObject* Sender, int ARow)>;

// Progress, clipboard, sorting and nodes.
using TGridProgressEvent = std::function<void(TObject* Sender, int16_t Progress)>;
using TClipboardEvent = std::function<void(TObject* Sender, bool& Allow)>;
using TClickSortEvent = std::function<void(TObject* Sender, int ACol)>;
using TCanSortEvent = std::function<void(TObject* Sender, int ACol, bool& DoSort)>;
using TNodeClickEvent = std::function<void(TObject* Sender, int ARow, int ARowReal)>;
using TCustomCompareEvent = std::function<void(TObject* Sender, const AnsiString& Str1,
                                               const AnsiString& Str2, int& Result)>;
using TRawCompareEvent =
    std::function<void(TObject* Sender, int ACol, int Row1, int Row2, int& Result)>;

// The look of a cell: the built-in rule first, then the event.
using TGridFormatEvent = std::function<void(TObject* Sender, int ACol, TSortStyle& AStyle,
                                            AnsiString& APrefix, AnsiString& ASuffix)>;
using TGridColorEvent = std::function<void(TObject* Sender, int ARow, int ACol,
                                           TGridDrawState AState, TBrush* ABrush, TFont* AFont)>;
using TGridBorderEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TPen* APen, TCellBorders& Borders)>;
using TGridBorderPropEvent = std::function<void(TObject* Sender, int ARow, int ACol, TPen* LeftPen,
                                                TPen* TopPen, TPen* RightPen, TPen* BottomPen)>;
using TGridAlignEvent = std::function<void(TObject* Sender, int ARow, int ACol, TAlignment& HAlign,
                                           TVAlignment& VAlign)>;
using TGridHintEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, AnsiString& HintStr)>;
using TScrollHintEvent = std::function<void(TObject* Sender, int ARow, AnsiString& HintStr)>;
using TCustomCellDrawEvent =
    std::function<void(TObject* Sender, TCanvas* Canvas, int ACol, int ARow, TGridDrawState AState,
                       TRect ARect, bool Printing)>;
using TCustomCellSizeEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int ACol,
                                                int ARow, TPoint& ASize, bool Printing)>;

// Drag and drop between programs.
using TOleDragDropEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const AnsiString& Data, bool& Allow)>;
using TOleDragOverEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)>;
using TOleDragStartEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TOleDragStopEvent = std::function<void(TObject* Sender, int OLEEffect)>;
using TOleDropColEvent = std::function<void(TObject* Sender, int ARow, int ACol, int DropCol)>;
using TOleDroppedEvent = std::function<void(TObject* Sender, TGridRect ARect)>;

// Moving between cells, and the cells themselves.
using TRowChangingEvent = std::function<void(TObject* Sender, int OldRow, int NewRow, bool& Allow)>;
using TColChangingEvent = std::function<void(TObject* Sender, int OldCol, int NewCol, bool& Allow)>;
using TCellChangingEvent = std::function<void(TObject* Sender, int OldRow, int OldCol, int NewRow,
                                              int NewCol, bool& Allow)>;
using TClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TDblClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TCanEditCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& CanEdit)>;
using TIsFixedCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& IsFixed)>;
using TIsPasswordCellEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, bool& IsPassword)>;
using TCellValidateEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, AnsiString& Value, bool& Valid)>;
using TCellsChangedEvent = std::function<void(TObject* Sender, TRect R)>;
using TGetCheckEvent = std::function<void(TObject* Sender, int ACol, int ARow, AnsiString& Value)>;

// Anchors of HTML cell text.
using TAnchorClickEvent = std::function<void(TObject* Sender, int ARow, int ACol,
                                             const AnsiString& Anchor, bool& AutoHandle)>;
using TAnchorHintEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, AnsiString& Anchor)>;
using TAnchorEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const AnsiString& Anchor)>;

// Printing.
using TGridPrintPageEvent =
    std::function<void(TObject* Sender, TCanvas* Canvas, int PageNr, int PageXSize, int PageYSize)>;
using TGridPrintStartEvent =
    std::function<void(TObject* Sender, int NrOfPages, int& FromPage, int& ToPage)>;
using TGridPrintPageDoneEvent =
    std::function<void(TObject* Sender, TCanvas* Canvas, int LastRow, int LastRowOffset,
                       int LastPage, int PageXSize, int PageYSize)>;
using TGridPrintNewPageEvent = std::function<void(TObject* Sender, int ARow, bool& NewPage)>;
using TGridPrintColumnWidthEvent = std::function<void(TObject* Sender, int ACol, int& Width)>;
using TGridPrintRowHeightEvent = std::function<void(TObject* Sender, int ARow, int& Height)>;
using TDoFitToPageEvent = std::function<void(TObject* Sender, double& ScaleFactor, bool& Allow)>;
