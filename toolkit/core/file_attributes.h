#pragma once

namespace korvanta {

// Gives the file open as `to` exactly the extended attributes of the file
// open as `from`: the ACL (system.posix_acl_access, which also sets the
// permission bits it implies), user.* and every other one the user may see,
// and takes from `to` those `from` lacks (an ACL the folder handed a new
// file). File capabilities (security.capability) are left behind, as any
// write of a file drops them. False, with `to` partly done, where one cannot
// be read, set or taken away (a security.* attribute without the privilege,
// a file system that refuses it); a file system without extended attributes
// has none to copy.
bool CopyExtendedAttributes(int from, int to);

}  // namespace korvanta
