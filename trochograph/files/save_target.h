// The file a save would change, found as opening its name for writing would find it, with
// what a save must not do refused first: following a link that the kernel's protection of
// links in shared folders would not follow, and replacing anything but a regular file (a
// FIFO, a device, a socket), directly or through links. Refusals are one line for the user.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>

#include "common/result.h"

namespace trochograph {

struct SaveTarget {
    std::filesystem::path path;  // links followed: the name the new file takes
    // An existing file's permission bits less setuid and setgid, which a rewritten file
    // must not keep; none for a new file, which gets what the umask gives.
    std::optional<mode_t> mode;
};

// Follows `target`'s links to the end of their chain. Refuses a directory, a name that can't
// be looked up (too long, through a plain file...) with the system's reason, a link that
// mayFollowLink() refuses, and an existing file that is not a regular file.
Result<SaveTarget> resolveSaveTarget(const std::filesystem::path& target);

// The kernel's rule for links in sticky world-writable folders (fs.protected_symlinks): a
// link is followed when `user` owns it, when its folder is not both sticky and writable by
// all, or when the folder's owner owns it. Elsewhere a link another user planted in /tmp
// could send a save by root onto any file.
bool mayFollowLink(const struct stat& link, const struct stat& folder, uid_t user);

// Refuses when `name` in the folder open as `folder` is now something no save replaces, as
// resolveSaveTarget() would: a FIFO or a device made there while the file was written.
Result<void> stillReplaceable(int folder, const std::string& name);

// "can't create the file: " and the system's reason for `error`, the line for a save that
// can't start.
Error cannotCreate(int error);

}  // namespace trochograph
