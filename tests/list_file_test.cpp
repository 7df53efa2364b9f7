#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "lists/list_file.h"
#include "platform/posix/posix_file_system.h"
#include "support/temp_dir.h"

namespace vokanti::testing {
namespace {

class ListFileTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return dir.path() + "/" + name; }
    void write(const std::string& name, const std::string& content) {
        std::ofstream(path(name), std::ios::binary) << content;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // Every entry of a file, read through a ListFile.
    std::vector<std::string> entriesOf(const std::string& content) {
        write("list.txt", content);
        ListFile file(files);
        EXPECT_TRUE(file.open(path("list.txt"), OpenMode::Read));
        std::vector<std::string> out;
        std::string line;
        while (file.readLine(line)) out.push_back(line);
        return out;
    }
    static long long sizeOnDisk(const std::string& p) {
        struct stat st {};
        return ::stat(p.c_str(), &st) == 0 ? static_cast<long long>(st.st_size) : -1;
    }

    TempDir dir;
    PosixFileSystem files;
};

using Entries = std::vector<std::string>;

TEST_F(ListFileTest, LineEndsAndTerminators) {
    EXPECT_EQ(entriesOf("one\r\ntwo\r\nthree\r\n"), (Entries{"one", "two", "three"}));
    EXPECT_EQ(entriesOf("one\ntwo\nthree\n"), (Entries{"one", "two", "three"}));
    EXPECT_EQ(entriesOf("one\r\ntwo\nthree"), (Entries{"one", "two", "three"}));
    // Blank lines are empty entries; a lone CR is text; nothing is trimmed.
    EXPECT_EQ(entriesOf("\r\n a \r\n\n"), (Entries{"", " a ", ""}));
    EXPECT_EQ(entriesOf("a\rb\r\nc\r\r\nd\r"), (Entries{"a\rb", "c\r", "d\r"}));
    EXPECT_EQ(entriesOf(""), Entries{});
    EXPECT_EQ(entriesOf("\n"), Entries{""});
    // Shift-JIS bytes pass unchanged, including a second byte 0x5C.
    EXPECT_EQ(entriesOf("C:/ソ表/x.txt\r\n"), Entries{"C:/ソ表/x.txt"});
}

TEST_F(ListFileTest, ByteOneAEndsTheFile) {
    EXPECT_EQ(entriesOf("one\r\ntwo\x1Athree\r\nfour\r\n"), (Entries{"one", "two"}));
    EXPECT_EQ(entriesOf("one\r\n\x1A\r\nlost\r\n"), Entries{"one"});
    EXPECT_EQ(entriesOf("\x1A" "nothing"), Entries{});
}

TEST_F(ListFileTest, LinesLongerThanAnyBufferComeWhole) {
    // A CR LF split across the 64 KiB read boundary, a 200,000-byte line, and an
    // unterminated last line that is longer than a chunk.
    const std::string first(65535, 'a');
    const std::string second(200000, 'b');
    const std::string third(70000, 'c');
    EXPECT_EQ(entriesOf(first + "\r\n" + second + "\r\n" + third), (Entries{first, second, third}));
    const std::string fourth(65536, 'd');
    EXPECT_EQ(entriesOf(fourth + "\x1A" + "x"), Entries{fourth});
}

TEST_F(ListFileTest, WritesCrLfStraightToTheSystem) {
    ListFile file(files);
    ASSERT_TRUE(file.open(path("h.txt"), OpenMode::Create));
    ASSERT_TRUE(file.writeLine("one"));
    // Still open: the bytes are already in the file.
    EXPECT_EQ(sizeOnDisk(path("h.txt")), 5);
    ASSERT_TRUE(file.writeLine(""));
    file.close();
    EXPECT_EQ(read("h.txt"), "one\r\n\r\n");
    EXPECT_FALSE(file.isOpen());
    EXPECT_FALSE(file.writeLine("closed"));
    EXPECT_FALSE(file.seekToEnd());
    std::string line;
    EXPECT_FALSE(file.readLine(line));
    file.close();  // closing a closed file does nothing
}

TEST_F(ListFileTest, AppendingAfterReadingKeepsTheEntries) {
    write("h.txt", "one\ntwo");  // unterminated last line
    ListFile file(files);
    ASSERT_TRUE(file.open(path("h.txt"), OpenMode::ReadWrite));
    std::string line;
    ASSERT_TRUE(file.readLine(line));
    ASSERT_TRUE(file.seekToEnd());
    ASSERT_TRUE(file.writeLine("three"));
    file.close();
    EXPECT_EQ(read("h.txt"), "one\ntwothree\r\n");
}

TEST_F(ListFileTest, LinesAppendedAfterAnEndMarkerCanBeReadBack) {
    write("h.txt", "one\r\n\x1Ajunk");
    ListFile file(files);
    ASSERT_TRUE(file.open(path("h.txt"), OpenMode::ReadWrite));
    std::string line;
    while (file.readLine(line)) {
    }
    ASSERT_TRUE(file.seekToEnd());
    ASSERT_TRUE(file.writeLine("two"));
    ASSERT_TRUE(file.seekToEnd());
    ASSERT_TRUE(file.writeLine("three"));
    file.close();
    EXPECT_EQ(read("h.txt"), "one\r\ntwo\r\nthree\r\n");
}

TEST_F(ListFileTest, OpenModes) {
    ListFile file(files);
    EXPECT_FALSE(file.open(path("missing.txt"), OpenMode::Read));
    EXPECT_FALSE(file.open(path("missing.txt"), OpenMode::ReadWrite));
    EXPECT_FALSE(file.isOpen());
    ASSERT_TRUE(file.open(path("missing.txt"), OpenMode::Create));
    EXPECT_EQ(file.path(), path("missing.txt"));
    file.close();
    EXPECT_EQ(sizeOnDisk(path("missing.txt")), 0);

    write("full.txt", "a\r\nb\r\n");
    ASSERT_TRUE(file.open(path("full.txt"), OpenMode::ReadWrite));
    file.close();
    EXPECT_EQ(read("full.txt"), "a\r\nb\r\n");
    ASSERT_TRUE(file.open(path("full.txt"), OpenMode::Create));
    file.close();
    EXPECT_EQ(read("full.txt"), "");
}

TEST_F(ListFileTest, AnOpenFileIsSharedWithNobody) {
    write("h.txt", "keep\r\n");
    ListFile holder(files);
    ASSERT_TRUE(holder.open(path("h.txt"), OpenMode::ReadWrite));

    ListFile second(files);
    EXPECT_FALSE(second.open(path("h.txt"), OpenMode::Read));
    EXPECT_FALSE(second.open(path("h.txt"), OpenMode::ReadWrite));
    EXPECT_FALSE(second.open(path("h.txt"), OpenMode::Create));
    EXPECT_EQ(read("h.txt"), "keep\r\n");  // the failed Create emptied nothing

    // Another process fares no better.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        PosixFileSystem childFiles;
        const bool opened = childFiles.open(path("h.txt"), OpenMode::Read) != nullptr ||
                            childFiles.open(path("h.txt"), OpenMode::Create) != nullptr;
        _exit(opened ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "another process opened a file that is held";
    EXPECT_EQ(read("h.txt"), "keep\r\n");

    holder.close();
    EXPECT_TRUE(second.open(path("h.txt"), OpenMode::Read));
}

}  // namespace
}  // namespace vokanti::testing
