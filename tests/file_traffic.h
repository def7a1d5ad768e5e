// The whole reads and replacements of files while an object lives, by the
// real path's file name, for tests that pin how often a command touches a
// file.
#pragma once

#include <map>
#include <string>

#include "platform/files.h"

class FileTraffic {
 public:
  FileTraffic()
      : previous_(plat::SetFileObserver([this](const plat::FileTraffic& t) {
          const std::string path(t.path);
          const std::string name = path.substr(path.find_last_of("/\\") + 1);
          ++(t.op == plat::FileTraffic::Op::Read ? reads : writes)[name];
        })) {}
  ~FileTraffic() { plat::SetFileObserver(std::move(previous_)); }
  FileTraffic(const FileTraffic&) = delete;
  FileTraffic& operator=(const FileTraffic&) = delete;

  int Reads(const std::string& name) const { return Of(reads, name); }
  int Writes(const std::string& name) const { return Of(writes, name); }
  void Clear() {
    reads.clear();
    writes.clear();
  }

  std::map<std::string, int> reads, writes;

 private:
  static int Of(const std::map<std::string, int>& m, const std::string& name) {
    const auto it = m.find(name);
    return it == m.end() ? 0 : it->second;
  }
  plat::FileObserver previous_;
};
