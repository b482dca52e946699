// The grid's rich text in a rich edit control and back: a paragraph's runs become the
// control's runs, paragraphs end with CR LF.
#pragma once

#include "components/grid/richtext/RichText.h"
#include "platform/stdctrls/richedit.h"

void RichTextToEdit(const TRichText& Text, TRichEdit& Edit);
TRichText RichTextOfEdit(const TRichEdit& Edit);
