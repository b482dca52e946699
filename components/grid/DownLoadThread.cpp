#include "components/grid/DownLoadThread.h"

#include "components/grid/HTMLPicture.h"

void TDownLoadThread::Start(THTMLPicture* Picture, const AnsiString&) {
  Picture->downloading_ = true;
}
