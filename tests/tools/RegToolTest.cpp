// vornreg: its commands in-process against a private settings file, and the real program reading
// back what the registry functions wrote.

#include "tools/RegTool.h"

#include "platform/HiveFile.h"
#include "platform/HiveFixture.h"
#include "platform/RegEdit4.h"
#include "platform/Registry.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <spawn.h>
#include <sstream>
#include <streambuf>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

const std::string key = "HKEY_LOCAL_MACHINE\\Software\\Pelliwan Software\\Vorn Demo";
const std::string keyLine = "[" + key + "]\n";

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

class Vornreg : public vorntest::HiveFixture {
protected:
    static Outcome run(const std::vector<std::string>& args, const std::string& input = {}) {
        std::ostringstream out;
        std::ostringstream err;
        std::istringstream in(input);
        const int status = RegTool(out, err, in).run(args);
        return {status, out.str(), err.str()};
    }
};

TEST_F(Vornreg, GetPrintsEachTypeAndReportsWhatIsAbsent) {
    writeHive("REGEDIT4\n" + keyLine +
              "\"Directory\"=\"/games/vorn\"\n\"Screen X\"=dword:00000280\n"
              "\"Max\"=dword:ffffffff\n\"Blob\"=hex:00,0a,ff\n\"Raw\"=hex(1):61,62\n"
              "\"Inner\"=hex(1):61,00,62,00\n\"Short\"=hex(4):01,02\n\"Empty\"=hex:\n@=\"u\"\n");
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out;
    } cases[] = {
        {{"get", key, "directory"}, 0, "/games/vorn\n"},
        {{"get", "hkey_local_machine\\software\\pelliwan software\\vorn demo\\", "Directory"},
         0,
         "/games/vorn\n"},
        {{"get", key, "Screen X"}, 0, "640\n"},
        {{"get", key, "Max"}, 0, "4294967295\n"},
        {{"get", key, "Blob"}, 0, "00,0a,ff\n"},
        {{"get", key, "Raw"}, 0, "ab\n"},
        {{"get", key, "Inner"}, 0, "a\n"},
        {{"get", key, "Short"}, 0, "01,02\n"},
        {{"get", key, "Empty"}, 0, "\n"},
        {{"get", key, ""}, 0, "u\n"},
        {{"get", key, "Absent"}, 1, ""},
        {{"get", key + "\\Sub", "Directory"}, 1, ""},
        {{"get", "HKEY_CURRENT_USER\\Software", "x"}, 2, ""},
        {{"get", key}, 2, ""},
        {{"frob", key, "x"}, 2, ""},
        {{}, 2, ""},
    };
    for (const auto& c : cases) {
        const Outcome r = run(c.args);
        const std::string what = c.args.empty() ? "(none)" : c.args[0] + " " + c.args.back();
        EXPECT_EQ(r.status, c.status) << what;
        EXPECT_EQ(r.out, c.out) << what;
        EXPECT_EQ(r.err.empty(), c.status == 0) << what << ": " << r.err;
    }
}

