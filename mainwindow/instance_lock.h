#pragma once
// One running program per program folder: a lock held on a file in the folder for as long as
// the program runs. The system drops the lock when the process ends, however it ends, so a
// crash never leaves a stale lock behind. A second start finds the lock taken and changes
// nothing in the folder.
#include <string>

class InstanceLock {
  public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    enum class Result { Acquired, HeldElsewhere, Failed };

    // Takes the lock of `appFolder` (creating the folder on a first start). `error` says why on
    // Failed.
    Result Acquire(const std::string& appFolder, std::string* error = nullptr);
    bool Held() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

// The lock file's name inside the program folder.
inline constexpr const char* kInstanceLockFile = ".running.lock";
