// Seeded fuzzing of the table-file reader: mutations of valid files and pure random bytes
// must open or be refused, and every lookup must stay inside the file.
#include "LanguageCompiler.h"
#include "LanguageList.h"
#include "LanguageTable.h"
#include "TTabularyObject.h"
#include "TabularyTestFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace sudoku {
namespace {

using test::Bytes;
using test::Cell;
using test::TabularyTestFile;
using test::TestTable;

// The seeds are fixed so that a failure repeats; SUDOKU_FUZZ_SEED shifts them all for a
// longer search by hand.
std::uint32_t Seed(std::uint32_t base) {
    const char* shift = std::getenv("SUDOKU_FUZZ_SEED");
    return shift == nullptr ? base
                            : base + static_cast<std::uint32_t>(std::strtoul(shift, nullptr, 10));
}

Bytes CompiledLanguageFile() {
    LanguageDefinition english{
        44,
        "English",
        "en",
        {{"MainForm", {{720, "Rename", "Rename it"}, {725, "Delete", ""}, {861, "Rookie", ""}}},
         {"AboutBox", {{10, "Close", ""}}}}};
    LanguageDefinition dutch{31, "Nederlands", "nl", {{"MainForm", {{720, "Hernoemen", "x"}}}}};
    return test::CompileLanguages({english, dutch});
}

// A column of every type (named by its letter), three rows of values.
Bytes EveryTypeFile() {
    TabularyTestFile file;
    file.Tables.push_back(TabularyTestFile::TextTable("Letters", {"L"}, {{"a"}, {"b"}}, 1));
    TestTable table{"All", {}, {}};
    for (std::uint8_t type = 0; type <= 14; ++type) {
        const bool list = type == 10;
        table.Columns.push_back({std::string(1, static_cast<char>('a' + type)), type,
                                 type == 13 ? 5u : 0u, list ? 3u : 0u, list ? 1u : 0u});
    }
    for (std::uint64_t row = 0; row < 3; ++row) {
        table.Rows.push_back({Cell::Int(row, 1), Cell::Int(row, 1), Cell::Raw(row * 0.5),
                              Cell::Int(row, 4), Cell::Int(row * 5000, 8),
                              Cell::Extended(row << 62, 0x3FFF), Cell::Int(row, 4),
                              Cell::Int(row, 4), Cell::Raw(40000.0 + row),
                              Bytes{129, 0, 0, 0, 0, 0}, Cell::List({1, 2, 0}), Cell::Int(row, 1),
                              Cell::Raw(2.5f), Cell::Text("row", 5), Cell::Int(0x41 + row, 2)});
    }
    file.Tables.push_back(table);
    return file.Build();
}

// Reads everything the reader offers and checks that results stay within the file.
void Exercise(const TTabularyObject& reader, std::size_t fileSize) {
    for (int table = 1; table <= reader.TableCount(); ++table) {
        const int rows = reader.RowCount(table);
        ASSERT_GE(rows, 0);
        ASSERT_LE(static_cast<std::size_t>(rows), fileSize);
        EXPECT_EQ(reader.TableIndex(reader.TableName(table)) <= table, true);
        for (int column = 0; column <= reader.ColumnCount(table) + 1 && column < 40; ++column) {
            for (int row = 0; row <= rows + 1 && row < 40; ++row) {
                const std::string text = reader.ReadText(table, column, row);
                ASSERT_LE(text.size(),
                          std::max<std::size_t>(fileSize, TTabularyObject::MaxReferenceText) + 64);
            }
            const int found = reader.FindRow(table, column, "Rename");
            ASSERT_GE(found, 0);
            ASSERT_LE(found, rows);
        }
    }
}

// Opens the bytes and, when they open, reads everything; true when nothing fatal failed.
bool OpenAndExercise(Bytes bytes, int iteration, int* opened = nullptr) {
    const std::size_t size = bytes.size();
    TTabularyObject reader;
    if (reader.OpenBytes(std::move(bytes))) {
        if (opened != nullptr) {
            ++*opened;
        }
        Exercise(reader, size);
    }
    if (::testing::Test::HasFatalFailure()) {
        const char* shift = std::getenv("SUDOKU_FUZZ_SEED");
        ADD_FAILURE() << "iteration " << iteration << " of seed shift " << (shift ? shift : "0");
        return false;
    }
    return true;
}

void Mutate(Bytes& bytes, std::mt19937& random) {
    std::uniform_int_distribution<int> kind(0, 5);
    auto at = [&] {
        return std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(random);
    };
    const int mutations = std::uniform_int_distribution<int>(1, 8)(random);
    for (int m = 0; m < mutations && !bytes.empty(); ++m) {
        switch (kind(random)) {
        case 0: // flip a bit
            bytes[at()] ^= static_cast<std::uint8_t>(1u << (random() % 8));
            break;
        case 1: // a random byte
            bytes[at()] = static_cast<std::uint8_t>(random());
            break;
        case 2: { // an extreme 32-bit number, as counts, widths and positions are
            const std::size_t where = at();
            const auto size = static_cast<std::uint32_t>(bytes.size());
            const auto any = static_cast<std::uint32_t>(random());
            const std::uint32_t values[] = {0, 1, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, size, any};
            const std::uint32_t value = values[random() % 7];
            for (std::size_t i = 0; i < 4 && where + i < bytes.size(); ++i) {
                bytes[where + i] = static_cast<std::uint8_t>(value >> (8 * i));
            }
            break;
        }
        case 3: // truncate
            bytes.resize(at());
            break;
        case 4: // grow with random bytes
            for (int i = 0; i < 64; ++i) {
                bytes.push_back(static_cast<std::uint8_t>(random()));
            }
            break;
        default: // a column type byte of any value
            if (bytes.size() > 272 + 77 + 70) {
                bytes[272 + 77 + 70 + 137 * (random() % 3)] = static_cast<std::uint8_t>(random());
            }
            break;
        }
    }
}

TEST(TabularyFuzz, MutatedFilesOpenOrAreRefusedAndStayInBounds) {
    std::mt19937 random(Seed(20261206));
    const std::vector<Bytes> seeds = {CompiledLanguageFile(), EveryTypeFile()};
    int opened = 0;
    for (int iteration = 0; iteration < 4000; ++iteration) {
        Bytes bytes = seeds[static_cast<std::size_t>(iteration) % seeds.size()];
        Mutate(bytes, random);
        if (!OpenAndExercise(std::move(bytes), iteration, &opened)) {
            return;
        }
    }
    EXPECT_GT(opened, 100) << "the mutations should leave many files readable";
}

TEST(TabularyFuzz, RandomBytesWithAValidHeaderStayInBounds) {
    std::mt19937 random(Seed(7));
    for (int iteration = 0; iteration < 1500; ++iteration) {
        Bytes bytes(std::uniform_int_distribution<std::size_t>(0, 3000)(random));
        for (auto& byte : bytes) {
            byte = static_cast<std::uint8_t>(random());
        }
        // Half of them get the header, so that the descriptors behind it are reached.
        if (iteration % 2 == 0 && bytes.size() >= 272) {
            const Bytes header = TabularyTestFile{}.Build();
            std::copy(header.begin() + 4, header.end(), bytes.begin() + 4);
            bytes[0] = static_cast<std::uint8_t>(random() % 6);
            bytes[1] = bytes[2] = bytes[3] = 0;
        }
        if (!OpenAndExercise(std::move(bytes), iteration)) {
            return;
        }
    }
}

// The translation side on damaged files: defaults or texts, never a failure.
TEST(TabularyFuzz, TranslationOfMutatedFilesFallsBackOrTranslates) {
    test::TTestFolder folder;
    std::mt19937 random(Seed(4242));
    const Bytes seed = CompiledLanguageFile();
    for (int iteration = 0; iteration < 300; ++iteration) {
        Bytes bytes = seed;
        Mutate(bytes, random);
        const auto path = folder.Write("SuDoku.lng", bytes);
        LanguageTable table;
        if (table.Open(path, "MainForm", 44)) {
            const auto items = table.ListItems(860, 4);
            EXPECT_EQ(items.Items.size(), 4u);
            EXPECT_LE(table.FindTag(720), table.RowCount());
        }
        LanguageList list;
        list.Load(path);
        EXPECT_GE(list.SelectedIndex(44), -1);
        EXPECT_LT(list.SelectedIndex(44), static_cast<int>(list.Names().size()));
    }
}

} // namespace
} // namespace sudoku
