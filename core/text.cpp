#include "core/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

bool StartsTwoByteCharacter(char byte)
{
    return static_cast<unsigned char>(byte) >= 0x80;
}

// Bytes the character starting at `position` takes. A lead byte at the very
// end counts as one, so a scan never steps past the text.
size_t CharacterSize(std::string_view text, size_t position)
{
    return StartsTwoByteCharacter(text[position]) && position + 1 < text.size() ? 2 : 1;
}

char FoldAsciiCase(char byte)
{
    return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte;
}

// Whether `search` stands at `position`. Without regard to case only ASCII
// letters are folded: the bytes of a two-byte character are compared exactly,
// since its second byte may have the code of a letter.
bool MatchesAt(std::string_view text, size_t position, std::string_view search, bool caseInsensitive)
{
    if (!caseInsensitive)
        return text.compare(position, search.size(), search) == 0;
    for (size_t i = 0; i < search.size(); i += CharacterSize(search, i)) {
        if (StartsTwoByteCharacter(search[i])) {
            const size_t size = CharacterSize(search, i);
            if (text.compare(position + i, size, search.substr(i, size)) != 0)
                return false;
        } else if (FoldAsciiCase(text[position + i]) != FoldAsciiCase(search[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

int TextLength(const Text& text)
{
    return static_cast<int>(text.size());
}

Text TextLeft(const Text& text, int n)
{
    if (n <= 0)
        return Text();
    return text.substr(0, std::min(static_cast<size_t>(n), text.size()));
}

Text TextRight(const Text& text, int n)
{
    if (n <= 0)
        return Text();
    const size_t count = std::min(static_cast<size_t>(n), text.size());
    return text.substr(text.size() - count);
}

Text TextMid(const Text& text, int start, int n)
{
    if (start < 1 || start > TextLength(text) || n <= 0)
        return Text();
    return text.substr(static_cast<size_t>(start - 1), static_cast<size_t>(n));
}

int CharCode(const Text& text)
{
    return text.empty() ? 0 : static_cast<signed char>(text[0]);
}

Text JoinTexts(std::initializer_list<std::string_view> parts)
{
    size_t size = 0;
    for (const std::string_view part : parts)
        size += part.size();
    Text joined;
    joined.reserve(size);
    for (const std::string_view part : parts)
        joined.append(part);
    return joined;
}

int CompareText(const Text& a, const Text& b)
{
    // char_traits<char> compares as unsigned bytes, so GBK sorts after ASCII.
    const int order = a.compare(b);
    return (order > 0) - (order < 0);
}

TextList SplitText(const Text& text, const Text& separator)
{
    TextList pieces;
    if (text.empty())
        return pieces;
    if (separator.empty())
        return TextList{text};
    size_t pieceStart = 0;
    size_t position = 0;
    while (position + separator.size() <= text.size()) {
        if (MatchesAt(text, position, separator, false)) {
            pieces.push_back(text.substr(pieceStart, position - pieceStart));
            position += separator.size();
            pieceStart = position;
        } else {
            position += CharacterSize(text, position);
        }
    }
    if (pieceStart < text.size())
        pieces.push_back(text.substr(pieceStart));
    return pieces;
}

Text RemoveLeadingText(const Text& text, const Text& prefix)
{
    if (prefix.empty() || text.compare(0, prefix.size(), prefix) != 0)
        return text;
    return text.substr(prefix.size());
}

int FindLastText(const Text& text, const Text& search, bool caseInsensitive)
{
    if (search.empty())
        return text.empty() ? -1 : 1;
    int last = -1;
    for (size_t position = 0; position + search.size() <= text.size(); position += CharacterSize(text, position)) {
        if (MatchesAt(text, position, search, caseInsensitive))
            last = static_cast<int>(position) + 1;
    }
    return last;
}

Text IntToText(int value)
{
    return std::to_string(value);
}

Text Int64ToText(long long value)
{
    return std::to_string(value);
}

Text DoubleToText(double value)
{
    // Negative zero has no sign in the program's texts.
    if (value == 0.0)
        value = 0.0;
    // The same digits as printf("%.13g"), independent of the C runtime.
    char buffer[32];
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + sizeof(buffer), value, std::chars_format::general, 13);
    return Text(buffer, result.ptr);
}

Text BoolToText(bool value)
{
    return value ? "真" : "假";
}

double RoundDecimal(double x, int decimals)
{
    if (x == 0.0)
        return x;
    const unsigned digits = decimals < 0 ? 0u - static_cast<unsigned>(decimals) : static_cast<unsigned>(decimals);
    double scale = 1.0;
    for (unsigned i = 0; i < digits; ++i)
        scale *= 10.0;
    double magnitude = std::abs(x);
    magnitude = decimals >= 0 ? magnitude * scale : magnitude / scale;
    // A hair above the product makes halves that double precision puts just
    // below .5 (1.005 * 100 is 100.49999...) round up as written.
    magnitude += 1e-12;
    double whole = std::floor(magnitude);
    if (magnitude - whole >= 0.5)
        whole += 1.0;
    const double rounded = decimals >= 0 ? whole / scale : whole * scale;
    return x < 0 ? -rounded : rounded;
}
