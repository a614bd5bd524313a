// Classes of leaf names and values of the parameter tree.
#pragma once

#include <cstdint>

struct ParamValue;

// ValueEmpty for a null or empty text; ValueInteger for whitespace, an
// optional sign and decimal digits (of any length); ValueReal for the same
// with at most one decimal point, at least one digit and an optional
// exponent; ValueBoolean for exactly "True" or "False"; else ValueText.
// Only these decimal forms are numbers: no hexadecimal, infinity or NaN.
int32_t ClassifyParamValue(const char* text);

// Sets `value->word` to the class of the reserved word equal to the text
// ("In" 0 ... "DjRj" 19); leaves it unchanged when none is.
void ClassifyParamWord(ParamValue* value, const char* text);

// Keyword class of a leaf name: "Usage" 1 ... "Labels" 6, else 0.
int32_t ClassifyParamKeyword(const char* name);
