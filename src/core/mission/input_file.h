// Opening the files a user names for reading whole: only a regular file of a
// sane size, or standard input for "-", so a folder, a FIFO or /dev/zero is
// refused in words instead of hanging or filling the memory.
#pragma once

#include "core/mission/bytes.h"
#include "core/mission/result.h"

#include <cstddef>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zephlo {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// What a file may hold at most, and the words for that in a refusal:
// "Cannot read PATH: it holds N bytes, more than <what> (LIMIT)."
struct SizeLimit {
  std::size_t bytes = 0;
  const char* what = "";
};

// Opens path only if it is a regular file within the limit; size gets its
// length. The kind is checked again on the open descriptor, so a FIFO put in
// place after the first look cannot block the reader.
Result<FileHandle> openRegularFile(const std::string& path, const SizeLimit& limit,
                                   std::size_t& size);

// The name of an input in messages: "standard input" for "-".
std::string inputName(const std::string& path);

// A look at the first bytes of standard input (up to 64 KiB): an error
// refuses the input without reading the rest, so a stream that is plainly
// not what was asked for (/dev/zero) is not read up to the limit.
using EarlyCheck = std::function<std::optional<Error>(std::span<const Byte>)>;

// The whole of an input: standard input for "-", else a regular file. More
// than the limit is refused without reading further.
Result<std::vector<Byte>> readWholeInput(const std::string& path, const SizeLimit& limit,
                                         const EarlyCheck& early = {});

} // namespace zephlo
