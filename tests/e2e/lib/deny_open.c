/* Preloaded into the program by end-to-end scripts to stand for failures a
 * root user cannot otherwise meet: KM_E2E_DENY_READ names a file whose opening
 * fails with EACCES (as mode 200 would for its owner), KM_E2E_READONLY_DIR a
 * folder in which opening a file for writing fails with EROFS. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdlib.h>
#include <string.h>

static int denied(const char *path, int flags)
{
    const char *deny = getenv("KM_E2E_DENY_READ");
    if (deny && *deny && strcmp(path, deny) == 0) {
        errno = EACCES;
        return 1;
    }
    const char *ro = getenv("KM_E2E_READONLY_DIR");
    size_t n = ro ? strlen(ro) : 0;
    if (n && strncmp(path, ro, n) == 0 && path[n] == '/' && (flags & (O_WRONLY | O_RDWR | O_CREAT))) {
        errno = EROFS;
        return 1;
    }
    return 0;
}

#define FORWARD(name)                                                                        \
    int name(const char *path, int flags, ...)                                               \
    {                                                                                        \
        static int (*real)(const char *, int, ...);                                          \
        if (!real)                                                                           \
            real = (int (*)(const char *, int, ...))dlsym(RTLD_NEXT, #name);                 \
        mode_t mode = 0;                                                                     \
        if (flags & (O_CREAT | O_TMPFILE)) {                                                 \
            va_list ap;                                                                      \
            va_start(ap, flags);                                                             \
            mode = va_arg(ap, mode_t);                                                       \
            va_end(ap);                                                                      \
        }                                                                                    \
        if (path && denied(path, flags))                                                     \
            return -1;                                                                       \
        return real(path, flags, mode);                                                      \
    }
FORWARD(open)
FORWARD(open64)

#define FORWARD_AT(name)                                                                     \
    int name(int dir, const char *path, int flags, ...)                                      \
    {                                                                                        \
        static int (*real)(int, const char *, int, ...);                                     \
        if (!real)                                                                           \
            real = (int (*)(int, const char *, int, ...))dlsym(RTLD_NEXT, #name);            \
        mode_t mode = 0;                                                                     \
        if (flags & (O_CREAT | O_TMPFILE)) {                                                 \
            va_list ap;                                                                      \
            va_start(ap, flags);                                                             \
            mode = va_arg(ap, mode_t);                                                       \
            va_end(ap);                                                                      \
        }                                                                                    \
        if (path && path[0] == '/' && denied(path, flags))                                   \
            return -1;                                                                       \
        return real(dir, path, flags, mode);                                                 \
    }
FORWARD_AT(openat)
FORWARD_AT(openat64)
