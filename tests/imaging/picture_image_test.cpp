#include <gtest/gtest.h>
#include <zlib.h>

#include <memory>
#include <string>
#include <vector>

#include "imaging/file_image.h"
#include "support/archive_maker.h"
#include "support/d64_image.h"
#include "support/files.h"

namespace {

// A workspace of its own for each drawing, so that what one leaves cannot pass for another's.
struct drawing {
  std::unique_ptr<picture_workspace> work = std::make_unique<picture_workspace>();
  std::unique_ptr<container_stack> containers;
  result<picture_image> picture = failure{"not drawn"};
};

std::unique_ptr<drawing> draw(std::span<const uint8_t> bytes, std::string_view name) {
  auto d = std::make_unique<drawing>();
  d->picture = draw_file_image(bytes, name, default_palette, *d->work, d->containers);
  return d;
}

std::vector<uint32_t> pixels_of(const drawing& d) {
  EXPECT_TRUE(d.picture.ok()) << d.picture.why().text;
  std::vector<uint32_t> pixels;
  if (!d.picture) return pixels;
  const picture_image& p = *d.picture;
  for (int y = p.area.y1; y < p.area.y2; ++y)
    for (int x = p.area.x1; x < p.area.x2; ++x) pixels.push_back(p.frame->at(x, y));
  return pixels;
}

std::vector<uint8_t> sample(const std::string& name) {
  return read_file_bytes(std::string(VELORA_SAMPLES_DIR) + "/" + name);
}

// A Koala picture without its load address, deflated whole (the stream's first two bytes, 78 9C,
// are the format's load address): a format told only by unpacking.
std::vector<uint8_t> deflated_koala(const std::vector<uint8_t>& koala) {
  uLongf size = compressBound(koala.size() - 2);
  std::vector<uint8_t> packed(size);
  compress2(packed.data(), &size, koala.data() + 2, koala.size() - 2, Z_DEFAULT_COMPRESSION);
  packed.resize(size);
  return packed;
}

TEST(DrawFileImage, IsThePictureAreaAtFullSize) {
  const auto d = draw(sample("14-art-studio.vic"), "14-art-studio.vic");
  ASSERT_TRUE(d->picture.ok());
  EXPECT_EQ(d->picture->frame, &*d->work->work_surface_a);
  EXPECT_EQ(d->picture->width(), 640);
  EXPECT_EQ(d->picture->height(), 400);
  // The caption box below it is never drawn.
  EXPECT_EQ(d->work->work_surface_a->at(600, 530), 0u);
}

TEST(DrawFileImage, AnExtensionNamesItsFormatsAndBytesWithoutANameTellThemselves) {
  const std::vector<uint8_t> manager = sample("formats/hires-manager.him");
  // The Hires Manager's size and load address are the Topaz editor's: only its extension tells.
  const std::vector<uint32_t> named = pixels_of(*draw(manager, "pic.him"));
  const std::vector<uint32_t> by_content = pixels_of(*draw(manager, ""));
  EXPECT_NE(named, by_content);
  EXPECT_EQ(by_content, pixels_of(*draw(manager, "pic.vic")));

  // Without a name, bytes are told as a disk image's entry is: packed ones too.
  const std::vector<uint8_t> koala = sample("formats/koala-painter.koa");
  const std::vector<uint8_t> packed = deflated_koala(koala);
  EXPECT_EQ(pixels_of(*draw(packed, "")), pixels_of(*draw(koala, "pic.koa")));
  const auto host = draw(packed, "pic.vic");
  ASSERT_FALSE(host->picture.ok());
  EXPECT_EQ(host->picture.error(),
            "a size of " + std::to_string(packed.size()) + " bytes names no format");
}

TEST(DrawFileImage, ADiskImageShowsItsFirstPictureThatCanBeShown) {
  const std::vector<uint8_t> koala = sample("formats/koala-painter.koa");
  const std::vector<uint8_t> art = sample("14-art-studio.vic");
  // A zlib picture whose stream is cut short is told by size but does not unpack.
  std::vector<uint8_t> cut = deflated_koala(koala);
  cut.resize(cut.size() - 8);
  const std::vector<uint8_t> odd = counting_bytes(500);
  const std::vector<d64_file> files = {{"NOTES", 0x81, art},
                                       {"ODD", 0x82, odd},
                                       {"CUT", 0x82, cut},
                                       {"KOALA", 0x82, koala},
                                       {"ART", 0x82, art}};
  const std::vector<uint8_t> image = d64_image_of(files);
  EXPECT_EQ(pixels_of(*draw(image, "disk.D64")), pixels_of(*draw(koala, "")));
  // The same bytes under another name are no disk image, and too large for a picture.
  const auto other = draw(image, "disk.prg");
  ASSERT_FALSE(other->picture.ok());
  EXPECT_EQ(other->picture.error(), "the file is larger than any C64 picture");
}

// Containers of every kind go through the same listing: an archive's first picture, in a
// folder too, after a file that is none.
TEST(DrawFileImage, AnArchiveShowsItsFirstPicture) {
  const std::vector<uint8_t> koala = sample("formats/koala-painter.koa");
  const std::vector<archived> files = {
      {"notes.txt", counting_bytes(300)}, {"pics/", {}}, {"pics/sunset.koa", koala}};
  const std::vector<uint8_t> zip = make_archive(archive_form::zip, files);
  EXPECT_EQ(pixels_of(*draw(zip, "pictures.zip")), pixels_of(*draw(koala, "pic.koa")));
}

TEST(DrawFileImage, ADiskImageWithoutPicturesFails) {
  const std::vector<uint8_t> odd = counting_bytes(500);
  const std::vector<d64_file> files = {{"ODD", 0x82, odd}};
  const auto d = draw(d64_image_of(files), "disk.d64");
  ASSERT_FALSE(d->picture.ok());
  EXPECT_EQ(d->picture.error(), "the disk image holds no picture that can be shown");
}

TEST(DrawFileImage, ReadsNoMoreThanTheLargestFileOfItsKind) {
  EXPECT_EQ(most_file_bytes("pic.koa"), 65536u);
  EXPECT_EQ(most_file_bytes("disk.d81"), static_cast<size_t>(max_image_file_size));
  EXPECT_FALSE(draw(std::vector<uint8_t>(65537), "pic.vic")->picture.ok());
  EXPECT_FALSE(draw(std::vector<uint8_t>(max_image_file_size + 1), "disk.d81")->picture.ok());
  // A disk image's name on bytes of no disk image's size: a picture file, and too large.
  EXPECT_FALSE(draw(std::vector<uint8_t>(100000), "disk.d64")->picture.ok());
}

TEST(CopyPictureRgb, RowsOfRedGreenBlueAtTheirStride) {
  surface frame = create_surface(screen_width, screen_height);
  frame.pixels[0] = 0x123456;
  frame.pixels[screen_width + 639] = 0xABCDEF;
  const picture_image picture{&frame, {0, 0, 640, 400}};
  const size_t row_bytes = 640 * 3 + 5;
  std::vector<uint8_t> rows(row_bytes * 400, 0x77);
  copy_picture_rgb(picture, rows.data(), row_bytes);
  EXPECT_EQ(std::vector<uint8_t>(rows.begin(), rows.begin() + 3),
            (std::vector<uint8_t>{0x12, 0x34, 0x56}));
  const size_t last = row_bytes + 639 * 3;
  EXPECT_EQ(std::vector<uint8_t>(rows.begin() + last, rows.begin() + last + 3),
            (std::vector<uint8_t>{0xAB, 0xCD, 0xEF}));
  EXPECT_EQ(rows[640 * 3], 0x77);  // the padding of a row is left alone
}

}  // namespace
