#include "shell/viewer.h"
#include "viewer_fixture.h"

namespace {

input_event key_down(int key) {
  input_event e;
  e.type = input_event::kind::key_down;
  e.key = key;
  return e;
}

input_event character(uint32_t c) {
  input_event e;
  e.type = input_event::kind::character;
  e.character = c;
  return e;
}

// The whole viewer on a headless screen: the palette's message box opens once the screen is
// up and takes the first Enter; the browser never sees it (it would enter ".."). Escape then
// asks, and Enter answers Yes.
TEST_F(ViewerTest, RunViewerShowsTheQueuedMessageFirstAndEndsAfterTheExitQuestion) {
  write_bytes(folder / "Velora2003.cfg", {'$'});
  std::filesystem::current_path(folder);
  for (const input_event& e : {key_down(vk::enter), character(13), key_down(vk::escape),
                               character(27), key_down(vk::enter), character(13)})
    screen.push_event(e);
  EXPECT_EQ(run_viewer(screen, VELORA_DATA_DIR), 0);
  EXPECT_EQ(std::filesystem::current_path(), folder);
  EXPECT_GT(screen.frames_presented(), 0);
}

}  // namespace
