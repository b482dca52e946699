// The drag and drop layer: what other programs' MIME data offers as formats, what a drag's
// data object becomes for them, drop targets on a control's window, and damaged data read
// without harm.
#include <gtest/gtest.h>

#include <QMimeData>
#include <QTest>
#include <cstring>

#include "drag_script.h"
#include "platform/controls/forms.h"
#include "platform/controls/text_drag_drop.h"
#include "platform/stdctrls/panel.h"

namespace {

// Records what reaches it and takes text.
class RecordingTarget : public TTextDropTarget {
 public:
  explicit RecordingTarget(TDragFormatSet& formats) : TTextDropTarget(formats) {}
  std::vector<AnsiString> texts, files;
  std::vector<TPoint> points;

 protected:
  void DropText(TPoint pt, const AnsiString& s) override {
    texts.push_back(s);
    points.push_back(pt);
    MarkTaken();
  }
  void DropFiles(TPoint, TStrings* Files) override {
    for (int i = 0; i < Files->Count(); ++i) files.push_back(Files->Strings(i));
  }
};

class DropTargets : public testing::Test {
 protected:
  void SetUp() override {
    form.SetBounds(0, 0, 300, 200);
    panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(10, 10, 200, 100);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
  }
  TDragFormatSet formats;
  TForm form{nullptr};
  TPanel* panel = nullptr;
};

TEST_F(DropTargets, TextFromOtherProgramsArrivesInTheCodePageAtAScreenPoint) {
  auto target = std::make_shared<RecordingTarget>(formats);
  ASSERT_EQ(RegisterDragDrop(panel, target), S_OK);
  EXPECT_EQ(RegisterDragDrop(panel, target), DRAGDROP_E_ALREADYREGISTERED);
  QMimeData data;
  data.setText(QString::fromUtf8("Gr\xC3\xB6\xC3\x9F" "e\nzwei \xE2\x82\xAC"));
  EXPECT_EQ(drag_script::DropOn(panel->Widget(), QPoint(20, 30), data), Qt::MoveAction);
  EXPECT_EQ(drag_script::DropOn(panel->Widget(), QPoint(20, 30), data, Qt::ControlModifier),
            Qt::CopyAction);
  ASSERT_EQ(target->texts.size(), 2u);
  EXPECT_EQ(target->texts[0], "Gr\xF6\xDF" "e\r\nzwei \x80");
  const TPoint screen = panel->ClientToScreen(TPoint(20, 30));
  EXPECT_EQ(target->points[0].x, screen.x);
  EXPECT_EQ(target->points[0].y, screen.y);
  EXPECT_EQ(RevokeDragDrop(panel), S_OK);
  EXPECT_EQ(drag_script::DropOn(panel->Widget(), QPoint(20, 30), data), Qt::IgnoreAction);
  EXPECT_EQ(target->texts.size(), 2u);
}

TEST_F(DropTargets, FilesArriveAsAListAndATargetThatTookNothingAnswersNone) {
  auto target = std::make_shared<RecordingTarget>(formats);
  RegisterDragDrop(panel, target);
  std::unique_ptr<QMimeData> data(
      drag_script::FileData({"/tmp/a b.csv", QString::fromUtf8("/tmp/\xC3\xA4.txt")}));
  EXPECT_EQ(drag_script::DropOn(panel->Widget(), QPoint(5, 5), *data), Qt::IgnoreAction);
  // Names keep the bytes the file system knows them by.
  EXPECT_EQ(target->files, (std::vector<AnsiString>{"/tmp/a b.csv", "/tmp/\xC3\xA4.txt"}));
  EXPECT_TRUE(target->texts.empty());  // a file list is no text
  QMimeData image;
  image.setData("image/png", "x");
  EXPECT_EQ(drag_script::DropOn(panel->Widget(), QPoint(5, 5), image), Qt::IgnoreAction);
}

TEST(DragData, ADragOffersCodePageTextUnicodeRichTextAndRegisteredFormats) {
  TDragFormatSet formats{true, 0, 0, "Grid Column", true};
  auto data = std::make_shared<TSourceData>(formats, "Gr\xF6\xDF" "e\r\nx", "{\\rtf1 x}", 5);
  QStringList offered;
  QByteArray ansi, rtf, column;
  QString text;
  auto previous = SetDragLoop([&](TDragSession& session, DWORD& effect) -> HRESULT {
    const QMimeData* mime = session.Mime();
    offered = mime->formats();
    text = mime->text();
    ansi = mime->data("application/x-qt-windows-mime;value=\"CF_TEXT\"");
    rtf = mime->data("text/rtf");
    column = mime->data("application/x-qt-windows-mime;value=\"Grid Column\"");
    effect = DROPEFFECT_COPY;
    return DRAGDROP_S_DROP;
  });
  DWORD effect = DROPEFFECT_NONE;
  EXPECT_EQ(StartDataDoDragDrop(std::make_shared<TTextDropSource>(), data,
                                DROPEFFECT_COPY | DROPEFFECT_MOVE, effect),
            DRAGDROP_S_DROP);
  SetDragLoop(previous);
  EXPECT_EQ(effect, DROPEFFECT_COPY);
  EXPECT_EQ(text, QString::fromUtf8("Gr\xC3\xB6\xC3\x9F" "e\nx"));
  EXPECT_EQ(ansi, QByteArray("Gr\xF6\xDF" "e\r\nx"));
  EXPECT_EQ(rtf, QByteArray("{\\rtf1 x}"));
  ASSERT_EQ(column.size(), 4);
  int32_t col;
  std::memcpy(&col, column.constData(), 4);
  EXPECT_EQ(col, 5);
}

TEST(DragData, ADragWithoutEffectIsCancelled) {
  TDragFormatSet formats;
  auto previous = SetDragLoop([](TDragSession& session, DWORD& effect) -> HRESULT {
    session.Feedback(DROPEFFECT_NONE);
    effect = DROPEFFECT_MOVE;
    return DRAGDROP_S_DROP;
  });
  DWORD effect = DROPEFFECT_MOVE;
  EXPECT_EQ(StartDataDoDragDrop(std::make_shared<TTextDropSource>(),
                                std::make_shared<TSourceData>(formats, "x", ""), DROPEFFECT_MOVE, effect),
            DRAGDROP_S_CANCEL);
  EXPECT_EQ(effect, DROPEFFECT_NONE);
  SetDragLoop(previous);
}

// A data object that lists what it likes and gives damaged blocks.
class DamagedData : public IDataObject {
 public:
  bool enumerates = true;
  std::vector<uint8_t> block;
  HRESULT GetData(const FORMATETC&, STGMEDIUM& medium) override {
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = GlobalAlloc(GHND, block.size());
    if (!block.empty()) std::memcpy(GlobalLock(medium.hGlobal), block.data(), block.size());
    GlobalUnlock(medium.hGlobal);
    return S_OK;
  }
  HRESULT QueryGetData(const FORMATETC&) override { return S_OK; }
  HRESULT EnumFormatEtc(DWORD, std::shared_ptr<IEnumFORMATETC>& enumerator) override {
    if (!enumerates) return E_NOTIMPL;
    return offers.EnumFormatEtc(DATADIR_GET, enumerator);
  }

