// The class library's Format for the grid's number formats: one floating-point argument,
// written by the specifiers %e, %f, %g and %n with an optional "-", width and precision, in
// the locale's separators; "%%" is a percent sign and other text is copied. Any other
// specifier, or a second one, throws EConvertError.
#pragma once

#include "platform/core/text.h"

AnsiString Format(const AnsiString& format, double value);
