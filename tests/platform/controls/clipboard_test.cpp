#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/controls/clipboard.h"

namespace {

TEST(ClipboardTest, TextTravelsInTheCodePageAndReadsBackAsWritten) {
  Clipboard()->SetAsText("Gr\xF6\xDF" "e\r\nzweite Zeile\nund \x80");
  EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));
  EXPECT_EQ(Clipboard()->GetAsText(), "Gr\xF6\xDF" "e\r\nzweite Zeile\nund \x80");
  // Other programs see Unicode with their own line ends.
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            QString::fromUtf8("Gr\xC3\xB6\xC3\x9F" "e\nzweite Zeile\nund \xE2\x82\xAC"));
  std::vector<uint8_t> bytes = Clipboard()->GetAsBytes(CF_TEXT);
  EXPECT_EQ(bytes.back(), 0);  // a text format comes with its terminating zero
}

TEST(ClipboardTest, TextFromOtherProgramsGetsCrLfLineEnds) {
  QGuiApplication::clipboard()->setText(QString::fromUtf8("a\nb\rc\r\nd \xC3\xBC"));
  EXPECT_EQ(Clipboard()->GetAsText(), "a\r\nb\r\nc\r\nd \xFC");
  std::vector<uint8_t> wide = Clipboard()->GetAsBytes(CF_UNICODETEXT);
  EXPECT_EQ(wide.size(), (12u + 1u) * 2u);  // in UTF-16, with its zero
}

TEST(ClipboardTest, RegisteredFormatsKeepTheirBytesBesideTheText) {
  unsigned cells = RegisterClipboardFormat("TExtStringGrid Cells");
  EXPECT_GE(cells, 0xC000u);
  EXPECT_EQ(RegisterClipboardFormat("textstringgrid cells"), cells);
  unsigned rtf = RegisterClipboardFormat("Rich Text Format");
  EXPECT_NE(rtf, cells);

  std::vector<uint8_t> stream{0, 1, 2, 255, 0, 7};
  Clipboard()->Open();
  Clipboard()->SetAsText("A\tB\r\n");
  Clipboard()->SetAsBytes(cells, stream);
  Clipboard()->SetAsBytes(rtf, {'{', '\\', 'r', 't', 'f', '}'});
  Clipboard()->Close();

  EXPECT_TRUE(Clipboard()->HasFormat(cells));
  EXPECT_TRUE(Clipboard()->HasFormat(rtf));
  EXPECT_EQ(Clipboard()->GetAsBytes(cells), stream);
  EXPECT_EQ(Clipboard()->GetAsText(), "A\tB\r\n");
  EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat("text/rtf"));

  Clipboard()->SetAsText("neu");  // outside Open and Close a format replaces the content
  EXPECT_FALSE(Clipboard()->HasFormat(cells));
  Clipboard()->Clear();
  EXPECT_FALSE(Clipboard()->HasFormat(CF_TEXT));
  EXPECT_TRUE(Clipboard()->GetAsBytes(cells).empty());
}

}  // namespace
