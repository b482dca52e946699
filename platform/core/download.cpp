#include "platform/core/download.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include "platform/core/qt/qt_text.h"

struct TDownload::Transfer {
  QNetworkAccessManager* manager = new QNetworkAccessManager;
  QNetworkReply* reply = nullptr;
  QMetaObject::Connection progress, finished;
};

TDownload::TDownload(const AnsiString& url) : transfer_(std::make_unique<Transfer>()) {
  QNetworkRequest request{QUrl(ToQString(url))};
  QNetworkReply* reply = transfer_->manager->get(request);
  transfer_->reply = reply;
  // The handlers copy what they need first: the event they fire may free this download.
  transfer_->progress = QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                                         [this](qint64 received, qint64 total) {
                                           if (auto onProgress = OnProgress)
                                             onProgress(received, total);
                                         });
  transfer_->finished = QObject::connect(reply, &QNetworkReply::finished, reply, [this, reply] {
    if (reply->error() != QNetworkReply::NoError) {
      if (auto onError = OnError) onError(FromQString(reply->errorString()));
      return;
    }
    QByteArray bytes = reply->readAll();
    std::vector<uint8_t> data(bytes.begin(), bytes.end());
    if (auto onComplete = OnComplete) onComplete(data);
  });
}

TDownload::~TDownload() {
  // Qt's objects may be inside their own signal: they go once the event loop is back.
  QNetworkReply* reply = transfer_->reply;
  QObject::disconnect(transfer_->progress);
  QObject::disconnect(transfer_->finished);
  if (reply->isRunning()) reply->abort();
  reply->deleteLater();
  transfer_->manager->deleteLater();
}
