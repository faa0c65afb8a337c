// Files written whole or not at all, and read only when they are regular files: on a real folder, with each
// step of a write made to fail as a full or failing disk fails it.
#include "projects/files.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>
#include <set>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using varnel::projects::FileFailure;
using varnel::projects::InjectedFault;
using varnel::projects::WriteStep;

std::string contentOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::set<std::string> listing(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

std::string whatOf(const std::optional<FileFailure>& failure) {
    return failure ? failure->what : "(written)";
}

class Files : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::path(testing::TempDir()) / "files-XXXXXX").string();
        ASSERT_TRUE(mkdtemp(pattern.data())) << pattern;
        m_folder = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }

    std::optional<FileFailure> write(const fs::path& path, std::string_view bytes,
                                     std::optional<InjectedFault> fault = std::nullopt) {
        return varnel::projects::writeWholeFile(path.string(), bytes, fault);
    }

    fs::path m_folder;
};

TEST_F(Files, AStepThatFailsKeepsTheOldFileAndLeavesNothingBehind) {
    struct Case {
        WriteStep step;
        int error;
        const char* what;
    };
    const Case cases[] = {
        {WriteStep::Create, ENOSPC, "磁盘已满"},
        {WriteStep::Create, EACCES, "没有在这个文件夹中写入文件的权限"},
        {WriteStep::Write, ENOSPC, "磁盘已满"},
        {WriteStep::Write, EDQUOT, "磁盘已满"},
        {WriteStep::Write, EIO, "写入磁盘时出错"},
        {WriteStep::Sync, ENOSPC, "磁盘已满"},
        {WriteStep::Sync, EIO, "写入磁盘时出错"},
        {WriteStep::Close, EIO, "写入磁盘时出错"},
        {WriteStep::Rename, EROFS, "这个磁盘只能读取，不能写入"},
        {WriteStep::SyncFolder, EIO, "写入磁盘时出错"},
        {WriteStep::Write, EINVAL, "写入文件时出错（系统错误代码 22）"},
    };
    const fs::path project = m_folder / "道路.varnel";
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.step));
        std::ofstream(project, std::ios::binary) << "原来的项目";
        const std::set<std::string> before = listing(m_folder);
        const std::optional<FileFailure> failure = write(project, "新的项目", InjectedFault{c.step, c.error});
        EXPECT_EQ(whatOf(failure), c.what);
        EXPECT_FALSE(failure && failure->remedy.empty());
        EXPECT_EQ(contentOf(project), "原来的项目");
        EXPECT_EQ(listing(m_folder), before);
    }
    // A new file that fails leaves no file of its name.
    for (const WriteStep step : {WriteStep::Write, WriteStep::Rename}) {
        EXPECT_TRUE(write(m_folder / "新.varnel", "新的项目", InjectedFault{step, ENOSPC}));
        EXPECT_FALSE(fs::exists(m_folder / "新.varnel"));
    }
}

TEST_F(Files, AFileIsReplacedWholeKeepingItsPermissionsAndOwner) {
    const fs::path path = m_folder / "道路.varnel";
    std::ofstream(path) << std::string(100000, 'x');
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(path.c_str(), 4321, 4321), 0);
    }
    EXPECT_EQ(write(path, "短"), std::nullopt);
    EXPECT_EQ(contentOf(path), "短");
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    if (root) {
        EXPECT_EQ(st.st_uid, 4321u);
    }
    EXPECT_EQ(listing(m_folder), std::set<std::string>{"道路.varnel"});

    // Empty, and large.
    EXPECT_EQ(write(path, ""), std::nullopt);
    EXPECT_EQ(contentOf(path), "");
    const std::string large(3 * 1024 * 1024 + 7, 'y');
    EXPECT_EQ(write(path, large), std::nullopt);
    EXPECT_EQ(contentOf(path), large);
}

