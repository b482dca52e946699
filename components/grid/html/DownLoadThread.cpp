#include "components/grid/html/DownLoadThread.h"

#include "components/grid/html/HTMLPicture.h"

void TDownLoadThread::Start(THTMLPicture* Picture, const AnsiString&) {
  Picture->downloading_ = true;
}
