// Drag and drop of text with real Qt drag events offscreen: drops obey the edit's filter,
// the source loses its text only when the target moved it, and a move within one edit lands
// where the mouse let go.
#include <QDir>
#include <QMouseEvent>

#include "components/edit/exteddd.h"
#include "drag_script.h"
#include "edit_form.h"
#include "locale_scope.h"

using drag_script::DropOn;
using drag_script::ScriptedDrag;
using drag_script::TextData;

namespace {

class EditDragDrop : public EditForm {
 protected:
  void SetUp() override {
    EditForm::SetUp();
    source = NewEdit(20, 20, 200);
    target = NewEdit(20, 60, 200);
    source->SetOleDropSource(true);
    source->SetOleDropTarget(true);
    target->SetOleDropTarget(true);
    Show();
  }
  void TearDown() override { SetRTFAware(false); }
  // A point on the boundary before character `index` of an edit's window text.
  static QPoint Before(TExtEdit* edit, int index) {
    return QPoint(edit->PosFromChar(index).x, edit->GetHeight() / 2);
  }
  Qt::DropAction Drop(TExtEdit* edit, int index, const QString& text) {
    std::unique_ptr<QMimeData> data(TextData(text));
    return DropOn(edit->Widget(), Before(edit, index), *data);
  }
  // Selects part of the source and drags it with the mouse from inside the selection.
  void DragFromSource(int start, int length) {
    source->SetFocus();
    source->SetSelStart(start);
    source->SetSelLength(length);
    const QPoint from = Before(source, start + 1);
    QTest::mousePress(source->Widget(), Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, from + QPoint(10, 0), source->Widget()->mapToGlobal(from),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(source->Widget(), &move);
    QTest::mouseRelease(source->Widget(), Qt::LeftButton, {}, from);
  }

  TExtEdit* source = nullptr;
  TExtEdit* target = nullptr;
};

TEST_F(EditDragDrop, TextLandsAtTheCharacterUnderTheMouseFirstLineOnly) {
  target->SetText("abcd");
  EXPECT_EQ(Drop(target, 2, "XY\nsecond line"), Qt::MoveAction);
  EXPECT_EQ(target->GetText(), "abXYcd");
  EXPECT_EQ(target->GetSelStart(), 4);
  EXPECT_TRUE(target->GetModified());
  EXPECT_EQ(target->GetDropCaret().x, -1);  // the caret is gone after the drop
}

TEST_F(EditDragDrop, DropObeysTheFilterAsAPasteDoes) {
  target->SetEditType(etNumeric);
  target->SetText("12");
  EXPECT_EQ(Drop(target, 1, "ab"), Qt::IgnoreAction);
  EXPECT_EQ(target->GetText(), "12");
  EXPECT_FALSE(target->GetModified());
  EXPECT_EQ(Drop(target, 1, "5"), Qt::MoveAction);
  EXPECT_EQ(target->GetText(), "152");

  target->SetEditType(etUppercase);
  target->SetText("AB");
  Drop(target, 2, "cd");
  EXPECT_EQ(target->GetText(), "ABCD");
}

TEST_F(EditDragDrop, ReadOnlyAndDisabledEditsTakeNothing) {
  target->SetText("ab");
  target->SetReadOnly(true);
  EXPECT_EQ(Drop(target, 1, "X"), Qt::IgnoreAction);
  target->SetReadOnly(false);
  target->SetEnabled(false);
  EXPECT_EQ(Drop(target, 1, "X"), Qt::IgnoreAction);
  EXPECT_EQ(target->GetText(), "ab");
}

TEST_F(EditDragDrop, TextLandsBetweenPrefixAndSuffix) {
  target->SetPrefix("<");
  target->SetSuffix(">");
  target->SetText("ab");
  Drop(target, 0, "X");
  EXPECT_EQ(target->GetText(), "Xab");
  Drop(target, 5, "Y");
  EXPECT_EQ(target->GetText(), "XabY");
  EXPECT_EQ(target->TControl::GetText(), "<XabY>");
}

TEST_F(EditDragDrop, MoveWithoutCtrlTakesTheTextFromTheSource) {
  source->SetText("hello world");
  target->SetText("ab");
  ScriptedDrag drag(target->Widget(), Before(target, 1));
  DragFromSource(0, 5);
  EXPECT_EQ(drag.drags, 1);
  EXPECT_EQ(drag.text, "hello");
  EXPECT_EQ(target->GetText(), "ahellob");
  EXPECT_EQ(source->GetText(), " world");
  EXPECT_TRUE(source->GetModified());
}

TEST_F(EditDragDrop, CtrlCopiesAndARefusedDropKeepsTheSource) {
  source->SetText("hello");
  target->SetText("ab");
  {
    ScriptedDrag drag(target->Widget(), Before(target, 2), Qt::ControlModifier);
    DragFromSource(0, 2);
  }
  EXPECT_EQ(target->GetText(), "abhe");
  EXPECT_EQ(source->GetText(), "hello");

  target->SetEditType(etNumeric);
  target->SetText("1");
  {
    ScriptedDrag drag(target->Widget(), Before(target, 1));
    DragFromSource(0, 2);
  }
  EXPECT_EQ(target->GetText(), "1");
  EXPECT_EQ(source->GetText(), "hello");
}

TEST_F(EditDragDrop, DropOntoItsOwnSelectionChangesNothing) {
  source->SetText("abcdef");
  ScriptedDrag drag(source->Widget(), Before(source, 2));
  DragFromSource(1, 3);
  EXPECT_EQ(drag.drags, 1);
  EXPECT_EQ(source->GetText(), "abcdef");
}

TEST_F(EditDragDrop, MoveWithinOneEditLandsWhereTheMouseLetGo) {
  source->SetText("abcdef");
  ScriptedDrag drag(source->Widget(), Before(source, 4));
  DragFromSource(0, 2);
  EXPECT_EQ(source->GetText(), "cdabef");
}

TEST_F(EditDragDrop, AMoveWithinAMoneyEditKeepsTheValueThatSelectsItself) {
  LocaleScope german(kGerman);
  source->SetEditType(etMoney);
  source->SetPrecision(2);
  source->SetText("12,50");
  ScriptedDrag drag(source->Widget(), Before(source, 2));
  DragFromSource(0, 1);  // the leading digit before the decimal separator
  EXPECT_EQ(source->GetText(), "21,50");
}

TEST_F(EditDragDrop, EscapeCancelsAndAPressThatNeverDraggedPlacesTheCaret) {
  source->SetText("abcdef");
  {
    ScriptedDrag drag(target->Widget(), Before(target, 0), {}, true);
    DragFromSource(0, 3);
  }
  EXPECT_EQ(source->GetText(), "abcdef");

  source->SetSelStart(0);
  source->SetSelLength(4);
  QTest::mousePress(source->Widget(), Qt::LeftButton, {}, Before(source, 2));
  EXPECT_EQ(source->GetSelLength(), 4);  // the press keeps the selection for a drag
  QTest::mouseRelease(source->Widget(), Qt::LeftButton, {}, Before(source, 2));
  EXPECT_EQ(source->GetSelStart(), 2);
  EXPECT_EQ(source->GetSelLength(), 0);
}

TEST_F(EditDragDrop, TheDropCaretFollowsTheMouseAndIsPainted) {
  target->SetText("abcd");
  std::unique_ptr<QMimeData> data(TextData("X"));
  const QPoint at = Before(target, 2);
  QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
  QApplication::sendEvent(target->Widget(), &enter);
  QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
  QApplication::sendEvent(target->Widget(), &move);
  EXPECT_EQ(target->GetDropCaret().x, target->PosFromChar(2).x);
  QImage picture = Picture(target);
  picture.save(QDir::temp().filePath("edit_drop_caret.png"));
  const TPoint caret = target->GetDropCaret();
  EXPECT_TRUE(HasInk(picture, QRect(caret.x, caret.y + 2, 1, 6)));
  QDragLeaveEvent leave;
  QApplication::sendEvent(target->Widget(), &leave);
  EXPECT_EQ(target->GetDropCaret().x, -1);
}

TEST_F(EditDragDrop, RichTextAloneIsRefusedUnlessRTFAwareAndOtherDataNeverTaken) {
  target->SetText("ab");
  QMimeData rtf;
  rtf.setData("text/rtf", "{\\rtf1 x}");
  EXPECT_EQ(DropOn(target->Widget(), Before(target, 1), rtf), Qt::IgnoreAction);
  SetRTFAware(true);
  // Taken into the drag, but an edit does nothing with rich text.
  EXPECT_EQ(DropOn(target->Widget(), Before(target, 1), rtf), Qt::IgnoreAction);
  QMimeData image;
  image.setData("image/png", "not an image");
  EXPECT_EQ(DropOn(target->Widget(), Before(target, 1), image), Qt::IgnoreAction);
  EXPECT_EQ(target->GetText(), "ab");
}

// Lists text among its formats but gives no data for it, as a broken source may.
class UnreadableText : public QMimeData {
 public:
  QStringList formats() const override { return {"text/plain"}; }
  bool hasFormat(const QString& mime) const override { return mime == "text/plain"; }

