// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/jpeg_image.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace viv {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<char>;

const std::string kSource = VIV_SOURCE_DIR;
const std::string kPhotograph = kSource + "/data/Vivarnon.jpg";

Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Offset of the first marker `code` (0xFF code) among the header's segments, or -1.
long FindMarker(const Bytes& b, unsigned char code) {
    std::size_t i = 2;  // after SOI
    while (i + 4 <= b.size() && static_cast<unsigned char>(b[i]) == 0xFF) {
        if (static_cast<unsigned char>(b[i + 1]) == code) return static_cast<long>(i);
        i += 2 + (static_cast<unsigned char>(b[i + 2]) << 8) + static_cast<unsigned char>(b[i + 3]);
    }
    return -1;
}

void ExpectNear(TColor c, int r, int g, int b, int tolerance) {
    EXPECT_NEAR(RedOf(c), r, tolerance);
    EXPECT_NEAR(GreenOf(c), g, tolerance);
    EXPECT_NEAR(BlueOf(c), b, tolerance);
}

TEST(JpegImage, DecodesTheStartPhotograph) {
    const JpegResult r = LoadJpeg(kPhotograph);
    ASSERT_TRUE(r.Ok) << r.Error;
    EXPECT_TRUE(r.Error.empty());
    EXPECT_EQ(r.Image.Width, 720);
    EXPECT_EQ(r.Image.Height, 540);
    ASSERT_EQ(r.Image.Pixels.size(), 720u * 540u);
    // Pixels are 0x00BBGGRR: the top byte stays clear everywhere.
    for (TColor c : r.Image.Pixels) ASSERT_EQ(c >> 24, 0u);
    // A grey-blue sky above, darker land below.
    for (int x : {10, 360, 700}) {
        const TColor sky = r.Image.At(x, 20);
        EXPECT_GT(BlueOf(sky), RedOf(sky) + 20) << "x " << x;
        EXPECT_GT(BlueOf(sky), 60) << "x " << x;
    }
    const TColor land = r.Image.At(100, 380);
    EXPECT_LT(RedOf(land) + GreenOf(land) + BlueOf(land), 3 * 80);
}

TEST(JpegImage, ExpandsGreyscaleToGreyRgb) {
    const JpegResult r = LoadJpeg(kSource + "/tests/data/grey.jpg");
    ASSERT_TRUE(r.Ok) << r.Error;
    ASSERT_EQ(r.Image.Width, 32);
    ASSERT_EQ(r.Image.Height, 24);
    for (TColor c : r.Image.Pixels) {
        ASSERT_EQ(RedOf(c), GreenOf(c));
        ASSERT_EQ(GreenOf(c), BlueOf(c));
    }
    // A gradient from black at the left to white at the right.
    EXPECT_LT(RedOf(r.Image.At(0, 12)), 20);
    EXPECT_GT(RedOf(r.Image.At(31, 12)), 235);
    EXPECT_LT(RedOf(r.Image.At(8, 12)), RedOf(r.Image.At(24, 12)));
}

// Both pictures hold four quadrants: red, green / blue, yellow.
TEST(JpegImage, DecodesProgressiveAndYcckPictures) {
    for (const char* name : {"progressive.jpg", "cmyk.jpg"}) {
        SCOPED_TRACE(name);
        const JpegResult r = LoadJpeg(kSource + "/tests/data/" + name);
        ASSERT_TRUE(r.Ok) << r.Error;
        ASSERT_EQ(r.Image.Width, 32);
        ASSERT_EQ(r.Image.Height, 24);
        ExpectNear(r.Image.At(4, 4), 255, 0, 0, 40);
        ExpectNear(r.Image.At(27, 4), 0, 255, 0, 40);
        ExpectNear(r.Image.At(4, 19), 0, 0, 255, 40);
        ExpectNear(r.Image.At(27, 19), 255, 255, 0, 40);
    }
}

class JpegImageFailure : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("vivarnon-jpeg-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Write(const std::string& name, const Bytes& bytes) {
        std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
        return path;
    }

    // Every failure is reported, explained and leaves no picture behind.
    static void ExpectFailure(const std::string& path) {
        SCOPED_TRACE(path);
        const JpegResult r = LoadJpeg(path);
        EXPECT_FALSE(r.Ok);
        EXPECT_FALSE(r.Error.empty());
        EXPECT_EQ(r.Image.Width, 0);
        EXPECT_TRUE(r.Image.Pixels.empty());
    }

    fs::path dir_;
};

