// The kinds the full grid's settings, hooks and events speak of: how a column sorts, the
// scroll hint and scroll bar kinds, the look of fixed cells, the wheel panning directions,
// how an editor shows, which borders a cell draws and what a press of the mouse will do.
#pragma once

#include "platform/core/set.h"

enum TSortStyle {
  ssAutomatic, ssAlphabetic, ssNumeric, ssDate, ssAlphaNoCase, ssAlphaCase, ssShortDateEU,
  ssShortDateUS, ssCustom, ssFinancial, ssAnsiAlphaCase, ssAnsiAlphaNoCase, ssRaw, ssHTML,
  ssImages
};

enum TScrollHintType { shNone, shVertical, shHorizontal, shBoth };
enum TScrollType { ssNormal, ssFlat, ssEncarta };
enum TGridLook { glStandard, glSoft, glClassic, glOrvik };
enum TIntelliPan { ipVertical, ipHorizontal, ipBoth, ipNone };
enum TEditStyle { esInplace, esPopup };
// What a left press at the mouse's place does: select whole columns, rows or all from the
// fixed cells, follow a link, or drag the selection's resizer handle.
enum TMouseSelectMode { msNormal, msColumn, msRow, msAll, msURL, msResize };

enum TCellBorder { cbTop, cbLeft, cbRight, cbBottom };
using TCellBorders = Set<TCellBorder>;

// How Find searches.
enum TFindParameter {
  fnMatchCase, fnMatchFull, fnMatchRegular, fnDirectionLeftRight, fnMatchStart,
  fnFindInCurrentRow, fnFindInCurrentCol, fnIncludeFixed, fnAutoGoto, fnIgnoreHTMLTags,
  fnBackward, fnIncludeHiddenColumns
};
using TFindParameters = Set<TFindParameter>;
