#pragma once

// The command-line tool for the settings file: reads, sets, deletes, imports and exports
// registry values through the same code the program uses, with the same lock and atomic
// replacement, so that installers, scripts and people need not edit the file by hand.
//
//   vornreg get KEY NAME                            exit 1 when the key or value is absent
//   vornreg set KEY NAME sz|dword|hex|hex(N) TEXT   creates the key and the file as needed
//   vornreg delete KEY [NAME]                       a key goes with all its subkeys
//   vornreg import FILE                             merges a REGEDIT4 file ("-" reads stdin)
//   vornreg export [KEY]                            writes REGEDIT4 text to stdout
//
// Exit status: 0 done, 1 not found, 2 usage or any other error (with a message on stderr), output
// that could not be written among them.

#include <iosfwd>
#include <string>
#include <vector>

class RegTool {
public:
    static constexpr int exitOk = 0;
    static constexpr int exitNotFound = 1;
    static constexpr int exitError = 2;

    RegTool(std::ostream& out, std::ostream& err, std::istream& in);

    // args excludes the program name.
    int run(const std::vector<std::string>& args);

private:
    int dispatch(const std::vector<std::string>& args);
    int get(const std::string& key, const std::string& name);
    int set(const std::string& key, const std::string& name, const std::string& type,
            const std::string& text);
    int remove(const std::string& key, const std::string* name);
    int import(const std::string& file);
    int exportKeys(const std::string* key);
    int usage(int status);
    int error(const std::string& message);

    std::ostream& m_out;
    std::ostream& m_err;
    std::istream& m_in;
};
