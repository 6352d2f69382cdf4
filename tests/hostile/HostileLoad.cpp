// Feeds files to the program's loaders for the hostile-input campaign (usage at the end), and
// runs concurrent writers and writers killed mid-write. Prints "BEGIN <file>" before each file so
// that a crash or a sanitizer report can be traced to it; a file that takes over 20 s ends the
// run by SIGALRM (a hang).
#include "FakePlayNSolveView.h"
#include "LanguageList.h"
#include "LanguageSource.h"
#include "LanguageTable.h"
#include "TDisplaySets.h"
#include "TIconFile.h"
#include "TPlayNSolvePage.h"
#include "TProfileFile.h"
#include "TSectionCopy.h"
#include "TSkinPictures.h"
#include "TSuDoKuData.h"
#include "TSuDoKuFileData.h"
#include "TTabularyObject.h"
#include "TWriteError.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace sudoku;

namespace {

constexpr std::size_t MaxSections = 40; // sections of one file played on the page
int SectionsPlayed = 0;                 // sections loaded on the page, and of them those
int GamesShown = 0;                     // that put a grid on it
int PicturesRead = 0;                   // icon reads that gave a picture

std::string Scratch(const std::string& name) {
    return (fs::temp_directory_path() / ("hostile-" + std::to_string(::getpid()) + "-" + name))
        .string();
}

// Every section read as a record and played on the Play & Solve page, the settings of every
// user read, and copy, rename and erase on a scratch copy.
void LoadProfile(const std::string& file) {
    TProfileFile profile;
    profile.Load(file);
    const std::vector<std::string> names = profile.SectionNames();
    const std::string copy = Scratch("copy.ini");
    const std::string target = Scratch("target.dat");
    std::error_code ec;
    fs::copy_file(file, copy, fs::copy_options::overwrite_existing, ec);
    FakePlayNSolveView view;
    TSharedState shared = FakeSharedState(copy, copy, "root");
    TPlayNSolvePage page(view, view, shared);
    std::vector<TSectionCopy> copies;
    for (std::size_t i = 0; i < names.size() && i < MaxSections; ++i) {
        const std::string& name = names[i];
        TSuDoKuFileData rec;
        ReadSuDoKuFileData(profile, name, rec);
        const std::size_t at = name.find_first_of("@.");
        const std::string user = at == std::string::npos ? name : name.substr(0, at);
        TSuDoKuData data;
        int lngId = 44;
        ReadSuDoKuData(profile, user, data, lngId);
        view.GridSize = 0;
        page.PlayNSolveLoad(copy, name);
        ++SectionsPlayed;
        GamesShown += view.GridSize > 0 ? 1 : 0;
        page.UpdateStatus();
        page.MainTimerTime();
        page.PlayNSolveUndoBtnClick();
        page.PlayNSolveErrorsBtnClick();
        page.SaveLastGame();
        copies.push_back({name, ImportedSectionName(name, "root"), {}});
    }
    try {
        CopySections(copy, target, copies);
        for (const std::string& name : ReadSectionNamesOfFile(target)) {
            TSuDoKuFileData rec;
            RenameSuDoKu(target, name, name + " renamed", rec);
            EraseSectionInFile(target, name + " renamed");
        }
    } catch (const TWriteError&) {
    }
    for (const std::string& scratch : {copy, copy + ".lock", target, target + ".lock"})
        fs::remove(scratch, ec);
}

// Every table of every language of the file read through, and the language list.
void LoadLanguage(const std::string& file) {
    TTabularyObject reader;
    if (reader.Open(file)) {
        for (int t = 0; t < reader.TableCount(); ++t)
            for (int c = 0; c < reader.ColumnCount(t); ++c)
                for (int r = 1; r <= reader.RowCount(t) && r <= 2000; ++r)
                    reader.ReadText(t, c, r);
    }
    LanguageList list;
    list.Load(file);
    for (const int lngId : {44, 31, 33, 39, 49, 0, -1})
        for (const char* section : {"MainForm", "AboutBox", "EditDlgBox", "MsgDlgBox"}) {
            LanguageTable table;
            if (!table.Open(file, section, lngId))
                continue;
            for (int tag = -1; tag < 1200; ++tag)
                table.Lookup(tag);
            for (int row = 0; row <= table.RowCount() + 1 && row < 2000; ++row) {
                table.Caption(row);
                table.Hint(row);
            }
            table.ListItems(500, 20);
            table.RadioGroupItems(500, 20);
        }
}

void LoadSource(const std::string& file) {
    LanguageDefinition definition;
    std::vector<std::string> errors;
    LanguageSource::ParseFile(file, definition, errors);
}

// The file as an icon at both sizes, as a whole picture set, and as a skin picture.
void LoadPicture(const std::string& file) {
    const QString path = QString::fromStdString(file);
    PicturesRead += TIconFile::Load(path, 16).isNull() ? 0 : 1;
    PicturesRead += TIconFile::Load(path, 32).isNull() ? 0 : 1;
    const QString app = QString::fromStdString(Scratch("app/"));
    const QString set = app + QStringLiteral("Display Sets/Hostile/");
    QDir().mkpath(set);
    QDir().mkpath(app + QStringLiteral("I"));
    for (int d = 0; d < 10; ++d)
        for (const char* small : {"", "s"})
            QFile::link(path, set + QStringLiteral("0%1%2.ico").arg(d).arg(small));
    QFile::link(path, app + QStringLiteral("I/intro.bmp"));
    TDisplaySets sets;
    sets.FillDisplaySetList(app);
    sets.Apply(sets.IndexOf(QStringLiteral("Hostile")), 9);
    TSkinPictures skins(app);
    skins.Intro();
    skins.File(QStringLiteral("intro.bmp"), QSize(32, 32));
    QDir(app).removeRecursively();
}

// Processes adding keys to one file at once; none may be lost.
int Writers(const std::string& file, int processes, int writes) {
    std::vector<pid_t> children;
    for (int p = 0; p < processes; ++p) {
        children.push_back(::fork());
        if (children.back() == 0) {
            int failed = 0;
            for (int i = 0; i < writes; ++i) {
                try {
                    TProfileFile::WriteFileString(file, "Writers",
                                                  "P" + std::to_string(p) + "K" + std::to_string(i),
                                                  std::string(i % 97, 'v'));
                } catch (const TWriteError&) {
                    ++failed;
                    --i; // the lock stayed busy past its wait: write it again
                }
            }
            ::_exit(failed > 0 ? 3 : 0);
        }
    }
    int busy = 0;
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        busy += WIFEXITED(status) && WEXITSTATUS(status) == 3 ? 1 : 0;
    }
    TProfileFile profile;
    profile.Load(file);
    const int found = static_cast<int>(profile.KeyNames("Writers").size());
    std::printf("writers: %d of %d keys, %d writers saw a busy lock\n", found, processes * writes,
                busy);
    return found == processes * writes ? 0 : 1;
}