TEST_F(Files, AReadOnlyFileIsReplacedOnlyByWhoMayWriteIt) {
    const fs::path path = m_folder / "只读.varnel";
    std::ofstream(path) << "原来的";
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    if (geteuid() == 0) {
        // Root may write any file: the save goes through and the file stays read-only.
        EXPECT_EQ(write(path, "新的"), std::nullopt);
        EXPECT_EQ(contentOf(path), "新的");
    } else {
        EXPECT_EQ(whatOf(write(path, "新的")), "这个文件是只读的");
        EXPECT_EQ(contentOf(path), "原来的");
    }
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

TEST_F(Files, ALinkIsWrittenThroughAndKept) {
    fs::create_directory(m_folder / "真的");
    std::ofstream(m_folder / "真的" / "道路.varnel") << "原来的";
    fs::create_symlink("真的/道路.varnel", m_folder / "链接.varnel");
    fs::create_symlink("链接.varnel", m_folder / "链接的链接.varnel");
    EXPECT_EQ(write(m_folder / "链接的链接.varnel", "新的"), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(m_folder / "链接.varnel"));
    EXPECT_TRUE(fs::is_symlink(m_folder / "链接的链接.varnel"));
    EXPECT_EQ(contentOf(m_folder / "真的" / "道路.varnel"), "新的");
    EXPECT_EQ(listing(m_folder / "真的"), std::set<std::string>{"道路.varnel"});

    // A link to a file not yet there makes the file.
    fs::create_symlink(m_folder / "真的" / "新.varnel", m_folder / "新链接.varnel");
    EXPECT_EQ(write(m_folder / "新链接.varnel", "新的"), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(m_folder / "新链接.varnel"));
    EXPECT_EQ(contentOf(m_folder / "真的" / "新.varnel"), "新的");
}

TEST_F(Files, WhatIsNoRegularFileIsNeverReplaced) {
    fs::create_directory(m_folder / "文件夹.varnel");
    ASSERT_EQ(::mkfifo((m_folder / "管道.varnel").c_str(), 0600), 0);
    fs::create_symlink("圈2", m_folder / "圈1");
    fs::create_symlink("圈1", m_folder / "圈2");
    std::ofstream(m_folder / "文件") << "不是文件夹";
    struct Case {
        fs::path path;
        const char* what;
    };
    const Case cases[] = {
        {m_folder / "文件夹.varnel", "这个名称是一个文件夹，不是普通文件，不能用文件替换它"},
        {m_folder / "管道.varnel", "这个名称是一个管道（FIFO），不是普通文件，不能用文件替换它"},
        {m_folder / "圈1", "文件名经过的链接绕成了圈，找不到真正的文件"},
        {m_folder / "没有的文件夹" / "a.varnel", "文件夹不存在"},
        {m_folder / "文件" / "a.varnel", "路径中有一段是文件，不是文件夹"},
        {m_folder / (std::string(300, 'n') + ".varnel"), "文件名太长"},
        {"", "没有给出文件名"},
        {m_folder.string() + "/", "名称以“/”结尾，是文件夹的写法，不是文件名"},
    };
    const std::set<std::string> before = listing(m_folder);
    for (const Case& c : cases)
        EXPECT_EQ(whatOf(write(c.path, "x")), c.what) << c.path;
    EXPECT_EQ(listing(m_folder), before);
    EXPECT_TRUE(fs::is_directory(m_folder / "文件夹.varnel"));
    EXPECT_TRUE(fs::is_fifo(m_folder / "管道.varnel"));
}

// A device is never replaced, even by root, who may rename over anything. The device is one of the test's
// own (the null device's numbers, in the test's folder): a broken writer must never touch the system's.
TEST_F(Files, ADeviceIsNeverReplaced) {
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can make a device node, and only root could replace one";
    const fs::path device = m_folder / "设备.varnel";
    ASSERT_EQ(::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
    EXPECT_EQ(whatOf(write(device, "x")), "这个名称是一个设备，不是普通文件，不能用文件替换它");
    EXPECT_TRUE(fs::is_character_file(device));
    EXPECT_EQ(listing(m_folder), std::set<std::string>{"设备.varnel"});
}

TEST_F(Files, LeftoversOfASaveKilledHalfWayGoWithTheNextSave) {
    const fs::path path = m_folder / "道路.varnel";
    const std::string prefix = varnel::projects::temporaryPrefix("道路.varnel");
    EXPECT_EQ(prefix, ".道路.varnel.varnel-save-");
    std::ofstream(m_folder / (prefix + "0123abcd")) << "半个项目";
    std::ofstream(m_folder / (prefix + "ffff")) << "";
    std::ofstream(m_folder / ".其他.varnel.varnel-save-0123") << "另一个项目的";
    EXPECT_EQ(write(path, "项目"), std::nullopt);
    EXPECT_EQ(listing(m_folder), (std::set<std::string>{"道路.varnel", ".其他.varnel.varnel-save-0123"}));
    // A name too long to take a prefix whole is cut at a character's boundary.
    const std::string longName = std::string(99, 'a') + "道路.varnel";
    EXPECT_EQ(varnel::projects::temporaryPrefix(longName), "." + std::string(99, 'a') + ".varnel-save-");
}

// Reads with a watchdog: a read that blocks (a pipe without a writer) would hang the test run.
varnel::projects::FileRead readWithin(const std::string& path, std::uintmax_t limit) {
    auto reading =
        std::async(std::launch::async, [=] { return varnel::projects::readRegularFile(path, limit); });
    if (reading.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        ADD_FAILURE() << path << " still being read after 10 s";
        std::_Exit(1);
    }
    return reading.get();
}

TEST_F(Files, OnlyARegularFileIsReadAndNeverBeyondTheLimit) {
    std::ofstream(m_folder / "项目.varnel") << "{}";
    std::ofstream(m_folder / "大.varnel") << std::string(101, ' ');
    fs::create_directory(m_folder / "文件夹.varnel");
    ASSERT_EQ(::mkfifo((m_folder / "管道.varnel").c_str(), 0600), 0);
    fs::create_symlink("没有.varnel", m_folder / "断了的链接.varnel");
    fs::create_symlink("圈2", m_folder / "圈1");
    fs::create_symlink("圈1", m_folder / "圈2");
    fs::create_symlink("项目.varnel", m_folder / "链接.varnel");
    struct Case {
        std::string path;
        const char* what; // null: read
        const char* bytes = "";
    };
    const std::string f = m_folder.string() + "/";
    const Case cases[] = {
        {f + "项目.varnel", nullptr, "{}"},
        {f + "链接.varnel", nullptr, "{}"},
        {f + "没有.varnel", "文件不存在"},
        {f + "管道.varnel", "这是一个管道（FIFO），不是普通文件"},
        {"/dev/zero", "这是一个设备，不是普通文件"},
        {f + "文件夹.varnel", "这是一个文件夹，不是普通文件"},
        {f + "断了的链接.varnel", "这是一个链接，它指向的文件不存在"},
        {f + "圈1", "文件名经过的链接绕成了圈，找不到真正的文件"},
        {f + "项目.varnel/", "名称以“/”结尾，是文件夹的写法，不是文件名"},
        {f + "项目.varnel/a", "路径中有一段是文件，不是文件夹"},
        {"", "没有给出文件名"},
    };
    for (const Case& c : cases) {
        const varnel::projects::FileRead read = readWithin(c.path, 100);
        EXPECT_EQ(whatOf(read.failure), c.what ? c.what : "(written)") << c.path;
        EXPECT_EQ(read.bytes, c.bytes) << c.path;
    }
    const varnel::projects::FileRead large = readWithin(f + "大.varnel", 100);
    EXPECT_TRUE(large.tooLarge);
    EXPECT_EQ(large.size, 101u);
    EXPECT_TRUE(large.bytes.empty());
    EXPECT_FALSE(readWithin(f + "大.varnel", 101).tooLarge);
}

TEST_F(Files, TheSameFileIsKnownThroughLinks) {
    std::ofstream(m_folder / "a") << "a";
    std::ofstream(m_folder / "b") << "a";
    fs::create_symlink("a", m_folder / "链接");
    fs::create_hard_link(m_folder / "a", m_folder / "硬链接");
    const auto same = [&](const char* x, const char* y) {
        return varnel::projects::sameFile((m_folder / x).string(), (m_folder / y).string());
    };
    EXPECT_TRUE(same("a", "链接"));
    EXPECT_TRUE(same("硬链接", "链接"));
    EXPECT_FALSE(same("a", "b"));
    EXPECT_FALSE(same("a", "没有"));
}

TEST(FileMessages, SayWhatIsWrongAndWhatToDo) {
    EXPECT_EQ(varnel::projects::explained({"磁盘已满", "腾出磁盘空间"}, "再保存一次"),
              "磁盘已满。\n请腾出磁盘空间，然后再保存一次。");
    EXPECT_EQ(varnel::projects::explained({"文件不存在", ""}, "再保存一次"), "文件不存在。");
}

} // namespace
