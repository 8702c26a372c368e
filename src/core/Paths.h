#pragma once
// File paths as the data writes them: backslashes ("add-ons\pack\") and letter case that may
// differ from the files on disk (the data was made on a case-insensitive file system).
#include <string>

namespace sw {

// Backslashes become slashes.
std::string NormalizeSlashes(std::string path);
// The path of an existing file or folder: the exact name when it exists, otherwise each part
// looked up without regard to letter case; when nothing is found, the path with slashes.
std::string ResolvePath(const std::string& path);
bool FileExists(const std::string& path);
bool DeleteFile(const std::string& path);
bool MakeFolders(const std::string& path);
// The folder of the running executable, with a trailing slash.
std::string ExecutableFolder();
// Whole-file reading; false when the file cannot be read.
bool ReadWholeFile(const std::string& path, std::string& contents);
// Writes through a temporary file in the same folder renamed over the old one, so a crash or a
// full disk never leaves half a file. False when it could not be written.
bool AtomicWriteFile(const std::string& path, const std::string& contents, bool sync = true);

}  // namespace sw
