#include "render/picture_chain.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "render/pixel_decoding.h"
#include "render_fixture.h"

namespace {

constexpr uint32_t caption_grey = 0x333333;
constexpr uint32_t stale = 0x123456;

const format_entry& first_format_with(decoding kind) {
  for (const format_entry& format : format_table)
    if (format.decode == kind) return format;
  throw std::logic_error("no format decodes that way");
}

// Where the caption box lies, and a corner of the picture area it never reaches.
struct probes {
  uint32_t caption_a, caption_b, picture_b;
};

probes run(void (*chain)(const format_entry&, picture_context&), const format_entry& format) {
  auto f = make_render_fixture();
  f->work_surface_a.pixels.assign(f->work_surface_a.pixels.size(), stale);
  f->work_surface_b.pixels.assign(f->work_surface_b.pixels.size(), stale);
  f->context.caption = {"Picture.vic", format.name};
  chain(format, f->context);
  return {f->work_surface_a.at(600, 530), f->work_surface_b.at(600, 530),
          f->work_surface_b.at(639, 399)};
}

TEST(RenderPicture, CaptionsSurfaceAAndBOnlyForTwoFrames) {
  const probes one = run(render_picture, first_format_with(decoding::multicolor));
  EXPECT_EQ(one.caption_a, caption_grey);
  EXPECT_EQ(one.caption_b, 0u);
  const probes two = run(render_picture, first_format_with(decoding::two_frame_multicolor));
  EXPECT_EQ(two.caption_a, caption_grey);
  EXPECT_EQ(two.caption_b, caption_grey);
}

TEST(DrawPicture, ClearsBothSurfacesAndDrawsNoCaption) {
  for (const decoding kind : {decoding::multicolor, decoding::two_frame_multicolor}) {
    const probes drawn = run(draw_picture, first_format_with(kind));
    EXPECT_EQ(drawn.caption_a, 0u);
    EXPECT_EQ(drawn.caption_b, 0u);
    EXPECT_EQ(drawn.picture_b, 0u);
  }
}

TEST(RenderPicture, HiddenCaptionLeavesThePictureAlone) {
  auto f = make_render_fixture();
  const format_entry& format = first_format_with(decoding::hires);
  f->context.caption = {"Picture.vic", format.name, false};
  render_picture(format, f->context);
  EXPECT_EQ(f->work_surface_a.at(600, 530), 0u);
}

}  // namespace