TEST_F(JpegImageFailure, MissingEmptyDirectoryAndText) {
    const std::string missing = (dir_ / "Vivarnon.jpg").string();
    ExpectFailure(missing);
    EXPECT_EQ(LoadJpeg(missing).Error.rfind(missing, 0), 0u) << "the message names the file";
    ExpectFailure(Write("empty.jpg", {}));
    ExpectFailure(dir_.string());
    const std::string text = "Regnbuen ses med solen i ryggen.\n";
    ExpectFailure(Write("text.jpg", Bytes(text.begin(), text.end())));
}

// libjpeg itself would only warn and show the rest of the picture grey.
TEST_F(JpegImageFailure, TruncatedPhotographIsRefusedQuietly) {
    const Bytes whole = ReadBytes(kPhotograph);
    ASSERT_GT(whole.size(), 1000u);
    ::testing::internal::CaptureStderr();
    for (std::size_t keep : {std::size_t{2}, std::size_t{100}, whole.size() / 4, whole.size() / 2,
                             whole.size() * 9 / 10}) {
        ExpectFailure(Write("cut" + std::to_string(keep) + ".jpg",
                            Bytes(whole.begin(), whole.begin() + long(keep))));
    }
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

TEST_F(JpegImageFailure, HeaderFollowedByGarbage) {
    const Bytes whole = ReadBytes(kPhotograph);
    const long scan = FindMarker(whole, 0xDA);
    ASSERT_GT(scan, 0);
    std::mt19937 random(7);
    for (long keep : {2L, scan, scan + 14}) {  // SOI only, all tables, into the scan
        Bytes bytes(whole.begin(), whole.begin() + keep);
        for (int i = 0; i < 4000; ++i) bytes.push_back(static_cast<char>(random() & 0xFF));
        ExpectFailure(Write("garbage" + std::to_string(keep) + ".jpg", bytes));
    }
}

TEST_F(JpegImageFailure, HugeDimensionsAreRefusedUpFront) {
    const Bytes small = ReadBytes(kSource + "/tests/data/grey.jpg");
    const long frame = FindMarker(small, 0xC0);
    ASSERT_GT(frame, 0);
    // One side over the limit, and a square whose area is over it.
    for (auto [width, height] : {std::pair{20000, 16}, std::pair{10000, 10000}}) {
        Bytes bytes = small;
        bytes[frame + 5] = char(height >> 8);
        bytes[frame + 6] = char(height & 0xFF);
        bytes[frame + 7] = char(width >> 8);
        bytes[frame + 8] = char(width & 0xFF);
        const std::string path = Write("huge.jpg", bytes);
        ExpectFailure(path);
        EXPECT_NE(LoadJpeg(path).Error.find("too large"), std::string::npos);
    }
}

// Peak resident memory of this process, kB; -1 where it cannot be read.
long PeakResidentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

// Small files whose header claims the largest picture allowed (16384 x 4096, 256 MB of
// pixels): one whose data ends in the first row, the start photograph (21 kB, rows of data
// before it runs out) and a progressive file (whose scans libjpeg keeps for the whole
// picture). None costs memory for the picture it claims.
TEST_F(JpegImageFailure, HugeHeaderWithoutItsDataCostsNoMemory) {
    for (const auto& [name, marker] :
         {std::pair{kSource + "/tests/data/grey.jpg", 0xC0}, std::pair{kPhotograph, 0xC0},
          std::pair{kSource + "/tests/data/progressive.jpg", 0xC2}}) {
        SCOPED_TRACE(name);
        Bytes bytes = ReadBytes(name);
        const long frame = FindMarker(bytes, static_cast<unsigned char>(marker));
        ASSERT_GT(frame, 0);
        bytes[frame + 5] = char(4096 >> 8);  // height
        bytes[frame + 6] = char(4096 & 0xFF);
        bytes[frame + 7] = char(16384 >> 8);  // width
        bytes[frame + 8] = char(16384 & 0xFF);
        const std::string path = Write("claims.jpg", bytes);
        // Resets the peak to the present use (Linux); without it the test says nothing.
        if (!(std::ofstream("/proc/self/clear_refs") << "5") || PeakResidentKb() < 0)
            GTEST_SKIP() << "the peak memory of the process cannot be reset here";
        const long before = PeakResidentKb();
        const JpegResult r = LoadJpeg(path);
        EXPECT_FALSE(r.Ok);
        EXPECT_LT(PeakResidentKb() - before, 64 * 1024) << "kB more at the peak";
    }
}

TEST_F(JpegImageFailure, ClosesTheFileOnEveryPath) {
    const auto openFiles = [] {
        return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator());
    };
    if (!fs::exists("/proc/self/fd")) GTEST_SKIP() << "no /proc/self/fd to count open files";
    const Bytes whole = ReadBytes(kPhotograph);
    const std::vector<std::string> paths = {
        kPhotograph,
        Write("cut.jpg", Bytes(whole.begin(), whole.begin() + long(whole.size() / 2))),
        Write("empty.jpg", {}),
        Write("text.jpg", Bytes(40, 'x')),
        dir_.string(),
    };
    const auto before = openFiles();
    for (int round = 0; round < 3; ++round) {
        for (const std::string& path : paths) LoadJpeg(path);
    }
    EXPECT_EQ(openFiles(), before);
}

