#include "components/grid/formats/XmlParts.h"

#include <expat.h>

#include <climits>
#include <cstring>
#include <exception>
#include <new>

#include "components/grid/formats/MarkupText.h"
#include "platform/core/c_handle.h"
#include "platform/core/exception.h"

namespace {

std::string LocalName(const char* Name) {
  const char* colon = std::strrchr(Name, ':');
  return colon ? colon + 1 : Name;
}

// A handler that throws stops the parser; the exception goes on once XML_Parse has returned,
// since it must not pass through expat's own frames.
struct Parse {
  const XmlHandlers& Handlers;
  XML_Parser Parser;
  std::exception_ptr Failure;

  template <typename Call>
  static void Guarded(void* Data, Call call) {
    auto& parse = *static_cast<Parse*>(Data);
    try {
      call(parse.Handlers);
    } catch (...) {
      parse.Failure = std::current_exception();
      XML_StopParser(parse.Parser, XML_FALSE);
    }
  }
};

void XMLCALL OnStart(void* Data, const XML_Char* Name, const XML_Char** Attrs) {
  Parse::Guarded(Data, [&](const XmlHandlers& handlers) {
    if (!handlers.Start) return;
    XmlAttributes attributes;
    for (int i = 0; Attrs[i]; i += 2) attributes[LocalName(Attrs[i])] = Attrs[i + 1];
    handlers.Start(LocalName(Name), attributes);
  });
}

void XMLCALL OnEnd(void* Data, const XML_Char* Name) {
  Parse::Guarded(Data, [&](const XmlHandlers& handlers) {
    if (handlers.End) handlers.End(LocalName(Name));
  });
}

void XMLCALL OnText(void* Data, const XML_Char* Text, int Length) {
  Parse::Guarded(Data, [&](const XmlHandlers& handlers) {
    if (handlers.Text) handlers.Text(std::string(Text, static_cast<std::size_t>(Length)));
  });
}

}  // namespace

void ParseXmlPart(const std::string& Xml, const std::string& PartName,
                  const XmlHandlers& Handlers) {
  if (Xml.size() > INT_MAX) throw Exception("The part " + PartName + " is too large");
  const CHandle<XML_ParserStruct, XML_ParserFree> parser(XML_ParserCreate("UTF-8"));
  if (!parser) throw std::bad_alloc();
  Parse parse{Handlers, parser.get(), nullptr};
  XML_SetUserData(parse.Parser, &parse);
  XML_SetElementHandler(parse.Parser, OnStart, OnEnd);
  XML_SetCharacterDataHandler(parse.Parser, OnText);
  const bool ok =
      XML_Parse(parse.Parser, Xml.data(), static_cast<int>(Xml.size()), 1) == XML_STATUS_OK;
  const AnsiString error = ok ? "" : XML_ErrorString(XML_GetErrorCode(parse.Parser));
  if (parse.Failure) std::rethrow_exception(parse.Failure);
  if (!ok) throw Exception("The part " + PartName + " is damaged: " + error);
}

std::string XmlText(const AnsiString& Text) {
  AnsiString kept;
  for (char ch : Text)
    if (static_cast<unsigned char>(ch) >= 0x20 || ch == '\t' || ch == '\n' || ch == '\r') kept += ch;
  return AnsiToUtf8(XMLEscape(kept));
}
