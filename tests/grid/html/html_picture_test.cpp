// The HTML picture: decoding, GIF frames and their animation, addresses and resources, the
// cache, the picture container and the lookup of HTML images.
#include <gtest/gtest.h>

#include <fstream>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/html/GifFrames.h"
#include "components/grid/html/HTMLPictureLookup.h"
#include "picture_samples.h"
#include "platform/controls/application.h"
#include "platform/graphics/bitmap.h"
#include "temp_folder.h"

namespace {

TColor PixelAt(THTMLPicture& picture, int x, int y) {
  TBitmap bitmap;
  bitmap.SetSize(40, 40);
  bitmap.Canvas->Draw(0, 0, &picture);
  return bitmap.Canvas->GetPixels(x, y);
}

std::vector<uint8_t> Saved(THTMLPicture& picture) {
  TMemoryStream stream;
  picture.SaveToStream(stream);
  return stream.Bytes();
}

TEST(HTMLPicture, ThreeFrameGifShowsEachFrameInItsRectangle) {
  THTMLPicture picture;
  LoadBytes(picture, ThreeFrameGif());
  EXPECT_TRUE(picture.IsGIFFile());
  EXPECT_EQ(picture.GetFrameCount(), 3);
  EXPECT_EQ(picture.GetFrame(), 1);
  EXPECT_EQ(picture.GetWidth(), 30);
  EXPECT_EQ(PixelAt(picture, 1, 1), clRed);

  int changes = 0;
  picture.OnFrameChange = [&](TObject*) { ++changes; };
  picture.SetFrame(2);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(picture.GetFrameXPos(), 5);
  EXPECT_EQ(picture.GetFrameYPos(), 4);
  EXPECT_EQ(picture.GetFrameXSize(), 10);
  EXPECT_EQ(picture.GetFrameYSize(), 8);
  // The picture is the frame alone; the logical screen is the largest size.
  EXPECT_EQ(picture.GetWidth(), 10);
  EXPECT_EQ(picture.GetHeight(), 8);
  EXPECT_EQ(picture.GetMaxWidth(), 30);
  EXPECT_EQ(picture.GetMaxHeight(), 20);
  EXPECT_EQ(PixelAt(picture, 1, 1), clLime);
  EXPECT_EQ(PixelAt(picture, 12, 1), clWhite);  // beyond the frame nothing is drawn

  EXPECT_EQ(picture.GetFrameTime(1), 10);
  EXPECT_EQ(picture.GetFrameTime(3), 30);
  EXPECT_EQ(picture.GetFrameDisposal(), 1);
  EXPECT_FALSE(picture.GetFrameTransp());
  EXPECT_EQ(picture.GetFrameTime(4), -1);
  // The data saved is the file loaded, whichever frame shows.
  EXPECT_EQ(Saved(picture), ThreeFrameGif());
}

TEST(HTMLPicture, FramesWrapBothWaysAndUnknownFramesAreRefused) {
  THTMLPicture picture;
  LoadBytes(picture, ThreeFrameGif());
  picture.FramePrev();
  EXPECT_EQ(picture.GetFrame(), 3);
  EXPECT_EQ(PixelAt(picture, 1, 1), clBlue);
  picture.FrameNext();
  EXPECT_EQ(picture.GetFrame(), 1);
  picture.FrameNext();
  EXPECT_EQ(picture.GetFrame(), 2);
  picture.SetFrame(4);
  picture.SetFrame(0);
  EXPECT_EQ(picture.GetFrame(), 2);
}

TEST(HTMLPicture, StepAdvancesWhenTheFrameIsDue) {
  THTMLPicture picture;
  LoadBytes(picture, ThreeFrameGif());
  std::vector<int> shown;
  for (int tick = 0; tick < 8; ++tick) {
    if (picture.Step()) shown.push_back(picture.GetFrame());
  }
  // The ticks count from -1 and a tick is 10 hundredths; frame 2 is due at -1, then each
  // frame's delay adds to the due time: 19 (frame 3), 49 (frame 1), 59 (frame 2).
  EXPECT_EQ(shown, (std::vector<int>{2, 3, 1, 2}));

  THTMLPicture still;
  EXPECT_FALSE(still.Step());
  LoadBytes(still, RedPng());
  EXPECT_FALSE(still.Step());
}

TEST(HTMLPicture, OnlyGifDataHasFrames) {
  EXPECT_FALSE(IsGIFData({'G', 'I', 'F', '8'}));
  EXPECT_TRUE(IsGIFData({'G', 'I', 'F', '8', '9'}));
  THTMLPicture png;
  LoadBytes(png, RedPng());
  EXPECT_FALSE(png.IsGIFFile());
  EXPECT_EQ(png.GetFrameCount(), -1);
  EXPECT_EQ(png.GetWidth(), 4);
  EXPECT_EQ(png.GetHeight(), 3);
  EXPECT_EQ(png.GetMaxWidth(), 4);
}

TEST(HTMLPicture, SizeFollowsTheResolution) {
  THTMLPicture picture;
  EXPECT_EQ(picture.GetWidth(), 0);
  EXPECT_TRUE(picture.GetEmpty());
  LoadBytes(picture, RedPng());
  picture.SetResolution(192, 144);
  EXPECT_EQ(picture.GetWidth(), 8);
  EXPECT_EQ(picture.GetHeight(), 5);  // 4.5 rounds up
  picture.SetWidth(100);
  EXPECT_EQ(picture.GetWidth(), 8);
}

TEST(HTMLPicture, StretchFillsTheRectangle) {
  THTMLPicture picture;
  LoadBytes(picture, RedPng());
  TBitmap bitmap;
  bitmap.SetSize(20, 20);
  bitmap.Canvas->StretchDraw(TRect(2, 2, 18, 18), &picture);
  EXPECT_EQ(bitmap.Canvas->GetPixels(3, 3), clRed);
  EXPECT_EQ(bitmap.Canvas->GetPixels(10, 10), clWhite);  // natural size: 4 x 3 only
  picture.SetStretch(true);
  bitmap.Canvas->StretchDraw(TRect(2, 2, 18, 18), &picture);
  EXPECT_EQ(bitmap.Canvas->GetPixels(17, 17), clRed);
  EXPECT_EQ(bitmap.Canvas->GetPixels(18, 18), clWhite);
}

TEST(HTMLPicture, GarbageRaisesAndKeepsTheOldPicture) {
  THTMLPicture picture;
  LoadBytes(picture, ThreeFrameGif());
  picture.SetFrame(3);
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  for (const std::vector<uint8_t>& garbage :
       {std::vector<uint8_t>{'n', 'o', ' ', 'p', 'i', 'c'}, std::vector<uint8_t>{},
        std::vector<uint8_t>{0xD7, 0xCD, 0xC6, 0x9A, 0, 0}}) {  // a metafile's signature
    try {
      LoadBytes(picture, garbage);
      ADD_FAILURE() << "garbage taken";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message, "Could not load image. Invalid format");
    }
  }
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(picture.GetFrame(), 3);
  EXPECT_EQ(PixelAt(picture, 1, 1), clBlue);
  EXPECT_EQ(Saved(picture), ThreeFrameGif());
}

