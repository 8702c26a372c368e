#include "media/TextTokens.h"

namespace sw {

std::string TakeToken(std::string& text, std::string_view separator) {
  size_t at = separator.empty() ? std::string::npos : text.find(separator);
  std::string result;
  if (at == std::string::npos) {
    // An empty text has no last character to drop.
    if (!text.empty()) result = text.substr(0, text.size() - 1);
    text.clear();
  } else {
    result = text.substr(0, at);
    text.erase(0, at + separator.size());
  }
  return result;
}

}  // namespace sw
