#include "lists/list_file.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/posix/posix_file_system.h"
#include "support/temp_dir.h"

namespace vokanti::testing {
namespace {

using Entries = std::vector<std::string>;

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
    Entries entriesOf(const std::string& content) {
        write("list.txt", content);
        ListFile file(files);
        EXPECT_TRUE(file.open(path("list.txt"), OpenMode::Read));
        Entries out;
        std::string line;
        while (file.readLine(line)) out.push_back(line);
        return out;
    }

    TempDir dir;
    PosixFileSystem files;
};

TEST_F(ListFileTest, LineEndsTerminatorsAndTheEndByte) {
    EXPECT_EQ(entriesOf("one\r\ntwo\r\nthree\r\n"), (Entries{"one", "two", "three"}));
    EXPECT_EQ(entriesOf("one\ntwo\nthree"), (Entries{"one", "two", "three"}));
    // Blank lines are empty entries; a lone CR is text; nothing is trimmed.
    EXPECT_EQ(entriesOf("\r\n a \r\n\n"), (Entries{"", " a ", ""}));
    EXPECT_EQ(entriesOf("a\rb\r\nc\r\r\nd\r"), (Entries{"a\rb", "c\r", "d\r"}));
    EXPECT_EQ(entriesOf(""), Entries{});
    EXPECT_EQ(entriesOf("C:/ソ表/x.txt\r\n"), Entries{"C:/ソ表/x.txt"});  // 0x5C second bytes
    // A byte 0x1A ends the file.
    EXPECT_EQ(entriesOf("one\r\ntwo\x1Athree\r\nfour\r\n"), (Entries{"one", "two"}));
    EXPECT_EQ(entriesOf("\x1A" "nothing"), Entries{});
    // A CR LF split across the 64 KiB read boundary, a 200,000-byte line, and an
    // unterminated last line longer than a chunk.
    const std::string first(65535, 'a'), second(200000, 'b'), third(70000, 'c');
    EXPECT_EQ(entriesOf(first + "\r\n" + second + "\r\n" + third), (Entries{first, second, third}));
}

TEST_F(ListFileTest, WritesCrLfStraightToTheSystemAndAppendsAfterTheEntries) {
    write("h.txt", "one\r\n\x1Ajunk");
    ListFile file(files);
    ASSERT_TRUE(file.open(path("h.txt"), OpenMode::ReadWrite));
    std::string line;
    while (file.readLine(line)) {
    }
    // Lines written after an end byte could never be read back: it goes first.
    ASSERT_TRUE(file.seekToEnd() && file.writeLine("two"));
    EXPECT_EQ(read("h.txt"), "one\r\ntwo\r\n");  // still open: already in the file
    ASSERT_TRUE(file.seekToEnd() && file.writeLine(""));
    file.close();
    EXPECT_EQ(read("h.txt"), "one\r\ntwo\r\n\r\n");
    EXPECT_FALSE(file.isOpen() || file.writeLine("closed") || file.seekToEnd());
    EXPECT_FALSE(file.readLine(line));

    write("h.txt", "one\ntwo");  // an unterminated last line
    ASSERT_TRUE(file.open(path("h.txt"), OpenMode::ReadWrite));
    ASSERT_TRUE(file.readLine(line) && file.seekToEnd() && file.writeLine("three"));
    file.close();
    EXPECT_EQ(read("h.txt"), "one\ntwothree\r\n");
}

TEST_F(ListFileTest, OpenModes) {
    ListFile file(files);
    EXPECT_FALSE(file.open(path("new.txt"), OpenMode::Read));
    EXPECT_FALSE(file.open(path("new.txt"), OpenMode::ReadWrite));
    write("full.txt", "a\r\n");
    ASSERT_TRUE(file.open(path("full.txt"), OpenMode::ReadWrite));
    file.close();
    EXPECT_EQ(read("full.txt"), "a\r\n");
    ASSERT_TRUE(file.open(path("full.txt"), OpenMode::Create));
    ASSERT_TRUE(file.open(path("new.txt"), OpenMode::Create));  // closes the one open before
    EXPECT_TRUE(ListFile(files).open(path("full.txt"), OpenMode::Read));
    EXPECT_EQ(read("full.txt") + read("new.txt"), "");
}

TEST_F(ListFileTest, AnOpenFileIsSharedWithNobody) {
    write("h.txt", "keep\r\n");
    ListFile holder(files);
    ASSERT_TRUE(holder.open(path("h.txt"), OpenMode::ReadWrite));
    ListFile second(files);
    for (OpenMode mode : {OpenMode::Read, OpenMode::ReadWrite, OpenMode::Create}) {
        EXPECT_FALSE(second.open(path("h.txt"), mode));
    }
    EXPECT_EQ(read("h.txt"), "keep\r\n");  // the failed Create emptied nothing

    // Another process fares no better.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        PosixFileSystem childFiles;
        _exit(childFiles.open(path("h.txt"), OpenMode::Read) ||
              childFiles.open(path("h.txt"), OpenMode::Create));
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "opened by another process";
    EXPECT_EQ(read("h.txt"), "keep\r\n");
    holder.close();
    EXPECT_TRUE(second.open(path("h.txt"), OpenMode::Read));
}

}  // namespace
}  // namespace vokanti::testing
