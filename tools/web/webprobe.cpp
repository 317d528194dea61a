// The driver's script runner behind a C interface that JavaScript calls: a session per program
// window, one script line at a time, and the text it printed. Bytes in and out keep every
// character of a script and a dump exactly as the native driver sees them.
#include <emscripten.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "kit/form.h"
#include "kit/scriptrunner.h"
#include "lessons/lessons.h"

namespace {

struct Session {
  std::unique_ptr<kit::Form> form;
  std::ostringstream out;
  std::unique_ptr<kit::script::Runner> script;
  std::string taken;  // the last output handed out, kept alive until the next call
  std::string error;
};

std::map<int, std::unique_ptr<Session>>& sessions() {
  static std::map<int, std::unique_ptr<Session>> all;
  return all;
}

Session* find(int handle) {
  const auto found = sessions().find(handle);
  return found == sessions().end() ? nullptr : found->second.get();
}

}  // namespace

extern "C" {

// Opens a program's window and runs its Form_Load: a handle above 0, or 0 for an unknown name.
EMSCRIPTEN_KEEPALIVE int webprobe_create(const char* program) {
  static int lastHandle = 0;
  const lessons::Lesson* lesson = lessons::find(program);
  if (!lesson) return 0;
  auto session = std::make_unique<Session>();
  session->form = lesson->makeForm();
  session->script = std::make_unique<kit::script::Runner>(*session->form, session->out);
  sessions()[++lastHandle] = std::move(session);
  return lastHandle;
}

// Runs one line (without its line break): 0 when done, 1 when the script stops there with the
// message webprobe_error gives, -1 for an unknown handle.
EMSCRIPTEN_KEEPALIVE int webprobe_run_line(int handle, const char* line, int length) {
  Session* session = find(handle);
  if (!session) return -1;
  const kit::script::Stop stop =
      session->script->runLine(std::string_view(line, static_cast<std::size_t>(length)));
  if (!stop) return 0;
  session->error = stop->message;
  return 1;
}

EMSCRIPTEN_KEEPALIVE const char* webprobe_error(int handle) {
  Session* session = find(handle);
  return session ? session->error.c_str() : "";
}

// What the lines printed since the previous call; its length comes from webprobe_output_length.
EMSCRIPTEN_KEEPALIVE const char* webprobe_take_output(int handle) {
  Session* session = find(handle);
  if (!session) return "";
  session->taken = session->out.str();
  session->out.str("");
  return session->taken.c_str();
}

EMSCRIPTEN_KEEPALIVE int webprobe_output_length(int handle) {
  Session* session = find(handle);
  return session ? static_cast<int>(session->taken.size()) : 0;
}

EMSCRIPTEN_KEEPALIVE void webprobe_destroy(int handle) {
  sessions().erase(handle);
}

}  // extern "C"
