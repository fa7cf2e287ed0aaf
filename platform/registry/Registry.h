// The registry functions the program and the class libraries call, kept in a per-user text file.
//
// Keys are opened under a predefined root and answered with small handles issued here; every
// function returns 0 (ERROR_SUCCESS) on success and a non-zero error code otherwise.
#pragma once

#include <cstdint>

using LONG = std::int32_t;
using DWORD = std::uint32_t;
using BYTE = std::uint8_t;
using REGSAM = DWORD;
// A key handle: a predefined root (negative values below) or a handle issued by RegOpenKeyExA /
// RegCreateKeyExA (small positive numbers). 0 is never a valid key.
using HKEY = std::int32_t;

inline constexpr HKEY HKEY_CLASSES_ROOT = static_cast<HKEY>(0x80000000u);
inline constexpr HKEY HKEY_CURRENT_USER = static_cast<HKEY>(0x80000001u);
inline constexpr HKEY HKEY_LOCAL_MACHINE = static_cast<HKEY>(0x80000002u);

inline constexpr DWORD REG_NONE = 0;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_EXPAND_SZ = 2;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr DWORD REG_DWORD = 4;

inline constexpr LONG ERROR_SUCCESS = 0;
inline constexpr LONG ERROR_FILE_NOT_FOUND = 2;
inline constexpr LONG ERROR_ACCESS_DENIED = 5;
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_NOT_ENOUGH_MEMORY = 8;
// Another process kept the registry file locked for longer than a write waits.
inline constexpr LONG ERROR_LOCK_VIOLATION = 33;
inline constexpr LONG ERROR_INVALID_PARAMETER = 87;
inline constexpr LONG ERROR_MORE_DATA = 234;
inline constexpr LONG ERROR_BADDB = 1009;
inline constexpr LONG ERROR_CANTREAD = 1012;
inline constexpr LONG ERROR_CANTWRITE = 1013;
// The key an open handle refers to has been deleted since it was opened.
inline constexpr LONG ERROR_KEY_DELETED = 1018;

inline constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
inline constexpr REGSAM KEY_SET_VALUE = 0x0002;
inline constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr REGSAM KEY_READ = 0x20019;
inline constexpr REGSAM KEY_WRITE = 0x20006;
inline constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

inline constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
inline constexpr DWORD REG_CREATED_NEW_KEY = 1;
inline constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

struct SECURITY_ATTRIBUTES {
    DWORD nLength = sizeof(SECURITY_ATTRIBUTES);
    void* lpSecurityDescriptor = nullptr;
    std::int32_t bInheritHandle = 0;
};

// Behaviour the callers rely on:
// - Key and value names compare without regard to ASCII case and keep the case first written.
//   A subkey of null or "" names the key itself; one trailing '\' is allowed; an empty level,
//   a leading '\', a control character or a level of more than 255 bytes answers
//   ERROR_INVALID_PARAMETER. A null or empty value name is the key's default value.
// - RegOpenKeyExA of a missing key answers ERROR_FILE_NOT_FOUND (and *result = 0).
// - RegQueryValueExA: sizes are in bytes, a string's terminating NUL included. A null data
//   pointer with a size pointer answers the size; a buffer too small answers ERROR_MORE_DATA
//   and the size needed (the buffer untouched); the type is reported whenever the value exists.
//   Strings come back exactly as stored: no NUL added, REG_EXPAND_SZ not expanded.
// - RegCreateKeyExA creates every missing level and reports REG_CREATED_NEW_KEY or
//   REG_OPENED_EXISTING_KEY; only non-volatile keys are offered.
// - Access rights are those of the handle: querying needs KEY_QUERY_VALUE, setting and deleting
//   values KEY_SET_VALUE, creating a new subkey KEY_CREATE_SUB_KEY (ERROR_ACCESS_DENIED
//   otherwise); the predefined roots have every right.
// - A handle whose key another writer has deleted answers ERROR_KEY_DELETED.
// - Writes to HKEY_LOCAL_MACHINE where its file's folder is not writable answer
//   ERROR_ACCESS_DENIED; a file that cannot be written answers ERROR_CANTWRITE.
// - Reads never wait for another process. A write waits at most a second for another process's
//   write and then answers ERROR_LOCK_VIOLATION.
// - A damaged registry file is kept aside (registry.reg.corrupt-<time>, the newest three stay);
//   every key and value that still parses is read and written back.
// - Every function may be called from any thread; handles are shared by all threads.
LONG RegOpenKeyExA(HKEY key, const char* subKey, DWORD options, REGSAM access, HKEY* result);
LONG RegQueryValueExA(HKEY key, const char* valueName, DWORD* reserved, DWORD* type, BYTE* data,
                      DWORD* dataSize);
LONG RegCreateKeyExA(HKEY key, const char* subKey, DWORD reserved, char* keyClass, DWORD options,
                     REGSAM access, const SECURITY_ATTRIBUTES* security, HKEY* result,
                     DWORD* disposition);
LONG RegSetValueExA(HKEY key, const char* valueName, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD dataSize);
LONG RegCloseKey(HKEY key);
// Removes a key with all its subkeys and values (used when a library unregisters itself); with a
// null or empty subkey it removes the key's values and subkeys and keeps the key.
LONG RegDeleteTreeA(HKEY key, const char* subKey);
LONG RegDeleteValueA(HKEY key, const char* valueName);

// HKEY_CURRENT_USER lives in ${XDG_CONFIG_HOME:-$HOME/.config}/quillby/registry.reg.
// HKEY_LOCAL_MACHINE is the installation's machine-wide file (read-only for a normal user).
// HKEY_CLASSES_ROOT is a merged view: reads look at HKEY_CURRENT_USER\SOFTWARE\Classes first and
// then HKEY_LOCAL_MACHINE\SOFTWARE\Classes, value by value (only the machine's when the user's
// file cannot be read); writes go to the user's
// SOFTWARE\Classes, or to the machine's when QUILLBY_REGISTER_MACHINE=1 (an installer).