TEST_F(Vornreg, SetCreatesTheFileAndKeyAndParsesEachType) {
    const fs::path nested = folder() / "new" / "folder" / "registry.reg";
    ::setenv("VORN_REGISTRY", nested.c_str(), 1);
    ASSERT_EQ(run({"set", key, "Directory", "sz", "/games/vorn"}).status, 0);
    EXPECT_EQ(vorntest::readFile(nested),
              "REGEDIT4\n\n" + keyLine + "\"Directory\"=\"/games/vorn\"\n\n");

    const struct {
        std::string type;
        std::string text;
        int status;
        std::string line; // as the file then holds the value "V"
    } cases[] = {
        {"sz", "", 0, "\"V\"=\"\""},
        {"sz", "a \"b\" \\c", 0, R"("V"="a \"b\" \\c")"},
        {"dword", "0", 0, "\"V\"=dword:00000000"},
        {"dword", "640", 0, "\"V\"=dword:00000280"},
        {"dword", "4294967295", 0, "\"V\"=dword:ffffffff"},
        {"dword", "0x1E0", 0, "\"V\"=dword:000001e0"},
        {"dword", "4294967296", 2, ""},
        {"dword", "-1", 2, ""},
        {"dword", "+1", 2, ""},
        {"dword", "12ab", 2, ""},
        {"dword", "", 2, ""},
        {"dword", "0x", 2, ""},
        {"dword", "0x123456789", 2, ""},
        {"hex", "", 0, "\"V\"=hex:"},
        {"hex", "01,ff,A0", 0, "\"V\"=hex:01,ff,a0"},
        {"hex(1)", "61,62", 0, "\"V\"=hex(1):61,62"},
        {"hex(0)", "", 0, "\"V\"=hex(0):"},
        {"hex(4)", "80,02,00,00", 0, "\"V\"=dword:00000280"},
        {"hex", "1,2", 2, ""},
        {"hex", "01,", 2, ""},
        {"hex", "01 02", 2, ""},
        {"hex()", "01", 2, ""},
        {"hex(-1)", "01", 2, ""},
        {"string", "x", 2, ""},
    };
    for (const auto& c : cases) {
        const std::string before = vorntest::readFile(nested);
        const Outcome r = run({"set", key, "V", c.type, c.text});
        EXPECT_EQ(r.status, c.status) << c.type << " " << c.text << ": " << r.err;
        const std::string after = vorntest::readFile(nested);
        if (c.status == 0) {
            EXPECT_NE(after.find("\n" + c.line + "\n"), std::string::npos)
                << c.type << " " << c.text << ":\n"
                << after;
        } else {
            EXPECT_EQ(after, before) << c.type << " " << c.text;
            EXPECT_FALSE(r.err.empty());
        }
    }
    EXPECT_EQ(run({"set", "HKEY_LOCAL_MACHINE\\A\\\\B", "V", "sz", "x"}).status, 2);
}

TEST_F(Vornreg, DeletesValuesAndKeys) {
    writeHive("REGEDIT4\n" + keyLine + "\"A\"=\"1\"\n\"B\"=\"2\"\n" + "[" + key +
              "\\Sub]\n[HKEY_LOCAL_MACHINE\\Software\\Pelliwan Software\\Vorn Demo 2]\n");
    EXPECT_EQ(run({"delete", key, "a"}).status, 0);
    EXPECT_EQ(run({"delete", key, "a"}).status, 1);
    EXPECT_EQ(run({"delete", key + "\\Nope", "B"}).status, 1);
    EXPECT_EQ(run({"delete", "HKEY_LOCAL_MACHINE"}).status, 2);
    EXPECT_EQ(run({"delete", key}).status, 0);
    EXPECT_EQ(run({"delete", key}).status, 1);
    EXPECT_EQ(readHive(),
              "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Pelliwan Software\\Vorn Demo 2]\n\n");

    fs::remove(hivePath());
    EXPECT_EQ(run({"delete", key}).status, 1);
    EXPECT_FALSE(fs::exists(hivePath()));
}

