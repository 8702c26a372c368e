#include "core/Text.h"

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <clocale>
#include <cstdlib>
#include <limits>
#include <sstream>
#include <locale>

namespace sw {

std::string UpperCase(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

std::string LowerCase(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

namespace {

// Each byte in lower case, as std::tolower gives it; names are compared and hashed by the
// thousand on every world step, and a table costs less than a call per letter.
struct TFoldTable {
  unsigned char Lower[256];
  TFoldTable() {
    for (int c = 0; c < 256; ++c) Lower[c] = static_cast<unsigned char>(std::tolower(c));
  }
};

const TFoldTable& Fold() {
  static const TFoldTable table;
  return table;
}

}  // namespace

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const unsigned char* lower = Fold().Lower;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && lower[static_cast<unsigned char>(a[i])] != lower[static_cast<unsigned char>(b[i])])
      return false;
  return true;
}

size_t FoldedHash(std::string_view s) {
  // FNV-1a over the folded bytes.
  const unsigned char* lower = Fold().Lower;
  uint64_t h = 14695981039346656037ULL;
  for (char c : s) {
    h ^= lower[static_cast<unsigned char>(c)];
    h *= 1099511628211ULL;
  }
  return static_cast<size_t>(h);
}

std::string Trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
  return std::string(s.substr(b, e - b));
}

std::optional<long long> ParseInteger(std::string_view raw) {
  std::string t = Trim(raw);
  if (t.empty()) return std::nullopt;
  size_t i = 0;
  bool negative = false;
  if (t[i] == '+' || t[i] == '-') {
    negative = t[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < t.size() && t[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < t.size() && t[i] == '0' && (t[i + 1] == 'x' || t[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= t.size()) return std::nullopt;
  unsigned long long value = 0;
  for (; i < t.size(); ++i) {
    int d;
    char c = t[i];
    if (c >= '0' && c <= '9') d = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else return std::nullopt;
    value = value * base + d;
    if (value > 0xFFFFFFFFULL) return std::nullopt;
  }
  long long v = static_cast<long long>(value);
  // Hexadecimal numbers fill 32 bits, so "$FFFFFFFF" reads as -1 like a 32-bit integer.
  if (base == 16 && v > std::numeric_limits<int32_t>::max()) v -= 0x100000000LL;
  if (base == 10 && v > 2147483648LL) return std::nullopt;
  if (negative) v = -v;
  if (v > std::numeric_limits<int32_t>::max() || v < std::numeric_limits<int32_t>::min()) return std::nullopt;
  return v;
}

std::optional<double> ParseReal(std::string_view raw) {
  std::string t = Trim(raw);
  if (t.empty()) return std::nullopt;
  std::istringstream in(t);
  in.imbue(std::locale::classic());
  double v;
  in >> v;
  if (in.fail()) return std::nullopt;
  in >> std::ws;
  if (!in.eof()) return std::nullopt;
  return v;
}

}  // namespace sw
