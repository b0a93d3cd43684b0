// Preloaded into a program under test: makes its N-th file-writing call fail. Counted calls are
// opens that create files, the write, fsync and close of the files so opened, and renames.
// VANTROPE_FAIL_AT=N fails the N-th (0 or unset: none) with VANTROPE_FAIL_ERRNO (default ENOSPC);
// VANTROPE_FAIL_COUNT=FILE receives the number of counted calls at exit, so a sweep knows how far
// to go.
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace
{
int g_calls, g_failAt = -1, g_errno = ENOSPC;
unsigned char g_created[4096]; // fds opened with O_CREAT

void Setup()
{
    if (g_failAt >= 0)
        return;
    const char* at = getenv("VANTROPE_FAIL_AT");
    const char* code = getenv("VANTROPE_FAIL_ERRNO");
    g_failAt = at ? atoi(at) : 0;
    if (code)
        g_errno = atoi(code);
}

__attribute__((destructor)) void ReportCount()
{
    const int calls = g_calls; // before the report's own open is counted
    const char* path = getenv("VANTROPE_FAIL_COUNT");
    FILE* f = path ? fopen(path, "w") : nullptr;
    if (f)
    {
        fprintf(f, "%d\n", calls);
        fclose(f);
    }
}

// True when this counted call is the one to fail.
int Fails()
{
    Setup();
    return ++g_calls == g_failAt;
}

int Tracked(int fd)
{
    return fd >= 0 && fd < int(sizeof(g_created)) && g_created[fd];
}

#define NEXT(name) (reinterpret_cast<decltype(&::name)>(dlsym(RTLD_NEXT, #name)))

int OpenCommon(int dirfd, const char* path, int flags, mode_t mode, int at)
{
    if ((flags & O_CREAT) && Fails())
        return errno = g_errno, -1;
    const int fd = at ? NEXT(openat)(dirfd, path, flags, mode) : NEXT(open)(path, flags, mode);
    if ((flags & O_CREAT) && fd >= 0 && fd < int(sizeof(g_created)))
        g_created[fd] = 1;
    return fd;
}

}  // namespace

extern "C"
{
int open(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = (flags & O_CREAT) ? mode_t(va_arg(args, unsigned)) : 0;
    va_end(args);
    return OpenCommon(AT_FDCWD, path, flags, mode, 0);
}
int open64(const char* path, int flags, ...) __attribute__((alias("open")));

int openat(int dirfd, const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = (flags & O_CREAT) ? mode_t(va_arg(args, unsigned)) : 0;
    va_end(args);
    return OpenCommon(dirfd, path, flags, mode, 1);
}
int openat64(int dirfd, const char* path, int flags, ...) __attribute__((alias("openat")));

ssize_t write(int fd, const void* data, size_t size)
{
    if (Tracked(fd) && Fails())
        return errno = g_errno, -1;
    return NEXT(write)(fd, data, size);
}

int fsync(int fd)
{
    if (Tracked(fd) && Fails())
        return errno = g_errno, -1;
    return NEXT(fsync)(fd);
}

int close(int fd)
{
    const int tracked = Tracked(fd);
    if (tracked)
        g_created[fd] = 0;
    const int result = NEXT(close)(fd);
    if (tracked && Fails())
        return errno = g_errno, -1;
    return result;
}

int rename(const char* from, const char* to)
{
    if (Fails())
        return errno = g_errno, -1;
    return NEXT(rename)(from, to);
}
}
