#include "components/grid/DownLoadThread.h"

#include "components/grid/HTMLPicture.h"

void TDownLoadThread::Start(THTMLPicture* Picture, const AnsiString& URL) {
  Picture->download_ = new TDownLoadThread(Picture, URL);
  Picture->downloading_ = true;
}

TDownLoadThread::TDownLoadThread(THTMLPicture* Picture, const AnsiString& URL)
    : picture_(Picture), download_(std::make_unique<TDownload>(URL)) {
  // The picture's events may free the picture (which abandons this download) or end the
  // download: the handlers look at picture_ again after each one.
  download_->OnProgress = [this](int64_t received, int64_t total) {
    reporting_ = true;
    picture_->DownLoadProgress(received, total);
    bool cancel = false;
    if (picture_) picture_->DownLoadCancel(cancel);
    reporting_ = false;
    if (!picture_) return delete this;
    if (cancel) Finish([](THTMLPicture&) {});
  };
  download_->OnComplete = [this](std::vector<uint8_t>& data) {
    std::vector<uint8_t> bytes = std::move(data);
    Finish([&bytes](THTMLPicture& picture) { picture.Downloaded(bytes); });
  };
  download_->OnError = [this](const AnsiString& message) {
    Finish([&message](THTMLPicture& picture) { picture.DownLoadError(message); });
  };
}

void TDownLoadThread::Abandon() {
  picture_ = nullptr;
  if (!reporting_) delete this;
}

// Lets go of the picture and frees the download before the last report, so that the report's
// handlers find the picture free to load again or to be freed.
void TDownLoadThread::Finish(const std::function<void(THTMLPicture&)>& Report) {
  THTMLPicture* picture = picture_;
  picture->DownloadEnded();
  delete this;
  Report(*picture);
}
