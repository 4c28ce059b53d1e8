#include "cli/render_job.h"

#include "cli/render_input.h"
#include "formats/format_table.h"
#include "formats/identify.h"
#include "render/picture_chain.h"

namespace {

// Every render starts as the program starts: zero model and buffers, fresh canvases. A workspace
// reused for the next picture must not let the last one show through; a fresh one is all zero.
void clear_workspace(render_workspace& work) {
  if (!work.used) {
    work.used = true;
    work.model.canvas = canvas_size{};
    work.work_surface_a.emplace(create_work_surface());
    work.work_surface_b.emplace(create_work_surface());
    return;
  }
  clear_picture_model(work.model);
  work.chunky.chunky_a.fill(0);
  work.chunky.chunky_b.fill(0);
  work.file.bytes.fill(0);
  work.work_surface_a->canvas = canvas_state{};
  work.work_surface_b->canvas = canvas_state{};
}

// The format's name without its resolution or "packed": "Koala Painter GG", "Draz Lace".
std::string_view stream_name(const format_entry& format) {
  std::string_view name = format.name.substr(0, format.name.rfind(' '));
  if (name.ends_with(" packed")) name.remove_suffix(7);
  return name;
}

// Why a file is told as no format: its name names a packed format whose stream is bad, or its
// size names none.
std::string no_format_text(std::string_view input, int64_t size) {
  const format_entry* packed = packed_format_named_by(input);
  if (packed == nullptr) return "a size of " + std::to_string(size) + " bytes names no format";
  std::string sizes = std::to_string(packed->unpacked_size);
  if (packed->longer_unpacked_size != 0)
    sizes += " or " + std::to_string(packed->longer_unpacked_size);
  return "the " + std::string(stream_name(*packed)) + " stream does not unpack to " + sizes +
         " bytes";
}

constinit render_workspace program_work;

}  // namespace

render_workspace& program_workspace() {
  return program_work;
}

result<const surface*> render_to_surface(std::string_view input, const render_settings& settings,
                                         render_workspace& work) {
  clear_workspace(work);
  const result<render_input> read = read_render_input(input, work.file, work.containers);
  if (!read) return failure{read.error()};
  const format_entry* format = format_by_id(read->format_id);
  if (format == nullptr) return failure{no_format_text(input, read->size)};
  if (read->bytes_read < read->size)
    return failure{"fewer bytes could be read than the file's size"};
  if (!load_picture(*format, work.file, read->bytes_read, work.unpacked, work.model))
    return failure{"the packed picture does not unpack to its format's size"};

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
