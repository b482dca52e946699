// The kinds the full grid's settings, hooks and events speak of: how a column sorts, the
// scroll hint and scroll bar kinds, the look of fixed cells, the wheel panning directions,
// how an editor shows and which borders a cell draws.
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

enum TCellBorder { cbTop, cbLeft, cbRight, cbBottom };
using TCellBorders = Set<TCellBorder>;

// How Find searches.
enum TFindParameter {
  fnMatchCase, fnMatchFull, fnMatchRegular, fnDirectionLeftRight, fnMatchStart,
  fnFindInCurrentRow, fnFindInCurrentCol, fnIncludeFixed, fnAutoGoto, fnIgnoreHTMLTags,
  fnBackward, fnIncludeHiddenColumns
};
using TFindParameters = Set<TFindParameter>;
