#include "core/platform/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quintara {
namespace {

bool Fail(std::string* error, const std::string& what)
{
    // A full disk in words a user reads as such.
    const bool full = errno == ENOSPC || errno == EDQUOT;
    if (error) *error = what + ": " + (full ? std::string("the disk is full") : std::strerror(errno));
    return false;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error)
{
    std::string temp = path + ".tmpXXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) return Fail(error, "cannot create a file beside " + path);
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int saved = errno;
            ::close(fd);
            ::unlink(temp.c_str());
            errno = saved;
            return Fail(error, "cannot write " + path);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    // Settings files are small: make the data durable before the rename
    // makes it visible.
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const int saved = errno;
        ::unlink(temp.c_str());
        errno = saved;
        return Fail(error, "cannot write " + path);
    }
    ::chmod(temp.c_str(), 0644);
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const int saved = errno;
        ::unlink(temp.c_str());
        errno = saved;
        return Fail(error, "cannot replace " + path);
    }
    return true;
}

bool CopyFileAtomically(const std::string& from, const std::string& to, std::string* error)
{
    std::string bytes;
    if (!ReadWholeFile(from, bytes)) return Fail(error, "cannot read " + from);
    return WriteFileAtomically(to, bytes, error);
}

std::string SetAside(const std::string& path, std::string* error)
{
    std::string aside = path + ".damaged";
    for (int n = 1; FileExists(aside); ++n) aside = path + ".damaged" + std::to_string(n);
    if (std::rename(path.c_str(), aside.c_str()) == 0) return aside;
    Fail(error, "cannot set " + path + " aside");
    return {};
}

bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    bytes.clear();
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

bool FileExists(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string JoinPath(const std::string& dir, const std::string& name)
{
    if (dir.empty()) return name;
    if (dir.back() == '/') return dir + name;
    return dir + '/' + name;
}

}  // namespace quintara
