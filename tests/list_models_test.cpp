// The list files and the models over them: the line format, appending, and what happens
// when reads, writes, truncates, flushes, closes or removals fail. Nothing written
// by the program may be lost, glued to another line, or hidden behind a 0x1A byte. Favorites
// kept byte for byte and files shared with nobody are proved under Wine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lists/favorites.h"
#include "lists/history.h"
#include "lists/list_file.h"
#include "platform/posix/posix_file_system.h"
#include "support/faulty_file_system.h"
#include "support/temp_dir.h"

namespace vokanti::testing {
namespace {

using Entries = std::vector<std::string>;

class ListModelsTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return dir.file(name); }
    void write(const std::string& name, const std::string& content) { dir.write(name, content); }
    std::string read(const std::string& name) const { return dir.read(name); }
    Entries entriesOf(const std::string& content) {
        write("list.txt", content);
        ListFile file(files);
        Entries out;
        EXPECT_TRUE(file.open(path("list.txt"), OpenMode::Read) && file.readAll(out));
        return out;
    }
    static bool never(const std::string&) { return false; }

    TempDir dir;
    PosixFileSystem files;
    FaultyFileSystem faulty{files};
};

TEST_F(ListModelsTest, LineEndsTerminatorsAndTheEndByte) {
    EXPECT_EQ(entriesOf("one\r\ntwo\nthree"), (Entries{"one", "two", "three"}));
    // Blank lines are empty entries; a lone CR is text; nothing is trimmed.
    EXPECT_EQ(entriesOf("\r\n a \r\n\n"), (Entries{"", " a ", ""}));
    EXPECT_EQ(entriesOf("a\rb\r\nc\r\r\nd\r"), (Entries{"a\rb", "c\r", "d\r"}));
    EXPECT_EQ(entriesOf(""), Entries{});
    EXPECT_EQ(entriesOf("C:/ソ表/x.txt\r\n"), Entries{"C:/ソ表/x.txt"});  // 0x5C second bytes
    EXPECT_EQ(entriesOf("one\r\ntwo\x1Athree\r\nfour\r\n"), (Entries{"one", "two"}));
    EXPECT_EQ(entriesOf("\x1A" "nothing"), Entries{});
    // A CR LF split across the 64 KiB read boundary, a 200,000-byte line, and an
    // unterminated last line longer than a chunk.
    const std::string first(65535, 'a'), second(200000, 'b'), third(70000, 'c');
    EXPECT_EQ(entriesOf(first + "\r\n" + second + "\r\n" + third), (Entries{first, second, third}));
}

// Records always become lines of their own that the next start reads back.
TEST_F(ListModelsTest, HistoryRecordsAreWholeLinesBeforeAnyEndByte) {
    const std::pair<std::string, std::string> cases[] = {
        {"one\r\n\x1Ajunk\r\n", "one\r\nnew\r\n"},     // an end byte and what follows it
        {"one\x1A", "one\r\nnew\r\n"},                 // an end byte right after a line
    };
    for (const auto& [before, after] : cases) {
        write("h.txt", before);
        History history(files);
        ASSERT_EQ(history.load(path("h.txt")), History::LoadResult::Loaded);
        EXPECT_EQ(history.record("new"), History::RecordResult::Recorded);
        history.close();
        EXPECT_EQ(read("h.txt"), after) << before;
        ASSERT_EQ(history.load(path("h.txt")), History::LoadResult::Loaded);
        EXPECT_EQ(history.newest(0), "new");
    }
}

TEST_F(ListModelsTest, HistoryWriteThatFailsIsCutBackAndAFileThatCannotBeCutIsLeftAlone) {
    write("h.txt", "one\r\n");
    History history(faulty);
    ASSERT_EQ(history.load(path("h.txt")), History::LoadResult::Loaded);
    faulty.onWrite = never;
    faulty.shortWriteBytes = 3;  // the disk fills up in the middle of the record
    EXPECT_EQ(history.record("C:/docs/a.txt"), History::RecordResult::WriteFailed);
    EXPECT_EQ(read("h.txt"), "one\r\n");
    EXPECT_EQ(history.size(), 1u);
    faulty.onWrite = nullptr;
    EXPECT_EQ(history.record("b"), History::RecordResult::Recorded);
    EXPECT_EQ(read("h.txt"), "one\r\nb\r\n");

    // When even the cut fails, the part written stays, but nothing is glued to it.
    faulty.onWrite = never;
    faulty.onTruncate = never;
    EXPECT_EQ(history.record("cut"), History::RecordResult::WriteFailed);
    faulty.onWrite = nullptr;
    EXPECT_EQ(history.record("later"), History::RecordResult::NotInFile);
    EXPECT_EQ(read("h.txt"), "one\r\nb\r\ncut");

    // An end byte that cannot be cut off: nothing is written behind it.
    write("e.txt", "one\r\n\x1Ajunk");
    History behind(faulty);
    ASSERT_EQ(behind.load(path("e.txt")), History::LoadResult::Loaded);
    EXPECT_EQ(behind.record("x"), History::RecordResult::WriteFailed);
    EXPECT_EQ(behind.record("y"), History::RecordResult::NotInFile);
    EXPECT_EQ(read("e.txt"), "one\r\n\x1Ajunk");
}

