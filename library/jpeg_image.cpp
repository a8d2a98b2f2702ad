// libjpeg reports fatal errors by calling error_exit, which must not return. Ours jumps
// back with longjmp to the guard below. A longjmp may only skip frames whose automatic
// objects are trivially destructible, so everything between the guard and libjpeg works
// on plain C data (the Decoder); strings, vectors and the FILE's owner live in LoadJpeg,
// outside the guarded calls.
#include "library/jpeg_image.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <new>
#include <string>

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
    JSAMPARRAY Row;  // one row of samples, in libjpeg's memory
};

ErrorManager& ErrorsOf(j_common_ptr info) {
    return *reinterpret_cast<ErrorManager*>(info->err);
}

// libjpeg calls this between pieces of work: while it takes in the scans of a
// progressive file, and while it hands out rows.
void CheckProgress(j_common_ptr info) {
    if (!info->is_decompressor) return;
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

void OutputMessage(j_common_ptr) {}  // nothing goes to stderr

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
void ReadHeader(Decoder& decoder, TColor*) {
    jpeg_create_decompress(&decoder.Info);  // clears all but err and client_data
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

// Starts the decoding and reads the first row into decoder.Row. A file whose picture
// data is missing or cut short near its start fails here, before the picture's pixels
// are allocated: a few bytes claiming 16384 x 4096 pixels cost no 256 MB.
void StartDecoding(Decoder& decoder, TColor*) {
    jpeg_decompress_struct& info = decoder.Info;
    jpeg_start_decompress(&info);
    decoder.Row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                            info.output_width * JDIMENSION(info.output_components), 1);
    jpeg_read_scanlines(&info, decoder.Row, 1);
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

// The first row (read by StartDecoding) and all the others.
void DecodePixels(Decoder& decoder, TColor* pixels) {
    jpeg_decompress_struct& info = decoder.Info;
    ConvertRow(decoder, pixels);
    while (info.output_scanline < info.output_height) {
        jpeg_read_scanlines(&info, decoder.Row, 1);
        ConvertRow(decoder, pixels + static_cast<std::size_t>(info.output_scanline - 1) * info.output_width);
    }
    jpeg_finish_decompress(&info);
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
    const auto fail = [&path](const std::string& why) {
        return JpegResult{false, path + ": " + why, RgbImage{}};
    };

    // Only a regular file: a named pipe of that name would block here for ever.
    std::string openError;
    const FilePtr file = OpenRegularFile(path, openError);
    if (!file) return fail(openError);
    // An empty file is told apart from a damaged one.
    const int first = std::fgetc(file.get());
    if (first == EOF) return fail(std::ferror(file.get()) ? "the file cannot be read" : "the file is empty");
    std::ungetc(first, file.get());

    // Zeroed, so that destroying it is harmless even if creating it failed.
    Decoder decoder{};
    decoder.Info.err = jpeg_std_error(&decoder.Errors.Base);
    decoder.Errors.Base.error_exit = FailWithMessage;
    decoder.Errors.Base.emit_message = EmitMessage;
    decoder.Errors.Base.output_message = OutputMessage;
    decoder.Info.client_data = file.get();
    decoder.Progress.Base.progress_monitor = CheckProgress;
    decoder.Progress.MaxScans = kMinJpegScans;  // until the picture's size is known
    struct Destroyer {
        jpeg_decompress_struct* Info;
        ~Destroyer() { jpeg_destroy_decompress(Info); }
    } destroyer{&decoder.Info};

    if (!Guarded(decoder, ReadHeader, nullptr)) return fail(decoder.Errors.Message);

    const JDIMENSION width = decoder.Info.image_width;
    const JDIMENSION height = decoder.Info.image_height;
    if (width > JDIMENSION(kMaxJpegSide) || height > JDIMENSION(kMaxJpegSide) ||
        static_cast<long long>(width) * height > kMaxJpegPixels) {
        return fail("the picture is too large (" + std::to_string(width) + " x " +
                    std::to_string(height) + " pixels)");
    }
    decoder.Progress.MaxScans = MaxJpegScans(static_cast<long long>(width) * height);
    decoder.Info.out_color_space = OutputSpaceFor(decoder.Info.jpeg_color_space);
    if (decoder.Info.out_color_space == JCS_UNKNOWN) {
        return fail("unsupported colour space with " + std::to_string(decoder.Info.num_components) +
                    " components");
    }

    if (!Guarded(decoder, StartDecoding, nullptr)) return fail(decoder.Errors.Message);
    JpegResult result{true, {}, RgbImage{}};
    try {
        result.Image.Pixels.resize(static_cast<std::size_t>(width) * height);
    } catch (const std::bad_alloc&) {
        return fail("not enough memory for the picture");
    }
    if (!Guarded(decoder, DecodePixels, result.Image.Pixels.data())) {
        return fail(decoder.Errors.Message);
    }
    result.Image.Width = static_cast<int>(width);
    result.Image.Height = static_cast<int>(height);
    return result;
}

}  // namespace viv
