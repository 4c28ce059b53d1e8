#pragma once
// Archives for tests, made at test time by libarchive's own writer (zip, 7z, tar and its packed
// forms, a single gzip'd file), and lha archives of stored files made here, byte by byte.
#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct archived {
  std::string path;  // "pics/a.koa"; a folder's path ends in '/'
  std::vector<uint8_t> bytes;
};

enum class archive_form : uint8_t { zip, seven_zip, tar, tar_gz, tar_bz2, tar_xz, gz };

inline la_ssize_t append_to_vector(archive*, void* data, const void* buffer, size_t size) {
  auto& out = *static_cast<std::vector<uint8_t>*>(data);
  const auto* bytes = static_cast<const uint8_t*>(buffer);
  out.insert(out.end(), bytes, bytes + size);
  return static_cast<la_ssize_t>(size);
}

// The archive's bytes; a zip's entries encrypted when a passphrase is given.
inline std::vector<uint8_t> make_archive(archive_form form, std::span<const archived> files,
                                         const char* passphrase = nullptr) {
  archive* a = archive_write_new();
  switch (form) {
    case archive_form::zip:
      archive_write_set_format_zip(a);
      break;
    case archive_form::seven_zip:
      archive_write_set_format_7zip(a);
      break;
    case archive_form::gz:
      archive_write_set_format_raw(a);
      archive_write_add_filter_gzip(a);
      break;
    default:
      archive_write_set_format_pax_restricted(a);
      break;
  }
  if (form == archive_form::tar_gz) archive_write_add_filter_gzip(a);
  if (form == archive_form::tar_bz2) archive_write_add_filter_bzip2(a);
  if (form == archive_form::tar_xz) archive_write_add_filter_xz(a);
  if (passphrase != nullptr) {
    EXPECT_EQ(archive_write_set_options(a, "zip:encryption=zipcrypt"), ARCHIVE_OK)
        << archive_error_string(a);
    archive_write_set_passphrase(a, passphrase);
  }
  std::vector<uint8_t> out;
  archive_write_open2(a, &out, nullptr, append_to_vector, nullptr, nullptr);
  for (const archived& file : files) {
    archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname(entry, file.path.c_str());
    const bool folder = file.path.ends_with('/');
    archive_entry_set_filetype(entry, folder ? AE_IFDIR : AE_IFREG);
    archive_entry_set_perm(entry, folder ? 0755 : 0644);
    archive_entry_set_size(entry, static_cast<la_int64_t>(file.bytes.size()));
    EXPECT_GE(archive_write_header(a, entry), ARCHIVE_WARN) << archive_error_string(a);
    if (!file.bytes.empty()) archive_write_data(a, file.bytes.data(), file.bytes.size());
    archive_entry_free(entry);
  }
  archive_write_close(a);
  archive_write_free(a);
  return out;
}

// An lha archive of stored (-lh0-) files with level 0 headers.
inline std::vector<uint8_t> make_lha(std::span<const archived> files) {
  const auto crc16 = [](std::span<const uint8_t> bytes) {
    uint16_t crc = 0;
    for (const uint8_t byte : bytes) {
      crc ^= byte;
      for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) != 0 ? (crc >> 1) ^ 0xA001 : crc >> 1;
    }
    return crc;
  };
  const auto put32 = [](std::vector<uint8_t>& out, uint32_t value) {
    for (int k = 0; k < 4; ++k) out.push_back(static_cast<uint8_t>(value >> (8 * k)));
  };
  std::vector<uint8_t> out;
  for (const archived& file : files) {
    std::vector<uint8_t> header = {'-', 'l', 'h', '0', '-'};
    put32(header, static_cast<uint32_t>(file.bytes.size()));
    put32(header, static_cast<uint32_t>(file.bytes.size()));
    put32(header, 0x21A50000);  // a DOS date in 1996
    header.push_back(0x20);     // attribute
    header.push_back(0);        // level
    header.push_back(static_cast<uint8_t>(file.path.size()));
    header.insert(header.end(), file.path.begin(), file.path.end());
    const uint16_t crc = crc16(file.bytes);
    header.push_back(static_cast<uint8_t>(crc & 0xFF));
    header.push_back(static_cast<uint8_t>(crc >> 8));
    uint8_t sum = 0;
    for (const uint8_t byte : header) sum = static_cast<uint8_t>(sum + byte);
    out.push_back(static_cast<uint8_t>(header.size()));
    out.push_back(sum);
    out.insert(out.end(), header.begin(), header.end());
    out.insert(out.end(), file.bytes.begin(), file.bytes.end());
  }
  out.push_back(0);
  return out;
}
