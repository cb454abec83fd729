#include "platform/file_util.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;

bool FileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::exists(path, ec);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    // Read with the system calls so that every failure is seen: a stream reads a folder, or a
    // file whose read fails part way, as a short file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string bytes;
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;
        }
        bytes.append(chunk, static_cast<size_t>(n));
    }
    ::close(fd);
    return bytes;
}

std::optional<std::string> ReadFileRange(const std::string& path, std::uint64_t offset,
                                         size_t length) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string bytes(length, '\0');
    size_t done = 0;
    while (done < length) {
        const ssize_t n =
            ::pread(fd, bytes.data() + done, length - done, static_cast<off_t>(offset + done));
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;
        }
        done += static_cast<size_t>(n);
    }
    ::close(fd);
    bytes.resize(done);
    return bytes;
}

std::optional<std::uint64_t> ReadableFileSize(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    const bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    ::close(fd);
    if (!ok) return std::nullopt;
    return static_cast<std::uint64_t>(st.st_size);
}

namespace {

bool WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

void SetError(std::string* error, const std::string& what) {
    if (error) *error = what + ": " + std::strerror(errno);
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

bool HasControlChars(const std::string& name) {
    return std::any_of(name.begin(), name.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 32 || c == 127; });
}

}  // namespace

bool HasBadFileChars(const std::string& name) {
    return name.empty() || HasControlChars(name) ||
           name.find_first_of(kForbiddenFileChars) != std::string::npos;
}

bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == ".." || HasControlChars(name)) return false;
    return name.find_first_of("/\\:") == std::string::npos;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string* error) {
    std::string tmp = path + ".tmp-XXXXXX";
    std::vector<char> name(tmp.begin(), tmp.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) {
        SetError(error, "cannot create a file beside " + path);
        return false;
    }
    ::fchmod(fd, 0644);
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    if (!ok) SetError(error, "cannot write " + path);
    ok = (::close(fd) == 0) && ok;
    if (ok && ::rename(name.data(), path.c_str()) != 0) {
        SetError(error, "cannot replace " + path);
        ok = false;
    }
    if (!ok) ::unlink(name.data());
    return ok;
}

std::optional<std::string> FindNoCase(const std::string& folder, const std::string& name) {
    std::error_code ec;
    if (fs::exists(fs::path(folder) / name, ec)) return name;
    const std::string want = Lower(name);
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        std::string candidate = entry.path().filename().string();
        if (Lower(candidate) == want) return candidate;
    }
    return std::nullopt;
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& ext) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (!entry.is_regular_file(ec)) continue;
        if (Lower(entry.path().extension().string()) == Lower(ext))
            names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string JoinPath(const std::string& folder, const std::string& rel) {
    std::string r = rel;
    std::replace(r.begin(), r.end(), '\\', '/');
    while (!r.empty() && r.front() == '/') r.erase(r.begin());
    if (folder.empty()) return r;
    if (folder.back() == '/') return folder + r;
    return folder + "/" + r;
}
