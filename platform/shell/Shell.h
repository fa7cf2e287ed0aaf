// Handing a document, web page or mail link to the desktop's default program.
//
// ShellExecuteA returns a value above 32 when the request was handed over and 32 or less when it
// was not. It never waits for the opened program. Targets go to `xdg-open` as one element of an
// argument vector, never through a shell; a target that starts with "-" (it would read as an
// option) or holds a control character is refused.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

inline constexpr int SW_SHOWNORMAL = 1;

inline constexpr std::int32_t SE_ERR_FNF = 2;             // no target given
inline constexpr std::int32_t SE_ERR_ACCESSDENIED = 5;    // target refused as unsafe
inline constexpr std::int32_t SE_ERR_NOASSOC = 31;        // no program could be started for it
inline constexpr std::int32_t SHELL_REQUEST_HANDED_OVER = 42;

struct ShellRequest {
    std::int32_t hwnd = 0;
    std::string verb;  // empty: the default action
    std::string file;
    std::string parameters;
    std::string directory;
    int show = SW_SHOWNORMAL;
};

// Starts the program for a checked request; answers like ShellExecuteA.
using ShellLauncher = std::function<std::int32_t(const ShellRequest&)>;

// Puts `launcher` in place of xdg-open (tests record the requests instead of opening anything);
// an empty function puts xdg-open back. Returns the launcher that was in place.
ShellLauncher SetShellLauncher(ShellLauncher launcher);

// The default launcher: `xdg-open <file>` started in `directory` (when it exists), not waited for.
// A target of the form "www.host/path" that names no file is opened as "http://www.host/path".
std::int32_t LaunchWithXdgOpen(const ShellRequest& request);

// Null pointers are empty texts.
std::int32_t ShellExecuteA(std::int32_t hwnd, const char* verb, const char* file, const char* parameters,
                           const char* directory, int show);
