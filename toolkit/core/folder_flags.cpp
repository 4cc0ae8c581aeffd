#include "toolkit/core/folder_flags.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>

#include "toolkit/core/unique_fd.h"

namespace korvanta {

bool FolderKeepsItsEntries(const std::filesystem::path& folder) {
  const UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC));
  if (!fd) return false;
  // The kernel reads and writes an int here, whatever the request's name says.
  int flags = 0;
  if (::ioctl(fd.Get(), FS_IOC_GETFLAGS, &flags) != 0) return false;
  return (flags & (FS_APPEND_FL | FS_IMMUTABLE_FL)) != 0;
}

}  // namespace korvanta
