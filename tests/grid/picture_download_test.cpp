// Pictures by web address, fetched from a server on this machine while the message loop runs.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include "components/grid/HTMLImage.h"
#include "components/grid/HTMLPicture.h"
#include "picture_samples.h"
#include "platform/controls/application.h"

namespace {

// Answers every request with one fixed response.
class LocalServer {
 public:
  LocalServer(const std::string& status, const std::vector<uint8_t>& body) {
    response_ = "HTTP/1.1 " + status +
                "\r\nContent-Type: image/gif\r\nContent-Length: " + std::to_string(body.size()) +
                "\r\nConnection: close\r\n\r\n";
    response_.append(body.begin(), body.end());
    EXPECT_TRUE(server_.listen(QHostAddress::LocalHost));
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      QTcpSocket* socket = server_.nextPendingConnection();
      QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
        request_ += socket->readAll();
        if (!request_.contains("\r\n\r\n")) return;
        ++requests;
        socket->write(response_.data(), static_cast<qint64>(response_.size()));
        socket->disconnectFromHost();
      });
    });
  }
  AnsiString Url(const char* path) const {
    return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + path;
  }
  int requests = 0;

 private:
  QTcpServer server_;
  std::string response_;
  QByteArray request_;
};

// Runs the message loop until the condition holds (or a generous while has passed).
template <typename Condition>
bool RunUntil(Condition done) {
  QElapsedTimer waited;
  waited.start();
  while (!done() && waited.elapsed() < 20000) {
    Application->ProcessMessages();
    QThread::msleep(1);
  }
  return done();
}

TEST(PictureDownload, APictureByAddressLoadsInTheBackground) {
  LocalServer server("200 OK", ThreeFrameGif());
  THTMLPicture picture;
  int completed = 0, changes = 0;
  int64_t lastSize = 0;
  picture.OnDownLoadComplete = [&](TObject*) { ++completed; };
  picture.OnDownLoadProgress = [&](TObject*, int64_t size, int64_t) { lastSize = size; };
  picture.OnChange = [&](TObject*) { ++changes; };
  picture.LoadFromURL(server.Url("/anim.gif"));
  EXPECT_TRUE(picture.GetDownloading());
  EXPECT_TRUE(picture.GetEmpty());               // nothing waits for the transfer
  picture.LoadFromURL(server.Url("/anim.gif"));  // one download at a time
  ASSERT_TRUE(RunUntil([&] { return completed > 0; }));
  EXPECT_FALSE(picture.GetDownloading());
  EXPECT_EQ(picture.GetFrameCount(), 3);
  EXPECT_EQ(picture.GetWidth(), 30);
  EXPECT_EQ(picture.GetID(), server.Url("/anim.gif"));
  EXPECT_EQ(lastSize, static_cast<int64_t>(ThreeFrameGif().size()));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(server.requests, 1);
}

TEST(PictureDownload, FailuresAreReportedAndThePictureStaysEmpty) {
  LocalServer missing("404 Not Found", {'n', 'o'});
  LocalServer garbage("200 OK", {'n', 'o', ' ', 'g', 'i', 'f'});
  for (LocalServer* server : {&missing, &garbage}) {
    THTMLImage image(nullptr);  // passes its picture's reports on
    std::vector<AnsiString> errors;
    image.OnDownLoadError = [&](TObject* sender, const AnsiString& message) {
      EXPECT_EQ(sender, &image);
      errors.push_back(message);
    };
    image.GetHTMLPicture()->LoadFromURL(server->Url("/x.gif"));
    ASSERT_TRUE(RunUntil([&] { return !errors.empty(); }));
    EXPECT_TRUE(image.GetHTMLPicture()->GetEmpty());
    EXPECT_FALSE(image.GetHTMLPicture()->GetDownloading());
    if (server == &garbage) {
      EXPECT_EQ(errors[0], "Could not load image. Invalid format");
    }
  }
}

TEST(PictureDownload, CancelAndFreeingEndTheDownload) {
  LocalServer server("200 OK", ThreeFrameGif());
  THTMLPicture cancelled;
  bool asked = false, completed = false;
  cancelled.OnDownLoadCancel = [&](TObject*, bool& cancel) { asked = cancel = true; };
  cancelled.OnDownLoadComplete = [&](TObject*) { completed = true; };
  cancelled.LoadFromURL(server.Url("/a.gif"));

  auto freed = std::make_unique<THTMLPicture>();
  freed->LoadFromURL(server.Url("/b.gif"));
  freed.reset();

  // A picture freed by its own progress report.
  auto selfFreed = std::make_unique<THTMLPicture>();
  selfFreed->OnDownLoadProgress = [&](TObject*, int64_t, int64_t) { selfFreed.reset(); };
  selfFreed->LoadFromURL(server.Url("/c.gif"));

  ASSERT_TRUE(RunUntil([&] { return asked && !selfFreed; }));
  EXPECT_FALSE(cancelled.GetDownloading());
  // Whatever else the server still sends reaches no picture.
  for (int i = 0; i < 200; ++i) {
    Application->ProcessMessages();
    QThread::msleep(1);
  }
  EXPECT_FALSE(completed);
  EXPECT_TRUE(cancelled.GetEmpty());
}

}  // namespace