// A GIF frame whose descriptor claims 65535 x 65535: bounded by its screen, and a screen of
// that size is refused as damaged.
TEST(HTMLPicture, AFrameClaimingMoreThanItsScreenIsBounded) {
  auto claimingHuge = [](int screenWidth, int screenHeight) {
    std::vector<uint8_t> gif = MakeGif(screenWidth, screenHeight, {{0, 0, 1, 1, 10, scRed}});
    constexpr std::size_t kFrameSize = 38;  // header, colour table, extension, left and top
    std::fill(gif.begin() + kFrameSize, gif.begin() + kFrameSize + 4, 0xFF);
    return gif;
  };
  THTMLPicture picture;
  try {
    LoadBytes(picture, claimingHuge(65535, 65535));
    ADD_FAILURE() << "a 65535 x 65535 screen taken";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "Could not load image. Invalid format");
  }
  EXPECT_EQ(CutGIFFrame(claimingHuge(10, 8), 1).Rect, TRect(0, 0, 10, 8));
  try {
    LoadBytes(picture, claimingHuge(10, 8));
    EXPECT_LE(picture.GetWidth(), 10);
    EXPECT_LE(picture.GetHeight(), 8);
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "Could not load image. Invalid format");
  }
}

TEST(HTMLPicture, AssignCopiesTheDataAndStartsAtFrameOne) {
  THTMLPicture source, target;
  LoadBytes(source, ThreeFrameGif());
  source.SetFrame(2);
  LoadBytes(target, RedPng());
  target.Assign(&source);
  EXPECT_EQ(target.GetFrame(), 1);
  EXPECT_EQ(target.GetWidth(), 30);
  EXPECT_EQ(Saved(target), ThreeFrameGif());
  target.Assign(nullptr);
  EXPECT_TRUE(target.GetEmpty());
  EXPECT_EQ(target.GetWidth(), 0);
  EXPECT_TRUE(Saved(target).empty());
  TBitmap bitmap;
  EXPECT_THROW(target.Assign(&bitmap), EConvertError);
}

