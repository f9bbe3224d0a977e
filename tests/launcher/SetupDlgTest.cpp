// The launcher dialog: how it detects an installation, what each button starts or changes, and
// what it shows. Programs it starts are recording stand-ins; message boxes are answered as a user
// would, by pressing their buttons.

#include "framework/CWinApp.h"
#include "framework/ModuleResources.h"
#include "framework/WindowApi.h"
#include "framework/WindowBridge.h"
#include "launcher/CSetupDlg.h"
#include "platform/TempDir.h"
#include "res/ProgramResources.h"
#include "res/Resource.h"
#include "support/ModalHelper.h"

#include <QAbstractButton>
#include <QImage>
#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <signal.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace fs = std::filesystem;
using vorntest::CurrentDir;
using vorntest::readFile;
using vorntest::TempDir;
using vorntest::writeFile;

namespace {

constexpr const char* kLauncher = "Vorn - Mirefall Setup";
constexpr const char* kFatal = "Fatal message from Vorn!";
constexpr const char* kKey = "HKEY_LOCAL_MACHINE\\Software\\Pelliwan Software\\Vorn Demo";

// A REGEDIT4 line for "Directory" holding bytes as a value of type `type` (1 string, 3 binary),
// written as raw bytes, so nothing is added to them.
std::string RawDirectoryLine(const std::string& bytes, int type) {
    std::string line = type == 3 ? "\"Directory\"=hex:" : "\"Directory\"=hex(1):";
    char hex[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(hex, sizeof hex, "%02x", static_cast<unsigned char>(bytes[i]));
        line += (i ? "," : "") + std::string(hex);
    }
    return line;
}

std::string StringDirectoryLine(const std::string& text) {
    return "\"Directory\"=\"" + text + "\"";
}

// A folder whose path is exactly `length` characters long, below `base`.
fs::path FolderOfLength(const fs::path& base, std::size_t length) {
    std::string path = base.string();
    while (path.size() < length) {
        const std::size_t room = length - path.size() - 1; // one for the '/'
        path += "/" + std::string(std::min<std::size_t>(room, 200), 'd');
    }
    fs::create_directories(path);
    return path;
}

std::map<std::string, std::string> ReadRecord(const fs::path& record) {
    std::map<std::string, std::string> fields;
    std::istringstream in(readFile(record));
    for (std::string line; std::getline(in, line);) {
        const auto eq = line.find('=');
        if (eq != std::string::npos)
            fields[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return fields;
}

std::string TextOf(HWND hDlg, int id) {
    char text[128] = {};
    GetWindowTextA(GetDlgItem(hDlg, id), text, sizeof text);
    return text;
}

struct ButtonStates {
    std::string installPlayText;
    bool installPlay, driverSettings, resetKeyboard, resetController, exit;
    bool focusOnInstallPlay;
    bool operator==(const ButtonStates&) const = default;
};

ButtonStates StatesOf(HWND hDlg) {
    // The window system activates a new window a little after showing it; the focus is settled
    // then.
    vorn::test::waitFor([] { return GetFocus() != nullptr; });
    auto enabled = [&](int id) {
        return IsWindowEnabled(GetDlgItem(hDlg, id)) != FALSE;
    };
    return {TextOf(hDlg, IDC_INSTALL_PLAY),
            enabled(IDC_INSTALL_PLAY),
            enabled(IDC_DRIVER_SETTINGS),
            enabled(IDC_RESET_KEYBOARD),
            enabled(IDC_RESET_CONTROLLER),
            enabled(IDC_EXIT),
            GetFocus() == GetDlgItem(hDlg, IDC_INSTALL_PLAY)};
}

const ButtonStates kInstalledStates{"&Play Vorn!", true, true, true, true, true, true};
const ButtonStates kNotInstalledStates{"&Install Vorn!", true, false, false, false, true, true};

// One message box the test expects, and the button to answer it with.
struct ExpectedBox {
    std::string text;
    QString button;      // the answer
    QStringList buttons; // every button of the box, in order
    bool icon;           // whether the box shows an icon
    std::function<void()> whenShown = {};
};

const QStringList kOkOnly{"OK"};
const QStringList kYesNo{"Yes", "No"};
// The dialog manager gives a message box's icon this control id.
constexpr int kMessageBoxIconId = 20;

// The box's buttons from left to right.
QStringList ButtonsOf(QWidget* box) {
    QList<QAbstractButton*> buttons = box->findChildren<QAbstractButton*>();
    std::sort(buttons.begin(), buttons.end(), [](const QWidget* a, const QWidget* b) {
        return a->geometry().x() < b->geometry().x();
    });
    QStringList texts;
    for (const QAbstractButton* button : buttons)
        texts << button->text().remove('&');
    return texts;
}

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        AfxSetResourceHandle(AfxRegisterModule(ProgramResources()));
        m_cd = m_tmp / "cd";
        m_game = m_tmp / "games" / "vorn demo";
        m_records = m_tmp / "records";
        fs::create_directories(m_cd);
        fs::create_directories(m_game);
        fs::create_directories(m_records);
        ::setenv("VORN_REGISTRY", (m_tmp / "hive.reg").c_str(), 1);
        ::setenv("VORN_STANDIN_RECORDS", m_records.c_str(), 1);
        ::unsetenv("VORN_STANDIN_HOLD");
        vorn::test::takeSeenModals();
    }
    void TearDown() override {
        writeFile(m_records / "release", "");
        EXPECT_TRUE(vorn::test::leftoverWindows().isEmpty());
    }

    void WriteHive(const std::string& directoryLine) {
        std::string text = "REGEDIT4\r\n\r\n[" + std::string(kKey) + "]\r\n";
        if (!directoryLine.empty())
            text += directoryLine + "\r\n";
        writeFile(m_tmp / "hive.reg", text);
    }
    void Install(const fs::path& folder) {
        fs::copy_file(VORN_STANDIN, folder / "vorn.exe");
        WriteHive(StringDirectoryLine(folder.string()));
    }

    // Runs the launcher modally from the CD folder, calls action once it is up, and returns what
    // DoModal returned. The launcher is the main window, as in the program.
    INT_PTR Run(CSetupDlg& dlg, const std::function<void(QWidget*)>& action) {
        CurrentDir onCd(m_cd);
        m_app.m_pMainWnd = &dlg;
        vorn::test::whenModal(kLauncher, action);
        const INT_PTR result = dlg.DoModal();
        m_cwdAfter = fs::current_path();
        return result;
    }

    // Answers the boxes titled caption in the given order, each once; the answer of a box that is
    // still closing is not given twice.
    void AnswerBoxes(const QString& caption, std::vector<ExpectedBox> boxes) {
        m_boxes = std::move(boxes);
        m_answered.clear();
        m_nextBox = 0;
        if (!m_boxes.empty())
            AwaitBox(caption);
    }

    std::string Caption(const std::string& text) const {
        return std::string(AfxGetAppName()) + "|" + text;
    }

    fs::path Record(const char* name) const { return m_records / (std::string(name) + ".rec"); }

    TempDir m_tmp;
    CWinApp m_app;
    fs::path m_cd, m_game, m_records, m_cwdAfter;

private:
    void AwaitBox(const QString& caption) {
        vorn::test::whenModal(caption, [this, caption](QWidget* box) {
            for (const QPointer<QWidget>& done : m_answered) {
                if (done == box) {
                    AwaitBox(caption);
                    return;
                }
            }
            ExpectedBox& expected = m_boxes[m_nextBox++];
            EXPECT_EQ(box->property("vornText").toString().toStdString(), expected.text);
            EXPECT_EQ(ButtonsOf(box), expected.buttons);
            EXPECT_EQ(vorn::test::control(box, kMessageBoxIconId) != nullptr, expected.icon);
            if (expected.whenShown)
                expected.whenShown();
            m_answered.emplace_back(box);
            if (m_nextBox < m_boxes.size())
                AwaitBox(caption);
            vorn::test::clickButton(box, expected.button);
        });
    }

    std::vector<ExpectedBox> m_boxes;
    std::vector<QPointer<QWidget>> m_answered;
    std::size_t m_nextBox = 0;
};

// ---- Installation detection ----------------------------------------------------------------

enum class Setting {
    NoHive,
    KeyOnly,
    String,       // "Directory" as a string with its terminating zero
    Unterminated, // a string stored without a terminating zero
    Binary,       // "ABCD" as binary data, without a zero
};
enum class Game { None, File, Folder, Pipe };

struct DetectionCase {
    const char* name;
    Setting setting;
    std::size_t length; // of the directory's path; 0: the usual game folder
    Game game;
    bool installed;
    enum { Empty, Stored, Abcd } expectedDir;
};

class DetectionTest : public LauncherTest, public ::testing::WithParamInterface<DetectionCase> {};

TEST_P(DetectionTest, InstalledOnlyWhenTheGameIsInTheStoredDirectory) {
    const DetectionCase& c = GetParam();
    const fs::path folder = c.length ? FolderOfLength(m_tmp.path(), c.length) : m_game;
    ASSERT_TRUE(c.length == 0 || folder.string().size() == c.length);
    if (c.game == Game::File)
        fs::copy_file(VORN_STANDIN, folder / "vorn.exe");
    if (c.game == Game::Folder)
        fs::create_directory(folder / "vorn.exe");
    if (c.game == Game::Pipe) {
        ASSERT_EQ(::mkfifo((folder / "vorn.exe").c_str(), 0755), 0);
    }
    switch (c.setting) {
    case Setting::NoHive:
        break;
    case Setting::KeyOnly:
        WriteHive("");
        break;
    case Setting::String:
        WriteHive(StringDirectoryLine(folder.string()));
        break;
    case Setting::Unterminated:
        WriteHive(RawDirectoryLine(folder.string(), 1));
        break;
    case Setting::Binary:
        WriteHive(RawDirectoryLine("ABCD", 3));
        break;
    }

    CSetupDlg dlg;
    ButtonStates states{};
    const INT_PTR result = Run(dlg, [&](QWidget* w) {
        states = StatesOf(vorn::fw::HandleFromWidget(w));
        vorn::test::clickButton(w, "Exit");
    });

    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_bInstalled, c.installed);
    EXPECT_TRUE(states == (c.installed ? kInstalledStates : kNotInstalledStates))
        << "button 1001 reads " << states.installPlayText << ", focus on it "
        << states.focusOnInstallPlay;
    const std::string expectedDir = c.expectedDir == DetectionCase::Stored ? folder.string()
                                    : c.expectedDir == DetectionCase::Abcd ? "ABCD"
                                                                           : "";
    EXPECT_EQ(dlg.m_strInstallDir.str(), expectedDir);
    EXPECT_FALSE(fs::exists(Record("vorn.exe")));
}

