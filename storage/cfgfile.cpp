#include "storage/cfgfile.h"

#include <cctype>
#include <cstdlib>
#include <limits>
#include <utility>

#include "platform/files.h"

namespace cfg {

Reader::Reader(std::string_view programPath) {
  if (auto d = plat::ReadWholeFile(programPath)) {
    data_ = std::move(*d);
    open_ = true;
  }
}

void Reader::SkipSpace() {
  while (pos_ < data_.size() && std::isspace(static_cast<unsigned char>(data_[pos_]))) ++pos_;
}

bool Reader::Int(std::int32_t& v) {
  SkipSpace();
  std::size_t p = pos_;
  bool neg = false;
  if (p < data_.size() && (data_[p] == '-' || data_[p] == '+')) {
    neg = data_[p] == '-';
    ++p;
  }
  if (p >= data_.size() || !std::isdigit(static_cast<unsigned char>(data_[p]))) return false;
  long long acc = 0;
  while (p < data_.size() && std::isdigit(static_cast<unsigned char>(data_[p]))) {
    if (acc < (1LL << 40)) acc = acc * 10 + (data_[p] - '0');
    ++p;
  }
  if (neg) acc = -acc;
  if (acc > std::numeric_limits<std::int32_t>::max()) acc = std::numeric_limits<std::int32_t>::max();
  if (acc < std::numeric_limits<std::int32_t>::min()) acc = std::numeric_limits<std::int32_t>::min();
  v = static_cast<std::int32_t>(acc);
  pos_ = p;
  ++count_;
  return true;
}

std::int32_t Reader::IntOr(std::int32_t def) {
  std::int32_t v = def;
  return Int(v) ? v : def;
}

bool Reader::Real(double& v) {
  SkipSpace();
  if (pos_ >= data_.size()) return false;
  const char* start = data_.c_str() + pos_;
  char* end = nullptr;
  double d = std::strtod(start, &end);
  if (end == start) return false;
  v = d;
  pos_ += static_cast<std::size_t>(end - start);
  ++count_;
  return true;
}

bool Reader::Real(float& v) {
  double d = 0;
  if (!Real(d)) return false;
  v = static_cast<float>(d);
  return true;
}

bool Reader::Word(std::string& w) {
  SkipSpace();
  if (pos_ >= data_.size()) return false;
  std::size_t p = pos_;
  while (p < data_.size() && !std::isspace(static_cast<unsigned char>(data_[p]))) ++p;
  w.assign(data_, pos_, p - pos_);
  pos_ = p;
  ++count_;
  return true;
}

std::string Reader::Chars(std::size_t n) {
  std::size_t take = std::min(n, data_.size() - std::min(pos_, data_.size()));
  std::string s = data_.substr(pos_, take);
  pos_ += take;
  return s;
}

namespace {

WriteObserver& Observer() {
  static WriteObserver observer;
  return observer;
}

}  // namespace

bool Write(std::string_view programPath, std::string_view data, Kept what) {
  const plat::WriteResult written = plat::WriteFileAtomic(programPath, data);
  if (const WriteObserver& observer = Observer()) observer(written, what);
  return bool(written);
}

WriteObserver SetWriteObserver(WriteObserver observer) {
  return std::exchange(Observer(), std::move(observer));
}

std::int32_t ReadFirstInt(std::string_view programPath, std::int32_t def) {
  Reader r(programPath);
  return r.IntOr(def);
}

}  // namespace cfg
