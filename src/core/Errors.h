#pragma once
// Error types of the game. Every error carries the game's own message text; the frame
// tick and the input handlers catch them at the top, report them and go on.
#include <stdexcept>
#include <string>

namespace sw {

// Any error the game reports and survives (missing image or wave, unreadable file ...).
class EGameError : public std::runtime_error {
public:
  explicit EGameError(const std::string& message) : std::runtime_error(message) {}
};

// An error in a data file; the message names the file, the section and the key.
class EDataError : public EGameError {
public:
  EDataError(const std::string& file, const std::string& section, const std::string& key,
             const std::string& message)
      : EGameError(file + ":" + section + ":" + key + ": " + message),
        File(file), Section(section), Key(key) {}
  std::string File, Section, Key;
};

// printf-style formatting for the game's messages ("Image '%s' not found").
std::string Format(const char* pattern, const std::string& arg);

}  // namespace sw
