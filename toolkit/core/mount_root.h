#pragma once

namespace korvanta {

// True where the open file is itself the root of a mount: a single file
// mounted over a name (mount --bind), as a container's one-file volume is.
// No rename can replace it, and the folder beside it may be another file
// system altogether, read-only or full. False where the system cannot tell
// (kernels before 5.8): a rename over it then fails with EBUSY.
bool IsMountRoot(int fd);

}  // namespace korvanta
