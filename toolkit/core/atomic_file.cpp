#include "toolkit/core/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>
#include <string_view>

#include "toolkit/core/exceptions.h"
#include "toolkit/core/file_attributes.h"
#include "toolkit/core/file_kind.h"
#include "toolkit/core/folder_flags.h"
#include "toolkit/core/mount_root.h"
#include "toolkit/core/signals_held.h"
#include "toolkit/core/text_stream.h"
#include "toolkit/core/unique_fd.h"

namespace korvanta {
namespace {

namespace fs = std::filesystem;

// Keeps the temporary name within the length a folder entry may have.
constexpr std::size_t kMaxNamePart = 200;
constexpr int kNameAttempts = 100;
// As the system's own limit on links followed in one path.
constexpr int kMaxLinkHops = 40;

// The errno of the call that has just failed; EIO where it set none.
int LastError() {
  return errno != 0 ? errno : EIO;
}

[[noreturn]] void ThrowLastError() {
  ThrowIOException(LastError());
}

fs::path FolderOf(const fs::path& target) {
  return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

// The file at the end of a chain of symbolic links, whether it exists or
// not, so that writing it keeps the links and creates what a link that leads
// nowhere yet names.
fs::path FollowLinks(fs::path path) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    std::error_code ec;
    if (!fs::is_symlink(path, ec)) return path;
    const fs::path next = fs::read_symlink(path, ec);
    if (ec) return path;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return path;  // a loop of links: looking at it gives ELOOP
}

void RequireWritableKind(mode_t mode) {
  if (S_ISDIR(mode)) ThrowIOException(EISDIR);
  if (!S_ISREG(mode) && !S_ISFIFO(mode) && !S_ISCHR(mode)) {
    throw FileKindException("it is " + FileKindName(mode) +
                            ", not a regular file, a FIFO or a character device");
  }
}

// What is there now: nothing, or a kind of file that can be written. Looked
// at before any open, so that no other kind of device is ever opened.
std::optional<struct stat> Examine(const fs::path& target) {
  struct stat info {};
  errno = 0;
  if (::stat(target.c_str(), &info) != 0) {
    if (errno == ENOENT) return std::nullopt;
    ThrowLastError();
  }
  RequireWritableKind(info.st_mode);
  return info;
}

struct OpenFile {
  UniqueFd fd;
  struct stat info {};
};

// Opens an existing file for writing without waiting: a FIFO that no program
// reads is refused at once. A file the user may not write is refused here.
OpenFile OpenExisting(const fs::path& target) {
  OpenFile file;
  errno = 0;
  file.fd = UniqueFd(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!file.fd) {
    const int error = errno;
    struct stat info {};
    if (error == ENXIO && ::stat(target.c_str(), &info) == 0 && S_ISFIFO(info.st_mode)) {
      throw IOException(ENXIO, "no program is reading from this FIFO (named pipe)");
    }
    ThrowIOException(error);
  }
  errno = 0;
  if (::fstat(file.fd.Get(), &file.info) != 0) ThrowLastError();
  RequireWritableKind(file.info.st_mode);
  MakeBlocking(file.fd.Get());
  return file;
}

// Writes everything; gives 0 or the errno of the failure, and in `written`
// how many bytes went out before it.
int WriteAll(int fd, std::string_view bytes, std::size_t& written) {
  written = 0;
  while (written < bytes.size()) {
    errno = 0;
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return LastError();
    }
    if (n == 0) return EIO;
    written += static_cast<std::size_t>(n);
  }
  return 0;
}

// Cuts the file back to its earlier length where an attempt to make room
// grew it; false where that failed, and the file is longer than it was.
bool CutBack(int fd, off_t earlier_size) {
  struct stat now {};
  if (::fstat(fd, &now) == 0 && now.st_size == earlier_size) return true;
  return ::ftruncate(fd, earlier_size) == 0;
}

// For a failure that came before a byte of the earlier content changed:
// IOException, the file cut back to its earlier length; where it cannot be,
// IncompleteFileException.
[[noreturn]] void ThrowAsItWas(int fd, off_t earlier_size, int error) {
  if (!CutBack(fd, earlier_size)) throw IncompleteFileException(error, std::strerror(error));
  ThrowIOException(error);
}

// Takes from the file system the room `length` bytes need before a byte of
// the file changes, so that a full disk (ENOSPC, EDQUOT) or a size limit
// (EFBIG) refuses the write with the file as it was: throws IOException then
// (IncompleteFileException where room it kept cannot be given back).
// False where the file system cannot set room aside (EOPNOTSUPP: some network
// and FUSE file systems). posix_fallocate is no help there: it would write
// zeros over the file itself to make the room.
bool Reserve(int fd, off_t earlier_size, off_t length) {
  if (length == 0) return true;  // none is needed, and fallocate refuses a length of 0
  int result = 0;
  do {
    errno = 0;
    result = ::fallocate(fd, 0, 0, length);
  } while (result != 0 && errno == EINTR);
  if (result == 0) return true;
  const int error = LastError();
  if (error == EOPNOTSUPP || error == ENOSYS) return false;
  // Some file systems (ext4) keep the room they found before the rest ran
  // out, and the file grows by that many zeros: they go again.
  ThrowAsItWas(fd, earlier_size, error);
}

// Where no room can be set aside, the room is made by writing first the
// part of the content that lies beyond the earlier content's end: until it
// is had, the earlier bytes stay as they are, and where it cannot be had the
// file is cut back to its earlier length.
void ExtendBeyondTheEnd(int fd, std::string_view content, off_t earlier_size) {
  const auto beyond = static_cast<std::size_t>(earlier_size);
  if (content.size() <= beyond) return;
  errno = 0;
  if (::lseek(fd, earlier_size, SEEK_SET) < 0) ThrowAsItWas(fd, earlier_size, errno);
  std::size_t written = 0;
  if (const int error = WriteAll(fd, content.substr(beyond), written); error != 0) {
    ThrowAsItWas(fd, earlier_size, error);
  }
  // A network file system (NFS) takes the bytes into memory and meets a full
  // disk only when they go out: synced now, its refusal still comes before
  // an earlier byte changes.
  errno = 0;
  if (::fdatasync(fd) != 0) ThrowAsItWas(fd, earlier_size, LastError());
}

// Writes the content over the earlier one, cuts the file to its length and
// syncs, the room made first (see Reserve and ExtendBeyondTheEnd). A failure
// before a byte of the earlier content changed leaves the file as it was.
void WriteRegularInPlace(OpenFile file, std::string_view content) {
  const int fd = file.fd.Get();
  const off_t earlier_size = file.info.st_size;
  const auto length = static_cast<off_t>(content.size());
  const bool reserved = Reserve(fd, earlier_size, length);
  if (!reserved) ExtendBeyondTheEnd(fd, content, earlier_size);
  // Where the room was made, what lies beyond the earlier end is already
  // written: the rest goes over the earlier content.
  const std::string_view over =
      reserved
          ? content
          : content.substr(0, std::min(content.size(), static_cast<std::size_t>(earlier_size)));
  errno = 0;
  if (::lseek(fd, 0, SEEK_SET) < 0) ThrowAsItWas(fd, earlier_size, errno);
  std::size_t written = 0;
  int error = WriteAll(fd, over, written);
  // A copy-on-write file system (btrfs) needs new room even to write over
  // bytes whose room was set aside: the first write can meet a full disk
  // with the file as it was.
  bool changed = std::min(written, static_cast<std::size_t>(earlier_size)) > 0;
  errno = 0;
  if (error == 0) {
    if (::ftruncate(fd, length) != 0) {
      error = LastError();
    } else if (length < earlier_size) {
      changed = true;
    }
  }
  errno = 0;
  if (error == 0 && ::fsync(fd) != 0) error = LastError();
  if (error != 0 && !changed) ThrowAsItWas(fd, earlier_size, error);
  errno = 0;
  if (file.fd.Close() != 0 && error == 0) error = LastError();
  if (error == 0) return;
  throw IncompleteFileException(error, std::strerror(error));
}

// A FIFO or a device is written through, neither reserved, cut nor synced.
void WriteThrough(OpenFile file, std::string_view content) {
  std::size_t written = 0;
  int error = WriteAll(file.fd.Get(), content, written);
  errno = 0;
  if (file.fd.Close() != 0 && error == 0) error = LastError();
  if (error == 0) return;
  if (written == 0) ThrowIOException(error);
  throw IncompleteFileException(error, std::strerror(error));
}

// A regular file is written with every signal that would cut the write short
// held until it is done (see SignalsHeld). A FIFO's reader may take its time,
// or stop reading for good: a signal that ends the program still ends it at
// once there.
void WriteInPlace(OpenFile file, std::string_view content) {
  if (!S_ISREG(file.info.st_mode)) {
    const SignalsHeld held(SignalsHeld::Ending::kLetThrough);
    WriteThrough(std::move(file), content);
    return;
  }
  const SignalsHeld held(SignalsHeld::Ending::kHeld);
  WriteRegularInPlace(std::move(file), content);
}

std::string RandomSuffix(std::mt19937_64& random) {
  static constexpr std::string_view kChars =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::uniform_int_distribution<std::size_t> pick(0, kChars.size() - 1);
  std::string suffix;
  for (int i = 0; i < 6; ++i) suffix.push_back(kChars[pick(random)]);
  return suffix;
}

// A temporary file beside the target, opened exclusively and removed again
// unless it was renamed into place. In the place of an earlier file it is
// created 0600, so that no one but its owner can open it before it has the
// earlier file's rights: a descriptor opened in that moment would read the
// new lines later. A new file is created 0666, so that the umask, or the
// folder's default ACL, decides as for any new file; the kernel alone knows
// which of the two applies, and whoever may open it then may read the file
// once it is in place anyway.
class TempFile {
 public:
  TempFile(const fs::path& target, mode_t mode) {
    const fs::path folder = FolderOf(target);
    const std::string name = target.filename().string().substr(0, kMaxNamePart);
    std::mt19937_64 random(std::random_device{}());
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
      path_ = folder / ("." + name + ".korvanta-tmp-" + RandomSuffix(random));
      errno = 0;
      fd_ = UniqueFd(
          ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode));
      if (fd_) return;
      if (errno != EEXIST) ThrowLastError();
    }
    ThrowIOException(EEXIST);
  }
  ~TempFile() {
    fd_.Reset();
    if (!renamed_) ::unlink(path_.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  UniqueFd& Fd() { return fd_; }
  const fs::path& Path() const { return path_; }
  void Renamed() { renamed_ = true; }

 private:
  fs::path path_;
  UniqueFd fd_;
  bool renamed_ = false;
};

// The folder turned the temporary file or its rename down: no write
// permission, or a sticky folder and a file of another user.
bool FolderRefuses(int error) {
  return error == EACCES || error == EPERM;
}

// The rename was turned down where the folder refuses it, or where the
// file is a mount point the system could not point out beforehand (see
// IsMountRoot): only a write reaches it there.
bool RenameRefused(int error) {
  return FolderRefuses(error) || error == EBUSY;
}

// Gives the temporary file everything of the earlier one's that says who
// may do what with it: its owner and group where they differ (first, since
// a change of owner clears the set-user-ID bits), its extended attributes
// with its ACL, and last its mode, which then changes no ACL entry and
// grants nothing the earlier file did not. False where one of them cannot
// be kept: a replacement would then give the file away from its owner, or
// lose what the user could not restore.
bool CarryOverAttributes(int fd, const OpenFile& earlier) {
  struct stat now {};
  errno = 0;
  if (::fstat(fd, &now) != 0) ThrowLastError();
  if ((now.st_uid != earlier.info.st_uid || now.st_gid != earlier.info.st_gid) &&
      ::fchown(fd, earlier.info.st_uid, earlier.info.st_gid) != 0) {
    return false;
  }
  if (!CopyExtendedAttributes(earlier.fd.Get(), fd)) return false;
  errno = 0;
  if (::fchmod(fd, earlier.info.st_mode & 07777) != 0) ThrowLastError();
  return true;
}

// Makes the rename itself durable. Some file systems refuse to sync a
// folder; the new content is already on disk, so that is not an error.
void SyncFolder(const fs::path& target) {
  const UniqueFd fd(::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd) ::fsync(fd.Get());
}

// The content through a temporary file renamed over the target. False, with
// nothing changed, where an existing file is better written in place (see
// FolderRefuses, CarryOverAttributes and RenameRefused); any other failure
// throws, with the target as it was.
bool ReplaceWhole(const fs::path& target, std::string_view content, const OpenFile* earlier) {
  // Held until the temporary file is renamed into place or removed.
  const SignalsHeld held(SignalsHeld::Ending::kHeld);
  std::optional<TempFile> temp;
  try {
    temp.emplace(target, earlier != nullptr ? 0600 : 0666);
  } catch (const IOException& e) {
    if (earlier != nullptr && FolderRefuses(e.ErrorNumber())) return false;
    throw;
  }
  const int fd = temp->Fd().Get();
  if (earlier != nullptr && !CarryOverAttributes(fd, *earlier)) return false;
  std::size_t written = 0;
  if (const int error = WriteAll(fd, content, written); error != 0) ThrowIOException(error);
  errno = 0;
  if (::fsync(fd) != 0) ThrowLastError();
  errno = 0;
  if (temp->Fd().Close() != 0) ThrowLastError();
  errno = 0;
  if (::rename(temp->Path().c_str(), target.c_str()) != 0) {
    if (earlier != nullptr && RenameRefused(errno)) return false;
    ThrowLastError();
  }
  temp->Renamed();
  SyncFolder(target);
  return true;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string content;
  for (const auto& line : lines) {
    content += line;
    content += '\n';
  }
  return content;
}

// Creates the file, empty, with the mode of any new file.
void CreateEmpty(const fs::path& target) {
  errno = 0;
  UniqueFd fd(::open(target.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666));
  if (!fd) ThrowLastError();
  errno = 0;
  if (fd.Close() != 0) ThrowLastError();
}

// Creates the file where it does not exist; otherwise proves it can be
// written without changing it.
void CheckWritable(const fs::path& target) {
  const std::optional<struct stat> info = Examine(target);
  if (!info) {
    CreateEmpty(target);
    return;
  }
  if (!S_ISREG(info->st_mode)) {
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) ThrowLastError();
    return;
  }
  // Opened for writing as a write will open it, without O_TRUNC: what the
  // system refuses (permissions, a read-only file system, a running
  // program's file) shows now, and not a byte changes.
  OpenFile existing = OpenExisting(target);
  errno = 0;
  if (existing.fd.Close() != 0) ThrowLastError();
}

}  // namespace

void ReplaceFileLines(const FolderItem& file, const std::vector<std::string>& lines) {
  const fs::path target = FollowLinks(file.Path());
  const std::string content = Joined(lines);
  // A temporary file in a folder whose entries may not go would stay there
  // for good: the file is written where it is, a new one created first.
  const bool replaceable = !FolderKeepsItsEntries(FolderOf(target));
  if (!Examine(target)) {
    if (replaceable) {
      ReplaceWhole(target, content, nullptr);
      return;
    }
    CreateEmpty(target);
  }
  OpenFile existing = OpenExisting(target);
  if (replaceable && S_ISREG(existing.info.st_mode) && existing.info.st_nlink == 1 &&
      !IsMountRoot(existing.fd.Get()) && ReplaceWhole(target, content, &existing)) {
    return;
  }
  WriteInPlace(std::move(existing), content);
}

void CreateOrCheckWritable(const FolderItem& file) {
  try {
    CheckWritable(FollowLinks(file.Path()));
  } catch (const IOException& e) {
    // The user has just picked the file in a dialog: the message names it.
    throw IOException(e.ErrorNumber(), e.Message() + ": \"" + file.Path().string() + "\"");
  }
}

}  // namespace korvanta
