#pragma once

// A stand-in for the registry that records every call the settings store makes and answers from
// a table, so that a test can see the exact sequence (names as spelled, sizes, types, bytes) and
// can make single calls fail. Linked in place of the platform registry.

#include "platform/Registry.h"

#include <map>
#include <string>
#include <vector>

class RecordingRegistry {
public:
    struct StoredValue {
        DWORD dwType;
        std::vector<BYTE> data;
    };

    // What the next calls answer.
    static void Reset();
    static void FailOpen(LONG lResult);
    static void Store(const std::string& name, DWORD dwType, std::vector<BYTE> data);
    static void FailQuery(const std::string& name, LONG lResult);
    static void FailSet(const std::string& name, LONG lResult);

    // One line per call, e.g. "open Software\...|0|0x20019", "query Screen X|4",
    // "set Voodoo Rush|4|01 00 00 00|4", "close".
    static const std::vector<std::string>& Calls();
    // The values set so far, by exact name.
    static const std::map<std::string, StoredValue>& Values();
};
