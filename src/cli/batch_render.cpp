#include "cli/batch_render.h"

#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

#include "base/quit_signal.h"

namespace {

enum class item_state : uint8_t { not_started, done, failed, left_alone };

struct item_outcome {
  item_state state = item_state::not_started;
  std::string reason;
};

// What to do with an item whose output may already exist; done when it is to be rendered.
item_outcome check_output(const batch_item& item, const batch_plan& plan, bool overwrite) {
  const std::optional<file_identity> existing = identity_of(item.output);
  if (!existing) return {item_state::done, {}};
  if (std::find(plan.input_files.begin(), plan.input_files.end(), *existing) !=
      plan.input_files.end())
    return {item_state::failed, item.output + " is one of the inputs; it is not replaced"};
  if (!overwrite) return {item_state::left_alone, {}};
  return {item_state::done, {}};
}

item_outcome render_item(const batch_item& item, const batch_plan& plan,
                         const batch_settings& settings, render_workspace& workspace) {
  item_outcome outcome = check_output(item, plan, settings.overwrite);
  if (outcome.state != item_state::done) return outcome;
  const write_options writing{.replace_existing = settings.overwrite, .sync = false};
  const result<> rendered =
      render_to_file(item.input, item.output, settings.kind, settings.render, workspace, writing);
  if (!rendered) outcome = {item_state::failed, describe(rendered.why())};
  return outcome;
}

// The files were written without a sync each; one sync of their file system makes them safe.
void sync_folder(const std::string& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::syncfs(fd);
  ::close(fd);
}

}  // namespace

unsigned available_cpus() {
  cpu_set_t cpus;
  CPU_ZERO(&cpus);
  if (::sched_getaffinity(0, sizeof cpus, &cpus) != 0) return 1;
  return std::max(1, CPU_COUNT(&cpus));
}

unsigned batch_workers(unsigned asked, unsigned cpus) {
  const unsigned usable = std::clamp(cpus, 1u, most_batch_workers);
  return asked == 0 ? usable : std::min(asked, usable);
}

batch_report run_batch(const batch_plan& plan, const batch_settings& settings,
                       const batch_progress& progress) {
  const size_t total = plan.items.size();
  std::vector<item_outcome> outcomes(total);
  std::atomic<size_t> next{0};
  std::mutex progress_mutex;
  size_t finished = 0;
  auto work = [&] {
    const auto workspace = std::make_unique<render_workspace>();
    for (size_t i = next++; i < total && !quit_signal_received(); i = next++) {
      outcomes[i] = render_item(plan.items[i], plan, settings, *workspace);
      const std::lock_guard lock(progress_mutex);
      ++finished;
      if (progress) progress(finished, total, plan.items[i].input);
    }
  };
  const size_t workers = std::clamp<size_t>(settings.workers, 1, std::max<size_t>(total, 1));
  std::vector<std::thread> threads;
  for (size_t t = 1; t < workers; ++t) threads.emplace_back(work);
  work();
  for (std::thread& thread : threads) thread.join();
  sync_folder(plan.dir);

  batch_report report;
  report.failed = plan.skipped;
  for (size_t i = 0; i < total; ++i) {
    switch (outcomes[i].state) {
      case item_state::not_started:
        ++report.not_started;
        break;
      case item_state::done:
        ++report.done;
        break;
      case item_state::failed:
        report.failed.push_back({plan.items[i].input, outcomes[i].reason});
        break;
      case item_state::left_alone:
        report.left_alone.push_back(plan.items[i].output);
        break;
    }
  }
  return report;
}