INSTANTIATE_TEST_SUITE_P(
    Launcher, DetectionTest,
    ::testing::Values(
        DetectionCase{"NoSettingsKey", Setting::NoHive, 0, Game::File, false, DetectionCase::Empty},
        DetectionCase{"NoDirectoryValue", Setting::KeyOnly, 0, Game::File, false,
                      DetectionCase::Empty},
        DetectionCase{"GameMissing", Setting::String, 0, Game::None, false, DetectionCase::Stored},
        DetectionCase{"GameIsAFolder", Setting::String, 0, Game::Folder, false,
                      DetectionCase::Stored},
        DetectionCase{"GameIsANamedPipe", Setting::String, 0, Game::Pipe, false,
                      DetectionCase::Stored},
        DetectionCase{"Installed", Setting::String, 0, Game::File, true, DetectionCase::Stored},
        DetectionCase{"Directory255", Setting::String, 255, Game::File, true,
                      DetectionCase::Stored},
        DetectionCase{"Directory256", Setting::String, 256, Game::File, false,
                      DetectionCase::Empty},
        DetectionCase{"UnterminatedString", Setting::Unterminated, 0, Game::File, true,
                      DetectionCase::Stored},
        DetectionCase{"Unterminated255", Setting::Unterminated, 255, Game::File, true,
                      DetectionCase::Stored},
        // 256 characters fill the whole buffer: longer than a directory may be.
        DetectionCase{"Unterminated256", Setting::Unterminated, 256, Game::File, false,
                      DetectionCase::Empty},
        DetectionCase{"BinaryValue", Setting::Binary, 0, Game::None, false, DetectionCase::Abcd}),
    [](const ::testing::TestParamInfo<DetectionCase>& p) { return std::string(p.param.name); });