 protected:
  QVariant retrieveData(const QString&, QMetaType) const override { return {}; }
};

TEST_F(EditDragDrop, ADropThatInsertsNothingIsNoDrop) {
  target->SetText("ab");
  EXPECT_EQ(Drop(target, 1, "\nsecond line"), Qt::IgnoreAction);
  UnreadableText unreadable;
  EXPECT_EQ(DropOn(target->Widget(), Before(target, 1), unreadable), Qt::IgnoreAction);
  EXPECT_EQ(target->GetText(), "ab");
  EXPECT_FALSE(target->GetModified());
}

TEST_F(EditDragDrop, ADropPastMaxLengthIsCutNeverWhatWasThere) {
  target->SetText("abc");
  target->SetMaxLength(5);
  EXPECT_EQ(Drop(target, 2, "XYZ"), Qt::MoveAction);
  EXPECT_EQ(target->GetText(), "abXYc");
  EXPECT_EQ(Drop(target, 1, "Q"), Qt::IgnoreAction);  // full: nothing fits
  EXPECT_EQ(target->GetText(), "abXYc");

  target->SetMaxLength(0);
  target->SetEditType(etNumeric);
  target->SetPrefix("Nr ");
  target->SetSuffix(" kg");
  target->SetText("12");
  target->SetMaxLength(8);
  EXPECT_EQ(Drop(target, 5, "99"), Qt::IgnoreAction);
  EXPECT_EQ(target->TControl::GetText(), "Nr 12 kg");
  EXPECT_FALSE(target->GetModified());
}

TEST_F(EditDragDrop, AMoveFromASelectionReachingIntoThePrefixMovesItsValueCharacters) {
  source->SetPrefix("Nr ");
  source->SetText("abcdef");
  ScriptedDrag drag(source->Widget(), Before(source, 7));  // before "e"
  DragFromSource(1, 4);                                    // "r ab"
  EXPECT_EQ(drag.drags, 1);
  EXPECT_EQ(source->GetText(), "cdabef");
}

TEST_F(EditDragDrop, APasswordCannotBeDraggedOut) {
  source->SetEditType(etPassword);
  source->SetText("secret");
  ScriptedDrag drag(target->Widget(), Before(target, 0));
  DragFromSource(0, 6);
  EXPECT_EQ(drag.drags, 0);
  EXPECT_EQ(source->GetText(), "secret");
  EXPECT_EQ(target->GetText(), "");
}

TEST(EditDragData, OffersTextInBothFormsAndRichTextOnlyWhenAware) {
  auto data = std::make_shared<TSourceDataObject>("abc", "{\\rtf1 abc}");
  FORMATETC unicode;
  unicode.cfFormat = CF_UNICODETEXT;
  STGMEDIUM medium;
  ASSERT_EQ(data->GetData(unicode, medium), S_OK);
  EXPECT_EQ(GlobalSize(medium.hGlobal), 8u);
  ReleaseStgMedium(medium);
  FORMATETC rtf;
  rtf.cfFormat = static_cast<uint16_t>(RegisterClipboardFormat("Rich Text Format"));
  EXPECT_EQ(data->QueryGetData(rtf), DV_E_FORMATETC);
  SetRTFAware(true);
  EXPECT_EQ(data->QueryGetData(rtf), S_OK);
  SetRTFAware(false);

  std::shared_ptr<IEnumFORMATETC> formats;
  ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, formats), S_OK);
  FORMATETC entries[4];
  uint32_t fetched = 0;
  EXPECT_EQ(formats->Next(4, entries, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 3u);  // the rich text entry is listed all the same
  EXPECT_EQ(formats->Skip(5), S_FALSE);
  EXPECT_EQ(data->EnumFormatEtc(DATADIR_SET, formats), E_NOTIMPL);
}

TEST(EditDragData, EscapeCancelsAndTheReleasedButtonDrops) {
  TAEDropSource source;
  EXPECT_EQ(source.QueryContinueDrag(true, MK_LBUTTON), DRAGDROP_S_CANCEL);
  EXPECT_EQ(source.QueryContinueDrag(false, MK_LBUTTON), S_OK);
  EXPECT_EQ(source.QueryContinueDrag(false, 0), DRAGDROP_S_DROP);
  EXPECT_EQ(StandardEffect(TShiftState{ssCtrl}), DROPEFFECT_COPY);
  EXPECT_EQ(StandardEffect(TShiftState{}), DROPEFFECT_MOVE);
}

}  // namespace
