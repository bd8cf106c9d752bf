#include "cli/tool.h"

#include "core/check/campaign.h"
#include "core/mission/reader.h"
#include "core/mission/safe_write.h"
#include "core/mission/writer.h"

#include <iostream>

namespace zephlo::tool {

int usageError(const std::string& what) {
  std::cerr << "zephlo-tool: " << what << "\nTry 'zephlo-tool --help'.\n";
  return kExitBadInput;
}

std::unique_ptr<Document> load(const std::string& path) {
  Result<Document> r = readMissionInput(path);
  if (!r) {
    std::cerr << "zephlo-tool: " << readFailureText(r.error(), inputName(path)) << "\n";
    return nullptr;
  }
  return std::make_unique<Document>(std::move(*r));
}

std::optional<std::vector<Byte>> readInput(const std::string& path, const SizeLimit& limit,
                                           const EarlyCheck& early) {
  Result<std::vector<Byte>> r = readWholeInput(path, limit, early);
  if (!r) {
    std::cerr << "zephlo-tool: " << readFailureText(r.error(), inputName(path)) << "\n";
    return std::nullopt;
  }
  return std::move(*r);
}

int save(const Document& doc, const std::string& path) {
  const Result<std::vector<Byte>> bytes =
      serializeMission(doc, path == "-" ? "standard output" : path);
  if (!bytes) {
    std::cerr << "zephlo-tool: " << bytes.error().message << "\n";
    return kExitWriteFailed;
  }
  return writeOutput(path, *bytes);
}

int writeOutput(const std::string& path, std::span<const Byte> bytes) {
  // Like any command-line tool, wait for a pipe's reader.
  std::cout.flush();
  const Status w = path == "-" ? writeStandardOutput(bytes)
                               : writeFileSafely(path, bytes, WriteOptions{.waitForReader = true});
  if (!w) {
    std::cerr << "zephlo-tool: " << w.error().message << "\n";
    return kExitWriteFailed;
  }
  return kExitOk;
}

namespace {

// std::cout's buffer: large, so long descriptions go out in few writes, and
// it remembers why the first write failed, which the stream itself forgets.
class StandardOutputBuffer : public std::streambuf {
public:
  StandardOutputBuffer() { setp(buf_, buf_ + sizeof buf_); }
  // Empty while every write went through.
  const std::string& error() const { return error_; }

protected:
  int_type overflow(int_type c) override {
    if (!flushBuffer()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }
  int sync() override { return flushBuffer() && std::fflush(stdout) == 0 ? 0 : -1; }
  // A long text (a campaign's description) goes out as it is, not through
  // the buffer piece by piece.
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    if (n < static_cast<std::streamsize>(sizeof buf_)) return std::streambuf::xsputn(s, n);
    if (!flushBuffer()) return 0;
    const Status w = writeStandardOutput(
        std::span(reinterpret_cast<const Byte*>(s), static_cast<std::size_t>(n)));
    if (!w) {
      error_ = w.error().message;
      return 0;
    }
    return n;
  }

private:
  bool flushBuffer() {
    const std::size_t n = static_cast<std::size_t>(pptr() - pbase());
    setp(buf_, buf_ + sizeof buf_);
    if (!error_.empty()) return false;
    if (n == 0) return true;
    const Status w = writeStandardOutput(std::span(reinterpret_cast<const Byte*>(buf_), n));
    if (!w) error_ = w.error().message;
    return bool(w);
  }
  char buf_[1 << 16];
  std::string error_;
};

// Never destroyed: std::cout flushes through it while the program exits,
// after every static of ours is gone.
StandardOutputBuffer& standardOutputBuffer() {
  static auto* const buffer = new StandardOutputBuffer;
  return *buffer;
}

} // namespace

void useStandardOutputBuffer() { std::cout.rdbuf(&standardOutputBuffer()); }

int finishStandardOutput(int status) {
  std::cout.flush();
  const std::string& error = standardOutputBuffer().error();
  if (error.empty() && !std::cout.fail()) return status;
  std::cerr << "zephlo-tool: "
            << (error.empty() ? std::string("Cannot write to standard output.") : error) << "\n";
  return kExitWriteFailed;
}

} // namespace zephlo::tool