// ---- What the buttons start ------------------------------------------------------------------

TEST_F(LauncherTest, InstallStartsTheInstallerFromTheStartFolderAndEnds) {
    fs::copy_file(VORN_STANDIN, m_cd / "_setup.exe");
    CSetupDlg dlg;
    const INT_PTR result = Run(dlg, [](QWidget* w) { vorn::test::pressKey(w, Qt::Key_Return); });

    EXPECT_EQ(result, IDOK);
    ASSERT_TRUE(vorn::test::waitFor([&] { return fs::exists(Record("_setup.exe")); }));
    auto record = ReadRecord(Record("_setup.exe"));
    EXPECT_EQ(record["argc"], "1");
    EXPECT_EQ(record["argv0"], "_setup.exe");
    EXPECT_EQ(record["cwd"], m_cd.string());
    EXPECT_EQ(m_cwdAfter, m_cd);
    EXPECT_EQ(vorn::test::takeSeenModals(), QStringList({kLauncher}));
}

TEST_F(LauncherTest, PlayStartsTheGameInItsFolderWithoutWaitingAndEnds) {
    Install(m_game);
    ::setenv("VORN_STANDIN_HOLD", "1", 1); // the game keeps running until released
    CSetupDlg dlg;
    const INT_PTR result = Run(dlg, [](QWidget* w) { vorn::test::clickButton(w, "Play Vorn!"); });

    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(m_cwdAfter, m_game);
    ASSERT_TRUE(vorn::test::waitFor([&] { return fs::exists(Record("vorn.exe")); }));
    auto record = ReadRecord(Record("vorn.exe"));
    EXPECT_EQ(record["argc"], "1");
    EXPECT_EQ(record["argv0"], (m_game / "vorn.exe").string());
    EXPECT_EQ(record["cwd"], m_game.string());
    // The launcher has returned while the game still runs.
    EXPECT_EQ(::kill(std::stoi(record["pid"]), 0), 0);
    EXPECT_EQ(vorn::test::takeSeenModals(), QStringList({kLauncher}));
}

