// A small file system of its own (tmpfs) to fill up, as a full disk
// would; tests that need it skip where mounting is not allowed.
#pragma once

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

#include "support/temp_dir.h"

namespace quintara::test {

class tSmallDisk {
public:
    explicit tSmallDisk(int kib) : mountPoint(dir.File("disk"))
    {
        const std::string cmd = "mkdir -p '" + mountPoint + "' && mount -t tmpfs -o size=" + std::to_string(kib) +
                                "k tmpfs '" + mountPoint + "' 2>/dev/null";
        mounted = std::system(cmd.c_str()) == 0;
    }
    ~tSmallDisk()
    {
        if (mounted) std::system(("umount -l '" + mountPoint + "'").c_str());
    }
    tSmallDisk(const tSmallDisk&) = delete;
    tSmallDisk& operator=(const tSmallDisk&) = delete;

    bool Mounted() const { return mounted; }
    const std::string& Path() const { return mountPoint; }
    std::string File(const std::string& name) const { return mountPoint + "/" + name; }

    // Writes a filler file until the disk refuses another byte.
    void Fill()
    {
        const int fd = ::open(File("filler").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (fd < 0) return;
        static const char block[4096] = {};
        for (std::size_t size = sizeof block; size > 0;)
            if (::write(fd, block, size) < 0) size /= 2;
        ::close(fd);
    }
    void Free() { ::unlink(File("filler").c_str()); }
    // Grows the disk (it stays mounted where it is).
    bool Resize(int kib)
    {
        return std::system(("mount -o remount,size=" + std::to_string(kib) + "k '" + mountPoint + "'").c_str()) == 0;
    }

private:
    tTempDir dir;
    std::string mountPoint;
    bool mounted = false;
};

}  // namespace quintara::test
