// THTMLPicture: a picture of HTML cell text. It keeps the bytes it was loaded from, decodes
// any format the platform's image readers know (BMP, GIF, JPEG, PNG, icons), can show single
// frames of an animated GIF, and is found by address: a program resource, a file, or a web
// address fetched in the background.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/core/notify_event.h"
#include "platform/core/resource.h"
#include "platform/core/stream.h"
#include "platform/graphics/graphic.h"

class TDownLoadThread;
class TPicture;

// Bytes received so far and in all (-1 while unknown).
using TDownLoadProgressEvent =
    std::function<void(TObject* Sender, int64_t dwSize, int64_t dwTotSize)>;
// Asked while a download runs; setting Cancel ends it.
using TDownLoadCancelEvent = std::function<void(TObject* Sender, bool& Cancel)>;
using TDownLoadErrorEvent = std::function<void(TObject* Sender, const AnsiString& ErrorMessage)>;

class THTMLPicture : public TGraphic {
 public:
  THTMLPicture();
  ~THTMLPicture() override;
  THTMLPicture(const THTMLPicture&) = delete;
  THTMLPicture& operator=(const THTMLPicture&) = delete;

  // Loading copies the bytes and decodes them; undecodable bytes raise Exception ("Could not
  // load image. Invalid format") and leave the picture as it was.
  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) override;
  // The same without the change notice, for the component streaming.
  void ReadData(TStream& Stream);
  void WriteData(TStream& Stream);
  // Loads the RCDATA resource of that name (number) when the program has one.
  void LoadFromResourceName(HINSTANCE Instance, const AnsiString& Name);
  void LoadFromResourceID(HINSTANCE Instance, int ResID);
  // "RES://name" a resource, "FILE://path" a file (the prefixes in any case); any other
  // address is fetched in the background when Asynchronous is on. The address becomes the
  // picture's identifier, which the picture cache finds it by.
  void LoadFromURL(const AnsiString& URL);
  // From another HTML picture (its data, decoded anew at frame 1); null empties the picture.
  void Assign(const TGraphic* Source) override;
  // Natural size at the canvas's resolution from Rect's top left, or stretched into Rect.
  void Draw(TCanvas& Canvas, const TRect& Rect) override;

  bool GetEmpty() const override { return empty_; }
  // The decoded size at the picture's resolution; 0 when nothing is decoded.
  int GetWidth() const override;
  int GetHeight() const override;
  void SetResolution(int X, int Y);
  // The GIF's logical screen where it has one, else the picture's size.
  int GetMaxWidth() const;
  int GetMaxHeight() const;
  bool GetStretch() const { return stretch_; }
  void SetStretch(bool Value) { stretch_ = Value; }
  bool GetAsynchronous() const { return asynch_; }
  void SetAsynchronous(bool Value) { asynch_ = Value; }
  bool GetDownloading() const { return downloading_; }
  const AnsiString& GetURL() const { return url_; }
  const AnsiString& GetID() const { return id_; }
  void SetID(const AnsiString& Value) { id_ = Value; }
  void LoadFromClipboardFormat() {}
  void SaveToClipboardFormat() {}

  // Frames ---------------------------------------------------------------------------------
  bool IsGIFFile() const;
  // GIF frames (counted once per data); -1 for other data.
  int GetFrameCount();
  // The frame's delay in hundredths of a second (-1 when there is no such frame); the
  // frame's transparency and disposal method are kept.
  int GetFrameTime(int Frame);
  int GetFrame() const { return frame_; }
  // Shows another frame (1-based); one the data does not have is refused.
  void SetFrame(int Value);
  void FrameNext();  // after the last comes the first
  void FramePrev();  // before the first comes the last
  // Where the current frame lies on the GIF's logical screen.
  int GetFrameXPos() const { return frameRect_.Left; }
  int GetFrameYPos() const { return frameRect_.Top; }
  int GetFrameXSize() const { return frameRect_.Width(); }
  int GetFrameYSize() const { return frameRect_.Height(); }
  bool GetFrameTransp() const { return frameTransp_; }
  int GetFrameDisposal() const { return frameDisposal_; }
  // One tick of animation (a tenth of a second): true when the frame changed.
  bool Step();

  TNotifyEvent OnFrameChange;
  TDownLoadProgressEvent OnDownLoadProgress;
  TDownLoadCancelEvent OnDownLoadCancel;
  TNotifyEvent OnDownLoadComplete;
  TDownLoadErrorEvent OnDownLoadError;

  // The download's reports, firing the events above.
  void DownLoadProgress(int64_t dwSize, int64_t dwTotSize);
  void DownLoadComplete();
  void DownLoadCancel(bool& Cancel);
  void DownLoadError(const AnsiString& ErrorMessage);

 private:
  friend class TDownLoadThread;

  // Takes the bytes when they decode; the picture stays as it was when they do not.
  void TakeData(std::vector<uint8_t> Data);
  void LoadPicture();
  void ResetFrames();

  std::vector<uint8_t> data_;
  bool empty_ = true;
  bool stretch_ = false;
  std::unique_ptr<TPicture> decoded_;  // the frame shown
  int xResolution_ = 96;
  int yResolution_ = 96;
  AnsiString url_;
  AnsiString id_;
  bool asynch_ = true;
  bool downloading_ = false;
  int frame_ = 1;
  int frameCount_ = -1;
  TRect frameRect_;
  bool frameTransp_ = false;
  int frameDisposal_ = 0;
  int gifScreenWidth_ = 0;
  int gifScreenHeight_ = 0;
  int nextCount_ = -1;
  int timerCount_ = -1;
};
