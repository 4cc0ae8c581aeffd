#include "toolkit/core/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <random>
#include <string_view>

#include "toolkit/core/text_stream.h"

namespace korvanta {
namespace {

namespace fs = std::filesystem;

// Keeps the temporary name within the length a folder entry may have.
constexpr std::size_t kMaxNamePart = 200;
constexpr int kNameAttempts = 100;

[[noreturn]] void ThrowLastError() {
  ThrowIOException(errno != 0 ? errno : EIO);
}

// The file a symbolic link leads to, so that replacing it keeps the link.
fs::path WriteTarget(const fs::path& chosen) {
  std::error_code ec;
  if (!fs::is_symlink(chosen, ec)) return chosen;
  const fs::path resolved = fs::weakly_canonical(chosen, ec);
  return ec ? chosen : resolved;
}

std::string RandomSuffix(std::mt19937_64& random) {
  static constexpr std::string_view kChars =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::uniform_int_distribution<std::size_t> pick(0, kChars.size() - 1);
  std::string suffix;
  for (int i = 0; i < 6; ++i) suffix.push_back(kChars[pick(random)]);
  return suffix;
}

// A temporary file beside the target, opened exclusively. Created with mode
// 0666 so that the user's umask decides, as for any new file.
struct TempFile {
  int fd = -1;
  fs::path path;
};

TempFile CreateTempBeside(const fs::path& target) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const std::string name = target.filename().string().substr(0, kMaxNamePart);
  std::mt19937_64 random(std::random_device{}());
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    TempFile temp;
    temp.path = folder / ("." + name + ".korvanta-tmp-" + RandomSuffix(random));
    errno = 0;
    temp.fd = ::open(temp.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (temp.fd >= 0) return temp;
    if (errno != EEXIST) ThrowLastError();
  }
  ThrowIOException(EEXIST);
}

void WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    errno = 0;
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      ThrowLastError();
    }
    if (written == 0) ThrowIOException(EIO);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

// An existing file's mode and owner carry over to its replacement; failing
// to carry the owner (a user may not give a file away) is not an error.
void CarryOverAttributes(int fd, const std::optional<struct stat>& earlier) {
  if (!earlier) return;
  errno = 0;
  if (::fchmod(fd, earlier->st_mode & 07777) != 0) ThrowLastError();
  [[maybe_unused]] const int ignored = ::fchown(fd, earlier->st_uid, earlier->st_gid);
}

// Makes the rename itself durable. Some file systems refuse to sync a
// folder; the new content is already on disk, so that is not an error.
void SyncFolder(const fs::path& target) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

void ReplaceFileLines(const FolderItem& file, const std::vector<std::string>& lines) {
  const fs::path target = WriteTarget(file.Path());

  std::optional<struct stat> earlier;
  struct stat info {};
  if (::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode)) earlier = info;

  std::string content;
  for (const auto& line : lines) {
    content += line;
    content += '\n';
  }

  TempFile temp = CreateTempBeside(target);
  try {
    WriteAll(temp.fd, content);
    CarryOverAttributes(temp.fd, earlier);
    errno = 0;
    if (::fsync(temp.fd) != 0) ThrowLastError();
    const int fd = temp.fd;
    temp.fd = -1;
    errno = 0;
    if (::close(fd) != 0) ThrowLastError();
    errno = 0;
    if (::rename(temp.path.c_str(), target.c_str()) != 0) ThrowLastError();
  } catch (...) {
    if (temp.fd >= 0) ::close(temp.fd);
    ::unlink(temp.path.c_str());
    throw;
  }
  SyncFolder(target);
}

}  // namespace korvanta
