// The shell's system image lists: the desktop's file icons, one entry per kind of file, from
// the icon theme through Qt; small icons 16 and large ones 32 pixels square.
#pragma once

#include "platform/core/text.h"
#include "platform/graphics/imagelist.h"

TImageList* ShellImageList(bool Large);
// The entry of the file's kind in both lists, added at first sight: an existing file or
// folder by what it is, any other name by its extension. -1 when the desktop has no icon.
int ShellIconIndex(const AnsiString& FileName);
