#pragma once
// One picture from its input to an image file, as the viewer's chain renders it headless.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "containers/container_stack.h"
#include "imaging/picture_workspace.h"
#include "output/image_export.h"
#include "render/crt_settings.h"
#include "render/palette.h"
#include "render/picture_context.h"
#include "render/work_surfaces.h"
#include "surface/surface.h"

// The viewer's settings a render uses; the defaults are the viewer's at start.
struct render_settings {
  crt_settings crt;
  render_target frame = render_target::a;
  palette_colours palette = default_palette;
  bool caption = true;  // the box with the picture's name under it
  // What text screens are drawn with: the ROM chosen, else the one found from rom_data_dir
  // (found_character_rom) when the first is drawn.
  std::optional<character_rom> rom;
  std::string rom_data_dir;
};

// Everything one render works on. Large: give each thread one, made once and reused.
struct render_workspace : picture_workspace {
  std::unique_ptr<container_stack> containers;  // made for the first picture in a container
};

// The workspace of a command that renders one picture, in the program's static storage.
render_workspace& program_workspace();

// Reads input (a host file, CONTAINER:N or CONTAINER:N:M) and renders it from an all-zero model
// into the work surfaces; gives the frame the settings choose, or why the input could not be shown.
result<const surface*> render_to_surface(std::string_view input, const render_settings& settings,
                                         render_workspace& work);

// Renders input as render_to_surface does and writes the frame to output as BMP or PNG. Fails
// with why the input could not be shown or the output not be written.
result<> render_to_file(std::string_view input, const std::string& output, image_kind kind,
                        const render_settings& settings, render_workspace& work,
                        const write_options& writing = {});