std::string Body(std::mt19937& random) {
    std::string body(std::uniform_int_distribution<std::size_t>(0, 200000)(random), 'x');
    for (char& c : body)
        c = static_cast<char>('a' + random() % 26);
    return body;
}

// A child rewrites the file again and again and is killed at a random moment; the file must
// then hold one whole version: its check key matches its body and all filler sections are there.
int Kills(const std::string& file, int rounds, unsigned seed) {
    constexpr int Fillers = 300;
    std::mt19937 random(seed);
    const auto write = [&](std::mt19937& r) {
        TProfileFile::Modify(file, [&](TProfileFile& profile) {
            const std::string body = Body(r);
            profile.ReplaceSection(
                "Check", {{"Body", body}, {"Sum", std::to_string(std::hash<std::string>{}(body))}});
            for (int i = 0; i < Fillers; ++i)
                profile.WriteValue("root@Filler " + std::to_string(i), "M1",
                                   std::string(162, 'A' + static_cast<char>(r() % 6)));
        });
    };
    write(random);
    int broken = 0;
    for (int round = 0; round < rounds; ++round) {
        const unsigned childSeed = static_cast<unsigned>(random());
        const pid_t child = ::fork();
        if (child == 0) {
            std::mt19937 r(childSeed);
            for (;;)
                write(r);
        }
        ::usleep(static_cast<useconds_t>(random() % 40000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        TProfileFile profile;
        const bool loaded = profile.Load(file);
        const std::string sum =
            std::to_string(std::hash<std::string>{}(profile.ReadString("Check", "Body", "?")));
        broken += loaded && profile.ReadString("Check", "Sum", "") == sum &&
                          profile.SectionNames().size() == Fillers + 1
                      ? 0
                      : 1;
    }
    int leftovers = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(file).parent_path()))
        if (entry.path().string().starts_with(file + ".tmp.")) {
            ++leftovers;
            fs::remove(entry.path());
        }
    std::printf("kills: %d rounds, %d files not whole, %d temporary files left by killed writers\n",
                rounds, broken, leftovers);
    return broken == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: hostile_load profile|language|source|picture FILE...\n"
                             "       hostile_load writers FILE PROCESSES WRITES\n"
                             "       hostile_load kills FILE ROUNDS SEED\n");
        return 2;
    }
    const std::string mode = argv[1];
    if (mode == "writers" && argc == 5)
        return Writers(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    if (mode == "kills" && argc == 5)
        return Kills(argv[2], std::atoi(argv[3]), static_cast<unsigned>(std::atoi(argv[4])));
    const std::map<std::string, void (*)(const std::string&)> loads = {{"profile", LoadProfile},
                                                                       {"language", LoadLanguage},
                                                                       {"source", LoadSource},
                                                                       {"picture", LoadPicture}};
    if (!loads.contains(mode)) {
        std::fprintf(stderr, "hostile_load: unknown mode %s\n", argv[1]);
        return 2;
    }
    for (int i = 2; i < argc; ++i) {
        std::printf("BEGIN %s\n", argv[i]);
        std::fflush(stdout);
        ::alarm(20);
        loads.at(mode)(argv[i]);
    }
    ::alarm(0);
    std::printf("sections played %d, of them with a grid %d; icon reads with a picture %d\n",
                SectionsPlayed, GamesShown, PicturesRead);
    std::printf("END\n");
    return 0;
}
