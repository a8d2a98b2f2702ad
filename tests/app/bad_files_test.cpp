// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Damaged, odd and hostile files where the program expects its photograph and its
// set-up file: each gives the usual message (or the defaults) and a program that goes on.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <random>
#include <string>
#include <tuple>

#include "app/setup_file.h"
#include "picture_checks.h"
#include "test_host.h"

namespace viv {
namespace {

namespace fs = std::filesystem;

class BadFiles : public ::testing::Test {
protected:
    // One folder per test and process: CTest runs the tests in parallel.
    fs::path dir = fs::temp_directory_path() /
                   ("vivarnon-bad-files-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string Write(const std::string& name, const std::string& bytes) {
        const fs::path path = dir / name;
        std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
        return path.string();
    }
    static std::string Photograph() {
        std::ifstream in(std::string(VIV_SOURCE_DIR) + "/data/Vivarnon.jpg", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
};

// The start picture over a bad photograph: the message once, the bows on white as with
// no photograph at all, and a program that shows a simulation afterwards.
TEST_F(BadFiles, BadPhotographGivesTheMessageAndTheStartPictureOnWhite) {
    test::StartedApp reference;  // no photograph
    const QImage onWhite = reference.picture().Image().copy();
    const std::string whole = Photograph();
    ASSERT_GT(whole.size(), 1000u);
    std::string huge = whole;  // the frame header claims 20000 x 20000 pixels
    const auto frame = huge.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    huge[frame + 5] = huge[frame + 7] = char(20000 >> 8);
    huge[frame + 6] = huge[frame + 8] = char(20000 & 0xFF);
    std::string corrupt = whole;
    std::mt19937 random(8);
    for (std::size_t i = whole.size() / 3; i < whole.size(); i += 97) corrupt[i] = char(random());

    // Each says what happened: damaged, too large, or no file there at all.
    const std::string damaged = "Vivarnon.jpg er beskadiget og kan ikke vises";
    const std::string notFound = "Vivarnon.jpg ikke fundet";
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"zero bytes", "", damaged},
        {"truncated", whole.substr(0, whole.size() / 2), damaged},
        {"corrupt", corrupt, damaged},
        {"huge dimensions", huge, "Vivarnon.jpg er for stort til at blive vist"},
        {"directory", "", notFound},
        {"named pipe", "", notFound}};
    for (const auto& [what, bytes, message] : cases) {
        SCOPED_TRACE(what);
        const fs::path photo = dir / "Vivarnon.jpg";
        fs::remove_all(photo);
        if (what == "directory") {
            fs::create_directory(photo);
        } else if (what == "named pipe") {
            ASSERT_EQ(::mkfifo(photo.c_str(), 0600), 0);
        } else {
            Write("Vivarnon.jpg", bytes);
        }
        auto start = std::async(std::launch::async,
                                [&] { return std::make_unique<test::StartedApp>(dir.string()); });
        ASSERT_EQ(start.wait_for(std::chrono::seconds(30)), std::future_status::ready)
            << "start-up blocked";
        const std::unique_ptr<test::StartedApp> s = start.get();
        ASSERT_EQ(s->host.messages.size(), 1u);
        EXPECT_EQ(s->host.messages[0].first, message);
        EXPECT_EQ(s->host.messages[0].second, MessageKind::Information);
        test::ExpectSamePicture(s->picture().Image(), onWhite, "bad-photograph");
        s->app.MenuEntry(7);
        EXPECT_EQ(s->app.State.CurrentSimulation, 7);
        EXPECT_EQ(s->host.messages.size(), 1u);
    }
}

TEST_F(BadFiles, SetupFileOfBinaryGarbageGivesTheDefaults) {
    std::mt19937 random(1);
    for (int i = 0; i < 50; ++i) {
        std::string bytes(std::size_t(random() % 5000), '\0');
        for (char& c : bytes) c = char(random());
        if (i % 2 == 0) bytes.insert(0, "VIVARNON.INI\r\n");  // a good first line, then garbage
        const SetupFileSettings s = ReadSetupFile({Write("g.ini", bytes)});
        EXPECT_EQ(s.Found, i % 2 == 0);
        if (s.OpenDialogDirectory) {
            EXPECT_EQ(s.OpenDialogDirectory->find('\0'), std::string::npos);
        }
    }
}

TEST_F(BadFiles, SetupFileWithOverlongLinesOrNoLineEnds) {
    const std::string longValue(100000, 'x');
    // An overlong line sets nothing; the lines after it still count.
    SetupFileSettings s = ReadSetupFile(
        {Write("long.ini", "VIVARNON.INI\nSTI," + longValue + "\nSEPARATOR,;\nSTI,/home/elev\n")});
    EXPECT_TRUE(s.Found);
    EXPECT_EQ(s.ListSeparator, ';');
    EXPECT_EQ(s.OpenDialogDirectory, "/home/elev");
    // The whole file one line: the first line is the name, and nothing follows it.
    s = ReadSetupFile({Write("one.ini", "VIVARNON.INI SEPARATOR,; " + longValue)});
    EXPECT_TRUE(s.Found);
    EXPECT_FALSE(s.ListSeparator);
    EXPECT_FALSE(s.OpenDialogDirectory);
    // Carriage returns alone end lines too.
    s = ReadSetupFile({Write("cr.ini", "VIVARNON.INI\rSEPARATOR,#\rSTI,/tmp")});
    EXPECT_EQ(s.ListSeparator, '\t');
    EXPECT_EQ(s.OpenDialogDirectory, "/tmp");
    // A file far larger than any set-up file is read only so far.
    std::string many = "VIVARNON.INI\n";
    while (many.size() < (3u << 20)) many += "X,1\n";
    many += "SEPARATOR,;\n";
    EXPECT_FALSE(ReadSetupFile({Write("big.ini", many)}).ListSeparator);
}

// A named pipe or a directory of the set-up file's name counts as missing: the next
// place is tried, and nothing blocks.
TEST_F(BadFiles, SetupFileThatIsNoRegularFileIsSkipped) {
    const std::string pipe = (dir / "VIVARNON.INI").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_directory(dir / "folder.ini");
    const std::string good = Write("good.ini", "VIVARNON.INI\nSEPARATOR,;\n");
    auto read = std::async(std::launch::async, [&] {
        return ReadSetupFile({pipe, (dir / "folder.ini").string(), good});
    });
    ASSERT_EQ(read.wait_for(std::chrono::seconds(30)), std::future_status::ready)
        << "reading blocked";
    const SetupFileSettings s = read.get();
    EXPECT_TRUE(s.Found);
    EXPECT_EQ(s.ListSeparator, ';');
    EXPECT_FALSE(ReadSetupFile({pipe}).Found);
}

}  // namespace
}  // namespace viv
