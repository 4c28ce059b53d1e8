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

// Every printable character typed reaches the save prompt, also the first one and one whose
// key has no virtual-key code (its key_down comes as key 0).
TEST_F(ViewerTest, TheSavePromptTakesEveryCharacterTyped) {
  write_file_bytes(folder / "p.vic", sample_file(14));
  std::vector<input_event> events = {key_down_event(vk::down), key_down_event(vk::enter),
                                     character_event(13), key_down_event('S'),
                                     character_event('s')};
  for (const char c : std::string(".dot2.bmp")) {
    const bool letter = c >= 'a' && c <= 'z';
    const bool digit = c >= '0' && c <= '9';
    events.push_back(key_down_event(letter ? c - 'a' + 'A' : digit ? c : 0));
    events.push_back(character_event(static_cast<uint32_t>(c)));
  }
  for (const input_event& e :
       {key_down_event(vk::enter), character_event(13), key_down_event(vk::escape),
        character_event(27), key_down_event(vk::escape), character_event(27),
        key_down_event(vk::enter), character_event(13)})
    events.push_back(e);
  for (const input_event& e : events) screen.push_event(e);
  captured_console console;
  EXPECT_EQ(run_viewer(screen, console.err_stream, VELORA_DATA_DIR), 0);
  EXPECT_EQ(std::filesystem::file_size(folder / ".dot2.bmp"), 1440054u);
}

// In the rename box BackSpace deletes a character, once; the browser behind it stays put.
TEST_F(ViewerTest, BackspaceInTheRenameBoxDeletesACharacterOnly) {
  write_file_bytes(folder / "p.vic", counting_bytes(5));
  for (const input_event& e :
       {key_down_event(vk::down), key_down_event('R'), character_event('r'),
        key_down_event(vk::back), character_event(8), key_down_event('X'), character_event('x'),
        key_down_event(vk::enter), character_event(13), key_down_event(vk::escape),
        character_event(27), key_down_event(vk::enter), character_event(13)})
    screen.push_event(e);
  captured_console console;
  EXPECT_EQ(run_viewer(screen, console.err_stream, VELORA_DATA_DIR), 0);
  EXPECT_EQ(std::filesystem::current_path(), folder.path());
  EXPECT_TRUE(std::filesystem::exists(folder / "p.vix"));
}

}  // namespace