// A progressive colour picture whose AC coefficients come one at a time, each first
// with `approximation` bits left off and then refined one bit a scan: with 10 bits
// 1 + 3 x 63 x 11 = 2080 scans, each a pass over the whole picture.
Bytes EncodeInManyScans(int width, int height, int approximation) {
    std::vector<jpeg_scan_info> scans;
    scans.push_back({3, {0, 1, 2, 0}, 0, 0, 0, 0});
    for (int c = 0; c < 3; ++c) {
        for (int k = 1; k <= 63; ++k) {
            scans.push_back({1, {c, 0, 0, 0}, k, k, 0, approximation});
            for (int a = approximation; a >= 1; --a)
                scans.push_back({1, {c, 0, 0, 0}, k, k, a, a - 1});
        }
    }
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    info.scan_info = scans.data();
    info.num_scans = int(scans.size());
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(std::size_t(width) * 3);
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < width; ++x) {
            row[std::size_t(x) * 3 + 0] = JSAMPLE(x * 255 / width);
            row[std::size_t(x) * 3 + 1] = JSAMPLE(info.next_scanline * 255 / info.image_height);
            row[std::size_t(x) * 3 + 2] = JSAMPLE((x ^ int(info.next_scanline)) & 0xFF);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    Bytes bytes(buffer, buffer + size);
    std::free(buffer);
    jpeg_destroy_compress(&info);
    return bytes;
}

TEST_F(JpegImageFailure, ProgressiveFileOfThousandsOfScansIsRefused) {
    // 190 scans of a small picture are fine; 2080 are far more than any encoder writes.
    const JpegResult fine = LoadJpeg(Write("190.jpg", EncodeInManyScans(48, 32, 0)));
    ASSERT_TRUE(fine.Ok) << fine.Error;
    EXPECT_EQ(fine.Image.Width, 48);
    const std::string many = Write("2080.jpg", EncodeInManyScans(48, 32, 10));
    ExpectFailure(many);
    EXPECT_NE(LoadJpeg(many).Error.find("scans"), std::string::npos) << LoadJpeg(many).Error;
}

TEST(JpegScanLimit, BoundsTheWorkOfLargePictures) {
    // The largest picture allowed still gets the scans of ordinary encoders, and its
    // scans times its pixels stay within the budget.
    EXPECT_EQ(MaxJpegScans(kMaxJpegPixels), kMinJpegScans);
    EXPECT_LE(static_cast<long long>(MaxJpegScans(kMaxJpegPixels)) * kMaxJpegPixels,
              kMaxJpegScanWork);
    const long long pixels = 4000LL * 3000;
    EXPECT_LE(static_cast<long long>(MaxJpegScans(pixels)) * pixels, kMaxJpegScanWork);
    EXPECT_GT(MaxJpegScans(pixels), kMinJpegScans);
    EXPECT_EQ(MaxJpegScans(720LL * 540), kMaxJpegScansAtAll);
    EXPECT_EQ(MaxJpegScans(0), kMaxJpegScansAtAll);
}

// A named pipe has no end until a writer comes: opening it would wait for ever.
TEST_F(JpegImageFailure, NamedPipeCountsAsMissing) {
    const std::string pipe = (dir_ / "Vivarnon.jpg").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    auto load = std::async(std::launch::async, [&] { return LoadJpeg(pipe); });
    if (load.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
        // Free the blocked reader before failing, so that the test ends.
        const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
        FAIL() << "LoadJpeg waited on the named pipe";
    }
    const JpegResult r = load.get();
    EXPECT_FALSE(r.Ok);
    EXPECT_NE(r.Error.find("not a regular file"), std::string::npos) << r.Error;
}

}  // namespace
}  // namespace viv