TEST_F(ListModelsTest, HistoryThatCannotBeReadOrRemovedKeepsItsLines) {
    write("h.txt", "one\r\n\x1Ajunk");
    faulty.onRead = never;
    History history(faulty);
    EXPECT_EQ(history.load(path("h.txt")), History::LoadResult::ReadFailed);
    EXPECT_EQ(history.size(), 0u);
    EXPECT_EQ(history.record("x"), History::RecordResult::NotInFile);
    faulty.onRead = nullptr;

    // A clear whose removal fails reads the file again: records go after its lines, in
    // front of the end byte, not behind it.
    faulty.onRemove = never;
    EXPECT_EQ(history.clear(), History::ClearResult::RemoveFailed);
    EXPECT_EQ(history.newestFirst(), Entries{"one"});
    EXPECT_EQ(history.record("two"), History::RecordResult::Recorded);
    EXPECT_EQ(read("h.txt"), "one\r\ntwo\r\n");
    faulty.onRemove = nullptr;
    EXPECT_EQ(history.clear(), History::ClearResult::Cleared);
    EXPECT_EQ(read("h.txt"), "");
}

TEST_F(ListModelsTest, FavoritesNotReadWholeAreNeverRewrittenFrom) {
    const std::string three = "A\r\na.txt\r\nB\r\nb.txt\r\nC\r\nc.txt\r\n";
    write("favorite.txt", three);
    faulty.onRead = never;
    Favorites favorites(faulty);
    EXPECT_EQ(favorites.load(path("favorite.txt")), Favorites::LoadResult::ReadFailed);
    EXPECT_EQ(favorites.add("D", "d.txt"), Favorites::WriteResult::NotReadWhole);
    EXPECT_EQ(favorites.size(), 0u);
    EXPECT_EQ(read("favorite.txt"), three);
    EXPECT_EQ(favorites.reloadIfChanged(), Favorites::ReloadResult::ReadFailed);
    faulty.onRead = nullptr;
    EXPECT_EQ(favorites.reloadIfChanged(), Favorites::ReloadResult::Reloaded);
    EXPECT_EQ(favorites.titles(), (Entries{"A", "B", "C"}));
    EXPECT_EQ(favorites.add("D", "d.txt"), Favorites::WriteResult::Written);
    EXPECT_EQ(read("favorite.txt"), three + "D\r\nd.txt\r\n");
}

// The new list reaches the disk before it replaces the old one; a write, flush or close
// that fails leaves the old file byte for byte and no new file behind.
TEST_F(ListModelsTest, FavoritesFlushOrCloseThatFailsLeavesTheOldFile) {
    write("favorite.txt", "A\r\na.txt\r\n");
    Favorites favorites(faulty);
    ASSERT_EQ(favorites.load(path("favorite.txt")), Favorites::LoadResult::Loaded);
    const auto stamp = favorites.stamp();
    for (FaultyFileSystem::Hook* hook : {&faulty.onWrite, &faulty.onFlush, &faulty.onClose}) {
        *hook = [](const std::string& p) { return p.find(".new") == std::string::npos; };
        EXPECT_EQ(favorites.add("B", "b.txt"), Favorites::WriteResult::WriteFailed);
        EXPECT_EQ(read("favorite.txt"), "A\r\na.txt\r\n");
        EXPECT_FALSE(files.exists(path("favorite.txt.new")));
        EXPECT_EQ(favorites.stamp(), stamp);
        *hook = nullptr;
    }
    bool flushed = false;
    faulty.onFlush = [&](const std::string&) { return flushed = true; };
    faulty.onReplace = [&] { return flushed; };
    EXPECT_EQ(favorites.add("C", "c.txt"), Favorites::WriteResult::Written);
    EXPECT_EQ(favorites.titles(), (Entries{"A", "B", "B", "B", "C"}));  // the list held each
}

}  // namespace
}  // namespace vokanti::testing