TEST_F(LauncherTest, InstallerNotOnTheCdIsReportedAndTheLauncherEnds) {
    // An installer elsewhere on the PATH must not be taken for the CD's.
    const fs::path bin = m_tmp / "bin";
    fs::create_directories(bin);
    fs::copy_file(VORN_STANDIN, bin / "_setup.exe");
    const std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    ::setenv("PATH", (bin.string() + ":" + oldPath).c_str(), 1);

    AnswerBoxes(kFatal,
                {{"Unable to find installation binary on install CD", "OK", kOkOnly, false}});
    CSetupDlg dlg;
    const INT_PTR result =
        Run(dlg, [](QWidget* w) { vorn::test::clickButton(w, "Install Vorn!"); });
    ::setenv("PATH", oldPath.c_str(), 1);

    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(vorn::test::takeSeenModals(),
              QStringList({kLauncher,
                           QString(kFatal) + "|Unable to find installation binary on install CD"}));
    EXPECT_FALSE(fs::exists(Record("_setup.exe")));
}

TEST_F(LauncherTest, GameGoneSinceTheLauncherOpenedIsReportedAndTheLauncherEnds) {
    Install(m_game);
    const char* text = "Vorn was unable to run - check your driver settings and installation";
    AnswerBoxes(kFatal, {{text, "OK", kOkOnly, false}});
    CSetupDlg dlg;
    const INT_PTR result = Run(dlg, [&](QWidget* w) {
        fs::remove(m_game / "vorn.exe");
        vorn::test::clickButton(w, "Play Vorn!");
    });

    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(vorn::test::takeSeenModals(), QStringList({kLauncher, QString(kFatal) + "|" + text}));
    EXPECT_FALSE(fs::exists(Record("vorn.exe")));
}

