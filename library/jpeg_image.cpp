// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// libjpeg reports fatal errors by calling error_exit, which must not return. Ours jumps
// back with longjmp to the guard below. A longjmp may only skip frames whose automatic
// objects are trivially destructible, so everything between the guard and libjpeg works
// on plain C data (the Decoder); strings, vectors and the FILE's owner live in LoadJpeg,
// outside the guarded calls.
#include "library/jpeg_image.h"

#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <csetjmp>
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "library/regular_file.h"

// jpeglib.h needs FILE and size_t declared before it.
#include <jerror.h>
#include <jpeglib.h>

namespace viv {
namespace {

static_assert(BITS_IN_JSAMPLE == 8, "the decoder expects 8-bit samples");

struct ErrorManager {
    jpeg_error_mgr Base;  // first member: libjpeg hands back a pointer to it
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

// Stops the decoding of a progressive file whose scans would take too long: every scan
// of a progressive file passes over the whole picture again, so a small file of
// thousands of tiny scans can keep the decoder busy for many seconds.
struct ProgressMonitor {
    jpeg_progress_mgr Base;  // first member: libjpeg hands back a pointer to it
    int MaxScans;
};

// The decompressor, its error manager and its progress monitor: plain C data only.
struct Decoder {
    jpeg_decompress_struct Info;
    ErrorManager Errors;
    ProgressMonitor Progress;
    JSAMPARRAY Row;    // one row of samples, in libjpeg's memory
    long MemoryLimit;  // bytes libjpeg may take for its own work
};

ErrorManager& ErrorsOf(j_common_ptr info) {
    return *reinterpret_cast<ErrorManager*>(info->err);
}

// libjpeg calls this between pieces of work: while it takes in the scans of a
// progressive file, and while it hands out rows.
void CheckProgress(j_common_ptr info) {
    if (info->is_decompressor == 0) return;
    const auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    const auto* monitor = reinterpret_cast<const ProgressMonitor*>(info->progress);
    if (decompress->input_scan_number <= monitor->MaxScans) return;
    ErrorManager& errors = ErrorsOf(info);
    std::snprintf(errors.Message, sizeof errors.Message, "the picture has more than %d scans",
                  monitor->MaxScans);
    std::longjmp(errors.Jump, 1);
}

[[noreturn]] void FailWithMessage(j_common_ptr info) {
    ErrorManager& errors = ErrorsOf(info);
    (*errors.Base.format_message)(info, errors.Message);
    std::longjmp(errors.Jump, 1);
}

// Warnings (level -1) almost all mean damaged picture data: libjpeg would go on and fill
// the rest of the picture with grey. Those end the decoding. Only remarks about the
// header's bookkeeping are let through. Trace messages (level >= 0) are dropped.
void EmitMessage(j_common_ptr info, int level) {
    if (level >= 0) return;
    const int code = info->err->msg_code;
    if (code == JWRN_JFIF_MAJOR || code == JWRN_ADOBE_XFORM) {
        info->err->num_warnings++;
        return;
    }
    FailWithMessage(info);
}

void OutputMessage(j_common_ptr /*info*/) {}  // nothing goes to stderr

using Step = void (*)(Decoder&, TColor*);

// Runs one step of the decoding; false when libjpeg gave up (the message is in
// decoder.Errors.Message). Keep this function free of other local variables.
bool Guarded(Decoder& decoder, Step step, TColor* pixels) {
    if (setjmp(decoder.Errors.Jump) != 0) return false;
    step(decoder, pixels);
    return true;
}

// Reads up to the first frame header; the caller has set the error manager and put the
// file in Info.client_data.
void ReadHeader(Decoder& decoder, TColor* /*pixels*/) {
    jpeg_create_decompress(&decoder.Info);  // clears all but err and client_data
    decoder.Info.mem->max_memory_to_use = decoder.MemoryLimit;
    decoder.Info.progress = &decoder.Progress.Base;
    jpeg_stdio_src(&decoder.Info, static_cast<std::FILE*>(decoder.Info.client_data));
    jpeg_read_header(&decoder.Info, TRUE);
}

// 8-bit CMYK to RGB. Files with an Adobe marker (the usual producer of CMYK JPEGs)
// store the inks inverted, 255 meaning no ink.
TColor CmykToRgb(const JSAMPLE* p, bool inverted) {
    int c = p[0], m = p[1], y = p[2], k = p[3];
    if (!inverted) {
        c = 255 - c;
        m = 255 - m;
        y = 255 - y;
        k = 255 - k;
    }
    return RGB(c * k / 255, m * k / 255, y * k / 255);
}

// Starts the decoding: the row buffer is made, and a progressive file's scans are taken in.
void StartDecoding(Decoder& decoder, TColor* /*pixels*/) {
    jpeg_decompress_struct& info = decoder.Info;
    jpeg_start_decompress(&info);
    decoder.Row =
        (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                  info.output_width * JDIMENSION(info.output_components), 1);
}

// decoder.Row as picture pixels.
void ConvertRow(const Decoder& decoder, TColor* out) {
    const jpeg_decompress_struct& info = decoder.Info;
    const int components = info.output_components;
    const bool inverted = info.saw_Adobe_marker != 0;
    const JSAMPLE* in = decoder.Row[0];
    for (JDIMENSION x = 0; x < info.output_width; ++x, in += components) {
        switch (components) {
            case 1:
                *out++ = RGB(in[0], in[0], in[0]);
                break;
            case 3:
                *out++ = RGB(in[0], in[1], in[2]);
                break;
            default:
                *out++ = CmykToRgb(in, inverted);
                break;
        }
    }
}

// The next row, converted into `row`.
void DecodeRow(Decoder& decoder, TColor* row) {
    jpeg_read_scanlines(&decoder.Info, decoder.Row, 1);
    ConvertRow(decoder, row);
}

void FinishDecoding(Decoder& decoder, TColor* /*pixels*/) {
    jpeg_finish_decompress(&decoder.Info);
}

// The colour space libjpeg should hand out for the file's own, or JCS_UNKNOWN if we
// cannot show it.
J_COLOR_SPACE OutputSpaceFor(J_COLOR_SPACE stored) {
    switch (stored) {
        case JCS_GRAYSCALE:
            return JCS_GRAYSCALE;
        case JCS_RGB:
        case JCS_YCbCr:
            return JCS_RGB;
        case JCS_CMYK:
        case JCS_YCCK:
            return JCS_CMYK;
        default:
            return JCS_UNKNOWN;
    }
}

}  // namespace

int MaxJpegScans(long long pixels) {
    const long long byWork = kMaxJpegScanWork / std::max(pixels, 1LL);
    return static_cast<int>(std::clamp(byWork, static_cast<long long>(kMinJpegScans),
                                       static_cast<long long>(kMaxJpegScansAtAll)));
}

JpegResult LoadJpeg(const std::string& path) {
    const auto fail = [&path](JpegFailure failure, const std::string& why) {
        return JpegResult{false, path + ": " + why, RgbImage{}, failure};
    };

    // Only a regular file: a named pipe of that name would block here for ever.
    std::string openError;
    ReadStatus openStatus = ReadStatus::NotFound;
    const FilePtr file = OpenRegularFile(path, openError, openStatus);
    if (!file)
        return fail(
            openStatus == ReadStatus::NotFound ? JpegFailure::NotFound : JpegFailure::Unreadable,
            openError);
    struct stat info {};
    const long long fileBytes = ::fstat(::fileno(file.get()), &info) == 0 ? info.st_size : 0;
    return DecodeJpeg(file.get(), fileBytes, path);
}

namespace {
// The decoder's error handling, progress check and memory budget for a file of
// `fileBytes` bytes.
void PrepareDecoder(Decoder& decoder, std::FILE* file, long long fileBytes) {
    decoder.Info.err = jpeg_std_error(&decoder.Errors.Base);
    decoder.Errors.Base.error_exit = FailWithMessage;
    decoder.Errors.Base.emit_message = EmitMessage;
    decoder.Errors.Base.output_message = OutputMessage;
    decoder.Info.client_data = file;
    decoder.Progress.Base.progress_monitor = CheckProgress;
    decoder.Progress.MaxScans = kMinJpegScans;  // until the picture's size is known
    decoder.MemoryLimit = static_cast<long>(std::min<long long>(
        kJpegWorkMemoryBase + kJpegWorkMemoryPerFileByte * fileBytes, LONG_MAX));
}

bool TooLarge(JDIMENSION width, JDIMENSION height) {
    return width > JDIMENSION(kMaxJpegSide) || height > JDIMENSION(kMaxJpegSide) ||
           static_cast<long long>(width) * height > kMaxJpegPixels;
}

// The rows decoded one by one onto `pixels`, reserved for the whole picture; false when
// libjpeg fails.
bool DecodeRows(Decoder& decoder, std::vector<TColor>& pixels) {
    const JDIMENSION width = decoder.Info.image_width;
    while (decoder.Info.output_scanline < decoder.Info.image_height) {
        pixels.resize(pixels.size() + width);  // within the reservation: no new memory block
        if (!Guarded(decoder, DecodeRow, pixels.data() + pixels.size() - width)) return false;
    }
    return Guarded(decoder, FinishDecoding, nullptr);
}
}  // namespace

JpegResult DecodeJpeg(std::FILE* file, long long fileBytes, const std::string& name) {
    const auto fail = [&name](JpegFailure failure, const std::string& why) {
        return JpegResult{false, name + ": " + why, RgbImage{}, failure};
    };
    // An empty file is told apart from a damaged one.
    const int first = std::fgetc(file);
    if (first == EOF) {
        return std::ferror(file) != 0 ? fail(JpegFailure::Unreadable, "the file cannot be read")
                                      : fail(JpegFailure::Damaged, "the file is empty");
    }
    std::ungetc(first, file);

    // Zeroed, so that destroying it is harmless even if creating it failed.
    Decoder decoder{};
    PrepareDecoder(decoder, file, fileBytes);
    struct Destroyer {
        jpeg_decompress_struct* Info;
        ~Destroyer() { jpeg_destroy_decompress(Info); }
    } destroyer{&decoder.Info};

    // libjpeg's failures: memory beyond its budget means a picture too large for its file.
    const auto failed = [&decoder, &fail] {
        const int code = decoder.Errors.Base.msg_code;
        const bool memory = code == JERR_NO_BACKING_STORE || code == JERR_OUT_OF_MEMORY;
        return fail(memory ? JpegFailure::TooLarge : JpegFailure::Damaged, decoder.Errors.Message);
    };
    if (!Guarded(decoder, ReadHeader, nullptr)) return failed();

    const JDIMENSION width = decoder.Info.image_width;
    const JDIMENSION height = decoder.Info.image_height;
    if (TooLarge(width, height)) {
        return fail(JpegFailure::TooLarge, "the picture is too large (" + std::to_string(width) +
                                               " x " + std::to_string(height) + " pixels)");
    }
    decoder.Progress.MaxScans = MaxJpegScans(static_cast<long long>(width) * height);
    decoder.Info.out_color_space = OutputSpaceFor(decoder.Info.jpeg_color_space);
    if (decoder.Info.out_color_space == JCS_UNKNOWN) {
        return fail(JpegFailure::Unsupported, "unsupported colour space with " +
                                                  std::to_string(decoder.Info.num_components) +
                                                  " components");
    }

    if (!Guarded(decoder, StartDecoding, nullptr)) return failed();
    // The pixels are taken row by row as the rows decode: the reservation only claims
    // address space, and the system gives memory to the pages as rows are written, so a
    // short file claiming a huge picture costs little before its data runs out.
    JpegResult result{true, {}, RgbImage{}, JpegFailure::None};
    try {
        result.Image.Pixels.reserve(static_cast<std::size_t>(width) * height);
    } catch (const std::bad_alloc&) {
        return fail(JpegFailure::TooLarge, "not enough memory for the picture");
    }
    if (!DecodeRows(decoder, result.Image.Pixels)) return failed();
    result.Image.Width = static_cast<int>(width);
    result.Image.Height = static_cast<int>(height);
    return result;
}

}  // namespace viv
