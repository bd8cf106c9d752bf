#include "core/check/clipboards.h"

#include "core/mission/input_file.h"

#include "core/mission/safe_write.h"
#include "core/mission/utf8_path.h"
#include "core/mission/writer.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

namespace zephlo {

namespace {

// Far more than anyone adds by hand; a larger file is not a clipboard.
constexpr std::uintmax_t kMaxClipboardBytes = 64u << 20;

const char* recordName(std::size_t n) { return n == trig::Size ? "trigger" : "order"; }

} // namespace

template <std::size_t N> Status RecordClipboard<N>::load() {
  records_.clear();
  readable_ = true;
  std::error_code ec;
  const std::string path = utf8FromPath(file_);
  if (!std::filesystem::exists(file_, ec) && !ec) return {};
  readable_ = false;
  const Result<std::vector<Byte>> read =
      readWholeInput(path, SizeLimit{kMaxClipboardBytes, "a clipboard file may"});
  if (!read) return read.error();
  const std::vector<Byte>& bytes = *read;
  readable_ = true;
  const std::size_t whole = bytes.size() / N;
  records_.resize(whole);
  for (std::size_t k = 0; k < whole; ++k)
    std::memcpy(records_[k].data(), bytes.data() + k * N, N);
  if (const std::size_t rest = bytes.size() % N; rest != 0) {
    return makeError(ErrorKind::Damaged, path + " ends with " + std::to_string(rest) +
                                             " bytes that are not a whole " + recordName(N) +
                                             "; they are left out.");
  }
  return {};
}

template <std::size_t N> Status RecordClipboard<N>::add(const Record& r) {
  const std::string path = utf8FromPath(file_);
  if (!readable_) {
    return makeError(ErrorKind::Refused, "Cannot add to " + path +
                                             ": it could not be read, and rewriting it would "
                                             "lose what it holds.");
  }
  std::vector<Byte> bytes;
  bytes.reserve((records_.size() + 1) * N);
  for (const Record& k : records_)
    bytes.insert(bytes.end(), k.begin(), k.end());
  bytes.insert(bytes.end(), r.begin(), r.end());
  if (Status w = writeFileSafely(path, bytes); !w) return w;
  records_.push_back(r);
  return {};
}

template class RecordClipboard<trig::Size>;
template class RecordClipboard<ord::Size>;

Block<ord::Size> orderForClipboard(const Byte* order) {
  Block<ord::Size> out{};
  for (std::size_t off :
       {ord::Command, ord::Speed, ord::Parameter1, ord::Parameter2, ord::Target1Type, ord::Target1,
        ord::Target2Type, ord::Target2, ord::Target3Type, ord::Target3, ord::Target4Type,
        ord::Target4, ord::Target12Either, ord::Target34Either})
    out[off] = order[off];
  return out;
}

} // namespace zephlo