 private:
  TDragFormatSet formats_;
  TSourceData offers{formats_, "x", ""};
};

TEST(DragData, DamagedDataReadsAsNothingOrAsFarAsItGoes) {
  TDragFormatSet formats;
  DamagedData data;
  data.enumerates = false;
  TDragFormatReader none(data, formats);
  EXPECT_FALSE(none.HasText());
  EXPECT_EQ(none.Text(), "");

  data.enumerates = true;
  data.block = {'a', 'b'};  // text without its zero
  TDragFormatReader reader(data, formats);
  EXPECT_EQ(reader.Text(), "ab");
  EXPECT_EQ(reader.SomeInt(CF_TEXT), -1);  // shorter than an integer
  // A file list whose names run past the block's end, and one pointing outside it.
  DROPFILES header;
  data.block.assign(reinterpret_cast<uint8_t*>(&header), reinterpret_cast<uint8_t*>(&header) + sizeof header);
  data.block.insert(data.block.end(), {'/', 'a'});
  reader.HasText();
  TStringList files;
  EXPECT_TRUE(reader.SomeFiles(files));
  EXPECT_EQ(files.Strings(0), "/a");
  // Wide names, the last without its zero.
  header.fWide = 1;
  data.block.assign(reinterpret_cast<uint8_t*>(&header), reinterpret_cast<uint8_t*>(&header) + sizeof header);
  data.block.insert(data.block.end(), {'/', 0, 'b', 0, 0, 0, '/', 0, 'c', 0});
  reader.HasText();
  EXPECT_TRUE(reader.SomeFiles(files));
  EXPECT_EQ(files.Count(), 2);
  EXPECT_EQ(files.Strings(1), "/c");
  header.pFiles = 1000;
  std::memcpy(data.block.data(), &header, sizeof header);
  reader.HasText();
  EXPECT_FALSE(reader.SomeFiles(files));
}

}  // namespace
