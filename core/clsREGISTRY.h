// The program's access to the registry (its string settings) and to the shell (opening links).
// Root keys and window handles travel as the decimal text of their values; a text that is not a
// 32-bit number skips the call that needs it.
#pragma once

#include <string>

class clsREGISTRY {
public:
    // Opens LinkType followed by Address (the default action), or for "http://" the Address alone
    // with the verb "OPEN"; an empty LinkType means "file://". Nothing happens for an empty Address.
    void InternetLinkRun(const std::string& strHwnd, const std::string& LinkType, const std::string& Address) const;

    // The string value Item of SubKey under the root Key, or Default when it cannot be read: key or
    // value missing, not a string, longer than 254 characters, or stored with no bytes at all.
    std::string StringLoad(const std::string& Key, const std::string& SubKey, const std::string& Item,
                           const std::string& Default = "") const;

    // Stores data as the string value Item, creating the key path as needed; false on failure.
    bool StringSave(const std::string& Key, const std::string& SubKey, const std::string& Item,
                    const std::string& data) const;
};