TEST_F(Vornreg, ImportsMergingValuesAndDeletions) {
    writeHive("REGEDIT4\n" + keyLine + "\"Keep\"=\"k\"\n\"Drop\"=\"d\"\n\"Change\"=dword:1\n" +
              "[HKEY_LOCAL_MACHINE\\Software\\Old]\n\"x\"=\"y\"\n");
    const fs::path import = folder() / "import.reg";
    vorntest::writeFile(import, "REGEDIT4\r\n\r\n" + keyLine +
                                    "\"DROP\"=-\r\n\"change\"=dword:2\r\n"
                                    "\"New\"=\"n\"\r\n"
                                    "[-HKEY_LOCAL_MACHINE\\Software\\Old]\r\n"
                                    "[HKEY_LOCAL_MACHINE\\Software\\Fresh]\r\n");
    const Outcome r = run({"import", import.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readHive(), "REGEDIT4\n\n" + keyLine +
                              "\"Keep\"=\"k\"\n\"Change\"=dword:00000002\n\"New\"=\"n\"\n\n"
                              "[HKEY_LOCAL_MACHINE\\Software\\Fresh]\n\n");

    // From standard input, into a settings file that does not exist yet.
    fs::remove(hivePath());
    ASSERT_EQ(run({"import", "-"}, "REGEDIT4\n" + keyLine + "\"Directory\"=\"/g\"\n").status, 0);
    EXPECT_EQ(readHive(), "REGEDIT4\n\n" + keyLine + "\"Directory\"=\"/g\"\n\n");
}

TEST_F(Vornreg, ImportsNothingFromAFaultyFile) {
    const std::string text = "REGEDIT4\n" + keyLine + "\"Directory\"=\"/games/vorn\"\n";
    writeHive(text);
    const fs::path import = folder() / "import.reg";
    const struct {
        const char* what;
        std::string contents;
        bool exists;
    } cases[] = {
        {"a bad line after good ones", "REGEDIT4\n" + keyLine + "\"A\"=\"1\"\n\"B\"=bogus\n", true},
        {"another format", "Windows Registry Editor Version 5.00\n", true},
        {"a missing file", "", false},
    };
    for (const auto& c : cases) {
        fs::remove(import);
        if (c.exists)
            vorntest::writeFile(import, c.contents);
        const Outcome r = run({"import", import.string()});
        EXPECT_EQ(r.status, 2) << c.what;
        EXPECT_NE(r.err.find("nothing was imported"), std::string::npos) << c.what << ": " << r.err;
        EXPECT_EQ(readHive(), text) << c.what;
    }
    EXPECT_EQ(run({"import", "-"}, "REGEDIT4\n\"A\"=\"1\"\n").status, 2);
    EXPECT_EQ(readHive(), text);
}

TEST_F(Vornreg, ExportsTheHiveOrOneKey) {
    writeHive(fixture("settings.reg"));
    Hive hive;
    ASSERT_FALSE(RegEdit4::parse(fixture("settings.reg"), hive));

    const Outcome all = run({"export"});
    EXPECT_EQ(all.status, 0);
    EXPECT_EQ(all.out, RegEdit4::serialize(hive));

    const Outcome one = run({"export", "HKEY_LOCAL_MACHINE\\software\\other vendor"});
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(one.out, RegEdit4::serialize(hive, "Software\\Other Vendor"));
    EXPECT_NE(one.out.find("[HKEY_LOCAL_MACHINE\\Software\\Other Vendor\\Tool]"),
              std::string::npos);
    EXPECT_EQ(one.out.find("Vorn Demo"), std::string::npos);

    EXPECT_EQ(run({"export", "HKEY_LOCAL_MACHINE\\Software\\Absent"}).status, 1);
    fs::remove(hivePath());
    EXPECT_EQ(run({"export"}).out, "REGEDIT4\n\n");
    EXPECT_EQ(run({"export", key}).status, 1);
}

// Output that takes bytes into its buffer and fails when they are to be delivered, as standard
// output on a full disk does.
class FullDiskBuffer : public std::streambuf {
public:
    FullDiskBuffer() { setp(m_buffer.data(), m_buffer.data() + m_buffer.size()); }

protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    int sync() override { return -1; }

private:
    std::array<char, 65536> m_buffer{};
};

// A script that saves an export must not be told it worked when the text never arrived.
TEST_F(Vornreg, ReportsOutputThatCouldNotBeWritten) {
    writeHive("REGEDIT4\n" + keyLine + "\"Directory\"=\"/games/vorn\"\n");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"get", key, "Directory"}, {"export"}, {"export", key}}) {
        FullDiskBuffer full;
        std::ostream out(&full);
        std::ostringstream err;
        std::istringstream in;
        EXPECT_EQ(RegTool(out, err, in).run(args), RegTool::exitError) << args[0];
        EXPECT_NE(err.str().find("cannot write"), std::string::npos)
            << args[0] << ": " << err.str();
    }
}

