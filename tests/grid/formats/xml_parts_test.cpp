// A handler's exception must reach the caller unchanged, stop the parse where it was thrown,
// and leave no parser behind (the sanitizer's leak check sees one that was not freed).
#include <gtest/gtest.h>

#include <stdexcept>

#include "components/grid/formats/XmlParts.h"
#include "platform/core/exception.h"

namespace {

const std::string kPart = "<a><b>eins</b><c/><d>zwei</d></a>";

TEST(XmlParts, AThrowingStartHandlerStopsTheParseWithItsOwnException) {
  std::vector<std::string> seen;
  XmlHandlers handlers;
  handlers.Start = [&](const std::string& name, const XmlAttributes&) {
    seen.push_back(name);
    if (name == "c") throw std::runtime_error("halt at c");
  };
  EXPECT_THROW(
      {
        try {
          ParseXmlPart(kPart, "x.xml", handlers);
        } catch (const std::runtime_error& e) {
          EXPECT_STREQ(e.what(), "halt at c");
          throw;
        }
      },
      std::runtime_error);
  EXPECT_EQ(seen, (std::vector<std::string>{"a", "b", "c"}));
}

TEST(XmlParts, AThrowingTextHandlerIsNotReportedAsADamagedPart) {
  XmlHandlers handlers;
  handlers.Text = [](const std::string&) { throw Exception("the reader gave up"); };
  try {
    ParseXmlPart(kPart, "x.xml", handlers);
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "the reader gave up");
  }
}

TEST(XmlParts, ADamagedPartNamesThePart) {
  try {
    ParseXmlPart("<a><b></a>", "xl/broken.xml", {});
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_NE(e.Message.find("xl/broken.xml"), AnsiString::npos);
  }
}

}  // namespace
