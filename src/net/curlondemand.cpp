// SPDX-License-Identifier: MIT
// The curl functions the fetch worker calls, loaded from the shared library
// the first time one is called. Linked directly, libcurl and its TLS,
// Kerberos, LDAP and SSH libraries are mapped and relocated before main()
// runs (about 5 MB resident and a noticeable share of start-up) although
// nothing is fetched until a window asks for it, and many sessions never do.
//
// Each function keeps the library's own signature, so callers include
// <curl/curl.h> and call them as ever. Without the library every call fails
// the way the library reports an unusable handle: no handle, an error code.

// The library's type-checking macros would rename the definitions below.
#define CURL_DISABLE_TYPECHECK
#include <curl/curl.h>

#include <dlfcn.h>

#include <cstdarg>

// The two variadic functions must keep the library's signatures, whose last
// named parameter is an enumeration; its values fit an int, so va_start
// sees no promotion. clang warns about enumerations in that place anyway.
#if defined(__clang__)
#pragma clang diagnostic ignored "-Wvarargs"
#endif

namespace {

#define PELBIX_CURL_FUNCTIONS(X)                                                                                      \
    X(curl_global_init)                                                                                               \
    X(curl_easy_init)                                                                                                 \
    X(curl_easy_cleanup)                                                                                              \
    X(curl_easy_setopt)                                                                                               \
    X(curl_easy_getinfo)                                                                                              \
    X(curl_multi_init)                                                                                                \
    X(curl_multi_cleanup)                                                                                             \
    X(curl_multi_add_handle)                                                                                          \
    X(curl_multi_remove_handle)                                                                                       \
    X(curl_multi_perform)                                                                                             \
    X(curl_multi_poll)                                                                                                \
    X(curl_multi_wakeup)                                                                                              \
    X(curl_multi_info_read)                                                                                           \
    X(curl_slist_append)                                                                                              \
    X(curl_slist_free_all)

struct Library {
#define PELBIX_CURL_POINTER(name) decltype(&::name) name = nullptr;
    PELBIX_CURL_FUNCTIONS(PELBIX_CURL_POINTER)
#undef PELBIX_CURL_POINTER

    Library()
    {
        // The library stays loaded for the rest of the run: its worker
        // threads and global state must not be unmapped under them.
        void* handle = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr)
            return;
        bool complete = true;
#define PELBIX_CURL_RESOLVE(name)                                                                                     \
    name = reinterpret_cast<decltype(name)>(dlsym(handle, #name));                                                    \
    complete = complete && name != nullptr;
        PELBIX_CURL_FUNCTIONS(PELBIX_CURL_RESOLVE)
#undef PELBIX_CURL_RESOLVE
        if (!complete)
            *this = Library(nullptr);
    }

private:
    explicit Library(std::nullptr_t) {}
};

// Loaded once, on whichever thread calls first; a static's initialisation is
// thread-safe.
const Library& library()
{
    static const Library loaded;
    return loaded;
}

} // namespace

CURLcode curl_global_init(long flags)
{
    const auto f = library().curl_global_init;
    return f ? f(flags) : CURLE_FAILED_INIT;
}

CURL* curl_easy_init()
{
    const auto f = library().curl_easy_init;
    return f ? f() : nullptr;
}

void curl_easy_cleanup(CURL* curl)
{
    if (const auto f = library().curl_easy_cleanup; f && curl)
        f(curl);
}

// The option's number tells the type of its one argument, as the library
// reads it. Object, string and function arguments all travel as a pointer
// (function pointers and void* share a representation wherever dlsym works).
CURLcode curl_easy_setopt(CURL* curl, CURLoption option, ...)
{
    const auto f = library().curl_easy_setopt;
    if (!f)
        return CURLE_FAILED_INIT;
    va_list args;
    va_start(args, option);
    CURLcode result = CURLE_OK;
    if (option < CURLOPTTYPE_OBJECTPOINT)
        result = f(curl, option, va_arg(args, long));
    else if (option >= CURLOPTTYPE_OFF_T && option < CURLOPTTYPE_BLOB)
        result = f(curl, option, va_arg(args, curl_off_t));
    else
        result = f(curl, option, va_arg(args, void*));
    va_end(args);
    return result;
}

// Every kind of information is written through a pointer.
CURLcode curl_easy_getinfo(CURL* curl, CURLINFO info, ...)
{
    const auto f = library().curl_easy_getinfo;
    if (!f)
        return CURLE_FAILED_INIT;
    va_list args;
    va_start(args, info);
    const CURLcode result = f(curl, info, va_arg(args, void*));
    va_end(args);
    return result;
}

CURLM* curl_multi_init()
{
    const auto f = library().curl_multi_init;
    return f ? f() : nullptr;
}

CURLMcode curl_multi_cleanup(CURLM* multi)
{
    const auto f = library().curl_multi_cleanup;
    return f && multi ? f(multi) : CURLM_BAD_HANDLE;
}

CURLMcode curl_multi_add_handle(CURLM* multi, CURL* curl)
{
    const auto f = library().curl_multi_add_handle;
    return f ? f(multi, curl) : CURLM_BAD_HANDLE;
}

CURLMcode curl_multi_remove_handle(CURLM* multi, CURL* curl)
{
    const auto f = library().curl_multi_remove_handle;
    return f ? f(multi, curl) : CURLM_BAD_HANDLE;
}

CURLMcode curl_multi_perform(CURLM* multi, int* running)
{
    const auto f = library().curl_multi_perform;
    return f ? f(multi, running) : CURLM_BAD_HANDLE;
}

CURLMcode curl_multi_poll(CURLM* multi, curl_waitfd extra[], unsigned int count, int timeoutMs, int* ready)
{
    const auto f = library().curl_multi_poll;
    return f ? f(multi, extra, count, timeoutMs, ready) : CURLM_BAD_HANDLE;
}

CURLMcode curl_multi_wakeup(CURLM* multi)
{
    const auto f = library().curl_multi_wakeup;
    return f ? f(multi) : CURLM_BAD_HANDLE;
}

CURLMsg* curl_multi_info_read(CURLM* multi, int* queued)
{
    const auto f = library().curl_multi_info_read;
    if (queued)
        *queued = 0;
    return f ? f(multi, queued) : nullptr;
}

curl_slist* curl_slist_append(curl_slist* list, const char* text)
{
    const auto f = library().curl_slist_append;
    return f ? f(list, text) : nullptr;
}

void curl_slist_free_all(curl_slist* list)
{
    if (const auto f = library().curl_slist_free_all; f && list)
        f(list);
}
