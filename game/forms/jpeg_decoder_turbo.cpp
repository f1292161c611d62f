// JPEG decoding through libjpeg-turbo, the decoder Linux distributions fuzz and harden.
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include "game/forms/jpeg_decoder.h"
#include "game/forms/jpeg_header.h"
#include "game/forms/picture_limits.h"

namespace forms {
namespace {

// A progressive file may hold thousands of tiny scans, each one a pass over the whole picture.
constexpr int kMaxScans = 100;
// libjpeg refuses (rather than takes) more working memory than this.
constexpr long kMaxWorkingMemory = 256L * 1024 * 1024;

struct ErrorJump {
  jpeg_error_mgr manager;  // first, so that cinfo->err points at the whole struct
  std::jmp_buf jump;
};

[[noreturn]] void LeaveOnError(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<ErrorJump*>(cinfo->err)->jump, 1);
}

// Warnings mean damaged data that libjpeg would patch over with grey: the picture is refused.
void LeaveOnWarning(j_common_ptr cinfo, int level) {
  if (level < 0) LeaveOnError(cinfo);
}

void LimitScans(j_common_ptr cinfo) {
  if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans) {
    LeaveOnError(cinfo);
  }
}

// Holds no object with a destructor, so a longjmp out of libjpeg may land in its setjmp.
bool DecodeInto(jpeg_decompress_struct& cinfo, const unsigned char* bytes, std::size_t size,
                const DeclaredSize& shown, std::vector<std::uint32_t>& argb, int& width,
                int& height) {
  ErrorJump error;
  jpeg_progress_mgr progress{};
  cinfo.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = LeaveOnError;
  error.manager.emit_message = LeaveOnWarning;
  progress.progress_monitor = LimitScans;
  if (setjmp(error.jump) != 0) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  cinfo.progress = &progress;
  cinfo.mem->max_memory_to_use = kMaxWorkingMemory;
  jpeg_mem_src(&cinfo, bytes, static_cast<unsigned long>(size));
  if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK ||
      !SanePictureSize(cinfo.image_width, cinfo.image_height)) {
    LeaveOnError(reinterpret_cast<j_common_ptr>(&cinfo));
  }
  cinfo.out_color_space = JCS_EXT_BGRA;  // in memory B, G, R, A: one 0xAARRGGBB word
  cinfo.scale_num = static_cast<unsigned>(ReducedScaleEighths(static_cast<int>(cinfo.image_width),
                                                              static_cast<int>(cinfo.image_height),
                                                              shown.width, shown.height));
  cinfo.scale_denom = 8;
  jpeg_start_decompress(&cinfo);
  width = static_cast<int>(cinfo.output_width);
  height = static_cast<int>(cinfo.output_height);
  argb.resize(static_cast<std::size_t>(width) * height);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row =
        reinterpret_cast<JSAMPROW>(argb.data() + std::size_t{cinfo.output_scanline} * width);
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

}  // namespace

std::optional<Picture> DecodeJpeg(const unsigned char* bytes, std::size_t size, int min_width,
                                  int min_height) {
  const std::optional<DeclaredSize> declared = JpegDeclaredSize(bytes, size);
  if (!declared || !SanePictureSize(declared->width, declared->height) || size > 0x7FFFFFFF) {
    return std::nullopt;
  }
  jpeg_decompress_struct cinfo{};
  std::vector<std::uint32_t> argb;
  int width = 0, height = 0;
  const DeclaredSize shown =
      min_width > 0 && min_height > 0 ? DeclaredSize{min_width, min_height} : *declared;
  if (!DecodeInto(cinfo, bytes, size, shown, argb, width, height)) return std::nullopt;
  return Picture(width, height, std::move(argb));
}

}  // namespace forms