TEST_F(LauncherTest, ExitAndEscapeEndTheLauncherWithoutStartingAnything) {
    Install(m_game);
    fs::copy_file(VORN_STANDIN, m_cd / "_setup.exe");
    const struct {
        const char* name;
        std::function<void(QWidget*)> action;
        INT_PTR result;
    } cases[] = {
        {"Exit button", [](QWidget* w) { vorn::test::clickButton(w, "Exit"); }, IDOK},
        {"Alt+X", [](QWidget* w) { vorn::test::pressKey(w, Qt::Key_X, Qt::AltModifier); }, IDOK},
        {"Escape", [](QWidget* w) { vorn::test::pressKey(w, Qt::Key_Escape); }, IDCANCEL},
        {"close request", [](QWidget* w) { w->close(); }, IDCANCEL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CSetupDlg dlg;
        EXPECT_EQ(Run(dlg, c.action), c.result);
        EXPECT_EQ(m_cwdAfter, m_cd);
    }
    EXPECT_FALSE(fs::exists(Record("vorn.exe")));
    EXPECT_FALSE(fs::exists(Record("_setup.exe")));
}

TEST_F(LauncherTest, IconIsTheWindowsLargeAndSmallIconAndTheDragIcon) {
    CSetupDlg dlg;
    ASSERT_NE(dlg.m_hIcon, nullptr);
    LRESULT big = 0, small = 0, drag = 0;
    Run(dlg, [&](QWidget* w) {
        const HWND hDlg = vorn::fw::HandleFromWidget(w);
        big = SendMessage(hDlg, WM_GETICON, ICON_BIG, 0);
        small = SendMessage(hDlg, WM_GETICON, ICON_SMALL, 0);
        drag = SendMessage(hDlg, WM_QUERYDRAGICON, 0, 0);
        vorn::test::clickButton(w, "Exit");
    });
    const auto icon = reinterpret_cast<LRESULT>(dlg.m_hIcon);
    EXPECT_EQ(big, icon);
    EXPECT_EQ(small, icon);
    EXPECT_EQ(drag, icon);
    EXPECT_FALSE(vorn::fw::IconFromHandle(dlg.m_hIcon).pixmap(32, 32).isNull());
}

TEST_F(LauncherTest, WhileMinimisedTheIconIsDrawnCentredInTheClientArea) {
    CSetupDlg dlg;
    QImage normal, minimised;
    QSize client;
    // The dialog's own painting, without its controls, which a minimised window does not show.
    const auto paintDialog = [](QWidget* w) {
        QImage image(w->size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        w->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        return image;
    };
    Run(dlg, [&](QWidget* w) {
        client = w->size();
        normal = paintDialog(w);
        w->setWindowState(Qt::WindowMinimized);
        minimised = paintDialog(w);
        w->setWindowState(Qt::WindowNoState);
        vorn::test::clickButton(w, "Exit");
    });
    const QImage icon = vorn::fw::IconFromHandle(dlg.m_hIcon).pixmap(32, 32).toImage();
    ASSERT_EQ(icon.size(), QSize(32, 32));
    const QPoint origin((client.width() - 32 + 1) / 2, (client.height() - 32 + 1) / 2);
    int opaque = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QColor pixel = icon.pixelColor(x, y);
            if (pixel.alpha() != 255)
                continue;
            ++opaque;
            EXPECT_EQ(minimised.pixelColor(origin + QPoint(x, y)), pixel) << x << "," << y;
            EXPECT_NE(normal.pixelColor(origin + QPoint(x, y)), pixel) << x << "," << y;
        }
    }
    EXPECT_GT(opaque, 0);
}

// ---- Resetting the control setup ----------------------------------------------------------------

constexpr const char* kKeyboardQuestion =
    "This will override your currently selected controls with the default keyboard setup.  "
    "Continue?";
constexpr const char* kControllerQuestion =
    "This will override your currently selected controls with the default game controller "
    "setup.  Continue?";
constexpr const char* kWarning =
    "WARNING\n\nIf you have a joystick/game controller attached it may still be active.\n\nIt is "
    "recommended that if you do not wish to use a joystick/game controller you detach it from "
    "your PC.";

const std::string kOldKeys = "up=W\r\ndown=S\r\n";
const std::string kKeyboard = std::string("up=UP\r\n\0\r\xe9\xff", 12);
const std::string kController = "up=JOY_UP\ndown=JOY_DOWN\n";

struct ResetCase {
    const char* name;
    const char* button;
    const char* answer;
    bool warning;             // the WARNING box follows the Yes
    const std::string* after; // what key.txt holds afterwards
};

