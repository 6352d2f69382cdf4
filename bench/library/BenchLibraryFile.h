// A library file of 10,000 stored 9 x 9 games of user "Default User", built once per process
// in a folder that is removed again when the process ends; the benchmarks of the record store
// and of the My SuDoKus page read it.
#pragma once

#include "TSuDoKuFileData.h"

#include <filesystem>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace sudoku::bench {

constexpr int RecordCount = 10000;

inline std::string SectionName(int i) {
    return "Default User@Puzzle " + std::to_string(i);
}

inline TSuDoKuFileData Record(int i) {
    TSuDoKuFileData rec;
    rec.Name = SectionName(i);
    rec.Tc = 46361.5 + i / 1440.0;
    rec.L = static_cast<std::uint8_t>(i % 4);
    rec.O = orGenerated;
    std::string grid;
    std::string notes;
    for (int cell = 0; cell < 81; ++cell) {
        static constexpr char Hex[] = "0123456789ABCDEF";
        const int value = (cell * 7 + i) % 9 + 1;
        grid += '0';
        grid += Hex[value];
        notes += cell % 5 == 0 ? "1,4,7,|" : "|";
    }
    rec.M1 = grid;
    rec.M2 = grid;
    rec.M3 = grid;
    rec.M4 = notes;
    rec.Tpts = rec.Tc;
    rec.Tptl = rec.Tc + 0.01;
    rec.Tpt = 0.01;
    rec.Tptm = 1.0 / 24;
    rec.Sn = i % 300;
    rec.U = "3,2=|1,1=2,4,|5,5=|";
    rec.S = 1;
    return rec;
}

// Built with the store's own in-memory writer.
struct TBenchFolder {
    std::filesystem::path Dir =
        std::filesystem::temp_directory_path() / ("sudoku-bench-" + std::to_string(::getpid()));
    std::string File = (Dir / "sudoku.dat").string();

    TBenchFolder() {
        std::filesystem::create_directories(Dir);
        std::vector<std::pair<std::string, std::vector<TProfileFile::TEntry>>> sections;
        for (int i = 0; i < RecordCount; ++i) {
            sections.emplace_back(SectionName(i), SuDoKuFileDataEntries(Record(i)));
        }
        TProfileFile library;
        library.ReplaceSections(sections);
        library.Save(File);
    }
    ~TBenchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(Dir, ec);
    }
    TBenchFolder(const TBenchFolder&) = delete;
    TBenchFolder& operator=(const TBenchFolder&) = delete;
};

inline const std::string& LibraryFile() {
    static const TBenchFolder folder;
    return folder.File;
}

} // namespace sudoku::bench
