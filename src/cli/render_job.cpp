#include "cli/render_job.h"

#include "cli/render_input.h"
#include "formats/format_table.h"
#include "imaging/picture_image.h"
#include "render/character_rom_lookup.h"
#include "render/picture_chain.h"

namespace {

constinit render_workspace program_work;

}  // namespace

render_workspace& program_workspace() {
  return program_work;
}

result<const surface*> render_to_surface(std::string_view input, const render_settings& settings,
                                         render_workspace& work) {
  clear_picture_workspace(work);
  const result<render_input> read = read_render_input(input, work.file, work.containers);
  if (!read) return failure{read.error()};
  const format_entry* format = format_by_id(read->format_id);
  if (format == nullptr) return failure{no_format_text(input, read->size)};
  if (draws_with_character_rom(format->arrange))
    work.model.rom = settings.rom ? *settings.rom : found_character_rom(settings.rom_data_dir);
  if (read->bytes_read < read->size)
    return failure{"fewer bytes could be read than the file's size"};
  if (const result<> loaded =
          load_picture(*format, work.file, read->bytes_read, work.unpacked, work.model);
      !loaded)
    return failure{format->arrange != arrangement::none
                       ? loaded.error()
                       : "the packed picture does not unpack to its format's size"};

  picture_context context{work.model,
                          work.chunky,
                          settings.palette,
                          settings.crt,
                          *work.work_surface_a,
                          *work.work_surface_b,
                          {read->picture_name, format->name, settings.caption}};
  render_picture(*format, context);
  return settings.frame == render_target::a ? &*work.work_surface_a : &*work.work_surface_b;
}

result<> render_to_file(std::string_view input, const std::string& output, image_kind kind,
                        const render_settings& settings, render_workspace& work,
                        const write_options& writing) {
  const result<const surface*> frame = render_to_surface(input, settings, work);
  if (!frame) return frame.why();
  return save_surface(output, **frame, kind, writing);
}
