// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Preloaded into the save fault helper, this library stands between the
// program and the C library's file-system calls and makes chosen calls fail
// as a sick or full disk would. It counts nothing until the helper arms it,
// so the calls of loading the program and Qt are never touched.
//
// VANTIK_FAULTS lists the faults, separated by commas, each KIND:WHEN:ERROR:
//   KIND   open (any open), create (an open that may create the file, named
//          or unnamed), write (write and pwrite), fsync (fsync and fdatasync),
//          rename (rename, and linkat, which names an unnamed file), close,
//          access (whether /proc is there to name an unnamed file through)
//   WHEN   the 1-based number of the call of that kind to fail, or * for all
//   ERROR  an errno name (ENOSPC, EIO, ...), or "short" for a write that
//          stores only half of what it was given
// After the save the helper asks how many calls of each kind were made and
// whether every listed fault was met, so a test can try each call in turn.
// Everything runs on the helper's one thread.
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/types.h>

namespace {

enum TKind { Open, Create, Write, Fsync, Rename, Close, Access, KindCount };
const char *const KindNames[KindCount] = {"open",   "create", "write", "fsync",
                                          "rename", "close",  "access"};

constexpr int ShortWrite = -1;
constexpr int MostFaults = 8;

struct TFault {
    TKind Kind;
    long When; // 0 for every call
    int Error;
    bool Met;
};

TFault Faults[MostFaults];
int FaultCount = 0;
bool Armed = false;
long Calls[KindCount] = {};

int ErrorNamed(const char *Name)
{
    static const struct {
        const char *Name;
        int Value;
    } Known[] = {{"ENOSPC", ENOSPC}, {"EIO", EIO},         {"EDQUOT", EDQUOT},
                 {"EROFS", EROFS},   {"EACCES", EACCES},   {"EPERM", EPERM},
                 {"EINTR", EINTR},   {"EFBIG", EFBIG},     {"EOPNOTSUPP", EOPNOTSUPP},
                 {"ENOENT", ENOENT}, {"short", ShortWrite}};
    for (const auto &known : Known)
        if (std::strcmp(Name, known.Name) == 0)
            return known.Value;
    std::fprintf(stderr, "save fault injector: unknown error %s\n", Name);
    std::abort();
}

void ParseFaults(const char *List)
{
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%s", List);
    char *save = nullptr;
    for (char *item = strtok_r(buffer, ",", &save); item && FaultCount < MostFaults;
         item = strtok_r(nullptr, ",", &save)) {
        char kind[16], when[16], error[16];
        if (std::sscanf(item, "%15[^:]:%15[^:]:%15s", kind, when, error) != 3) {
            std::fprintf(stderr, "save fault injector: bad fault %s\n", item);
            std::abort();
        }
        TFault &fault = Faults[FaultCount++];
        fault = TFault{KindCount, 0, 0, false};
        for (int k = 0; k < KindCount; ++k)
            if (std::strcmp(kind, KindNames[k]) == 0)
                fault.Kind = static_cast<TKind>(k);
        if (fault.Kind == KindCount) {
            std::fprintf(stderr, "save fault injector: unknown call %s\n", kind);
            std::abort();
        }
        fault.When = std::strcmp(when, "*") == 0 ? 0 : std::atol(when);
        fault.Error = ErrorNamed(error);
    }
}

// The error the call about to be made must fail with: 0 for none.
int FaultFor(TKind Kind)
{
    if (!Armed)
        return 0;
    const long n = ++Calls[Kind];
    for (int i = 0; i < FaultCount; ++i) {
        TFault &fault = Faults[i];
        if (fault.Kind == Kind && (fault.When == 0 || fault.When == n)) {
            fault.Met = true;
            return fault.Error;
        }
    }
    return 0;
}

template <typename TFunction> TFunction Next(const char *Name)
{
    return reinterpret_cast<TFunction>(dlsym(RTLD_NEXT, Name));
}

int FailWith(int Error)
{
    errno = Error;
    return -1;
}

// An open of either kind; creating opens count under both.
int OpenFault(int Flags)
{
    const int open = FaultFor(Open);
    const bool creates = (Flags & O_CREAT) || (Flags & O_TMPFILE) == O_TMPFILE;
    const int create = creates ? FaultFor(Create) : 0;
    return open ? open : create;
}

ssize_t WriteFault(size_t &Size)
{
    const int error = FaultFor(Write);
    if (error == ShortWrite) {
        Size = Size > 1 ? Size / 2 : Size;
        return 0;
    }
    return error ? FailWith(error) : 0;
}

mode_t ModeOf(int Flags, va_list Arguments)
{
    return (Flags & (O_CREAT | O_TMPFILE)) ? static_cast<mode_t>(va_arg(Arguments, int)) : 0;
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) void SaveFaultArm()
{
    if (const char *faults = std::getenv("VANTIK_FAULTS"))
        ParseFaults(faults);
    Armed = true;
}

__attribute__((visibility("default"))) void SaveFaultDisarm()
{
    Armed = false;
}

// The number of calls of the named kind while armed.
__attribute__((visibility("default"))) long SaveFaultCalls(const char *Kind)
{
    for (int k = 0; k < KindCount; ++k)
        if (std::strcmp(Kind, KindNames[k]) == 0)
            return Calls[k];
    return -1;
}

// True when every listed fault was met by a call.
__attribute__((visibility("default"))) bool SaveFaultAllMet()
{
    for (int i = 0; i < FaultCount; ++i)
        if (!Faults[i].Met)
            return false;
    return true;
}

// One wrapper for open and openat alike: Signature ends in "int Flags, ...",
// and the real call gets Arguments followed by the mode.
#define VANTIK_OPEN_WRAPPER(name, Signature, RealType, ...)                                        \
    __attribute__((visibility("default"))) int name Signature                                      \
    {                                                                                              \
        va_list arguments;                                                                         \
        va_start(arguments, Flags);                                                                \
        const mode_t mode = ModeOf(Flags, arguments);                                              \
        va_end(arguments);                                                                         \
        if (const int error = OpenFault(Flags))                                                    \
            return FailWith(error);                                                                \
        static auto real = Next<RealType>(#name);                                                  \
        return real(__VA_ARGS__, mode);                                                            \
    }
VANTIK_OPEN_WRAPPER(open, (const char *Path, int Flags, ...), int (*)(const char *, int, ...), Path,
                    Flags)
VANTIK_OPEN_WRAPPER(open64, (const char *Path, int Flags, ...), int (*)(const char *, int, ...),
                    Path, Flags)
VANTIK_OPEN_WRAPPER(openat, (int Folder, const char *Path, int Flags, ...),
                    int (*)(int, const char *, int, ...), Folder, Path, Flags)
VANTIK_OPEN_WRAPPER(openat64, (int Folder, const char *Path, int Flags, ...),
                    int (*)(int, const char *, int, ...), Folder, Path, Flags)

__attribute__((visibility("default"))) ssize_t write(int Fd, const void *Data, size_t Size)
{
    if (const ssize_t failed = WriteFault(Size))
        return failed;
    static auto real = Next<ssize_t (*)(int, const void *, size_t)>("write");
    return real(Fd, Data, Size);
}

#define VANTIK_PWRITE_WRAPPER(name)                                                                \
    __attribute__((visibility("default"))) ssize_t name(int Fd, const void *Data, size_t Size,     \
                                                        off_t Offset)                              \
    {                                                                                              \
        if (const ssize_t failed = WriteFault(Size))                                               \
            return failed;                                                                         \
        static auto real = Next<ssize_t (*)(int, const void *, size_t, off_t)>(#name);             \
        return real(Fd, Data, Size, Offset);                                                       \
    }
VANTIK_PWRITE_WRAPPER(pwrite)
VANTIK_PWRITE_WRAPPER(pwrite64)

#define VANTIK_SYNC_WRAPPER(name)                                                                  \
    __attribute__((visibility("default"))) int name(int Fd)                                        \
    {                                                                                              \
        if (const int error = FaultFor(Fsync))                                                     \
            return FailWith(error);                                                                \
        static auto real = Next<int (*)(int)>(#name);                                              \
        return real(Fd);                                                                           \
    }
VANTIK_SYNC_WRAPPER(fsync)
VANTIK_SYNC_WRAPPER(fdatasync)

__attribute__((visibility("default"))) int rename(const char *From, const char *To)
{
    if (const int error = FaultFor(Rename))
        return FailWith(error);
    static auto real = Next<int (*)(const char *, const char *)>("rename");
    return real(From, To);
}

__attribute__((visibility("default"))) int renameat(int FromFolder, const char *From, int ToFolder,
                                                    const char *To)
{
    if (const int error = FaultFor(Rename))
        return FailWith(error);
    static auto real = Next<int (*)(int, const char *, int, const char *)>("renameat");
    return real(FromFolder, From, ToFolder, To);
}

__attribute__((visibility("default"))) int linkat(int FromFolder, const char *From, int ToFolder,
                                                  const char *To, int Flags)
{
    if (const int error = FaultFor(Rename))
        return FailWith(error);
    static auto real = Next<int (*)(int, const char *, int, const char *, int)>("linkat");
    return real(FromFolder, From, ToFolder, To, Flags);
}

__attribute__((visibility("default"))) int access(const char *Path, int Mode)
{
    if (const int error = FaultFor(Access))
        return FailWith(error);
    static auto real = Next<int (*)(const char *, int)>("access");
    return real(Path, Mode);
}

// A close that reports an error has still released the descriptor, as the
// kernel does, so nothing leaks and nothing is closed twice.
__attribute__((visibility("default"))) int close(int Fd)
{
    const int error = FaultFor(Close);
    static auto real = Next<int (*)(int)>("close");
    const int result = real(Fd);
    return error ? FailWith(error) : result;
}

} // extern "C"
