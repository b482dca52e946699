#include "components/grid/formats/XmlParts.h"

#include <expat.h>

#include <climits>
#include <cstring>

#include "components/grid/formats/MarkupText.h"
#include "platform/core/exception.h"

namespace {

std::string LocalName(const char* Name) {
  const char* colon = std::strrchr(Name, ':');
  return colon ? colon + 1 : Name;
}

void XMLCALL OnStart(void* Data, const XML_Char* Name, const XML_Char** Attrs) {
  const auto& handlers = *static_cast<const XmlHandlers*>(Data);
  if (!handlers.Start) return;
  XmlAttributes attributes;
  for (int i = 0; Attrs[i]; i += 2) attributes[LocalName(Attrs[i])] = Attrs[i + 1];
  handlers.Start(LocalName(Name), attributes);
}

void XMLCALL OnEnd(void* Data, const XML_Char* Name) {
  const auto& handlers = *static_cast<const XmlHandlers*>(Data);
  if (handlers.End) handlers.End(LocalName(Name));
}

void XMLCALL OnText(void* Data, const XML_Char* Text, int Length) {
  const auto& handlers = *static_cast<const XmlHandlers*>(Data);
  if (handlers.Text) handlers.Text(std::string(Text, static_cast<std::size_t>(Length)));
}

}  // namespace

void ParseXmlPart(const std::string& Xml, const std::string& PartName,
                  const XmlHandlers& Handlers) {
  if (Xml.size() > INT_MAX) throw Exception("The part " + PartName + " is too large");
  XML_Parser parser = XML_ParserCreate("UTF-8");
  XML_SetUserData(parser, const_cast<XmlHandlers*>(&Handlers));
  XML_SetElementHandler(parser, OnStart, OnEnd);
  XML_SetCharacterDataHandler(parser, OnText);
  const bool ok = XML_Parse(parser, Xml.data(), static_cast<int>(Xml.size()), 1) == XML_STATUS_OK;
  const AnsiString error = ok ? "" : XML_ErrorString(XML_GetErrorCode(parser));
  XML_ParserFree(parser);
  if (!ok) throw Exception("The part " + PartName + " is damaged: " + error);
}

std::string XmlText(const AnsiString& Text) {
  AnsiString kept;
  for (char ch : Text)
    if (static_cast<unsigned char>(ch) >= 0x20 || ch == '\t' || ch == '\n' || ch == '\r') kept += ch;
  return AnsiToUtf8(XMLEscape(kept));
}
