// The download of a picture given by web address. Its work is empty: no bytes are fetched, so
// the picture stays empty and stays marked as downloading, which keeps a second load of the
// address from starting another.
#pragma once

#include "platform/core/text.h"

class THTMLPicture;

class TDownLoadThread {
 public:
  // Marks the picture's download as running; a thread that would touch nothing is not started.
  static void Start(THTMLPicture* Picture, const AnsiString& URL);
};