TEST_F(Vornreg, LeavesBrokenAndReadOnlyFilesAlone) {
    const std::string broken = fixture("truncated.reg");
    writeHive(broken);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"set", key, "X", "sz", "x"},
          {"delete", key, "Directory"},
          {"import", "-"},
          {"get", key, "Directory"},
          {"export"}}) {
        const Outcome r = run(args, "REGEDIT4\n");
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_NE(r.err.find("line"), std::string::npos) << args[0] << ": " << r.err;
        EXPECT_EQ(readHive(), broken) << args[0];
    }

    const std::string text = "REGEDIT4\n" + keyLine;
    writeHive(text);
    ASSERT_EQ(::chmod(hivePath().c_str(), 0444), 0);
    const Outcome r = run({"set", key, "X", "sz", "x"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("read-only"), std::string::npos) << r.err;
    EXPECT_EQ(readHive(), text);
}

// The real program, as installers and the end-to-end tests run it.
Outcome runProgram(const std::vector<std::string>& args) {
    std::vector<std::string> all{VORN_REGTOOL};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : all)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    int out[2];
    int err[2];
    if (::pipe(out) != 0 || ::pipe(err) != 0)
        return {-1, {}, "pipe failed"};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, err[0]);
    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    ::close(err[1]);
    Outcome result{-1, {}, {}};
    // The tool's messages are short, so reading one pipe to its end before the other is safe.
    for (const auto& [fd, text] :
         {std::pair{out[0], &result.out}, std::pair{err[0], &result.err}}) {
        char buffer[4096];
        for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
            text->append(buffer, static_cast<std::size_t>(n));
        ::close(fd);
    }
    int status = 0;
    if (spawned == 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        result.status = WEXITSTATUS(status);
    return result;
}

TEST_F(Vornreg, TheProgramReadsBackWhatTheRegistryFunctionsWrote) {
    writeHive("REGEDIT4\n" + keyLine);
    HKEY handle = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "software\\pelliwan software\\vorn demo", 0,
                            KEY_WRITE, &handle),
              ERROR_SUCCESS);
    const BYTE driver[] = "3dfx_win";
    const DWORD width = 800;
    const BYTE blob[] = {0, 1, 0xfe};
    ASSERT_EQ(RegSetValueExA(handle, "Driver name", 0, REG_SZ, driver, sizeof driver),
              ERROR_SUCCESS);
    ASSERT_EQ(
        RegSetValueExA(handle, "Screen X", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&width), 4),
        ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(handle, "Blob", 0, REG_BINARY, blob, sizeof blob), ERROR_SUCCESS);
    RegCloseKey(handle);

    EXPECT_EQ(runProgram({"get", key, "DRIVER NAME"}).out, "3dfx_win\n");
    EXPECT_EQ(runProgram({"get", key, "screen x"}).out, "800\n");
    EXPECT_EQ(runProgram({"get", key, "Blob"}).out, "00,01,fe\n");
    const Outcome absent = runProgram({"get", key, "Absent"});
    EXPECT_EQ(absent.status, 1);
    EXPECT_EQ(absent.out, "");
    EXPECT_NE(absent.err.find("no value \"Absent\""), std::string::npos) << absent.err;

    const Outcome exported = runProgram({"export"});
    ASSERT_EQ(exported.status, 0);
    EXPECT_EQ(exported.out, readHive());

    // And the other way: what the program sets, the registry functions read.
    ASSERT_EQ(runProgram({"set", key, "Directory", "sz", "/games/vorn"}).status, 0);
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Pelliwan Software\\Vorn Demo", 0,
                            KEY_READ, &handle),
              ERROR_SUCCESS);
    char directory[256] = {};
    DWORD size = sizeof directory;
    EXPECT_EQ(RegQueryValueExA(handle, "Directory", nullptr, nullptr,
                               reinterpret_cast<BYTE*>(directory), &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(directory, "/games/vorn");
    RegCloseKey(handle);
}

} // namespace
