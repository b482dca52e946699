#include "platform/graphics/jpeg_codec.h"

#include <algorithm>
#include <csetjmp>
#include <cstdlib>
#include <cstdio>
#include <string>

#include <jpeglib.h>

#include "platform/graphics/graphic.h"

namespace {

constexpr long kMaxPixels = 1L << 27;

// libjpeg reports a fatal error by calling error_exit, which must not return: it jumps back
// to the call that started the work, where the error becomes an exception.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
  ErrorManager* e = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, e->message);
  std::longjmp(e->jump, 1);
}

void OnMessage(j_common_ptr, int) {}  // warnings (a short file) are not errors

void InitErrors(ErrorManager& e) {
  jpeg_std_error(&e.pub);
  e.pub.error_exit = OnError;
  e.pub.emit_message = OnMessage;
  e.message[0] = '\0';
}

[[noreturn]] void Fail(const char* message) {
  throw EInvalidGraphic(std::string("JPEG error: ") + message);
}

// The libjpeg steps of a decode; no object with a destructor lives here, since a fatal
// error leaves by longjmp.
bool RunDecode(jpeg_decompress_struct& info, ErrorManager& errors, const std::vector<uint8_t>& data,
               RgbImage& out) {
  if (setjmp(errors.jump)) return false;
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (static_cast<long>(info.output_width) * info.output_height > kMaxPixels) {
    std::snprintf(errors.message, sizeof errors.message, "image too large");
    return false;
  }
  out.width = static_cast<int>(info.output_width);
  out.height = static_cast<int>(info.output_height);
  out.rgb.resize(static_cast<size_t>(out.width) * out.height * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = out.rgb.data() + static_cast<size_t>(info.output_scanline) * out.width * 3;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  return true;
}

bool RunEncode(jpeg_compress_struct& info, ErrorManager& errors, const RgbImage& image,
               int quality, bool grayscale, const std::vector<uint8_t>& gray,
               unsigned char*& buffer, unsigned long& size) {
  if (setjmp(errors.jump)) return false;
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(image.width);
  info.image_height = static_cast<JDIMENSION>(image.height);
  info.input_components = grayscale ? 1 : 3;
  info.in_color_space = grayscale ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  const std::vector<uint8_t>& pixels = grayscale ? gray : image.rgb;
  size_t stride = static_cast<size_t>(image.width) * info.input_components;
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<uint8_t*>(pixels.data()) + info.next_scanline * stride;
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  return true;
}

std::vector<uint8_t> ToGray(const RgbImage& image) {
  std::vector<uint8_t> gray(image.rgb.size() / 3);
  for (size_t i = 0; i < gray.size(); ++i)
    gray[i] = static_cast<uint8_t>((image.rgb[i * 3] * 299 + image.rgb[i * 3 + 1] * 587 +
                                    image.rgb[i * 3 + 2] * 114) / 1000);
  return gray;
}

}  // namespace

RgbImage DecodeJpeg(const std::vector<uint8_t>& data) {
  if (data.size() < 4) Fail("not a JPEG file");
  jpeg_decompress_struct info;
  ErrorManager errors;
  InitErrors(errors);
  info.err = &errors.pub;
  RgbImage out;
  bool ok = RunDecode(info, errors, data, out);
  jpeg_destroy_decompress(&info);
  if (!ok) Fail(errors.message);
  return out;
}

std::vector<uint8_t> EncodeJpeg(const RgbImage& image, int quality, bool grayscale) {
  if (image.width <= 0 || image.height <= 0) return {};
  std::vector<uint8_t> gray = grayscale ? ToGray(image) : std::vector<uint8_t>();
  jpeg_compress_struct info;
  ErrorManager errors;
  InitErrors(errors);
  info.err = &errors.pub;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  bool ok = RunEncode(info, errors, image, std::clamp(quality, 1, 100), grayscale, gray, buffer, size);
  jpeg_destroy_compress(&info);
  std::vector<uint8_t> out;
  if (ok && buffer) out.assign(buffer, buffer + size);
  std::free(buffer);
  if (!ok) Fail(errors.message);
  return out;
}
