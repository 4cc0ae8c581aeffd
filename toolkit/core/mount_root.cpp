#include "toolkit/core/mount_root.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace korvanta {

bool IsMountRoot(int fd) {
  struct statx info {};
  // Told by the mount table, not the file system: nothing to ask a network
  // server for.
  if (::statx(fd, "", AT_EMPTY_PATH | AT_STATX_DONT_SYNC, STATX_TYPE, &info) != 0) return false;
  return (info.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) != 0 &&
         (info.stx_attributes & STATX_ATTR_MOUNT_ROOT) != 0;
}

}  // namespace korvanta
