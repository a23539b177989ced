// config_files.cpp: finding, reading and atomically replacing the player's own files.
#include "shell/config_files.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr off_t MaxConfigFileBytes = 64 * 1024; // far more than any of the files takes
constexpr int MaxLinks = 8;                     // links followed to the file itself

// The folder of `path` ("." for a bare name).
std::string folderOf(const std::string &path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Make `folder` and the folders above it that are missing.
bool makeFolders(const std::string &folder) {
    struct stat status;
    if (stat(folder.c_str(), &status) == 0)
        return S_ISDIR(status.st_mode) || (errno = ENOTDIR, false);
    if (folder != "/" && folder != "." && !makeFolders(folderOf(folder)))
        return false;
    return mkdir(folder.c_str(), 0755) == 0 || errno == EEXIST;
}

// Write all of `text` to `fd`.
bool writeAll(int fd, const std::string &text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<size_t>(written);
    }
    return true;
}

} // namespace

std::string configFilePath(const char *name) {
    const char *config = std::getenv("XDG_CONFIG_HOME");
    std::string folder;
    if (config && config[0] == '/') // a relative XDG_CONFIG_HOME is not to be used
        folder = config;
    else if (const char *home = std::getenv("HOME"); home && home[0] == '/')
        folder = std::string(home) + "/.config";
    else
        return ""; // nowhere to look: the defaults
    return folder + "/pasturon/" + name;
}

bool readConfigFile(const std::string &path, const char *name, std::string &text) {
    struct stat status;
    if (path.empty() || stat(path.c_str(), &status) != 0)
        return false; // no file: the defaults
    // a fifo would block the start-up, a device could be read without end
    if (!S_ISREG(status.st_mode) || status.st_size > MaxConfigFileBytes) {
        const std::string what = std::string(name).substr(0, std::string(name).find('.'));
        std::fprintf(stderr, "%s: %s; the default %s are used\n", name,
                     S_ISREG(status.st_mode) ? "larger than 64 KiB" : "not a regular file",
                     what.c_str());
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::ostringstream whole;
    whole << file.rdbuf();
    text = whole.str();
    return true;
}

bool writeFileAtomically(const std::string &path, const std::string &text, std::string &error) {
    // a link the player made stays a link: the file it names is replaced
    std::string target = path;
    struct stat status;
    for (int links = 0;
         links < MaxLinks && lstat(target.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
         links++) {
        char named[PATH_MAX];
        const ssize_t length = readlink(target.c_str(), named, sizeof named - 1);
        if (length <= 0)
            break;
        named[length] = '\0';
        target = named[0] == '/' ? std::string(named) : folderOf(target) + "/" + named;
    }
    const std::string folder = folderOf(target);
    std::string temporary = target + ".XXXXXX";
    int fd = -1;
    if (makeFolders(folder))
        fd = mkstemp(temporary.data());
    if (fd < 0) {
        error = "cannot write " + target + ": " + std::strerror(errno);
        return false;
    }
    bool written = writeAll(fd, text) && fchmod(fd, 0644) == 0 && fsync(fd) == 0;
    const int writeErrno = errno;
    written = close(fd) == 0 && written;
    if (!written || rename(temporary.c_str(), target.c_str()) != 0) {
        error = "cannot write " + target + ": " + std::strerror(written ? errno : writeErrno);
        unlink(temporary.c_str());
        return false;
    }
    // the rename itself reaches the disk with the folder
    const int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (folderFd >= 0) {
        fsync(folderFd);
        close(folderFd);
    }
    return true;
}
