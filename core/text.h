// Byte texts in the system ANSI code page (GBK): cutting, joining, splitting
// and searching. Lengths and positions count bytes; positions start at 1.
// A byte of 0x80 or more starts a two-byte character; the searching routines
// try matches only at character boundaries, the cutting ones count bytes.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

using Text = std::string;
using TextList = std::vector<Text>;

int TextLength(const Text& text);
Text TextLeft(const Text& text, int n);
Text TextRight(const Text& text, int n);
Text TextMid(const Text& text, int start, int n);
int CharCode(const Text& text);
Text JoinTexts(std::initializer_list<std::string_view> parts);
int CompareText(const Text& a, const Text& b);
TextList SplitText(const Text& text, const Text& separator = ",");
Text RemoveLeadingText(const Text& text, const Text& prefix);
int FindLastText(const Text& text, const Text& search, bool caseInsensitive);

Text IntToText(int value);
Text Int64ToText(long long value);
Text DoubleToText(double value);
Text BoolToText(bool value);
double RoundDecimal(double x, int decimals);
