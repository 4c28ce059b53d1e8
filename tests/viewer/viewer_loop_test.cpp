#include "support/captured_console.h"
#include "viewer/viewer.h"
#include "viewer_fixture.h"

namespace {

// The whole viewer on a headless screen: the palette's message box opens once the screen is
// up and takes the first Enter; the browser never sees it (it would enter ".."). Escape then
// asks, and Enter answers Yes.
TEST_F(ViewerTest, RunViewerShowsTheQueuedMessageFirstAndEndsAfterTheExitQuestion) {
  std::ofstream(folder / "Velora2003.cfg") << "$";
  for (const input_event& e :
       {key_down_event(vk::enter), character_event(13), key_down_event(vk::escape),
        character_event(27), key_down_event(vk::enter), character_event(13)})
    screen.push_event(e);
  captured_console console;
  EXPECT_EQ(run_viewer(screen, console.err_stream, VELORA_DATA_DIR), 0);
  EXPECT_EQ(console.err(), "");
  EXPECT_EQ(std::filesystem::current_path(), folder.path());
  EXPECT_GT(screen.frames_presented(), 0);
}

}  // namespace
