#include "core/Paths.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include "core/Text.h"

namespace sw {

std::string NormalizeSlashes(std::string path) {
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

static bool Exists(const std::string& p) {
  struct stat st;
  return ::stat(p.c_str(), &st) == 0;
}

std::string ResolvePath(const std::string& raw) {
  std::string path = NormalizeSlashes(raw);
  if (path.empty() || Exists(path)) return path;
  // Walk the parts, matching each without regard to case where the exact name is missing.
  std::vector<std::string> parts;
  std::string cur;
  for (char c : path) {
    if (c == '/') {
      parts.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  parts.push_back(cur);
  std::string built = path[0] == '/' ? "/" : "";
  size_t start = path[0] == '/' ? 1 : 0;
  for (size_t i = start; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    if (part.empty()) continue;
    std::string candidate = built + part;
    if (!Exists(candidate)) {
      DIR* dir = ::opendir(built.empty() ? "." : built.c_str());
      bool found = false;
      if (dir) {
        while (dirent* e = ::readdir(dir)) {
          if (SameText(e->d_name, part)) {
            candidate = built + e->d_name;
            found = true;
            break;
          }
        }
        ::closedir(dir);
      }
      if (!found) return path;
    }
    built = candidate;
    if (i + 1 < parts.size()) built += "/";
  }
  return built;
}

bool FileExists(const std::string& path) {
  struct stat st;
  return ::stat(ResolvePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DeleteFile(const std::string& path) { return ::unlink(ResolvePath(path).c_str()) == 0; }

bool MakeFolders(const std::string& raw) {
  std::string path = NormalizeSlashes(raw);
  std::string built;
  for (size_t i = 0; i < path.size(); ++i) {
    built += path[i];
    if (path[i] == '/' || i + 1 == path.size()) {
      if (built == "/") continue;
      if (::mkdir(built.c_str(), 0755) != 0 && errno != EEXIST) return false;
    }
  }
  return true;
}

std::string ExecutableFolder() {
  char buf[PATH_MAX];
  ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return "./";
  std::string exe(buf, static_cast<size_t>(n));
  return exe.substr(0, exe.find_last_of('/') + 1);
}

bool ReadWholeFile(const std::string& path, std::string& contents) {
  const std::string resolved = ResolvePath(path);
  struct stat st;
  if (::stat(resolved.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
  std::ifstream in(resolved, std::ios::binary);
  if (!in) return false;
  if (S_ISREG(st.st_mode)) {
    // Read in one go into a buffer of the file's size: the pictures are megabytes, and growing
    // a stream buffer step by step copied them over and over at start-up.
    contents.resize(static_cast<size_t>(st.st_size));
    if (st.st_size > 0 && !in.read(contents.data(), static_cast<std::streamsize>(st.st_size))) return false;
    // A file that grew since it was measured is read to its end all the same.
    if (in.peek() == std::char_traits<char>::eof()) return true;
  } else {
    contents.clear();
  }
  // A pipe, a terminal or a device has no size: it is read in blocks until its end.
  char block[65536];
  while (in.read(block, sizeof block) || in.gcount() > 0) contents.append(block, static_cast<size_t>(in.gcount()));
  return in.eof() && !in.bad();
}

bool AtomicWriteFile(const std::string& raw, const std::string& contents, bool sync) {
  std::string path = ResolvePath(raw);
  std::string tmp = path + ".tmp" + std::to_string(::getpid());
  int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return false;
  const char* p = contents.data();
  size_t left = contents.size();
  while (left > 0) {
    ssize_t w = ::write(fd, p, left);
    if (w <= 0) {
      ::close(fd);
      ::unlink(tmp.c_str());
      return false;
    }
    p += w;
    left -= static_cast<size_t>(w);
  }
  if ((sync && ::fsync(fd) != 0) || ::close(fd) != 0) {
    ::unlink(tmp.c_str());
    return false;
  }
  if (::rename(tmp.c_str(), path.c_str()) != 0) {
    ::unlink(tmp.c_str());
    return false;
  }
  return true;
}

}  // namespace sw
