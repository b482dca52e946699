// Horizontal alignment of a control's or a cell's text, as the class library names it.
#pragma once

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