class ResetTest : public LauncherTest, public ::testing::WithParamInterface<ResetCase> {};

TEST_P(ResetTest, ConfirmedResetCopiesTheTemplateOverKeyTxt) {
    const ResetCase& c = GetParam();
    Install(m_game);
    writeFile(m_game / "key.txt", kOldKeys);
    writeFile(m_game / "default.txt", kKeyboard);
    writeFile(m_game / "joy.txt", kController);
    const bool keyboard = std::string(c.button).find("keyboard") != std::string::npos;
    const char* question = keyboard ? kKeyboardQuestion : kControllerQuestion;

    std::vector<ExpectedBox> boxes{{question, c.answer, kYesNo, true}};
    std::string keysAtWarning;
    if (c.warning)
        boxes.push_back({kWarning, "OK", kOkOnly, true, [&] {
                             keysAtWarning = readFile(m_game / "key.txt");
                         }});
    AnswerBoxes(AfxGetAppName(), boxes);

    CSetupDlg dlg;
    std::string keysAfterHandler;
    Run(dlg, [&](QWidget* w) {
        vorn::test::clickButton(w, c.button);
        keysAfterHandler = readFile(m_game / "key.txt");
        vorn::test::clickButton(w, "Exit");
    });

    EXPECT_EQ(keysAfterHandler, *c.after);
    if (c.warning) {
        EXPECT_EQ(keysAtWarning, kOldKeys) << "the warning comes before the copy";
    }
    QStringList seen{kLauncher, QString::fromStdString(Caption(question))};
    if (c.warning)
        seen << QString::fromStdString(Caption(kWarning));
    EXPECT_EQ(vorn::test::takeSeenModals(), seen) << "nothing is shown after the copy";
    EXPECT_EQ(readFile(m_game / "default.txt"), kKeyboard);
    EXPECT_EQ(readFile(m_game / "joy.txt"), kController);
}

INSTANTIATE_TEST_SUITE_P(
    Launcher, ResetTest,
    ::testing::Values(
        ResetCase{"KeyboardNo", "Reset  keyboard setup", "No", false, &kOldKeys},
        ResetCase{"KeyboardYes", "Reset  keyboard setup", "Yes", true, &kKeyboard},
        ResetCase{"ControllerNo", "Reset Game controller setup", "No", false, &kOldKeys},
        ResetCase{"ControllerYes", "Reset Game controller setup", "Yes", false, &kController}),
    [](const ::testing::TestParamInfo<ResetCase>& p) { return std::string(p.param.name); });

TEST_F(LauncherTest, ResetCreatesAMissingKeyTxtAndLeavesItWithoutATemplate) {
    Install(m_game);
    writeFile(m_game / "joy.txt", kController);
    // Keyboard: no default.txt, so nothing appears; controller: key.txt is created.
    AnswerBoxes(AfxGetAppName(), {{kKeyboardQuestion, "Yes", kYesNo, true},
                                  {kWarning, "OK", kOkOnly, true},
                                  {kControllerQuestion, "Yes", kYesNo, true}});
    CSetupDlg dlg;
    bool keysAfterKeyboard = true;
    Run(dlg, [&](QWidget* w) {
        vorn::test::clickButton(w, "Reset  keyboard setup");
        keysAfterKeyboard = fs::exists(m_game / "key.txt");
        vorn::test::clickButton(w, "Reset Game controller setup");
        vorn::test::clickButton(w, "Exit");
    });
    EXPECT_FALSE(keysAfterKeyboard);
    EXPECT_EQ(readFile(m_game / "key.txt"), kController);
}

TEST_F(LauncherTest, ResetButtonsAreUnusableWhenNotInstalled) {
    // The handlers never run without an installation: the buttons are disabled, also for their
    // mnemonics.
    CSetupDlg dlg;
    Run(dlg, [](QWidget* w) {
        vorn::test::pressKey(w, Qt::Key_K, Qt::AltModifier);
        vorn::test::pressKey(w, Qt::Key_G, Qt::AltModifier);
        vorn::test::clickButton(w, "Exit");
    });
    EXPECT_EQ(vorn::test::takeSeenModals(), QStringList({kLauncher}));
}

} // namespace