TEST(HTMLPicture, AddressesOfResourcesAndFiles) {
  THTMLPicture picture;
  picture.LoadFromURL("res://logo");  // the prefix in any case, the name upper-cased
  EXPECT_EQ(picture.GetWidth(), 3);
  EXPECT_EQ(picture.GetID(), "res://logo");
  THTMLPicture byNumber;
  byNumber.LoadFromResourceID(HInstance, 7);
  EXPECT_EQ(byNumber.GetHeight(), 2);
  THTMLPicture missing;
  missing.LoadFromResourceName(HInstance, "NOSUCH");
  missing.LoadFromURL("RES://../LOGO");
  EXPECT_TRUE(missing.GetEmpty());

  // The path keeps its case: an upper-cased one would name another file.
  TempFolder folder;
  const std::string path = folder / "Mixed.gif";
  const std::vector<uint8_t> gif = ThreeFrameGif();
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(gif.data()), static_cast<std::streamsize>(gif.size()));
  THTMLPicture file;
  file.LoadFromURL("File://" + path);
  EXPECT_EQ(file.GetFrameCount(), 3);
  EXPECT_THROW(file.LoadFromURL("FILE://" + UpperCase(path)), EStreamError);
}

TEST(HTMLPicture, NoDownloadWithoutAnAddressOrAsynchronousLoading) {
  THTMLPicture picture;
  picture.LoadFromURL("");
  EXPECT_FALSE(picture.GetDownloading());
  picture.SetAsynchronous(false);
  picture.LoadFromURL("http://127.0.0.1:9/x.gif");
  EXPECT_FALSE(picture.GetDownloading());
  EXPECT_EQ(picture.GetURL(), "http://127.0.0.1:9/x.gif");
  EXPECT_TRUE(picture.GetEmpty());
}

TEST(PictureCache, FindsByIdentifierAndAnimates) {
  THTMLPictureCache cache;
  THTMLPicture* gif = cache.AddPicture();
  LoadBytes(*gif, ThreeFrameGif());
  gif->SetID("a.gif");
  LoadBytes(*cache.AddPicture(), RedPng());
  EXPECT_EQ(cache.Count(), 2);
  EXPECT_EQ(cache.FindPicture("a.gif"), gif);
  EXPECT_EQ(cache.FindPicture("A.GIF"), nullptr);
  EXPECT_FALSE(cache.Animate());  // the first tick is -1
  EXPECT_TRUE(cache.Animate());   // the GIF moves on, the PNG cannot
  EXPECT_EQ(gif->GetFrame(), 2);
  cache.SetPicture(1, std::make_unique<THTMLPicture>());
  EXPECT_TRUE(cache.GetPicture(1)->GetEmpty());
  cache.ClearPictures();
  EXPECT_EQ(cache.Count(), 0);
}

