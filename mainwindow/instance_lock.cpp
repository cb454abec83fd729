#include "mainwindow/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/file_util.h"

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) close(fd_);
}

InstanceLock::Result InstanceLock::Acquire(const std::string& appFolder, std::string* error) {
    if (fd_ >= 0) return Result::Acquired;
    std::error_code ec;
    std::filesystem::create_directories(appFolder, ec);
    const std::string path = JoinPath(appFolder, kInstanceLockFile);
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        if (error) *error = "cannot open " + path + ": " + std::strerror(errno);
        return Result::Failed;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        close(fd);
        if (err == EWOULDBLOCK) return Result::HeldElsewhere;
        if (error) *error = "cannot lock " + path + ": " + std::strerror(err);
        return Result::Failed;
    }
    fd_ = fd;
    return Result::Acquired;
}
