#include "files/save_target.h"

#include <cerrno>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

#include "common/file_kind.h"

namespace trochograph {

namespace {

// `found` is named when links led there from another name.
Error notRegular(mode_t mode, const std::filesystem::path& found = {})
{
    std::string what = fileKindName(mode);
    if (!found.empty()) what += " (" + found.string() + ")";
    return {ErrorCode::cannotCreate, "can't save over " + what + ", only over a regular file"};
}

Error foreignLink(const std::filesystem::path& link)
{
    std::string which = "a link";
    if (!link.empty()) which += " (" + link.string() + ")";
    return {ErrorCode::cannotCreate,
            "can't follow " + which + " that another user owns in a sticky folder anyone may write to"};
}

std::filesystem::path folderOf(const std::filesystem::path& p)
{
    return p.has_parent_path() ? p.parent_path() : std::filesystem::path(".");
}

}  // namespace

Error cannotCreate(int error)
{
    return {ErrorCode::cannotCreate, "can't create the file: " + std::generic_category().message(error)};
}

bool mayFollowLink(const struct stat& link, const struct stat& folder, uid_t user)
{
    if (link.st_uid == user) return true;
    const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return !shared || link.st_uid == folder.st_uid;
}

Result<SaveTarget> resolveSaveTarget(const std::filesystem::path& target)
{
    constexpr int maxLinks = 40;  // the kernel's own limit on a chain of links
    if (target.empty()) return cannotCreate(ENOENT);
    std::filesystem::path p = target;
    for (int link = 0; link <= maxLinks; ++link) {
        // Names within the chain are shown only when they are not the one the user gave.
        const std::filesystem::path shown = p == target ? std::filesystem::path() : p;
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0) {
            if (errno != ENOENT) return cannotCreate(errno);
            // No file yet, or a dangling link's target: a new file is made there. A link of
            // /proc (/dev/stdout) may lead to a pipe that has no name to find it by.
            struct stat end {};
            if (::stat(target.c_str(), &end) == 0 && !S_ISREG(end.st_mode) && !S_ISDIR(end.st_mode))
                return notRegular(end.st_mode);
            return SaveTarget{p, std::nullopt};
        }
        if (S_ISDIR(st.st_mode)) return cannotCreate(EISDIR);
        if (S_ISREG(st.st_mode)) return SaveTarget{p, st.st_mode & 07777 & ~mode_t{S_ISUID | S_ISGID}};
        if (!S_ISLNK(st.st_mode)) return notRegular(st.st_mode, shown);
        struct stat folder {};
        if (::stat(folderOf(p).c_str(), &folder) != 0) return cannotCreate(errno);
        if (!mayFollowLink(st, folder, ::geteuid())) return foreignLink(shown);
        std::error_code ec;
        const std::filesystem::path next = std::filesystem::read_symlink(p, ec);
        if (ec) return cannotCreate(ec.value());
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    return cannotCreate(ELOOP);
}

Result<void> stillReplaceable(int folder, const std::string& name)
{
    struct stat st {};
    if (::fstatat(folder, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return {};
    // A link is replaced itself, never written through; a directory is refused by rename.
    if (S_ISREG(st.st_mode) || S_ISLNK(st.st_mode) || S_ISDIR(st.st_mode)) return {};
    return notRegular(st.st_mode);
}

}  // namespace trochograph
