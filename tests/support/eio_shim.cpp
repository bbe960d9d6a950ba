// Preloaded into the program under test: once TRELVIX_EIO_AFTER bytes have been written to
// files below TRELVIX_EIO_PREFIX, every further write and sync of such a file fails with EIO,
// as a failing disk would.
#include <dlfcn.h>
#include <errno.h>
#include <atomic>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

namespace {

std::atomic<long long> written{0};

bool Matches(int fd) {
    const char* prefix = getenv("TRELVIX_EIO_PREFIX");
    if (!prefix || !*prefix) return false;
    char link[64], target[4096];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    ssize_t n = readlink(link, target, sizeof target - 1);
    if (n <= 0) return false;
    target[n] = 0;
    return strncmp(target, prefix, strlen(prefix)) == 0;
}

bool Failing(int fd, size_t bytes) {
    if (!Matches(fd)) return false;
    const char* after = getenv("TRELVIX_EIO_AFTER");
    const long long limit = after ? atoll(after) : 0;
    return written.fetch_add((long long)bytes) + (long long)bytes > limit;
}

}  // namespace

extern "C" {

#define REAL(name) (reinterpret_cast<decltype(&name)>(dlsym(RTLD_NEXT, #name)))

ssize_t write(int fd, const void* buf, size_t count) {
    if (Failing(fd, count)) return errno = EIO, -1;
    return REAL(write)(fd, buf, count);
}

ssize_t pwrite64(int fd, const void* buf, size_t count, off_t offset) {
    if (Failing(fd, count)) return errno = EIO, -1;
    return REAL(pwrite64)(fd, buf, count, offset);
}

ssize_t pwrite(int fd, const void* buf, size_t count, off_t offset) {
    if (Failing(fd, count)) return errno = EIO, -1;
    return REAL(pwrite)(fd, buf, count, offset);
}

ssize_t writev(int fd, const struct iovec* iov, int n) {
    size_t count = 0;
    for (int i = 0; i < n; ++i) count += iov[i].iov_len;
    if (Failing(fd, count)) return errno = EIO, -1;
    return REAL(writev)(fd, iov, n);
}

int fsync(int fd) {
    if (Failing(fd, 0)) return errno = EIO, -1;
    return REAL(fsync)(fd);
}

int fdatasync(int fd) {
    if (Failing(fd, 0)) return errno = EIO, -1;
    return REAL(fdatasync)(fd);
}

}  // extern "C"
