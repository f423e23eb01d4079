#include "picture_test_files.h"

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace vellumar::picture_testing {
namespace {

constexpr uint32_t kFileHeaderSize = 14;

void WriteColorEntry(ByteWriter& w, uint32_t color, bool core) {
  w.U8(color >> 16).U8(color >> 8).U8(color);
  if (!core) w.U8(0);
}

void PadRow(Bytes& out, size_t row_start) {
  while ((out.size() - row_start) % 4 != 0) out.push_back(0);
}

template <typename PackRow>
Bytes PackRows(const std::vector<std::vector<uint32_t>>& rows, bool top_down, PackRow pack) {
  Bytes out;
  for (size_t i = 0; i < rows.size(); ++i) {
    const auto& row = rows[top_down ? i : rows.size() - 1 - i];
    const size_t start = out.size();
    pack(row, out);
    PadRow(out, start);
  }
  return out;
}

}  // namespace

Bytes DibHeaderBytes(const DibSpec& spec) {
  ByteWriter w;
  const bool core = spec.header_size == 12;
  w.U32(spec.header_size);
  if (core) {
    w.U16(static_cast<uint32_t>(spec.width))
        .U16(static_cast<uint32_t>(spec.height))
        .U16(1)
        .U16(spec.bit_count);
  } else {
    w.U32(static_cast<uint32_t>(spec.width))
        .U32(static_cast<uint32_t>(spec.height))
        .U16(1)
        .U16(spec.bit_count);
    w.U32(spec.compression).U32(0).U32(3780).U32(3780).U32(spec.colors_used).U32(0);
    if (spec.header_size > 40) {
      for (size_t i = 0; i < (spec.header_size - 40) / 4; ++i)
        w.U32(i < spec.masks.size() ? spec.masks[i] : 0);
    } else {
      for (uint32_t mask : spec.masks) w.U32(mask);
    }
  }
  for (uint32_t color : spec.palette) WriteColorEntry(w, color, core);
  return w.bytes();
}

Bytes BuildBmp(const DibSpec& spec, const Bytes& pixels, int64_t pixel_offset) {
  const Bytes dib = DibHeaderBytes(spec);
  const uint32_t offset = pixel_offset >= 0 ? static_cast<uint32_t>(pixel_offset)
                                            : static_cast<uint32_t>(kFileHeaderSize + dib.size());
  ByteWriter w;
  w.U8('B')
      .U8('M')
      .U32(static_cast<uint32_t>(kFileHeaderSize + dib.size() + pixels.size()))
      .U32(0)
      .U32(offset);
  w.Append(dib);
  Bytes out = w.bytes();
  if (pixel_offset >= 0) out.resize(std::max<size_t>(out.size(), static_cast<size_t>(pixel_offset)), 0);
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

Bytes PackIndexRows(const std::vector<std::vector<uint32_t>>& rows, int depth, bool top_down) {
  return PackRows(rows, top_down, [depth](const std::vector<uint32_t>& row, Bytes& out) {
    const size_t start = out.size();
    out.resize(start + (row.size() * static_cast<size_t>(depth) + 7) / 8, 0);
    for (size_t x = 0; x < row.size(); ++x) {
      const size_t bit = x * static_cast<size_t>(depth);
      out[start + bit / 8] |= static_cast<uint8_t>(row[x] << (8 - depth - static_cast<int>(bit % 8)));
    }
  });
}

Bytes PackValueRows(const std::vector<std::vector<uint32_t>>& rows, int depth, bool top_down) {
  return PackRows(rows, top_down, [depth](const std::vector<uint32_t>& row, Bytes& out) {
    for (uint32_t value : row) {
      for (int b = 0; b < depth / 8; ++b) out.push_back(static_cast<uint8_t>(value >> (8 * b)));
    }
  });
}

Bytes BuildIco(const std::vector<IcoEntrySpec>& entries) {
  ByteWriter w;
  w.U16(0).U16(1).U16(static_cast<uint32_t>(entries.size()));
  size_t next = 6 + 16 * entries.size();
  Bytes data;
  for (const IcoEntrySpec& e : entries) {
    const size_t offset = e.offset >= 0 ? static_cast<size_t>(e.offset) : next;
    const size_t size = e.size >= 0 ? static_cast<size_t>(e.size) : e.data.size();
    w.U8(e.width).U8(e.height).U8(0).U8(0).U16(1).U16(e.bit_count);
    w.U32(static_cast<uint32_t>(size)).U32(static_cast<uint32_t>(offset));
    if (e.offset < 0) {
      data.insert(data.end(), e.data.begin(), e.data.end());
      next += e.data.size();
    }
  }
  return w.Append(data).bytes();
}

Bytes IconDib24(const std::vector<std::vector<uint32_t>>& colors,
                const std::vector<std::vector<uint32_t>>& mask) {
  std::vector<std::vector<uint32_t>> bgr = colors;
  for (auto& row : bgr) {
    for (uint32_t& c : row) c = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
  }
  DibSpec spec{.width = static_cast<int32_t>(colors[0].size()),
               .height = static_cast<int32_t>(colors.size() * 2),
               .bit_count = 24};
  ByteWriter w;
  w.Append(DibHeaderBytes(spec)).Append(PackValueRows(bgr, 24)).Append(PackIndexRows(mask, 1));
  return w.bytes();
}

Bytes IconDib32(const std::vector<std::vector<uint32_t>>& argb,
                const std::vector<std::vector<uint32_t>>& mask) {
  DibSpec spec{.width = static_cast<int32_t>(argb[0].size()),
               .height = static_cast<int32_t>(argb.size() * 2),
               .bit_count = 32};
  ByteWriter w;
  w.Append(DibHeaderBytes(spec)).Append(PackValueRows(argb, 32)).Append(PackIndexRows(mask, 1));
  return w.bytes();
}

namespace {

void AppendPng(png_structp png, png_bytep data, size_t length) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}
void NoFlush(png_structp) {}

// Test inputs are always valid, so libpng's default error handling (print and abort the test) is enough.
void WritePngBody(png_structp png, png_infop info, const PngSpec& spec, Bytes* out) {
  png_set_write_fn(png, out, AppendPng, NoFlush);
  png_set_IHDR(png, info, spec.width, spec.height, spec.bit_depth, spec.color_type,
               spec.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> palette;
  for (uint32_t c : spec.palette) {
    palette.push_back(
        png_color{static_cast<png_byte>(c), static_cast<png_byte>(c >> 8), static_cast<png_byte>(c >> 16)});
  }
  if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
  if (!spec.palette_alpha.empty()) {
    png_set_tRNS(png, info, spec.palette_alpha.data(), static_cast<int>(spec.palette_alpha.size()), nullptr);
  }
  png_write_info(png, info);
  const size_t stride = spec.samples.size() / spec.height;
  std::vector<png_bytep> rows;
  Bytes samples = spec.samples;
  for (uint32_t y = 0; y < spec.height; ++y) rows.push_back(samples.data() + y * stride);
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
}

}  // namespace

Bytes BuildPng(const PngSpec& spec) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  Bytes out;
  if (setjmp(png_jmpbuf(png))) std::abort();
  WritePngBody(png, info, spec, &out);
  png_destroy_write_struct(&png, &info);
  return out;
}

namespace {

constexpr size_t kIhdrType = 12;  // signature (8) and chunk length (4)
constexpr size_t kAfterIhdr = kIhdrType + 4 + 13 + 4;

void PutBigEndian32(uint8_t* out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(value >> (24 - 8 * i));
}

}  // namespace

Bytes PatchPngSize(Bytes png, uint32_t width, uint32_t height) {
  PutBigEndian32(png.data() + kIhdrType + 4, width);
  PutBigEndian32(png.data() + kIhdrType + 8, height);
  PutBigEndian32(png.data() + kIhdrType + 17,
                 static_cast<uint32_t>(crc32(0, png.data() + kIhdrType, 4 + 13)));
  return png;
}

Bytes InsertPngChunk(Bytes png, const std::string& type, const Bytes& data, int64_t declared_length) {
  Bytes chunk(8);
  PutBigEndian32(chunk.data(), static_cast<uint32_t>(declared_length < 0 ? data.size() : declared_length));
  std::copy_n(type.begin(), 4, chunk.begin() + 4);
  chunk.insert(chunk.end(), data.begin(), data.end());
  chunk.resize(chunk.size() + 4);
  const uLong crc = crc32(0, chunk.data() + 4, static_cast<uInt>(4 + data.size()));
  PutBigEndian32(chunk.data() + chunk.size() - 4, static_cast<uint32_t>(crc));
  png.insert(png.begin() + kAfterIhdr, chunk.begin(), chunk.end());
  return png;
}

ScratchDir::ScratchDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vellumar-picture-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ScratchDir::Write(const std::string& name, const Bytes& bytes) const {
  const std::string path = path_ + "/" + name;
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return path;
}

std::vector<std::string> ScratchDir::Entries() const {
  std::vector<std::string> names;
  std::vector<std::filesystem::path> folders = {path_};
  while (!folders.empty()) {
    const std::filesystem::path folder = folders.back();
    folders.pop_back();
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      names.push_back(entry.path().lexically_relative(path_).string());
      if (entry.symlink_status().type() == std::filesystem::file_type::directory)
        folders.push_back(entry.path());
    }
  }
  std::ranges::sort(names);
  return names;
}

Bytes ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace vellumar::picture_testing