TEST(PictureContainer, FindsUpperCasedNamesOnly) {
  TPictureContainer container(nullptr);
  TPictureItem* item = container.GetItems()->Add();
  item->Name = "Logo";
  item->Tag = 4;
  LoadBytes(*item->GetPicture(), RedPng());
  EXPECT_EQ(container.FindPicture("LOGO"), item->GetPicture());
  EXPECT_EQ(container.FindPicture("logo"), nullptr);
  EXPECT_EQ(container.GetItems()->GetOwner(), &container);

  TPictureItem* copy = container.GetItems()->Insert(0);
  copy->Assign(*item);
  EXPECT_EQ(copy->Name, "Logo");
  EXPECT_EQ(copy->Tag, 4);
  EXPECT_EQ(copy->GetPicture()->GetWidth(), 4);
  EXPECT_EQ(container.FindPicture("LOGO"), copy->GetPicture());
}

TEST(HTMLPictureLookup, NamesComeFromTheContainerAndAddressesFromTheCache) {
  TPictureContainer container(nullptr);
  container.GetItems()->Add()->Name = "LOGO";
  THTMLPictureCache cache;
  EXPECT_EQ(FindHTMLPicture("LOGO", &container, &cache),
            container.GetItems()->GetItem(0)->GetPicture());
  EXPECT_EQ(FindHTMLPicture("LOGO", nullptr, &cache), nullptr);
  EXPECT_EQ(FindHTMLPicture("IDX:3", &container, &cache), nullptr);

  THTMLPicture* loaded = FindHTMLPicture("RES://LOGO", &container, &cache);
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->GetWidth(), 3);
  // Found again, not loaded again; a file that is missing stays in the cache, empty.
  EXPECT_EQ(FindHTMLPicture("RES://LOGO", &container, &cache), loaded);
  THTMLPicture* missing = FindHTMLPicture("FILE:///no/such/file.gif", &container, &cache);
  ASSERT_NE(missing, nullptr);
  EXPECT_TRUE(missing->GetEmpty());
  EXPECT_EQ(FindHTMLPicture("FILE:///no/such/file.gif", &container, &cache), missing);
  EXPECT_EQ(cache.Count(), 2);
  EXPECT_EQ(FindHTMLPicture("RES://LOGO", &container, nullptr), nullptr);
}

}  // namespace

namespace {

TEST(GridPictures, TheGridForgetsAFreedPictureContainer) {
  TExtStringGrid grid(nullptr);
  EXPECT_EQ(grid.GetPictureContainer(), nullptr);
  EXPECT_EQ(grid.GetPictureCache()->Count(), 0);
  auto container = std::make_unique<TPictureContainer>(nullptr);
  grid.SetPictureContainer(container.get());
  EXPECT_EQ(grid.GetPictureContainer(), container.get());
  container.reset();
  EXPECT_EQ(grid.GetPictureContainer(), nullptr);

  // And a container outliving the grid is not told of a grid long gone.
  TPictureContainer lasting(nullptr);
  {
    TExtStringGrid shortLived(nullptr);
    shortLived.SetPictureContainer(&lasting);
  }
}

}  // namespace

TEST(HTMLPicture, AnAddressStaysEmptyAndIsFetchedOnce) {
  THTMLPicture picture;
  int completed = 0;
  picture.OnDownLoadComplete = [&](TObject*) { ++completed; };
  picture.LoadFromURL("http://example.org/x.gif");
  EXPECT_TRUE(picture.GetDownloading());
  EXPECT_TRUE(picture.GetEmpty());
  EXPECT_EQ(picture.GetURL(), "http://example.org/x.gif");
  Application->ProcessMessages();
  EXPECT_EQ(completed, 0);
  EXPECT_TRUE(picture.GetDownloading());
}
